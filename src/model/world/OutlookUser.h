// The person at Outlook, the same for the simulator, the scenario tests and
// OutlookHost.exe: starts and closes Outlook, switches folders, selects,
// opens and closes items, right-clicks, clicks a control, types into a
// combo box, edits a field, answers message boxes and acts in dialogs, and
// checks what a window shows. Each action is narrated to a Printer and
// followed, as the user would look, by a drawing of the window in front:
// its Tandrel toolbar and the open context menu.
//
// Controls are found by the one naming rule (model/office/ControlNames.h):
// the open context menu first, then the bars of the window in front with
// their popups, then the buttons of the add-in's own windows. The toolbar's icon buttons also
// answer to the words "call", "chat", "skypeout" and "buy": each names the button whose tooltip is
// the string table's text for it.
#pragma once

#include <string>
#include <vector>

#include "model/outlook/ModelOutlook.h"
#include "model/world/Printer.h"
#include "model/world/UserHost.h"
#include "outlook/OutlookIds.h"

namespace model {

class OutlookUser {
  public:
    // `host` and `out` outlive the user.
    OutlookUser(ModelOutlook& outlook, UserHost& host, Printer& out);
    // Outlook closes, if it runs.
    ~OutlookUser();
    OutlookUser(const OutlookUser&) = delete;
    OutlookUser& operator=(const OutlookUser&) = delete;

    // Each action answers false after printing why it could not be done.

    // Outlook starts with one window on `folder` (the Inbox when null) and
    // loads its add-ins.
    bool Start(const ModelFolderPtr& folder = ModelFolderPtr());
    // The item window and the menu close, the add-ins go, the window closes.
    bool Quit();
    bool Running() const { return static_cast<bool>(explorer_); }

    // By path or name: "Contacts/Friends", "Friends".
    bool SwitchFolder(const std::string& path);
    // Items of the window's folder, by name (case ignored); none selects nothing.
    bool Select(const std::vector<std::string>& names);
    bool Open(const std::string& name, int editorType = outlook::editor_type::kHtml);
    bool CloseItem();
    bool CloseMenu();
    bool RightClick();
    bool Click(const std::string& name);
    bool Type(const std::string& combo, const std::string& text);
    // Changes a field of the open item.
    bool Edit(const std::string& field, const std::string& text);
    // For the next message box and the next dialog, whenever they come.
    void Answer(int answer);
    void ActInDialog(const std::vector<DialogAction>& actions);

    // What the user checks: the combo box in front shows a text beginning
    // with `text`; the open context menu has the entry; the open item has
    // the field (its own or one the user defined).
    bool ExpectCombo(const std::string& combo, const std::string& text);
    bool ExpectMenu(const std::string& entry);
    bool ExpectField(const std::string& field);
    // One of the add-in's own windows (the incoming call) shows `text`.
    bool ExpectWindow(const std::string& text);

    // Draws the Tandrel toolbar of the window in front and the open context menu.
    void Draw();
    // Every folder with the names of its items.
    void PrintMailbox();

    const ModelExplorerPtr& explorer() const { return explorer_; }
    const ModelInspectorPtr& inspector() const { return inspector_; }
    // The bars of the window in front: the open item's, else the folder window's.
    ModelCommandBarsPtr FrontBars() const;
    // The combo box named `name` in front, or null.
    ModelCommandBarComboBoxPtr FindCombo(const std::string& name) const;

    // How the user names an item: a contact's or a list's name, a mail's
    // or an appointment's subject.
    static std::string ItemName(const ModelItemPtr& item);

  private:
    bool NeedOutlook();
    // The item window an item's Display opened becomes the one in front.
    void AdoptDisplayed();
    ModelItemPtr FindItem(const std::string& name) const;

    ModelOutlook& outlook_;
    UserHost& host_;
    Printer& out_;
    ModelExplorerPtr explorer_;
    ModelInspectorPtr inspector_;
    ModelCommandBarPtr contextMenu_;
};

}  // namespace model
