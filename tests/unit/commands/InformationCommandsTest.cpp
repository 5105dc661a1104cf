// The Help menu's commands and the buy button: what each opens, shows or
// asks the help viewer for, in the model.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/InformationCommands.h"
#include "dialogs/AboutDialog.h"
#include "support/DialogScript.h"
#include "support/ModelFixture.h"
#include "util/Settings.h"

namespace {

using platform::RegistryRoot;

class InformationCommands : public testing_support::ModelFixture {};

TEST_F(InformationCommands, HelpAsksTheViewerForATopicOfTheStoredHelpFile) {
    const std::string path600 = "C:\\" + std::string(593, 'h') + "\\x.chm";
    const std::string path1100 = "C:\\" + std::string(1093, 'h') + "\\x.chm";
    const struct {
        const char* name;
        void (*command)();
        std::string location;  // "": no "HelpLocation"
        bool controlMissing;
        std::string asked;  // "": the viewer is not asked
    } cases[] = {
        {"start page", commands::Help, "C:\\Help\\x.chm", false, "C:\\Help\\x.chm::/index.htm"},
        {"first run", commands::FirstRunHelp, "C:\\Help\\x.chm", false,
         "C:\\Help\\x.chm::/skypecall.htm"},
        {"a long path", commands::Help, path600, false, path600 + "::/index.htm"},
        {"a path beyond the settings' read buffer", commands::Help, path1100, false, ""},
        {"no location", commands::Help, "", false, ""},
        {"no location, first run", commands::FirstRunHelp, "", false, ""},
        {"no help control", commands::Help, "C:\\Help\\x.chm", true, ""},
    };
    for (const auto& each : cases) {
        model.registry.DeleteTree(RegistryRoot::CurrentUser, settings::kKeyPath);
        if (!each.location.empty()) {
            model.registry.SetString(RegistryRoot::CurrentUser, settings::kKeyPath,
                                     settings::kHelpLocation, each.location);
        }
        model.htmlHelp.controlMissing = each.controlMissing;
        model.htmlHelp.calls.clear();
        each.command();
        if (each.asked.empty()) {
            EXPECT_TRUE(model.htmlHelp.calls.empty()) << each.name;
            continue;
        }
        ASSERT_EQ(1u, model.htmlHelp.calls.size()) << each.name;
        const auto& call = model.htmlHelp.calls[0];
        EXPECT_EQ(each.asked, call.file) << each.name;
        EXPECT_EQ(platform::kNoWindow, call.owner) << each.name;
        EXPECT_EQ(platform::hh::kDisplayTopic, call.command) << each.name;
        EXPECT_EQ(0u, call.data) << each.name;
    }
    EXPECT_TRUE(model.ui.messageBoxes.empty());  // help reports nothing
}

TEST_F(InformationCommands, ContactUsAndBuyOpenTheirAddressesThroughTheShell) {
    commands::ContactUs();
    commands::BuySkypeOutCredit();
    ASSERT_EQ(2u, model.shell.executions.size());
    EXPECT_EQ("mailto:support@tandrel.example?subject=Question about Tandrel",
              model.shell.executions[0].file);
    EXPECT_EQ("https://www.tandrel.example/buy-skypeout", model.shell.executions[1].file);
    for (const auto& execution : model.shell.executions) {
        EXPECT_EQ(platform::kNoWindow, execution.owner);
        EXPECT_EQ("", execution.verb);  // the default verb
        EXPECT_EQ("", execution.parameters);
        EXPECT_EQ("", execution.directory);
        EXPECT_EQ(platform::show::kNormal, execution.showCommand);
    }
}

TEST_F(InformationCommands, AboutShowsTheVersionOnWhiteUntilEnterOrEscape) {
    const struct {
        std::optional<std::string> fileVersion;
        model::DialogAction action;
        std::string shown;
        std::intptr_t result;
    } cases[] = {
        {std::string("2.1.0.5"), testing_support::EnterKey(), "Version 2.1.0.5", 1},
        {std::string("2.1"), testing_support::CloseBox(), "Version 2.1.0.0", 2},
        {std::string("3, 0, 1, 7"), testing_support::EnterKey(), "Version 3.0.0.0", 1},
        {std::nullopt, testing_support::CloseBox(), "Version 0.0.0.0", 2},
    };
    model.ui.activeWindow = 0x00070A0B;
    for (const auto& each : cases) {
        model.resources.fileVersion = each.fileVersion;
        model.ui.QueueDialogScript({each.action});
        commands::About();
        const auto& shown = model.ui.dialogs.back();
        EXPECT_EQ(CAboutDialog::kTemplateId, shown.templateId);
        EXPECT_EQ(0x00070A0Bu, shown.owner);
        EXPECT_EQ(each.result, shown.result) << each.shown;
        EXPECT_FALSE(shown.stuck);
        EXPECT_EQ(each.shown, shown.controls.at(CAboutDialog::kVersionLine).text);
        EXPECT_TRUE(shown.whiteStatics);
    }
}

}  // namespace
