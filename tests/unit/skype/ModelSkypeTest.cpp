// The model Skype answers as Skype's desktop API does: checked here through
// a bare client window, without the add-in, so the model cannot merely
// agree with the add-in's own mistakes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/skype/ModelSkype.h"
#include "model/skype/ModelSkypeProcess.h"
#include "model/skype/SampleSkypeUsers.h"
#include "support/ModelFixture.h"

namespace {

using Strings = std::vector<std::string>;

// A client window that records what Skype sends it.
class BareClient : public platform::WindowHandler {
  public:
    platform::LResult OnCopyData(platform::WindowHandle, platform::WindowHandle, std::uintptr_t,
                                 const void* data, std::uint32_t size) override {
        replies.push_back(std::string(static_cast<const char*>(data), size - 1));
        return 1;
    }
    bool OnMessage(platform::WindowHandle, platform::MessageId message, platform::WParam,
                   platform::LParam lParam, platform::LResult* result) override {
        if (message != attachMessage) return false;
        statuses.push_back(static_cast<long>(lParam));
        *result = 1;
        return true;
    }
    platform::MessageId attachMessage = 0;
    std::vector<long> statuses;
    Strings replies;
};

class ModelSkypeApi : public testing_support::ModelFixture {
  protected:
    ModelSkypeApi() : process(skype, model.processes, model.shell) {
        model::AddSampleSkypeUsers(skype);
        client.attachMessage = model.desktop.RegisterMessage("SkypeControlAPIAttach");
        window = model.desktop.CreateHiddenWindow("client", &client);
    }
    ~ModelSkypeApi() override { model.desktop.DestroyWindow(window); }

    void Discover() {
        model.desktop.Post(platform::kBroadcast,
                           model.desktop.RegisterMessage("SkypeControlAPIDiscover"), window, 0);
        model.desktop.DispatchPending();
    }
    // The replies to one command.
    Strings Ask(const std::string& command) {
        client.replies.clear();
        model.desktop.SendCopyData(skype.Window(), window, 0, command.c_str(),
                                   static_cast<std::uint32_t>(command.size() + 1));
        model.desktop.DispatchPending();
        return client.replies;
    }

    model::ModelSkype skype;
    model::ModelSkypeProcess process;
    BareClient client;
    platform::WindowHandle window = 0;
};

TEST_F(ModelSkypeApi, RunsAsSkypeExeWhileItsWindowIsOpen) {
    EXPECT_FALSE(model.processes.IsRunning("Skype.exe"));
    skype.Start();
    EXPECT_TRUE(model.processes.IsRunning("Skype.exe"));
    skype.Exit();
    EXPECT_FALSE(model.processes.IsRunning("Skype.exe"));
    EXPECT_FALSE(model.desktop.IsWindow(skype.Window()));
}

TEST_F(ModelSkypeApi, AnswersOnlyAttachedClients) {
    skype.Start();
    EXPECT_EQ(Strings{}, Ask("PING"));
    Discover();
    EXPECT_EQ(std::vector<long>{0}, client.statuses);
    EXPECT_EQ(Strings{"PONG"}, Ask("PING"));
    EXPECT_EQ((Strings{"PING", "PING"}), skype.CommandTexts());
}

TEST_F(ModelSkypeApi, AnswersTheHandshakeAndRefusesWithSkypesErrors) {
    skype.SetMaxProtocol(3);
    skype.Start();
    Discover();
    EXPECT_EQ(Strings{"OK"}, Ask("NAME Tandrel"));
    EXPECT_EQ(Strings{"PROTOCOL 3"}, Ask("PROTOCOL 4"));
    EXPECT_EQ(Strings{"PROTOCOL 2"}, Ask("PROTOCOL 2"));
    EXPECT_EQ(Strings{"ERROR 27 Invalid version number"}, Ask("PROTOCOL four"));
    EXPECT_EQ(Strings{"CURRENTUSERHANDLE tandrel.demo"}, Ask("GET CURRENTUSERHANDLE"));
    EXPECT_EQ(Strings{"CONNSTATUS ONLINE"}, Ask("GET CONNSTATUS"));
    EXPECT_EQ(
        Strings{"USERS echo123, alice.wonder, bob.builder, john.smith1, carol.nguyen, dave.li"},
        Ask("SEARCH FRIENDS"));
    EXPECT_EQ(Strings{"USER alice.wonder PHONE_MOBILE +447700900123"},
              Ask("GET USER alice.wonder PHONE_MOBILE"));
    EXPECT_EQ(Strings{"USER erin.visitor BUDDYSTATUS 1"}, Ask("GET USER erin.visitor BUDDYSTATUS"));
    EXPECT_EQ(Strings{"ERROR 26 Invalid user handle"}, Ask("GET USER nobody FULLNAME"));
    EXPECT_EQ(Strings{"ERROR 10 Invalid PROP"}, Ask("GET USER echo123 SHOESIZE"));
    EXPECT_EQ(Strings{"ERROR 2 Unknown command"}, Ask("DANCE"));
    EXPECT_EQ(Strings{"ERROR 3 Search: unknown WHAT"}, Ask("SEARCH ENEMIES"));
}

TEST_F(ModelSkypeApi, PlacesCallsAndChatsItCanAndRefusesTheRest) {
    skype.Start();
    Discover();
    EXPECT_EQ(Strings{"CALL 1001 STATUS ROUTING"}, Ask("CALL echo123"));
    EXPECT_EQ(Strings{"CALL 1002 STATUS ROUTING"}, Ask("CALL alice.wonder, bob.builder"));
    EXPECT_EQ(Strings{"CALL 1003 STATUS ROUTING"}, Ask("CALL +442079460018"));
    EXPECT_EQ(Strings{"ERROR 94 call error"}, Ask("CALL tandrel.demo"));
    EXPECT_EQ(Strings{"ERROR 70 Invalid handle"}, Ask("CALL nobody"));
    EXPECT_EQ(Strings{"ERROR 70 Invalid handle"}, Ask("CALL echo123, nobody"));
    EXPECT_EQ(Strings{"ERROR 92 call error"}, Ask("CALL +44abc"));
    EXPECT_EQ(Strings{"ERROR 92 call error"}, Ask("CALL 020 7946 0018"));
    EXPECT_EQ(Strings{"ERROR 4 Empty target not allowed"}, Ask("CALL "));
    EXPECT_EQ(Strings{"OPEN IM bob.builder"}, Ask("OPEN IM bob.builder"));
    EXPECT_EQ(Strings{"ERROR 70 Invalid handle"}, Ask("OPEN IM tandrel.demo"));
    EXPECT_EQ(Strings{"FOCUS"}, Ask("FOCUS"));
    ASSERT_EQ(3u, skype.Calls().size());
    EXPECT_EQ("alice.wonder, bob.builder", skype.Calls()[1].target);
    EXPECT_EQ(Strings{"bob.builder"}, skype.Chats());
}

TEST_F(ModelSkypeApi, PostedRepliesArriveAfterTheSendInOrder) {
    skype.SetDelivery(model::ModelSkype::Delivery::Posted);
    skype.Start();
    Discover();
    model.desktop.DispatchPending();
    EXPECT_EQ(std::vector<long>{0}, client.statuses);
    const std::string ping = "PING";
    client.replies.clear();
    model.desktop.SendCopyData(skype.Window(), window, 0, ping.c_str(), 5);
    model.desktop.SendCopyData(skype.Window(), window, 0, "FOCUS", 6);
    EXPECT_TRUE(client.replies.empty());
    model.desktop.DispatchPending();
    EXPECT_EQ((Strings{"PONG", "FOCUS"}), client.replies);
}

TEST_F(ModelSkypeApi, AsksItsUserLogsOutAndAnnouncesItsReturn) {
    skype.SetRequiresAuthorization(true);
    skype.Start();
    Discover();
    Discover();  // still waiting: no second answer
    EXPECT_EQ(std::vector<long>{1}, client.statuses);
    skype.Authorize(false);
    Discover();
    EXPECT_EQ((std::vector<long>{1, 2, 2}), client.statuses);

    // Logged out, Skype answers a new client "not available", and tells
    // every window when its API is back.
    skype.SetRequiresAuthorization(false);
    skype.LogOut();
    BareClient other;
    other.attachMessage = client.attachMessage;
    const platform::WindowHandle second = model.desktop.CreateHiddenWindow("other", &other);
    model.desktop.Post(platform::kBroadcast,
                       model.desktop.RegisterMessage("SkypeControlAPIDiscover"), second, 0);
    model.desktop.DispatchPending();
    EXPECT_EQ(std::vector<long>{3}, other.statuses);
    skype.LogIn();
    model.desktop.DispatchPending();
    EXPECT_EQ((std::vector<long>{3, 0x8001}), other.statuses);
    model.desktop.DestroyWindow(second);
}

}  // namespace
