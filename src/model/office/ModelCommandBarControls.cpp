#include "model/office/ModelCommandBarControls.h"

#include <algorithm>

#include "model/office/ModelCollection.h"
#include "office/OfficeIds.h"

namespace model {

ModelCommandBarControls::ModelCommandBarControls(CallLog* log)
    : ModelObject("CommandBarControls", log), log_(log) {
    Implements(office::kIID_CommandBarControls);
    DefineProperty("Count", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(CountOf(controls_.size()));
        return host::hr::kOk;
    });
    DefineIndexedProperty("Item", Params{1, 0},
                          [this](const std::vector<host::Variant>& args, host::Variant* result) {
                              if (args.size() != 1) return host::hr::kBadParamCount;
                              if (args[0].type() == host::VarType::Bstr) {
                                  ModelCommandBarControlPtr found = FindByCaption(args[0].bstr());
                                  if (!found) return host::hr::kInvalidArg;
                                  *result = host::Variant::Object(found);
                                  return host::hr::kOk;
                              }
                              return ItemAt(controls_, args[0], result);
                          });
    DefineMethod("Add", Params{0, 5},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     return Add(args, result);
                 });
}

// Add([Type], [Id], [Parameter], [Before], [Temporary]).
host::HResult ModelCommandBarControls::Add(const std::vector<host::Variant>& args,
                                           host::Variant* result) {
    if (args.size() > 5) return host::hr::kBadParamCount;
    std::int32_t type = office::control_type::kButton;
    if (!Omitted(args, 0) && !args[0].ToInt32(&type)) return host::hr::kTypeMismatch;
    std::int32_t before = CountOf(controls_.size()) + 1;
    if (!Omitted(args, 3) &&
        (!args[3].ToInt32(&before) || before < 1 || before > CountOf(controls_.size()) + 1)) {
        return host::hr::kInvalidArg;
    }
    std::int32_t temporary = 0;
    if (!Omitted(args, 4) && !args[4].ToInt32(&temporary)) return host::hr::kTypeMismatch;

    ModelCommandBarControlPtr control;
    switch (type) {
        case office::control_type::kButton:
            control.reset(new ModelCommandBarButton(log_, temporary != 0));
            break;
        case office::control_type::kEdit:
        case office::control_type::kDropdown:
        case office::control_type::kComboBox:
            control.reset(new ModelCommandBarComboBox(log_, type, temporary != 0));
            break;
        case office::control_type::kPopup:
            control.reset(new ModelCommandBarPopup(log_, temporary != 0));
            break;
        default:
            return host::hr::kInvalidArg;
    }
    control->AttachTo(boost::static_pointer_cast<ModelCommandBarControls>(shared_from_this()));
    controls_.insert(controls_.begin() + (before - 1), control);
    *result = host::Variant::Object(control);
    return host::hr::kOk;
}

void ModelCommandBarControls::Append(const ModelCommandBarControlPtr& control) {
    control->AttachTo(boost::static_pointer_cast<ModelCommandBarControls>(shared_from_this()));
    controls_.push_back(control);
}

void ModelCommandBarControls::Remove(const ModelCommandBarControl* control) {
    controls_.erase(std::remove_if(controls_.begin(), controls_.end(),
                                   [control](const ModelCommandBarControlPtr& candidate) {
                                       return candidate.get() == control;
                                   }),
                    controls_.end());
}

void ModelCommandBarControls::MarkAllDeleted() {
    for (const ModelCommandBarControlPtr& control : controls_) {
        control->MarkDeleted();
        if (control->type() == office::control_type::kPopup) {
            boost::static_pointer_cast<ModelCommandBarPopup>(control)->controls()->MarkAllDeleted();
        }
    }
}

ModelCommandBarControlPtr ModelCommandBarControls::FindByCaption(
    const std::wstring& caption) const {
    for (const ModelCommandBarControlPtr& control : controls_) {
        if (control->caption() == caption) return control;
    }
    return ModelCommandBarControlPtr();
}

}  // namespace model
