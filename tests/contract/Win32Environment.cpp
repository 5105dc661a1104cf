#include <windows.h>

#include "contract/ContractEnvironment.h"
#include "win32/Win32Platform.h"

namespace contract {

namespace {
win32::Win32Platform& Win32() {
    // The test program carries the same resources as tandrel.dll.
    static win32::Win32Platform instance(GetModuleHandleW(nullptr));
    return instance;
}
}  // namespace

const platform::Platform& Ports() { return Win32().ports(); }

std::string AdapterName() { return "win32"; }

}  // namespace contract
