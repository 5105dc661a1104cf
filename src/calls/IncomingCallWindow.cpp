#include "calls/IncomingCallWindow.h"

#include "platform/Platform.h"
#include "resources/DialogIds.h"
#include "resources/DialogTexts.h"
#include "resources/StringIds.h"
#include "util/CaughtExceptions.h"
#include "util/Text.h"
#include "util/Trace.h"

constexpr std::size_t CIncomingCallWindow::kLongestText;

CIncomingCallWindow::CIncomingCallWindow(std::function<void()> onContact)
    : onContact_(std::move(onContact)) {}

CIncomingCallWindow::~CIncomingCallWindow() {
    try {
        Close();  // the window must not outlive its logic
    } catch (...) {
        caught::Record("CIncomingCallWindow::~CIncomingCallWindow");
    }
}

std::string CIncomingCallWindow::Shown(const std::wstring& text) {
    std::string shown = text::ToAnsi(text);
    for (char& c : shown) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    if (shown.size() > kLongestText) {
        shown.resize(kLongestText - 3);
        shown += "...";
    }
    return shown;
}

bool CIncomingCallWindow::Show(const Caller& caller) {
    TANDREL_TRACE("CIncomingCallWindow::Show");
    if (IsOpen()) {
        Update(caller);
        return true;
    }
    caller_ = caller;
    window_ = platform::ui().ShowModeless(ids::kIncomingCallDialog, platform::kNoWindow, *this);
    return IsOpen();
}

void CIncomingCallWindow::Update(const Caller& caller) {
    caller_ = caller;
    const std::unique_ptr<platform::DialogView> view = platform::ui().ModelessView(window_);
    if (view) {
        Fill(*view);
    }
}

void CIncomingCallWindow::Close() {
    if (IsOpen()) {
        const platform::WindowHandle window = window_;
        window_ = platform::kNoWindow;
        platform::ui().CloseModeless(window);
    }
}

void CIncomingCallWindow::Fill(platform::DialogView& view) const {
    view.SetControlText(ids::kIncomingCallName, Shown(caller_.name));
    view.SetControlText(ids::kIncomingCallFrom, Shown(caller_.from));
    view.SetControlText(ids::kIncomingCallContact,
                        caller_.known ? std::string(TANDREL_INCOMING_OPEN)
                                      : text::LoadAnsiString(ids::kIncomingCreateContact));
}

void CIncomingCallWindow::OnInitDialog(platform::DialogView& view) { Fill(view); }

void CIncomingCallWindow::OnCommand(platform::DialogView& view, int control, int notification) {
    if (notification != platform::notify::kButtonClicked) {
        return;
    }
    if (control == ids::kIncomingCallContact) {
        TANDREL_TRACE("CIncomingCallWindow::OnContact");
        // Alive until the action returns, whatever it lets happen meanwhile.
        const std::shared_ptr<CIncomingCallWindow> self = shared_from_this();
        const std::function<void()> action = onContact_;
        if (action) {
            action();
        }
        if (IsOpen()) {
            window_ = platform::kNoWindow;
            view.EndDialog(0);
        }
    } else if (control == ids::kCancelButton) {
        // "Close", Escape and the close box.
        window_ = platform::kNoWindow;
        view.EndDialog(0);
    }
}
