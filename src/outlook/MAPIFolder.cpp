#include "outlook/MAPIFolder.h"

namespace outlook {

host::DispatchPtr Items::Find(const std::wstring& filter, bool* refused) const {
    host::Variant found;
    const bool failed =
        !object() || host::Failed(object()->Call("Find", {host::Variant::Bstr(filter)}, &found));
    if (refused != nullptr) {
        *refused = failed;
    }
    return failed ? host::DispatchPtr() : found.object();
}

std::int32_t Items::Count() const { return GetNumber("Count", 0); }

host::DispatchPtr Items::Item(std::int32_t index) const {
    return CallForDispatch("Item", {host::Variant::I4(index)});
}

void Items::SetColumns(const std::wstring& columns) const {
    CallMethod("SetColumns", {host::Variant::Bstr(columns)});
}

void Items::ResetColumns() const { CallMethod("ResetColumns"); }

host::DispatchPtr Items::GetFirst() const { return CallForDispatch("GetFirst"); }

host::DispatchPtr Items::GetNext() const { return CallForDispatch("GetNext"); }

std::int32_t MAPIFolder::DefaultItemType() const {
    return GetNumber("DefaultItemType", kUnknownItemType);
}

Folders MAPIFolder::Folders() const { return outlook::Folders(GetDispatch("Folders")); }

Items MAPIFolder::Items() const { return outlook::Items(GetDispatch("Items")); }

std::int32_t Folders::Count() const { return GetNumber("Count", 0); }

MAPIFolder Folders::Item(std::int32_t index) const {
    return MAPIFolder(CallForDispatch("Item", {host::Variant::I4(index)}));
}

}  // namespace outlook
