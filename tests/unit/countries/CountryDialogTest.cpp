// The country chooser's logic, driven through the model's dialog 220 as a
// user would drive it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "countries/CountryDialog.h"
#include "model/CountryList.h"
#include "support/DialogScript.h"
#include "support/ModelFixture.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

namespace {

using platform::RegistryRoot;
using testing_support::Click;
using testing_support::CloseBox;
using testing_support::SelectCountry;

class CountryChooser : public testing_support::ModelFixture {
  protected:
    std::intptr_t Show(std::vector<model::DialogAction> script) {
        model.ui.QueueDialogScript(std::move(script));
        CCountryDialog dialog(L"020 7946 0018");
        return dialog.DoModal();
    }
    const model::ModelUi::ControlState& Control(int id) {
        return model.ui.dialogs.back().controls.at(id);
    }
    std::string Selected() {
        const auto& list = Control(CCountryDialog::kCountryList);
        return list.selection < 0 ? "(none)" : list.items[list.selection];
    }
    std::string Setting(const char* name) {
        CRegistryValuePtr value = settings::Read(name);
        return value ? value->GetText() : "(absent)";
    }
    void SetCountryCode(std::uint32_t code) {
        model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath,
                                settings::kCountryCode, code);
    }
};

TEST_F(CountryChooser, ListsEveryCountrySortedWithItsDiallingCode) {
    model::InstallCountryList(model.registry);
    EXPECT_EQ(2, Show({}));  // nothing chosen: the script ends with the close box
    const auto& list = Control(CCountryDialog::kCountryList);
    ASSERT_EQ(model::CountryListEntries().size(), list.items.size());
    EXPECT_TRUE(std::is_sorted(list.items.begin(), list.items.end()));
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        const auto entry =
            std::find_if(model::CountryListEntries().begin(), model::CountryListEntries().end(),
                         [&](const model::CountryEntry& e) { return list.items[i] == e.name; });
        ASSERT_NE(model::CountryListEntries().end(), entry) << list.items[i];
        EXPECT_EQ(static_cast<std::intptr_t>(entry->code), list.itemData[i]) << list.items[i];
    }
    EXPECT_EQ("(none)", Selected());
    EXPECT_FALSE(Control(CCountryDialog::kOk).enabled);
    EXPECT_FALSE(Control(CCountryDialog::kAlwaysUse).enabled);
    EXPECT_FALSE(Control(CCountryDialog::kAlwaysUseLabel).enabled);
    EXPECT_EQ("(absent)", Setting(settings::kCountryCode));
    EXPECT_EQ("(absent)", Setting(settings::kAutoPrefix));
}

TEST_F(CountryChooser, TheStoredCodeIsPreselectedAndCanBeConfirmed) {
    model::InstallCountryList(model.registry);
    SetCountryCode(44);
    EXPECT_EQ(1, Show({Click(CCountryDialog::kOk)}));
    EXPECT_EQ("United Kingdom", Selected());
    EXPECT_EQ("44", Setting(settings::kCountryCode));
    EXPECT_EQ("F", Setting(settings::kAutoPrefix));  // written in every case
}

TEST_F(CountryChooser, OfSeveralCountriesSharingTheCodeTheLastEnumeratedIsSelected) {
    model::InstallCountryList(model.registry);
    SetCountryCode(1);
    std::string last;
    {
        CRegistryKey list(settings::kCountryListRoot, settings::kCountryListPath,
                          platform::access::kRead);
        std::string name;
        for (std::uint32_t i = 0; list.EnumSubKey(i, &name); ++i) {
            CRegistryKey country(settings::kCountryListRoot,
                                 std::string(settings::kCountryListPath) + "\\" + name,
                                 platform::access::kRead);
            if (country.Query("CountryCode")->GetText() == "1") {
                last = country.Query("Name")->GetText();
            }
        }
    }
    ASSERT_FALSE(last.empty());
    Show({});
    EXPECT_EQ(last, Selected());
}

TEST_F(CountryChooser, ChoosingEnablesOkAndOkStoresTheChoice) {
    model::InstallCountryList(model.registry);
    EXPECT_EQ(1, Show({SelectCountry("Italy"), Click(CCountryDialog::kAlwaysUse),
                       Click(CCountryDialog::kOk)}));
    EXPECT_TRUE(Control(CCountryDialog::kOk).enabled);
    EXPECT_TRUE(Control(CCountryDialog::kAlwaysUse).enabled);
    EXPECT_TRUE(Control(CCountryDialog::kAlwaysUseLabel).enabled);
    EXPECT_EQ("39", Setting(settings::kCountryCode));
    EXPECT_EQ("T", Setting(settings::kAutoPrefix));
    // The code is stored as a number.
    model::RegistryValueData data;
    ASSERT_TRUE(model.registry.GetRaw(RegistryRoot::CurrentUser, settings::kKeyPath,
                                      settings::kCountryCode, &data));
    EXPECT_EQ(platform::regtype::kDword, data.type);
}

TEST_F(CountryChooser, CancelAndTheCloseBoxWriteNothing) {
    model::InstallCountryList(model.registry);
    SetCountryCode(44);
    EXPECT_EQ(2, Show({SelectCountry("Spain"), Click(CCountryDialog::kCancel)}));
    EXPECT_EQ(2, Show({SelectCountry("Spain"), CloseBox()}));
    EXPECT_EQ("44", Setting(settings::kCountryCode));
    EXPECT_EQ("(absent)", Setting(settings::kAutoPrefix));
}

TEST_F(CountryChooser, WithoutACountryListOnlyCancelCloses) {
    EXPECT_EQ(2, Show({Click(CCountryDialog::kOk)}));  // OK stays disabled
    EXPECT_TRUE(Control(CCountryDialog::kCountryList).items.empty());
    EXPECT_FALSE(Control(CCountryDialog::kOk).enabled);
    EXPECT_EQ("(absent)", Setting(settings::kAutoPrefix));
}

TEST_F(CountryChooser, EntriesWithoutACodeOrANameAreLeftOut) {
    const std::string base = settings::kCountryListPath;
    model.registry.SetString(RegistryRoot::LocalMachine, base + "\\1", "Name", "Nameless code");
    model.registry.SetDword(RegistryRoot::LocalMachine, base + "\\2", "CountryCode", 2);
    model.registry.SetDword(RegistryRoot::LocalMachine, base + "\\3", "CountryCode", 3);
    model.registry.SetString(RegistryRoot::LocalMachine, base + "\\3", "Name", "Complete");
    Show({});
    EXPECT_EQ(std::vector<std::string>{"Complete"}, Control(CCountryDialog::kCountryList).items);
}

}  // namespace
