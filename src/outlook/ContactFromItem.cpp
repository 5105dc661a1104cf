// CContact read from an Outlook contact item.
#include "outlook/Application.h"
#include "outlook/Contact.h"
#include "outlook/ContactItem.h"
#include "outlook/Supported.h"
#include "outlook/TelephoneFields.h"
#include "resources/StringIds.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

const wchar_t kSkypeNameProperty[] = L"Skype Name";
const wchar_t kUnnamedContact[] = L"Outlook Contact";

}  // namespace

CContact::CContact(const outlook::ContactItem& item) {
    TANDREL_TRACE("CContact::CContact");

    fields_.name = item.FullName();
    if (fields_.name.empty()) {
        fields_.name = item.FileAs();
    }
    if (fields_.name.empty()) {
        fields_.name = kUnnamedContact;
    }

    fields_.fullName = item.FullName();
    fields_.entryId = item.EntryID();
    fields_.lastName = item.LastName();

    const outlook::UserProperty skypeName = item.UserProperties().Find(kSkypeNameProperty);
    if (skypeName) {
        fields_.skypeName = skypeName.Value().ToText();
    }

    if (CSupported::IsSupportedFeature(item.Application(), CSupported::kEmailAddresses)) {
        for (const std::wstring& address :
             {item.Email1Address(), item.Email2Address(), item.Email3Address()}) {
            if (!address.empty()) {
                fields_.emailAddresses.push_back(address);
            }
        }
    }

    for (const outlook::TelephoneField& telephone : outlook::kTelephoneFields) {
        const std::wstring number = item.TelephoneNumber(telephone.property);
        if (!number.empty()) {
            fields_.telephones.push_back(Telephone(text::LoadWideString(telephone.label), number));
        }
    }
}
