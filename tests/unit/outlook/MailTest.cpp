// CMail from model mails: the sender through the reply, and the
// "callto://" links of the body.
#include <gtest/gtest.h>

#include "OutlookFixture.h"
#include "outlook/CalltoLinks.h"
#include "outlook/Mail.h"
#include "util/Text.h"

namespace {

using host::Variant;
using outlook_tests::OutlookFixture;

class Mail : public OutlookFixture {
  protected:
    model::ModelMailItemPtr Received(const std::wstring& address, const std::wstring& name,
                                     const std::wstring& body = L"") {
        return outlook.AddMail(outlook.inbox(), address, name, body);
    }
    CMail Read(const model::ModelMailItemPtr& item) {
        return CMail(outlook::MailItem::QueryFrom(item), outlook.application());
    }
    std::vector<std::wstring> LinksIn(const std::wstring& body) {
        return Read(Received(L"a@example.com", L"A", body)).GetSkypeNames();
    }
};

TEST_F(Mail, SenderWhoIsAContactIsThatContact) {
    const model::ModelContactItemPtr anne =
        outlook.AddContact(outlook.contacts(), {{"FullName", L"Anne Smith"},
                                                {"Email1Address", L"anne@example.com"},
                                                {"HomeTelephoneNumber", L"020 7946 0018"}});
    anne->AddUserProperty(L"Skype Name", Variant::Bstr(L"anne.smith"));
    const CMail mail = Read(Received(L"anne@example.com", L"Anne (work)"));
    ASSERT_TRUE(mail.GetSender());
    EXPECT_EQ(L"Anne Smith", mail.GetSender()->GetName());
    EXPECT_EQ(L"anne.smith", mail.GetSender()->GetSkypeName());
    EXPECT_EQ(1u, mail.GetSender()->GetTelephones().size());
}

TEST_F(Mail, UnknownSenderIsMadeFromAddressAndName) {
    const CMail named = Read(Received(L"zed@example.com", L"Zed"));
    ASSERT_TRUE(named.GetSender());
    EXPECT_EQ(L"Zed", named.GetSender()->GetName());
    EXPECT_EQ(L"", named.GetSender()->GetSkypeName());

    const CMail unnamed = Read(Received(L"zed@example.com", L""));
    ASSERT_TRUE(unnamed.GetSender());
    EXPECT_EQ(L"zed@example.com", unnamed.GetSender()->GetName());
    EXPECT_EQ(L"zed@example.com", unnamed.GetSender()->GetFullName());
}

TEST_F(Mail, SenderFollowsTheReplyToList) {
    model::ModelMailItem::Fields fields;
    fields.senderAddress = L"list@example.com";
    fields.replyTo = {{L"anne@example.com", L"Anne"}};
    EXPECT_EQ(L"Anne", Read(outlook.AddMail(outlook.inbox(), fields)).GetSender()->GetName());

    fields.replyTo = {{L"anne@example.com", L"Anne"}, {L"bob@example.com", L"Bob"}};
    EXPECT_FALSE(Read(outlook.AddMail(outlook.inbox(), fields)).GetSender());
}

TEST_F(Mail, ReplyIsUsedOnlyForItsRecipientsAndReleased) {
    const model::ModelMailItemPtr item = Received(L"zed@example.com", L"Zed");
    {
        const CMail mail = Read(item);
        EXPECT_EQ(1, item->RepliesMade());
    }
    EXPECT_TRUE(item->LastReply().expired());
    EXPECT_EQ((std::vector<std::string>{"VT_I4 1"}), ArgumentKinds("Item", "Recipients"));
    EXPECT_TRUE(Calls("Display", "MailItem").empty());
    EXPECT_TRUE(Calls("Save", "MailItem").empty());
    EXPECT_TRUE(Calls("Send", "MailItem").empty());
}

TEST_F(Mail, RefusedReplyLeavesNoSenderButBodyIsScanned) {
    const model::ModelMailItemPtr item =
        Received(L"zed@example.com", L"Zed", L"callto://zed.skype");
    item->FailNext("Reply", host::hr::kFail);
    const CMail mail = Read(item);
    EXPECT_FALSE(mail.GetSender());
    EXPECT_EQ(std::vector<std::wstring>{L"zed.skype"}, mail.GetSkypeNames());
}

TEST_F(Mail, LinkedNamesInOrder) {
    EXPECT_EQ((std::vector<std::wstring>{L"anne.smith", L"bob_1", L"anne.smith"}),
              LinksIn(L"Call callto://anne.smith or callto://bob_1, again callto://anne.smith!"));
    // A full stop is one of the name's characters, even at the end of a sentence.
    EXPECT_EQ(std::vector<std::wstring>{L"anne."}, LinksIn(L"Try callto://anne."));
    EXPECT_EQ(std::vector<std::wstring>{L"Anne"}, LinksIn(L"callto://Anne Smith"));
    EXPECT_EQ(std::vector<std::wstring>{L"a-b.c_d"}, LinksIn(L"<callto://a-b.c_d>"));
    // Case-sensitive prefix.
    EXPECT_TRUE(LinksIn(L"CALLTO://anne").empty());
}

TEST_F(Mail, DigitAfterPrefixEndsTheScan) {
    EXPECT_EQ(std::vector<std::wstring>{L"anne"},
              LinksIn(L"callto://anne, callto://0123 and callto://bob"));
    // A plus sign gives no name, and the scan goes on.
    EXPECT_EQ(std::vector<std::wstring>{L"bob"}, LinksIn(L"callto://+44123 callto://bob"));
}

TEST_F(Mail, BodyEndingWithThePrefixOrNestedPrefixes) {
    EXPECT_TRUE(LinksIn(L"see callto://").empty());
    EXPECT_EQ(std::vector<std::wstring>{L"x"}, LinksIn(L"callto://x callto://"));
    // "callto:" stops the name at ':'; the next search starts after the first prefix.
    EXPECT_EQ((std::vector<std::wstring>{L"callto", L"bob"}), LinksIn(L"callto://callto://bob"));
}

TEST_F(Mail, BodySizeLimit) {
    const std::wstring link = L"callto://anne";
    std::wstring justUnder(CMail::kMaxScannedBody - 1 - link.size(), L' ');
    justUnder += link;
    ASSERT_EQ(CMail::kMaxScannedBody - 1, justUnder.size());
    EXPECT_EQ(std::vector<std::wstring>{L"anne"}, LinksIn(justUnder));

    const std::wstring atLimit = justUnder + L" ";
    ASSERT_EQ(CMail::kMaxScannedBody, atLimit.size());
    EXPECT_TRUE(LinksIn(atLimit).empty());

    // Counted as Windows counts a COM string: a character beyond the Basic
    // Multilingual Plane is two UTF-16 units, wherever wchar_t holds it whole.
    std::wstring astral = link + L" ";
    const std::size_t pairs = (CMail::kMaxScannedBody - 1 - astral.size()) / 2;
    for (std::size_t i = 0; i < pairs; ++i) astral += L"\U0001F600";
    if (text::Utf16Length(astral) < CMail::kMaxScannedBody - 1) astral += L' ';
    ASSERT_EQ(CMail::kMaxScannedBody - 1, text::Utf16Length(astral));
    EXPECT_EQ(std::vector<std::wstring>{L"anne"}, LinksIn(astral));
    EXPECT_TRUE(LinksIn(astral + L" ").empty());
}

TEST_F(Mail, CharactersOutsideTheCodePageAreNotPartOfNames) {
    // U+00E9 is in Windows-1252 but not a letter of the name set; U+4E2D is
    // outside the code page and becomes '?'.
    EXPECT_EQ((std::vector<std::wstring>{L"ren", L"ab"}),
              LinksIn(L"callto://ren\u00e9e callto://ab\u4e2dcd"));
    EXPECT_EQ(std::vector<std::wstring>{L"z"}, LinksIn(L"\u4e2d\u00ffcallto://z\u00ff"));
}

TEST(CalltoLinks, RawBytesAboveAsciiEndANameSafely) {
    const std::string body = std::string("callto://ab\xE9") + "\x80\xFF" + "callto://\xC0x";
    EXPECT_EQ(std::vector<std::string>{"ab"}, outlook::FindCalltoNames(body));
    EXPECT_TRUE(outlook::FindCalltoNames("").empty());
    EXPECT_TRUE(outlook::FindCalltoNames("callto:/").empty());
}

TEST_F(Mail, SnapshotOfKnownParts) {
    const CContactPtr sender(new CContact(L"a@example.com", L"A"));
    const CMail mail(sender, {L"one", L"two"});
    EXPECT_EQ(sender, mail.GetSender());
    EXPECT_EQ((std::vector<std::wstring>{L"one", L"two"}), mail.GetSkypeNames());
    EXPECT_FALSE(mail.GetMailItem());
}

}  // namespace
