#include "commandbars/SkypeTarget.h"

std::wstring CutBeforeRemark(const std::wstring& text) {
    const std::size_t open = text.rfind(L'(');
    if (open == std::wstring::npos || open == 0) {
        return text;
    }
    return text.substr(0, open - 1);
}

std::wstring AfterLabel(const std::wstring& text) {
    const std::size_t colon = text.find(L':');
    return colon == std::wstring::npos ? text : text.substr(colon + 1);
}
