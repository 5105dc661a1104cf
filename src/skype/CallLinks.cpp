#include "skype/CallLinks.h"

#include <vector>

#include "util/Text.h"

namespace call_links {

namespace {

bool Unreserved(char c) {
    return text::IsLetterOrDigit(c) || c == '.' || c == '_' || c == '-' || c == '+' || c == ',';
}

std::wstring Trimmed(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return std::wstring();
    }
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

const char* Query(Action action) { return action == Action::Call ? "?call" : "?chat"; }

}  // namespace

std::string PercentEncode(const std::wstring& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (char c : text::ToUtf8(text)) {
        if (Unreserved(c)) {
            encoded += c;
            continue;
        }
        const unsigned char byte = static_cast<unsigned char>(c);
        encoded += '%';
        encoded += kHex[byte >> 4];
        encoded += kHex[byte & 0x0F];
    }
    return encoded;
}

std::string ForSkypeNames(const std::wstring& targets, Action action) {
    std::string names;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = targets.find(L',', start);
        const std::wstring name = Trimmed(targets.substr(start, comma - start));
        if (!name.empty()) {
            names += (names.empty() ? "" : ";") + PercentEncode(name);
        }
        if (comma == std::wstring::npos) {
            break;
        }
        start = comma + 1;
    }
    if (names.empty()) {
        return std::string();
    }
    return std::string(kSkypeScheme) + ":" + names + Query(action);
}

std::string ForSkypeNumber(const std::wstring& number) {
    if (number.empty()) {
        return std::string();
    }
    return std::string(kSkypeScheme) + ":" + PercentEncode(number) + Query(Action::Call);
}

std::string ForTelNumber(const std::wstring& number) {
    if (number.empty()) {
        return std::string();
    }
    return std::string(kTelScheme) + ":" + PercentEncode(number);
}

}  // namespace call_links
