#include "model/outlook/ModelMailItem.h"

#include "model/office/ModelCollection.h"
#include "outlook/OutlookIds.h"

namespace model {

namespace {

const int kOlMail = 43;  // OlObjectClass olMail

std::vector<boost::shared_ptr<ModelRecipient>> OfType(CallLog* log,
                                                      const std::vector<ModelAddress>& addresses,
                                                      int type) {
    std::vector<boost::shared_ptr<ModelRecipient>> recipients;
    for (const ModelAddress& address : addresses) {
        recipients.push_back(
            boost::shared_ptr<ModelRecipient>(new ModelRecipient(log, address, type)));
    }
    return recipients;
}

}  // namespace

ModelRecipient::ModelRecipient(CallLog* log, const ModelAddress& address, int type)
    : ModelObject("Recipient", log), address_(address) {
    Implements(outlook::kIID_Recipient);
    DefineValue("Address", host::Variant::Bstr(address.address));
    DefineValue("Name", host::Variant::Bstr(address.name));
    DefineValue("Type", host::Variant::I4(type));
}

ModelRecipients::ModelRecipients(CallLog* log,
                                 const std::vector<boost::shared_ptr<ModelRecipient>>& recipients)
    : ModelObject("Recipients", log), recipients_(recipients) {
    Implements(outlook::kIID_Recipients);
    DefineProperty("Count", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(static_cast<std::int32_t>(recipients_.size()));
        return host::hr::kOk;
    });
    DefineMethod("Item", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     return ItemAt(recipients_, args[0], result);
                 });
}

const std::vector<std::string>& ModelMailItem::TextProperties() {
    static const std::vector<std::string> kNames = {
        "Subject", "Body", "SenderName", "SenderEmailAddress",
        "EntryID", "To",   "CC",         "ReplyRecipientNames"};
    return kNames;
}

ModelMailItem::ModelMailItem(CallLog* log, const boost::weak_ptr<ModelObject>& application,
                             const Fields& fields)
    : ModelItem("MailItem", log, outlook::kIID_MailItem, kOlMail, TextProperties(), application),
      log_(log),
      fields_(fields),
      application_(application) {
    SetText("Subject", fields.subject);
    SetText("Body", fields.body);
    SetText("SenderName", fields.senderName);
    SetText("SenderEmailAddress", fields.senderAddress);
    DefineProperty("Saved", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Bool(saved_);
        return host::hr::kOk;
    });
    DefineProperty("Recipients", [this](const std::vector<host::Variant>&, host::Variant* result) {
        std::vector<boost::shared_ptr<ModelRecipient>> all =
            OfType(log_, fields_.to, outlook::recipient_type::kTo);
        for (const auto& more : {OfType(log_, fields_.cc, outlook::recipient_type::kCc),
                                 OfType(log_, fields_.bcc, outlook::recipient_type::kBcc)}) {
            all.insert(all.end(), more.begin(), more.end());
        }
        *result = host::Variant::Object(
            boost::shared_ptr<ModelRecipients>(new ModelRecipients(log_, all)));
        return host::hr::kOk;
    });
    DefineMethod(
        "Reply", Params{0, 0},
        [this](const std::vector<host::Variant>& args, host::Variant* result) {
            if (!args.empty()) return host::hr::kBadParamCount;
            Fields reply;
            reply.subject = L"RE: " + fields_.subject;
            reply.to = fields_.replyTo;
            if (reply.to.empty()) {
                reply.to.push_back(ModelAddress{fields_.senderAddress, fields_.senderName});
            }
            ModelMailItemPtr item(new ModelMailItem(log_, application_, reply));
            item->saved_ = false;
            ++repliesMade_;
            lastReply_ = item;
            *result = host::Variant::Object(item);
            return host::hr::kOk;
        });
}

}  // namespace model
