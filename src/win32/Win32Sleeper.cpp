#include "win32/Win32Sleeper.h"

#include <windows.h>

namespace win32 {

void Win32Sleeper::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace win32
