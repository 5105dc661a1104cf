#include "outlook/MailItem.h"

#include "outlook/OutlookIds.h"

namespace outlook {

std::wstring Recipient::Address() const { return GetText("Address"); }

std::wstring Recipient::Name() const { return GetText("Name"); }

std::int32_t Recipient::Type() const { return GetNumber("Type", -1); }

std::int32_t Recipients::Count() const { return GetNumber("Count", 0); }

Recipient Recipients::Item(std::int32_t index) const {
    return Recipient(CallForDispatch("Item", {host::Variant::I4(index)}));
}

MailItem MailItem::QueryFrom(const host::DispatchPtr& item) {
    return MailItem(Query(item, kIID_MailItem));
}

MailItem MailItem::Reply() const { return MailItem(CallForDispatch("Reply")); }

std::wstring MailItem::Body() const { return GetText("Body"); }

host::Variant MailItem::BodyVariant() const { return GetVariant("Body"); }

Recipients MailItem::Recipients() const { return outlook::Recipients(GetDispatch("Recipients")); }

}  // namespace outlook
