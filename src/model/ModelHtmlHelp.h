// The model's HTML Help: records every call and opens a viewer for the help
// files a test installs. `controlMissing` plays a system whose help control
// cannot be loaded: nothing is shown and nothing reaches the viewer.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/HtmlHelp.h"

namespace model {

class ModelHtmlHelp : public platform::HtmlHelp {
  public:
    platform::WindowHandle Call(platform::WindowHandle owner, const std::string& file,
                                unsigned command, std::uintptr_t data) override;

    struct Record {
        platform::WindowHandle owner;
        std::string file;
        unsigned command;
        std::uintptr_t data;
    };
    // The calls that reached the viewer, in order.
    std::vector<Record> calls;
    // Compiled help files that exist (matched without regard to case, up to
    // the "::" that starts a topic).
    std::set<std::string> helpFiles;
    bool controlMissing = false;
    platform::WindowHandle viewer = 0x000A0B0C;
};

}  // namespace model
