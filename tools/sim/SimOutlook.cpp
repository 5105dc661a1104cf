#include "SimOutlook.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>

#include "SimWorld.h"
#include "addin/Connect.h"
#include "model/office/ModelCommandBarText.h"
#include "outlook/OutlookIds.h"
#include "skype/Skype.h"

namespace sim {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Narrow(const std::wstring& text) { return Printer::Utf8(text); }

std::wstring WideAscii(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// How the user names an item: a contact's or a list's name, a mail's subject.
std::string ItemName(const model::ModelItemPtr& item) {
    for (const char* property : {"FullName", "DLName", "Subject"}) {
        if (item->HasProperty(property)) {
            const std::wstring text = item->Property(property).ToText();
            if (!text.empty()) return Narrow(text);
        }
    }
    return "(unnamed)";
}

// The toolbar's icon-only buttons, by the word a user would use.
int ToolbarPosition(const std::string& word) {
    if (word == "call") return 2;
    if (word == "chat") return 3;
    if (word == "skypeout") return 5;
    if (word == "buy") return 6;
    return 0;
}

// The first control of `controls` (popups searched too) whose caption
// begins with `caption`, case aside.
model::ModelCommandBarButtonPtr FindButton(const model::ModelCommandBarControls& controls,
                                           const std::string& caption) {
    for (const model::ModelCommandBarControlPtr& control : controls.controls()) {
        const model::ModelCommandBarPopupPtr popup =
            boost::dynamic_pointer_cast<model::ModelCommandBarPopup>(control);
        if (popup) {
            if (model::ModelCommandBarButtonPtr found = FindButton(*popup->controls(), caption))
                return found;
            continue;
        }
        const std::string own = Lower(Narrow(control->caption()));
        if (!own.empty() && own.compare(0, caption.size(), caption) == 0) {
            return boost::dynamic_pointer_cast<model::ModelCommandBarButton>(control);
        }
    }
    return model::ModelCommandBarButtonPtr();
}

// A drawn line without its tooltip and pictures: what a glance shows.
std::string Glance(std::string line) {
    for (const char* part : {" tooltip \"", " picture ", " mask "}) {
        const std::size_t at = line.find(part);
        if (at == std::string::npos) continue;
        std::size_t end = line.find(part[1] == 't' ? '"' : ' ', at + std::strlen(part));
        if (end != std::string::npos && part[1] == 't') ++end;
        line.erase(at, end == std::string::npos ? std::string::npos : end - at);
    }
    return line;
}

}  // namespace

OutlookSide::OutlookSide(World& world) : world_(world) { BuildMailbox(); }

OutlookSide::~OutlookSide() { Quit(); }

void OutlookSide::BuildMailbox() {
    auto contact = [this](const model::ModelFolderPtr& folder,
                          const model::ModelOutlook::Properties& properties,
                          const std::wstring& skypeName) {
        model::ModelContactItemPtr item = outlook_.AddContact(folder, properties);
        if (!skypeName.empty())
            item->AddUserProperty(L"Skype Name", host::Variant::Bstr(skypeName));
    };
    const model::ModelFolderPtr contacts = outlook_.contacts();
    contact(contacts,
            {{"FullName", L"Alice Wonder"},
             {"LastName", L"Wonder"},
             {"Email1Address", L"alice@tandrel.example"},
             {"MobileTelephoneNumber", L"+44 7700 900123"},
             {"BusinessTelephoneNumber", L"020 7946 0018"}},
            L"alice.wonder");
    contact(contacts,
            {{"FullName", L"Bob Builder"},
             {"LastName", L"Builder"},
             {"Email1Address", L"bob@tandrel.example"},
             {"HomeTelephoneNumber", L"(0161) 496-0000"}},
            L"");
    contact(contacts,
            {{"FullName", L"Carol Nguyen"},
             {"LastName", L"Nguyen"},
             {"BusinessTelephoneNumber", L"+1 555 0100"}},
            L"carol.nguyen");
    contact(contacts, {{"FullName", L"Dan Nobody"}, {"LastName", L"Nobody"}}, L"");
    outlook_.AddDistributionList(contacts, L"Project Team");
    friends_ = outlook_.AddFolder(contacts, L"Friends", outlook::item_type::kContact);
    contact(friends_,
            {{"FullName", L"Dave Li"}, {"LastName", L"Li"}, {"HomeTelephoneNumber", L"555 0199"}},
            L"dave.li");

    const model::ModelFolderPtr inbox = outlook_.inbox();
    model::ModelMailItem::Fields lunch;
    lunch.senderAddress = L"alice@tandrel.example";
    lunch.senderName = L"Alice Wonder";
    lunch.subject = L"Lunch on Friday?";
    lunch.body = L"Shall we meet at one?";
    outlook_.AddMail(inbox, lunch);
    model::ModelMailItem::Fields links;
    links.senderAddress = L"bob@tandrel.example";
    links.senderName = L"Bob Builder";
    links.subject = L"Call us";
    links.body = L"Reach the team at callto://echo123 or callto://john.smith1 today.";
    outlook_.AddMail(inbox, links);
    model::ModelMailItem::Fields offers;
    offers.senderAddress = L"news@shop.example";
    offers.senderName = L"The Shop";
    offers.subject = L"Offers of the week";
    offers.body = L"Nothing to call here.";
    outlook_.AddMail(inbox, offers);
    outlook_.AddMeetingRequest(inbox, L"Project review", L"carol@tandrel.example");
    outlook_.AddAppointment(outlook_.calendar(), L"Dentist");
}

CSkype* OutlookSide::Skype() const { return connect_ ? connect_->GetSkype().get() : nullptr; }

bool OutlookSide::NeedOutlook() {
    if (Running()) return true;
    world_.Out().Error("Outlook is not running (use \"outlook start\")");
    return false;
}

void OutlookSide::Start() {
    if (Running()) {
        world_.Out().Event("Outlook is already running");
        return;
    }
    world_.Out().Event("Outlook starts with its Inbox and loads Tandrel");
    explorer_ = outlook_.AddExplorer(outlook_.inbox());
    outlook_.SetActiveExplorer(explorer_);
    connect_.reset(new CConnect);
    entry_.reset(new addin::GuardedExtensibility(connect_));
    const host::HResult result =
        entry_->OnConnection(outlook_.applicationObject(), addin::connect_mode::kStartup, nullptr);
    world_.ShowUi();
    if (host::Failed(result)) {
        world_.Out().Error("Tandrel did not start");
        entry_.reset();
        connect_.reset();
        return;
    }
    world_.WatchClient(*connect_->GetSkype());
    Draw();
}

void OutlookSide::Quit() {
    if (!Running()) return;
    world_.Out().Event("Outlook closes and unloads Tandrel");
    if (inspector_) inspector_->Close();
    inspector_.reset();
    contextMenu_.reset();
    entry_->OnDisconnection(addin::disconnect_mode::kHostShutdown);
    if (explorer_) explorer_->Close();
    explorer_.reset();
    entry_.reset();
    connect_.reset();
}

bool OutlookSide::SwitchFolder(const std::string& path) {
    if (!NeedOutlook()) return false;
    const std::string wanted = Lower(path);
    model::ModelFolderPtr folder;
    if (wanted == "inbox") folder = outlook_.inbox();
    if (wanted == "contacts") folder = outlook_.contacts();
    if (wanted == "calendar") folder = outlook_.calendar();
    if (wanted == "friends" || wanted == "contacts/friends") folder = friends_;
    if (!folder) {
        world_.Out().Error("no folder \"" + path +
                           "\" (Inbox, Contacts, Contacts/Friends, Calendar)");
        return false;
    }
    world_.Out().Event("The user opens the folder " + Narrow(folder->name()));
    contextMenu_.reset();
    explorer_->SwitchFolder(folder);
    explorer_->SwitchView();  // Outlook shows the new folder in its own view
    world_.ShowUi();
    Draw();
    return true;
}

model::ModelItemPtr OutlookSide::FindItem(const std::string& name) const {
    const std::string wanted = Lower(name);
    for (const model::ModelItemPtr& item : explorer_->currentFolder()->items()) {
        if (Lower(ItemName(item)) == wanted) return item;
    }
    return model::ModelItemPtr();
}

bool OutlookSide::Select(const std::string& names) {
    if (!NeedOutlook()) return false;
    std::vector<model::ModelItemPtr> items;
    std::istringstream list(names);
    for (std::string name; std::getline(list, name, ',');) {
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        if (name.empty()) continue;
        const model::ModelItemPtr item = FindItem(name);
        if (!item) {
            world_.Out().Error("no item \"" + name + "\" in " +
                               Narrow(explorer_->currentFolder()->name()));
            return false;
        }
        items.push_back(item);
    }
    world_.Out().Event(items.empty() ? std::string("The user selects nothing")
                                     : "The user selects " + names);
    contextMenu_.reset();
    explorer_->Select(items);
    world_.ShowUi();
    Draw();
    return true;
}

bool OutlookSide::Open(const std::string& name) {
    if (!NeedOutlook()) return false;
    std::string rest = name;
    int editor = outlook::editor_type::kHtml;
    const std::string word = " in word";
    if (Lower(rest).size() > word.size() &&
        Lower(rest).compare(rest.size() - word.size(), word.size(), word) == 0) {
        editor = outlook::editor_type::kWord;
        rest.erase(rest.size() - word.size());
    }
    const model::ModelItemPtr item = FindItem(rest);
    if (!item) {
        world_.Out().Error("no item \"" + rest + "\" in " +
                           Narrow(explorer_->currentFolder()->name()));
        return false;
    }
    if (inspector_) inspector_->Close();
    world_.Out().Event("The user opens \"" + ItemName(item) + "\"" +
                       (editor == outlook::editor_type::kWord ? " (Word is the editor)" : ""));
    inspector_ = outlook_.OpenInspector(item, editor);
    world_.ShowUi();
    Draw();
    return true;
}

bool OutlookSide::Close(const std::string& what) {
    if (!NeedOutlook()) return false;
    if (Lower(what) == "menu") {
        if (explorer_) explorer_->commandBars()->CloseContextMenu();
        contextMenu_.reset();
        world_.Out().Event("The context menu closes");
        return true;
    }
    if (!inspector_) {
        world_.Out().Error("no item window is open");
        return false;
    }
    world_.Out().Event("The user closes the item window");
    inspector_->Close();
    inspector_.reset();
    Draw();
    return true;
}

bool OutlookSide::RightClick() {
    if (!NeedOutlook()) return false;
    world_.Out().Event("The user right-clicks the selection");
    contextMenu_ = explorer_->RightClick();
    world_.ShowUi();
    Draw();
    return true;
}

bool OutlookSide::Click(const std::string& caption) {
    if (!NeedOutlook()) return false;
    const std::string wanted = Lower(caption);
    model::ModelCommandBarButtonPtr button;
    bool fromMenu = false;
    if (contextMenu_) {
        button = FindButton(*contextMenu_->controls(), wanted);
        fromMenu = static_cast<bool>(button);
    }
    const model::ModelCommandBarsPtr bars = FrontBars();
    const model::ModelCommandBarPtr bar = bars ? bars->FindBar(L"tandrel") : nullptr;
    if (!button && bar) {
        const int position = ToolbarPosition(wanted);
        if (position > 0) {
            button = boost::dynamic_pointer_cast<model::ModelCommandBarButton>(
                bar->controls()->controls().at(position - 1));
        } else {
            button = FindButton(*bar->controls(), wanted);
        }
    }
    if (!button) {
        world_.Out().Error("no control \"" + caption + "\" in the toolbar or the context menu");
        return false;
    }
    world_.Out().Event("The user clicks \"" + caption + "\"" +
                       (fromMenu ? " in the context menu" : ""));
    button->Click();
    world_.ShowUi();
    if (fromMenu) {
        // Office closes the menu once an item is chosen.
        contextMenu_.reset();
        explorer_->commandBars()->CloseContextMenu();
    }
    return true;
}

bool OutlookSide::Type(const std::string& comboAndText) {
    if (!NeedOutlook()) return false;
    const std::size_t blank = comboAndText.find(' ');
    const std::string which = Lower(comboAndText.substr(0, blank));
    const std::string text = blank == std::string::npos ? "" : comboAndText.substr(blank + 1);
    const int position = which == "skype" ? 1 : which == "skypeout" ? 4 : 0;
    const model::ModelCommandBarsPtr bars = FrontBars();
    const model::ModelCommandBarPtr bar = bars ? bars->FindBar(L"tandrel") : nullptr;
    if (position == 0 || !bar) {
        world_.Out().Error("type takes skype or skypeout and a text, with a toolbar in front");
        return false;
    }
    world_.Out().Event("The user types \"" + text + "\" into the " + which + " box");
    boost::dynamic_pointer_cast<model::ModelCommandBarComboBox>(
        bar->controls()->controls().at(position - 1))
        ->TypeText(WideAscii(text));
    return true;
}

bool OutlookSide::Edit(const std::string& propertyAndText) {
    if (!NeedOutlook()) return false;
    if (!inspector_ || !inspector_->currentItem()) {
        world_.Out().Error("edit needs an open item");
        return false;
    }
    const std::size_t blank = propertyAndText.find(' ');
    const std::string property = propertyAndText.substr(0, blank);
    const std::string text = blank == std::string::npos ? "" : propertyAndText.substr(blank + 1);
    if (!inspector_->currentItem()->HasProperty(property)) {
        world_.Out().Error("the item has no field \"" + property + "\"");
        return false;
    }
    world_.Out().Event("The user changes " + property + " to \"" + text + "\"");
    inspector_->currentItem()->Change(property, host::Variant::Bstr(WideAscii(text)));
    world_.ShowUi();
    Draw();
    return true;
}

model::ModelCommandBarsPtr OutlookSide::FrontBars() const {
    if (inspector_) return inspector_->commandBars();
    return explorer_ ? explorer_->commandBars() : model::ModelCommandBarsPtr();
}

void OutlookSide::Draw() {
    if (!Running()) return;
    const model::ModelCommandBarsPtr bars = FrontBars();
    const model::ModelCommandBarPtr bar = bars ? bars->FindBar(L"tandrel") : nullptr;
    const std::string window = inspector_ ? "item window" : "folder window";
    std::istringstream lines(bar ? model::DescribeBar(*bar) : "(no Tandrel toolbar)");
    world_.Out().Detail("[" + window + "]");
    for (std::string line; std::getline(lines, line);) {
        if (world_.Brief() && line.compare(0, 2, "  ") == 0) continue;  // the Help menu's items
        world_.Out().Detail("  " + (world_.Brief() ? Glance(line) : line));
    }
    if (contextMenu_ && !inspector_) {
        world_.Out().Detail("[context menu]");
        std::istringstream menu(model::DescribeControls(*contextMenu_->controls()));
        for (std::string line; std::getline(menu, line);)
            world_.Out().Detail("  " + (world_.Brief() ? Glance(line) : line));
    }
}

void OutlookSide::PrintMailbox() {
    auto folder = [this](const model::ModelFolderPtr& each, const std::string& indent) {
        world_.Out().Detail(indent + Narrow(each->name()) + ":");
        for (const model::ModelItemPtr& item : each->items())
            world_.Out().Detail(indent + "  " + ItemName(item));
    };
    folder(outlook_.inbox(), "");
    folder(outlook_.contacts(), "");
    folder(friends_, "  ");
    folder(outlook_.calendar(), "");
}

}  // namespace sim
