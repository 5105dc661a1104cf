#include "model/ModelDesktop.h"

#include <deque>
#include <limits>
#include <map>
#include <stdexcept>
#include <utility>

#include "model/ModelText.h"
#include "util/CaughtExceptions.h"

namespace model {

namespace {

// Registered message numbers live in the atom range, as on Windows.
constexpr platform::MessageId kFirstRegisteredMessage = 0xC000;
constexpr platform::MessageId kLastRegisteredMessage = 0xFFFF;
// Atom names are at most 255 characters.
constexpr std::size_t kMaxMessageNameLength = 255;
// USER_TIMER_MINIMUM and USER_TIMER_MAXIMUM: SetTimer clamps to these.
constexpr std::uint32_t kTimerMinimum = 0x0000000A;
constexpr std::uint32_t kTimerMaximum = 0x7FFFFFFF;
// Window handles look like Windows' (even, well away from 0 and from
// kBroadcast) and are never reused, so a stale handle stays invalid.
constexpr platform::WindowHandle kFirstWindow = 0x000A0010;
constexpr platform::WindowHandle kWindowStep = 0x10;
// A handler that posts to itself on every delivery would keep
// DispatchPending() busy for ever; past this many deliveries in one call
// the desktop reports the livelock instead of hanging the test.
constexpr std::size_t kMaxDeliveriesPerDispatch = 100000;

}  // namespace

struct ModelDesktop::State {
    struct Window {
        std::string title;
        platform::WindowHandler* handler = nullptr;
        bool destroying = false;
    };
    struct Timer {
        std::uint32_t period = 0;
        std::uint64_t due = 0;
        std::uint64_t sequence = 0;  // ties at the same due time fire in the order set
    };
    struct Queued {
        platform::WindowHandle to;
        platform::MessageId message;
        platform::WParam wParam;
        platform::LParam lParam;
    };
    using TimerKey = std::pair<platform::WindowHandle, std::uintptr_t>;

    std::uint64_t now = 0;
    platform::WindowHandle nextWindow = kFirstWindow;
    platform::MessageId nextMessage = kFirstRegisteredMessage;
    std::map<std::string, platform::MessageId> messagesByName;  // lower-case names
    std::map<platform::MessageId, std::string> namesByMessage;
    std::map<platform::WindowHandle, Window> windows;  // ascending handle = creation order
    std::map<TimerKey, Timer> timers;
    std::uint64_t timerSequence = 0;
    std::deque<Queued> queue;
    std::vector<PostRecord> postLog;
    int sendDepth = 0;
    std::size_t swallowedExceptions = 0;
    ModelText text;

    bool Exists(platform::WindowHandle window) const { return windows.count(window) != 0; }

    // Calls the window's handler the way the win32 window procedure does;
    // the handler is looked up afresh, so a window destroyed meanwhile gets
    // nothing. Exceptions stop here, as no exception may leave a window
    // procedure.
    platform::LResult Deliver(platform::WindowHandle to, platform::MessageId message,
                              platform::WParam wParam, platform::LParam lParam) {
        auto found = windows.find(to);
        if (found == windows.end() || found->second.handler == nullptr) {
            return 0;
        }
        platform::WindowHandler* handler = found->second.handler;
        try {
            switch (message) {
                case platform::msg::kCreate:
                    handler->OnCreate(to);
                    return 0;
                case platform::msg::kDestroy:
                    handler->OnDestroy(to);
                    return 0;
                case platform::msg::kTimer:
                    handler->OnTimer(to, wParam);
                    return 0;
                default: {
                    platform::LResult result = 0;
                    return handler->OnMessage(to, message, wParam, lParam, &result) ? result : 0;
                }
            }
        } catch (...) {
            ++swallowedExceptions;
            caught::Record("ModelDesktop::Deliver");
            return 0;
        }
    }

    platform::LResult DeliverCopyData(platform::WindowHandle to, platform::WindowHandle from,
                                      std::uintptr_t dataWord,
                                      const std::vector<std::uint8_t>& bytes) {
        auto found = windows.find(to);
        if (found == windows.end() || found->second.handler == nullptr) {
            return 0;
        }
        try {
            return found->second.handler->OnCopyData(to, from, dataWord,
                                                     bytes.empty() ? nullptr : bytes.data(),
                                                     static_cast<std::uint32_t>(bytes.size()));
        } catch (...) {
            ++swallowedExceptions;
            caught::Record("ModelDesktop::DeliverCopyData");
            return 0;
        }
    }

    // The timer that falls due first by `limit`, if any (overdue ones count
    // as due now).
    bool NextDueTimer(std::uint64_t limit, TimerKey* key) const {
        bool found = false;
        std::uint64_t bestDue = 0;
        std::uint64_t bestSequence = 0;
        for (const auto& entry : timers) {
            const Timer& timer = entry.second;
            if (timer.due > limit) continue;
            std::uint64_t due = timer.due < now ? now : timer.due;
            if (!found || due < bestDue || (due == bestDue && timer.sequence < bestSequence)) {
                found = true;
                bestDue = due;
                bestSequence = timer.sequence;
                *key = entry.first;
            }
        }
        return found;
    }
};

ModelDesktop::ModelDesktop() : state_(new State) {}

// Windows still open are dropped without OnDestroy: their handlers may be
// gone already when the desktop goes.
ModelDesktop::~ModelDesktop() {
    delete checkpoint_;
    delete state_;
}

void ModelDesktop::Checkpoint() {
    if (checkpoint_ == nullptr) checkpoint_ = new State;
    *checkpoint_ = *state_;
}

void ModelDesktop::Rollback() {
    if (checkpoint_ != nullptr) *state_ = *checkpoint_;
}

platform::MessageId ModelDesktop::RegisterMessage(const std::string& name) {
    if (name.empty() || name.size() > kMaxMessageNameLength) {
        return 0;
    }
    // Names are atoms: the same name in any letter case is the same message.
    const std::string key = state_->text.ToLowerAnsi(name);
    auto found = state_->messagesByName.find(key);
    if (found != state_->messagesByName.end()) {
        return found->second;
    }
    if (state_->nextMessage > kLastRegisteredMessage) {
        return 0;  // the atom table is full
    }
    platform::MessageId message = state_->nextMessage++;
    state_->messagesByName[key] = message;
    state_->namesByMessage[message] = name;
    return message;
}

platform::WindowHandle ModelDesktop::CreateHiddenWindow(const std::string& title,
                                                        platform::WindowHandler* handler) {
    if (handler == nullptr) {
        return platform::kNoWindow;
    }
    platform::WindowHandle window = state_->nextWindow;
    state_->nextWindow += kWindowStep;
    State::Window& entry = state_->windows[window];
    entry.title = title;
    entry.handler = handler;
    state_->Deliver(window, platform::msg::kCreate, 0, 0);
    // A window that destroyed itself while being created was never made.
    return state_->Exists(window) ? window : platform::kNoWindow;
}

bool ModelDesktop::DestroyWindow(platform::WindowHandle window) {
    auto found = state_->windows.find(window);
    if (found == state_->windows.end() || found->second.destroying) {
        return false;
    }
    found->second.destroying = true;
    // The window is still valid while its handler hears of the destruction.
    state_->Deliver(window, platform::msg::kDestroy, 0, 0);
    state_->windows.erase(window);
    for (auto timer = state_->timers.begin(); timer != state_->timers.end();) {
        if (timer->first.first == window) {
            timer = state_->timers.erase(timer);
        } else {
            ++timer;
        }
    }
    // Messages still queued for it are dropped when their turn comes.
    return true;
}

bool ModelDesktop::IsWindow(platform::WindowHandle window) { return state_->Exists(window); }

bool ModelDesktop::SetTimer(platform::WindowHandle window, std::uintptr_t timerId,
                            std::uint32_t periodMs) {
    if (!state_->Exists(window)) {
        return false;
    }
    if (periodMs < kTimerMinimum) periodMs = kTimerMinimum;
    if (periodMs > kTimerMaximum) periodMs = kTimerMaximum;
    State::Timer& timer = state_->timers[State::TimerKey(window, timerId)];
    timer.period = periodMs;
    timer.due = state_->now + periodMs;
    timer.sequence = state_->timerSequence++;
    return true;
}

bool ModelDesktop::KillTimer(platform::WindowHandle window, std::uintptr_t timerId) {
    return state_->timers.erase(State::TimerKey(window, timerId)) != 0;
}

bool ModelDesktop::Post(platform::WindowHandle to, platform::MessageId message,
                        platform::WParam wParam, platform::LParam lParam) {
    // WM_COPYDATA carries a pointer to the sender's memory: Windows only
    // sends it. A post to no window would be a thread message, which no
    // window of ours could receive.
    if (message == platform::msg::kCopyData || to == platform::kNoWindow) {
        return false;
    }
    if (to == platform::kBroadcast) {
        for (const auto& window : state_->windows) {
            state_->queue.push_back(State::Queued{window.first, message, wParam, lParam});
        }
    } else if (state_->Exists(to)) {
        state_->queue.push_back(State::Queued{to, message, wParam, lParam});
    } else {
        return false;
    }
    state_->postLog.push_back(PostRecord{state_->now, to, message, wParam, lParam});
    return true;
}

platform::LResult ModelDesktop::Send(platform::WindowHandle to, platform::MessageId message,
                                     platform::WParam wParam, platform::LParam lParam) {
    // WM_COPYDATA goes through SendCopyData (the model cannot read a
    // COPYDATASTRUCT from an integer); a synchronous send to every window is
    // not offered.
    if (message == platform::msg::kCopyData || to == platform::kBroadcast || !state_->Exists(to)) {
        return 0;
    }
    ++state_->sendDepth;
    platform::LResult result = state_->Deliver(to, message, wParam, lParam);
    --state_->sendDepth;
    return result;
}

platform::LResult ModelDesktop::SendCopyData(platform::WindowHandle to, platform::WindowHandle from,
                                             std::uintptr_t dataWord, const void* data,
                                             std::uint32_t size) {
    if (to == platform::kBroadcast || !state_->Exists(to)) {
        return 0;
    }
    // The receiver gets its own copy, as with a send between processes; no
    // data means no bytes, whatever size was claimed.
    std::vector<std::uint8_t> bytes;
    if (data != nullptr && size != 0) {
        const std::uint8_t* first = static_cast<const std::uint8_t*>(data);
        bytes.assign(first, first + size);
    }
    ++state_->sendDepth;
    platform::LResult result = state_->DeliverCopyData(to, from, dataWord, bytes);
    --state_->sendDepth;
    return result;
}

std::uint64_t ModelDesktop::Now() const { return state_->now; }

void ModelDesktop::Advance(std::uint64_t ms) {
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t target = ms > limit - state_->now ? limit : state_->now + ms;
    for (;;) {
        // Posted messages come before WM_TIMER, as in a Windows queue.
        DispatchPending();
        State::TimerKey key;
        if (!state_->NextDueTimer(target, &key)) {
            break;
        }
        State::Timer& timer = state_->timers[key];
        if (timer.due > state_->now) {
            state_->now = timer.due;
        }
        // Rescheduled before the handler runs, so that the handler can kill
        // or reset it; one tick however long it was overdue.
        timer.due = state_->now + timer.period;
        state_->Deliver(key.first, platform::msg::kTimer, key.second, 0);
    }
    // A nested Advance() from a handler may have moved past the target.
    if (state_->now < target) {
        state_->now = target;
    }
}

void ModelDesktop::DispatchPending() {
    std::size_t deliveries = 0;
    while (!state_->queue.empty()) {
        if (++deliveries > kMaxDeliveriesPerDispatch) {
            throw std::runtime_error("model desktop: posted messages never stop coming");
        }
        State::Queued next = state_->queue.front();
        state_->queue.pop_front();
        state_->Deliver(next.to, next.message, next.wParam, next.lParam);
    }
}

void ModelDesktop::AdvanceBlocked(std::uint64_t ms) {
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
    state_->now = ms > limit - state_->now ? limit : state_->now + ms;
}

bool ModelDesktop::IsTimerRunning(platform::WindowHandle window, std::uintptr_t timerId) const {
    return state_->timers.count(State::TimerKey(window, timerId)) != 0;
}

std::uint32_t ModelDesktop::TimerPeriod(platform::WindowHandle window,
                                        std::uintptr_t timerId) const {
    auto found = state_->timers.find(State::TimerKey(window, timerId));
    return found == state_->timers.end() ? 0 : found->second.period;
}

std::uint64_t ModelDesktop::TimerDue(platform::WindowHandle window, std::uintptr_t timerId) const {
    auto found = state_->timers.find(State::TimerKey(window, timerId));
    return found == state_->timers.end() ? 0 : found->second.due;
}

std::vector<platform::WindowHandle> ModelDesktop::Windows() const {
    std::vector<platform::WindowHandle> handles;
    for (const auto& window : state_->windows) handles.push_back(window.first);
    return handles;
}

std::string ModelDesktop::WindowTitle(platform::WindowHandle window) const {
    auto found = state_->windows.find(window);
    return found == state_->windows.end() ? std::string() : found->second.title;
}

std::string ModelDesktop::MessageName(platform::MessageId message) const {
    auto found = state_->namesByMessage.find(message);
    return found == state_->namesByMessage.end() ? std::string() : found->second;
}

std::size_t ModelDesktop::PendingCount() const { return state_->queue.size(); }

int ModelDesktop::SendDepth() const { return state_->sendDepth; }

std::size_t ModelDesktop::SwallowedExceptions() const { return state_->swallowedExceptions; }

const std::vector<ModelDesktop::PostRecord>& ModelDesktop::PostLog() const {
    return state_->postLog;
}

void ModelDesktop::ClearPostLog() { state_->postLog.clear(); }

}  // namespace model
