// The Outlook user every host shares, in the model world: how it names
// controls, what its checks compare, what it does without Outlook, and
// what the world shows it (dialogs drawn, Skype's commands in order).
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "model/world/OutlookUser.h"
#include "model/world/World.h"
#include "resources/DialogIds.h"
#include "skype/SkypeProtocol.h"
#include "util/Settings.h"
#include "util/Trace.h"

namespace {

class OutlookUserTest : public ::testing::Test {
  protected:
    OutlookUserTest() {
        CTrace::ResetForTesting();
        world.ReportTo(printer);
        world.skype.Start();
        world.platform.registry.SetBinary(settings::kRoot, settings::kKeyPath,
                                          settings::kFirstRunImport, {1});
    }
    ~OutlookUserTest() override { CTrace::ResetForTesting(); }

    // Outlook on the Contacts, Skype attached, `name` selected.
    void StartAndSelect(const std::string& name) {
        ASSERT_TRUE(user.Start(world.outlook.contacts())) << told.str();
        world.Wait(skype_protocol::kDiscoveryPeriodMs);
        ASSERT_TRUE(user.Select({name})) << told.str();
    }
    // What was told since the last call.
    std::string Told() {
        const std::string text = told.str().substr(toldBefore);
        toldBefore = told.str().size();
        return text;
    }

    model::World world{model::SampleMailbox()};
    std::ostringstream told;
    std::size_t toldBefore = 0;
    model::Printer printer{told, [this]() { return world.platform.desktop.Now(); }};
    model::OutlookUser user{world.outlook, world, printer};
};

TEST_F(OutlookUserTest, ClicksFindTheOpenMenuFirstThenTheToolbarByNameOrWord) {
    StartAndSelect("Alice Wonder");
    const struct {
        const char* name;
        bool rightClickFirst;
        const char* skypeReceives;  // null: the click fails
        const char* told;
    } cases[] = {
        {"call", false, "CALL alice.wonder", "The user clicks \"call\"\n"},
        {"CHAT", false, "OPEN IM alice.wonder", "The user clicks \"CHAT\"\n"},
        {"Send a Skype Instant Message to Contact", false, "OPEN IM alice.wonder", "clicks"},
        {"call contact via skype", true, "CALL alice.wonder",
         "clicks \"call contact via skype\" in the context menu\n"},
        // Only the open menu has it.
        {"Call Contact via Skype", false, nullptr,
         "error: no control \"Call Contact via Skype\" in the toolbar, the context menu or the "
         "add-in's windows\n"},
        {"Skype", false, nullptr, "no control"},  // a combo box is not clicked
        {"Help", false, nullptr, "no control"},   // nor a popup
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        if (each.rightClickFirst) {
            ASSERT_TRUE(user.RightClick());
        }
        Told();
        EXPECT_EQ(each.skypeReceives != nullptr, user.Click(each.name));
        EXPECT_NE(std::string::npos, Told().find(each.told));
        if (each.skypeReceives) {
            EXPECT_TRUE(world.SkypeReceives(each.skypeReceives));
        }
    }
    // A click in the menu closes it, as Office does.
    EXPECT_FALSE(user.ExpectMenu("Call Contact via Skype"));
    EXPECT_NE(std::string::npos, Told().find("error: no context menu is open"));
}

TEST_F(OutlookUserTest, ChecksCompareWhatTheWindowInFrontShowsAndSayWhyNot) {
    StartAndSelect("Alice Wonder");
    const struct {
        const char* name;
        std::function<bool(model::OutlookUser&)> check;
        bool passes;
        const char* why;
    } cases[] = {
        {"combo text begins so",
         [](model::OutlookUser& u) { return u.ExpectCombo("Skype:", "alice.wonder"); }, true, ""},
        {"combo shows another", [](model::OutlookUser& u) { return u.ExpectCombo("skype", "bob"); },
         false, "the skype box shows \"alice.wonder (Online)\", not a text beginning with \"bob\""},
        {"no such combo", [](model::OutlookUser& u) { return u.ExpectCombo("call", ""); }, false,
         "no combo box \"call\" in the window in front"},
        {"menu not open", [](model::OutlookUser& u) { return u.ExpectMenu("&Open"); }, false,
         "no context menu is open"},
        {"menu entry", [](model::OutlookUser& u) { return u.RightClick() && u.ExpectMenu("open"); },
         true, ""},
        {"no such entry", [](model::OutlookUser& u) { return u.ExpectMenu("Call"); }, false,
         "no entry \"Call\" in the context menu"},
        {"no item open", [](model::OutlookUser& u) { return u.ExpectField("FullName"); }, false,
         "no item window is open"},
        {"a field the add-in added",
         [](model::OutlookUser& u) { return u.Open("Dan Nobody") && u.ExpectField("Skype Name"); },
         true, ""},
        {"an own field", [](model::OutlookUser& u) { return u.ExpectField("FullName"); }, true, ""},
        {"no such field", [](model::OutlookUser& u) { return u.ExpectField("Nickname"); }, false,
         "\"Dan Nobody\" has no field \"Nickname\""},
        {"the item window's combo",
         [](model::OutlookUser& u) { return u.ExpectCombo("skype", "Enter a skype name"); }, true,
         ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        Told();
        EXPECT_EQ(each.passes, each.check(user));
        const std::string text = Told();
        EXPECT_EQ(!each.passes, text.find("error: ") != std::string::npos) << text;
        EXPECT_NE(std::string::npos, text.find(each.why)) << text;
    }
}

TEST_F(OutlookUserTest, WithoutOutlookEveryActionSaysSoAndStartingCanFail) {
    const std::vector<std::function<bool()>> actions = {
        [this] { return user.SwitchFolder("Inbox"); },
        [this] { return user.Select({}); },
        [this] { return user.Open("Call us"); },
        [this] { return user.CloseItem(); },
        [this] { return user.RightClick(); },
        [this] { return user.Click("call"); },
        [this] { return user.Type("skype", "x"); },
        [this] { return user.Edit("Subject", "x"); },
        [this] { return user.ExpectCombo("skype", ""); },
    };
    for (const auto& action : actions) {
        Told();
        EXPECT_FALSE(action());
        EXPECT_EQ("error: Outlook is not running (use \"outlook start\")\n", Told());
    }
    // The add-in's client alone is running: Outlook's add-in cannot start.
    world.StartClient();
    Told();
    EXPECT_FALSE(user.Start());
    EXPECT_FALSE(user.Running());
    EXPECT_NE(std::string::npos, Told().find("error: stop the Skype client first"));
    EXPECT_TRUE(world.outlook.explorers()->windows().empty());
    world.StopClient();
    EXPECT_TRUE(user.Start());
    EXPECT_TRUE(user.Running());
}

TEST_F(OutlookUserTest, ADialogIsDrawnWhenItOpensAndWhatChangedWhenItCloses) {
    StartAndSelect("Bob Builder");
    user.ActInDialog({model::DialogAction::Select(ids::kCountryList, "United Kingdom"),
                      model::DialogAction::Click(ids::kOkButton)});
    Told();
    ASSERT_TRUE(user.Click("skypeout"));
    const std::string text = Told();
    std::size_t at = 0;
    for (const char* line :
         {"The country chooser opens\n", "  dialog \"Tandrel Information\"\n",
          "  4 sorted list 217 137 items, selected nothing\n",
          "  7 default button 1 \"OK\" disabled\n", "The country chooser closes  [OK]\n",
          "  4 sorted list 217 137 items, selected \"United Kingdom\"\n",
          "  7 default button 1 \"OK\"\n", "Tandrel -> Skype: CALL +441614960000\n"}) {
        const std::size_t found = text.find(line, at);
        ASSERT_NE(std::string::npos, found) << line << " after " << at << " in\n" << text;
        at = found + 1;
    }
    // Lines that did not change are not drawn again.
    EXPECT_EQ(std::string::npos, text.find("1 group", text.find("closes")));
}

TEST_F(OutlookUserTest, SkypesCommandsAreExpectedInTheOrderTheyCame) {
    ASSERT_TRUE(user.Start());
    world.Wait(skype_protocol::kDiscoveryPeriodMs);
    EXPECT_TRUE(world.SkypeReceives("PROTOCOL"));
    EXPECT_FALSE(world.SkypeReceives("NAME Tandrel"));  // came before the last matched
    EXPECT_TRUE(world.SkypeReceives("GET CONNSTATUS"));
    EXPECT_FALSE(world.SkypeReceives("GET CONNSTATUS"));  // once only
    world.skype.ClearReceived();
    EXPECT_FALSE(world.SkypeReceives("GET"));
}

}  // namespace
