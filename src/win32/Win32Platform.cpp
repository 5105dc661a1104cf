#include "win32/Win32Platform.h"

namespace win32 {

Win32Platform::Win32Platform(void* module) : resources(module) {
    ports_.registry = &registry;
    ports_.text = &text;
    ports_.uuid = &uuid;
    ports_.resources = &resources;
}

}  // namespace win32
