#include "outlook/EmailFilter.h"

namespace outlook {

namespace {

std::string QuoteValue(const std::string& value) {
    std::string quoted = "'";
    for (char c : value) {
        quoted += c;
        if (c == '\'') {
            quoted += '\'';
        }
    }
    quoted += '\'';
    return quoted;
}

}  // namespace

std::string BuildEmailAddressFilter(const std::string& address) {
    const std::string value = QuoteValue(address);
    return "[Email1Address] = " + value + " Or [Email2Address] = " + value +
           " Or [Email3Address] = " + value;
}

}  // namespace outlook
