// The sample mailbox the simulator and OutlookHost.exe start from.
#include "model/outlook/Mailbox.h"

namespace model {

namespace {

ModelMailItem::Fields Mail(const wchar_t* address, const wchar_t* name, const wchar_t* subject,
                           const wchar_t* body) {
    ModelMailItem::Fields fields;
    fields.senderAddress = address;
    fields.senderName = name;
    fields.subject = subject;
    fields.body = body;
    return fields;
}

}  // namespace

Mailbox SampleMailbox() {
    Mailbox mailbox;
    std::vector<MailboxItem>& contacts =
        mailbox.Folder(L"Contacts", outlook::item_type::kContact).items;
    contacts.push_back(MailboxItem::Contact({{"FullName", L"Alice Wonder"},
                                             {"LastName", L"Wonder"},
                                             {"Email1Address", L"alice@tandrel.example"},
                                             {"MobileTelephoneNumber", L"+44 7700 900123"},
                                             {"BusinessTelephoneNumber", L"020 7946 0018"}},
                                            L"alice.wonder"));
    contacts.push_back(MailboxItem::Contact({{"FullName", L"Bob Builder"},
                                             {"LastName", L"Builder"},
                                             {"Email1Address", L"bob@tandrel.example"},
                                             {"HomeTelephoneNumber", L"(0161) 496-0000"}}));
    contacts.push_back(MailboxItem::Contact({{"FullName", L"Carol Nguyen"},
                                             {"LastName", L"Nguyen"},
                                             {"Email1Address", L"carol@tandrel.example"},
                                             {"BusinessTelephoneNumber", L"+1 555 0100"}},
                                            L"carol.nguyen"));
    contacts.push_back(
        MailboxItem::Contact({{"FullName", L"Dan Nobody"}, {"LastName", L"Nobody"}}));
    contacts.push_back(MailboxItem::DistributionList(L"Project Team"));
    mailbox.Folder(L"Contacts/Friends", outlook::item_type::kContact)
        .items.push_back(MailboxItem::Contact(
            {{"FullName", L"Dave Li"}, {"LastName", L"Li"}, {"HomeTelephoneNumber", L"555 0199"}},
            L"dave.li"));

    std::vector<MailboxItem>& inbox = mailbox.Folder(L"Inbox").items;
    inbox.push_back(MailboxItem::Mail(Mail(L"alice@tandrel.example", L"Alice Wonder",
                                           L"Lunch on Friday?", L"Shall we meet at one?")));
    inbox.push_back(MailboxItem::Mail(
        Mail(L"bob@tandrel.example", L"Bob Builder", L"Call us",
             L"Reach the team at callto://echo123 or callto://john.smith1 today.")));
    inbox.push_back(MailboxItem::Mail(
        Mail(L"news@shop.example", L"The Shop", L"Offers of the week", L"Nothing to call here.")));
    ModelMailItem::Fields plans = Mail(L"alice@tandrel.example", L"Alice Wonder",
                                       L"Plans for the launch", L"Shall the three of us talk?");
    plans.to = {{kCurrentUserAddress, kCurrentUserName}};
    plans.cc = {{L"carol@tandrel.example", L"Carol Nguyen"}};
    inbox.push_back(MailboxItem::Mail(plans));
    inbox.push_back(MailboxItem::MeetingRequest(L"Project review", L"carol@tandrel.example"));
    mailbox.Folder(L"Calendar", outlook::item_type::kAppointment)
        .items.push_back(MailboxItem::Appointment(L"Dentist"));
    return mailbox;
}

}  // namespace model
