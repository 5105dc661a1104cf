// The internet port over WinInet.
#pragma once

#include "platform/Internet.h"

namespace win32 {

class Win32Internet : public platform::Internet {
  public:
    platform::InternetHandle OpenSession(const std::string& agent, std::uint32_t accessType,
                                         std::uint32_t flags) override;
    bool SetNumberOption(platform::InternetHandle handle, std::uint32_t option,
                         std::uint32_t value) override;
    platform::InternetHandle OpenUrl(platform::InternetHandle session, const std::string& url,
                                     std::uint32_t flags) override;
    bool Read(platform::InternetHandle request, char* buffer, std::uint32_t size,
              std::uint32_t* read) override;
    bool Close(platform::InternetHandle handle) override;
};

}  // namespace win32
