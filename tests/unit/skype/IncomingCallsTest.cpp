// CIncomingCalls on the model desktop with the model Skype: what its
// listener hears of calls that ring, whenever Skype's answers arrive, and
// how many calls it keeps in mind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkypeFixture.h"
#include "skype/IncomingCalls.h"

namespace {

using Strings = std::vector<std::string>;

class Recorder : public CIncomingCalls::Listener {
  public:
    void OnRinging(const IncomingCall& call) override {
        heard.push_back("ringing " + call.id + (call.fromNumber ? " number " : " user ") +
                        std::string(call.partner.begin(), call.partner.end()));
    }
    void OnDisplayName(const IncomingCall& call) override {
        heard.push_back("name " + call.id + " " +
                        std::string(call.displayName.begin(), call.displayName.end()));
    }
    void OnStoppedRinging(const std::string& id) override { heard.push_back("stopped " + id); }
    Strings heard;
};

class IncomingCalls : public skype_test::SkypeFixture {
  protected:
    void Watch(model::ModelSkype::Delivery delivery) {
        skype.SetDelivery(delivery);
        Attach();
        Advance(100);
        calls.reset(
            new CIncomingCalls(boost::shared_ptr<CSkype>(client.get(), [](CSkype*) {}), recorder));
    }
    std::unique_ptr<CIncomingCalls> calls;
    Recorder recorder;
};

TEST_F(IncomingCalls, WhatTheListenerHearsWhateverWaySkypeAnswers) {
    using Delivery = model::ModelSkype::Delivery;
    const struct {
        const char* name;
        Delivery delivery;
        // What Skype does; answers the id of the call that rang (any, when none did).
        std::function<int(model::ModelSkype&)> skypeDoes;
        bool asks;  // the add-in asks Skype about the call
        Strings heard;
    } cases[] = {
        {"answers inside the sends",
         Delivery::Immediate,
         [](model::ModelSkype& s) {
             const int id = s.Ring("bob.builder");
             s.SetCallStatus(id, "INPROGRESS");
             s.SetCallStatus(id, "FINISHED");
             return id;
         },
         true,
         {"ringing N user bob.builder", "name N Bob Builder", "stopped N"}},
        {"answers after the sends",
         Delivery::Posted,
         [](model::ModelSkype& s) { return s.Ring("+15550100"); },
         true,
         {"ringing N number +15550100", "name N +15550100"}},
        // The call ends before Skype's answers about it arrive.
        {"gone before the answers",
         Delivery::Posted,
         [](model::ModelSkype& s) {
             const int id = s.Ring("bob.builder");
             s.SetCallStatus(id, "MISSED");
             return id;
         },
         true,
         {}},
        {"no call notification",
         Delivery::Immediate,
         [](model::ModelSkype& s) {
             s.Notify("CALL x1 STATUS RINGING");
             s.Notify("CALL 12345678901234567890 STATUS RINGING");
             s.Notify("CALLS 7 STATUS RINGING");
             return 0;
         },
         false,
         {}},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        calls.reset();
        recorder.heard.clear();
        Watch(each.delivery);
        skype.ClearReceived();
        const std::string id = std::to_string(each.skypeDoes(skype));
        Advance(100);
        Strings heard;
        for (std::string line : each.heard) {
            heard.push_back(line.replace(line.find('N'), 1, id));
        }
        EXPECT_EQ(heard, recorder.heard);
        const Strings asked = {"GET CALL " + id + " TYPE", "GET CALL " + id + " PARTNER_HANDLE",
                               "GET CALL " + id + " PARTNER_DISPNAME"};
        EXPECT_EQ(each.asks ? asked : Strings{}, CommandsStartingWith("GET CALL"));
        calls.reset();
        skype.Exit();
        client.reset();
    }
}

TEST_F(IncomingCalls, CallsThatNeverEndAreForgottenOldestFirst) {
    Watch(model::ModelSkype::Delivery::Immediate);
    for (int i = 0; i < 20; ++i) skype.Ring("bob.builder");
    EXPECT_EQ(CIncomingCalls::kRemembered, calls->Remembered());
    Strings stopped;
    for (const std::string& heard : recorder.heard) {
        if (heard.compare(0, 8, "stopped ") == 0) stopped.push_back(heard);
    }
    EXPECT_EQ((Strings{"stopped 1001", "stopped 1002", "stopped 1003", "stopped 1004"}), stopped);
    // The forgotten one may ring again: it is asked about anew.
    skype.ClearReceived();
    skype.SetCallStatus(1001, "RINGING");
    EXPECT_EQ(3u, CommandsStartingWith("GET CALL 1001").size());
    EXPECT_EQ(CIncomingCalls::kRemembered, calls->Remembered());
}

}  // namespace
