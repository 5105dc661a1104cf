#include "outlook/Mail.h"

#include "outlook/Application.h"
#include "outlook/CalltoLinks.h"
#include "outlook/MailParticipants.h"
#include "util/Text.h"
#include "util/Trace.h"

CMail::CMail(const outlook::MailItem& item, const outlook::Application& application)
    : item_(item), application_(application) {
    TANDREL_TRACE("CMail::CMail");
    ReadSender(application);
    ReadSkypeNames();
}

CMail::CMail(const CContactPtr& sender, const std::vector<std::wstring>& skypeNames,
             const std::vector<std::wstring>& participants)
    : sender_(sender),
      skypeNames_(skypeNames),
      participantsRead_(true),
      participantSkypeNames_(participants) {}

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
    senderAddress_ = address;
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

const std::vector<std::wstring>& CMail::GetParticipantSkypeNames() const {
    if (!participantsRead_) {
        participantsRead_ = true;  // once, even if a search lets events in
        participantSkypeNames_ = ReadParticipantSkypeNames();
    }
    return participantSkypeNames_;
}

std::vector<std::wstring> CMail::ReadParticipantSkypeNames() const {
    TANDREL_TRACE("CMail::ReadParticipants");
    // A sender nobody can name is a participant no conference can call.
    if (!item_ || !sender_) {
        return {};
    }
    const std::wstring user = outlook::CurrentUserAddress(application_);
    const bool senderIsUser = !user.empty() && outlook::SameAddress(senderAddress_, user);
    // Known already: a sender without a Skype name ends it before any read.
    if (!senderIsUser && sender_->GetSkypeName().empty()) {
        return {};
    }
    std::vector<std::wstring> addresses;
    if (!outlook::ReadParticipantAddresses(item_, senderAddress_, user, kMaxParticipants,
                                           &addresses)) {
        return {};
    }
    std::vector<std::wstring> names;
    for (const std::wstring& address : addresses) {
        const CContactPtr contact = outlook::SameAddress(address, senderAddress_)
                                        ? sender_
                                        : CContact::FindByEmailAddress(application_, address);
        if (!contact || contact->GetSkypeName().empty()) {
            return {};
        }
        names.push_back(contact->GetSkypeName());
    }
    return names;
}
