// Every win32 adapter in one object, and the Platform that points at them.
// The DLL's entry point makes one for the life of the process; Windows test
// programs make their own.
#pragma once

#include "platform/Platform.h"
#include "win32/Win32Registry.h"
#include "win32/Win32Resources.h"
#include "win32/Win32Text.h"
#include "win32/Win32Uuid.h"

namespace win32 {

class Win32Platform {
  public:
    // `module`: the HMODULE whose resources the add-in uses.
    explicit Win32Platform(void* module);
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    const platform::Platform& ports() const { return ports_; }

    Win32Registry registry;
    Win32Text text;
    Win32Uuid uuid;
    Win32Resources resources;

  private:
    platform::Platform ports_;
};

}  // namespace win32
