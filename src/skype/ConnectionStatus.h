// The Skype connection status as the add-in keeps it and its observers
// receive it: a signed number. Skype reports it as a word in "CONNSTATUS"
// replies; only ONLINE allows calls and chats. The value 0 is never used.
#pragma once

#include <string>

enum ConnectionStatus : int {
    kConnectionUnknown = -1,    // initial value, and any word Skype sends that is not below
    kConnectionConnecting = 1,  // "CONNECTING"
    kConnectionPausing = 2,     // "PAUSING"
    kConnectionOnline = 3,      // "ONLINE"
    kConnectionOffline = 4,     // "OFFLINE" or "LOGGEDOUT"
};

// The status a "CONNSTATUS" word stands for: an exact, whole-word match,
// so "ONLINE " (with a trailing blank) is unknown.
ConnectionStatus ConnectionStatusFromWord(const std::string& word);
