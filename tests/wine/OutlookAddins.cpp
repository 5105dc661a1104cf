#include "OutlookAddins.h"

#include <windows.h>

namespace outlook_host {

namespace {
constexpr DWORD kLoadAtStartup = 0x2;
constexpr DWORD kConnected = 0x1;

bool LoadsAtStartup(DWORD loadBehavior) {
    const DWORD wanted = kLoadAtStartup | kConnected;
    return (loadBehavior & wanted) == wanted;
}

}  // namespace

std::vector<std::wstring> AddinsToLoadAtStartup() {
    std::vector<std::wstring> progIds;
    HKEY addins = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kAddinsKey, 0, KEY_READ, &addins) != ERROR_SUCCESS) {
        return progIds;
    }
    // Key names are at most 255 characters.
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(addins, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        DWORD loadBehavior = 0;
        DWORD size = sizeof loadBehavior;
        // RRF_RT_REG_DWORD refuses a value of any other type.
        if (RegGetValueW(addins, name, L"LoadBehavior", RRF_RT_REG_DWORD, nullptr, &loadBehavior,
                         &size) == ERROR_SUCCESS &&
            LoadsAtStartup(loadBehavior)) {
            progIds.emplace_back(name, length);
        }
    }
    RegCloseKey(addins);
    return progIds;
}

}  // namespace outlook_host
