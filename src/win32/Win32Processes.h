// The processes port over PSAPI: EnumProcesses, OpenProcess,
// EnumProcessModules and GetModuleBaseNameA.
#pragma once

#include "platform/Processes.h"

namespace win32 {

class Win32Processes : public platform::Processes {
  public:
    bool ListModuleNames(std::vector<std::string>* names) override;
};

}  // namespace win32
