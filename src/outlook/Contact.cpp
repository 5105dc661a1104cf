#include "outlook/Contact.h"

CContact::CContact(const std::wstring& address, const std::wstring& displayName) {
    fields_.name = displayName.empty() ? address : displayName;
    fields_.fullName = fields_.name;
}

CContact::CContact(const Fields& fields) : fields_(fields) {}
