#include "win32/Win32Processes.h"

#include <windows.h>

#include <psapi.h>  // after <windows.h>, which it needs

namespace win32 {

namespace {

// PROCESS_QUERY_INFORMATION | PROCESS_VM_READ: what reading another
// process's module list needs.
constexpr DWORD kQueryAndRead = 0x0410;
// A module base name is a file name: MAX_PATH characters at most.
constexpr DWORD kNameCapacity = 260;

}  // namespace

bool Win32Processes::ListModuleNames(std::vector<std::string>* names) {
    names->clear();
    DWORD ids[platform::kMaxProcesses];
    DWORD bytesReturned = 0;
    if (!EnumProcesses(ids, sizeof ids, &bytesReturned)) {
        return false;
    }
    // A full buffer means there may be more processes; they are not seen.
    const DWORD count = bytesReturned / sizeof(DWORD);
    for (DWORD i = 0; i < count && i < platform::kMaxProcesses; ++i) {
        HANDLE process = OpenProcess(kQueryAndRead, FALSE, ids[i]);
        if (process == nullptr) {
            continue;
        }
        HMODULE first = nullptr;
        DWORD needed = 0;
        if (EnumProcessModules(process, &first, sizeof first, &needed) && first != nullptr) {
            char name[kNameCapacity] = {};
            DWORD length = GetModuleBaseNameA(process, first, name, kNameCapacity);
            if (length > 0 && length < kNameCapacity) {
                names->emplace_back(name, length);
            }
        }
        CloseHandle(process);
    }
    return true;
}

}  // namespace win32
