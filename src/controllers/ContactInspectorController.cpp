#include "controllers/ContactInspectorController.h"

#include "outlook/Contact.h"
#include "outlook/ContactItem.h"
#include "outlook/OutlookIds.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Trace.h"

namespace {

// The contact the window shows; none for an item that is not a contact.
CContactPtr ContactOf(const outlook::ContactItem& item) {
    return item ? CContactPtr(new CContact(item)) : CContactPtr();
}

constexpr wchar_t kSkypeNameField[] = L"Skype Name";

// An empty "Skype Name" text field on the open contact, unless it has one.
// The contact is not saved: the field becomes part of the open item. A
// lookup the host refuses says nothing about the field: adding it then
// could blank a Skype name the contact has, so nothing is changed.
void AddSkypeNameField(const outlook::ContactItem& item) {
    const outlook::UserProperties properties = item.UserProperties();
    bool lookupFailed = false;
    if (!properties || properties.Find(kSkypeNameField, &lookupFailed) || lookupFailed) {
        return;
    }
    const outlook::UserProperty added = properties.Add(kSkypeNameField, outlook::kUserPropertyText,
                                                       false, outlook::kFormatTextText);
    if (added) {
        added.SetValue(host::Variant::Bstr(L""));
    }
}

}  // namespace

CContactInspector::CContactInspector(const outlook::Application& application,
                                     const outlook::Inspector& inspector,
                                     const boost::shared_ptr<CSkype>& skype,
                                     const offer::WindowListener& listener)
    : CInspector(application, inspector, skype, offer::WindowKind::kContact, listener) {
    TANDREL_TRACE("CContactInspector::CContactInspector");
    const outlook::ContactItem item = outlook::ContactItem::QueryFrom(currentItem_);
    const CContactPtr contact = ContactOf(item);
    if (contact && contact->GetSkypeName().empty() &&
        settings::ReadBoolean(settings::kSkypeName, settings::kDefaultSkypeName)) {
        AddSkypeNameField(item);
    }
    LoadToolbar();
    PrepareOffer();
    offer_->ItemChange(contact);
    ShowOffer();
}

void CContactInspector::OnItemChange(const wchar_t*) {
    TANDREL_TRACE("CContactInspector::OnItemChange");
    const outlook::ContactItem item = outlook::ContactItem::QueryFrom(currentItem_);
    PrepareOffer();
    offer_->ItemChange(ContactOf(item));
    ShowOffer();
}

void CContactInspector::OnChangeConnectionStatus(ConnectionStatus status) {
    TANDREL_TRACE("CContactInspector::OnChangeConnectionStatus");
    ChangeConnectionStatus(status, &lastConnectionStatus_);
}
