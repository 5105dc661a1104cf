// A model Outlook mail (_MailItem) with its recipients (To, then Cc, then
// Bcc, each with its Type). Reply makes a new, unsaved mail addressed to the
// reply-to list, or to the sender when the mail has none; the reply is never
// put in a folder or shown.
#pragma once

#include <string>
#include <vector>

#include "model/outlook/ModelItem.h"

namespace model {

struct ModelAddress {
    std::wstring address;
    std::wstring name;
};

class ModelRecipient : public ModelObject {
  public:
    // `type` is an OlMailRecipientType (outlook::recipient_type).
    ModelRecipient(CallLog* log, const ModelAddress& address, int type);
    const ModelAddress& address() const { return address_; }

  private:
    ModelAddress address_;
};

class ModelRecipients : public ModelObject {
  public:
    ModelRecipients(CallLog* log, const std::vector<boost::shared_ptr<ModelRecipient>>& recipients);

  private:
    std::vector<boost::shared_ptr<ModelRecipient>> recipients_;
};

class ModelMailItem;
typedef boost::shared_ptr<ModelMailItem> ModelMailItemPtr;

class ModelMailItem : public ModelItem {
  public:
    struct Fields {
        std::wstring senderAddress;
        std::wstring senderName;
        std::wstring subject;
        std::wstring body;
        // Where replies go instead of the sender, when not empty.
        std::vector<ModelAddress> replyTo;
        // The mail's own recipients.
        std::vector<ModelAddress> to;
        std::vector<ModelAddress> cc;
        std::vector<ModelAddress> bcc;
    };

    ModelMailItem(CallLog* log, const boost::weak_ptr<ModelObject>& application,
                  const Fields& fields);

    static const std::vector<std::string>& TextProperties();

    const Fields& fields() const { return fields_; }
    // Replies made through IDispatch, and the last one while anyone holds it.
    int RepliesMade() const { return repliesMade_; }
    boost::weak_ptr<ModelMailItem> LastReply() const { return lastReply_; }
    bool saved() const { return saved_; }

  private:
    CallLog* log_;
    Fields fields_;
    boost::weak_ptr<ModelObject> application_;
    bool saved_ = true;
    int repliesMade_ = 0;
    boost::weak_ptr<ModelMailItem> lastReply_;
};

}  // namespace model
