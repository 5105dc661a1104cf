// Whatever Skype sends, one line of the input at a time: blocks of
// arbitrary bytes (with the NUL left out, or followed by more bytes),
// connection-status changes, "USER" notifications and "USERS" lists, mixed
// with the client's own lookups, the passing of time, the window's end and
// the user's calls, chats and SkypeOut calls. Each input meets the add-in's
// Skype client fresh and attached, in a world built once (the model Skype
// with its sample users) and rolled back after it; lists of thousands are
// the benchmarks' business.
// Nothing may be stopped at the window procedure; no command Skype receives
// and no command line it is launched with holds a double quote or a control
// character, a "GET USER" names one handle, and a call or chat goes out
// with its whole target or not at all; the buddy list and its index must
// agree: one record per handle, each found by its own handle as a walk
// would find it. Calls that ring ("#ring", or any "CALL" text) are followed
// as the add-in follows them: only an announced call stops ringing, and no
// more are kept in mind than the bound.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "model/world/World.h"
#include "skype/IncomingCalls.h"
#include "skype/Skype.h"
#include "skype/SkypeApiMessages.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"

namespace {

std::size_t Number(const std::string& text) {
    std::size_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 100000) break;
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
}

bool StartsWith(const std::string& text, const char* prefix, std::string* rest) {
    const std::string start(prefix);
    if (text.compare(0, start.size(), start) != 0) return false;
    *rest = text.substr(start.size());
    return true;
}

// What the add-in's screen pop hears: checked as it is heard.
class CallListener : public CIncomingCalls::Listener {
  public:
    void OnRinging(const IncomingCall& call) override {
        fuzz::Require(!call.partner.empty(), "a call announced without a partner");
        fuzz::Require(ringing_.insert(call.id).second, "a call announced twice");
        fuzz::Require(ringing_.size() <= CIncomingCalls::kRemembered, "more calls than the bound");
    }
    void OnDisplayName(const IncomingCall& call) override {
        fuzz::Require(ringing_.count(call.id) != 0, "a name told of a call not ringing");
    }
    void OnStoppedRinging(const std::string& id) override {
        fuzz::Require(ringing_.erase(id) == 1, "a call stopped that was not announced");
    }

  private:
    std::set<std::string> ringing_;
};

// The world every input starts from: the model Skype running, nothing of
// the add-in yet. Skype knows the sample users but none is a friend: the
// handshake's list is empty, each input brings the lists it wants, and the
// lookups those cause still get Skype's answers.
model::World& StartingWorld() {
    static model::World* const world = [] {
        model::World* made = new model::World(model::Mailbox(), model::World::SkypeUsers::Sample);
        for (const std::string& handle : made->skype.Friends()) {
            model::SkypeUser known = *made->skype.FindUser(handle);
            known.isFriend = false;
            made->skype.AddUser(known);
        }
        made->skype.Start();
        made->Checkpoint();
        return made;
    }();
    return *world;
}

// One input's run: the client made and attached, then the lines.
class Session {
  public:
    explicit Session(model::World& world)
        : platform_(world.platform), skype_(world.skype), client_(&world.StartClient()) {
        // The client belongs to the world; the session's follower goes first.
        calls_.reset(
            new CIncomingCalls(boost::shared_ptr<CSkype>(client_, [](CSkype*) {}), listener_));
        platform_.desktop.Advance(skype_protocol::kDiscoveryPeriodMs);
    }

    // One line of the input:
    //   "#raw <bytes>"   the bytes as a block without a NUL
    //   "#add <handle>", "#find <handle>", "#get <handle>"  the client's own calls
    //   "#call <target>", "#chat <target>", "#out <number>", "#start <target>"
    //                    the user's, each with the target as written
    //   "#ring <caller>" someone calls through Skype
    //   "#wait <ms>"     time passes, timers run
    //   "#destroy", "#create"  the hidden window goes or comes back
    //   anything else    a reply with its NUL; bytes after an inner NUL are
    //                    sent too (a size that overstates the text)
    void Step(const std::string& line) {
        std::string rest;
        if (StartsWith(line, "#raw ", &rest)) {
            Send(rest.data(), static_cast<std::uint32_t>(rest.size()));
        } else if (StartsWith(line, "#add ", &rest)) {
            client_->AddBuddy(Wide(rest), rest.size() % 2 == 0);
        } else if (StartsWith(line, "#find ", &rest)) {
            client_->FindBuddy(Wide(rest));
        } else if (StartsWith(line, "#get ", &rest)) {
            client_->GetUserProperty(L"FULLNAME", Wide(rest));
        } else if (StartsWith(line, "#call ", &rest)) {
            client_->SkypeIPCall(Wide(rest));
            RequireWholeTarget(skype_protocol::kCallPrefix, rest);
        } else if (StartsWith(line, "#chat ", &rest)) {
            client_->SkypeIMChat(Wide(rest));
            RequireWholeTarget(skype_protocol::kOpenImPrefix, rest);
        } else if (StartsWith(line, "#out ", &rest)) {
            client_->SkypeOut(Wide(rest));
        } else if (StartsWith(line, "#start ", &rest)) {
            client_->StartSkype(rest);
        } else if (StartsWith(line, "#ring ", &rest)) {
            skype_.Ring(rest);
        } else if (StartsWith(line, "#wait ", &rest)) {
            platform_.desktop.Advance(std::min<std::size_t>(Number(rest), 10000));
        } else if (line == "#destroy") {
            client_->DestroyMessageWindow();
        } else if (line == "#create") {
            client_->CreateMessageWindow();
        } else {
            Send(line.c_str(), static_cast<std::uint32_t>(line.size() + 1));
        }
        fuzz::Require(platform_.CaughtExceptions() == 0,
                      "an exception reached the window procedure");
        fuzz::Require(calls_->Remembered() <= CIncomingCalls::kRemembered,
                      "more calls kept in mind than the bound");
        RequireNothingHostilePassedOn();
    }

    // One record per handle (no two compare equal: neighbours in the
    // locale's order differ), each found by its own handle.
    void Check() {
        std::vector<CSkypeBuddyPtr> buddies = client_->GetBuddyList();
        for (const CSkypeBuddyPtr& buddy : buddies) {
            fuzz::Require(client_->FindBuddy(buddy->GetHandle()) == buddy,
                          "a record not found by its own handle");
        }
        std::sort(buddies.begin(), buddies.end(),
                  [](const CSkypeBuddyPtr& a, const CSkypeBuddyPtr& b) {
                      return platform::text().CompareLocale(a->GetHandle(), b->GetHandle()) < 0;
                  });
        for (std::size_t i = 1; i < buddies.size(); ++i) {
            fuzz::Require(platform::text().CompareLocale(buddies[i - 1]->GetHandle(),
                                                         buddies[i]->GetHandle()) != 0,
                          "two records with equal handles");
        }
    }

  private:
    static bool Hostile(char c) { return c == '"' || static_cast<unsigned char>(c) < 0x20; }

    // The commands received and the launches made since the last step.
    void RequireNothingHostilePassedOn() {
        const std::vector<model::ModelSkype::Command>& received = skype_.Received();
        for (; commandsSeen_ < received.size(); ++commandsSeen_) {
            const std::string& command = received[commandsSeen_].text;
            fuzz::Require(std::none_of(command.begin(), command.end(), Hostile),
                          "a command holds a quote or a control character");
            if (command.compare(0, 9, skype_protocol::kGetUserPrefix) == 0) {
                fuzz::Require(std::count(command.begin(), command.end(), ' ') == 3,
                              "a GET USER names more than one handle");
            }
        }
        const auto& executions = platform_.shell.executions;
        for (; launchesSeen_ < executions.size(); ++launchesSeen_) {
            const std::string& parameters = executions[launchesSeen_].parameters;
            const std::string inner =
                parameters.size() < 2 ? parameters : parameters.substr(1, parameters.size() - 2);
            fuzz::Require(std::none_of(inner.begin(), inner.end(), Hostile),
                          "Skype launched with a quote or a control character in its target");
        }
    }

    // A call or chat sent during this step carries `target` whole: Skype
    // would read a target cut at a NUL as someone else.
    void RequireWholeTarget(const char* prefix, const std::string& target) {
        const std::vector<model::ModelSkype::Command>& received = skype_.Received();
        const std::string expected = prefix + platform::text().ToAnsi(Wide(target));
        for (std::size_t i = commandsSeen_; i < received.size(); ++i) {
            if (received[i].text.compare(0, std::strlen(prefix), prefix) == 0) {
                fuzz::Require(received[i].text == expected, "a call or chat with a cut target");
            }
        }
    }

    void Send(const void* data, std::uint32_t size) {
        if (client_->GetMessageWindow() == platform::kNoWindow) return;
        platform_.desktop.SendCopyData(client_->GetMessageWindow(), skype_.Window(), 0, data, size);
    }
    void Send(const std::string& text) {
        Send(text.c_str(), static_cast<std::uint32_t>(text.size() + 1));
    }
    static std::wstring Wide(const std::string& ansi) { return platform::text().FromAnsi(ansi); }

    model::ModelPlatform& platform_;
    model::ModelSkype& skype_;
    CSkype* client_;
    CallListener listener_;
    std::unique_ptr<CIncomingCalls> calls_;
    std::size_t commandsSeen_ = 0;
    std::size_t launchesSeen_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    model::World& world = StartingWorld();
    {
        Session session(world);
        for (const std::string& line :
             fuzz::Lines(std::string(reinterpret_cast<const char*>(data), size))) {
            session.Step(line);
        }
        session.Check();
    }
    world.Rollback();
    return 0;
}
