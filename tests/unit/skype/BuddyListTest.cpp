// The buddy list: filled from "USERS" lists, sorted in the user's locale,
// each record refreshed and kept current by "USER" notifications, and
// matched against Outlook contacts.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "SkypeFixture.h"
#include "outlook/Contact.h"
#include "skype/SkypeBuddy.h"
#include "support/TraceCapture.h"

namespace {

using Strings = std::vector<std::string>;

std::string Narrow(const std::wstring& wide) { return std::string(wide.begin(), wide.end()); }

CContact Contact(const wchar_t* skypeName, const wchar_t* fullName, const wchar_t* lastName) {
    CContact::Fields fields;
    fields.skypeName = skypeName;
    fields.fullName = fullName;
    fields.lastName = lastName;
    fields.name = fullName;
    return CContact(fields);
}

class BuddyList : public skype_test::SkypeFixture {
  protected:
    Strings Handles() const {
        Strings handles;
        for (const CSkypeBuddyPtr& buddy : client->GetBuddyList()) {
            handles.push_back(Narrow(buddy->GetHandle()));
        }
        return handles;
    }
    std::string Found(const CContact& contact) {
        CSkypeBuddyPtr buddy = client->FindBuddy(contact);
        return buddy ? Narrow(buddy->GetHandle()) : "(none)";
    }
};

TEST_F(BuddyList, AListAddsFriendsSortsThemInTheUsersLocaleAndRefreshesEachInOrder) {
    Attach();
    client->DestroyMessageWindow();  // start from an empty list on a fresh window
    CreateClient();
    Advance(500);
    skype.ClearReceived();
    model.sleeper.sleeps.clear();
    Reply("USERS zed, Bob, a-c, alice, ab");
    // Word sort: case and hyphens weigh less than letters.
    const Strings expected = {"ab",      "a-c",         "alice",        "alice.wonder",
                              "Bob",     "bob.builder", "carol.nguyen", "dave.li",
                              "echo123", "john.smith1", "zed"};
    EXPECT_EQ(expected, Handles());
    EXPECT_EQ(std::vector<std::uint32_t>{50}, model.sleeper.sleeps);
    Strings asked;
    for (const std::string& handle : expected) {
        asked.push_back("GET USER " + handle + " FULLNAME");
        asked.push_back("GET USER " + handle + " ONLINESTATUS");
    }
    EXPECT_EQ(asked, Commands());
    EXPECT_TRUE(client->FindBuddy(L"zed")->IsFriend());
}

TEST_F(BuddyList, AnEmptyListStillPausesSortsAndRefreshesTheKnownRecords) {
    Attach();
    client->AddBuddy(L"aardvark", false);  // appended, not sorted in
    EXPECT_EQ("aardvark", Handles().back());
    skype.ClearReceived();
    model.sleeper.sleeps.clear();
    Reply("USERS ");
    EXPECT_EQ("aardvark", Handles().front());
    EXPECT_EQ(std::vector<std::uint32_t>{50}, model.sleeper.sleeps);
    EXPECT_EQ(14u, Commands().size());
    // Records no longer in Skype's list stay.
    Reply("USERS echo123");
    EXPECT_EQ(7u, Handles().size());
}

TEST_F(BuddyList, RecordsKnowNamesAndStatusesAfterAttaching) {
    Attach();
    CSkypeBuddyPtr alice = client->FindBuddy(L"alice.wonder");
    ASSERT_TRUE(alice);
    EXPECT_EQ(L"Alice Wonder", alice->GetFullName());
    EXPECT_EQ(L"alice.wonder (Online)", alice->GetDisplayName());
    EXPECT_EQ(L"bob.builder (Away)", client->FindBuddy(L"bob.builder")->GetDisplayName());
    EXPECT_EQ(L"carol.nguyen (Not Available)",
              client->FindBuddy(L"carol.nguyen")->GetDisplayName());
    EXPECT_EQ(L"john.smith1 (Do Not Disturb)", client->FindBuddy(L"john.smith1")->GetDisplayName());
    EXPECT_EQ(L"dave.li (Offline)", client->FindBuddy(L"dave.li")->GetDisplayName());
    // Not a friend: Skype does not list it.
    EXPECT_FALSE(client->FindBuddy(L"erin.visitor"));
    EXPECT_FALSE(client->FindBuddy(L"Alice.Wonder"));
}

TEST_F(BuddyList, NotificationsUpdateOnlyTheirOwnRecord) {
    Attach();
    CSkypeBuddyPtr alice = client->FindBuddy(L"alice.wonder");
    CSkypeBuddyPtr bob = client->FindBuddy(L"bob.builder");
    skype.SetUserProperty("alice.wonder", "ONLINESTATUS", "AWAY");
    EXPECT_EQ(L"Away", alice->GetStatusText());
    EXPECT_EQ(L"Away", bob->GetStatusText());
    Reply("USER alice.wonder ONLINESTATUS SKYPEME");
    EXPECT_EQ(L"Unavailable", alice->GetStatusText());
    Reply("USER alice.wonder ONLINESTATUS INVISIBLE");
    EXPECT_EQ(L"Unavailable", alice->GetStatusText());
    Reply("USER alice.wonder ONLINESTATUS online");  // words are case-sensitive
    EXPECT_EQ(L"Unavailable", alice->GetStatusText());
    Reply("USER alice.wonder FULLNAME Alice  Maria Wonder ");
    EXPECT_EQ(L"Alice  Maria Wonder ", alice->GetFullName());
    Reply("USER alice.wonder PHONE_HOME +441632960001");
    Reply("USER alice.wonder PHONE_OFFICE +441632960002");
    Reply("USER alice.wonder PHONE_MOBILE +447700900999");
    EXPECT_EQ(L"+441632960001", alice->GetHomePhone());
    EXPECT_EQ(L"+441632960002", alice->GetOfficePhone());
    EXPECT_EQ(L"+447700900999", alice->GetMobilePhone());
    Reply("USER alice.wonder BUDDYSTATUS 1");
    EXPECT_FALSE(alice->IsFriend());
    Reply("USER alice.wonder BUDDYSTATUS 3");
    EXPECT_TRUE(alice->IsFriend());
    // Another letter case is another user; unknown properties and a property
    // without a value say nothing.
    Reply("USER Alice.Wonder FULLNAME Impostor");
    Reply("USER alice.wonder fullname Impostor");
    Reply("USER alice.wonder FULLNAME");
    Reply("USER alice.wonder");
    Reply("USER ");
    EXPECT_EQ(L"Alice  Maria Wonder ", alice->GetFullName());
    EXPECT_EQ(L"Bob Builder", bob->GetFullName());
    // Text outside ASCII arrives in the ANSI code page.
    Reply(
        "USER bob.builder FULLNAME Bj\xF6rn B\xFC"
        "lder");
    EXPECT_EQ(L"Bj\u00F6rn B\u00FClder", bob->GetFullName());
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(BuddyList, AReplyReachesOnlyTheRecordsItNamesAndEveryOtherObserverInKeyOrder) {
    Attach();
    CSkypeBuddyPtr bob = client->FindBuddy(L"bob.builder");
    const std::string bobKey = bob->GetSubscriptionKey();
    // Observers that are not records hear every reply, in key order with
    // the records: one whose key comes after Bob's record sees his new name.
    struct Heard {
        std::string key;
        std::string reply;
        std::wstring bobName;
    };
    std::vector<Heard> heard;
    std::vector<std::string> keys;
    bool before = false;
    bool after = false;
    while ((!before || !after) && keys.size() < 64) {
        const std::size_t i = keys.size();
        keys.push_back(client->AdviseAPIResult([&, i](const std::string& reply) {
            heard.push_back({keys[i], reply, bob->GetFullName()});
        }));
        (keys.back() < bobKey ? before : after) = true;
    }
    testing_support::TraceCapture trace(model.registry);
    trace.Enable();
    Reply("USER bob.builder FULLNAME Robert Builder");
    Reply("CALL 1001 STATUS ROUTING");
    trace.Disable();
    EXPECT_EQ(L"Robert Builder", bob->GetFullName());
    // One record read the notification, none the call's.
    EXPECT_EQ(1u, Occurrences(trace.Text(), "ENTR CSkypeBuddy::OnReturnAPIResult"));
    EXPECT_EQ(2u, Occurrences(trace.Text(), "ENTR CSkype::OnCopyData"));
    std::vector<std::string> sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(2 * sorted.size(), heard.size());
    for (std::size_t j = 0; j < sorted.size(); ++j) {
        EXPECT_EQ(sorted[j], heard[j].key);
        EXPECT_EQ("USER bob.builder FULLNAME Robert Builder", heard[j].reply);
        EXPECT_EQ(sorted[j] < bobKey ? L"Bob Builder" : L"Robert Builder", heard[j].bobName);
        EXPECT_EQ(sorted[j], heard[sorted.size() + j].key);
        EXPECT_EQ("CALL 1001 STATUS ROUTING", heard[sorted.size() + j].reply);
    }
}

TEST_F(BuddyList, HandlesTheLocaleCallsEqualFindTheSameRecordsAsComparingEachWould) {
    Attach();
    // The word sort weighs hyphens last: these three compare equal.
    client->AddBuddy(L"ann-lee", true);
    client->AddBuddy(L"annlee-", true);
    client->AddBuddy(L"-annlee", true);
    client->AddBuddy(L"annlee", true);  // plain, and different: the hyphen still counts
    Strings handles = Handles();
    EXPECT_EQ(1, std::count(handles.begin(), handles.end(), "ann-lee"));
    EXPECT_EQ(0, std::count(handles.begin(), handles.end(), "annlee-"));
    EXPECT_EQ(1, std::count(handles.begin(), handles.end(), "annlee"));
    EXPECT_EQ(L"ann-lee", client->FindBuddy(L"-annlee")->GetHandle());
    EXPECT_EQ(L"annlee", client->FindBuddy(L"annlee")->GetHandle());
    Reply("USER annlee- FULLNAME Ann Lee");
    Reply("USER annlee FULLNAME Annabel Lee");
    EXPECT_EQ(L"Ann Lee", client->FindBuddy(L"ann-lee")->GetFullName());
    EXPECT_EQ(L"Annabel Lee", client->FindBuddy(L"annlee")->GetFullName());
}

TEST_F(BuddyList, AddBuddyKeepsOneRecordPerHandleAndAsksSkypeNothing) {
    Attach();
    skype.ClearReceived();
    const std::size_t before = Handles().size();
    client->AddBuddy(L"echo123", false);
    EXPECT_TRUE(client->FindBuddy(L"echo123")->IsFriend());
    client->AddBuddy(L"", true);
    EXPECT_EQ(before, Handles().size());
    client->AddBuddy(L"newcomer", false);
    EXPECT_EQ(before + 1, Handles().size());
    CSkypeBuddyPtr newcomer = client->FindBuddy(L"newcomer");
    EXPECT_FALSE(newcomer->IsFriend());
    EXPECT_EQ(L"newcomer (Unknown)", newcomer->GetDisplayName());
    EXPECT_TRUE(Commands().empty());
    newcomer->Refresh();
    EXPECT_EQ((Strings{"GET USER newcomer FULLNAME", "GET USER newcomer ONLINESTATUS"}),
              Commands());
}

TEST_F(BuddyList, PropertiesAreAskedInTheAnsiCodePage) {
    Attach();
    skype.ClearReceived();
    client->GetUserProperty(L"FULLNAME", L"j\u00F6rg\u4E2D");
    client->LoadBuddyList();
    const Strings commands = Commands();
    ASSERT_LE(2u, commands.size());
    EXPECT_EQ("GET USER j\xF6rg? FULLNAME", commands[0]);
    EXPECT_EQ("SEARCH FRIENDS", commands[1]);
}

TEST_F(BuddyList, ContactsMatchByHandleThenFullNameThenSurnameInListOrder) {
    Attach();
    // alice.wonder, bob.builder, carol.nguyen, dave.li, echo123, john.smith1
    EXPECT_EQ("john.smith1", Found(Contact(L"john.smith1", L"", L"")));
    EXPECT_EQ("bob.builder", Found(Contact(L"", L"Bob Builder", L"")));
    EXPECT_EQ("john.smith1", Found(Contact(L"", L"J. Smith", L"Smith")));
    // Without a last name the key is what follows the first blank.
    EXPECT_EQ("carol.nguyen", Found(Contact(L"", L"Dr Nguyen", L"")));
    // An earlier record matching by surname wins over a later one by handle.
    EXPECT_EQ("alice.wonder", Found(Contact(L"john.smith1", L"", L"Wonder")));
    // The surname found in a full name rather than the handle.
    client->AddBuddy(L"qt", true);
    Reply("USER qt FULLNAME Quentin Tarantino");
    EXPECT_EQ("qt", Found(Contact(L"", L"Q.", L"TARANTINO")));
    EXPECT_EQ("(none)", Found(Contact(L"", L"", L"")));
    EXPECT_EQ("(none)", Found(Contact(L"nobody", L"No Body", L"Nobody")));
}

TEST_F(BuddyList, AChangedFullNameIsMatchedByItsNewSurnameOnly) {
    Attach();
    client->AddBuddy(L"qt", true);
    Reply("USER qt FULLNAME Quentin Tarantino");
    EXPECT_EQ("qt", Found(Contact(L"", L"Q.", L"Tarantino")));
    Reply("USER qt FULLNAME Quentin Blake");
    EXPECT_EQ("(none)", Found(Contact(L"", L"Q.", L"Tarantino")));
    EXPECT_EQ("qt", Found(Contact(L"", L"Q.", L"Blake")));
    Reply("USER qt FULLNAME ");  // an empty full name matches no surname
    EXPECT_EQ("(none)", Found(Contact(L"", L"Q.", L"Blake")));
}

// What a list of the buddies shows is each display name in list order: the
// change count moves exactly when that may differ.
TEST_F(BuddyList, TheChangeCountMovesWhenWhatTheListShowsChanges) {
    const struct {
        const char* what;
        std::function<void()> event;
        bool changes;
    } events[] = {
        {"every status asked again at ONLINE, none changed",
         [this] {
             skype.SetConnectionStatus("CONNECTING");
             skype.ClearReceived();
             skype.SetConnectionStatus("ONLINE");
             ASSERT_EQ(6u, Commands().size());
         },
         false},
        {"a record added", [this] { client->AddBuddy(L"newcomer", false); }, true},
        {"a handle already listed", [this] { client->AddBuddy(L"echo123", false); }, false},
        {"an empty handle", [this] { client->AddBuddy(L"", false); }, false},
        {"another status", [this] { Reply("USER echo123 ONLINESTATUS AWAY"); }, true},
        {"another word for the same status text",
         [this] { Reply("USER echo123 ONLINESTATUS SKYPEME"); }, true},
        {"the same status text again", [this] { Reply("USER echo123 ONLINESTATUS INVISIBLE"); },
         false},
        {"a full name", [this] { Reply("USER echo123 FULLNAME Echo Echo"); }, false},
        {"a telephone number", [this] { Reply("USER echo123 PHONE_HOME +441632960001"); }, false},
        {"the friend flag", [this] { Reply("USER echo123 BUDDYSTATUS 1"); }, false},
        {"a status for nobody listed", [this] { Reply("USER stranger ONLINESTATUS AWAY"); }, false},
        {"a list that sorts the newcomer in", [this] { Reply("USERS echo123"); }, true},
        {"the list emptied", [this] { client->OnDestoy(); }, true},
        {"the list emptied again", [this] { client->OnDestoy(); }, true},
    };
    Attach();
    for (const auto& event : events) {
        const std::uint64_t before = client->GetBuddyListChanges();
        event.event();
        EXPECT_EQ(event.changes, client->GetBuddyListChanges() != before) << event.what;
    }
}

TEST_F(BuddyList, AContactWithoutAUsableSurnameIsStillMatchedByLaterRecords) {
    Attach();
    // "Li" is too short to match by; dave.li comes after records that match
    // nothing, and is still found by its full name.
    EXPECT_EQ("dave.li", Found(Contact(L"", L"Dave Li", L"Li")));
    EXPECT_EQ("john.smith1", Found(Contact(L"john.smith1", L"Ann Li", L"")));
    // The short key itself matches nothing: dave.li is not Ann Li.
    EXPECT_EQ("(none)", Found(Contact(L"", L"Ann Li", L"")));
    EXPECT_EQ("(none)", Found(Contact(L"", L"Cher", L"")));
}

TEST_F(BuddyList, SurnamesOutsideAsciiMatchInLowerCase) {
    Attach();
    client->AddBuddy(L"hm", true);
    Reply(
        "USER hm FULLNAME Hans M\xDC"
        "LLER");
    EXPECT_EQ("hm", Found(Contact(L"", L"", L"M\u00FCller")));
}

TEST_F(BuddyList, RecordsUnsubscribeWhenTheyGo) {
    Attach();
    CSkypeBuddyPtr kept = client->FindBuddy(L"echo123");
    client->OnDestoy();  // what WM_DESTROY does, with the window kept for the test
    EXPECT_TRUE(client->GetBuddyList().empty());
    // Still subscribed while someone holds it...
    Reply("USER echo123 FULLNAME Echo Kept");
    EXPECT_EQ(L"Echo Kept", kept->GetFullName());
    // ...and gone from the table with its last holder.
    kept.reset();
    Reply("USER echo123 FULLNAME Echo Gone");
    EXPECT_EQ(0u, model.desktop.SwallowedExceptions());
}

}  // namespace
