// CMail: a snapshot of one mail as far as Skype is concerned: its sender (as
// a CContact), the Skype names its text links to with "callto://", and the
// Skype names of the people it was exchanged with, for a conference. The
// first two are read when it is made; the participants only when first
// asked for (a right-click), since each costs a contact search and a
// selection must stay cheap. Nothing changes after that.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "outlook/Application.h"
#include "outlook/Contact.h"
#include "outlook/MailItem.h"

class CMail;
typedef boost::shared_ptr<CMail> CMailPtr;

class CMail {
  public:
    // Bodies this long (in UTF-16 units, as Windows counts a COM string) or
    // longer are not scanned for links.
    static constexpr std::size_t kMaxScannedBody = 512000;
    // A Skype group call holds at most 25 people, the one who starts it
    // included: a mail exchanged with more others than that can never meet
    // in one call, and resolving each of them would cost a contact search
    // for nothing.
    static constexpr std::size_t kMaxParticipants = 24;

    // Reads the sender through a reply that is never shown or saved, and the
    // links from the body. `application` is used only to look the sender up
    // among the contacts.
    CMail(const outlook::MailItem& item, const outlook::Application& application);
    // A snapshot of known parts (the simulator and tests); `participants`
    // is what GetParticipantSkypeNames answers.
    CMail(const CContactPtr& sender, const std::vector<std::wstring>& skypeNames,
          const std::vector<std::wstring>& participants = {});

    // The wrapped item (null for a snapshot of known parts).
    const outlook::MailItem& GetMailItem() const { return item_; }
    // Empty when the sender cannot be determined.
    const CContactPtr& GetSender() const { return sender_; }
    // In order of appearance, duplicates kept.
    const std::vector<std::wstring>& GetSkypeNames() const { return skypeNames_; }
    // The Skype names of the mail's participants in order (the sender, then
    // its To and Cc recipients, each once, the current user left out: see
    // outlook/MailParticipants.h), each resolved to a contact as the sender
    // is, when every one of them has a contact with a Skype name.
    // Empty when one has none (the search stops there), when the sender
    // cannot be determined, or when there are more than kMaxParticipants
    // (then nobody is searched for). Worked out on the first call.
    const std::vector<std::wstring>& GetParticipantSkypeNames() const;

  private:
    void ReadSender(const outlook::Application& application);
    void ReadSkypeNames();
    std::vector<std::wstring> ReadParticipantSkypeNames() const;

    outlook::MailItem item_;
    // Kept to search the participants' contacts later.
    outlook::Application application_;
    CContactPtr sender_;
    // The address the sender was read from.
    std::wstring senderAddress_;
    std::vector<std::wstring> skypeNames_;
    mutable bool participantsRead_ = false;
    mutable std::vector<std::wstring> participantSkypeNames_;
};
