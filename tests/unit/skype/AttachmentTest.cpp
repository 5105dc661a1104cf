// Attaching to Skype: the discovery broadcast, every attach status, the
// handshake, the ping watchdog losing and regaining Skype, and the checks
// in front of every command.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SkypeFixture.h"
#include "model/skype/ModelSkypeProcess.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"

namespace {

using Strings = std::vector<std::string>;
using platform::RegistryRoot;

const Strings kHandshake = {"NAME Tandrel", "PROTOCOL 4", "GET CURRENTUSERHANDLE", "GET CONNSTATUS",
                            "SEARCH FRIENDS"};

class Attachment : public skype_test::SkypeFixture {
  protected:
    platform::MessageId AttachMessage() {
        return model.desktop.RegisterMessage("SkypeControlAPIAttach");
    }
    platform::MessageId DiscoverMessage() {
        return model.desktop.RegisterMessage("SkypeControlAPIDiscover");
    }
    // Skype's attach message, as any window could send it.
    platform::LResult SendAttach(platform::WindowHandle from, platform::LParam status) {
        return model.desktop.Send(client->GetMessageWindow(), AttachMessage(), from, status);
    }
    Strings FirstCommands(std::size_t count) const {
        Strings all = Commands();
        if (all.size() > count) all.resize(count);
        return all;
    }
    int Count(const std::string& command) const {
        int count = 0;
        for (const std::string& c : Commands()) count += c == command;
        return count;
    }
};

TEST_F(Attachment, DiscoveryBroadcastsEveryHalfSecondUntilSkypeAnswers) {
    CreateClient();
    EXPECT_TRUE(DiscoveryRunning());
    EXPECT_EQ(500u, model.desktop.TimerPeriod(client->GetMessageWindow(),
                                              skype_protocol::kDiscoveryTimerId));
    model.desktop.ClearPostLog();
    Advance(2000);
    int broadcasts = 0;
    for (const auto& post : model.desktop.PostLog()) {
        if (post.message != DiscoverMessage()) continue;
        ++broadcasts;
        EXPECT_EQ(platform::kBroadcast, post.to);
        EXPECT_EQ(client->GetMessageWindow(), post.wParam);
        EXPECT_EQ(0, post.lParam);
    }
    EXPECT_EQ(4, broadcasts);
    EXPECT_TRUE(DiscoveryRunning());
    EXPECT_FALSE(PingRunning());
    EXPECT_TRUE(model.ui.messageBoxes.empty());
    EXPECT_EQ(platform::kNoWindow, client->GetSkypeWindow());
}

TEST_F(Attachment, StatusZeroSendsTheHandshakeInOrderAndStartsThePing) {
    skype.Start();
    CreateClient();
    EXPECT_TRUE(Commands().empty());
    Advance(500);
    EXPECT_EQ(kHandshake, FirstCommands(5));
    EXPECT_EQ(skype.Window(), client->GetSkypeWindow());
    EXPECT_FALSE(DiscoveryRunning());
    EXPECT_TRUE(PingRunning());
    EXPECT_EQ(1000u,
              model.desktop.TimerPeriod(client->GetMessageWindow(), skype_protocol::kPingTimerId));
    // The replies to the handshake, taken in.
    EXPECT_EQ(kConnectionOnline, client->GetConnectionStatus());
    EXPECT_TRUE(client->IsSkypeConnected());
    EXPECT_EQ("tandrel.demo", client->GetCurrentUserHandle());
    EXPECT_EQ(4, client->GetProtocol());
    EXPECT_EQ(6u, client->GetBuddyList().size());
}

TEST_F(Attachment, TheHandshakeWorksWithPostedRepliesToo) {
    skype.SetDelivery(model::ModelSkype::Delivery::Posted);
    Attach();
    Advance(10);
    EXPECT_EQ(kHandshake, FirstCommands(5));
    EXPECT_TRUE(client->IsSkypeConnected());
    EXPECT_EQ("tandrel.demo", client->GetCurrentUserHandle());
    ASSERT_EQ(6u, client->GetBuddyList().size());
    EXPECT_EQ(L"Alice Wonder", client->GetBuddyList()[0]->GetFullName());
}

TEST_F(Attachment, StatusZeroAgainResetsTheCountersAndRepeatsTheHandshake) {
    Attach();
    Advance(2000);
    EXPECT_GT(client->GetPingsSent(), 0);
    const platform::WindowHandle elsewhere = 0x7777;
    EXPECT_EQ(1, SendAttach(elsewhere, 0));
    EXPECT_EQ(elsewhere, client->GetSkypeWindow());
    EXPECT_EQ(0, client->GetPingsSent());
    EXPECT_EQ(0, client->GetPongsReceived());
    EXPECT_TRUE(PingRunning());
    // The second handshake went to the new window (which is no model Skype).
    EXPECT_EQ(1, Count("NAME Tandrel"));
    SendAttach(skype.Window(), 0);
    EXPECT_EQ(2, Count("NAME Tandrel"));
    EXPECT_EQ(2, Count("SEARCH FRIENDS"));
}

// A list asked for is on its way from the "SEARCH FRIENDS" sent until its
// "USERS" list comes, or until nothing can bring it any more.
TEST_F(Attachment, AListAskedForIsLoadingUntilItComes) {
    const struct {
        const char* step;
        std::function<void()> run;
        bool loading;
    } steps[] = {
        {"before any attachment", [] {}, false},
        {"asked while not attached: dropped", [this] { client->LoadBuddyList(); }, false},
        {"attached, the handshake's list taken in", [this] { Advance(500); }, false},
        {"asked, the list posted", [this] { client->LoadBuddyList(); }, true},
        {"the list taken in", [this] { Advance(10); }, false},
        {"asked, then the list emptied with the window",
         [this] {
             client->LoadBuddyList();
             client->OnDestoy();
         },
         false},
        {"asked, then Skype offline (the list may still come)",
         [this] {
             client->LoadBuddyList();
             Reply("CONNSTATUS OFFLINE");
         },
         true},
        {"attached anew, Skype answering inside the sends",
         [this] {
             skype.SetDelivery(model::ModelSkype::Delivery::Immediate);
             SendAttach(skype.Window(), 0);
         },
         false},
        {"asked, Skype answering inside the send", [this] { client->LoadBuddyList(); }, false},
        {"asked with no Skype process",
         [this] {
             model.processes.Stop(model::kSkypeImageName);
             client->LoadBuddyList();
         },
         false},
    };
    skype.Start();
    skype.SetDelivery(model::ModelSkype::Delivery::Posted);
    CreateClient();
    // What an observer of the status finds when ONLINE comes: at the first
    // attachment the handshake's list is on its way; at the second, the
    // list asked of the first attachment is not.
    std::vector<bool> loadingAtOnline;
    client->AdviseConnectionStatus([&](ConnectionStatus status) {
        if (status == kConnectionOnline) loadingAtOnline.push_back(client->IsBuddyListLoading());
    });
    for (const auto& step : steps) {
        step.run();
        EXPECT_EQ(step.loading, client->IsBuddyListLoading()) << step.step;
    }
    EXPECT_EQ((std::vector<bool>{true, false}), loadingAtOnline);
    EXPECT_EQ(2, Count("NAME Tandrel"));
    EXPECT_EQ(6, Count("SEARCH FRIENDS"));  // the two handshakes' and four asked
}

TEST_F(Attachment, PendingAuthorisationWaitsThenAttaches) {
    skype.SetRequiresAuthorization(true);
    Attach();
    EXPECT_FALSE(DiscoveryRunning());
    EXPECT_FALSE(PingRunning());
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(platform::kNoWindow, client->GetSkypeWindow());
    Advance(3000);  // nothing happens while the user decides
    EXPECT_TRUE(Commands().empty());

    skype.Authorize(true);
    EXPECT_EQ(kHandshake, FirstCommands(5));
    EXPECT_TRUE(PingRunning());
    EXPECT_TRUE(model.ui.messageBoxes.empty());
}

TEST_F(Attachment, RefusalIsReportedAndForgetsTheSkypeWindow) {
    skype.SetRequiresAuthorization(true);
    Attach();
    SendAttach(skype.Window(), 0);  // attached meanwhile, by some earlier answer
    skype.Authorize(false);
    EXPECT_EQ(platform::kNoWindow, client->GetSkypeWindow());
    ASSERT_EQ(1u, model.ui.messageBoxes.size());
    const auto& box = model.ui.messageBoxes[0];
    EXPECT_EQ(client->GetMessageWindow(), box.owner);
    EXPECT_EQ(
        "Skype is reporting that you have denied Tandrel access to Skype. Skype access is "
        "required for Tandrel to function",
        box.text);
    EXPECT_EQ("Tandrel Information", box.caption);
    EXPECT_EQ(platform::mb::kIconInformation, box.flags);
    EXPECT_FALSE(DiscoveryRunning());
    // Commands go nowhere now.
    const std::size_t before = Commands().size();
    client->SendCommand("FOCUS");
    EXPECT_EQ(before, Commands().size());
}

TEST_F(Attachment, AnAttachmentArrivingWhileTheRefusalIsShownIsKept) {
    skype.SetRequiresAuthorization(true);
    Attach();
    // The user reads the refusal and allows Tandrel in Skype meanwhile.
    model.ui.whileModal = [this] { SendAttach(skype.Window(), 0); };
    skype.Authorize(false);
    EXPECT_EQ(skype.Window(), client->GetSkypeWindow());
    EXPECT_TRUE(PingRunning());
    const std::size_t before = Commands().size();
    client->SendCommand("FOCUS");
    EXPECT_EQ(before + 1, Commands().size());
}

TEST_F(Attachment, NotLoggedInWaitsUntilTheApiIsAvailableAgain) {
    skype.LogOut();
    Attach();
    EXPECT_FALSE(DiscoveryRunning());
    EXPECT_TRUE(Commands().empty());
    Advance(5000);
    EXPECT_TRUE(Commands().empty());

    skype.LogIn();  // announces 0x8001 to every window
    Advance(1);
    EXPECT_TRUE(DiscoveryRunning());
    Advance(500);
    EXPECT_EQ(kHandshake, FirstCommands(5));
    EXPECT_FALSE(DiscoveryRunning());
    EXPECT_TRUE(client->IsSkypeConnected());
}

TEST_F(Attachment, ApiAvailableWhileAttachedRestartsDiscoveryUntilTheNextStatus) {
    Attach();
    EXPECT_EQ(1, SendAttach(skype.Window(), 0x8001));
    EXPECT_TRUE(DiscoveryRunning());
    EXPECT_TRUE(PingRunning());
    Advance(500);
    EXPECT_FALSE(DiscoveryRunning());
    EXPECT_EQ(2, Count("NAME Tandrel"));
}

TEST_F(Attachment, UnknownStatusesAreReportedWithTheirSignAndChangeNothing) {
    CreateClient();
    std::vector<platform::LParam> statuses = {-1, 5, 0x8002};
    Strings expected = {
        "Unknown Skype Attachment Status '-1'. Please report this error and the status to "
        "support@tandrel.example",
        "Unknown Skype Attachment Status '5'. Please report this error and the status to "
        "support@tandrel.example",
        "Unknown Skype Attachment Status '32770'. Please report this error and the status to "
        "support@tandrel.example",
    };
    if (sizeof(platform::LParam) > 4) {
        // Not mistaken for status 0 because its low bits are zero.
        statuses.push_back(static_cast<platform::LParam>(0x100000000LL));
        expected.push_back(
            "Unknown Skype Attachment Status '4294967296'. Please report this error and the "
            "status to support@tandrel.example");
    }
    for (platform::LParam status : statuses) {
        EXPECT_EQ(1, SendAttach(0x4242, status));
    }
    EXPECT_EQ(expected, MessageTexts());
    for (const auto& box : model.ui.messageBoxes) {
        EXPECT_EQ("Tandrel Information", box.caption);
        EXPECT_EQ(platform::mb::kIconExclamation, box.flags);
        EXPECT_EQ(client->GetMessageWindow(), box.owner);
    }
    EXPECT_TRUE(DiscoveryRunning());
    EXPECT_FALSE(PingRunning());
    EXPECT_EQ(platform::kNoWindow, client->GetSkypeWindow());
}

TEST_F(Attachment, AMissedPongDeclaresTheLinkLostAndTheNextAttachRegainsIt) {
    Attach();
    const std::size_t buddies = client->GetBuddyList().size();
    Advance(3000);
    EXPECT_EQ(3, client->GetPingsSent());
    EXPECT_EQ(3, client->GetPongsReceived());

    skype.SetAnswersPings(false);
    Advance(1000);  // a PING that gets no PONG
    EXPECT_EQ(4, client->GetPingsSent());
    EXPECT_TRUE(PingRunning());
    Advance(1000);  // the next tick finds it unanswered
    EXPECT_FALSE(PingRunning());
    EXPECT_TRUE(DiscoveryRunning());
    // Left as they were until Skype answers again.
    EXPECT_EQ(skype.Window(), client->GetSkypeWindow());
    EXPECT_EQ(kConnectionOnline, client->GetConnectionStatus());
    EXPECT_EQ(buddies, client->GetBuddyList().size());

    skype.SetAnswersPings(true);
    Advance(500);
    EXPECT_EQ(2, Count("NAME Tandrel"));
    EXPECT_TRUE(PingRunning());
    EXPECT_FALSE(DiscoveryRunning());
    Advance(5000);
    EXPECT_TRUE(PingRunning());
    EXPECT_EQ(client->GetPingsSent(), client->GetPongsReceived());
    EXPECT_EQ(5, client->GetPingsSent());
}

TEST_F(Attachment, SkypeExitingIsNoticedWithinTwoPingPeriodsAndFoundWhenItReturns) {
    Attach();
    skype.Exit();
    EXPECT_FALSE(model.processes.IsRunning(model::kSkypeImageName));
    Advance(2000);
    EXPECT_TRUE(DiscoveryRunning());
    EXPECT_FALSE(PingRunning());

    skype.Start();
    Advance(500);
    EXPECT_EQ(skype.Window(), client->GetSkypeWindow());
    EXPECT_TRUE(PingRunning());
    EXPECT_EQ(2, Count("NAME Tandrel"));
}

TEST_F(Attachment, CommandsAreDroppedWhenNotAttachedOrWhenNoSkypeProcessRuns) {
    skype.Start();
    CreateClient();
    EXPECT_FALSE(client->SendCommand("FOCUS"));
    EXPECT_TRUE(Commands().empty());

    Advance(500);
    skype.ClearReceived();
    model.processes.Stop(model::kSkypeImageName);  // its window lingers
    EXPECT_FALSE(client->SendCommand("FOCUS"));
    EXPECT_TRUE(Commands().empty());

    model.processes.Start(model::kSkypeImageName);
    EXPECT_TRUE(client->SendCommand("FOCUS"));
    EXPECT_EQ(Strings{"FOCUS"}, Commands());
    // The command goes with its NUL counted.
    EXPECT_EQ(skype.Received().back().from, client->GetMessageWindow());
}

TEST_F(Attachment, SkypeRunsWhenAProcessNameContainsEitherSpelling) {
    CreateClient();
    struct {
        const char* name;
        bool running;
    } cases[] = {{"Skype.exe", true},  {"skype.exe", true}, {"MySkype.exe", true},
                 {"SKYPE.EXE", false}, {"Skype.ex", false}, {"outlook.exe", false}};
    for (const auto& c : cases) {
        model.processes.SetRunning({"explorer.exe", c.name});
        EXPECT_EQ(c.running, client->IsSkypeRunning()) << c.name;
    }
    model.processes.SetRunning({"Skype.exe"});
    model.processes.failEnumeration = true;
    EXPECT_FALSE(client->IsSkypeRunning());
}

TEST_F(Attachment, SkypeRunsWhileTheAttachedOneRunsElseWhenTheWalkMeetsOne) {
    CreateClient();
    EXPECT_FALSE(client->IsSkypeRunning());  // none at all
    Attach();
    // The attached Skype's own process answers without a walk.
    model.processes.failEnumeration = true;
    EXPECT_TRUE(client->IsSkypeRunning());
    model.processes.failEnumeration = false;
    // Replaced: it exits (its window with it) while another Skype runs.
    const platform::WindowHandle attached = client->GetSkypeWindow();
    model.processes.Start(model::kSkypeImageName);
    skype.Exit();
    ASSERT_EQ(attached, client->GetSkypeWindow());
    EXPECT_TRUE(client->IsSkypeRunning());
    model.processes.failEnumeration = true;
    EXPECT_FALSE(client->IsSkypeRunning());  // only the walk can tell now
    model.processes.failEnumeration = false;
    // Exited, and no other Skype.
    model.processes.Stop(model::kSkypeImageName);
    EXPECT_FALSE(client->IsSkypeRunning());
}

// Wine now and then cannot read the module name of a program just started
// (EnumProcessModules: ERROR_PARTIAL_COPY). While Skype's name cannot be
// read, the window it attached from still stands for it: nothing of the
// handshake, the list or a call is dropped. Before any attachment only the
// walk could tell, and Skype counts as not running.
TEST_F(Attachment, SkypesNameUnreadableDropsNothingWhileTheWindowItAttachedFromIsThere) {
    for (const auto delivery :
         {model::ModelSkype::Delivery::Immediate, model::ModelSkype::Delivery::Posted}) {
        SCOPED_TRACE(delivery == model::ModelSkype::Delivery::Posted ? "posted" : "immediate");
        client.reset();
        skype.Exit();
        skype.ClearReceived();
        skype.SetDelivery(delivery);
        skype.Start();
        model.processes.failNameReads = true;
        CreateClient();
        EXPECT_FALSE(client->IsSkypeRunning());
        Advance(skype_protocol::kDiscoveryPeriodMs);
        Advance(skype_protocol::kPingPeriodMs);
        EXPECT_EQ(kHandshake, FirstCommands(kHandshake.size()));
        for (const std::string& handle : skype.Friends()) {
            EXPECT_EQ(1, Count("GET USER " + handle + " FULLNAME")) << handle;
        }
        EXPECT_EQ(kConnectionOnline, client->GetConnectionStatus());
        client->SkypeIPCall(L"echo123");
        EXPECT_EQ(1, Count("CALL echo123"));
        EXPECT_TRUE(MessageTexts().empty());
        model.processes.failNameReads = false;
    }
}

TEST_F(Attachment, InstallationIsReadFromTheUserThenTheMachine) {
    CreateClient();
    EXPECT_TRUE(client->IsSkypeInstalled());
    model.registry.RemoveValue(RegistryRoot::CurrentUser, "Software\\Skype\\Phone", "SkypePath");
    EXPECT_FALSE(client->IsSkypeInstalled());
    model.registry.SetString(RegistryRoot::LocalMachine, "Software\\Skype\\Phone", "SkypePath",
                             "D:\\Skype\\Skype.exe");
    EXPECT_TRUE(client->IsSkypeInstalled());
}

TEST_F(Attachment, StartSkypeOpensItsPathAskingItToCallTheTarget) {
    CreateClient();
    model.registry.SetString(RegistryRoot::LocalMachine, "Software\\Skype\\Phone", "SkypePath",
                             "D:\\Machine\\Skype.exe");
    client->StartSkype("");
    client->StartSkype("echo123");
    ASSERT_EQ(2u, model.shell.executions.size());
    const auto& plain = model.shell.executions[0];
    EXPECT_EQ(platform::kNoWindow, plain.owner);
    EXPECT_EQ("open", plain.verb);
    EXPECT_EQ(model::kSkypeProgramPath, plain.file);  // the user's value comes first
    EXPECT_EQ("", plain.parameters);
    EXPECT_EQ("", plain.directory);
    EXPECT_EQ(platform::show::kMinimized, plain.showCommand);
    EXPECT_EQ("\"/callto:echo123\"", model.shell.executions[1].parameters);
    // The model Skype started, and placed the call itself.
    EXPECT_TRUE(skype.IsRunning());
    ASSERT_EQ(1u, skype.Calls().size());
    EXPECT_EQ("echo123", skype.Calls()[0].target);

    model.registry.RemoveValue(RegistryRoot::CurrentUser, "Software\\Skype\\Phone", "SkypePath");
    model.registry.RemoveValue(RegistryRoot::LocalMachine, "Software\\Skype\\Phone", "SkypePath");
    client->StartSkype("echo123");
    EXPECT_EQ(2u, model.shell.executions.size());
}

TEST_F(Attachment, DestroyingTheWindowEmptiesTheBuddyListAndStopsItsTimers) {
    Attach();
    ASSERT_FALSE(client->GetBuddyList().empty());
    const CSkypeBuddyPtr kept = client->GetBuddyList()[0];
    const platform::WindowHandle window = client->GetMessageWindow();
    client->DestroyMessageWindow();
    EXPECT_TRUE(client->GetBuddyList().empty());
    EXPECT_FALSE(model.desktop.IsWindow(window));
    EXPECT_FALSE(model.desktop.IsTimerRunning(window, skype_protocol::kPingTimerId));
    // A record kept elsewhere outlives the client harmlessly.
    client.reset();
    EXPECT_EQ(L"alice.wonder", kept->GetHandle());
    kept->Refresh();
}

}  // namespace
