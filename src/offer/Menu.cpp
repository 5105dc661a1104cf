#include "offer/Menu.h"

#include "resources/StringIds.h"
#include "util/Text.h"

namespace offer {

namespace {

// Appended; the menu's first entry begins the group.
void Add(Menu& menu, Action action, unsigned label, int face, const std::wstring& target) {
    MenuItem item;
    item.action = action;
    item.label = text::LoadWideString(label);
    item.face = face;
    item.beginGroup = menu.items.empty();
    item.target = target;
    menu.items.push_back(item);
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

Menu MailMenu(const CMail& mail) {
    Menu menu;
    menu.selection = Selection::kMail;
    const CContactPtr& sender = mail.GetSender();
    if (sender && !sender->GetSkypeName().empty()) {
        Add(menu, Action::kCall, ids::kMenuReplyCall, kReplyFace, sender->GetSkypeName());
        Add(menu, Action::kChat, ids::kMenuReplyMessage, kReplyFace, sender->GetSkypeName());
    }
    return menu;
}

Menu ContactsMenu(const std::vector<CContactPtr>& contacts) {
    Menu menu;
    menu.selection = Selection::kContacts;
    std::wstring names;
    int count = 0;
    for (const CContactPtr& contact : contacts) {
        if (!contact || contact->GetSkypeName().empty()) continue;
        names += (count++ == 0 ? L"" : L", ") + contact->GetSkypeName();
    }
    // One name is a call, which the toolbar offers; a conference needs two.
    if (count >= 2) {
        Add(menu, Action::kCall, ids::kMenuConference, kCallFace, names);
    }
    return menu;
}

}  // namespace offer
