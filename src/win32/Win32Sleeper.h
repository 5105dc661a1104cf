// The sleep port over Sleep.
#pragma once

#include "platform/Sleep.h"

namespace win32 {

class Win32Sleeper : public platform::Sleeper {
  public:
    void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace win32
