// Office's CommandBarControls and the CommandBarControl every control is.
#pragma once

#include <cstdint>
#include <string>

#include "host/TypedObject.h"

namespace office {

class CommandBarControl : public host::TypedObject {
  public:
    using TypedObject::TypedObject;

    // False when unreadable.
    bool BeginGroup() const;
    void SetBeginGroup(bool beginGroup) const;
    // Empty when unreadable.
    std::wstring Tag() const;
    // Delete(Temporary missing); a failure raises host::ComError for
    // CommandBarControl.
    void Delete() const;
};

class CommandBarControls : public host::TypedObject {
  public:
    using TypedObject::TypedObject;

    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based.
    CommandBarControl Item(std::int32_t index) const;
    // Add(VT_I4 type, Id missing, Parameter missing, before, VT_I2 temporary
    // (-1 or 0)). `before` is Missing() to append or a VT_I4 position.
    // The new control, or null when refused.
    CommandBarControl Add(std::int32_t type, const host::Variant& before, bool temporary) const;
};

}  // namespace office
