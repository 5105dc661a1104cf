#include "win32/Win32DialogView.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace win32 {

namespace {

// The list messages of the two kinds of list control.
struct ListMessages {
    UINT add, count, getTextLength, getText, setData, getData, setSelection, getSelection;
};
constexpr ListMessages kComboBox = {CB_ADDSTRING,   CB_GETCOUNT,    CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                    CB_SETITEMDATA, CB_GETITEMDATA, CB_SETCURSEL,    CB_GETCURSEL};
constexpr ListMessages kListBox = {LB_ADDSTRING,   LB_GETCOUNT,    LB_GETTEXTLEN, LB_GETTEXT,
                                   LB_SETITEMDATA, LB_GETITEMDATA, LB_SETCURSEL,  LB_GETCURSEL};

// The control and the messages it understands; null when it is not a list
// (a list message sent to a button or static would mean something else).
HWND ListControl(void* dialog, int control, const ListMessages** messages) {
    HWND window = GetDlgItem(static_cast<HWND>(dialog), control);
    if (window == nullptr) {
        return nullptr;
    }
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, "ComboBox") == 0) {
        *messages = &kComboBox;
    } else if (lstrcmpiA(className, "ListBox") == 0) {
        *messages = &kListBox;
    } else {
        return nullptr;
    }
    return window;
}

// CB_ERR and LB_ERR are both -1, which is also the port's "none".
int AsIndex(LRESULT result) { return result < 0 ? -1 : static_cast<int>(result); }

}  // namespace

int Win32DialogView::AddListItem(int control, const std::string& text) {
    const ListMessages* messages = nullptr;
    HWND list = ListControl(dialog_, control, &messages);
    if (list == nullptr) return -1;
    return AsIndex(SendMessageA(list, messages->add, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int Win32DialogView::ListCount(int control) {
    const ListMessages* messages = nullptr;
    HWND list = ListControl(dialog_, control, &messages);
    if (list == nullptr) return -1;
    return AsIndex(SendMessageA(list, messages->count, 0, 0));
}

std::string Win32DialogView::ListItemText(int control, int index) {
    const ListMessages* messages = nullptr;
    HWND list = ListControl(dialog_, control, &messages);
    if (list == nullptr || index < 0) return std::string();
    const LRESULT length = SendMessageA(list, messages->getTextLength, index, 0);
    if (length < 0) return std::string();  // no such item
    // The reported length is an upper bound; the buffer holds it and a NUL.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(list, messages->getText, index, reinterpret_cast<LPARAM>(buffer.data()));
    if (copied < 0) return std::string();
    buffer.back() = '\0';
    return std::string(buffer.data(), std::strlen(buffer.data()));
}

void Win32DialogView::SetListItemData(int control, int index, std::intptr_t data) {
    const ListMessages* messages = nullptr;
    HWND list = ListControl(dialog_, control, &messages);
    if (list == nullptr) return;
    SendMessageA(list, messages->setData, index, static_cast<LPARAM>(data));
}

std::intptr_t Win32DialogView::ListItemData(int control, int index) {
    const ListMessages* messages = nullptr;
    HWND list = ListControl(dialog_, control, &messages);
    if (list == nullptr) return -1;
    return SendMessageA(list, messages->getData, index, 0);
}

void Win32DialogView::SelectListItem(int control, int index) {
    const ListMessages* messages = nullptr;
    HWND list = ListControl(dialog_, control, &messages);
    if (list == nullptr) return;
    // Windows documents that an index out of range clears the selection;
    // Wine keeps the old one. Asking for "none" outright gives both the same.
    const LRESULT count = SendMessageA(list, messages->count, 0, 0);
    if (index < 0 || index >= count) index = -1;
    SendMessageA(list, messages->setSelection, static_cast<WPARAM>(index), 0);
}

int Win32DialogView::ListSelection(int control) {
    const ListMessages* messages = nullptr;
    HWND list = ListControl(dialog_, control, &messages);
    if (list == nullptr) return -1;
    return AsIndex(SendMessageA(list, messages->getSelection, 0, 0));
}

void Win32DialogView::SetChecked(int control, bool checked) {
    CheckDlgButton(static_cast<HWND>(dialog_), control, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32DialogView::IsChecked(int control) {
    return IsDlgButtonChecked(static_cast<HWND>(dialog_), control) == BST_CHECKED;
}

void Win32DialogView::EnableControl(int control, bool enabled) {
    HWND window = GetDlgItem(static_cast<HWND>(dialog_), control);
    if (window != nullptr) EnableWindow(window, enabled ? TRUE : FALSE);
}

bool Win32DialogView::IsControlEnabled(int control) {
    HWND window = GetDlgItem(static_cast<HWND>(dialog_), control);
    return window != nullptr && IsWindowEnabled(window) != FALSE;
}

void Win32DialogView::SetControlText(int control, const std::string& text) {
    SetDlgItemTextA(static_cast<HWND>(dialog_), control, text.c_str());
}

std::string Win32DialogView::ControlText(int control) {
    HWND window = GetDlgItem(static_cast<HWND>(dialog_), control);
    if (window == nullptr) return std::string();
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void Win32DialogView::EndDialog(std::intptr_t result) {
    if (modeless_) {
        // EndDialog would only hide a modeless dialog.
        DestroyWindow(static_cast<HWND>(dialog_));
        return;
    }
    ::EndDialog(static_cast<HWND>(dialog_), result);
}

}  // namespace win32
