// The DLL's platform: installed by the first export, kept while an object
// or a lock of the module lives, released by the last of them (run over
// this program's own module, as the DLL runs it over its own).
#include <gtest/gtest.h>

#include <windows.h>
// The COM headers need <windows.h> first.
#include <wrl/client.h>

#include <functional>

#include "addin/ServerIds.h"
#include "platform/Platform.h"
#include "win32/Win32Platform.h"
#include "win32/com/ComGuid.h"
#include "win32/server/AddInClassFactory.h"
#include "win32/server/ModulePlatform.h"

namespace {

using Microsoft::WRL::ComPtr;

ComPtr<IClassFactory> NewFactory() {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(S_OK, win32::GetAddInClassObject(win32::ToNativeGuid(addin::kCLSID_Connect),
                                               IID_IClassFactory,
                                               reinterpret_cast<void**>(factory.GetAddressOf()),
                                               [] { return addin::ExtensibilityPtr(); }));
    return factory;
}

TEST(ModulePlatform, LivesWhileTheModuleIsInUse) {
    const HMODULE module = GetModuleHandleW(nullptr);
    ASSERT_EQ(S_OK, win32::CanUnloadServer());
    ASSERT_FALSE(win32::ModulePlatformInstalled());
    ComPtr<IClassFactory> factory, other;
    const platform::Registry* first = nullptr;
    const struct {
        const char* step;
        std::function<void()> act;
        bool installed;
    } steps[] = {
        {"an export is called", [&] { win32::AcquireModulePlatform(module); }, true},
        {"nothing alive when it ends", [] { win32::ReleaseModulePlatformIfUnused(); }, false},
        {"another export",
         [&] {
             win32::AcquireModulePlatform(module);
             first = platform::Installed().registry;
         },
         true},
        {"and another, within it: the same platform",
         [&] {
             win32::AcquireModulePlatform(module);
             EXPECT_EQ(first, platform::Installed().registry);
         },
         true},
        {"it made a factory", [&] { factory = NewFactory(); }, true},
        {"which outlives the export", [] { win32::ReleaseModulePlatformIfUnused(); }, true},
        {"the module is locked", [&] { EXPECT_EQ(S_OK, factory->LockServer(TRUE)); }, true},
        {"the factory goes, the lock stays", [&] { factory.Reset(); }, true},
        {"a second factory unlocks", [&] { (other = NewFactory())->LockServer(FALSE); }, true},
        {"the last object goes", [&] { other.Reset(); }, false},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(s.installed, win32::ModulePlatformInstalled()) << s.step;
        EXPECT_EQ(s.installed, platform::Installed().registry != nullptr) << s.step;
    }

    // A platform installed by anyone else is not the module's to release.
    win32::Win32Platform own(module);
    platform::ScopedPlatform installed(own.ports());
    win32::ReleaseModulePlatformIfUnused();
    EXPECT_EQ(&own.registry, platform::Installed().registry);
}

}  // namespace
