// Entry point of tandrel.dll: installs the win32 adapters once, reading
// resources from this module, and nothing else.
#include <windows.h>

#include "win32/Win32Platform.h"

namespace {
win32::Win32Platform* g_platform = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        try {
            g_platform = new win32::Win32Platform(instance);
        } catch (...) {
            return FALSE;
        }
        platform::Install(g_platform->ports());
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr && g_platform != nullptr) {
        // FreeLibrary: COM found no object of ours alive, and Outlook may load
        // the DLL again later. The adapters go, and with them the window
        // class, which must not outlive the window procedure it points at.
        // At process exit (reserved set) they are left alone: other DLLs may
        // still be calling into ours while the loader tears the process down.
        platform::Install(platform::Platform());
        delete g_platform;
        g_platform = nullptr;
    }
    return TRUE;
}
