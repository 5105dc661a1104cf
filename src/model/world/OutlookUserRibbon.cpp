// The Outlook user's actions where Outlook 2010 and later show the ribbon:
// Office's ribbon (model/office/ModelRibbon.h) with the add-in's part, the
// tab of the window in front, the item context menu.
#include <sstream>

#include "commandbars/Toolbar.h"
#include "model/outlook/ModelContactItem.h"
#include "model/outlook/ModelMailItem.h"
#include "model/world/OutlookUser.h"
#include "model/world/ScriptText.h"
#include "outlook/Supported.h"
#include "ribbon/RibbonIds.h"

namespace model {

namespace {

struct Release {
    const char* year;
    const wchar_t* version;  // what Application.Version answers
};

const Release kReleases[] = {
    {"2000", L"9.0.0.4527"},     {"2002", L"10.0.2627.1"},      {"2003", L"11.0.5608.0"},
    {"2007", L"12.0.4518.1014"}, {"2010", L"14.0.4760.1000"},   {"2013", L"15.0.4420.1017"},
    {"2016", L"16.0.4266.1001"}, {"2019", L"16.0.10827.20181"}, {"2021", L"16.0.14332.20145"},
};

// Office's names for what a window shows: the ribbon of an item window by
// the item's kind, the Home tab of a folder window by the folder's.
const wchar_t kHomeTabMail[] = L"TabMail";
const wchar_t kHomeTabContacts[] = L"TabContacts";
const wchar_t kContactTab[] = L"TabContact";
const wchar_t kReadMessageTab[] = L"TabReadMessage";

std::wstring ItemRibbon(const ModelItemPtr& item) {
    if (boost::dynamic_pointer_cast<ModelContactItem>(item)) return ribbon::kContactRibbon;
    if (boost::dynamic_pointer_cast<ModelMailItem>(item)) return ribbon::kMailReadRibbon;
    return std::wstring();
}

// The context menu Office opens for a selection of these items.
std::wstring ContextMenuOf(const std::vector<ModelItemPtr>& items) {
    if (items.size() > 1) return L"ContextMenuMultipleItems";
    if (items.size() == 1 && boost::dynamic_pointer_cast<ModelContactItem>(items[0])) {
        return L"ContextMenuContactItem";
    }
    if (items.size() == 1 && boost::dynamic_pointer_cast<ModelMailItem>(items[0])) {
        return L"ContextMenuMailItem";
    }
    return std::wstring();
}

// A menu's items are "N.M": a glance leaves them out, as the toolbar's.
bool IsMenuItemLine(const std::string& line) {
    const std::size_t first = line.find_first_not_of(' ');
    const std::size_t space = line.find(' ', first);
    return first != std::string::npos &&
           line.substr(first, space - first).find('.') != std::string::npos;
}

}  // namespace

bool OutlookUser::SetVersion(const std::string& year) {
    for (const Release& release : kReleases) {
        if (year != release.year) continue;
        if (Running()) {
            out_.Error("Outlook is running: \"outlook quit\" first");
            return false;
        }
        outlook_.SetVersion(release.version);
        out_.Event("Outlook " + year + " (version " + Utf8FromWide(release.version) +
                   ") from its next start");
        return true;
    }
    std::string years;
    for (const Release& release : kReleases)
        years += std::string(years.empty() ? "" : ", ") + release.year;
    out_.Error("there is no Outlook " + year + " (" + years + ")");
    return false;
}

bool OutlookUser::ShowsRibbon() const {
    return CSupported::ParseVersion(Utf8FromWide(outlook_.version())).major >= 14;
}

bool OutlookUser::ReportRibbonProblems() {
    if (!ribbon_) return true;
    const std::vector<std::string>& problems = ribbon_->problems();
    const bool none = ribbonProblemsShown_ == problems.size();
    for (; ribbonProblemsShown_ < problems.size(); ++ribbonProblemsShown_) {
        out_.Error("ribbon: " + problems[ribbonProblemsShown_]);
    }
    return none;
}

bool OutlookUser::StartRibbon() {
    ribbon::RibbonExtensibility* addIn = host_.Ribbon();
    if (!addIn) return true;  // no add-in with a ribbon: nothing of ours to show
    ribbon_.reset(new ModelRibbon(*addIn, &outlook_.log()));
    ribbonProblemsShown_ = 0;
    ribbon_->Load(ribbon::kExplorerRibbon);
    return ReportRibbonProblems();
}

bool OutlookUser::OpenItemRibbon(const ModelItemPtr& item) {
    const std::wstring ribbonId = ItemRibbon(item);
    if (ribbonId.empty()) return true;
    ribbon_->Load(ribbonId);  // the first window of its kind
    return ReportRibbonProblems();
}

ModelRibbon::View OutlookUser::FrontTab() const {
    ModelRibbon::View view;
    if (!ribbon_) return view;
    if (inspector_) {
        view.ribbonId = ItemRibbon(inspector_->currentItem());
        view.idMso = view.ribbonId == ribbon::kContactRibbon ? kContactTab : kReadMessageTab;
        view.context = inspector_;
        if (view.ribbonId.empty()) view.idMso.clear();
        return view;
    }
    const ModelFolderPtr folder = explorer_ ? explorer_->currentFolder() : ModelFolderPtr();
    if (!folder) return view;
    view.ribbonId = ribbon::kExplorerRibbon;
    view.context = explorer_;
    if (folder->defaultItemType() == outlook::item_type::kMail) view.idMso = kHomeTabMail;
    if (folder->defaultItemType() == outlook::item_type::kContact) view.idMso = kHomeTabContacts;
    return view;
}

void OutlookUser::RightClickRibbon() {
    ribbonMenu_ = ModelRibbon::View();
    ribbonMenu_.ribbonId = ribbon::kExplorerRibbon;
    ribbonMenu_.idMso = ContextMenuOf(explorer_->selection());
    ribbonMenu_.context = explorer_->SelectionObject();
    if (ribbonMenu_.idMso.empty()) ribbonMenu_.idMso = L"ContextMenuItem";  // not one we know
}

void OutlookUser::DrawRibbon() {
    const auto draw = [this](const std::string& text, const std::string& indent) {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (out_.brief() && IsMenuItemLine(line)) continue;
            out_.Detail(indent + (out_.brief() ? Glance(line) : line));
        }
    };
    const ModelRibbon::View tab = FrontTab();
    if (!tab.idMso.empty()) {
        out_.Detail("  " + Utf8FromWide(tab.idMso) + " tab:");
        const std::string group = ribbon_->Describe(tab);
        draw(group.empty() ? "(nothing of Tandrel)" : group, "    ");
    }
    const ModelCommandBarsPtr bars = FrontBars();
    if (bars && bars->FindBar(CToolbar::kBarName)) {
        out_.Detail("  Add-ins tab:");
        DrawToolbar("    ", false);
    }
    if (!ribbonMenu_.idMso.empty() && !inspector_) {
        out_.Detail("[context menu " + Utf8FromWide(ribbonMenu_.idMso) + "]");
        out_.Detail("  (Outlook's own entries)");
        draw(ribbon_->Describe(ribbonMenu_), "  ");
    }
    ReportRibbonProblems();
}

bool OutlookUser::ClickRibbon(const std::wstring& name, bool* clicked) {
    if (!ribbon_) return false;
    const bool fromMenu = !ribbonMenu_.idMso.empty() && !inspector_;
    ModelRibbon::View view = fromMenu ? ribbonMenu_ : FrontTab();
    const RibbonNode* control = view.idMso.empty() ? nullptr : ribbon_->Find(view, name);
    if (!control && fromMenu) {
        view = FrontTab();
        control = view.idMso.empty() ? nullptr : ribbon_->Find(view, name);
    }
    if (!control || (control->element != "button" && control->element != "toggleButton")) {
        return false;
    }
    const bool inMenu = view.context == ribbonMenu_.context && fromMenu;
    out_.Event("The user clicks \"" + Utf8FromWide(name) + "\"" +
               (inMenu ? " in the context menu" : " on the ribbon"));
    *clicked = ribbon_->Click(view, *control);
    if (!*clicked) out_.Error("\"" + Utf8FromWide(name) + "\" is disabled or hidden");
    host_.ShowScreen();
    if (inMenu)
        ribbonMenu_ = ModelRibbon::View();  // Office closes the menu once an entry is chosen
    ReportRibbonProblems();
    return true;
}

bool OutlookUser::TypeRibbon(const std::string& combo, const std::string& text) {
    const ModelRibbon::View tab = FrontTab();
    if (tab.idMso.empty()) return false;
    const RibbonNode* box = ribbon_->Find(tab, WideFromUtf8(combo), "comboBox");
    if (!box) return false;
    out_.Event("The user types \"" + text + "\" into the " + combo + " box on the ribbon");
    ribbon_->Type(tab, *box, WideFromUtf8(text));
    return ReportRibbonProblems();
}

bool OutlookUser::ExpectRibbonCombo(const std::string& combo, const std::string& text,
                                    bool* found) {
    const ModelRibbon::View tab = FrontTab();
    const RibbonNode* box =
        tab.idMso.empty() ? nullptr : ribbon_->Find(tab, WideFromUtf8(combo), "comboBox");
    *found = box != nullptr;
    if (!box) return false;
    const std::wstring shown = ribbon_->Text(tab, *box);
    const std::wstring expected = WideFromUtf8(text);
    if (shown.compare(0, expected.size(), expected) == 0) return true;
    out_.Error("the " + combo + " box on the ribbon shows \"" + Utf8FromWide(shown) +
               "\", not a text beginning with \"" + text + "\"");
    return false;
}

}  // namespace model
