// Outlook's _ContactItem with its user-defined properties.
#pragma once

#include <string>

#include "host/TypedObject.h"

namespace outlook {

class Application;

class UserProperty : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // VT_EMPTY when unreadable.
    host::Variant Value() const;
    void SetValue(const host::Variant& value) const;
};

class UserProperties : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // Find(VT_BSTR name, Custom missing): null when there is no such
    // property. `failed` (when given) tells a host that refused the call
    // (or a null wrapper) from one that answered that there is none.
    UserProperty Find(const std::wstring& name, bool* failed = nullptr) const;
    // Add(VT_BSTR name, VT_I4 type, VT_I2 addToFolderFields (0 or -1),
    // VT_I4 displayFormat): the new property, or null when refused.
    UserProperty Add(const std::wstring& name, int type, bool addToFolderFields,
                     int displayFormat) const;
};

class ContactItem : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // `item` seen as a contact, or a null wrapper when it is not one.
    static ContactItem QueryFrom(const host::DispatchPtr& item);

    // Texts: empty when absent (null or empty) or unreadable.
    std::wstring FullName() const;
    std::wstring FileAs() const;
    std::wstring EntryID() const;
    std::wstring LastName() const;
    std::wstring Email1Address() const;
    std::wstring Email2Address() const;
    std::wstring Email3Address() const;
    // One of the telephone properties, by its property name
    // ("MobileTelephoneNumber", ...).
    std::wstring TelephoneNumber(const char* property) const;

    outlook::UserProperties UserProperties() const;
    outlook::Application Application() const;

    // Property puts (the item is not saved): "FullName", a telephone
    // property, ...
    void SetText(const char* property, const std::wstring& value) const;
    // Display(Modal missing): the contact's own window, which returns at once.
    void Display() const;
};

}  // namespace outlook
