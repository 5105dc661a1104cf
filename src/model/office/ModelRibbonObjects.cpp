#include "model/office/ModelRibbonObjects.h"

#include "ribbon/RibbonIds.h"

namespace model {

ModelRibbonUI::ModelRibbonUI(CallLog* log, std::function<void(const std::wstring&)> onInvalidate)
    : ModelObject("IRibbonUI", log), onInvalidate_(std::move(onInvalidate)) {
    Implements(ribbon::kIID_IRibbonUI);
    DefineMethod("Invalidate", Params{0, 0},
                 [this](const std::vector<host::Variant>&, host::Variant*) {
                     if (onInvalidate_) onInvalidate_(std::wstring());
                     return host::hr::kOk;
                 });
    const auto byId = [this](const std::vector<host::Variant>& args, host::Variant*) {
        if (args[0].type() != host::VarType::Bstr) return host::hr::kTypeMismatch;
        if (onInvalidate_) onInvalidate_(args[0].bstr());
        return host::hr::kOk;
    };
    DefineMethod("InvalidateControl", Params{1, 0}, byId);
    // Built-in controls: none of them shows anything of the add-in.
    DefineMethod("InvalidateControlMso", Params{1, 0},
                 [](const std::vector<host::Variant>&, host::Variant*) { return host::hr::kOk; });
    DefineMethod("ActivateTab", Params{1, 0},
                 [](const std::vector<host::Variant>&, host::Variant*) { return host::hr::kOk; });
}

ModelRibbonControl::ModelRibbonControl(CallLog* log, const std::wstring& id,
                                       const std::wstring& tag, const host::DispatchPtr& context)
    : ModelObject("IRibbonControl", log) {
    Implements(ribbon::kIID_IRibbonControl);
    const host::Variant values[] = {host::Variant::Bstr(id), host::Variant::Bstr(tag),
                                    host::Variant::Object(context)};
    const char* const names[] = {"Id", "Tag", "Context"};
    for (int index = 0; index < 3; ++index) {
        const host::Variant value = values[index];
        DefineProperty(names[index],
                       [value](const std::vector<host::Variant>&, host::Variant* result) {
                           *result = value;
                           return host::hr::kOk;
                       });
    }
}

}  // namespace model
