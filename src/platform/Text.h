// Text port: the ANSI code page and the user's locale. Narrow text is in the
// ANSI code page (Windows-1252 in the model); wide text is UTF-16 on Windows.
#pragma once

#include <string>

namespace platform {

class Text {
  public:
    virtual ~Text() = default;

    // WideCharToMultiByte(CP_ACP) without best-fit mapping: characters the
    // code page cannot hold become '?'.
    virtual std::string ToAnsi(const std::wstring& wide) = 0;
    // MultiByteToWideChar(CP_ACP).
    virtual std::wstring FromAnsi(const std::string& ansi) = 0;
    // CharLowerBuffA: lower case through the ANSI code page.
    virtual std::string ToLowerAnsi(const std::string& ansi) = 0;
    // CompareStringW(LOCALE_USER_DEFAULT, 0, ...): the user's linguistic
    // order, case-sensitive. Negative, zero or positive like strcmp.
    virtual int CompareLocale(const std::wstring& a, const std::wstring& b) = 0;
};

}  // namespace platform
