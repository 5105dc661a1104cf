// The Skype entries a window's item offers in a right-click menu, for the
// command bars' "Context Menu" and the ribbon's item context menus alike:
// worked out from the selection alone (no Skype, no Office), as data the
// surfaces write out.
//
//   one contact   call and chat for its Skype name, then one SkypeOut entry
//                 per telephone entry, in the contact's order; the first
//                 entry begins a group
//   one mail      call and chat replies to a sender with a Skype name;
//                 when the menu opens, a conference call and an IM
//                 conference with the mail's participants, when there are
//                 two or more and every one has a Skype name
//   contacts      a conference call and an IM conference with the Skype
//                 names of the selected contacts that have one, when two or
//                 more have one
//
// Every entry is enabled exactly while Skype is ONLINE, except those that
// never are (the IM conferences: Skype's desktop API opens a chat with
// several people, but the conference items have always been call-only).
#pragma once

#include <string>
#include <vector>

#include "offer/Actions.h"
#include "outlook/Contact.h"
#include "outlook/Mail.h"

namespace offer {

// What is selected, as far as the entries go.
enum class Selection {
    kNothing,   // nothing usable (or several mails, a list, no folder...)
    kContact,   // one contact
    kMail,      // one mail
    kContacts,  // several contacts
};

// Office's built-in face numbers of the entries; kNoFace for none.
constexpr int kNoFace = -1;
constexpr int kCallFace = 610;
constexpr int kChatFace = 162;
constexpr int kReplyFace = 132;

struct MenuItem {
    Action action;
    std::wstring label;
    int face = kNoFace;
    bool beginGroup = false;
    std::wstring target;
    // False for an entry shown but never enabled.
    bool followsStatus = true;

    bool Enabled(bool mayPlaceCalls) const { return followsStatus && mayPlaceCalls; }

    friend bool operator==(const MenuItem& a, const MenuItem& b) {
        return a.action == b.action && a.label == b.label && a.face == b.face &&
               a.beginGroup == b.beginGroup && a.target == b.target &&
               a.followsStatus == b.followsStatus;
    }
};

struct Menu {
    Selection selection = Selection::kNothing;
    std::vector<MenuItem> items;
    // A mail whose conference entries join `items` when the menu opens
    // (Open), not when it is selected: finding its participants costs a
    // contact search each, and selections come far more often than
    // right-clicks. Empty once opened, and for every other selection.
    CMailPtr unopenedMail;

    friend bool operator==(const Menu& a, const Menu& b) {
        return a.selection == b.selection && a.items == b.items && a.unopenedMail == b.unopenedMail;
    }
    friend bool operator!=(const Menu& a, const Menu& b) { return !(a == b); }
};

Menu ContactMenu(const CContact& contact);
// The reply entries now; the conference entries when the menu opens.
Menu MailMenu(const CMailPtr& mail);
Menu ContactsMenu(const std::vector<CContactPtr>& contacts);
// The menu as it opens: a mail's conference entries added after its
// replies (the mail keeps its participants, so they are searched for once
// however often it opens). Does nothing to any other menu.
void Open(Menu& menu);

}  // namespace offer
