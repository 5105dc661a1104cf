#include "util/Text.h"

#include <cstdint>

#include "platform/Platform.h"
#include "util/RegistryKey.h"

namespace text {

std::string ToAnsi(const std::wstring& wide) { return platform::text().ToAnsi(wide); }

std::wstring FromAnsi(const std::string& ansi) { return platform::text().FromAnsi(ansi); }

std::string ToLowerAnsi(const std::string& ansi) { return platform::text().ToLowerAnsi(ansi); }

namespace {

// UTF-16 already where a wide character has two bytes; whole characters
// (UTF-32) otherwise.
template <class Char>
std::size_t Utf16LengthOf(const std::basic_string<Char>& wide) {
    if constexpr (sizeof(Char) == 2) {
        return wide.size();
    } else {
        std::size_t units = wide.size();
        for (Char c : wide) {
            if (static_cast<std::uint32_t>(c) > 0xFFFF) {
                ++units;  // a surrogate pair in UTF-16
            }
        }
        return units;
    }
}

void AppendUtf8(std::uint32_t code, std::string* out) {
    if (code < 0x80) {
        *out += static_cast<char>(code);
    } else if (code < 0x800) {
        *out += static_cast<char>(0xC0 | (code >> 6));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out += static_cast<char>(0xE0 | (code >> 12));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out += static_cast<char>(0xF0 | (code >> 18));
        *out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsHighSurrogate(std::uint32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::string ToUtf8(const std::wstring& wide) {
    constexpr std::uint32_t kReplacement = 0xFFFD;
    std::string utf8;
    utf8.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        std::uint32_t code = static_cast<std::uint32_t>(wide[i]);
        if (IsHighSurrogate(code) && i + 1 < wide.size() &&
            IsLowSurrogate(static_cast<std::uint32_t>(wide[i + 1]))) {
            code = 0x10000 + ((code - 0xD800) << 10) +
                   (static_cast<std::uint32_t>(wide[++i]) - 0xDC00);
        } else if (IsHighSurrogate(code) || IsLowSurrogate(code) || code > 0x10FFFF) {
            code = kReplacement;
        }
        AppendUtf8(code, &utf8);
    }
    return utf8;
}

std::size_t Utf16Length(const std::wstring& wide) { return Utf16LengthOf(wide); }

std::wstring LoadWideString(unsigned id) {
    std::wstring wide;
    if (!platform::resources().LoadText(id, &wide)) {
        return std::wstring();
    }
    return wide;
}

std::string LoadAnsiString(unsigned id) { return ToAnsi(LoadWideString(id)); }

int LeadingNumber(const std::string& text) { return settings::ToNumber(text); }

}  // namespace text
