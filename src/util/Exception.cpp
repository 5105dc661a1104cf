#include "util/Exception.h"

#include <climits>

namespace norv {

std::string ExpandMessageTemplate(const std::string& messageTemplate,
                                  const std::vector<std::string>& arguments,
                                  const std::locale& locale) {
    const std::ctype<char>& ctype = std::use_facet<std::ctype<char>>(locale);
    std::string result;
    std::size_t copyFrom = 0;
    std::size_t percent = messageTemplate.find('%');
    while (percent != std::string::npos) {
        std::size_t i = percent + 1;
        // Saturates instead of overflowing: a huge number is simply too large.
        std::size_t number = 0;
        while (i < messageTemplate.size() && ctype.is(std::ctype_base::digit, messageTemplate[i]) &&
               messageTemplate[i] >= '0' && messageTemplate[i] <= '9') {
            if (number <= (SIZE_MAX - 9) / 10) {
                number = number * 10 + static_cast<std::size_t>(messageTemplate[i] - '0');
            } else {
                number = SIZE_MAX;
            }
            ++i;
        }
        if (i < messageTemplate.size() && messageTemplate[i] == '!') {
            result.append(messageTemplate, copyFrom, percent - copyFrom);
            if (number >= 1 && number <= arguments.size()) {
                result += arguments[number - 1];
            }
            copyFrom = i + 1;
        }
        percent = messageTemplate.find('%', percent + 1);
    }
    result.append(messageTemplate, copyFrom, std::string::npos);
    return result;
}

}  // namespace norv
