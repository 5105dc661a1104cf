#include "win32/Win32Platform.h"

namespace win32 {

Win32Platform::Win32Platform(void* module)
    : resources(module), windowing(module), ui(module), pictures(module) {
    ports_.registry = &registry;
    ports_.text = &text;
    ports_.uuid = &uuid;
    ports_.resources = &resources;
    ports_.windowing = &windowing;
    ports_.processes = &processes;
    ports_.shell = &shell;
    ports_.ui = &ui;
    ports_.sleeper = &sleeper;
    ports_.internet = &internet;
    ports_.htmlHelp = &htmlHelp;
    ports_.pictures = &pictures;
}

}  // namespace win32
