#include "skype/SkypeReply.h"

#include <climits>
#include <cstring>

namespace skype_reply {

namespace {

bool Contains(const std::string& text, const char* marker) {
    return text.find(marker) != std::string::npos;
}

// Where each kind's value starts: just after its marker and one blank,
// counted from the start of the reply whatever the marker's position.
constexpr std::size_t kConnStatusValue = 11;
constexpr std::size_t kCurrentUserValue = 18;
constexpr std::size_t kProtocolValue = 9;
constexpr std::size_t kErrorValue = 6;
constexpr std::size_t kUsersValue = 6;
constexpr char kUserMarker[] = "USER ";
constexpr std::size_t kUserHandle = sizeof(kUserMarker) - 1;

}  // namespace

std::string FromBlock(const void* data, std::uint32_t size) {
    if (data == nullptr || size == 0) {
        return std::string();
    }
    const char* bytes = static_cast<const char*>(data);
    const void* nul = std::memchr(bytes, 0, size);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes) : size;
    return std::string(bytes, length);
}

std::string TextFrom(const std::string& text, std::size_t position) {
    return position < text.size() ? text.substr(position) : std::string();
}

long LeadingDigits(const std::string& text) {
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        const int digit = c - '0';
        if (value > (LONG_MAX - digit) / 10) {
            return LONG_MAX;
        }
        value = value * 10 + digit;
    }
    return value;
}

Reply Classify(const std::string& text) {
    Reply reply;
    if (Contains(text, "CONNSTATUS")) {
        reply.kind = Kind::ConnStatus;
        reply.value = TextFrom(text, kConnStatusValue);
    } else if (Contains(text, "CURRENTUSERHANDLE")) {
        reply.kind = Kind::CurrentUserHandle;
        reply.value = TextFrom(text, kCurrentUserValue);
    } else if (Contains(text, "PONG")) {
        reply.kind = Kind::Pong;
    } else if (Contains(text, "PROTOCOL")) {
        reply.kind = Kind::Protocol;
        reply.number = LeadingDigits(TextFrom(text, kProtocolValue));
    } else if (Contains(text, "ERROR")) {
        // "ERROR 68 Access denied": the code stands before the first blank
        // of the rest; the text keeps that blank.
        reply.kind = Kind::Error;
        const std::string rest = TextFrom(text, kErrorValue);
        const std::size_t blank = rest.find(' ');
        reply.number = LeadingDigits(rest.substr(0, blank));
        reply.value = blank == std::string::npos ? std::string() : rest.substr(blank);
    } else if (Contains(text, "USERS ") && !Contains(text, "GROUP")) {
        reply.kind = Kind::Users;
        reply.value = TextFrom(text, kUsersValue);
    } else {
        reply.kind = Kind::Other;
    }
    return reply;
}

bool ReadUserNotification(const std::string& reply, UserNotification* notification) {
    if (!Contains(reply, kUserMarker)) {
        return false;
    }
    const std::size_t handleEnd = reply.find(' ', kUserHandle);
    if (handleEnd == std::string::npos) {
        return false;
    }
    notification->handle.assign(reply, kUserHandle, handleEnd - kUserHandle);
    const std::size_t propertyEnd = reply.find(' ', handleEnd + 1);
    notification->hasValue = propertyEnd != std::string::npos;
    if (!notification->hasValue) {
        notification->property.assign(reply, handleEnd + 1, std::string::npos);
        notification->value.clear();
        return true;
    }
    notification->property.assign(reply, handleEnd + 1, propertyEnd - handleEnd - 1);
    notification->value.assign(reply, propertyEnd + 1, std::string::npos);
    return true;
}

std::vector<std::string> SplitUserList(const std::string& list) {
    static const char kSeparator[] = ", ";
    std::vector<std::string> handles;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t separator = list.find(kSeparator, start);
        const std::size_t end = separator == std::string::npos ? list.size() : separator;
        // Deliberately skips empty handles ("a, , b"): a record with an empty
        // one would be asked for with "GET USER  FULLNAME" and would match
        // every contact that has no Skype name.
        if (end > start) {
            handles.push_back(list.substr(start, end - start));
        }
        if (separator == std::string::npos) {
            break;
        }
        start = separator + 2;
    }
    return handles;
}

}  // namespace skype_reply
