// Reply dispatch: what each kind of reply updates, the connection status and
// its observers, the observer tables, and replies that arrive while a table
// or the buddy list is being walked.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <boost/bind/bind.hpp>

#include "SkypeFixture.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"
#include "util/CaughtExceptions.h"

namespace {

using Strings = std::vector<std::string>;

model::SkypeUser Friend(const char* handle, const char* fullName) {
    model::SkypeUser user;
    user.handle = handle;
    user.fullName = fullName;
    user.onlineStatus = "ONLINE";
    return user;
}

class Dispatch : public skype_test::SkypeFixture {
  protected:
    void Watch() {
        client->AdviseConnectionStatus([this](ConnectionStatus s) { statuses.push_back(s); });
        client->AdviseAPIResult([this](const std::string& r) { results.push_back(r); });
        client->AdviseAPIError([this](int code, const std::string& text) {
            errors.push_back(std::to_string(code) + "|" + text);
        });
    }
    std::vector<int> statuses;
    Strings results;
    Strings errors;
};

TEST_F(Dispatch, ConnectionStatusWordsMapToTheirValuesAndOnlyChangesAreAnnounced) {
    Attach();
    Watch();
    Reply("CONNSTATUS ONLINE");  // already ONLINE
    Reply("CONNSTATUS CONNECTING");
    Reply("CONNSTATUS PAUSING");
    Reply("CONNSTATUS ONLINE ");  // a trailing blank makes it a different word
    Reply("CONNSTATUS SOMETHING");
    Reply("CONNSTATUS");  // no word at all
    Reply("CONNSTATUS OFFLINE");
    Reply("CONNSTATUS LOGGEDOUT");  // the same value as OFFLINE
    EXPECT_EQ((std::vector<int>{1, 2, -1, 4}), statuses);
    EXPECT_EQ(kConnectionOffline, client->GetConnectionStatus());
    EXPECT_FALSE(client->IsSkypeConnected());
    EXPECT_TRUE(results.empty());
}

TEST_F(Dispatch, OnlineAgainAsksEveryBuddyForItsStatusInListOrder) {
    Attach();
    Reply("CONNSTATUS CONNECTING");
    skype.ClearReceived();
    Reply("CONNSTATUS ONLINE");
    const Strings expected = {
        "GET USER alice.wonder ONLINESTATUS", "GET USER bob.builder ONLINESTATUS",
        "GET USER carol.nguyen ONLINESTATUS", "GET USER dave.li ONLINESTATUS",
        "GET USER echo123 ONLINESTATUS",      "GET USER john.smith1 ONLINESTATUS"};
    EXPECT_EQ(expected, Commands());
    skype.ClearReceived();
    Reply("CONNSTATUS ONLINE");  // no change: nothing asked
    EXPECT_TRUE(Commands().empty());
}

TEST_F(Dispatch, OfflineDropsTheLinkAndLooksForSkypeAgain) {
    Attach();
    Watch();
    skype.SetConnectionStatus("OFFLINE");  // Skype tells its clients unasked
    EXPECT_EQ(std::vector<int>{kConnectionOffline}, statuses);
    EXPECT_EQ(platform::kNoWindow, client->GetSkypeWindow());
    EXPECT_FALSE(PingRunning());
    EXPECT_TRUE(DiscoveryRunning());
    skype.ClearReceived();
    client->SendCommand("FOCUS");
    EXPECT_TRUE(Commands().empty());
    // Skype still answers discovery: attached again, and its status read anew.
    Advance(500);
    EXPECT_EQ(skype.Window(), client->GetSkypeWindow());
    EXPECT_EQ(kConnectionOffline, client->GetConnectionStatus());
    skype.SetConnectionStatus("ONLINE");
    EXPECT_EQ((std::vector<int>{kConnectionOffline, kConnectionOnline}), statuses);
}

TEST_F(Dispatch, HandshakeRepliesSetTheUserAndProtocolWhereverTheirMarkerStands) {
    Attach();
    Watch();
    Reply("PROTOCOL 5");
    EXPECT_EQ(5, client->GetProtocol());
    Reply("PROTOCOL x");
    EXPECT_EQ(0, client->GetProtocol());
    Reply("PROTOCOL 99999999999999");
    EXPECT_EQ(2147483647, client->GetProtocol());
    Reply("CURRENTUSERHANDLE someone.else");
    EXPECT_EQ("someone.else", client->GetCurrentUserHandle());
    Reply("xxCURRENTUSERHANDLE abcdef");
    EXPECT_EQ("E abcdef", client->GetCurrentUserHandle());
    Reply("CURRENTUSERHANDLE");
    EXPECT_EQ("", client->GetCurrentUserHandle());
    const int pongs = client->GetPongsReceived();
    Reply("PONG");
    Reply("USER bob.builder FULLNAME PONG fan");
    EXPECT_EQ(pongs + 2, client->GetPongsReceived());
    EXPECT_EQ(L"Bob Builder", client->FindBuddy(L"bob.builder")->GetFullName());
    EXPECT_TRUE(results.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(Dispatch, ErrorsGoToTheErrorObserversOnlyWithTheirWholeCode) {
    Attach();
    Watch();
    Reply("ERROR 68 Access denied");
    Reply("ERROR 9901 Internal error");
    Reply("ERROR");
    Reply("ERROR 12");
    const Strings expected = {"68| Access denied", "9901| Internal error", "0|", "12|"};
    EXPECT_EQ(expected, errors);
    EXPECT_TRUE(results.empty());
}

TEST_F(Dispatch, EverythingElseReachesTheResultObserversWhole) {
    Attach();
    Watch();
    const std::size_t buddies = client->GetBuddyList().size();
    Reply("GROUP 7 USERS a, b");
    Reply("CALL 1001 STATUS ROUTING");
    Reply("USERSTATUS ONLINE");
    EXPECT_EQ((Strings{"GROUP 7 USERS a, b", "CALL 1001 STATUS ROUTING", "USERSTATUS ONLINE"}),
              results);
    EXPECT_EQ(buddies, client->GetBuddyList().size());
}

TEST_F(Dispatch, UntrustedBlocksHaveSafeOutcomes) {
    Attach();
    Watch();
    const platform::WindowHandle window = client->GetMessageWindow();
    // Empty and null blocks: an empty reply, offered to the result observers.
    EXPECT_EQ(1, model.desktop.SendCopyData(window, skype.Window(), 0, nullptr, 0));
    EXPECT_EQ(1, model.desktop.SendCopyData(window, skype.Window(), 0, "", 1));
    // No NUL: the text is exactly the bytes sent.
    const std::string noNul = "CONNSTATUS CONNECTING";
    ReplyBytes(noNul.data(), static_cast<std::uint32_t>(noNul.size()));
    // Text after a NUL is not read.
    ReplyBytes("PROTOCOL 3\0PROTOCOL 9", 21);
    // A huge reply, and bytes outside ASCII.
    std::string huge = "USER echo123 FULLNAME " + std::string(1 << 20, 'A');
    Reply(huge);
    Reply("USER echo123 MOOD_TEXT \xE9\xFF\x80");
    ASSERT_EQ(4u, results.size());
    EXPECT_EQ("", results[0]);
    EXPECT_EQ("", results[1]);
    EXPECT_EQ(huge, results[2]);
    EXPECT_EQ("USER echo123 MOOD_TEXT \xE9\xFF\x80", results[3]);
    EXPECT_EQ(std::vector<int>{kConnectionConnecting}, statuses);
    EXPECT_EQ(3, client->GetProtocol());
    EXPECT_EQ(std::wstring(1 << 20, L'A'), client->FindBuddy(L"echo123")->GetFullName());
    EXPECT_EQ(0u, model.desktop.SwallowedExceptions());
}

TEST_F(Dispatch, ObserversAreCalledInKeyOrderAndUnadviseRemovesAKeyFromEveryTable) {
    CreateClient();
    Strings keys;
    Strings called;
    for (int i = 0; i < 5; ++i) {
        keys.push_back(client->AdviseConnectionStatus(
            [&called, &keys, i](ConnectionStatus) { called.push_back(keys[i]); }));
    }
    for (const std::string& key : keys) {
        EXPECT_EQ(32u, key.size());
        EXPECT_EQ(std::string::npos, key.find_first_not_of("0123456789abcdef")) << key;
    }
    client->OnChangeConnectionStatus(kConnectionConnecting);
    Strings sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, called);

    called.clear();
    client->Unadvise(keys[2]);
    client->Unadvise("not-a-key");
    client->OnChangeConnectionStatus(kConnectionOnline);
    EXPECT_EQ(4u, called.size());
    EXPECT_EQ(called.end(), std::find(called.begin(), called.end(), keys[2]));

    // One key, whichever table holds it.
    int errorCalls = 0;
    int resultCalls = 0;
    const std::string errorKey =
        client->AdviseAPIError([&](int, const std::string&) { ++errorCalls; });
    const std::string resultKey =
        client->AdviseAPIResult([&](const std::string&) { ++resultCalls; });
    EXPECT_NE(errorKey, resultKey);
    client->Unadvise(errorKey);
    client->Unadvise(resultKey);
    skype.Start();
    Advance(500);
    Reply("ERROR 1 x");
    Reply("SOMETHING");
    EXPECT_EQ(0, errorCalls);
    EXPECT_EQ(0, resultCalls);
}

TEST_F(Dispatch, ObserversChangingTheTableWhileItIsWalkedAreNeitherSkippedNorCalledTwice) {
    CreateClient();
    std::vector<std::string> keys(4);
    std::map<std::string, int> calls;
    std::string added;
    for (int i = 0; i < 4; ++i) {
        keys[i] = client->AdviseConnectionStatus([&, i](ConnectionStatus) {
            ++calls[keys[i]];
            if (i == 0) {
                // The first subscribed removes another and itself, and adds one.
                client->Unadvise(keys[1]);
                client->Unadvise(keys[0]);
                added = client->AdviseConnectionStatus([&](ConnectionStatus) { ++calls["added"]; });
            }
        });
    }
    client->OnChangeConnectionStatus(kConnectionConnecting);
    // keys[1] is skipped only when its turn came after keys[0] removed it.
    const bool oneBeforeZero = keys[1] < keys[0];
    EXPECT_EQ(1, calls[keys[0]]);
    EXPECT_EQ(oneBeforeZero ? 1 : 0, calls[keys[1]]);
    EXPECT_EQ(1, calls[keys[2]]);
    EXPECT_EQ(1, calls[keys[3]]);
    EXPECT_EQ(0, calls["added"]);  // subscribed after the walk began

    calls.clear();
    client->OnChangeConnectionStatus(kConnectionPausing);
    EXPECT_EQ(0, calls[keys[0]]);
    EXPECT_EQ(0, calls[keys[1]]);
    EXPECT_EQ(1, calls["added"]);
}

TEST_F(Dispatch, AStatusChangeInsideAnObserverIsAnnouncedInFullWithinTheOuterOne) {
    Attach();
    Strings log;
    std::vector<std::string> keys(3);
    for (int i = 0; i < 3; ++i) {
        keys[i] = client->AdviseConnectionStatus([&, i](ConnectionStatus status) {
            log.push_back(std::to_string(i) + ":" + std::to_string(status));
            // Skype reports a new status while the first observer is told
            // about CONNECTING (as if its command got that answer).
            if (status == kConnectionConnecting && log.size() == 1) {
                Reply("CONNSTATUS PAUSING");
            }
        });
    }
    client->OnChangeConnectionStatus(kConnectionConnecting);
    ASSERT_EQ(6u, log.size());
    int connecting = 0;
    int pausing = 0;
    for (const std::string& entry : log) {
        connecting += entry.find(":1") != std::string::npos;
        pausing += entry.find(":2") != std::string::npos;
    }
    EXPECT_EQ(3, connecting);
    EXPECT_EQ(3, pausing);
    EXPECT_EQ(kConnectionPausing, client->GetConnectionStatus());
}

TEST_F(Dispatch, AListArrivingWhileTheListIsRefreshedVisitsEveryRecordOncePerWalk) {
    skype.Start();
    bool injected = false;
    skype.onCommand = [&](platform::WindowHandle, const std::string& command) {
        if (command == "GET USER bob.builder FULLNAME" && !injected) {
            injected = true;
            // Skype sends a list of its own inside the refresh.
            skype.AddUser(Friend("aaron.first", "Aaron First"));
            skype.AddUser(Friend("zed.last", "Zed Last"));
            Reply("USERS zed.last, aaron.first");
        }
    };
    CreateClient();
    Advance(500);
    ASSERT_TRUE(injected);
    const Strings names = CommandsStartingWith("GET USER");
    auto asked = [&](const std::string& handle) {
        return std::count(names.begin(), names.end(), "GET USER " + handle + " FULLNAME");
    };
    // The outer walk covers the six it started with, the nested walk all eight.
    EXPECT_EQ(2, asked("alice.wonder"));
    EXPECT_EQ(2, asked("bob.builder"));
    EXPECT_EQ(2, asked("john.smith1"));
    EXPECT_EQ(1, asked("aaron.first"));
    EXPECT_EQ(1, asked("zed.last"));
    Strings handles;
    for (const CSkypeBuddyPtr& buddy : client->GetBuddyList()) {
        const std::wstring handle = buddy->GetHandle();
        handles.push_back(std::string(handle.begin(), handle.end()));
    }
    EXPECT_EQ((Strings{"aaron.first", "alice.wonder", "bob.builder", "carol.nguyen", "dave.li",
                       "echo123", "john.smith1", "zed.last"}),
              handles);
    EXPECT_EQ(L"Zed Last", client->FindBuddy(L"zed.last")->GetFullName());
}

TEST_F(Dispatch, TheWindowDestroyedWhileRecordsAreWalkedLeavesNothingDangling) {
    skype.Start();
    skype.onCommand = [&](platform::WindowHandle, const std::string& command) {
        if (command == "GET USER carol.nguyen FULLNAME") client->DestroyMessageWindow();
    };
    CreateClient();
    Advance(500);
    EXPECT_TRUE(client->GetBuddyList().empty());
    EXPECT_EQ(0u, model.desktop.SwallowedExceptions());
}

TEST_F(Dispatch, AnObserverEmptyingTheListWhileRecordsReadAReplyIsSafe) {
    Attach();
    client->AdviseAPIResult([&](const std::string&) { client->DestroyMessageWindow(); });
    Reply("USER echo123 FULLNAME Echo Again");
    EXPECT_TRUE(client->GetBuddyList().empty());
    Reply("USER echo123 FULLNAME Echo Once More");  // nobody left to read it
    EXPECT_EQ(0u, model.desktop.SwallowedExceptions());
}

TEST_F(Dispatch, EachObserverCallIsAnEdgeAndTheObserversAfterAThrowingOneAreStillCalled) {
    Attach();
    int calls = 0;
    const auto fail = [&calls]() {
        ++calls;
        throw std::runtime_error("observer");
    };
    const struct {
        const char* table;
        std::function<std::string()> subscribe;
        const char* reply;
    } cases[] = {
        {"connection status",
         [&] { return client->AdviseConnectionStatus([&](ConnectionStatus) { fail(); }); },
         "CONNSTATUS CONNECTING"},
        {"API results",
         [&] { return client->AdviseAPIResult([&](const std::string&) { fail(); }); },
         "USER echo123 FULLNAME Echo"},
        {"API errors",
         [&] { return client->AdviseAPIError([&](int, const std::string&) { fail(); }); },
         "ERROR 68 Access denied"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.table);
        const Strings keys = {each.subscribe(), each.subscribe(), each.subscribe()};
        calls = 0;
        const std::size_t before = caught::Count();
        Reply(each.reply);
        EXPECT_EQ(3, calls);
        EXPECT_EQ(before + 3, caught::Count());
        for (const std::string& key : keys) client->Unadvise(key);
    }
    // None reached the window procedure (the fixture checks it caught nothing).
}

}  // namespace
