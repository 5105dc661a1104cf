// Shell port: ShellExecuteA.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

namespace show {
constexpr int kNormal = 1;     // SW_SHOWNORMAL
constexpr int kMinimized = 2;  // SW_SHOWMINIMIZED
}  // namespace show

class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteA(owner, verb, file, parameters, directory, show). An empty
    // verb, parameters or directory is passed as null. Greater than 32 on
    // success, as Windows answers.
    virtual std::intptr_t Execute(WindowHandle owner, const std::string& verb,
                                  const std::string& file, const std::string& parameters,
                                  const std::string& directory, int showCommand) = 0;
};

}  // namespace platform
