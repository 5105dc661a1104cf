// The entry point and the four exports of tandrel.dll (tandrel.def gives the
// exports ordinals 1 to 4). No C++ exception leaves any of them.
#include <windows.h>

#include "win32/com/ComEntry.h"
#include "win32/server/AddInClassFactory.h"
#include "win32/server/ModulePlatform.h"
#include "win32/server/ServerRegistration.h"

namespace {

HMODULE g_module = nullptr;

// An export's body, guarded, with the platform installed for it (what it
// catches is traced through the platform) and released after it unless
// something of the module is left alive.
template <class Body>
HRESULT Export(const char* name, Body body) noexcept {
    const HRESULT hr = win32::CatchAtEntry(name, [&] {
        win32::AcquireModulePlatform(g_module);
        return body();
    });
    win32::ReleaseModulePlatformIfUnused();
    return hr;
}

}  // namespace

// Runs under the loader lock, so it keeps the module's handle and does
// nothing else (ModulePlatform.h).
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() { return win32::CanUnloadServer(); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (object) {
        *object = nullptr;  // even should the platform fail to come
    }
    return Export("DllGetClassObject", [&] {
        return win32::GetAddInClassObject(clsid, iid, object, &addin::CreateAddIn);
    });
}

STDAPI DllRegisterServer() {
    return Export("DllRegisterServer", [] { return win32::RegisterServer(g_module); });
}

STDAPI DllUnregisterServer() {
    return Export("DllUnregisterServer", [] { return win32::UnregisterServer(g_module); });
}
