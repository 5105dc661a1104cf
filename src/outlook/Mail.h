// CMail: an immutable snapshot of one mail as far as Skype is concerned: its
// sender (as a CContact) and the Skype names its text links to with
// "callto://".
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "outlook/Contact.h"
#include "outlook/MailItem.h"

namespace outlook {
class Application;
}

class CMail;
typedef boost::shared_ptr<CMail> CMailPtr;

class CMail {
  public:
    // Bodies this long (in UTF-16 units, as Windows counts a COM string) or
    // longer are not scanned for links.
    static constexpr std::size_t kMaxScannedBody = 512000;

    // Reads the sender through a reply that is never shown or saved, and the
    // links from the body. `application` is used only to look the sender up
    // among the contacts.
    CMail(const outlook::MailItem& item, const outlook::Application& application);
    // A snapshot of known parts (the simulator and tests).
    CMail(const CContactPtr& sender, const std::vector<std::wstring>& skypeNames);

    // The wrapped item (null for a snapshot of known parts).
    const outlook::MailItem& GetMailItem() const { return item_; }
    // Empty when the sender cannot be determined.
    const CContactPtr& GetSender() const { return sender_; }
    // In order of appearance, duplicates kept.
    const std::vector<std::wstring>& GetSkypeNames() const { return skypeNames_; }

  private:
    void ReadSender(const outlook::Application& application);
    void ReadSkypeNames();

    outlook::MailItem item_;
    CContactPtr sender_;
    std::vector<std::wstring> skypeNames_;
};
