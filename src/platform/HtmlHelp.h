// HTML Help port: HtmlHelpA of the system's HTML Help control, loaded on
// first use and kept. When the control cannot be loaded (or has no HtmlHelpA)
// that is remembered, and every call answers 0 without trying again.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

namespace hh {
constexpr unsigned kDisplayTopic = 0;  // HH_DISPLAY_TOPIC
}  // namespace hh

class HtmlHelp {
  public:
    virtual ~HtmlHelp() = default;
    // HtmlHelpA(owner, file, command, data): the viewer's window, or 0.
    virtual WindowHandle Call(WindowHandle owner, const std::string& file, unsigned command,
                              std::uintptr_t data) = 0;
};

}  // namespace platform
