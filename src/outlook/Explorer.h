// Outlook's folder windows: _Explorers, _Explorer and its Selection.
#pragma once

#include <cstdint>

#include "host/TypedObject.h"
#include "office/CommandBars.h"

namespace outlook {

class MAPIFolder;

class Selection : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based: the item, of whatever kind it is.
    host::DispatchPtr Item(std::int32_t index) const;
};

class Explorer : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // Null when the window shows no folder.
    MAPIFolder CurrentFolder() const;
    // Null when there is no selection.
    outlook::Selection Selection() const;
    office::CommandBars CommandBars() const;
};

class Explorers : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based.
    Explorer Item(std::int32_t index) const;
};

}  // namespace outlook
