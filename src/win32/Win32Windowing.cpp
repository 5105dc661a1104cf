#include "win32/Win32Windowing.h"

#include <windows.h>

#include <vector>

#include "util/CaughtExceptions.h"

namespace win32 {

namespace {

HWND ToHwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }
platform::WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<platform::WindowHandle>(window);
}

platform::WindowHandler* HandlerOf(HWND window) {
    return reinterpret_cast<platform::WindowHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// WM_COPYDATA's block comes from another program: a null block is ignored,
// null data is read as no data, and the handler gets its own copy of the
// bytes (which it may keep no longer than the call).
LRESULT DeliverCopyData(platform::WindowHandler* handler, HWND window, WPARAM wParam,
                        LPARAM lParam) {
    const COPYDATASTRUCT* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (block == nullptr) {
        return 0;
    }
    std::vector<std::uint8_t> bytes;
    if (block->lpData != nullptr && block->cbData != 0) {
        const std::uint8_t* first = static_cast<const std::uint8_t*>(block->lpData);
        bytes.assign(first, first + block->cbData);
    }
    return handler->OnCopyData(FromHwnd(window), static_cast<platform::WindowHandle>(wParam),
                               block->dwData, bytes.empty() ? nullptr : bytes.data(),
                               static_cast<std::uint32_t>(bytes.size()));
}

LRESULT CALLBACK HiddenWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The handler rides in on the creation parameters.
        const CREATESTRUCTA* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    platform::WindowHandler* handler = HandlerOf(window);
    if (handler == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const platform::WindowHandle self = FromHwnd(window);
    try {
        switch (message) {
            case WM_CREATE:
                handler->OnCreate(self);
                return 0;
            case WM_DESTROY:
                handler->OnDestroy(self);
                return 0;
            case WM_NCDESTROY:
                // Nothing may reach the handler after this: its owner may
                // delete it as soon as DestroyWindow returns.
                SetWindowLongPtrA(window, GWLP_USERDATA, 0);
                break;
            case WM_TIMER:
                handler->OnTimer(self, static_cast<std::uintptr_t>(wParam));
                return 0;
            case WM_COPYDATA:
                return DeliverCopyData(handler, window, wParam, lParam);
            default: {
                platform::LResult result = 0;
                if (handler->OnMessage(self, message, wParam, lParam, &result)) {
                    return result;
                }
                break;
            }
        }
    } catch (...) {
        // No exception may cross into USER32 (or into the sending program).
        caught::Record("HiddenWindowProcedure");
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

Win32Windowing::Win32Windowing(void* module) : module_(module) {}

Win32Windowing::~Win32Windowing() {
    // Refused while windows of the class still exist.
    UnregisterClassA(kHiddenWindowClassName, static_cast<HINSTANCE>(module_));
}

// Registered afresh whenever no window of the class exists, so the state
// lives in USER32 alone and every adapter over the same module agrees.
bool Win32Windowing::EnsureClass() {
    HINSTANCE module = static_cast<HINSTANCE>(module_);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = HiddenWindowProcedure;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kHiddenWindowClassName;
    if (RegisterClassExA(&windowClass) != 0) {
        return true;
    }
    if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(module, kHiddenWindowClassName, &existing) &&
        existing.lpfnWndProc == HiddenWindowProcedure) {
        return true;
    }
    // Left behind by an earlier load of a module at this address, with a
    // procedure that is not ours: replaced, unless its windows still live.
    return UnregisterClassA(kHiddenWindowClassName, module) && RegisterClassExA(&windowClass) != 0;
}

platform::MessageId Win32Windowing::RegisterMessage(const std::string& name) {
    return RegisterWindowMessageA(name.c_str());
}

platform::WindowHandle Win32Windowing::CreateHiddenWindow(const std::string& title,
                                                          platform::WindowHandler* handler) {
    if (handler == nullptr || !EnsureClass()) {
        return platform::kNoWindow;
    }
    // A popup, not a message-only window: it must hear HWND_BROADCAST posts.
    HWND window = CreateWindowExA(0, kHiddenWindowClassName, title.c_str(), WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, static_cast<HINSTANCE>(module_), handler);
    return FromHwnd(window);
}

bool Win32Windowing::DestroyWindow(platform::WindowHandle window) {
    if (!::DestroyWindow(ToHwnd(window))) {
        return false;
    }
    // Succeeds only once the last window of the class is gone.
    UnregisterClassA(kHiddenWindowClassName, static_cast<HINSTANCE>(module_));
    return true;
}

bool Win32Windowing::IsWindow(platform::WindowHandle window) {
    return window != platform::kNoWindow && ::IsWindow(ToHwnd(window)) != FALSE;
}

bool Win32Windowing::SetTimer(platform::WindowHandle window, std::uintptr_t timerId,
                              std::uint32_t periodMs) {
    return ::SetTimer(ToHwnd(window), timerId, periodMs, nullptr) != 0;
}

bool Win32Windowing::KillTimer(platform::WindowHandle window, std::uintptr_t timerId) {
    return ::KillTimer(ToHwnd(window), timerId) != FALSE;
}

bool Win32Windowing::Post(platform::WindowHandle to, platform::MessageId message,
                          platform::WParam wParam, platform::LParam lParam) {
    // A null window would make a thread message no window of ours receives.
    if (to == platform::kNoWindow) {
        return false;
    }
    return PostMessageA(ToHwnd(to), message, wParam, lParam) != FALSE;
}

platform::LResult Win32Windowing::Send(platform::WindowHandle to, platform::MessageId message,
                                       platform::WParam wParam, platform::LParam lParam) {
    // WM_COPYDATA needs a block SendCopyData builds; a synchronous send to
    // every top-level window could wait on any hung program.
    if (message == WM_COPYDATA || to == platform::kBroadcast || to == platform::kNoWindow) {
        return 0;
    }
    return SendMessageA(ToHwnd(to), message, wParam, static_cast<LPARAM>(lParam));
}

platform::LResult Win32Windowing::SendCopyData(platform::WindowHandle to,
                                               platform::WindowHandle from, std::uintptr_t dataWord,
                                               const void* data, std::uint32_t size) {
    if (to == platform::kBroadcast || to == platform::kNoWindow) {
        return 0;
    }
    COPYDATASTRUCT block = {};
    block.dwData = dataWord;
    // No data means no bytes, whatever size was claimed.
    block.cbData = data == nullptr ? 0 : size;
    block.lpData = block.cbData == 0 ? nullptr : const_cast<void*>(data);
    return SendMessageA(ToHwnd(to), WM_COPYDATA, static_cast<WPARAM>(from),
                        reinterpret_cast<LPARAM>(&block));
}

}  // namespace win32
