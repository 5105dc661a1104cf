// The windowing port over USER32: RegisterWindowMessageA, one private window
// class for hidden top-level windows, SetTimer, PostMessageA and
// SendMessageA. The window procedure finds the handler in the window's user
// data and lets no exception out.
//
// The class is registered when a window needs it and unregistered as soon as
// its last window is destroyed (and again when the adapter goes, which fails
// harmlessly while windows remain). Windows never unregisters a DLL's classes
// when it unloads: a class left behind would point its window procedure into
// a module that is gone, and Outlook unloads and reloads add-ins while it runs.
#pragma once

#include "platform/Windowing.h"

namespace win32 {

// The hidden windows' class, private to the module it is registered for.
constexpr char kHiddenWindowClassName[] = "TandrelHiddenWindow";

class Win32Windowing : public platform::Windowing {
  public:
    // `module`: the HINSTANCE the window class is registered for.
    explicit Win32Windowing(void* module);
    ~Win32Windowing() override;
    Win32Windowing(const Win32Windowing&) = delete;
    Win32Windowing& operator=(const Win32Windowing&) = delete;

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

  private:
    bool EnsureClass();

    void* module_;
};

}  // namespace win32
