// The text port over the system's ANSI code page and the user's locale.
#pragma once

#include "platform/Text.h"

namespace win32 {

class Win32Text : public platform::Text {
  public:
    std::string ToAnsi(const std::wstring& wide) override;
    std::wstring FromAnsi(const std::string& ansi) override;
    std::string ToLowerAnsi(const std::string& ansi) override;
    int CompareLocale(const std::wstring& a, const std::wstring& b) override;
};

}  // namespace win32
