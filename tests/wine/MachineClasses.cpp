#include "MachineClasses.h"

#include <windows.h>

namespace wine_test {

namespace {
std::wstring ClassesPath(const wchar_t* key) { return std::wstring(L"Software\\Classes\\") + key; }
}  // namespace

bool CopyOurClassesToMachine() {
    for (const wchar_t* key : kOurClassKeys) {
        HKEY from = nullptr, to = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, ClassesPath(key).c_str(), 0, KEY_READ, &from) !=
            ERROR_SUCCESS) {
            return false;
        }
        LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, ClassesPath(key).c_str(), 0, nullptr, 0,
                                      KEY_ALL_ACCESS, nullptr, &to, nullptr);
        if (status == ERROR_SUCCESS) {
            status = RegCopyTreeW(from, nullptr, to);
            RegCloseKey(to);
        }
        RegCloseKey(from);
        if (status != ERROR_SUCCESS) return false;
    }
    return true;
}

void RemoveOurClassesFromMachine() {
    for (const wchar_t* key : kOurClassKeys) {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, ClassesPath(key).c_str());
    }
}

}  // namespace wine_test
