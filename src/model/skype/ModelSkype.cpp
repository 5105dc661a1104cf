// The model Skype's program, window, attachment and delivery of replies.
#include "model/skype/ModelSkype.h"

#include <exception>
#include <iterator>

#include "platform/Platform.h"

namespace model {

namespace {

// Skype's desktop API, as Skype itself defines it.
constexpr char kDiscoverName[] = "SkypeControlAPIDiscover";
constexpr char kAttachName[] = "SkypeControlAPIAttach";
constexpr long kAttachSuccess = 0;
constexpr long kAttachPending = 1;
constexpr long kAttachRefused = 2;
constexpr long kAttachNotAvailable = 3;
constexpr long kAttachApiAvailable = 0x8001;

constexpr char kWindowTitle[] = "Skype";
constexpr char kCallToSwitch[] = "/callto:";

// Private messages and timers of the model's window.
constexpr platform::MessageId kClose = 0x0010;  // WM_CLOSE
constexpr platform::MessageId kFlushPosted = platform::msg::kUser + 0x51;
constexpr std::uintptr_t kDecisionTimer = 1;

}  // namespace

ModelSkype::ModelSkype() {
    SkypeUser self;
    self.handle = "tandrel.user";
    self.fullName = "Tandrel User";
    self.onlineStatus = "ONLINE";
    self.isFriend = false;
    SetCurrentUser(self);
}

struct ModelSkype::Saved {
    platform::WindowHandle window;
    platform::MessageId discoverMessage;
    platform::MessageId attachMessage;
    std::string currentUser;
    std::map<std::string, SkypeUser> users;
    std::vector<std::string> userOrder;
    std::string connectionStatus;
    bool loggedIn;
    bool answersPings;
    bool requiresAuthorization;
    int maxProtocol;
    Delivery delivery;
    std::uint32_t decisionDelayMs;
    bool decisionAllow;
    std::map<platform::WindowHandle, ClientState> clients;
    std::deque<std::pair<platform::WindowHandle, std::string>> posted;
    bool flushPosted;
    int nextCallId;
    std::string launchCallTo;
    std::vector<Command> received;
    std::vector<PlacedCall> calls;
    std::vector<std::string> chats;
    std::vector<SkypeCall> knownCalls;
};

void ModelSkype::Checkpoint() {
    saved_.reset(new Saved{window_,
                           discoverMessage_,
                           attachMessage_,
                           currentUser_,
                           users_,
                           userOrder_,
                           connectionStatus_,
                           loggedIn_,
                           answersPings_,
                           requiresAuthorization_,
                           maxProtocol_,
                           delivery_,
                           decisionDelayMs_,
                           decisionAllow_,
                           clients_,
                           posted_,
                           flushPosted_,
                           nextCallId_,
                           launchCallTo_,
                           received_,
                           calls_,
                           chats_,
                           knownCalls_});
}

void ModelSkype::Rollback() {
    if (!saved_) return;
    const Saved& s = *saved_;
    window_ = s.window;
    discoverMessage_ = s.discoverMessage;
    attachMessage_ = s.attachMessage;
    currentUser_ = s.currentUser;
    users_ = s.users;
    userOrder_ = s.userOrder;
    connectionStatus_ = s.connectionStatus;
    loggedIn_ = s.loggedIn;
    answersPings_ = s.answersPings;
    requiresAuthorization_ = s.requiresAuthorization;
    maxProtocol_ = s.maxProtocol;
    delivery_ = s.delivery;
    decisionDelayMs_ = s.decisionDelayMs;
    decisionAllow_ = s.decisionAllow;
    clients_ = s.clients;
    posted_ = s.posted;
    flushPosted_ = s.flushPosted;
    nextCallId_ = s.nextCallId;
    launchCallTo_ = s.launchCallTo;
    received_ = s.received;
    calls_ = s.calls;
    chats_ = s.chats;
    knownCalls_ = s.knownCalls;
}

ModelSkype::~ModelSkype() {
    if (window_ != platform::kNoWindow) {
        try {
            Exit();
        } catch (...) {
        }
    }
}

bool ModelSkype::Start() {
    if (window_ != platform::kNoWindow) {
        return false;
    }
    platform::Windowing& windowing = platform::windowing();
    discoverMessage_ = windowing.RegisterMessage(kDiscoverName);
    attachMessage_ = windowing.RegisterMessage(kAttachName);
    window_ = windowing.CreateHiddenWindow(kWindowTitle, this);
    if (window_ == platform::kNoWindow) {
        return false;
    }
    clients_.clear();
    posted_.clear();
    flushPosted_ = false;
    if (onStarted) onStarted();
    return true;
}

bool ModelSkype::Launch(const std::string& parameters) {
    const std::size_t callTo = parameters.find(kCallToSwitch);
    if (callTo != std::string::npos) {
        std::string target = parameters.substr(callTo + sizeof(kCallToSwitch) - 1);
        const std::size_t quote = target.find('"');
        if (quote != std::string::npos) target.erase(quote);
        if (!target.empty()) {
            calls_.push_back(PlacedCall{nextCallId_++, target, true});
        }
    }
    return IsRunning() || Start();
}

void ModelSkype::Exit() {
    if (window_ == platform::kNoWindow) {
        return;
    }
    platform::windowing().DestroyWindow(window_);
    window_ = platform::kNoWindow;
    clients_.clear();
    posted_.clear();
    flushPosted_ = false;
    if (onExited) onExited();
}

void ModelSkype::OnDestroy(platform::WindowHandle self) { window_ = platform::kNoWindow; }

void ModelSkype::SetCurrentUser(const SkypeUser& user) {
    currentUser_ = user.handle;
    AddUser(user);
}

void ModelSkype::AddUser(const SkypeUser& user) {
    if (users_.count(user.handle) == 0) {
        userOrder_.push_back(user.handle);
    }
    users_[user.handle] = user;
}

const SkypeUser* ModelSkype::FindUser(const std::string& handle) const {
    const auto found = users_.find(handle);
    return found == users_.end() ? nullptr : &found->second;
}

std::vector<std::string> ModelSkype::Friends() const {
    std::vector<std::string> friends;
    for (const std::string& handle : userOrder_) {
        const SkypeUser& user = users_.at(handle);
        if (user.isFriend && handle != currentUser_) friends.push_back(handle);
    }
    return friends;
}

void ModelSkype::DecideAfter(std::uint32_t ms, bool allow) {
    decisionDelayMs_ = ms;
    decisionAllow_ = allow;
}

std::vector<std::string> ModelSkype::CommandTexts() const {
    std::vector<std::string> texts;
    for (const Command& command : received_) texts.push_back(command.text);
    return texts;
}

std::vector<platform::WindowHandle> ModelSkype::AttachedClients() const {
    std::vector<platform::WindowHandle> attached;
    for (const auto& client : clients_) {
        if (client.second == ClientState::Attached) attached.push_back(client.first);
    }
    return attached;
}

std::vector<platform::WindowHandle> ModelSkype::PendingClients() const {
    std::vector<platform::WindowHandle> pending;
    for (const auto& client : clients_) {
        if (client.second == ClientState::Pending) pending.push_back(client.first);
    }
    return pending;
}

bool ModelSkype::OnMessage(platform::WindowHandle self, platform::MessageId message,
                           platform::WParam wParam, platform::LParam lParam,
                           platform::LResult* result) {
    if (message == discoverMessage_ && discoverMessage_ != 0) {
        OnDiscover(static_cast<platform::WindowHandle>(wParam));
        *result = 1;
        return true;
    }
    if (message == kFlushPosted) {
        FlushPosted();
        *result = 0;
        return true;
    }
    if (message == kClose) {
        Exit();
        *result = 0;
        return true;
    }
    return false;
}

void ModelSkype::OnDiscover(platform::WindowHandle client) {
    if (client == platform::kNoWindow || client == window_) {
        return;
    }
    if (onDiscover) onDiscover(client);
    if (!loggedIn_) {
        SendAttachStatus(client, kAttachNotAvailable);
        return;
    }
    const auto known = clients_.find(client);
    if (known != clients_.end()) {
        switch (known->second) {
            case ClientState::Refused:
                SendAttachStatus(client, kAttachRefused);
                return;
            case ClientState::Pending:
                return;  // still waiting for the user
            case ClientState::Attached:
                SendAttachStatus(client, kAttachSuccess);
                return;
        }
    }
    if (requiresAuthorization_) {
        clients_[client] = ClientState::Pending;
        SendAttachStatus(client, kAttachPending);
        if (decisionDelayMs_ != 0 && window_ != platform::kNoWindow) {
            platform::windowing().SetTimer(window_, kDecisionTimer, decisionDelayMs_);
        }
        return;
    }
    clients_[client] = ClientState::Attached;
    SendAttachStatus(client, kAttachSuccess);
}

void ModelSkype::Authorize(bool allow) {
    // The pending clients as they are now: an answer may bring new ones.
    const std::vector<platform::WindowHandle> pending = PendingClients();
    for (platform::WindowHandle client : pending) {
        clients_[client] = allow ? ClientState::Attached : ClientState::Refused;
    }
    for (platform::WindowHandle client : pending) {
        SendAttachStatus(client, allow ? kAttachSuccess : kAttachRefused);
    }
}

void ModelSkype::OnTimer(platform::WindowHandle self, std::uintptr_t timerId) {
    if (timerId == kDecisionTimer) {
        platform::windowing().KillTimer(self, kDecisionTimer);
        Authorize(decisionAllow_);
    }
}

void ModelSkype::SendAttachStatus(platform::WindowHandle client, long status) {
    if (window_ == platform::kNoWindow) {
        return;
    }
    if (onAttachStatus) onAttachStatus(client, status);
    platform::Windowing& windowing = platform::windowing();
    if (delivery_ == Delivery::Immediate) {
        windowing.Send(client, attachMessage_, static_cast<platform::WParam>(window_), status);
    } else {
        windowing.Post(client, attachMessage_, static_cast<platform::WParam>(window_), status);
    }
}

void ModelSkype::SetConnectionStatus(const std::string& word) {
    connectionStatus_ = word;
    Notify("CONNSTATUS " + word);
}

bool ModelSkype::SetUserProperty(const std::string& handle, const std::string& property,
                                 const std::string& value) {
    const auto found = users_.find(handle);
    if (found == users_.end()) {
        return false;
    }
    SkypeUser& user = found->second;
    if (property == "FULLNAME") {
        user.fullName = value;
    } else if (property == "ONLINESTATUS") {
        user.onlineStatus = value;
    } else if (property == "PHONE_HOME") {
        user.phoneHome = value;
    } else if (property == "PHONE_OFFICE") {
        user.phoneOffice = value;
    } else if (property == "PHONE_MOBILE") {
        user.phoneMobile = value;
    } else {
        return false;
    }
    Notify("USER " + handle + " " + property + " " + value);
    return true;
}

void ModelSkype::LogOut() {
    SetConnectionStatus("LOGGEDOUT");
    loggedIn_ = false;
    // Clients attach again after the next log-in; their authorisation stays.
    for (auto& client : clients_) {
        if (client.second == ClientState::Pending) client.second = ClientState::Refused;
    }
}

void ModelSkype::LogIn() {
    loggedIn_ = true;
    connectionStatus_ = "ONLINE";
    if (window_ != platform::kNoWindow) {
        platform::windowing().Post(platform::kBroadcast, attachMessage_,
                                   static_cast<platform::WParam>(window_), kAttachApiAvailable);
    }
}

void ModelSkype::Notify(const std::string& text) {
    if (!loggedIn_) {
        return;
    }
    // A client whose window is gone (an add-in unloaded) is forgotten, as
    // Skype forgets a client it can no longer reach.
    platform::Windowing& windowing = platform::windowing();
    for (auto client = clients_.begin(); client != clients_.end();) {
        client = windowing.IsWindow(client->first) ? std::next(client) : clients_.erase(client);
    }
    for (platform::WindowHandle client : AttachedClients()) {
        Deliver(client, text);
    }
}

platform::LResult ModelSkype::OnCopyData(platform::WindowHandle self, platform::WindowHandle sender,
                                         std::uintptr_t dataWord, const void* data,
                                         std::uint32_t size) {
    try {
        std::string command;
        if (data != nullptr && size != 0) {
            const char* bytes = static_cast<const char*>(data);
            std::size_t length = 0;
            while (length < size && bytes[length] != '\0') ++length;
            command.assign(bytes, length);
        }
        received_.push_back(Command{sender, command});
        if (onCommand) onCommand(sender, command);
        // Only attached clients are answered; others talk to a wall.
        const auto client = clients_.find(sender);
        if (client == clients_.end() || client->second != ClientState::Attached || !loggedIn_) {
            return 1;
        }
        for (const std::string& reply : Answer(command)) {
            Deliver(sender, reply);
        }
    } catch (const std::exception&) {
        // Nothing may leave the window procedure.
    }
    return 1;
}

void ModelSkype::Deliver(platform::WindowHandle client, const std::string& text) {
    if (window_ == platform::kNoWindow) {
        return;
    }
    if (delivery_ == Delivery::Immediate) {
        SendNow(client, text);
        return;
    }
    posted_.push_back(std::make_pair(client, text));
    if (!flushPosted_) {
        flushPosted_ = platform::windowing().Post(window_, kFlushPosted, 0, 0);
    }
}

void ModelSkype::SendNow(platform::WindowHandle client, const std::string& text) {
    if (onReply) onReply(client, text);
    platform::windowing().SendCopyData(client, window_, 0, text.c_str(),
                                       static_cast<std::uint32_t>(text.size() + 1));
}

void ModelSkype::FlushPosted() {
    flushPosted_ = false;
    // Texts queued while these are sent wait for the next flush.
    std::deque<std::pair<platform::WindowHandle, std::string>> batch;
    batch.swap(posted_);
    for (const auto& entry : batch) {
        if (window_ == platform::kNoWindow) {
            return;
        }
        SendNow(entry.first, entry.second);
    }
}

}  // namespace model
