#include "platform/Platform.h"

#include <stdexcept>

namespace platform {
namespace {

Platform g_installed;

template <typename Port>
Port& Require(Port* port, const char* name) {
    if (port == nullptr) {
        throw std::logic_error(std::string("no platform port installed: ") + name);
    }
    return *port;
}

}  // namespace

ScopedPlatform::ScopedPlatform(const Platform& ports) : previous_(g_installed) {
    g_installed = ports;
}

ScopedPlatform::~ScopedPlatform() { g_installed = previous_; }

void Install(const Platform& ports) { g_installed = ports; }

const Platform& Installed() { return g_installed; }

Registry& registry() { return Require(g_installed.registry, "registry"); }
Text& text() { return Require(g_installed.text, "text"); }
UuidSource& uuid() { return Require(g_installed.uuid, "uuid"); }
Resources& resources() { return Require(g_installed.resources, "resources"); }
Windowing& windowing() { return Require(g_installed.windowing, "windowing"); }
Processes& processes() { return Require(g_installed.processes, "processes"); }
Shell& shell() { return Require(g_installed.shell, "shell"); }
Ui& ui() { return Require(g_installed.ui, "ui"); }
Sleeper& sleeper() { return Require(g_installed.sleeper, "sleeper"); }
Internet& internet() { return Require(g_installed.internet, "internet"); }
HtmlHelp& htmlHelp() { return Require(g_installed.htmlHelp, "html help"); }
Pictures& pictures() { return Require(g_installed.pictures, "pictures"); }

}  // namespace platform
