#include "model/office/ModelCommandBarControl.h"

#include "model/office/ModelCollection.h"
#include "model/office/ModelCommandBarControls.h"
#include "office/OfficeIds.h"

namespace model {

ModelCommandBarControl::ModelCommandBarControl(const std::string& className, CallLog* log, int type,
                                               bool temporary)
    : ModelObject(className, log), type_(type), temporary_(temporary) {
    Implements(office::kIID_CommandBarControl);
    DefineValue("Caption", host::Variant::Bstr(L""));
    DefineValue("Tag", host::Variant::Bstr(L""));
    DefineValue("TooltipText", host::Variant::Bstr(L""));
    DefineValue("BeginGroup", host::Variant::Bool(false));
    DefineValue("Visible", host::Variant::Bool(true));
    DefineValue("Enabled", host::Variant::Bool(true));
    DefineValue("Parameter", host::Variant::Bstr(L""));
    DefineProperty("Type", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(type_);
        return host::hr::kOk;
    });
    // Delete([Temporary]).
    DefineMethod("Delete", Params{0, 1},
                 [this](const std::vector<host::Variant>& args, host::Variant*) {
                     if (args.size() > 1) return host::hr::kBadParamCount;
                     if (deleted_) return host::hr::kFail;
                     deleted_ = true;
                     if (boost::shared_ptr<ModelCommandBarControls> owner = owner_.lock()) {
                         owner->Remove(this);
                     }
                     return host::hr::kOk;
                 });
}

ModelCommandBarButton::ModelCommandBarButton(CallLog* log, bool temporary)
    : ModelCommandBarControl("CommandBarButton", log, office::control_type::kButton, temporary) {
    Implements(office::kIID_CommandBarButton);
    SourcesEvents(office::CommandBarButtonEvents::kDiid);
    DefineValue("Style", host::Variant::I4(0));  // msoButtonAutomatic
    DefineValue("FaceId", host::Variant::I4(0));
    DefineValue("Picture", host::Variant::Object(host::DispatchPtr()));
    DefineValue("Mask", host::Variant::Object(host::DispatchPtr()));
    DefineValue("State", host::Variant::I4(0));
}

bool ModelCommandBarButton::Click(bool* cancelDefault) {
    if (deleted() || !enabled() || !visible()) {
        return false;
    }
    std::int16_t cancel = host::kVariantFalse;
    // Keep the button alive while its sinks run: a handler may delete it.
    const ModelObjectPtr self = shared_from_this();
    FireEvent(office::CommandBarButtonEvents::kDiid, office::CommandBarButtonEvents::kClick,
              {host::Variant::Object(self), host::Variant::BoolRef(&cancel)});
    if (cancelDefault) {
        *cancelDefault = cancel != host::kVariantFalse;
    }
    return true;
}

ModelCommandBarComboBox::ModelCommandBarComboBox(CallLog* log, int type, bool temporary)
    : ModelCommandBarControl("CommandBarComboBox", log, type, temporary) {
    Implements(office::kIID_CommandBarComboBox);
    SourcesEvents(office::CommandBarComboBoxEvents::kDiid);
    DefineValue("Style", host::Variant::I4(office::combo_style::kNormal));
    DefineValue("Width", host::Variant::I4(100));
    DefineValue("DropDownLines", host::Variant::I4(0));
    DefineProperty(
        "Text",
        [this](const std::vector<host::Variant>&, host::Variant* result) {
            *result = host::Variant::Bstr(text_);
            return host::hr::kOk;
        },
        [this](const host::Variant& value) {
            if (value.type() != host::VarType::Bstr) return host::hr::kTypeMismatch;
            text_ = value.bstr();
            listIndex_ = 0;
            return host::hr::kOk;
        });
    DefineProperty("ListCount", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(CountOf(list_.size()));
        return host::hr::kOk;
    });
    DefineIndexedProperty("List", Params{1, 0},
                          [this](const std::vector<host::Variant>& args, host::Variant* result) {
                              std::int32_t index = 0;
                              if (args.size() != 1 || !args[0].ToInt32(&index) || index < 1 ||
                                  index > CountOf(list_.size())) {
                                  return host::hr::kInvalidArg;
                              }
                              *result = host::Variant::Bstr(list_[index - 1]);
                              return host::hr::kOk;
                          });
    DefineProperty(
        "ListIndex",
        [this](const std::vector<host::Variant>&, host::Variant* result) {
            *result = host::Variant::I4(listIndex_);
            return host::hr::kOk;
        },
        [this](const host::Variant& value) {
            std::int32_t index = 0;
            if (!value.ToInt32(&index) || index < 0 || index > CountOf(list_.size())) {
                return host::hr::kInvalidArg;
            }
            listIndex_ = index;
            if (index > 0) text_ = list_[index - 1];
            return host::hr::kOk;
        });
    // AddItem(Text, [Index]): appends, or inserts before a 1-based position.
    DefineMethod("AddItem", Params{1, 1},
                 [this](const std::vector<host::Variant>& args, host::Variant*) {
                     if (args.empty() || args.size() > 2) return host::hr::kBadParamCount;
                     if (args[0].type() != host::VarType::Bstr) return host::hr::kTypeMismatch;
                     std::int32_t position = CountOf(list_.size()) + 1;
                     if (args.size() == 2 && !args[1].isMissing() &&
                         (!args[1].ToInt32(&position) || position < 1 ||
                          position > CountOf(list_.size()) + 1)) {
                         return host::hr::kInvalidArg;
                     }
                     list_.insert(list_.begin() + (position - 1), args[0].bstr());
                     return host::hr::kOk;
                 });
    DefineMethod("Clear", Params{0, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant*) {
                     if (!args.empty()) return host::hr::kBadParamCount;
                     list_.clear();
                     listIndex_ = 0;
                     return host::hr::kOk;
                 });
}

void ModelCommandBarComboBox::TypeText(const std::wstring& text) {
    text_ = text;
    listIndex_ = 0;
    const ModelObjectPtr self = shared_from_this();
    FireEvent(office::CommandBarComboBoxEvents::kDiid, office::CommandBarComboBoxEvents::kChange,
              {host::Variant::Object(self)});
}

bool ModelCommandBarComboBox::Pick(std::int32_t index) {
    if (index < 1 || index > CountOf(list_.size())) {
        return false;
    }
    listIndex_ = index;
    text_ = list_[index - 1];
    const ModelObjectPtr self = shared_from_this();
    FireEvent(office::CommandBarComboBoxEvents::kDiid, office::CommandBarComboBoxEvents::kChange,
              {host::Variant::Object(self)});
    return true;
}

ModelCommandBarPopup::ModelCommandBarPopup(CallLog* log, bool temporary)
    : ModelCommandBarControl("CommandBarPopup", log, office::control_type::kPopup, temporary),
      controls_(new ModelCommandBarControls(log)) {
    Implements(office::kIID_CommandBarPopup);
    DefineProperty("Controls", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(controls_);
        return host::hr::kOk;
    });
}

}  // namespace model
