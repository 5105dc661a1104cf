#include "offer/Menu.h"

#include "resources/StringIds.h"
#include "util/Text.h"

namespace offer {

namespace {

// Appended; the menu's first entry begins the group.
void Add(Menu& menu, Action action, unsigned label, int face, const std::wstring& target,
         bool followsStatus = true) {
    MenuItem item;
    item.action = action;
    item.label = text::LoadWideString(label);
    item.face = face;
    item.beginGroup = menu.items.empty();
    item.target = target;
    item.followsStatus = followsStatus;
    menu.items.push_back(item);
}

// One name is a call, which the other entries offer; a conference needs two.
void AddConference(Menu& menu, const std::vector<std::wstring>& skypeNames) {
    if (skypeNames.size() < 2) {
        return;
    }
    std::wstring names;
    for (const std::wstring& name : skypeNames) {
        names += (names.empty() ? L"" : L", ") + name;
    }
    Add(menu, Action::kCall, ids::kMenuConference, kCallFace, names);
    Add(menu, Action::kChat, ids::kMenuImConference, kChatFace, names, false);
}

}  // namespace

Menu ContactMenu(const CContact& contact) {
    Menu menu;
    menu.selection = Selection::kContact;
    const std::wstring& skypeName = contact.GetSkypeName();
    if (!skypeName.empty()) {
        Add(menu, Action::kCall, ids::kMenuCallContact, kCallFace, skypeName);
        Add(menu, Action::kChat, ids::kMenuMessageContact, kChatFace, skypeName);
    }
    for (const CContact::Telephone& telephone : contact.GetTelephones()) {
        MenuItem item;
        item.action = Action::kSkypeOut;
        item.label = telephone.first + telephone.second;
        item.beginGroup = menu.items.empty();
        item.target = telephone.second;
        menu.items.push_back(item);
    }
    return menu;
}

Menu MailMenu(const CMailPtr& mail) {
    Menu menu;
    menu.selection = Selection::kMail;
    if (!mail) {
        return menu;
    }
    const CContactPtr& sender = mail->GetSender();
    if (sender && !sender->GetSkypeName().empty()) {
        Add(menu, Action::kCall, ids::kMenuReplyCall, kReplyFace, sender->GetSkypeName());
        Add(menu, Action::kChat, ids::kMenuReplyMessage, kReplyFace, sender->GetSkypeName());
    }
    menu.unopenedMail = mail;
    return menu;
}

Menu ContactsMenu(const std::vector<CContactPtr>& contacts) {
    Menu menu;
    menu.selection = Selection::kContacts;
    std::vector<std::wstring> names;
    for (const CContactPtr& contact : contacts) {
        if (contact && !contact->GetSkypeName().empty()) names.push_back(contact->GetSkypeName());
    }
    AddConference(menu, names);
    return menu;
}

void Open(Menu& menu) {
    if (!menu.unopenedMail) {
        return;
    }
    const CMailPtr mail = menu.unopenedMail;
    const std::vector<std::wstring>& names = mail->GetParticipantSkypeNames();
    // A search may let Outlook's events in: only a menu still waiting for
    // this mail takes its entries.
    if (menu.unopenedMail != mail) {
        return;
    }
    menu.unopenedMail.reset();
    AddConference(menu, names);
}

}  // namespace offer
