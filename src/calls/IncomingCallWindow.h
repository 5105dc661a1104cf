// CIncomingCallWindow: the small window of ours that shows who calls while
// a Skype call rings (dialog template 230, modeless). It never takes the
// activation or the focus from what the user is typing. It shows the
// caller's name and Skype name or number, and offers "Open contact" for a
// caller among the contacts or "Create contact" for anyone else; the
// button's action belongs to whoever shows the window, which closes once
// it has run, on "Close", or when told to.
//
// What Skype says of a caller is shown as text, never more: in the ANSI
// code page, control characters as blanks, at most kLongestText
// characters.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "platform/Ui.h"

class CIncomingCallWindow : public platform::DialogLogic,
                            public std::enable_shared_from_this<CIncomingCallWindow> {
  public:
    struct Caller {
        std::wstring name;  // the contact's name, else Skype's display name
        std::wstring from;  // the Skype name or the number
        bool known = false;
    };

    static constexpr std::size_t kLongestText = 64;

    // `onContact` runs when the user clicks the contact button.
    explicit CIncomingCallWindow(std::function<void()> onContact);
    ~CIncomingCallWindow() override;
    CIncomingCallWindow(const CIncomingCallWindow&) = delete;
    CIncomingCallWindow& operator=(const CIncomingCallWindow&) = delete;

    // Shows the window for `caller`; false when it cannot be shown.
    bool Show(const Caller& caller);
    // Shows another caller in the open window (Skype told more).
    void Update(const Caller& caller);
    void Close();
    bool IsOpen() const { return window_ != platform::kNoWindow; }

    // The text a window shows for what it is given.
    static std::string Shown(const std::wstring& text);

    void OnInitDialog(platform::DialogView& view) override;
    void OnCommand(platform::DialogView& view, int control, int notification) override;
    void OnDestroy() override { window_ = platform::kNoWindow; }

  private:
    void Fill(platform::DialogView& view) const;

    std::function<void()> onContact_;
    Caller caller_;
    platform::WindowHandle window_ = platform::kNoWindow;
};
