// The customUI XML the add-in answers GetCustomUI with: for the folder
// windows a "Tandrel" group on the Home tab of mail and of contact folders
// and the selection's entries in the item context menus, for a contact's
// window and a received mail's a "Tandrel" group on their first tab.
//
// A group holds what the toolbar holds, in the ribbon's idiom: the Skype
// box (a comboBox: the buddies, the item's entry shown, typed text taken),
// call and chat, the SkypeOut box with its button, buying credit, and a
// Help menu. Context menus take no combo boxes; each gets a separator and
// a fixed row of entries whose callbacks show as many as the selection
// has. Static texts (string table, captions, tooltips) are written in; what
// depends on the window is asked through the callbacks (Callbacks.h).
#pragma once

#include <string>

namespace ribbon {

// Empty for a ribbon the add-in does not extend.
std::wstring CustomUi(const std::wstring& ribbonId);

}  // namespace ribbon
