// A mailbox as data: its folders and the items in them, which a model
// Outlook is filled from. Every host starts from one (the sample, an empty
// one, or one it generates) and may change it first.
#pragma once

#include <string>
#include <vector>

#include "model/outlook/ModelOutlook.h"
#include "outlook/OutlookIds.h"

namespace model {

struct MailboxItem {
    enum class Kind { Contact, DistributionList, Mail, MeetingRequest, Appointment };

    static MailboxItem Contact(ModelOutlook::Properties fields, std::wstring skypeName = L"");
    static MailboxItem DistributionList(std::wstring name);
    static MailboxItem Mail(ModelMailItem::Fields fields);
    static MailboxItem MeetingRequest(std::wstring subject, std::wstring senderAddress);
    static MailboxItem Appointment(std::wstring subject);

    Kind kind = Kind::Contact;
    ModelOutlook::Properties fields;  // a contact's text fields
    std::wstring skypeName;           // a contact's "Skype Name" field; none when empty
    ModelMailItem::Fields mail;
    std::wstring subject;  // a list's name, a meeting's or an appointment's subject
    std::wstring sender;   // a meeting request's sender address
};

struct MailboxFolder {
    // Below the mailbox's root, "/" between the names: "Contacts/Friends".
    // Outlook's own folders are there already; others are made, for
    // items of `itemType`.
    std::wstring path;
    int itemType = outlook::item_type::kMail;
    std::vector<MailboxItem> items;
};

struct Mailbox {
    // The folder at `path`, added empty (for items of `itemType`) when the
    // mailbox has none yet.
    MailboxFolder& Folder(const std::wstring& path, int itemType = outlook::item_type::kMail);

    std::vector<MailboxFolder> folders;
};

// Contacts with and without Skype names and several kinds of number, a
// distribution list, a contacts sub-folder "Friends", mails from contacts
// and from a stranger, "callto://" links, a mail to the user with a copy to
// another contact, a meeting request, an appointment.
Mailbox SampleMailbox();

// Puts the mailbox's folders and items into `outlook`, after what it holds.
void LoadMailbox(const Mailbox& mailbox, ModelOutlook& outlook);

// The folder at `path` below the root ("Contacts/Friends"), else the first
// folder of that name anywhere ("Friends"); case ignored. Null when none.
ModelFolderPtr FindFolder(const ModelOutlook& outlook, const std::wstring& path);
// Every folder below the root, as paths, in the tree's order.
std::vector<std::wstring> FolderPaths(const ModelOutlook& outlook);

}  // namespace model
