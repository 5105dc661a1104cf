#include "offer/SkypeTarget.h"

namespace offer {

std::wstring ResolveTarget(const std::wstring& text, const Entries& written, const Entries* listed,
                           bool numberTarget) {
    for (auto entry = written.rbegin(); entry != written.rend(); ++entry) {
        if (entry->text == text) {
            return entry->target;
        }
    }
    if (listed) {
        for (const Entry& entry : *listed) {
            if (entry.text == text) {
                return entry.target;
            }
        }
    }
    return CutBeforeRemark(numberTarget ? AfterLabel(text) : text);
}

}  // namespace offer

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
