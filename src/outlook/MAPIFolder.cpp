#include "outlook/MAPIFolder.h"

namespace outlook {

host::DispatchPtr Items::Find(const std::wstring& filter) const {
    return CallForDispatch("Find", {host::Variant::Bstr(filter)});
}

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
