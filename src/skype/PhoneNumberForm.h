// The form SkypeOut takes numbers in ("+", the country code, the subscriber
// digits), made from the many ways people write numbers. A number without
// a country code takes the default country's, supplied by the caller: the
// country chooser when a user places a call (CSkype::SkypifyPhoneNumber),
// the stored "CountryCode" alone when numbers are only compared.
#pragma once

#include <functional>
#include <string>

namespace phone_numbers {

// Gives the default country's code (digits) for a number written without
// one; false when there is none to give.
using DefaultCountry = std::function<bool(std::string* code)>;

// SkypeOut's form of the ANSI `number`, or false when it has none (too
// short, no digits after the country code, no default country).
bool ToSkypeOutForm(const std::string& number, const DefaultCountry& defaultCountry,
                    std::string* converted);

// The stored "CountryCode" when it is a dialling code (digits only), else
// empty. Never asks the user.
std::string StoredCountryCode();

// Compares telephone numbers as SkypeOut sees them, with the country code
// stored when it was made and never asking the user: for finding who calls
// among many contacts, each number converted without a registry read.
class StoredCountryForm {
  public:
    StoredCountryForm();
    // SkypeOut's form of `number`; empty when it has none.
    std::string Of(const std::wstring& number) const;

  private:
    std::string countryCode_;
};

}  // namespace phone_numbers
