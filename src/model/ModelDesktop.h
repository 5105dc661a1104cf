// The model's window system (windowing port): hidden windows with their
// handlers, registered message numbers shared by everything on this
// desktop, a queue of posted messages, and timers on a virtual clock that
// tests and the simulator move forward. Nothing here sleeps or uses threads.
//
// As on Windows:
// - Send() and SendCopyData() call the receiver's handler before returning,
//   so a handler may send back and be entered again (re-entrancy);
//   SendCopyData() hands the receiver a copy of the bytes.
// - Post() queues; a post to kBroadcast reaches every top-level window that
//   exists when it is posted. Queued messages are delivered by
//   DispatchPending() and Advance().
// - A timer fires WM_TIMER each time its period elapses on the clock, but
//   only while messages are being dispatched (Advance()); a timer that falls
//   due several times while nothing dispatches fires once. Periods are
//   clamped to 10 ms .. 0x7FFFFFFF ms as SetTimer does. Posted messages are
//   delivered before a timer that is due at the same time.
// - Handles are never reused. A window destroyed during a send or a
//   dispatch gets nothing more: its queued messages are dropped and its
//   timers die with it.
// - Exceptions thrown by a handler stop at the desktop (as they stop at the
//   win32 window procedure), which records them (caught::Record) and
//   counts them in SwallowedExceptions(): tests insist on none.
// - Windows refuses to post WM_COPYDATA and so does the model. Posts to no
//   window (thread messages) and synchronous sends to kBroadcast are not
//   offered by either adapter.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Windowing.h"

namespace model {

class ModelDesktop : public platform::Windowing {
  public:
    ModelDesktop();
    ~ModelDesktop() override;
    ModelDesktop(const ModelDesktop&) = delete;
    ModelDesktop& operator=(const ModelDesktop&) = delete;

    // platform::Windowing
    platform::MessageId RegisterMessage(const std::string& name) override;
    platform::WindowHandle CreateHiddenWindow(const std::string& title,
                                              platform::WindowHandler* handler) override;
    bool DestroyWindow(platform::WindowHandle window) override;
    bool IsWindow(platform::WindowHandle window) override;
    bool SetTimer(platform::WindowHandle window, std::uintptr_t timerId,
                  std::uint32_t periodMs) override;
    bool KillTimer(platform::WindowHandle window, std::uintptr_t timerId) override;
    bool Post(platform::WindowHandle to, platform::MessageId message, platform::WParam wParam,
              platform::LParam lParam) override;
    platform::LResult Send(platform::WindowHandle to, platform::MessageId message,
                           platform::WParam wParam, platform::LParam lParam) override;
    platform::LResult SendCopyData(platform::WindowHandle to, platform::WindowHandle from,
                                   std::uintptr_t dataWord, const void* data,
                                   std::uint32_t size) override;

    // The virtual clock, in milliseconds since the desktop was made.
    std::uint64_t Now() const;
    // Moves the clock forward by `ms`, delivering queued messages and firing
    // timers in time order as it goes (the thread's message loop running).
    void Advance(std::uint64_t ms);
    // Delivers every queued message (and those posted meanwhile) without
    // moving the clock; timers do not fire. Throws std::runtime_error when
    // handlers keep posting without end (a livelock that would hang Windows).
    void DispatchPending();
    // Moves the clock without delivering anything (the thread is blocked,
    // as in Sleep).
    void AdvanceBlocked(std::uint64_t ms);

    // What tests look at.
    bool IsTimerRunning(platform::WindowHandle window, std::uintptr_t timerId) const;
    // 0 when the timer is not running.
    std::uint32_t TimerPeriod(platform::WindowHandle window, std::uintptr_t timerId) const;
    // The clock time the timer falls due next; 0 when it is not running.
    std::uint64_t TimerDue(platform::WindowHandle window, std::uintptr_t timerId) const;
    std::vector<platform::WindowHandle> Windows() const;
    std::string WindowTitle(platform::WindowHandle window) const;
    // The name a registered message number was registered with, or "".
    std::string MessageName(platform::MessageId message) const;
    std::size_t PendingCount() const;
    // How deep sends are nested right now (0 outside any send).
    int SendDepth() const;
    // Exceptions that handlers let out and the desktop caught.
    std::size_t SwallowedExceptions() const;

    struct PostRecord {
        std::uint64_t time;
        platform::WindowHandle to;
        platform::MessageId message;
        platform::WParam wParam;
        platform::LParam lParam;
    };
    // Every Post() accepted, in order (for asserting broadcasts); a broadcast
    // is one record with `to` kBroadcast.
    const std::vector<PostRecord>& PostLog() const;
    void ClearPostLog();

    // Remembers everything as it is now (clock, windows with their handlers,
    // timers, queue, message numbers, logs, counts); Rollback() brings it
    // back. Whoever rolls back keeps the handlers of the windows that
    // existed at the checkpoint alive, in the state they had then.
    void Checkpoint();
    void Rollback();

  private:
    struct State;
    State* state_;
    State* checkpoint_ = nullptr;
};

}  // namespace model
