#include "model/outlook/ModelContactItem.h"

#include <algorithm>

#include "model/office/ModelCollection.h"
#include "outlook/OutlookIds.h"

namespace model {

namespace {

const int kOlContact = 40;       // OlObjectClass olContact
const int kOlUserProperty = 38;  // unused by Outlook's callers; kept for Class

}  // namespace

ModelUserProperty::ModelUserProperty(CallLog* log, const boost::weak_ptr<ModelContactItem>& item,
                                     const std::wstring& name, int type, const host::Variant& value)
    : ModelObject("UserProperty", log), item_(item), name_(name), type_(type), value_(value) {
    Implements(outlook::kIID_UserProperty);
    DefineProperty("Name", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Bstr(name_);
        return host::hr::kOk;
    });
    DefineProperty("Type", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(type_);
        return host::hr::kOk;
    });
    DefineProperty("Class", [](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(kOlUserProperty);
        return host::hr::kOk;
    });
    DefineProperty(
        "Value",
        [this](const std::vector<host::Variant>&, host::Variant* result) {
            *result = value_;
            return host::hr::kOk;
        },
        [this](const host::Variant& value) {
            // A text property keeps text: other kinds are refused.
            if (type_ == outlook::kUserPropertyText && value.type() != host::VarType::Bstr) {
                return host::hr::kTypeMismatch;
            }
            value_ = value;
            if (boost::shared_ptr<ModelContactItem> item = item_.lock()) {
                item->FireCustomPropertyChange(name_);
            }
            return host::hr::kOk;
        });
}

ModelUserProperties::ModelUserProperties(CallLog* log,
                                         const boost::weak_ptr<ModelContactItem>& item)
    : ModelObject("UserProperties", log), log_(log), item_(item) {
    Implements(outlook::kIID_UserProperties);
    DefineProperty("Count", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(CountOf(properties_.size()));
        return host::hr::kOk;
    });
    // Item(index or name).
    DefineMethod("Item", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     if (args[0].type() != host::VarType::Bstr) {
                         return ItemAt(properties_, args[0], result);
                     }
                     const ModelUserPropertyPtr found = FindByName(args[0].bstr());
                     if (!found) return host::hr::kInvalidArg;
                     *result = host::Variant::Object(found);
                     return host::hr::kOk;
                 });
    // Find(Name, [Custom]): null (not a failure) when there is no such property.
    DefineMethod("Find", Params{1, 1},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     if (args[0].type() != host::VarType::Bstr) return host::hr::kTypeMismatch;
                     *result = host::Variant::Object(FindByName(args[0].bstr()));
                     return host::hr::kOk;
                 });
    // Add(Name, Type, [AddToFolderFields], [DisplayFormat]).
    DefineMethod("Add", Params{2, 2},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     std::int32_t type = 0;
                     if (args[0].type() != host::VarType::Bstr || args[0].bstr().empty() ||
                         !args[1].ToInt32(&type)) {
                         return host::hr::kTypeMismatch;
                     }
                     ModelUserPropertyPtr property = FindByName(args[0].bstr());
                     if (!property) {
                         const bool text = type == outlook::kUserPropertyText;
                         property = AddProperty(args[0].bstr(), type,
                                                text ? host::Variant::Bstr(L"") : host::Variant());
                     }
                     *result = host::Variant::Object(property);
                     return host::hr::kOk;
                 });
    DefineMethod(
        "Remove", Params{1, 0}, [this](const std::vector<host::Variant>& args, host::Variant*) {
            std::int32_t index = 0;
            if (!args[0].ToInt32(&index) || index < 1 || index > CountOf(properties_.size())) {
                return host::hr::kInvalidArg;
            }
            properties_.erase(properties_.begin() + (index - 1));
            return host::hr::kOk;
        });
}

ModelUserPropertyPtr ModelUserProperties::FindByName(const std::wstring& name) const {
    for (const ModelUserPropertyPtr& property : properties_) {
        if (EqualIgnoringCase(property->name(), name)) return property;
    }
    return ModelUserPropertyPtr();
}

ModelUserPropertyPtr ModelUserProperties::AddProperty(const std::wstring& name, int type,
                                                      const host::Variant& value) {
    ModelUserPropertyPtr property(new ModelUserProperty(log_, item_, name, type, value));
    properties_.push_back(property);
    return property;
}

const std::vector<std::string>& ModelContactItem::TextProperties() {
    static const std::vector<std::string> kNames = {
        "FullName", "FileAs", "FirstName", "MiddleName", "LastName", "CompanyName", "JobTitle",
        "EntryID", "Subject", "Email1Address", "Email1DisplayName", "Email2Address",
        "Email2DisplayName", "Email3Address", "Email3DisplayName",
        // The telephone numbers, callable and not.
        "PrimaryTelephoneNumber", "CompanyMainTelephoneNumber", "BusinessTelephoneNumber",
        "Business2TelephoneNumber", "AssistantTelephoneNumber", "HomeTelephoneNumber",
        "Home2TelephoneNumber", "MobileTelephoneNumber", "CarTelephoneNumber",
        "OtherTelephoneNumber", "RadioTelephoneNumber", "BusinessFaxNumber", "HomeFaxNumber",
        "OtherFaxNumber", "PagerNumber", "ISDNNumber", "CallbackTelephoneNumber", "TelexNumber",
        "TTYTDDTelephoneNumber"};
    return kNames;
}

ModelContactItem::ModelContactItem(CallLog* log, const boost::weak_ptr<ModelObject>& application)
    : ModelItem("ContactItem", log, outlook::kIID_ContactItem, kOlContact, TextProperties(),
                application),
      log_(log) {
    DefineProperty("UserProperties",
                   [this](const std::vector<host::Variant>&, host::Variant* result) {
                       *result = host::Variant::Object(EnsureUserProperties());
                       return host::hr::kOk;
                   });
}

const boost::shared_ptr<ModelUserProperties>& ModelContactItem::EnsureUserProperties() {
    if (!userProperties_) {
        userProperties_.reset(new ModelUserProperties(
            log_, boost::static_pointer_cast<ModelContactItem>(shared_from_this())));
    }
    return userProperties_;
}

ModelUserProperties& ModelContactItem::userProperties() { return *EnsureUserProperties(); }

ModelUserPropertyPtr ModelContactItem::AddUserProperty(const std::wstring& name,
                                                       const host::Variant& value, int type) {
    ModelUserPropertyPtr property = EnsureUserProperties()->FindByName(name);
    if (property) {
        property->SetValueQuietly(value);
        return property;
    }
    return userProperties_->AddProperty(name, type, value);
}

std::vector<ModelContactItem::SavedProperty> ModelContactItem::SaveUserProperties() const {
    std::vector<SavedProperty> saved;
    if (userProperties_) {
        for (const ModelUserPropertyPtr& property : userProperties_->properties()) {
            saved.push_back(SavedProperty{property->name(), property->type(), property->value()});
        }
    }
    return saved;
}

void ModelContactItem::Checkpoint() {
    ModelItem::Checkpoint();
    checkpoint_ = SaveUserProperties();
}

void ModelContactItem::Rollback() {
    ModelItem::Rollback();
    const std::vector<SavedProperty> now = SaveUserProperties();
    const bool same =
        std::equal(now.begin(), now.end(), checkpoint_.begin(), checkpoint_.end(),
                   [](const SavedProperty& a, const SavedProperty& b) {
                       return a.name == b.name && a.type == b.type && a.value == b.value;
                   });
    if (same) return;
    // New objects: whoever held the old ones (an add-in since unloaded) is gone.
    userProperties_.reset();
    for (const SavedProperty& property : checkpoint_) {
        AddUserProperty(property.name, property.value, property.type);
    }
}

host::Variant ModelContactItem::UserPropertyValue(const std::wstring& name) const {
    if (!userProperties_) return host::Variant();
    ModelUserPropertyPtr property = userProperties_->FindByName(name);
    return property ? property->value() : host::Variant();
}

}  // namespace model
