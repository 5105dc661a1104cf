#include "win32/Win32Ui.h"

#include <windows.h>

#include "util/CaughtExceptions.h"
#include "win32/Win32DialogView.h"

namespace win32 {

namespace {

// Drives the dialog logic from the dialog's messages. The logic rides in on
// WM_INITDIALOG and is kept in DWLP_USER for the dialog's life. No exception
// may cross into the dialog manager: what the logic throws ends here.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            platform::DialogLogic* logic = reinterpret_cast<platform::DialogLogic*>(lParam);
            if (logic != nullptr) {
                Win32DialogView view(dialog);
                logic->OnInitDialog(view);
            }
            return TRUE;  // the dialog manager gives the first control the focus
        }
        if (message == WM_COMMAND) {
            platform::DialogLogic* logic =
                reinterpret_cast<platform::DialogLogic*>(GetWindowLongPtrW(dialog, DWLP_USER));
            if (logic == nullptr) {
                return FALSE;
            }
            // The close box and Escape arrive here as IDCANCEL.
            Win32DialogView view(dialog);
            logic->OnCommand(view, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        if (message == WM_CTLCOLORSTATIC) {
            const platform::DialogLogic* logic =
                reinterpret_cast<platform::DialogLogic*>(GetWindowLongPtrW(dialog, DWLP_USER));
            if (logic == nullptr || !logic->PaintsStaticsWhite()) {
                return FALSE;  // the dialog's own colours
            }
            // The text's background matches the brush behind it.
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        }
    } catch (...) {
        caught::Record("DialogProcedure");
        return FALSE;
    }
    return FALSE;
}

}  // namespace

int Win32Ui::ShowMessageBox(platform::WindowHandle owner, const std::string& text,
                            const std::string& caption, unsigned flags) {
    return MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
}

std::intptr_t Win32Ui::ShowDialog(int templateId, platform::WindowHandle owner,
                                  platform::DialogLogic& logic) {
    return DialogBoxParamW(static_cast<HINSTANCE>(module_), MAKEINTRESOURCEW(templateId),
                           reinterpret_cast<HWND>(owner), DialogProcedure,
                           reinterpret_cast<LPARAM>(&logic));
}

platform::WindowHandle Win32Ui::ActiveWindow() {
    return reinterpret_cast<platform::WindowHandle>(GetActiveWindow());
}

}  // namespace win32
