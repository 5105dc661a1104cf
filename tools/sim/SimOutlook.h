// Outlook in the simulator: a model Outlook holding a sample mailbox, with
// the whole add-in (CConnect) loaded into it as Outlook would load it, and
// the user's actions on its windows: select, open, close, switch folder,
// right-click, click a control by its caption, type into a combo box. After
// each action the window's toolbar (and an open context menu) is drawn as
// text.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "addin/GuardedExtensibility.h"
#include "model/outlook/ModelOutlook.h"

class CConnect;
class CSkype;

namespace sim {

class World;

class OutlookSide {
  public:
    explicit OutlookSide(World& world);
    ~OutlookSide();
    OutlookSide(const OutlookSide&) = delete;
    OutlookSide& operator=(const OutlookSide&) = delete;

    bool Running() const { return connect_ != nullptr; }
    // Outlook starts with one folder window on the Inbox and loads the add-in.
    void Start();
    // The add-in is unloaded and Outlook closes.
    void Quit();
    // The add-in's Skype client while Outlook runs, else null.
    CSkype* Skype() const;

    // Each answers false after printing why it could not be done.
    bool SwitchFolder(const std::string& path);
    bool Select(const std::string& names);
    bool Open(const std::string& name);
    bool Close(const std::string& what);
    bool RightClick();
    bool Click(const std::string& caption);
    bool Type(const std::string& comboAndText);
    bool Edit(const std::string& propertyAndText);

    // Draws the toolbar of the window in front (the open item's, else the
    // folder window's) and the open context menu.
    void Draw();
    void PrintMailbox();

  private:
    void BuildMailbox();
    model::ModelCommandBarsPtr FrontBars() const;
    model::ModelItemPtr FindItem(const std::string& name) const;
    bool NeedOutlook();

    World& world_;
    model::ModelOutlook outlook_;
    model::ModelFolderPtr friends_;
    boost::shared_ptr<CConnect> connect_;
    std::unique_ptr<addin::GuardedExtensibility> entry_;
    model::ModelExplorerPtr explorer_;
    model::ModelInspectorPtr inspector_;
    model::ModelCommandBarPtr contextMenu_;
};

}  // namespace sim
