// Outlook with the add-in loaded, end to end: the model world (an empty
// mailbox, the model Skype running with its sample users) and its Outlook
// user. Tests act as Outlook and its user would and read what the user
// sees (the command bars as text, message boxes), what Skype received and
// what the settings hold.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/world/OutlookUser.h"
#include "model/world/World.h"

namespace scenario_test {

class ScenarioFixture : public ::testing::Test {
  protected:
    ScenarioFixture();
    ~ScenarioFixture() override;
    // Fails the test when the model's edges caught other than
    // `expectedCaughtExceptions` exceptions.
    void TearDown() override;

    // Outlook loads the add-in; Skype attaches while the clock runs.
    host::HResult Connect();
    host::HResult Disconnect();

    // The user starts Outlook with its window on `folder` (the help offered
    // before); Skype attaches while the clock runs.
    model::ModelExplorerPtr StartWith(const model::ModelFolderPtr& folder);
    // "FirstRunImport" present, so that no offer of help gets in the way.
    void SkipFirstRun();
    // A contact in the Contacts folder; `skypeName` (when not empty) in its
    // "Skype Name" field.
    model::ModelContactItemPtr AddContact(const std::wstring& name, const std::wstring& skypeName,
                                          const std::wstring& mobile = L"");
    // The window's "tandrel" bar as text; "(none)" when there is none.
    std::string Toolbar(const model::ModelCommandBarsPtr& bars) const;
    // The window's combo box of that name ("skype", "skypeout": the rule
    // the user finds controls by), or null.
    model::ModelCommandBarComboBoxPtr Combo(const model::ModelCommandBarsPtr& bars,
                                            const std::string& name) const;
    // The text of the Skype combo and the SkypeOut combo of those bars.
    std::wstring SkypeText(const model::ModelCommandBarsPtr& bars) const;
    std::wstring SkypeOutText(const model::ModelCommandBarsPtr& bars) const;
    // Skype's connection status as it tells the add-in.
    void SkypeStatus(const std::string& word) { skype.SetConnectionStatus(word); }
    void Advance(std::uint64_t ms) { model.desktop.Advance(ms); }
    // The commands the model Skype received that start with `prefix`.
    std::vector<std::string> CommandsStartingWith(const std::string& prefix) const;

    model::World world;
    model::ModelPlatform& model = world.platform;
    model::ModelSkype& skype = world.skype;
    model::ModelOutlook& outlook = world.outlook;
    std::size_t expectedCaughtExceptions = 0;
    // What the user's actions told (a failed one says why).
    std::ostringstream told;
    model::Printer printer{told, [this]() { return model.desktop.Now(); }};
    model::OutlookUser user{outlook, world, printer};
};

}  // namespace scenario_test
