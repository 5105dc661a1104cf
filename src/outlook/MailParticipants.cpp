#include "outlook/MailParticipants.h"

#include <algorithm>

#include "outlook/Application.h"
#include "outlook/MailItem.h"
#include "outlook/OutlookIds.h"

namespace outlook {

namespace {

wchar_t FoldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

// Appends `address` unless it is the user's or already there; false when
// that makes more than `most`.
bool Add(const std::wstring& address, const std::wstring& user, std::size_t most,
         std::vector<std::wstring>* addresses) {
    if (!user.empty() && SameAddress(address, user)) return true;
    for (const std::wstring& known : *addresses) {
        if (SameAddress(known, address)) return true;
    }
    addresses->push_back(address);
    return addresses->size() <= most;
}

}  // namespace

bool SameAddress(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

std::wstring CurrentUserAddress(const Application& application) {
    return application.GetNamespace(L"MAPI").CurrentUser().Address();
}

bool ReadParticipantAddresses(const MailItem& mail, const std::wstring& sender,
                              const std::wstring& user, std::size_t most,
                              std::vector<std::wstring>* addresses) {
    addresses->clear();
    if (!sender.empty() && !Add(sender, user, most, addresses)) return false;
    const Recipients recipients = mail.Recipients();
    const std::int32_t count = recipients.Count();
    for (std::int32_t index = 1; index <= count; ++index) {
        const Recipient recipient = recipients.Item(index);
        // A recipient whose type cannot be read counts: leaving out someone
        // who may be a participant would start the conference without them
        // (an address that cannot be read then finds no contact).
        const std::int32_t type = recipient.Type();
        if (type == recipient_type::kBcc || type == recipient_type::kOriginator) continue;
        if (!Add(recipient.Address(), user, most, addresses)) return false;
    }
    return true;
}

}  // namespace outlook
