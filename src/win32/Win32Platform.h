// Every win32 adapter in one object, and the Platform that points at them.
// The DLL's entry point makes one for the life of the process; Windows test
// programs make their own.
#pragma once

#include "platform/Platform.h"
#include "win32/Win32HtmlHelp.h"
#include "win32/Win32Internet.h"
#include "win32/Win32Pictures.h"
#include "win32/Win32Processes.h"
#include "win32/Win32Registry.h"
#include "win32/Win32Resources.h"
#include "win32/Win32Shell.h"
#include "win32/Win32Sleeper.h"
#include "win32/Win32Text.h"
#include "win32/Win32Ui.h"
#include "win32/Win32Uuid.h"
#include "win32/Win32Windowing.h"

namespace win32 {

class Win32Platform {
  public:
    // `module`: the HMODULE whose resources (strings, dialog templates,
    // bitmaps) the add-in uses and for which its window class is registered.
    explicit Win32Platform(void* module);
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    const platform::Platform& ports() const { return ports_; }

    Win32Registry registry;
    Win32Text text;
    Win32Uuid uuid;
    Win32Resources resources;
    Win32Windowing windowing;
    Win32Processes processes;
    Win32Shell shell;
    Win32Ui ui;
    Win32Sleeper sleeper;
    Win32Internet internet;
    Win32HtmlHelp htmlHelp;
    Win32Pictures pictures;

  private:
    platform::Platform ports_;
};

}  // namespace win32
