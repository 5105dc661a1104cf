#include "controllers/MailInspectorController.h"

#include "outlook/Mail.h"
#include "outlook/MailItem.h"
#include "util/Trace.h"

namespace {

// The mail the window shows; none for an item that is not a mail.
CMailPtr MailOf(const host::DispatchPtr& currentItem, const outlook::Application& application) {
    const outlook::MailItem item = outlook::MailItem::QueryFrom(currentItem);
    return item ? CMailPtr(new CMail(item, application)) : CMailPtr();
}

}  // namespace

CMailInspector::CMailInspector(const outlook::Application& application,
                               const outlook::Inspector& inspector,
                               const boost::shared_ptr<CSkype>& skype,
                               const offer::WindowListener& listener)
    : CInspector(application, inspector, skype, offer::WindowKind::kMail, listener) {
    TANDREL_TRACE("CMailInspector::CMailInspector");
    const CMailPtr mail = MailOf(currentItem_, application_);
    LoadToolbar();
    PrepareOffer();
    offer_->ItemChange(mail);
    ShowOffer();
}

void CMailInspector::OnItemChange(const wchar_t*) {
    TANDREL_TRACE("CMailInspector::OnItemChange");
    PrepareOffer();
    offer_->ItemChange(MailOf(currentItem_, application_));
    ShowOffer();
}

void CMailInspector::OnChangeConnectionStatus(ConnectionStatus status) {
    TANDREL_TRACE("CMailInspector::OnChangeConnectionStatus");
    ChangeConnectionStatus(status, &lastConnectionStatus_);
}
