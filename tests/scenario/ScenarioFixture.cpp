#include "ScenarioFixture.h"

#include "commandbars/Toolbar.h"
#include "model/office/ModelCommandBarText.h"
#include "skype/SkypeProtocol.h"
#include "util/Settings.h"

namespace scenario_test {

model::ModelCommandBarComboBoxPtr ScenarioFixture::Combo(const model::ModelCommandBarsPtr& bars,
                                                         int position) const {
    const model::ModelCommandBarPtr bar = bars->FindBar(CToolbar::kBarName);
    if (!bar) return model::ModelCommandBarComboBoxPtr();
    return boost::dynamic_pointer_cast<model::ModelCommandBarComboBox>(
        bar->controls()->controls().at(position - 1));
}

ScenarioFixture::ScenarioFixture() : entry(addin::CreateAddIn()) { skype.Start(); }

ScenarioFixture::~ScenarioFixture() { entry.DisconnectIfConnected(); }

host::HResult ScenarioFixture::Connect() {
    const host::HResult result =
        entry.OnConnection(outlook.applicationObject(), addin::connect_mode::kStartup, nullptr);
    Advance(skype_protocol::kDiscoveryPeriodMs);
    return result;
}

host::HResult ScenarioFixture::Disconnect() {
    return entry.OnDisconnection(addin::disconnect_mode::kHostShutdown);
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

std::wstring ScenarioFixture::SkypeText(const model::ModelCommandBarsPtr& bars) const {
    const model::ModelCommandBarComboBoxPtr combo = Combo(bars, 1);
    return combo ? combo->text() : L"(none)";
}

std::wstring ScenarioFixture::SkypeOutText(const model::ModelCommandBarsPtr& bars) const {
    const model::ModelCommandBarComboBoxPtr combo = Combo(bars, 4);
    return combo ? combo->text() : L"(none)";
}

void ScenarioFixture::ClickToolbar(const model::ModelCommandBarsPtr& bars, int position) {
    boost::dynamic_pointer_cast<model::ModelCommandBarButton>(
        bars->FindBar(CToolbar::kBarName)->controls()->controls().at(position - 1))
        ->Click();
}

void ScenarioFixture::SkypeStatus(const std::string& word) { skype.SetConnectionStatus(word); }

}  // namespace scenario_test
