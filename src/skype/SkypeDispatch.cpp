// CSkype's reply dispatch: reading WM_COPYDATA, classifying each reply by
// its first marker, the connection status, and the three observer tables.
#include <climits>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "skype/Skype.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"
#include "skype/SkypeReply.h"
#include "skype/SubscriptionKey.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

int ClampToInt(long value) { return value > INT_MAX ? INT_MAX : static_cast<int>(value); }

// Stores `callback` under a key no other subscription of `table` holds.
template <class Table>
std::string Subscribe(Table& table, const typename Table::mapped_type& callback) {
    std::string key = NewSubscriptionKey();
    while (table.count(key) != 0) {
        key = NewSubscriptionKey();
    }
    table[key] = callback;
    return key;
}

// Calls every observer of `table` that was subscribed when the walk began
// and is still subscribed when its turn comes, each once, in key order. A
// callback may (through a nested reply) add or remove subscriptions: the
// walk goes over a copy of the keys and calls a copy of each callback.
template <class Table, class... Args>
void NotifyEach(const Table& table, const Args&... args) {
    std::vector<std::string> keys;
    keys.reserve(table.size());
    for (const auto& entry : table) {
        keys.push_back(entry.first);
    }
    for (const std::string& key : keys) {
        const auto found = table.find(key);
        if (found == table.end()) {
            continue;
        }
        const typename Table::mapped_type callback = found->second;
        if (callback) {
            callback(args...);
        }
    }
}

}  // namespace

platform::LResult CSkype::OnCopyData(platform::WindowHandle self, platform::WindowHandle sender,
                                     std::uintptr_t dataWord, const void* data,
                                     std::uint32_t size) {
    TANDREL_TRACE("CSkype::OnCopyData");
    HandleReply(skype_reply::FromBlock(data, size));
    return 1;
}

void CSkype::HandleReply(const std::string& text) {
    const skype_reply::Reply reply = skype_reply::Classify(text);
    switch (reply.kind) {
        case skype_reply::Kind::ConnStatus: {
            const std::string traceName = "CSkype::ConnStatus::" + reply.value;
            TANDREL_TRACE(traceName.c_str());
            OnChangeConnectionStatus(ConnectionStatusFromWord(reply.value));
            break;
        }
        case skype_reply::Kind::CurrentUserHandle:
            currentUserHandle_ = reply.value;
            break;
        case skype_reply::Kind::Pong:
            ++pongsReceived_;
            break;
        case skype_reply::Kind::Protocol:
            protocol_ = ClampToInt(reply.number);
            break;
        case skype_reply::Kind::Error:
            NotifyAPIError(ClampToInt(reply.number), reply.value);
            break;
        case skype_reply::Kind::Users:
            OnUsersReply(reply.value);
            break;
        case skype_reply::Kind::Other:
            NotifyAPIResult(text);
            break;
    }
}

void CSkype::OnChangeConnectionStatus(ConnectionStatus status) {
    TANDREL_TRACE("CSkype::OnChangeConnectionStatus");
    if (status == connectionStatus_) {
        return;
    }
    connectionStatus_ = status;
    if (status == kConnectionOnline) {
        // Bring the displayed states up to date. A copy: replies arriving
        // inside the sends may change the list.
        const std::vector<CSkypeBuddyPtr> buddies = buddies_;
        for (const CSkypeBuddyPtr& buddy : buddies) {
            GetUserProperty(L"ONLINESTATUS", buddy->GetHandle());
        }
    } else if (status == kConnectionOffline) {
        // Commands are dropped from now on; attach again when Skype is back.
        skypeWindow_ = platform::kNoWindow;
        if (window_ != platform::kNoWindow) {
            platform::windowing().KillTimer(window_, skype_protocol::kPingTimerId);
        }
        StartDiscovery();
    }
    NotifyConnectionStatus(status);
}

std::string CSkype::AdviseConnectionStatus(const ConnectionStatusCallback& callback) {
    TANDREL_TRACE("CSkype::AdviseConnectionStatus");
    return Subscribe(connectionStatusObservers_, callback);
}

std::string CSkype::AdviseAPIResult(const APIResultCallback& callback) {
    TANDREL_TRACE("CSkype::AdviseAPIResult");
    return Subscribe(apiResultObservers_, callback);
}

std::string CSkype::AdviseAPIError(const APIErrorCallback& callback) {
    TANDREL_TRACE("CSkype::AdviseAPIError");
    return Subscribe(apiErrorObservers_, callback);
}

void CSkype::Unadvise(const std::string& key) {
    TANDREL_TRACE("CSkype::Unadvise");
    connectionStatusObservers_.erase(key);
    apiResultObservers_.erase(key);
    apiErrorObservers_.erase(key);
}

void CSkype::NotifyConnectionStatus(ConnectionStatus status) {
    NotifyEach(connectionStatusObservers_, status);
}

void CSkype::NotifyAPIResult(const std::string& reply) {
    // The records are the observers here: keep every one alive until the
    // walk is over, even if a nested reply empties the list meanwhile.
    const std::vector<CSkypeBuddyPtr> keepAlive = buddies_;
    NotifyEach(apiResultObservers_, reply);
}

void CSkype::NotifyAPIError(int code, const std::string& description) {
    NotifyEach(apiErrorObservers_, code, description);
}
