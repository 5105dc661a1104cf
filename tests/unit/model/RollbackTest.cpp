// A world built once and rolled back after each run (what the fuzz targets
// do): the registry's journal brings back exactly what a run changed, and a
// whole session run twice on the rolled-back world does the same twice.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "model/ModelRegistry.h"
#include "model/world/OutlookUser.h"
#include "model/world/World.h"
#include "skype/SkypeProtocol.h"
#include "util/Settings.h"

namespace {

using platform::RegistryRoot;
namespace status = platform::status;
namespace access = platform::access;

TEST(RegistryRollback, BringsBackTheTreeTheHandlesAndTheDenialsWhateverTheRunChanged) {
    const struct {
        const char* change;
        std::function<void(model::ModelRegistry&)> run;
    } cases[] = {
        {"a value set through a handle",
         [](model::ModelRegistry& r) {
             platform::RegistryKeyHandle key = 0;
             ASSERT_EQ(status::kSuccess, r.OpenKey(RegistryRoot::CurrentUser, "Software\\Tandrel",
                                                   access::kReadWrite, &key));
             const std::uint8_t data[] = {'x', 0};
             r.SetValue(key, "Kept", platform::regtype::kString, data, 2);
             r.SetValue(key, "New", platform::regtype::kString, data, 2);
             r.CloseKey(key);
         }},
        {"keys made below a new key",
         [](model::ModelRegistry& r) {
             platform::RegistryKeyHandle key = 0;
             r.CreateKey(RegistryRoot::CurrentUser, "Software\\Tandrel\\A\\B", access::kReadWrite,
                         &key);
             r.CloseKey(key);
             r.SetDword(RegistryRoot::LocalMachine, "Software\\Other", "n", 7);
         }},
        {"a value deleted",
         [](model::ModelRegistry& r) {
             platform::RegistryKeyHandle key = 0;
             r.OpenKey(RegistryRoot::CurrentUser, "Software\\Tandrel", access::kReadWrite, &key);
             EXPECT_EQ(status::kSuccess, r.DeleteValue(key, "Kept"));
             r.CloseKey(key);
             r.RemoveValue(RegistryRoot::CurrentUser, "Software\\Tandrel\\Sub", "v");
         }},
        {"a tree deleted and made again",
         [](model::ModelRegistry& r) {
             EXPECT_EQ(status::kSuccess,
                       r.DeleteTree(RegistryRoot::CurrentUser, "Software\\Tandrel"));
             r.SetString(RegistryRoot::CurrentUser, "Software\\Tandrel", "Kept", "other");
         }},
        {"handles left open and keys denied",
         [](model::ModelRegistry& r) {
             platform::RegistryKeyHandle key = 0;
             r.OpenKey(RegistryRoot::CurrentUser, "Software\\Tandrel\\Sub", access::kRead, &key);
             r.DenyWrites(RegistryRoot::CurrentUser, "Software");
         }},
        {"a .reg text loaded",
         [](model::ModelRegistry& r) {
             std::vector<std::string> errors;
             r.LoadText(
                 "REGEDIT4\n\n[-HKEY_CURRENT_USER\\Software\\Tandrel\\Sub]\n\n"
                 "[HKEY_CURRENT_USER\\Software\\Tandrel]\n\"Kept\"=-\n\"Loaded\"=dword:00000002\n",
                 &errors);
         }},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.change);
        model::ModelRegistry registry;
        registry.SetString(RegistryRoot::CurrentUser, "Software\\Tandrel", "Kept", "as it was");
        registry.SetString(RegistryRoot::CurrentUser, "Software\\Tandrel\\Sub", "v", "deep");
        platform::RegistryKeyHandle before = 0;
        registry.OpenKey(RegistryRoot::CurrentUser, "Software\\Tandrel\\Sub", access::kRead,
                         &before);
        const std::string saved = registry.SaveText();
        registry.Checkpoint();
        for (int run = 0; run < 2; ++run) {
            each.run(registry);
            registry.Rollback();
            EXPECT_EQ(saved, registry.SaveText()) << "run " << run;
            EXPECT_EQ(1u, registry.OpenHandleCount()) << "run " << run;
            std::uint32_t size = 0;
            EXPECT_EQ(status::kSuccess, registry.QueryValue(before, "v", nullptr, nullptr, &size))
                << "run " << run;
            platform::RegistryKeyHandle key = 0;
            EXPECT_EQ(status::kSuccess, registry.CreateKey(RegistryRoot::CurrentUser, "Software\\X",
                                                           access::kReadWrite, &key))
                << "writes are allowed again after run " << run;
            registry.CloseKey(key);
            registry.Rollback();
        }
    }
}

TEST(RegistryRollback, AHandleToADeletedKeyStaysStaleWhileTheCheckpointKeepsTheKey) {
    model::ModelRegistry registry;
    registry.SetString(RegistryRoot::CurrentUser, "Software\\Tandrel\\Sub", "v", "deep");
    registry.Checkpoint();
    platform::RegistryKeyHandle key = 0;
    registry.OpenKey(RegistryRoot::CurrentUser, "Software\\Tandrel\\Sub", access::kRead, &key);
    registry.DeleteTree(RegistryRoot::CurrentUser, "Software\\Tandrel");
    std::uint32_t size = 0;
    EXPECT_EQ(1018, registry.QueryValue(key, "v", nullptr, nullptr, &size));  // ERROR_KEY_DELETED
    registry.Rollback();
    registry.OpenKey(RegistryRoot::CurrentUser, "Software\\Tandrel\\Sub", access::kRead, &key);
    EXPECT_EQ(status::kSuccess, registry.QueryValue(key, "v", nullptr, nullptr, &size));
}

// One session: Outlook starts, Skype attaches, the user edits a contact's
// Skype name and calls it, Skype exits; what Skype received, in order.
std::vector<std::string> Session(model::World& world) {
    std::ostringstream told;
    model::Printer printer(told, [] { return std::uint64_t(0); });
    model::OutlookUser user(world.outlook, world, printer);
    EXPECT_TRUE(user.Start(world.outlook.contacts()));
    world.Wait(skype_protocol::kDiscoveryPeriodMs);
    EXPECT_TRUE(user.Open("Carol Nguyen"));
    EXPECT_TRUE(user.Edit("BusinessTelephoneNumber", "+1 555 0199"));
    EXPECT_TRUE(user.Select({"Alice Wonder"}));
    EXPECT_TRUE(user.Click("call"));
    world.Wait(3000);
    world.skype.Exit();
    world.platform.registry.SetString(settings::kRoot, settings::kKeyPath, "Bypass", "T");
    return world.skype.CommandTexts();
}

TEST(WorldRollback, ASessionRunTwiceOnTheRolledBackWorldDoesTheSameTwice) {
    model::World world{model::SampleMailbox()};
    world.skype.Start();
    world.platform.registry.SetBinary(settings::kRoot, settings::kKeyPath,
                                      settings::kFirstRunImport, {1});
    const std::string registry = world.platform.registry.SaveText();
    const std::uint64_t now = world.platform.desktop.Now();
    const std::size_t windows = world.platform.desktop.Windows().size();
    world.Checkpoint();

    const std::vector<std::string> first = Session(world);
    ASSERT_FALSE(first.empty());
    world.Rollback();
    EXPECT_EQ(registry, world.platform.registry.SaveText());
    EXPECT_EQ(now, world.platform.desktop.Now());
    EXPECT_EQ(windows, world.platform.desktop.Windows().size());
    EXPECT_TRUE(world.skype.IsRunning());
    EXPECT_TRUE(world.skype.Received().empty());
    EXPECT_FALSE(world.addin.connected());
    EXPECT_EQ(0u, world.outlook.explorers()->windows().size());
    EXPECT_TRUE(world.outlook.log().records().empty());
    const model::ModelItemPtr carol = world.outlook.contacts()->items().at(2);
    EXPECT_EQ(L"+1 555 0100", carol->Property("BusinessTelephoneNumber").ToText());

    EXPECT_EQ(first, Session(world));
    world.Rollback();
}

}  // namespace
