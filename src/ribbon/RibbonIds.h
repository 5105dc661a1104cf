// The ribbon's interfaces and names as Office uses them (Outlook 2010 and
// later): the add-in answers IRibbonExtensibility, Office passes an
// IRibbonControl to each callback and an IRibbonUI to onLoad.
#pragma once

#include "host/Guid.h"

namespace ribbon {

namespace detail {
// Office's interfaces all end in -0000-0000-C000-000000000046.
constexpr host::Guid OfficeGuid(std::uint32_t data1) {
    return host::MakeGuid(data1, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
}
}  // namespace detail

constexpr host::Guid kIID_IRibbonExtensibility = detail::OfficeGuid(0x000C0396);
constexpr host::Guid kIID_IRibbonControl = detail::OfficeGuid(0x000C0395);
constexpr host::Guid kIID_IRibbonUI = detail::OfficeGuid(0x000C03A7);

// The customUI namespace of Office 2010 and later (context menus need it).
constexpr wchar_t kCustomUiNamespace[] = L"http://schemas.microsoft.com/office/2009/07/customui";

// The ribbons Outlook asks for that the add-in extends: the folder windows
// (whose customUI also carries their context menus), a contact's window and
// a received mail's.
constexpr wchar_t kExplorerRibbon[] = L"Microsoft.Outlook.Explorer";
constexpr wchar_t kContactRibbon[] = L"Microsoft.Outlook.Contact";
constexpr wchar_t kMailReadRibbon[] = L"Microsoft.Outlook.Mail.Read";

}  // namespace ribbon
