// The expansion of the add-in's message templates: the first line of the
// input is the template, each further line an argument. A text without "%"
// stays as it is, and a template made of plain text and "%n!" placeholders
// expands to the text with argument n in each placeholder's place (nothing
// for a number without an argument).
#include <cstdint>
#include <locale>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "util/Exception.h"

namespace {

// The expansion of a template whose every "%" starts a "%n!" with n of at
// most four digits; false for other templates, which are only run.
bool Plainly(const std::string& messageTemplate, const std::vector<std::string>& arguments,
             std::string* expanded) {
    expanded->clear();
    for (std::size_t i = 0; i < messageTemplate.size(); ++i) {
        if (messageTemplate[i] != '%') {
            *expanded += messageTemplate[i];
            continue;
        }
        std::size_t end = i + 1;
        std::size_t n = 0;
        while (end < messageTemplate.size() && end - i <= 4 && messageTemplate[end] >= '0' &&
               messageTemplate[end] <= '9') {
            n = n * 10 + static_cast<std::size_t>(messageTemplate[end++] - '0');
        }
        if (end == i + 1 || end >= messageTemplate.size() || messageTemplate[end] != '!') {
            return false;
        }
        if (n >= 1 && n <= arguments.size()) *expanded += arguments[n - 1];
        i = end;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines =
        fuzz::Lines(std::string(reinterpret_cast<const char*>(data), size));
    const std::string messageTemplate = lines.front();
    const std::vector<std::string> arguments(lines.begin() + 1, lines.end());
    const std::string result =
        norv::ExpandMessageTemplate(messageTemplate, arguments, std::locale::classic());
    if (messageTemplate.find('%') == std::string::npos) {
        fuzz::Require(result == messageTemplate, "a text without placeholders changed");
    }
    std::string expected;
    if (Plainly(messageTemplate, arguments, &expected)) {
        fuzz::Require(result == expected, "placeholders expanded to other text");
    }
    return 0;
}
