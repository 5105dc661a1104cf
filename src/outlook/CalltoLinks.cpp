#include "outlook/CalltoLinks.h"

#include <cstring>

#include "util/Text.h"

namespace outlook {

namespace {

bool IsNameCharacter(char c) {
    return text::IsLetterOrDigit(c) || c == '.' || c == '-' || c == '_';
}

}  // namespace

std::vector<std::string> FindCalltoNames(const std::string& text) {
    static const std::size_t kPrefixLength = std::strlen(kCalltoPrefix);
    std::vector<std::string> names;
    std::size_t found = text.find(kCalltoPrefix);
    while (found != std::string::npos) {
        std::size_t i = found + kPrefixLength;
        if (i < text.size() && text::IsDigit(text[i])) {
            break;
        }
        std::size_t end = i;
        while (end < text.size() && IsNameCharacter(text[end])) {
            ++end;
        }
        if (end > i) {
            names.push_back(text.substr(i, end - i));
        }
        found = text.find(kCalltoPrefix, i);
    }
    return names;
}

}  // namespace outlook
