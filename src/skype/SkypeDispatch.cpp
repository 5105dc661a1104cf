// CSkype's reply dispatch: reading WM_COPYDATA, classifying each reply by
// its first marker, the connection status, and the three observer tables.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include <boost/container/small_vector.hpp>

#include "platform/Platform.h"
#include "skype/Skype.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"
#include "skype/SkypeReply.h"
#include "skype/SubscriptionKey.h"
#include "util/CaughtExceptions.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

int ClampToInt(long value) { return value > INT_MAX ? INT_MAX : static_cast<int>(value); }

// Each observer call is an edge, as the add-in's entries are: what one
// observer (a window's controller, a buddy record, the error messages) lets
// out is recorded under `entry`, and the observers after it are still told.
// One window that cannot redraw must not leave another showing a contact
// while Skype is offline.
template <class Callback, class... Args>
void CallObserver(const char* entry, const Callback& callback, const Args&... args) {
    if (!callback) {
        return;
    }
    try {
        callback(args...);
    } catch (...) {
        caught::Record(entry);
    }
}

// Stores `callback` under a key no other subscription of `table` holds.
template <class Table>
std::string Subscribe(Table& table, const typename Table::mapped_type& callback) {
    for (;;) {
        std::string key = NewSubscriptionKey();
        if (table.emplace(key, callback).second) {
            return key;
        }
    }
}

// Calls the observers of `table` under `keys` (ascending) that are still
// subscribed when their turn comes, each once. A callback may (through a
// nested reply) add or remove subscriptions: the keys are a copy, and each
// callback called is a copy.
template <class Table, class... Args>
void NotifyKeys(const char* entry, const Table& table, const std::vector<std::string>& keys,
                const Args&... args) {
    for (const std::string& key : keys) {
        const auto found = table.find(key);
        if (found == table.end()) {
            continue;
        }
        const typename Table::mapped_type callback = found->second;
        CallObserver(entry, callback, args...);
    }
}

// Every observer of `table` that was subscribed when the walk began, in
// key order.
template <class Table, class... Args>
void NotifyEach(const char* entry, const Table& table, const Args&... args) {
    std::vector<std::string> keys;
    keys.reserve(table.size());
    for (const auto& subscription : table) {
        keys.push_back(subscription.first);
    }
    NotifyKeys(entry, table, keys, args...);
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
        // Bring the displayed states up to date. A snapshot: replies
        // arriving inside the sends may change the list.
        const boost::shared_ptr<const BuddyVector> buddies = BuddySnapshot();
        for (const CSkypeBuddyPtr& buddy : *buddies) {
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
    const std::string key = Subscribe(apiResultObservers_, callback);
    allResultObservers_.insert(key);
    ++resultObserverChanges_;
    return key;
}

void CSkype::LimitAPIResultToUser(const std::string& key, const std::wstring& handle) {
    const auto observer = apiResultObservers_.find(key);
    if (observer == apiResultObservers_.end()) {
        return;
    }
    const LimitedObserver limitedObserver{key, observer->second};
    const auto limited = userOfResultObserver_.emplace(key, handle);
    if (!limited.second) {
        userResultObservers_.Erase(limited.first->second, limitedObserver);
        limited.first->second = handle;
    }
    userResultObservers_.Insert(handle, limitedObserver);
    allResultObservers_.erase(key);
    ++resultObserverChanges_;
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
    allResultObservers_.erase(key);
    const auto limited = userOfResultObserver_.find(key);
    if (limited != userOfResultObserver_.end()) {
        userResultObservers_.Erase(limited->second, LimitedObserver{key, APIResultCallback()});
        userOfResultObserver_.erase(limited);
    }
    ++resultObserverChanges_;
}

void CSkype::NotifyConnectionStatus(ConnectionStatus status) {
    NotifyEach("CSkype::NotifyConnectionStatus", connectionStatusObservers_, status);
}

void CSkype::NotifyAPIResult(const std::string& reply) {
    // The observers limited to the user a "USER" notification names.
    boost::container::small_vector<const LimitedObserver*, 2> limited;
    skype_reply::UserNotification notification;
    if (!userOfResultObserver_.empty() && skype_reply::ReadUserNotification(reply, &notification)) {
        userResultObservers_.ForEachEqual(
            text::FromAnsi(notification.handle),
            [&limited](const LimitedObserver& observer) { limited.push_back(&observer); });
    }
    // The usual case, a notification for one record and nobody else
    // listening: no table to build.
    static const char kEntry[] = "CSkype::NotifyAPIResult";
    if (allResultObservers_.empty() && limited.size() == 1) {
        const APIResultCallback callback = limited.front()->callback;
        CallObserver(kEntry, callback, reply);
        return;
    }
    // Everyone who hears every reply, and those limited to the user, in key
    // order as one table.
    std::vector<LimitedObserver> calls;
    calls.reserve(allResultObservers_.size() + limited.size());
    for (const std::string& key : allResultObservers_) {
        calls.push_back(LimitedObserver{key, apiResultObservers_[key]});
    }
    const std::size_t everyone = calls.size();
    for (const LimitedObserver* observer : limited) {
        calls.push_back(*observer);
    }
    const auto byKey = [](const LimitedObserver& a, const LimitedObserver& b) {
        return a.key < b.key;
    };
    const auto firstLimited = calls.begin() + static_cast<std::ptrdiff_t>(everyone);
    std::sort(firstLimited, calls.end(), byKey);
    std::inplace_merge(calls.begin(), firstLimited, calls.end(), byKey);
    // A record's callback never sends, so no record can go while its own
    // callback runs; one that goes during another observer's call has
    // unsubscribed by its turn. While nobody subscribes or unsubscribes the
    // copies made above are the table's own callbacks; after a change each
    // is looked up again, as NotifyKeys does.
    const std::uint64_t changes = resultObserverChanges_;
    for (const LimitedObserver& call : calls) {
        if (resultObserverChanges_ == changes) {
            CallObserver(kEntry, call.callback, reply);
            continue;
        }
        const auto found = apiResultObservers_.find(call.key);
        if (found == apiResultObservers_.end()) {
            continue;
        }
        const APIResultCallback callback = found->second;
        CallObserver(kEntry, callback, reply);
    }
}

void CSkype::NotifyAPIError(int code, const std::string& description) {
    NotifyEach("CSkype::NotifyAPIError", apiErrorObservers_, code, description);
}
