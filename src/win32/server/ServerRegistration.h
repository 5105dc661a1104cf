// DllRegisterServer and DllUnregisterServer for `module` (tandrel.dll):
// the registry script embedded as REGISTRY 101 run by the registrar over
// the current user's keys, with %MODULE% = the module's full path, and the
// type library embedded as TYPELIB 1 registered for the current user (a
// per-user add-in has no rights to the machine's keys).
//
// Registering is all or nothing: when the type library cannot be
// registered, the keys just written are taken back. Unregistering removes
// what registering added; a type library that is not registered is no
// failure.
#pragma once

#include <windows.h>

namespace win32 {

HRESULT RegisterServer(HMODULE module);
HRESULT UnregisterServer(HMODULE module);

}  // namespace win32
