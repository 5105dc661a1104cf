#include "outlook/Mail.h"

#include "outlook/Application.h"
#include "outlook/CalltoLinks.h"
#include "util/Text.h"
#include "util/Trace.h"

CMail::CMail(const outlook::MailItem& item, const outlook::Application& application) : item_(item) {
    TANDREL_TRACE("CMail::CMail");
    ReadSender(application);
    ReadSkypeNames();
}

CMail::CMail(const CContactPtr& sender, const std::vector<std::wstring>& skypeNames)
    : sender_(sender), skypeNames_(skypeNames) {}

// The reply is addressed to whoever answers the mail: the sender, or the
// reply-to list. Only a single correspondent makes a sender.
void CMail::ReadSender(const outlook::Application& application) {
    const outlook::MailItem reply = item_.Reply();
    if (!reply) {
        return;
    }
    const outlook::Recipients recipients = reply.Recipients();
    if (recipients.Count() != 1) {
        return;
    }
    const outlook::Recipient recipient = recipients.Item(1);
    if (!recipient) {
        return;
    }
    const std::wstring address = recipient.Address();
    sender_ = CContact::FindByEmailAddress(application, address);
    if (!sender_) {
        sender_.reset(new CContact(address, recipient.Name()));
    }
}

void CMail::ReadSkypeNames() {
    // Judged by its length before any copy is made, and counted in UTF-16
    // units as Windows counts the COM string, so that the model and the DLL
    // give up on the same bodies.
    const host::Variant answer = item_.BodyVariant();
    const std::wstring& body = answer.bstr();
    if (body.empty() || text::Utf16Length(body) >= kMaxScannedBody) {
        return;
    }
    for (const std::string& name : outlook::FindCalltoNames(text::ToAnsi(body))) {
        skypeNames_.push_back(text::FromAnsi(name));
    }
}
