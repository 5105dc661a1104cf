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

}  // namespace

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
