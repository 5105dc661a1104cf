// Outlook's item windows: _Inspectors and _Inspector.
#pragma once

#include <cstdint>

#include "host/TypedObject.h"
#include "office/CommandBars.h"

namespace outlook {

class Inspector : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // The item the window shows, of whatever kind it is.
    host::DispatchPtr CurrentItem() const;
    // An editor_type number; kUnknownEditor when unreadable.
    std::int32_t EditorType() const;
    office::CommandBars CommandBars() const;

    static constexpr std::int32_t kUnknownEditor = 0;
};

class Inspectors : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based.
    Inspector Item(std::int32_t index) const;
};

}  // namespace outlook
