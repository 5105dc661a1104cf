#include "skype/CallNotifications.h"

#include "util/Text.h"

namespace skype_calls {

namespace {

constexpr char kCallPrefix[] = "CALL ";
constexpr std::size_t kLongestId = 18;

bool IsPropertyCharacter(char c) { return (c >= 'A' && c <= 'Z') || c == '_'; }

}  // namespace

bool Read(const std::string& reply, CallNotification* notification) {
    const std::size_t prefix = sizeof kCallPrefix - 1;
    if (reply.compare(0, prefix, kCallPrefix) != 0) {
        return false;
    }
    std::size_t at = prefix;
    const std::size_t idStart = at;
    while (at < reply.size() && text::IsDigit(reply[at])) {
        ++at;
    }
    const std::size_t idLength = at - idStart;
    if (idLength == 0 || idLength > kLongestId || at >= reply.size() || reply[at] != ' ') {
        return false;
    }
    const std::size_t propertyStart = ++at;
    while (at < reply.size() && IsPropertyCharacter(reply[at])) {
        ++at;
    }
    if (at == propertyStart || (at < reply.size() && reply[at] != ' ')) {
        return false;
    }
    notification->id = reply.substr(idStart, idLength);
    notification->property = reply.substr(propertyStart, at - propertyStart);
    notification->value = at < reply.size() ? reply.substr(at + 1, kLongestValue) : std::string();
    return true;
}

std::string GetProperty(const std::string& id, const char* property) {
    return "GET CALL " + id + " " + property;
}

bool IsFinal(const std::string& status) {
    for (const char* final : {"FINISHED", "MISSED", "REFUSED", "CANCELLED", "FAILED", "BUSY"}) {
        if (status == final) {
            return true;
        }
    }
    return false;
}

}  // namespace skype_calls
