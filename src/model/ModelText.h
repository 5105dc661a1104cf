// The model's text port: Windows-1252 as the ANSI code page, and a
// linguistic comparison shaped like Windows' default word sort.
#pragma once

#include "platform/Text.h"

namespace model {

class ModelText : public platform::Text {
  public:
    std::string ToAnsi(const std::wstring& wide) override;
    std::wstring FromAnsi(const std::string& ansi) override;
    std::string ToLowerAnsi(const std::string& ansi) override;
    int CompareLocale(const std::wstring& a, const std::wstring& b) override;
};

}  // namespace model
