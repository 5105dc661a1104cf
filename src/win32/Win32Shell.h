// The shell port over ShellExecuteA.
#pragma once

#include "platform/Shell.h"

namespace win32 {

class Win32Shell : public platform::Shell {
  public:
    std::intptr_t Execute(platform::WindowHandle owner, const std::string& verb,
                          const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand) override;
};

}  // namespace win32
