// The seam between the portable core and the outside world: one Platform
// object per process, holding the port implementations. The DLL's entry
// point installs the win32 adapters; tests and the simulator install model
// adapters through ScopedPlatform. Everything runs on one thread.
//
// Ports a build does not provide stay null; asking for one throws
// std::logic_error, which points straight at the missing installation.
#pragma once

#include "platform/HtmlHelp.h"
#include "platform/Internet.h"
#include "platform/Pictures.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/Shell.h"
#include "platform/Sleep.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "platform/Uuid.h"
#include "platform/Windowing.h"

namespace platform {

struct Platform {
    Registry* registry = nullptr;
    Text* text = nullptr;
    UuidSource* uuid = nullptr;
    Resources* resources = nullptr;
    Windowing* windowing = nullptr;
    Processes* processes = nullptr;
    Shell* shell = nullptr;
    Ui* ui = nullptr;
    Sleeper* sleeper = nullptr;
    Internet* internet = nullptr;
    HtmlHelp* htmlHelp = nullptr;
    Pictures* pictures = nullptr;
};

// Installs `ports` for the lifetime of this object and puts back whatever
// was installed before.
class ScopedPlatform {
  public:
    explicit ScopedPlatform(const Platform& ports);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

  private:
    Platform previous_;
};

// Installs `ports` for the rest of the process (the DLL's entry point).
void Install(const Platform& ports);
const Platform& Installed();

Registry& registry();
Text& text();
UuidSource& uuid();
Resources& resources();
Windowing& windowing();
Processes& processes();
Shell& shell();
Ui& ui();
Sleeper& sleeper();
Internet& internet();
HtmlHelp& htmlHelp();
Pictures& pictures();

}  // namespace platform
