// Outlook's MAPIFolder, _Folders and _Items as the add-in uses them.
#pragma once

#include <cstdint>
#include <string>

#include "host/TypedObject.h"

namespace outlook {

class Folders;

class Items : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // The first item matching `filter` (a restriction such as
    // "[Email1Address] = 'a@b'"), or null when none matches or the host
    // rejects the filter. The item is of whatever kind the folder holds.
    host::DispatchPtr Find(const std::wstring& filter) const;
};

class MAPIFolder : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // An item_type number; kUnknownItemType when unreadable.
    std::int32_t DefaultItemType() const;
    outlook::Folders Folders() const;
    outlook::Items Items() const;

    static constexpr std::int32_t kUnknownItemType = -1;
};

class Folders : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based.
    MAPIFolder Item(std::int32_t index) const;
};

}  // namespace outlook
