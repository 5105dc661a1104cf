// The four exports of tandrel.dll (tandrel.def gives them ordinals 1 to 4).
// No C++ exception leaves any of them.
#include <windows.h>

#include "win32/com/ComEntry.h"
#include "win32/server/ConnectFactory.h"
#include "win32/server/ServerRegistration.h"

namespace {

// This DLL, wherever it was loaded from.
HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

}  // namespace

STDAPI DllCanUnloadNow() { return win32::CanUnloadServer(); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    return win32::CatchAtEntry("DllGetClassObject", [&] {
        return win32::GetConnectClassObject(clsid, iid, object, &addin::CreateAddIn);
    });
}

STDAPI DllRegisterServer() {
    return win32::CatchAtEntry("DllRegisterServer",
                               [] { return win32::RegisterServer(ThisModule()); });
}

STDAPI DllUnregisterServer() {
    return win32::CatchAtEntry("DllUnregisterServer",
                               [] { return win32::UnregisterServer(ThisModule()); });
}
