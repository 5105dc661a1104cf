#include "win32/server/ModulePlatform.h"

#include "platform/Platform.h"
#include "win32/Win32Platform.h"
#include "win32/com/ModuleUsage.h"

namespace win32 {

namespace {
// Not a static object: nothing of it may be destroyed at process exit,
// under the loader lock.
Win32Platform* g_platform = nullptr;
}  // namespace

void AcquireModulePlatform(HMODULE module) {
    if (g_platform) {
        return;
    }
    g_platform = new Win32Platform(module);
    platform::Install(g_platform->ports());
    ModuleUsage::WhenUnused(&ReleaseModulePlatformIfUnused);
}

void ReleaseModulePlatformIfUnused() noexcept {
    if (!g_platform || ModuleUsage::InUse()) {
        return;
    }
    Win32Platform* released = g_platform;
    g_platform = nullptr;
    platform::Install(platform::Platform());
    delete released;
}

bool ModulePlatformInstalled() { return g_platform != nullptr; }

}  // namespace win32
