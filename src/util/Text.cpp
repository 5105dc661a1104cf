#include "util/Text.h"

#include "platform/Platform.h"
#include "util/RegistryKey.h"

namespace text {

std::string ToAnsi(const std::wstring& wide) { return platform::text().ToAnsi(wide); }

std::wstring FromAnsi(const std::string& ansi) { return platform::text().FromAnsi(ansi); }

std::string ToLowerAnsi(const std::string& ansi) { return platform::text().ToLowerAnsi(ansi); }

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
