// Which add-ins Outlook loads when it starts, read as Outlook reads them:
// the sub-keys of HKEY_CURRENT_USER\Software\Microsoft\Office\Outlook\Addins,
// each named by the ProgID it creates, with a REG_DWORD LoadBehavior.
//
// Taken: a LoadBehavior with bit 1 (load at start-up) and bit 0 (connected)
// both set, i.e. 3, what an installer writes; higher bits are not looked at.
// Skipped: 2 (load at start-up, but turned off in the COM Add-ins dialog or
// failed to load), 0 and 1 (never at start-up), the load-on-demand values 8,
// 9 and 16, a LoadBehavior of another type, and none at all.
#pragma once

#include <string>
#include <vector>

namespace outlook_host {

constexpr wchar_t kAddinsKey[] = L"Software\\Microsoft\\Office\\Outlook\\Addins";

// The ProgIDs to load, in the registry's order.
std::vector<std::wstring> AddinsToLoadAtStartup();

}  // namespace outlook_host
