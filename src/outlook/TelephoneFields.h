// The telephone properties of a contact that can be called through Skype,
// in the order their entries are listed, each with the label it is shown
// under. Fax, pager, ISDN, callback, telex and TTY numbers cannot be called
// through Skype and are left out.
#pragma once

#include "resources/StringIds.h"

namespace outlook {

struct TelephoneField {
    const char* property;
    unsigned label;
};

constexpr TelephoneField kTelephoneFields[] = {
    {"PrimaryTelephoneNumber", ids::kLabelPrimary},
    {"CompanyMainTelephoneNumber", ids::kLabelCompany},
    {"BusinessTelephoneNumber", ids::kLabelBusiness},
    {"Business2TelephoneNumber", ids::kLabelBusiness},
    {"AssistantTelephoneNumber", ids::kLabelAssistant},
    {"HomeTelephoneNumber", ids::kLabelHome},
    {"Home2TelephoneNumber", ids::kLabelHome},
    {"MobileTelephoneNumber", ids::kLabelMobile},
    {"CarTelephoneNumber", ids::kLabelCar},
    {"OtherTelephoneNumber", ids::kLabelOther},
    {"RadioTelephoneNumber", ids::kLabelRadio},
};

}  // namespace outlook
