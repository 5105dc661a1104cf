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

void PumpMessages(std::uint32_t ms) {
    const ULONGLONG deadline = GetTickCount64() + ms;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
    }
}

std::uint64_t ClockMs() { return GetTickCount64(); }

platform::ProcessId OwnProcessId() { return GetCurrentProcessId(); }

std::string OwnImagePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

std::string OwnImageName() {
    const std::string path = OwnImagePath();
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace contract
