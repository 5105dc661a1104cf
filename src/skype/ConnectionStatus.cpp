#include "skype/ConnectionStatus.h"

ConnectionStatus ConnectionStatusFromWord(const std::string& word) {
    if (word == "CONNECTING") return kConnectionConnecting;
    if (word == "PAUSING") return kConnectionPausing;
    if (word == "ONLINE") return kConnectionOnline;
    if (word == "OFFLINE" || word == "LOGGEDOUT") return kConnectionOffline;
    return kConnectionUnknown;
}
