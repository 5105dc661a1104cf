// Where the add-in's ribbon controls sit and how their ids name them. Each
// place is a built-in tab that gets a "Tandrel" group, or a built-in item
// context menu that gets the selection's entries; a control's id is its
// place and part ("TandrelContacts.Call", "TandrelContactItem.Entry3"), so
// a callback knows from the id alone what it is asked about, and ids stay
// unique across the whole customUI.
#pragma once

#include <string>

#include "offer/Menu.h"
#include "offer/WindowOffer.h"

namespace ribbon {

enum class Place {
    kMailTab,         // Explorer: the Home tab of mail folders (TabMail)
    kContactsTab,     // Explorer: the Home tab of contact folders (TabContacts)
    kContactTab,      // a contact's window: its Contact tab (TabContact)
    kReadMessageTab,  // a received mail's window: its Message tab (TabReadMessage)
    kContactMenu,     // Explorer: one contact right-clicked (ContextMenuContactItem)
    kMailMenu,        // Explorer: one mail right-clicked (ContextMenuMailItem)
    kItemsMenu,       // Explorer: several items right-clicked (ContextMenuMultipleItems)
};
constexpr int kPlaceCount = 7;

enum class Part {
    kSkypeBox,
    kCall,
    kChat,
    kSkypeOutBox,
    kSkypeOut,
    kBuyCredit,
    kHelpMenu,
    kHelp,
    kOptions,
    kCheckForUpdate,
    kContactUs,
    kAbout,
    kSeparator,  // numbered
    kEntry,      // a context menu's entry, numbered from 1
};

// A context menu holds this many entries: call and chat, then the eleven
// telephone numbers a contact item has.
constexpr int kMenuEntries = 13;

struct ControlId {
    Place place = Place::kMailTab;
    Part part = Part::kSkypeBox;
    int number = 0;  // of a separator or an entry; 0 for the others
};

// "TandrelMail.SkypeBox", "TandrelContactItem.Entry3".
std::wstring IdOf(const ControlId& control);
// The control an id of ours names; false for any other text.
bool ParseId(const std::wstring& id, ControlId* control);

// The place's own name: the id of its group, the start of its controls'.
const wchar_t* NameOf(Place place);
// The built-in tab or context menu a place extends.
const wchar_t* IdMsoOf(Place place);
bool IsContextMenu(Place place);
// The window whose offer a place shows.
offer::WindowKind WindowOf(Place place);
// The selection whose entries a context menu shows.
offer::Selection SelectionOf(Place place);
// The action a group's part runs, false for a part that runs none.
bool ActionOf(Part part, offer::Action* action);

}  // namespace ribbon
