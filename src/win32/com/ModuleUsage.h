// The COM objects of this module that are alive and the locks its class
// factories hold: while there is any, DllCanUnloadNow says the module is
// in use (a client may still call into its code).
#pragma once

namespace win32 {

class ModuleUsage {
  public:
    static void ObjectCreated();
    static void ObjectDestroyed();
    // IClassFactory::LockServer. Unlock answers false when nothing was locked.
    static void Lock();
    static bool Unlock();
    static bool InUse();

    // Called each time the last object goes or the last lock is let go, so
    // that the DLL can let go of what it made for its use (its platform).
    // Null, as it starts, for nothing.
    static void WhenUnused(void (*unused)());
};

}  // namespace win32
