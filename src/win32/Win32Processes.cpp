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

bool Win32Processes::FindProcess(const ModuleTest& test, platform::ProcessId* found) {
    DWORD ids[platform::kMaxProcesses];
    DWORD bytesReturned = 0;
    if (!EnumProcesses(ids, sizeof ids, &bytesReturned)) {
        return false;
    }
    // A full buffer means there may be more processes; they are not seen.
    const DWORD count = bytesReturned / sizeof(DWORD);
    std::string name;
    for (DWORD i = 0; i < count && i < platform::kMaxProcesses; ++i) {
        if (ModuleNameOf(ids[i], &name) && test(name)) {
            if (found != nullptr) {
                *found = ids[i];
            }
            return true;
        }
    }
    return false;
}

bool Win32Processes::ModuleNameOf(platform::ProcessId id, std::string* name) {
    HANDLE process = OpenProcess(kQueryAndRead, FALSE, id);
    if (process == nullptr) {
        return false;
    }
    bool read = false;
    HMODULE first = nullptr;
    DWORD needed = 0;
    if (EnumProcessModules(process, &first, sizeof first, &needed) && first != nullptr) {
        char buffer[kNameCapacity] = {};
        const DWORD length = GetModuleBaseNameA(process, first, buffer, kNameCapacity);
        if (length > 0 && length < kNameCapacity) {
            name->assign(buffer, length);
            read = true;
        }
    }
    CloseHandle(process);
    return read;
}

platform::ProcessId Win32Processes::WindowProcess(platform::WindowHandle window) {
    if (window == platform::kNoWindow) {
        return platform::kNoProcess;
    }
    DWORD process = 0;
    // The thread id is 0 (and the process unset) for a window that is gone.
    if (GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &process) == 0) {
        return platform::kNoProcess;
    }
    return process;
}

}  // namespace win32
