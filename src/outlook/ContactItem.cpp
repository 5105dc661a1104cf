#include "outlook/ContactItem.h"

#include "outlook/Application.h"
#include "outlook/OutlookIds.h"

namespace outlook {

host::Variant UserProperty::Value() const { return GetVariant("Value"); }

void UserProperty::SetValue(const host::Variant& value) const { PutVariant("Value", value); }

UserProperty UserProperties::Find(const std::wstring& name, bool* failed) const {
    host::Variant found;
    const bool refused =
        !object() || host::Failed(object()->Call(
                         "Find", {host::Variant::Bstr(name), host::Variant::Missing()}, &found));
    if (failed != nullptr) {
        *failed = refused;
    }
    return UserProperty(refused ? host::DispatchPtr() : found.object());
}

UserProperty UserProperties::Add(const std::wstring& name, int type, bool addToFolderFields,
                                 int displayFormat) const {
    return UserProperty(CallForDispatch(
        "Add", {host::Variant::Bstr(name), host::Variant::I4(type),
                host::Variant::I2(addToFolderFields ? host::kVariantTrue : host::kVariantFalse),
                host::Variant::I4(displayFormat)}));
}

ContactItem ContactItem::QueryFrom(const host::DispatchPtr& item) {
    return ContactItem(Query(item, kIID_ContactItem));
}

std::wstring ContactItem::FullName() const { return GetText("FullName"); }
std::wstring ContactItem::FileAs() const { return GetText("FileAs"); }
std::wstring ContactItem::EntryID() const { return GetText("EntryID"); }
std::wstring ContactItem::LastName() const { return GetText("LastName"); }
std::wstring ContactItem::Email1Address() const { return GetText("Email1Address"); }
std::wstring ContactItem::Email2Address() const { return GetText("Email2Address"); }
std::wstring ContactItem::Email3Address() const { return GetText("Email3Address"); }

std::wstring ContactItem::TelephoneNumber(const char* property) const { return GetText(property); }

UserProperties ContactItem::UserProperties() const {
    return outlook::UserProperties(GetDispatch("UserProperties"));
}

Application ContactItem::Application() const {
    return outlook::Application(GetDispatch("Application"));
}

void ContactItem::SetText(const char* property, const std::wstring& value) const {
    PutText(property, value);
}

void ContactItem::Display() const { CallMethod("Display", {host::Variant::Missing()}); }

}  // namespace outlook
