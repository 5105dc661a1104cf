// The platform of tandrel.dll: the win32 adapters over the DLL's own module,
// installed by the first export called and released again as soon as
// nothing of the module is in use (no object, no lock: DllCanUnloadNow would
// answer S_OK). An add-in turned off and on again so starts afresh, and
// nothing of the platform is built or torn down in DllMain, under the loader
// lock (the window class, for one, is a USER32 call).
//
// Every call into the module comes through an export or through one of its
// objects, and an object lives only while the module is in use, so the
// exports are the only entries that can find the platform gone. All of this
// runs on the apartment's thread.
#pragma once

#include <windows.h>

namespace win32 {

// Installs the platform over `module` unless it is installed, and from now
// on lets the module's last object or lock release it.
void AcquireModulePlatform(HMODULE module);
// Releases it if the module is not in use; does nothing when it is, or when
// this did not install it.
void ReleaseModulePlatformIfUnused() noexcept;
bool ModulePlatformInstalled();

}  // namespace win32
