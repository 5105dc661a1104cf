#include "win32/Win32Ui.h"

#include <windows.h>

#include <set>

#include "util/CaughtExceptions.h"
#include "win32/Win32DialogView.h"

namespace win32 {

namespace {

// The modeless dialogs this module has open (one UI thread, no lock).
std::set<HWND>& OpenModeless() {
    static std::set<HWND> open;
    return open;
}

platform::DialogLogic* LogicOf(HWND dialog) {
    return reinterpret_cast<platform::DialogLogic*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// Drives the dialog logic from the dialog's messages. The logic rides in on
// WM_INITDIALOG and is kept in DWLP_USER until the window goes. No exception
// may cross into the dialog manager: what the logic throws ends here.
template <bool kModeless>
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            if (kModeless) {
                OpenModeless().insert(dialog);
            }
            platform::DialogLogic* logic = reinterpret_cast<platform::DialogLogic*>(lParam);
            if (logic != nullptr) {
                Win32DialogView view(dialog, kModeless);
                logic->OnInitDialog(view);
            }
            // A modal dialog's first control takes the focus; a modeless
            // one must not take it from what the user is typing.
            return kModeless ? FALSE : TRUE;
        }
        if (message == WM_COMMAND) {
            platform::DialogLogic* logic = LogicOf(dialog);
            if (logic == nullptr) {
                return FALSE;
            }
            // The close box and Escape arrive here as IDCANCEL.
            Win32DialogView view(dialog, kModeless);
            logic->OnCommand(view, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        if (message == WM_CTLCOLORSTATIC) {
            const platform::DialogLogic* logic = LogicOf(dialog);
            if (logic == nullptr || !logic->PaintsStaticsWhite()) {
                return FALSE;  // the dialog's own colours
            }
            // The text's background matches the brush behind it.
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        }
        if (message == WM_DESTROY) {
            platform::DialogLogic* logic = LogicOf(dialog);
            SetWindowLongPtrW(dialog, DWLP_USER, 0);  // nothing reaches it from here on
            OpenModeless().erase(dialog);
            if (logic != nullptr) {
                logic->OnDestroy();
            }
            return FALSE;
        }
    } catch (...) {
        caught::Record("DialogProcedure");
        return FALSE;
    }
    return FALSE;
}

// The bottom right corner of the work area (the screen without the task
// bar), where a notice stands out of the user's way.
void PlaceInCorner(HWND dialog) {
    RECT area = {};
    RECT window = {};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0) || !GetWindowRect(dialog, &window)) {
        return;
    }
    SetWindowPos(dialog, HWND_TOPMOST, area.right - (window.right - window.left),
                 area.bottom - (window.bottom - window.top), 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace

int Win32Ui::ShowMessageBox(platform::WindowHandle owner, const std::string& text,
                            const std::string& caption, unsigned flags) {
    return MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
}

std::intptr_t Win32Ui::ShowDialog(int templateId, platform::WindowHandle owner,
                                  platform::DialogLogic& logic) {
    return DialogBoxParamW(static_cast<HINSTANCE>(module_), MAKEINTRESOURCEW(templateId),
                           reinterpret_cast<HWND>(owner), DialogProcedure<false>,
                           reinterpret_cast<LPARAM>(&logic));
}

platform::WindowHandle Win32Ui::ActiveWindow() {
    return reinterpret_cast<platform::WindowHandle>(GetActiveWindow());
}

platform::WindowHandle Win32Ui::ShowModeless(int templateId, platform::WindowHandle owner,
                                             platform::DialogLogic& logic) {
    // The template is not visible: shown here, without activation.
    HWND dialog = CreateDialogParamW(static_cast<HINSTANCE>(module_), MAKEINTRESOURCEW(templateId),
                                     reinterpret_cast<HWND>(owner), DialogProcedure<true>,
                                     reinterpret_cast<LPARAM>(&logic));
    if (dialog == nullptr) {
        return platform::kNoWindow;
    }
    PlaceInCorner(dialog);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    return reinterpret_cast<platform::WindowHandle>(dialog);
}

std::unique_ptr<platform::DialogView> Win32Ui::ModelessView(platform::WindowHandle dialog) {
    HWND window = reinterpret_cast<HWND>(dialog);
    if (OpenModeless().count(window) == 0) {
        return nullptr;
    }
    return std::unique_ptr<platform::DialogView>(new Win32DialogView(window, true));
}

void Win32Ui::CloseModeless(platform::WindowHandle dialog) {
    HWND window = reinterpret_cast<HWND>(dialog);
    if (OpenModeless().count(window) != 0) {
        DestroyWindow(window);
    }
}

}  // namespace win32
