// Sleep port: blocks the calling thread (no messages are dispatched).
#pragma once

#include <cstdint>

namespace platform {

class Sleeper {
  public:
    virtual ~Sleeper() = default;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace platform
