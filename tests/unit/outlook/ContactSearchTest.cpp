// CContact::FindByEmailAddress against the model Outlook's folders and its
// Items.Find, which parses the filter as Outlook does.
#include <gtest/gtest.h>

#include "OutlookFixture.h"
#include "outlook/Contact.h"
#include "outlook/MAPIFolder.h"
#include "outlook/OutlookIds.h"

namespace {

using host::Variant;
using outlook_tests::OutlookFixture;

class ContactSearch : public OutlookFixture {
  protected:
    CContactPtr Find(const std::wstring& address) {
        return CContact::FindByEmailAddress(outlook.application(), address);
    }
};

TEST_F(ContactSearch, FindsAnyOfTheThreeAddressesInTheDefaultContactsFolder) {
    outlook.AddContact(outlook.contacts(),
                       {{"FullName", L"Bob"}, {"Email1Address", L"bob@example.com"}});
    outlook.AddContact(outlook.contacts(),
                       {{"FullName", L"Anne Smith"}, {"Email2Address", L"anne@example.com"}});
    const CContactPtr found = Find(L"anne@example.com");
    ASSERT_TRUE(found);
    EXPECT_EQ(L"Anne Smith", found->GetName());
    // Outlook compares without regard to case.
    ASSERT_TRUE(Find(L"BOB@example.com"));
    EXPECT_FALSE(Find(L"carol@example.com"));

    EXPECT_EQ(
        (std::vector<std::string>{"VT_BSTR \"MAPI\"", "VT_BSTR \"MAPI\"", "VT_BSTR \"MAPI\""}),
        ArgumentKinds("GetNamespace", "Application"));
    EXPECT_EQ("VT_I4 10", ArgumentKinds("GetDefaultFolder", "NameSpace").at(0));
    EXPECT_EQ(
        "VT_BSTR \"[Email1Address] = 'anne@example.com' Or [Email2Address] = "
        "'anne@example.com' Or [Email3Address] = 'anne@example.com'\"",
        ArgumentKinds("Find", "Items").at(0));
}

TEST_F(ContactSearch, SubFoldersOfTheContactsFolderAreNotSearched) {
    const model::ModelFolderPtr friends =
        outlook.AddFolder(outlook.contacts(), L"Friends", outlook::item_type::kContact);
    outlook.AddContact(friends, {{"FullName", L"Anne"}, {"Email2Address", L"anne@example.com"}});
    EXPECT_FALSE(Find(L"anne@example.com"));
}

TEST_F(ContactSearch, FolderOfAnotherKindIsWalkedDepthFirst) {
    // A default folder that holds no contacts itself leads to those below it.
    const model::ModelFolderPtr store =
        outlook.AddFolder(outlook.mailbox(), L"Archive", outlook::item_type::kMail);
    const model::ModelFolderPtr notes =
        outlook.AddFolder(store, L"Notes", outlook::item_type::kNote);
    const model::ModelFolderPtr first =
        outlook.AddFolder(store, L"First", outlook::item_type::kContact);
    const model::ModelFolderPtr second =
        outlook.AddFolder(store, L"Second", outlook::item_type::kContact);
    outlook.AddFolder(notes, L"Deep", outlook::item_type::kContact);
    outlook.AddContact(second, {{"FullName", L"In Second"}, {"Email1Address", L"x@example.com"}});
    outlook.SetDefaultFolder(outlook::default_folder::kContacts, store);

    const CContactPtr found = Find(L"x@example.com");
    ASSERT_TRUE(found);
    EXPECT_EQ(L"In Second", found->GetName());
    // Notes is walked (and its contacts folder searched), First is searched, then Second.
    EXPECT_EQ(3u, Calls("Find", "Items").size());
    for (const std::string& kinds : ArgumentKinds("Item", "Folders")) {
        EXPECT_EQ(0u, kinds.find("VT_I4 ")) << kinds;
    }
}

TEST_F(ContactSearch, WalkStopsAtAnImplausibleDepth) {
    // A store answering ever deeper folders (as one that lists a folder
    // below itself would) ends the walk instead of the stack.
    model::ModelFolderPtr folder =
        outlook.AddFolder(outlook.mailbox(), L"0", outlook::item_type::kMail);
    outlook.SetDefaultFolder(outlook::default_folder::kContacts, folder);
    for (int level = 1; level < 200; ++level) {
        folder = outlook.AddFolder(folder, std::to_wstring(level), outlook::item_type::kMail);
    }
    outlook.AddContact(outlook.AddFolder(folder, L"Deep", outlook::item_type::kContact),
                       {{"Email1Address", L"deep@example.com"}});
    EXPECT_FALSE(Find(L"deep@example.com"));
    EXPECT_TRUE(Calls("Find", "Items").empty());
    EXPECT_EQ(64u, Calls("Item", "Folders").size());
}

TEST_F(ContactSearch, FirstOfTwoMatchesIsTaken) {
    outlook.AddContact(outlook.contacts(),
                       {{"FullName", L"First"}, {"Email3Address", L"same@example.com"}});
    outlook.AddContact(outlook.contacts(),
                       {{"FullName", L"Second"}, {"Email1Address", L"same@example.com"}});
    ASSERT_TRUE(Find(L"same@example.com"));
    EXPECT_EQ(L"First", Find(L"same@example.com")->GetName());
}

TEST_F(ContactSearch, ApostropheInAGenuineAddressIsFound) {
    outlook.AddContact(outlook.contacts(),
                       {{"FullName", L"Pat O'Brien"}, {"Email1Address", L"o'brien@example.com"}});
    const CContactPtr found = Find(L"o'brien@example.com");
    ASSERT_TRUE(found);
    EXPECT_EQ(L"Pat O'Brien", found->GetName());
    EXPECT_NE(
        std::string::npos,
        ArgumentKinds("Find", "Items").at(0).find("[Email1Address] = 'o''brien@example.com'"));
}

TEST_F(ContactSearch, CraftedAddressCannotAddFilterTerms) {
    outlook.AddContact(outlook.contacts(),
                       {{"FullName", L"Victim"}, {"Email1Address", L"victim@example.com"}});
    // Unescaped, this would read "... = 'x' Or [Email1Address] = 'victim@example.com' ...".
    EXPECT_FALSE(Find(L"x' Or [Email1Address] = 'victim@example.com"));
    EXPECT_FALSE(Find(L"'"));
    // Every Find was accepted by the host: the filters stayed well formed.
    for (const model::CallRecord& call : Calls("Find", "Items")) {
        EXPECT_EQ(host::hr::kOk, call.result);
    }
}

TEST_F(ContactSearch, ModelRefusesAnUnescapedQuoteAsOutlookDoes) {
    // What the search would send without doubling the quote: Find fails.
    outlook::Items items = outlook::MAPIFolder(outlook.contacts()).Items();
    EXPECT_FALSE(items.Find(L"[Email1Address] = 'o'brien@example.com'"));
    EXPECT_EQ(host::hr::kException, Calls("Find", "Items").back().result);
}

TEST_F(ContactSearch, UnsupportedVersionAndEmptyAddressDoNotTouchTheFolders) {
    outlook.AddContact(outlook.contacts(), {{"Email1Address", L"anne@example.com"}});
    outlook.SetVersion(L"9.0.0.4201");
    EXPECT_FALSE(Find(L"anne@example.com"));
    outlook.SetVersion(L"11.0.5608.0");
    EXPECT_FALSE(Find(L""));
    EXPECT_TRUE(Calls("GetNamespace", "Application").empty());
    EXPECT_TRUE(Calls("Find", "Items").empty());
}

TEST_F(ContactSearch, NonContactMatchAndHostFailuresGiveNothing) {
    // A distribution list carries no Email1Address: it never matches, and an
    // item that is not a contact would not be taken if Find returned one.
    outlook.AddDistributionList(outlook.contacts(), L"Team");
    EXPECT_FALSE(Find(L"team@example.com"));

    outlook.AddContact(outlook.contacts(), {{"Email1Address", L"anne@example.com"}});
    static_cast<model::ModelObject&>(*outlook.applicationObject())
        .FailNext("GetNamespace", host::hr::kFail);
    EXPECT_FALSE(Find(L"anne@example.com"));
    outlook.SetDefaultFolder(outlook::default_folder::kContacts, model::ModelFolderPtr());
    EXPECT_FALSE(Find(L"anne@example.com"));
}

TEST_F(ContactSearch, FoundContactIsReadInFull) {
    const model::ModelContactItemPtr item =
        outlook.AddContact(outlook.contacts(), {{"FullName", L"Anne Smith"},
                                                {"Email1Address", L"anne@example.com"},
                                                {"MobileTelephoneNumber", L"+44 555 123"}});
    item->AddUserProperty(L"Skype Name", Variant::Bstr(L"anne.smith"));
    const CContactPtr found = Find(L"anne@example.com");
    ASSERT_TRUE(found);
    EXPECT_EQ(L"anne.smith", found->GetSkypeName());
    ASSERT_EQ(1u, found->GetTelephones().size());
    EXPECT_EQ(L"Mobile: ", found->GetTelephones()[0].first);
}

}  // namespace
