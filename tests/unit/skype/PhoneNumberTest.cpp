// Turning telephone numbers into SkypeOut's international form, with the
// default country or the country chooser where a number has no code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/CountryList.h"
#include "skype/Skype.h"
#include "support/DialogScript.h"
#include "support/ModelFixture.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

namespace {

using platform::RegistryRoot;
using testing_support::Click;
using testing_support::CloseBox;
using testing_support::SelectCountry;

constexpr int kOk = 1;
constexpr int kAlwaysUse = 218;

class PhoneNumbers : public testing_support::ModelFixture {
  protected:
    PhoneNumbers() : skype(host::DispatchPtr()) { model::InstallCountryList(model.registry); }

    void SetCountryCode(std::uint32_t code) {
        model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath,
                                settings::kCountryCode, code);
    }
    void SetAutoPrefix(bool on) {
        model.registry.SetBinary(RegistryRoot::CurrentUser, settings::kKeyPath,
                                 settings::kAutoPrefix, {static_cast<std::uint8_t>(on)});
    }
    std::string Setting(const char* name) {
        CRegistryValuePtr value = settings::Read(name);
        return value ? value->GetText() : "(absent)";
    }
    // The converted number, or "false" (then the number must be unchanged).
    std::string Convert(const std::wstring& input) {
        std::wstring number = input;
        if (!skype.SkypifyPhoneNumber(number)) {
            EXPECT_EQ(input, number) << "a failed conversion changed the number";
            return "false";
        }
        return std::string(number.begin(), number.end());
    }

    CSkype skype;
};

TEST_F(PhoneNumbers, NumbersInEveryLayoutWithTheDefaultCountryApplied) {
    SetCountryCode(44);
    SetAutoPrefix(true);
    const struct {
        const wchar_t* input;
        const char* result;
    } cases[] = {
        {L"020 7946 0018", "+442079460018"},
        {L"+44 (020) 7946 0018", "+442079460018"},
        {L"44 20 7946 0018", "+442079460018"},
        {L"+1 555 0100", "+15550100"},
        {L"442079460018", "+442079460018"},
        {L"(555) 0100", "+445550100"},
        {L"555 1234", "+5551234"},
        {L"+39 06 1234 5678", "+390612345678"},
        {L"0044 20 7946 0018", "+440442079460018"},
        {L"020 7946 0018 x123", "+442079460018"},
        {L"020 7946 0018 ext. 12", "+442079460018"},
        {L"020 7946 0018 X12", "+44207946001812"},  // only a lowercase x cuts
        {L"   020-7946.0018", "+442079460018"},
        {L"020 7946\u2013 0018", "+442079460018"},  // a dash outside ASCII
        {L"12", "false"},
        {L" +44", "false"},
        {L"+1", "false"},
        {L"x55", "false"},
        {L"", "false"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, Convert(c.input)) << std::string(c.input, c.input + wcslen(c.input));
    }
    EXPECT_TRUE(model.ui.dialogs.empty());
}

TEST_F(PhoneNumbers, NoSubscriberDigitsLeftIsNoNumber) {
    SetCountryCode(44);
    SetAutoPrefix(true);
    EXPECT_EQ("false", Convert(L"+44 abcd"));
    EXPECT_EQ("false", Convert(L"+44 (0)"));
    EXPECT_EQ("false", Convert(L"44 0"));
    EXPECT_EQ("false", Convert(L"44 ----"));
}

TEST_F(PhoneNumbers, ItalyKeepsItsLeadingZeroAsTheDefaultCountryToo) {
    SetCountryCode(39);
    SetAutoPrefix(true);
    EXPECT_EQ("+390612345678", Convert(L"06 1234 5678"));
    SetCountryCode(1);
    EXPECT_EQ("+15550100", Convert(L"15550100"));
}

TEST_F(PhoneNumbers, AStoredCodeThatIsNoDiallingCodeConvertsNothing) {
    SetAutoPrefix(true);
    EXPECT_EQ("false", Convert(L"020 7946 0018"));  // no code stored at all
    model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath, settings::kCountryCode,
                            static_cast<std::uint32_t>(-5));
    EXPECT_EQ("false", Convert(L"020 7946 0018"));
    model.registry.SetString(RegistryRoot::CurrentUser, settings::kKeyPath, settings::kCountryCode,
                             "44; DROP");
    EXPECT_EQ("false", Convert(L"020 7946 0018"));
    EXPECT_TRUE(model.ui.dialogs.empty());
}

TEST_F(PhoneNumbers, WithoutAutoPrefixTheChooserAsksAndCancelChangesNothing) {
    SetCountryCode(44);
    model.ui.QueueDialogScript({SelectCountry("France"), CloseBox()});
    EXPECT_EQ("false", Convert(L"020 7946 0018"));
    ASSERT_EQ(1u, model.ui.dialogs.size());
    EXPECT_EQ(220, model.ui.dialogs[0].templateId);
    EXPECT_EQ(model.ui.activeWindow, model.ui.dialogs[0].owner);
    EXPECT_EQ(2, model.ui.dialogs[0].result);
    EXPECT_EQ("44", Setting(settings::kCountryCode));
    EXPECT_EQ("(absent)", Setting(settings::kAutoPrefix));
    // An international number never asks.
    EXPECT_EQ("+33142685300", Convert(L"+33 1 42 68 53 00"));
    EXPECT_EQ(1u, model.ui.dialogs.size());
}

TEST_F(PhoneNumbers, AChoiceKeptForAlwaysIsUsedWithoutAskingAgain) {
    model.ui.QueueDialogScript({SelectCountry("France"), Click(kAlwaysUse), Click(kOk)});
    EXPECT_EQ("+332079460018", Convert(L"020 7946 0018"));
    EXPECT_EQ("33", Setting(settings::kCountryCode));
    EXPECT_EQ("T", Setting(settings::kAutoPrefix));
    EXPECT_EQ("+33612345678", Convert(L"06 12 34 56 78"));
    EXPECT_EQ(1u, model.ui.dialogs.size());
}

TEST_F(PhoneNumbers, AChoiceForThisNumberOnlyAsksAgainNextTimeWithItPreselected) {
    SetAutoPrefix(false);
    model.ui.QueueDialogScript({SelectCountry("Germany"), Click(kOk)});
    EXPECT_EQ("+49301234567", Convert(L"030 1234567"));
    EXPECT_EQ("49", Setting(settings::kCountryCode));
    EXPECT_EQ("F", Setting(settings::kAutoPrefix));
    // Next time: OK straight away keeps Germany.
    model.ui.QueueDialogScript({Click(kOk)});
    EXPECT_EQ("+49891234567", Convert(L"089 1234567"));
    ASSERT_EQ(2u, model.ui.dialogs.size());
    const auto& list = model.ui.dialogs[1].controls.at(217);
    ASSERT_GE(list.selection, 0);
    EXPECT_EQ("Germany", list.items[list.selection]);
}

}  // namespace
