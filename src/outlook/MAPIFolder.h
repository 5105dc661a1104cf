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
    // `refused` (when given) tells a filter the host rejected (an unknown
    // field, say) from one that matched nothing.
    host::DispatchPtr Find(const std::wstring& filter, bool* refused = nullptr) const;
    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based; null past the end.
    host::DispatchPtr Item(std::int32_t index) const;
    // SetColumns(VT_BSTR "A,B,C"): the items GetFirst and GetNext hand out
    // from now on carry only these properties, read-only, for a fast walk
    // (the others read as empty). ResetColumns gives the items back whole.
    void SetColumns(const std::wstring& columns) const;
    void ResetColumns() const;
    // The walk in the collection's order; null after the last item.
    host::DispatchPtr GetFirst() const;
    host::DispatchPtr GetNext() const;
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
