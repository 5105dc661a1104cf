#include "outlook/FilterText.h"

namespace outlook {

std::string QuoteFilterValue(const std::string& value) {
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

std::string PropertyEquals(const std::string& property, const std::string& value) {
    return "[" + property + "] = " + QuoteFilterValue(value);
}

}  // namespace outlook
