// The processes port over PSAPI and USER32: EnumProcesses, OpenProcess,
// EnumProcessModules, GetModuleBaseNameA and GetWindowThreadProcessId.
#pragma once

#include "platform/Processes.h"

namespace win32 {

class Win32Processes : public platform::Processes {
  public:
    bool FindProcess(const ModuleTest& test, platform::ProcessId* found) override;
    bool ModuleNameOf(platform::ProcessId process, std::string* name) override;
    platform::ProcessId WindowProcess(platform::WindowHandle window) override;
};

}  // namespace win32
