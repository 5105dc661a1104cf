// Entry point of tandrel.dll: installs the win32 adapters for the life of
// the process, reading resources from this module.
#include <windows.h>

#include "win32/Win32Platform.h"

namespace {
win32::Win32Platform* g_platform = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        try {
            g_platform = new win32::Win32Platform(instance);
        } catch (...) {
            return FALSE;
        }
        platform::Install(g_platform->ports());
    }
    // The adapters are left to the process's end: other DLLs may still be
    // calling into ours while the loader tears the process down.
    return TRUE;
}
