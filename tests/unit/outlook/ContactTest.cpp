// CContact read from a model contact item, and from an address and name.
#include <gtest/gtest.h>

#include "OutlookFixture.h"
#include "outlook/Contact.h"
#include "outlook/ContactItem.h"

namespace {

using host::Variant;
using outlook_tests::OutlookFixture;

class ContactFromItem : public OutlookFixture {
  protected:
    CContact Read(const model::ModelContactItemPtr& item) {
        return CContact(outlook::ContactItem::QueryFrom(item));
    }
};

TEST_F(ContactFromItem, NameFallsBackFromFullNameToFileAsToDefault) {
    const CContact full = Read(outlook.AddContact(
        outlook.contacts(), {{"FullName", L"Anne Smith"}, {"FileAs", L"Smith, Anne"}}));
    EXPECT_EQ(L"Anne Smith", full.GetName());
    EXPECT_EQ(L"Anne Smith", full.GetFullName());

    const CContact fileAs =
        Read(outlook.AddContact(outlook.contacts(), {{"FileAs", L"Smith, Anne"}}));
    EXPECT_EQ(L"Smith, Anne", fileAs.GetName());
    EXPECT_EQ(L"", fileAs.GetFullName());

    const model::ModelContactItemPtr nameless = outlook.AddContact(outlook.contacts(), {});
    nameless->SetProperty("FullName", Variant::NullBstr());  // Outlook's null text
    const CContact unnamed = Read(nameless);
    EXPECT_EQ(L"Outlook Contact", unnamed.GetName());
    EXPECT_EQ(L"", unnamed.GetFullName());
}

TEST_F(ContactFromItem, CopiesIdentifiersAndLastName) {
    const CContact contact = Read(outlook.AddContact(
        outlook.contacts(),
        {{"FullName", L"Anne Smith"}, {"LastName", L"Smith"}, {"EntryID", L"00000000ABCD"}}));
    EXPECT_EQ(L"Smith", contact.GetLastName());
    EXPECT_EQ(L"00000000ABCD", contact.GetEntryId());
}

TEST_F(ContactFromItem, TelephonesInTableOrderWithLabels) {
    // Set in an order unlike the table's, to show the table decides.
    const CContact contact =
        Read(outlook.AddContact(outlook.contacts(), {{"RadioTelephoneNumber", L"9"},
                                                     {"MobileTelephoneNumber", L"+44 555 123"},
                                                     {"AssistantTelephoneNumber", L"5"},
                                                     {"Business2TelephoneNumber", L"4"},
                                                     {"BusinessTelephoneNumber", L"3"},
                                                     {"PrimaryTelephoneNumber", L"1"},
                                                     {"CompanyMainTelephoneNumber", L"2"},
                                                     {"Home2TelephoneNumber", L"7"},
                                                     {"HomeTelephoneNumber", L"6"},
                                                     {"CarTelephoneNumber", L"8a"},
                                                     {"OtherTelephoneNumber", L"8b"},
                                                     {"BusinessFaxNumber", L"fax"},
                                                     {"PagerNumber", L"pager"}}));
    const std::vector<CContact::Telephone> expected = {
        {L"Primary: ", L"1"},   {L"Company: ", L"2"},
        {L"Business: ", L"3"},  {L"Business: ", L"4"},
        {L"Assistant: ", L"5"}, {L"Home: ", L"6"},
        {L"Home: ", L"7"},      {L"Mobile: ", L"+44 555 123"},
        {L"Car: ", L"8a"},      {L"Other: ", L"8b"},
        {L"Radio: ", L"9"}};
    EXPECT_EQ(expected, contact.GetTelephones());
}

TEST_F(ContactFromItem, UncallableNumbersGiveNoTelephones) {
    const CContact contact =
        Read(outlook.AddContact(outlook.contacts(), {{"FullName", L"Fax Only"},
                                                     {"BusinessFaxNumber", L"+44 20 7946 0000"},
                                                     {"ISDNNumber", L"1"},
                                                     {"TelexNumber", L"2"},
                                                     {"TTYTDDTelephoneNumber", L"3"},
                                                     {"CallbackTelephoneNumber", L"4"}}));
    EXPECT_TRUE(contact.GetTelephones().empty());
}

TEST_F(ContactFromItem, SkypeNameFromUserProperty) {
    const model::ModelContactItemPtr with =
        outlook.AddContact(outlook.contacts(), {{"FullName", L"Anne"}});
    with->AddUserProperty(L"Skype Name", Variant::Bstr(L"anne.smith"));
    EXPECT_EQ(L"anne.smith", Read(with).GetSkypeName());

    const model::ModelContactItemPtr without = outlook.AddContact(outlook.contacts(), {});
    EXPECT_EQ(L"", Read(without).GetSkypeName());

    const model::ModelContactItemPtr empty = outlook.AddContact(outlook.contacts(), {});
    empty->AddUserProperty(L"Skype Name", Variant::Bstr(L""));
    EXPECT_EQ(L"", Read(empty).GetSkypeName());

    // A property of another kind holds no text.
    const model::ModelContactItemPtr number = outlook.AddContact(outlook.contacts(), {});
    number->AddUserProperty(L"Skype Name", Variant::I4(42), 3);
    EXPECT_EQ(L"", Read(number).GetSkypeName());
}

TEST_F(ContactFromItem, EmailAddressesOnlyWhereTheVersionAllows) {
    const model::ModelContactItemPtr item = outlook.AddContact(
        outlook.contacts(),
        {{"Email1Address", L"a@example.com"}, {"Email3Address", L"c@example.com"}});
    EXPECT_EQ((std::vector<std::wstring>{L"a@example.com", L"c@example.com"}),
              Read(item).GetEmailAddresses());

    outlook.SetVersion(L"10.0.2627.0");
    outlook.log().Clear();
    EXPECT_TRUE(Read(item).GetEmailAddresses().empty());
    EXPECT_TRUE(Calls("Email1Address", "ContactItem").empty());
}

TEST_F(ContactFromItem, ReadsInOrderWithTheArgumentKindsOutlookExpects) {
    const model::ModelContactItemPtr item =
        outlook.AddContact(outlook.contacts(), {{"FullName", L"Anne"}});
    item->AddUserProperty(L"Skype Name", Variant::Bstr(L"anne"));
    outlook.log().Clear();
    Read(item);

    std::vector<std::string> members;
    for (const model::CallRecord& record : outlook.log().records()) {
        const bool member = record.kind != model::CallRecord::Kind::QueryInterface;
        if (member && (record.object == "ContactItem" || record.object == "UserProperties" ||
                       record.object == "UserProperty")) {
            members.push_back(record.member);
        }
    }
    const std::vector<std::string> expected = {"FullName",
                                               "FullName",
                                               "EntryID",
                                               "LastName",
                                               "UserProperties",
                                               "Find",
                                               "Value",
                                               "Application",
                                               "Email1Address",
                                               "Email2Address",
                                               "Email3Address",
                                               "PrimaryTelephoneNumber",
                                               "CompanyMainTelephoneNumber",
                                               "BusinessTelephoneNumber",
                                               "Business2TelephoneNumber",
                                               "AssistantTelephoneNumber",
                                               "HomeTelephoneNumber",
                                               "Home2TelephoneNumber",
                                               "MobileTelephoneNumber",
                                               "CarTelephoneNumber",
                                               "OtherTelephoneNumber",
                                               "RadioTelephoneNumber"};
    EXPECT_EQ(expected, members);
    EXPECT_EQ((std::vector<std::string>{"VT_BSTR \"Skype Name\" | VT_ERROR 0x80020004 (missing)"}),
              ArgumentKinds("Find", "UserProperties"));
}

TEST_F(ContactFromItem, RefusedReadsLeaveMembersEmpty) {
    const model::ModelContactItemPtr item = outlook.AddContact(
        outlook.contacts(), {{"FullName", L"Anne"}, {"FileAs", L"Smith"}, {"LastName", L"Smith"}});
    item->AddUserProperty(L"Skype Name", Variant::Bstr(L"anne"));
    item->FailNext("FullName", host::hr::kFail, 2);
    item->FailNext("LastName", host::hr::kFail);
    item->FailNext("UserProperties", host::hr::kFail);
    const CContact contact = Read(item);
    EXPECT_EQ(L"Smith", contact.GetName());
    EXPECT_EQ(L"", contact.GetFullName());
    EXPECT_EQ(L"", contact.GetLastName());
    EXPECT_EQ(L"", contact.GetSkypeName());
}

TEST_F(ContactFromItem, NullItemGivesAnUnnamedContact) {
    const CContact contact{outlook::ContactItem()};
    EXPECT_EQ(L"Outlook Contact", contact.GetName());
    EXPECT_TRUE(contact.GetTelephones().empty());
    // No application: the version check allows addresses, but there are none.
    EXPECT_TRUE(contact.GetEmailAddresses().empty());
}

TEST(ContactFromAddress, NameOrAddressBecomesTheName) {
    const CContact named(L"anne@example.com", L"Anne Smith");
    EXPECT_EQ(L"Anne Smith", named.GetName());
    EXPECT_EQ(L"Anne Smith", named.GetFullName());
    EXPECT_EQ(L"", named.GetSkypeName());
    EXPECT_TRUE(named.GetTelephones().empty());

    const CContact unnamed(L"anne@example.com", L"");
    EXPECT_EQ(L"anne@example.com", unnamed.GetName());
    EXPECT_EQ(L"anne@example.com", unnamed.GetFullName());
}

}  // namespace
