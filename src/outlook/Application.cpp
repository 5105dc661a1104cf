#include "outlook/Application.h"

#include "outlook/Explorer.h"
#include "outlook/Inspector.h"
#include "outlook/MAPIFolder.h"
#include "outlook/MailItem.h"

namespace outlook {

MAPIFolder NameSpace::GetDefaultFolder(int folder) const {
    return MAPIFolder(CallForDispatch("GetDefaultFolder", {host::Variant::I4(folder)}));
}

Recipient NameSpace::CurrentUser() const { return Recipient(GetDispatch("CurrentUser")); }

Explorers Application::Explorers() const { return outlook::Explorers(GetDispatch("Explorers")); }

Inspectors Application::Inspectors() const {
    return outlook::Inspectors(GetDispatch("Inspectors"));
}

Explorer Application::ActiveExplorer() const { return Explorer(CallForDispatch("ActiveExplorer")); }

std::wstring Application::Version() const { return GetText("Version"); }

NameSpace Application::GetNamespace(const std::wstring& type) const {
    return NameSpace(CallForDispatch("GetNamespace", {host::Variant::Bstr(type)}));
}

host::DispatchPtr Application::CreateItem(int itemType) const {
    return CallForDispatch("CreateItem", {host::Variant::I4(itemType)});
}

}  // namespace outlook
