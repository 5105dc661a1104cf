#include "win32/Win32Text.h"

#include <windows.h>

#include <climits>
#include <vector>

namespace win32 {

std::string Win32Text::ToAnsi(const std::wstring& wide) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return std::string();
    }
    const int length = static_cast<int>(wide.size());
    // No best-fit mapping: what the code page cannot hold becomes '?', never
    // a look-alike letter.
    int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0,
                                     nullptr, nullptr);
    if (needed <= 0) {
        return std::string();
    }
    std::string ansi(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, &ansi[0], needed,
                        nullptr, nullptr);
    return ansi;
}

std::wstring Win32Text::FromAnsi(const std::string& ansi) {
    if (ansi.empty() || ansi.size() > INT_MAX) {
        return std::wstring();
    }
    const int length = static_cast<int>(ansi.size());
    int needed = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    if (needed <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, &wide[0], needed);
    return wide;
}

std::string Win32Text::ToLowerAnsi(const std::string& ansi) {
    std::string lower = ansi;
    if (!lower.empty() && lower.size() <= MAXDWORD) {
        CharLowerBuffA(&lower[0], static_cast<DWORD>(lower.size()));
    }
    return lower;
}

int Win32Text::CompareLocale(const std::wstring& a, const std::wstring& b) {
    if (a.size() > INT_MAX || b.size() > INT_MAX) {
        return a.compare(b);
    }
    int result = CompareStringW(LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()),
                                b.data(), static_cast<int>(b.size()));
    switch (result) {
        case CSTR_LESS_THAN:
            return -1;
        case CSTR_EQUAL:
            return 0;
        case CSTR_GREATER_THAN:
            return 1;
        default:
            return a.compare(b);  // the call failed: fall back to code-unit order
    }
}

}  // namespace win32
