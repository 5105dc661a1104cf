// Reading what Skype sends. A reply arrives as a WM_COPYDATA block of
// untrusted bytes; it is classified by the first of seven marker texts it
// contains anywhere (case-sensitive), in a fixed order, and each kind takes
// its value from a fixed character position. A reply shorter than that
// position has an empty value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace skype_reply {

// The text of a block: its bytes up to the first NUL, or all `size` bytes
// when it holds none. Never reads past `size`; null data gives "".
std::string FromBlock(const void* data, std::uint32_t size);

enum class Kind {
    ConnStatus,         // "CONNSTATUS": value = the status word (from position 11)
    CurrentUserHandle,  // "CURRENTUSERHANDLE": value = the handle (from position 18)
    Pong,               // "PONG"
    Protocol,           // "PROTOCOL": number = the version (digits at position 9)
    Error,              // "ERROR": number = the code, value = the text from the blank on
    Users,              // "USERS " without "GROUP": value = the list (from position 6)
    Other,              // anything else: for the API-result observers
};

struct Reply {
    Kind kind = Kind::Other;
    std::string value;
    long number = 0;
};

Reply Classify(const std::string& reply);

// The text from `position` to the end; empty when the text is shorter.
std::string TextFrom(const std::string& text, std::size_t position);

// The decimal digits at the start of `text` as a number, 0 when there are
// none; saturates at LONG_MAX instead of overflowing.
long LeadingDigits(const std::string& text);

// A "USER <handle> <property> <value>" notification, read as the buddy
// records read it: in any reply that contains "USER " (with its blank)
// anywhere, from position 5 on, whatever stands before it. The value runs
// to the end of the reply and may hold blanks.
struct UserNotification {
    std::string handle;
    std::string property;
    std::string value;
    bool hasValue = false;  // false: no blank after the property name
};

// False when the reply has no "USER " or no blank after the handle: it is
// about nobody.
bool ReadUserNotification(const std::string& reply, UserNotification* notification);

// The handles of a "USERS" list, in order: each runs up to the next ", "
// (comma and blank). Empty handles (as in "a, , b") are left out.
std::vector<std::string> SplitUserList(const std::string& list);

}  // namespace skype_reply
