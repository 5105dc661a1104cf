// SkypeOut takes numbers only in full international form: "+", the country
// code, the subscriber digits. This turns the many ways people write
// numbers into that form, asking for the country (or applying the default
// one) when the number carries no country code.
#include <string>

#include "countries/CountryDialog.h"
#include "platform/Platform.h"
#include "skype/PhoneNumberForm.h"
#include "skype/Skype.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

// A first group of at most this many characters, followed by a blank, is
// the country code ("44 20 7946 0018").
constexpr std::size_t kLongestCountryCode = 3;
// Fewer characters than this cannot be a telephone number.
constexpr std::size_t kShortestNumber = 4;
// Italy keeps the leading 0 of its area codes after the country code.
constexpr char kKeepsTrunkZero[] = "39";

bool AllDigits(const std::string& text) {
    for (char c : text) {
        if (!text::IsDigit(c)) return false;
    }
    return true;
}

std::string DigitsOnly(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (text::IsDigit(c)) digits += c;
    }
    return digits;
}

// The default country's code: asks with the country chooser unless
// "AutoPrefix" is on. False when the user cancels or no code is stored.
bool AskedCountryCode(const std::wstring& number, std::string* code) {
    if (!settings::ReadBoolean(settings::kAutoPrefix, settings::kDefaultAutoPrefix)) {
        CCountryDialog dialog(number);
        if (dialog.DoModal() != CCountryDialog::kOk) {
            return false;  // cancelled, or the dialog could not be shown
        }
    }
    // Read afresh: the chooser may just have created the settings key.
    *code = phone_numbers::StoredCountryCode();
    return !code->empty();
}

}  // namespace

namespace phone_numbers {

bool ToSkypeOutForm(const std::string& number, const DefaultCountry& defaultCountry,
                    std::string* converted) {
    std::string text = number;
    std::string countryCode;

    // An extension starts at the first lowercase "x" ("x123", "ext. 12").
    const std::size_t extension = text.find('x');
    if (extension != std::string::npos) {
        text.erase(extension);
    }
    // Leading blanks, then anything up to the first digit ("+", "(").
    std::size_t start = 0;
    while (start < text.size() && !text::IsDigit(text[start])) {
        ++start;
    }
    text.erase(0, start);
    if (text.size() < kShortestNumber) {
        return false;
    }

    const std::size_t blank = text.find(' ');
    if (blank != std::string::npos && blank <= kLongestCountryCode && text[0] != '0') {
        // The number carries its country code, taken as written.
        countryCode = text.substr(0, blank);
        text.erase(0, blank + 1);
    } else {
        if (!defaultCountry(&countryCode)) {
            return false;
        }
        // Written with its country code but without "+" or blank
        // (442079460018): the code is not doubled.
        if (text.compare(0, countryCode.size(), countryCode) == 0) {
            text.erase(0, countryCode.size());
        }
    }

    text = DigitsOnly(text);
    // One national trunk prefix goes, except where it is part of the number.
    if (!text.empty() && countryCode != kKeepsTrunkZero && text[0] == '0') {
        text.erase(0, 1);
    }
    // No subscriber digits left ("+44 abcd") is no number; deliberately so
    // also when the only digit was the trunk "0" ("44 0"), rather than
    // dialling the bare "+44".
    if (text.empty()) {
        return false;
    }
    *converted = "+" + countryCode + text;
    return true;
}

std::string StoredCountryCode() {
    CRegistryValuePtr stored = settings::Read(settings::kCountryCode);
    if (!stored) {
        return std::string();
    }
    // A stored code is a dialling code only when it is all digits: a
    // negative or textual value would make a number SkypeOut never takes.
    const std::string code = stored->GetText();
    return AllDigits(code) ? code : std::string();
}

StoredCountryForm::StoredCountryForm() : countryCode_(StoredCountryCode()) {}

std::string StoredCountryForm::Of(const std::wstring& number) const {
    std::string converted;
    const std::string& code = countryCode_;
    const bool done = ToSkypeOutForm(
        text::ToAnsi(number),
        [&code](std::string* country) {
            *country = code;
            return !code.empty();
        },
        &converted);
    return done ? converted : std::string();
}

}  // namespace phone_numbers

bool CSkype::SkypifyPhoneNumber(std::wstring& number) {
    TANDREL_TRACE("CSkype::SkypifyPhoneNumber");
    if (number.empty()) {
        return false;
    }
    std::string converted;
    if (!phone_numbers::ToSkypeOutForm(
            text::ToAnsi(number),
            [&number](std::string* code) { return AskedCountryCode(number, code); }, &converted)) {
        return false;
    }
    number = text::FromAnsi(converted);
    return true;
}
