#include "model/world/OutlookUser.h"

#include <algorithm>
#include <sstream>

#include "commandbars/Toolbar.h"
#include "model/ModelResources.h"
#include "model/office/ControlNames.h"
#include "model/office/ModelCommandBarText.h"
#include "model/outlook/Mailbox.h"
#include "model/world/ScriptText.h"
#include "office/OfficeIds.h"
#include "outlook/Supported.h"
#include "resources/StringIds.h"

namespace model {

namespace {

// The toolbar's icon buttons by the words a user calls them: their tooltips.
std::wstring ResolveWord(const std::string& name) {
    static const struct {
        const char* word;
        unsigned tooltip;
    } kWords[] = {{"call", ids::kTipCall},
                  {"chat", ids::kTipChat},
                  {"skypeout", ids::kTipSkypeOut},
                  {"buy", ids::kTipBuySkypeOut}};
    const std::string lower = LowerAscii(Trim(name));
    for (const auto& each : kWords) {
        std::wstring tooltip;
        if (lower == each.word && ModelResources().LoadText(each.tooltip, &tooltip)) return tooltip;
    }
    return WideFromUtf8(name);
}

std::string Joined(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

}  // namespace

OutlookUser::OutlookUser(ModelOutlook& outlook, UserHost& host, Printer& out)
    : outlook_(outlook), host_(host), out_(out) {}

OutlookUser::~OutlookUser() {
    try {
        Quit();
    } catch (...) {
        out_.Error("an exception left Outlook's close");  // nothing may leave a destructor
    }
}

std::string OutlookUser::ItemName(const ModelItemPtr& item) {
    for (const char* property : {"FullName", "DLName", "Subject"}) {
        if (item->HasProperty(property)) {
            const std::wstring text = item->Property(property).ToText();
            if (!text.empty()) return Utf8FromWide(text);
        }
    }
    return "(unnamed)";
}

bool OutlookUser::NeedOutlook() {
    if (Running()) return true;
    out_.Error("Outlook is not running (use \"outlook start\")");
    return false;
}

bool OutlookUser::Start(const ModelFolderPtr& folder) {
    if (Running()) {
        out_.Event("Outlook is already running");
        return true;
    }
    const ModelFolderPtr first = folder ? folder : outlook_.inbox();
    out_.Event("Outlook starts with its " + Utf8FromWide(first->name()) + " and loads Tandrel");
    explorer_ = outlook_.AddExplorer(first);
    outlook_.SetActiveExplorer(explorer_);
    if (!host_.LoadAddIns(outlook_)) {
        explorer_->Close();
        explorer_.reset();
        return false;
    }
    const bool ribbonSound = !ShowsRibbon() || StartRibbon();
    Draw();
    return ribbonSound;
}

bool OutlookUser::Quit() {
    if (!Running()) return true;
    out_.Event("Outlook closes and unloads Tandrel");
    if (inspector_) inspector_->Close();
    inspector_.reset();
    contextMenu_.reset();
    ribbonMenu_ = ModelRibbon::View();
    ribbon_.reset();  // Office lets go of the ribbon before the add-ins
    const bool unloaded = host_.UnloadAddIns();
    explorer_->Close();
    explorer_.reset();
    return unloaded;
}

bool OutlookUser::SwitchFolder(const std::string& path) {
    if (!NeedOutlook()) return false;
    const ModelFolderPtr folder = FindFolder(outlook_, WideFromUtf8(path));
    if (!folder) {
        std::string known;
        for (const std::wstring& each : FolderPaths(outlook_)) {
            known += (known.empty() ? "" : ", ") + Utf8FromWide(each);
        }
        out_.Error("no folder \"" + path + "\" (" + known + ")");
        return false;
    }
    out_.Event("The user opens the folder " + Utf8FromWide(folder->name()));
    contextMenu_.reset();
    ribbonMenu_ = ModelRibbon::View();
    explorer_->SwitchFolder(folder);
    explorer_->SwitchView();  // Outlook shows the new folder in its own view
    host_.ShowScreen();
    Draw();
    return true;
}

ModelItemPtr OutlookUser::FindItem(const std::string& name) const {
    const std::string wanted = LowerAscii(name);
    if (explorer_->currentFolder()) {
        for (const ModelItemPtr& item : explorer_->currentFolder()->items()) {
            if (LowerAscii(ItemName(item)) == wanted) return item;
        }
    }
    out_.Error("no item \"" + name + "\" in " +
               (explorer_->currentFolder() ? Utf8FromWide(explorer_->currentFolder()->name())
                                           : std::string("a window without a folder")));
    return ModelItemPtr();
}

bool OutlookUser::Select(const std::vector<std::string>& names) {
    if (!NeedOutlook()) return false;
    std::vector<ModelItemPtr> items;
    for (const std::string& name : names) {
        const ModelItemPtr item = FindItem(name);
        if (!item) return false;
        items.push_back(item);
    }
    out_.Event(items.empty() ? std::string("The user selects nothing")
                             : "The user selects " + Joined(names));
    contextMenu_.reset();
    ribbonMenu_ = ModelRibbon::View();
    explorer_->Select(items);
    host_.ShowScreen();
    Draw();
    return true;
}

bool OutlookUser::Open(const std::string& name, int editorType) {
    if (!NeedOutlook()) return false;
    const ModelItemPtr item = FindItem(name);
    if (!item) return false;
    if (inspector_) inspector_->Close();
    // Outlook 2007 and later edit every item with Word.
    const bool wordAlways = CSupported::ParseVersion(Utf8FromWide(outlook_.version())).major >= 12;
    out_.Event(
        "The user opens \"" + ItemName(item) + "\"" +
        (editorType == outlook::editor_type::kWord && !wordAlways ? " (Word is the editor)" : ""));
    inspector_ =
        outlook_.OpenInspector(item, wordAlways ? outlook::editor_type::kWord : editorType);
    const bool ribbonSound = !ribbon_ || OpenItemRibbon(item);
    host_.ShowScreen();
    Draw();
    return ribbonSound;
}

bool OutlookUser::CloseItem() {
    if (!NeedOutlook()) return false;
    if (!inspector_) {
        out_.Error("no item window is open");
        return false;
    }
    out_.Event("The user closes the item window");
    inspector_->Close();
    inspector_.reset();
    Draw();
    return true;
}

bool OutlookUser::CloseMenu() {
    if (!NeedOutlook()) return false;
    ribbonMenu_ = ModelRibbon::View();
    explorer_->commandBars()->CloseContextMenu();
    contextMenu_.reset();
    out_.Event("The context menu closes");
    return true;
}

bool OutlookUser::RightClick() {
    if (!NeedOutlook()) return false;
    out_.Event("The user right-clicks the selection");
    if (ribbon_) {
        RightClickRibbon();  // the command bars have no context menu here
        host_.ShowScreen();
        Draw();
        return true;
    }
    contextMenu_ = explorer_->RightClick();
    host_.ShowScreen();
    Draw();
    return true;
}

bool OutlookUser::Click(const std::string& name) {
    if (!NeedOutlook()) return false;
    const std::wstring wanted = ResolveWord(name);
    bool clicked = false;
    if (ClickRibbon(wanted, &clicked)) return clicked;
    ModelCommandBarControlPtr control;
    if (contextMenu_) {
        control = FindControl(*contextMenu_->controls(), wanted, office::control_type::kButton);
    }
    const bool fromMenu = static_cast<bool>(control);
    if (!control) control = FindControl(*FrontBars(), wanted, office::control_type::kButton);
    if (!control) {
        // A button of one of the add-in's own windows (the incoming call).
        if (host_.ClickInWindow(name)) {
            AdoptDisplayed();
            return true;
        }
        out_.Error("no control \"" + name +
                   "\" in the toolbar, the context menu or the add-in's windows");
        return false;
    }
    out_.Event("The user clicks \"" + name + "\"" + (fromMenu ? " in the context menu" : ""));
    if (!boost::static_pointer_cast<ModelCommandBarButton>(control)->Click()) {
        out_.Error("\"" + name + "\" is disabled or hidden");
        return false;
    }
    host_.ShowScreen();
    if (fromMenu) {
        // Office closes the menu once an entry is chosen.
        contextMenu_.reset();
        explorer_->commandBars()->CloseContextMenu();
    }
    return true;
}

void OutlookUser::AdoptDisplayed() {
    const ModelInspectorPtr shown = outlook_.TakeDisplayed();
    if (!shown) return;
    if (inspector_ && inspector_ != shown) inspector_->Close();
    inspector_ = shown;
    out_.Event("Outlook shows \"" + ItemName(shown->currentItem()) + "\" in its own window");
    host_.ShowScreen();
    Draw();
}

bool OutlookUser::ExpectWindow(const std::string& text) {
    if (host_.WindowShows(text)) return true;
    out_.Error("no window of the add-in shows \"" + text + "\"");
    return false;
}

ModelCommandBarsPtr OutlookUser::FrontBars() const {
    if (inspector_) return inspector_->commandBars();
    return explorer_ ? explorer_->commandBars() : ModelCommandBarsPtr();
}

ModelCommandBarComboBoxPtr OutlookUser::FindCombo(const std::string& name) const {
    const ModelCommandBarsPtr bars = FrontBars();
    if (!bars) return ModelCommandBarComboBoxPtr();
    for (const int type : {office::control_type::kComboBox, office::control_type::kEdit,
                           office::control_type::kDropdown}) {
        if (ModelCommandBarControlPtr found = FindControl(*bars, WideFromUtf8(name), type)) {
            return boost::static_pointer_cast<ModelCommandBarComboBox>(found);
        }
    }
    return ModelCommandBarComboBoxPtr();
}

bool OutlookUser::Type(const std::string& combo, const std::string& text) {
    if (!NeedOutlook()) return false;
    if (TypeRibbon(combo, text)) return true;
    const ModelCommandBarComboBoxPtr box = FindCombo(combo);
    if (!box) {
        out_.Error("no combo box \"" + combo + "\" in the window in front");
        return false;
    }
    out_.Event("The user types \"" + text + "\" into the " + combo + " box");
    box->TypeText(WideFromUtf8(text));
    return true;
}

bool OutlookUser::Edit(const std::string& field, const std::string& text) {
    if (!NeedOutlook()) return false;
    if (!inspector_ || !inspector_->currentItem()) {
        out_.Error("edit needs an open item");
        return false;
    }
    if (!inspector_->currentItem()->HasProperty(field)) {
        out_.Error("the item has no field \"" + field + "\"");
        return false;
    }
    out_.Event("The user changes " + field + " to \"" + text + "\"");
    inspector_->currentItem()->Change(field, host::Variant::Bstr(WideFromUtf8(text)));
    host_.ShowScreen();
    Draw();
    return true;
}

void OutlookUser::Answer(int answer) { host_.AnswerNextBox(answer); }

void OutlookUser::ActInDialog(const std::vector<DialogAction>& actions) {
    host_.ActInNextDialog(actions);
}

bool OutlookUser::ExpectCombo(const std::string& combo, const std::string& text) {
    if (!NeedOutlook()) return false;
    bool inRibbon = false;
    const bool shownOnRibbon = ExpectRibbonCombo(combo, text, &inRibbon);
    if (inRibbon) return shownOnRibbon;
    const ModelCommandBarComboBoxPtr box = FindCombo(combo);
    if (!box) {
        out_.Error("no combo box \"" + combo + "\" in the window in front");
        return false;
    }
    const std::wstring expected = WideFromUtf8(text);
    if (box->text().compare(0, expected.size(), expected) == 0) return true;
    out_.Error("the " + combo + " box shows \"" + Utf8FromWide(box->text()) +
               "\", not a text beginning with \"" + text + "\"");
    return false;
}

bool OutlookUser::ExpectMenu(const std::string& entry) {
    if (!NeedOutlook()) return false;
    if (!ribbonMenu_.idMso.empty()) {
        const RibbonNode* found = ribbon_->Find(ribbonMenu_, WideFromUtf8(entry));
        if (found && ribbon_->Shown(ribbonMenu_, *found)) return true;
        out_.Error("no entry \"" + entry + "\" in the context menu");
        return false;
    }
    if (!contextMenu_) {
        out_.Error("no context menu is open");
        return false;
    }
    if (FindControl(*contextMenu_->controls(), WideFromUtf8(entry))) return true;
    out_.Error("no entry \"" + entry + "\" in the context menu");
    return false;
}

bool OutlookUser::ExpectField(const std::string& field) {
    if (!NeedOutlook()) return false;
    const ModelItemPtr item = inspector_ ? inspector_->currentItem() : ModelItemPtr();
    if (!item) {
        out_.Error("no item window is open");
        return false;
    }
    const auto contact = boost::dynamic_pointer_cast<ModelContactItem>(item);
    if (item->HasProperty(field) ||
        (contact && contact->userProperties().FindByName(WideFromUtf8(field)))) {
        return true;
    }
    out_.Error("\"" + ItemName(item) + "\" has no field \"" + field + "\"");
    return false;
}

void OutlookUser::DrawToolbar(const std::string& indent, bool sayWhenNone) {
    const ModelCommandBarsPtr bars = FrontBars();
    const ModelCommandBarPtr bar = bars ? bars->FindBar(CToolbar::kBarName) : nullptr;
    if (!bar && !sayWhenNone) return;
    std::istringstream lines(bar ? DescribeBar(*bar) : "(no Tandrel toolbar)");
    for (std::string line; std::getline(lines, line);) {
        if (out_.brief() && line.compare(0, 2, "  ") == 0) continue;  // the Help menu's items
        out_.Detail(indent + (out_.brief() ? Glance(line) : line));
    }
}

void OutlookUser::Draw() {
    if (!Running() || out_.silent()) return;
    out_.Detail(inspector_ ? "[item window]" : "[folder window]");
    if (ribbon_) {
        DrawRibbon();
        return;
    }
    DrawToolbar("  ", true);
    if (contextMenu_ && !inspector_) {
        out_.Detail("[context menu]");
        std::istringstream menu(DescribeControls(*contextMenu_->controls()));
        for (std::string line; std::getline(menu, line);) {
            out_.Detail("  " + (out_.brief() ? Glance(line) : line));
        }
    }
}

void OutlookUser::PrintMailbox() {
    for (const std::wstring& path : FolderPaths(outlook_)) {
        const std::size_t depth = std::count(path.begin(), path.end(), L'/');
        const std::string indent(2 * depth, ' ');
        const ModelFolderPtr folder = FindFolder(outlook_, path);
        out_.Detail(indent + Utf8FromWide(folder->name()) + ":");
        for (const ModelItemPtr& item : folder->items())
            out_.Detail(indent + "  " + ItemName(item));
    }
}

}  // namespace model
