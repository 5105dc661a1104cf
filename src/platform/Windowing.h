// Windowing port: registered messages, hidden top-level windows with a
// handler, timers, posts (also to every top-level window) and synchronous
// sends, WM_COPYDATA among them. A synchronous send returns after the
// receiver has handled the message; the receiver may send back meanwhile, so
// every handler must cope with being entered again (re-entrancy).
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

// Messages with fixed numbers that cross the port.
namespace msg {
constexpr MessageId kCreate = 0x0001;    // WM_CREATE
constexpr MessageId kDestroy = 0x0002;   // WM_DESTROY
constexpr MessageId kTimer = 0x0113;     // WM_TIMER
constexpr MessageId kCopyData = 0x004A;  // WM_COPYDATA
constexpr MessageId kUser = 0x0400;      // WM_USER
}  // namespace msg

// What a hidden window does with the messages it receives. Called on the
// thread that created the window. Exceptions must not leave these calls;
// the adapters catch them and answer 0.
class WindowHandler {
  public:
    virtual ~WindowHandler() = default;
    // WM_CREATE, delivered inside CreateHiddenWindow.
    virtual void OnCreate(WindowHandle self) {}
    // WM_DESTROY, delivered inside DestroyWindow.
    virtual void OnDestroy(WindowHandle self) {}
    // WM_TIMER for a timer of this window.
    virtual void OnTimer(WindowHandle self, std::uintptr_t timerId) {}
    // WM_COPYDATA: `data` points to `size` bytes copied from the sender (it
    // may be null when size is 0). The bytes are untrusted.
    virtual LResult OnCopyData(WindowHandle self, WindowHandle sender, std::uintptr_t dataWord,
                               const void* data, std::uint32_t size) {
        return 0;
    }
    // Any other message. Return true and set *result when handled; false
    // lets the default window procedure answer.
    virtual bool OnMessage(WindowHandle self, MessageId message, WParam wParam, LParam lParam,
                           LResult* result) {
        return false;
    }
};

class Windowing {
  public:
    virtual ~Windowing() = default;

    // RegisterWindowMessageA: the same name gives the same number in every
    // process of the desktop; 0 on failure.
    virtual MessageId RegisterMessage(const std::string& name) = 0;
    // A never-shown top-level window (WS_POPUP, empty rectangle, no parent)
    // of a private class, titled `title`. Its handler's OnCreate runs before
    // this returns. kNoWindow on failure. The handler must outlive the window.
    virtual WindowHandle CreateHiddenWindow(const std::string& title, WindowHandler* handler) = 0;
    // DestroyWindow: OnDestroy runs before this returns; timers die with it.
    virtual bool DestroyWindow(WindowHandle window) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;

    // SetTimer/KillTimer by identifier; setting a running timer restarts it
    // with the new period.
    virtual bool SetTimer(WindowHandle window, std::uintptr_t timerId, std::uint32_t periodMs) = 0;
    virtual bool KillTimer(WindowHandle window, std::uintptr_t timerId) = 0;

    // PostMessageA; `to` may be kBroadcast (every top-level window). False
    // for a window that does not exist, for kNoWindow (a thread message no
    // window would see) and for WM_COPYDATA, which Windows only sends.
    virtual bool Post(WindowHandle to, MessageId message, WParam wParam, LParam lParam) = 0;
    // SendMessageA: synchronous; 0 when the window does not exist. Neither
    // WM_COPYDATA (use SendCopyData) nor kBroadcast (a synchronous send to
    // every program's windows) is sent: both answer 0.
    virtual LResult Send(WindowHandle to, MessageId message, WParam wParam, LParam lParam) = 0;
    // SendMessageA(to, WM_COPYDATA, from, &COPYDATASTRUCT{dataWord, size, data}).
    // Null data is sent as an empty block, whatever `size` says.
    virtual LResult SendCopyData(WindowHandle to, WindowHandle from, std::uintptr_t dataWord,
                                 const void* data, std::uint32_t size) = 0;
};

}  // namespace platform
