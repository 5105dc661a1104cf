// A mailbox as data fills a model Outlook: folders made where the paths
// say, items of every kind in order; and folders found by path or name.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "model/outlook/Mailbox.h"

namespace {

using model::MailboxItem;

std::vector<std::string> Names(const model::ModelFolderPtr& folder) {
    std::vector<std::string> names;
    for (const model::ModelItemPtr& item : folder->items()) {
        for (const char* property : {"FullName", "DLName", "Subject"}) {
            if (item->HasProperty(property) && !item->Property(property).ToText().empty()) {
                const std::wstring text = item->Property(property).ToText();
                names.push_back(std::string(text.begin(), text.end()));
                break;
            }
        }
    }
    return names;
}

TEST(Mailbox, ItsFoldersAndItemsGoIntoOutlookInOrder) {
    model::Mailbox mailbox;
    mailbox.Folder(L"Contacts").items = {
        MailboxItem::Contact({{"FullName", L"Ann"}}, L"ann.skype"),
        MailboxItem::DistributionList(L"Team"),
        MailboxItem::Contact({{"FullName", L"Ben"}, {"HomeTelephoneNumber", L"555"}})};
    mailbox.Folder(L"Projects/Old", outlook::item_type::kContact)
        .items.push_back(MailboxItem::Contact({{"FullName", L"Cy"}}));
    model::ModelMailItem::Fields mail;
    mail.subject = L"Hello";
    mailbox.Folder(L"inbox").items = {MailboxItem::Mail(mail),
                                      MailboxItem::MeetingRequest(L"Review", L"x@tandrel.example")};
    mailbox.Folder(L"Calendar").items.push_back(MailboxItem::Appointment(L"Dentist"));
    // The same folder named twice is one folder.
    EXPECT_EQ(&mailbox.Folder(L"Inbox"), &mailbox.Folder(L"INBOX"));

    model::ModelOutlook outlook;
    model::LoadMailbox(mailbox, outlook);
    EXPECT_EQ((std::vector<std::string>{"Ann", "Team", "Ben"}), Names(outlook.contacts()));
    EXPECT_EQ((std::vector<std::string>{"Hello", "Review"}), Names(outlook.inbox()));
    EXPECT_EQ((std::vector<std::string>{"Dentist"}), Names(outlook.calendar()));
    const auto ann =
        boost::dynamic_pointer_cast<model::ModelContactItem>(outlook.contacts()->items().at(0));
    ASSERT_TRUE(ann);
    EXPECT_TRUE(host::Variant::Bstr(L"ann.skype") == ann->UserPropertyValue(L"Skype Name"));
    const auto ben =
        boost::dynamic_pointer_cast<model::ModelContactItem>(outlook.contacts()->items().at(2));
    EXPECT_EQ(L"555", ben->Property("HomeTelephoneNumber").ToText());
    EXPECT_FALSE(ben->userProperties().FindByName(L"Skype Name"));

    const model::ModelFolderPtr old = model::FindFolder(outlook, L"Projects/Old");
    ASSERT_TRUE(old);
    EXPECT_EQ(outlook::item_type::kContact, old->defaultItemType());
    EXPECT_EQ((std::vector<std::string>{"Cy"}), Names(old));
    EXPECT_EQ((std::vector<std::wstring>{L"Deleted Items", L"Inbox", L"Sent Items", L"Calendar",
                                         L"Contacts", L"Projects", L"Projects/Old"}),
              model::FolderPaths(outlook));
}

TEST(Mailbox, AFolderIsFoundByItsPathOrElseByItsNameAnywhere) {
    model::ModelOutlook outlook;
    model::Mailbox mailbox;
    mailbox.Folder(L"Contacts/Friends", outlook::item_type::kContact);
    mailbox.Folder(L"Archive/Friends");
    model::LoadMailbox(mailbox, outlook);
    const model::ModelFolderPtr friends = outlook.contacts()->folders().at(0);
    const struct {
        const wchar_t* path;
        model::ModelFolderPtr found;
    } cases[] = {
        {L"inbox", outlook.inbox()},
        {L"CONTACTS/friends", friends},
        {L"Friends", friends},  // the first of that name, in the tree's order
        {L"Archive/Friends", model::FindFolder(outlook, L"Archive")->folders().at(0)},
        {L"Contacts/Nobody", nullptr},
        {L"Nowhere", nullptr},
        {L"", nullptr},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(std::string(each.path, each.path + std::wcslen(each.path)));
        EXPECT_EQ(each.found, model::FindFolder(outlook, each.path));
    }
    EXPECT_NE(friends, model::FindFolder(outlook, L"Archive/Friends"));
}

}  // namespace
