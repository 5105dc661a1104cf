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
//
// Outlook 2010 and later (SetVersion) show the ribbon: Office asks the
// add-in for the folder windows' customUI when Outlook starts and for an
// item window's when the first of its kind opens (model/office/ModelRibbon.h),
// Word edits every item (as from Outlook 2007 on), a right-click opens the
// ribbon's item context menu (the command bars have none there), and the
// window in front is drawn as its Home or item tab with the add-in's group,
// then the "Add-ins" tab with the toolbar when it is there. The user's
// actions look in the ribbon's context menu and group first, then in the
// command bars, by the same names.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/office/ModelRibbon.h"
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

    // The Outlook of that year ("2003", "2016", ...) from its next start;
    // refused while Outlook runs and for a year there was none.
    bool SetVersion(const std::string& year);
    // Whether this Outlook shows the ribbon (2010 and later).
    bool ShowsRibbon() const;

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
    // Office's ribbon while Outlook runs with one (null otherwise), and the
    // tab of the window in front (its idMso empty when it has none of ours).
    ModelRibbon* ribbon() const { return ribbon_.get(); }
    ModelRibbon::View FrontTab() const;
    // The ribbon's item context menu while it is open (idMso empty: none).
    const ModelRibbon::View& RibbonMenu() const { return ribbonMenu_; }

    // How the user names an item: a contact's or a list's name, a mail's
    // or an appointment's subject.
    static std::string ItemName(const ModelItemPtr& item);

  private:
    bool NeedOutlook();
    // The item window an item's Display opened becomes the one in front.
    void AdoptDisplayed();
    ModelItemPtr FindItem(const std::string& name) const;
    // The toolbar in front, each line after `indent`.
    void DrawToolbar(const std::string& indent, bool sayWhenNone);
    // The ribbon's part of the actions (OutlookUserRibbon.cpp).
    // False after printing what Office found wrong with the add-in's ribbon.
    bool StartRibbon();
    bool OpenItemRibbon(const ModelItemPtr& item);
    void RightClickRibbon();
    void DrawRibbon();
    bool ClickRibbon(const std::wstring& name, bool* clicked);
    bool TypeRibbon(const std::string& combo, const std::string& text);
    bool ExpectRibbonCombo(const std::string& combo, const std::string& text, bool* found);
    // Prints what Office found wrong with the add-in's ribbon since last;
    // false when it found anything.
    bool ReportRibbonProblems();

    ModelOutlook& outlook_;
    UserHost& host_;
    Printer& out_;
    ModelExplorerPtr explorer_;
    ModelInspectorPtr inspector_;
    ModelCommandBarPtr contextMenu_;
    std::unique_ptr<ModelRibbon> ribbon_;
    // The ribbon's item context menu while open (idMso empty: none).
    ModelRibbon::View ribbonMenu_;
    std::size_t ribbonProblemsShown_ = 0;
};

}  // namespace model
