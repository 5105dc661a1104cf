// The options page, driven through the model's dialog 109 as a user would
// drive it, from every state the settings can be in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/InformationCommands.h"
#include "dialogs/OptionsDialog.h"
#include "model/CountryList.h"
#include "support/DialogScript.h"
#include "support/ModelFixture.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

namespace {

using platform::RegistryRoot;
using testing_support::Click;
using testing_support::CloseBox;
using testing_support::EnterKey;
using testing_support::SelectCountry;
using Dialog = COptionsDialog;

constexpr char kAbsent[] = "(absent)";

// The settings the page edits, as their text; "(absent)" when missing.
struct Settings {
    std::string countryCode = kAbsent;
    std::string autoPrefix = kAbsent;
    std::string skypeName = kAbsent;
    std::string bypass = kAbsent;
    std::string screenPop = kAbsent;
    std::string classicToolbar = kAbsent;
    std::string callVia = kAbsent;
};
bool operator==(const Settings& a, const Settings& b) {
    return a.countryCode == b.countryCode && a.autoPrefix == b.autoPrefix &&
           a.skypeName == b.skypeName && a.bypass == b.bypass && a.screenPop == b.screenPop &&
           a.classicToolbar == b.classicToolbar && a.callVia == b.callVia;
}
std::ostream& operator<<(std::ostream& out, const Settings& s) {
    return out << "CountryCode " << s.countryCode << ", AutoPrefix " << s.autoPrefix
               << ", SkypeName " << s.skypeName << ", Bypass " << s.bypass << ", ScreenPop "
               << s.screenPop << ", ClassicToolbar " << s.classicToolbar << ", CallVia "
               << s.callVia;
}
// What OK stores for the new switches when nothing was stored or touched.
constexpr char kOn[] = "T";
constexpr char kApi[] = "api";

class OptionsPage : public testing_support::ModelFixture {
  protected:
    void Store(const Settings& settings, bool countryList) {
        if (countryList) model::InstallCountryList(model.registry);
        auto put = [&](const char* name, const std::string& text) {
            if (text == kAbsent) return;
            if (text == "T" || text == "F") {
                model.registry.SetBinary(RegistryRoot::CurrentUser, settings::kKeyPath, name,
                                         {static_cast<std::uint8_t>(text == "T")});
            } else if (name == std::string(settings::kCallVia)) {
                model.registry.SetString(RegistryRoot::CurrentUser, settings::kKeyPath, name, text);
            } else {
                model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath, name,
                                        static_cast<std::uint32_t>(std::stoi(text)));
            }
        };
        put(settings::kCountryCode, settings.countryCode);
        put(settings::kAutoPrefix, settings.autoPrefix);
        put(settings::kSkypeName, settings.skypeName);
        put(settings::kBypass, settings.bypass);
        put(settings::kScreenPop, settings.screenPop);
        put(settings::kClassicToolbar, settings.classicToolbar);
        put(settings::kCallVia, settings.callVia);
    }
    Settings Stored() {
        auto get = [](const char* name) {
            CRegistryValuePtr value = settings::Read(name);
            return value ? value->GetText() : std::string(kAbsent);
        };
        return Settings{get(settings::kCountryCode), get(settings::kAutoPrefix),
                        get(settings::kSkypeName),   get(settings::kBypass),
                        get(settings::kScreenPop),   get(settings::kClassicToolbar),
                        get(settings::kCallVia)};
    }
    std::intptr_t Show(std::vector<model::DialogAction> script) {
        model.ui.QueueDialogScript(std::move(script));
        Dialog dialog;
        return dialog.DoModal();
    }
    const model::ModelUi::ControlState& Control(int id) {
        return model.ui.dialogs.back().controls.at(id);
    }
};

TEST_F(OptionsPage, OpensShowingTheStoredSettings) {
    const struct {
        const char* name;
        Settings stored;
        bool countryList;
        std::string selected;
        bool alwaysUseEnabled, alwaysUse, skypeName, bypass;
    } cases[] = {
        {"nothing stored", {}, true, "", false, false, true, false},
        {"a country", {"44"}, true, "United Kingdom", true, false, true, false},
        {"always use", {"44", "T"}, true, "United Kingdom", true, true, true, false},
        {"not always", {"44", "F"}, true, "United Kingdom", true, false, true, false},
        {"always use without a country", {kAbsent, "T"}, true, "", false, true, true, false},
        {"no Skype Name", {kAbsent, kAbsent, "F"}, true, "", false, false, false, false},
        {"Skype Name", {kAbsent, kAbsent, "T"}, true, "", false, false, true, false},
        {"bypass", {kAbsent, kAbsent, kAbsent, "T"}, true, "", false, false, true, true},
        {"no bypass", {kAbsent, kAbsent, kAbsent, "F"}, true, "", false, false, true, false},
        {"everything", {"39", "T", "F", "T"}, true, "Italy", true, true, false, true},
        {"a code no country has", {"999"}, true, "", true, false, true, false},
        {"a country but no list", {"44"}, false, "", true, false, true, false},
        {"no list", {}, false, "", false, false, true, false},
    };
    for (const auto& each : cases) {
        model.registry.DeleteTree(RegistryRoot::CurrentUser, settings::kKeyPath);
        model.registry.DeleteTree(settings::kCountryListRoot, settings::kCountryListPath);
        Store(each.stored, each.countryList);
        EXPECT_EQ(2, Show({})) << each.name;  // the script ends with the close box

        const auto& list = Control(Dialog::kCountryList);
        EXPECT_EQ(each.countryList ? model::CountryListEntries().size() : 0u, list.items.size())
            << each.name;
        EXPECT_EQ(each.selected, list.selection < 0 ? "" : list.items[list.selection]) << each.name;
        EXPECT_EQ(each.alwaysUseEnabled, Control(Dialog::kAlwaysUse).enabled) << each.name;
        EXPECT_EQ(each.alwaysUseEnabled, Control(Dialog::kAlwaysUseLabel).enabled) << each.name;
        EXPECT_EQ(each.alwaysUse, Control(Dialog::kAlwaysUse).checked) << each.name;
        EXPECT_EQ(each.skypeName, Control(Dialog::kSkypeName).checked) << each.name;
        EXPECT_EQ(each.bypass, Control(Dialog::kBypass).checked) << each.name;
        EXPECT_EQ(each.stored, Stored()) << each.name << ": closing wrote something";
    }
}

TEST_F(OptionsPage, OpensShowingHowCallsComeAndGo) {
    const std::string kApiEntry = "The desktop API of classic Skype";
    const struct {
        const char* name;
        Settings stored;
        bool screenPop, classicToolbar;
        std::string callVia;
    } cases[] = {
        {"nothing stored", {}, true, true, kApiEntry},
        {"no screen pop", {kAbsent, kAbsent, kAbsent, kAbsent, "F"}, false, true, kApiEntry},
        {"no classic toolbar",
         {kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, "F"},
         true,
         false,
         kApiEntry},
        {"skype: links",
         {kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, "skype"},
         true,
         true,
         "skype: links"},
        {"tel: links, any case",
         {kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, "TEL"},
         true,
         true,
         "tel: links for telephone numbers"},
        {"the desktop API by name",
         {kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, "api"},
         true,
         true,
         kApiEntry},
        {"a way no entry names",
         {kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, "tel:"},
         true,
         true,
         kApiEntry},
    };
    for (const auto& each : cases) {
        model.registry.DeleteTree(RegistryRoot::CurrentUser, settings::kKeyPath);
        Store(each.stored, true);
        EXPECT_EQ(2, Show({})) << each.name;
        EXPECT_EQ(each.screenPop, Control(Dialog::kScreenPop).checked) << each.name;
        EXPECT_EQ(each.classicToolbar, Control(Dialog::kClassicToolbar).checked) << each.name;
        const auto& ways = Control(Dialog::kCallVia);
        EXPECT_EQ((std::vector<std::string>{kApiEntry, "skype: links",
                                            "tel: links for telephone numbers"}),
                  ways.items)
            << each.name;
        EXPECT_EQ(each.callVia, ways.selection < 0 ? "" : ways.items[ways.selection]) << each.name;
    }
}

TEST_F(OptionsPage, OkWritesTheSettingsAndCancelWritesNothing) {
    const struct {
        const char* name;
        Settings stored;
        bool countryList;
        std::vector<model::DialogAction> script;
        std::intptr_t result;
        Settings after;
    } cases[] = {
        {"OK on nothing",
         {},
         true,
         {Click(Dialog::kOk)},
         1,
         {kAbsent, "F", "T", "F", kOn, kOn, kApi}},
        {"a country, always",
         {},
         true,
         {SelectCountry("Italy"), Click(Dialog::kAlwaysUse), Click(Dialog::kOk)},
         1,
         {"39", "T", "T", "F", kOn, kOn, kApi}},
        {"no Skype Name",
         {},
         true,
         {Click(Dialog::kSkypeName), EnterKey()},
         1,
         {kAbsent, "F", "F", "F", kOn, kOn, kApi}},
        {"bypass",
         {},
         true,
         {Click(Dialog::kBypass), Click(Dialog::kOk)},
         1,
         {kAbsent, "F", "T", "T", kOn, kOn, kApi}},
        {"untouched",
         {"44", "T", "F", "T", "F", "F", "tel"},
         true,
         {Click(Dialog::kOk)},
         1,
         {"44", "T", "F", "T", "F", "F", "tel"}},
        {"no screen pop, no classic toolbar, skype: links",
         {},
         true,
         {Click(Dialog::kScreenPop), Click(Dialog::kClassicToolbar),
          model::DialogAction::Select(Dialog::kCallVia, "skype: links"), Click(Dialog::kOk)},
         1,
         {kAbsent, "F", "T", "F", "F", "F", "skype"}},
        {"tel: links replace skype: links",
         {kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, "skype"},
         true,
         {model::DialogAction::Select(Dialog::kCallVia, "tel: links for telephone numbers"),
          Click(Dialog::kOk)},
         1,
         {kAbsent, "F", "T", "F", kOn, kOn, "tel"}},
        {"a way no entry names goes back to the desktop API",
         {kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, "carrier pigeon"},
         true,
         {Click(Dialog::kOk)},
         1,
         {kAbsent, "F", "T", "F", kOn, kOn, kApi}},
        {"no list keeps the code",
         {"44", "T"},
         false,
         {Click(Dialog::kAlwaysUse), Click(Dialog::kOk)},
         1,
         {"44", "F", "T", "F", kOn, kOn, kApi}},
        {"Cancel",
         {"44", "T"},
         true,
         {SelectCountry("Italy"), Click(Dialog::kBypass), Click(Dialog::kSkypeName),
          Click(Dialog::kScreenPop), model::DialogAction::Select(Dialog::kCallVia, "skype: links"),
          Click(Dialog::kCancel)},
         2,
         {"44", "T"}},
        {"close box",
         {},
         true,
         {SelectCountry("Spain"), Click(Dialog::kBypass), CloseBox()},
         2,
         {}},
    };
    for (const auto& each : cases) {
        model.registry.DeleteTree(RegistryRoot::CurrentUser, settings::kKeyPath);
        model.registry.DeleteTree(settings::kCountryListRoot, settings::kCountryListPath);
        Store(each.stored, each.countryList);
        EXPECT_EQ(each.result, Show(each.script)) << each.name;
        EXPECT_EQ(each.after, Stored()) << each.name;
    }
    // The code is stored as a number.
    Show({SelectCountry("Italy"), Click(Dialog::kOk)});
    model::RegistryValueData data;
    ASSERT_TRUE(model.registry.GetRaw(RegistryRoot::CurrentUser, settings::kKeyPath,
                                      settings::kCountryCode, &data));
    EXPECT_EQ(platform::regtype::kDword, data.type);
}

TEST_F(OptionsPage, ChoosingACountryEnablesAlwaysUse) {
    model::InstallCountryList(model.registry);
    Show({SelectCountry("Norway")});
    EXPECT_TRUE(Control(Dialog::kAlwaysUse).enabled);
    EXPECT_TRUE(Control(Dialog::kAlwaysUseLabel).enabled);
}

TEST_F(OptionsPage, TheCommandOpensThePageOwnedByTheActiveWindow) {
    model.ui.activeWindow = 0x00070A0B;
    commands::Options();
    ASSERT_EQ(1u, model.ui.dialogs.size());
    EXPECT_EQ(Dialog::kTemplateId, model.ui.dialogs[0].templateId);
    EXPECT_EQ(0x00070A0Bu, model.ui.dialogs[0].owner);
}

}  // namespace
