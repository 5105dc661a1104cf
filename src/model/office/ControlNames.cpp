#include "model/office/ControlNames.h"

#include <cwctype>

#include "office/OfficeIds.h"

namespace model {

std::wstring NormalName(const std::wstring& name) {
    std::wstring normal;
    for (const wchar_t c : name) {
        if (c != L'&') normal += static_cast<wchar_t>(std::towlower(c));
    }
    const std::size_t first = normal.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return std::wstring();
    normal = normal.substr(first, normal.find_last_not_of(L" \t") - first + 1);
    if (normal.size() > 1 && normal.back() == L':') {
        normal.pop_back();
        normal.erase(normal.find_last_not_of(L" \t") + 1);
    }
    return normal;
}

std::wstring ControlName(const ModelCommandBarControl& control) {
    const std::wstring caption = NormalName(control.caption());
    return caption.empty() ? NormalName(control.tooltipText()) : caption;
}

namespace {

ModelCommandBarControlPtr Find(const ModelCommandBarControls& controls, const std::wstring& normal,
                               int type) {
    for (const ModelCommandBarControlPtr& control : controls.controls()) {
        if ((type == 0 || control->type() == type) && ControlName(*control) == normal) {
            return control;
        }
        if (control->type() == office::control_type::kPopup) {
            const auto& popup = static_cast<const ModelCommandBarPopup&>(*control);
            if (ModelCommandBarControlPtr found = Find(*popup.controls(), normal, type)) {
                return found;
            }
        }
    }
    return ModelCommandBarControlPtr();
}

}  // namespace

ModelCommandBarControlPtr FindControl(const ModelCommandBarControls& controls,
                                      const std::wstring& name, int type) {
    const std::wstring normal = NormalName(name);
    return normal.empty() ? ModelCommandBarControlPtr() : Find(controls, normal, type);
}

ModelCommandBarControlPtr FindControl(const ModelCommandBars& bars, const std::wstring& name,
                                      int type) {
    for (const ModelCommandBarPtr& bar : bars.bars()) {
        if (bar->deleted() || bar->name() == office::kContextMenuName) continue;
        if (ModelCommandBarControlPtr found = FindControl(*bar->controls(), name, type)) {
            return found;
        }
    }
    return ModelCommandBarControlPtr();
}

}  // namespace model
