// Outlook's folder windows: _Explorers, _Explorer and its Selection.
#pragma once

#include <cstdint>

#include "commandbars/CommandBars.h"
#include "outlook/TypedObject.h"

namespace outlook {

class MAPIFolder;

class Selection : public TypedObject {
  public:
    using TypedObject::TypedObject;
    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based: the item, of whatever kind it is.
    host::DispatchPtr Item(std::int32_t index) const;
};

class Explorer : public TypedObject {
  public:
    using TypedObject::TypedObject;
    // Null when the window shows no folder.
    MAPIFolder CurrentFolder() const;
    // Null when there is no selection.
    outlook::Selection Selection() const;
    office::CommandBars CommandBars() const;
};

class Explorers : public TypedObject {
  public:
    using TypedObject::TypedObject;
    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based.
    Explorer Item(std::int32_t index) const;
};

}  // namespace outlook
