#include "ScenarioFixture.h"

#include "commandbars/Toolbar.h"
#include "model/office/ControlNames.h"
#include "model/office/ModelCommandBarText.h"
#include "office/OfficeIds.h"
#include "skype/SkypeProtocol.h"
#include "util/Settings.h"
#include "util/Trace.h"

namespace scenario_test {

ScenarioFixture::ScenarioFixture() {
    CTrace::ResetForTesting();
    skype.Start();
}

ScenarioFixture::~ScenarioFixture() { CTrace::ResetForTesting(); }

void ScenarioFixture::TearDown() {
    EXPECT_EQ(expectedCaughtExceptions, model.CaughtExceptions())
        << "exceptions stopped at the model's window or dialog procedure";
}

host::HResult ScenarioFixture::Connect() {
    const host::HResult result = world.addin.Load(outlook.applicationObject());
    Advance(skype_protocol::kDiscoveryPeriodMs);
    return result;
}

host::HResult ScenarioFixture::Disconnect() { return world.addin.Unload(); }

model::ModelExplorerPtr ScenarioFixture::StartWith(const model::ModelFolderPtr& folder) {
    SkipFirstRun();
    EXPECT_TRUE(user.Start(folder)) << told.str();
    Advance(skype_protocol::kDiscoveryPeriodMs);
    return user.explorer();
}

void ScenarioFixture::SkipFirstRun() {
    model.registry.SetBinary(settings::kRoot, settings::kKeyPath, settings::kFirstRunImport, {1});
}

model::ModelContactItemPtr ScenarioFixture::AddContact(const std::wstring& name,
                                                       const std::wstring& skypeName,
                                                       const std::wstring& mobile) {
    model::ModelOutlook::Properties properties = {{"FullName", name}, {"FileAs", name}};
    if (!mobile.empty()) properties.push_back({"MobileTelephoneNumber", mobile});
    const model::ModelContactItemPtr contact = outlook.AddContact(outlook.contacts(), properties);
    if (!skypeName.empty()) contact->AddUserProperty(L"Skype Name", host::Variant::Bstr(skypeName));
    return contact;
}

std::string ScenarioFixture::Toolbar(const model::ModelCommandBarsPtr& bars) const {
    const model::ModelCommandBarPtr bar = bars->FindBar(CToolbar::kBarName);
    return bar ? model::DescribeBar(*bar) : "(none)";
}

model::ModelCommandBarComboBoxPtr ScenarioFixture::Combo(const model::ModelCommandBarsPtr& bars,
                                                         const std::string& name) const {
    return boost::static_pointer_cast<model::ModelCommandBarComboBox>(model::FindControl(
        *bars, std::wstring(name.begin(), name.end()), office::control_type::kComboBox));
}

std::wstring ScenarioFixture::SkypeText(const model::ModelCommandBarsPtr& bars) const {
    const model::ModelCommandBarComboBoxPtr combo = Combo(bars, "skype");
    return combo ? combo->text() : L"(none)";
}

std::wstring ScenarioFixture::SkypeOutText(const model::ModelCommandBarsPtr& bars) const {
    const model::ModelCommandBarComboBoxPtr combo = Combo(bars, "skypeout");
    return combo ? combo->text() : L"(none)";
}

std::vector<std::string> ScenarioFixture::CommandsStartingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const std::string& command : skype.CommandTexts()) {
        if (command.compare(0, prefix.size(), prefix) == 0) matching.push_back(command);
    }
    return matching;
}

}  // namespace scenario_test
