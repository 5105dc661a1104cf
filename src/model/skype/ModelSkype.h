// A model of the Skype desktop client, as far as its desktop API goes. It
// lives on a desktop reached only through the windowing port, so the same
// code runs on the model desktop (tests, the simulator) and, over the win32
// adapters, as a Windows program of its own (the Wine tests).
//
// Like Skype it answers discovery broadcasts with attach statuses (attached;
// pending the user's authorisation, then attached or refused; not logged
// in), announces that its API is available again after a log-in, answers
// the text commands a client sends in WM_COPYDATA (or refuses them with
// Skype's "ERROR code text"), and tells attached clients unasked about
// connection-status and user changes. Replies come back either inside the
// client's synchronous send (re-entrantly) or later, posted. Every command
// received is recorded.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Windowing.h"

namespace model {

// One Skype user as the model's directory knows it.
struct SkypeUser {
    std::string handle;
    std::string fullName;
    // "ONLINE", "OFFLINE", "AWAY", "NA", "DND", "SKYPEME", "INVISIBLE", ...
    std::string onlineStatus = "OFFLINE";
    std::string phoneHome;
    std::string phoneOffice;
    std::string phoneMobile;
    // Friends are listed by "SEARCH FRIENDS" and have BUDDYSTATUS 3.
    bool isFriend = true;
};

class ModelSkype : public platform::WindowHandler {
  public:
    // When replies reach the client.
    enum class Delivery {
        Immediate,  // inside the client's send, re-entrantly (and attach statuses sent)
        Posted,     // after the client's send has returned (attach statuses posted)
    };

    struct Command {
        platform::WindowHandle from;
        std::string text;
    };

    struct PlacedCall {
        int id;
        std::string target;  // as the command or the command line gave it
        bool fromCommandLine;
    };

    // A call as Skype tells it: "GET CALL <id> <property>" is answered from
    // it, and every change of its status is announced to the attached
    // clients ("CALL <id> STATUS <status>").
    struct SkypeCall {
        int id;
        std::string type;         // INCOMING_P2P, INCOMING_PSTN, OUTGOING_P2P, OUTGOING_PSTN
        std::string partner;      // PARTNER_HANDLE: a Skype name or a number
        std::string displayName;  // PARTNER_DISPNAME
        std::string status;       // RINGING, INPROGRESS, FINISHED, MISSED, ROUTING, ...
    };

    // Skype's error replies for what the model refuses.
    static const char kUnknownCommand[];     // "ERROR 2 Unknown command"
    static const char kUnknownSearch[];      // "ERROR 3 Search: unknown WHAT"
    static const char kEmptyTarget[];        // "ERROR 4 Empty target not allowed"
    static const char kInvalidGet[];         // "ERROR 7 GET: invalid WHAT"
    static const char kInvalidProperty[];    // "ERROR 10 Invalid PROP"
    static const char kInvalidUserHandle[];  // "ERROR 26 Invalid user handle"
    static const char kInvalidVersion[];     // "ERROR 27 Invalid version number"
    static const char kInvalidHandle[];      // "ERROR 70 Invalid handle"
    static const char kInvalidSkypeOut[];    // "ERROR 92 call error"
    static const char kCallToSelf[];         // "ERROR 94 call error"
    static const char kInvalidCallId[];      // "ERROR 11 Invalid call id"

    ModelSkype();
    ~ModelSkype() override;
    ModelSkype(const ModelSkype&) = delete;
    ModelSkype& operator=(const ModelSkype&) = delete;

    // --- The program ---
    // Opens Skype's window (and reports onStarted). False when it runs
    // already or the window cannot be made.
    bool Start();
    // Started from its command line: "/callto:<target>" has Skype call the
    // target itself once it runs.
    bool Launch(const std::string& parameters);
    // Closes the window (clients are not told; their ping goes unanswered).
    void Exit();
    bool IsRunning() const { return window_ != platform::kNoWindow; }
    platform::WindowHandle Window() const { return window_; }

    // --- Configuration ---
    void SetCurrentUser(const SkypeUser& user);
    const std::string& CurrentUserHandle() const { return currentUser_; }
    // Adds a user to the directory or replaces the one with that handle.
    void AddUser(const SkypeUser& user);
    const SkypeUser* FindUser(const std::string& handle) const;
    std::vector<std::string> Friends() const;
    void SetDelivery(Delivery delivery) { delivery_ = delivery; }
    Delivery GetDelivery() const { return delivery_; }
    void SetAnswersPings(bool answers) { answersPings_ = answers; }
    bool AnswersPings() const { return answersPings_; }
    // The highest protocol granted ("PROTOCOL 4" is answered with the lower
    // of 4 and this).
    void SetMaxProtocol(int protocol) { maxProtocol_ = protocol; }
    // Whether a client must wait for the user's authorisation the first time
    // it attaches (status 1, then 0 or 2).
    void SetRequiresAuthorization(bool requires) { requiresAuthorization_ = requires; }
    // The user decides on pending clients by themselves after `ms` of the
    // model's clock (0: only Authorize decides).
    void DecideAfter(std::uint32_t ms, bool allow);

    // --- What happens in Skype (attached clients are told unasked) ---
    // The user allows or refuses the pending clients.
    void Authorize(bool allow);
    // "CONNSTATUS <word>" to every attached client.
    void SetConnectionStatus(const std::string& word);
    const std::string& ConnectionStatusWord() const { return connectionStatus_; }
    // Changes a property of a user ("ONLINESTATUS", "FULLNAME", "PHONE_...")
    // and tells every attached client "USER <handle> <property> <value>".
    // False for an unknown user or property.
    bool SetUserProperty(const std::string& handle, const std::string& property,
                         const std::string& value);
    // The user logs out: "CONNSTATUS LOGGEDOUT", clients are dropped and
    // discovery is answered with status 3 until LogIn.
    void LogOut();
    // The user logs in: the API is announced as available again (status
    // 0x8001 to every top-level window) and the status becomes ONLINE.
    void LogIn();
    bool IsLoggedIn() const { return loggedIn_; }
    // Any text to every attached client, as Skype's notifications are sent.
    void Notify(const std::string& text);

    // Someone calls the user: `caller` is a Skype name (INCOMING_P2P; its
    // display name the directory's full name, else the name) or a
    // telephone number, "+" or a digit first (INCOMING_PSTN). The call
    // rings: the attached clients hear "CALL <id> STATUS RINGING". Answers
    // the call's id.
    int Ring(const std::string& caller);
    // A call's status changes and is announced; false for an unknown id.
    bool SetCallStatus(int id, const std::string& status);
    // The id of the latest call that rings now, 0 when none does.
    int RingingCall() const;
    // Every call Skype tells about (incoming ones and those placed), oldest first.
    const std::vector<SkypeCall>& KnownCalls() const { return knownCalls_; }

    // --- What it saw and did ---
    const std::vector<Command>& Received() const { return received_; }
    std::vector<std::string> CommandTexts() const;
    void ClearReceived() { received_.clear(); }
    const std::vector<PlacedCall>& Calls() const { return calls_; }
    const std::vector<std::string>& Chats() const { return chats_; }
    std::vector<platform::WindowHandle> AttachedClients() const;
    std::vector<platform::WindowHandle> PendingClients() const;

    // Remembers everything it knows and did as it is now (its window, users,
    // clients, pending replies, logs); Rollback() brings that back. The
    // desktop is rolled back with it, so that its window is there again.
    void Checkpoint();
    void Rollback();

    // Hooks for the host it runs in (process list, printing, command log).
    std::function<void()> onStarted;
    std::function<void()> onExited;
    std::function<void(platform::WindowHandle client)> onDiscover;
    std::function<void(platform::WindowHandle client, long status)> onAttachStatus;
    std::function<void(platform::WindowHandle client, const std::string& command)> onCommand;
    // Called as each reply or notification is handed to a client.
    std::function<void(platform::WindowHandle client, const std::string& text)> onReply;

    // --- platform::WindowHandler ---
    void OnDestroy(platform::WindowHandle self) override;
    void OnTimer(platform::WindowHandle self, std::uintptr_t timerId) override;
    platform::LResult OnCopyData(platform::WindowHandle self, platform::WindowHandle sender,
                                 std::uintptr_t dataWord, const void* data,
                                 std::uint32_t size) override;
    bool OnMessage(platform::WindowHandle self, platform::MessageId message,
                   platform::WParam wParam, platform::LParam lParam,
                   platform::LResult* result) override;

  private:
    enum class ClientState { Pending, Attached, Refused };
    struct Saved;

    void OnDiscover(platform::WindowHandle client);
    void SendAttachStatus(platform::WindowHandle client, long status);
    // Hands a text to a client now or later, as the delivery mode says.
    void Deliver(platform::WindowHandle client, const std::string& text);
    void SendNow(platform::WindowHandle client, const std::string& text);
    void FlushPosted();
    // The replies to one command (none for an unanswered PING).
    std::vector<std::string> Answer(const std::string& command);
    std::vector<std::string> AnswerCall(const std::string& targets);
    std::vector<std::string> AnswerOpen(const std::string& what);
    std::vector<std::string> AnswerGetUser(const std::string& rest);
    std::vector<std::string> AnswerGetCall(const std::string& rest);
    SkypeCall* FindCall(int id);
    std::string UserProperty(const SkypeUser& user, const std::string& property, bool* known) const;
    // Empty when `target` may be called, else the error reply.
    std::string CheckCallTarget(const std::string& target) const;

    platform::WindowHandle window_ = platform::kNoWindow;
    platform::MessageId discoverMessage_ = 0;
    platform::MessageId attachMessage_ = 0;

    std::string currentUser_;
    std::map<std::string, SkypeUser> users_;
    std::vector<std::string> userOrder_;  // the order users were added in
    std::string connectionStatus_ = "ONLINE";
    bool loggedIn_ = true;
    bool answersPings_ = true;
    bool requiresAuthorization_ = false;
    int maxProtocol_ = 5;
    Delivery delivery_ = Delivery::Immediate;
    std::uint32_t decisionDelayMs_ = 0;
    bool decisionAllow_ = true;

    std::map<platform::WindowHandle, ClientState> clients_;
    std::deque<std::pair<platform::WindowHandle, std::string>> posted_;
    bool flushPosted_ = false;
    int nextCallId_ = 1001;
    std::string launchCallTo_;

    std::vector<Command> received_;
    std::vector<PlacedCall> calls_;
    std::vector<std::string> chats_;
    std::vector<SkypeCall> knownCalls_;
    std::unique_ptr<Saved> saved_;
};

}  // namespace model
