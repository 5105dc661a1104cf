// User-interface port: message boxes, modal and modeless dialogs from the
// module's templates, and the thread's active window. Dialog logic is
// written against DialogView (control-level operations) so that it runs
// unchanged over a real dialog and over the model's scripted one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Types.h"

namespace platform {

// MessageBox flags and answers.
namespace mb {
constexpr unsigned kOk = 0x0;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconError = 0x10;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
}  // namespace mb
namespace answer {
constexpr int kOk = 1;      // IDOK
constexpr int kCancel = 2;  // IDCANCEL
constexpr int kYes = 6;     // IDYES
constexpr int kNo = 7;      // IDNO
}  // namespace answer

// Notification codes that reach DialogLogic::OnCommand.
namespace notify {
constexpr int kButtonClicked = 0;    // BN_CLICKED
constexpr int kSelectionChange = 1;  // CBN_SELCHANGE / LBN_SELCHANGE
}  // namespace notify

// The controls of an open dialog. List operations work on combo boxes and
// list boxes alike; indexes are 0-based and -1 means "none". On a control
// that does not exist (or is no list, for the list operations) they answer
// -1, "" or false and change nothing. Changing a control from here sends
// the logic no notification, as on Windows.
class DialogView {
  public:
    virtual ~DialogView() = default;
    // Adds an item; a sorted list places it in order. Returns its index, -1 on failure.
    virtual int AddListItem(int control, const std::string& text) = 0;
    virtual int ListCount(int control) = 0;
    virtual std::string ListItemText(int control, int index) = 0;
    virtual void SetListItemData(int control, int index, std::intptr_t data) = 0;
    // -1 for an index out of range.
    virtual std::intptr_t ListItemData(int control, int index) = 0;
    // An index out of range (-1 among them) clears the selection.
    virtual void SelectListItem(int control, int index) = 0;
    virtual int ListSelection(int control) = 0;
    virtual void SetChecked(int control, bool checked) = 0;
    virtual bool IsChecked(int control) = 0;
    virtual void EnableControl(int control, bool enabled) = 0;
    virtual bool IsControlEnabled(int control) = 0;
    virtual void SetControlText(int control, const std::string& text) = 0;
    // A drop-down list's text is its selected item's.
    virtual std::string ControlText(int control) = 0;
    // EndDialog: the modal call returns `result` once the handler returns.
    // A modeless dialog closes (its logic hears OnDestroy, possibly before
    // the handler that asked returns); the view must not be used after.
    virtual void EndDialog(std::intptr_t result) = 0;
};

class DialogLogic {
  public:
    virtual ~DialogLogic() = default;
    // WM_INITDIALOG.
    virtual void OnInitDialog(DialogView& view) = 0;
    // WM_COMMAND. Escape and the close box arrive as control 2 (IDCANCEL);
    // Enter as the default push button, or control 1 (IDOK) when there is none.
    virtual void OnCommand(DialogView& view, int control, int notification) = 0;
    // WM_CTLCOLORSTATIC: true paints the static controls on the stock white
    // brush rather than the dialog's own colour.
    virtual bool PaintsStaticsWhite() const { return false; }
    // WM_DESTROY: the dialog's window is going, however it was closed (a
    // modal one once it has ended; a modeless one by its logic, by
    // CloseModeless or with its owner). Nothing reaches the logic after it.
    virtual void OnDestroy() {}
};

class Ui {
  public:
    virtual ~Ui() = default;
    // MessageBoxA: the button the user chose (answer::...).
    virtual int ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, unsigned flags) = 0;
    // DialogBoxParam with the module's template `templateId`: modal; returns
    // the value given to EndDialog, or -1 when the dialog cannot be shown.
    virtual std::intptr_t ShowDialog(int templateId, WindowHandle owner, DialogLogic& logic) = 0;
    // GetActiveWindow of the calling thread.
    virtual WindowHandle ActiveWindow() = 0;

    // CreateDialogParam with the module's template `templateId`, shown at
    // the bottom right of the screen's work area without taking the
    // activation or the focus from the window the user works in; returns
    // at once. The dialog's window, or kNoWindow when it cannot be shown.
    // `logic` must outlive the window.
    virtual WindowHandle ShowModeless(int templateId, WindowHandle owner, DialogLogic& logic) = 0;
    // The controls of an open modeless dialog of ShowModeless, to read or
    // change; null when the dialog has closed. The view answers safely
    // (as for missing controls) once the dialog closes.
    virtual std::unique_ptr<DialogView> ModelessView(WindowHandle dialog) = 0;
    // DestroyWindow of a modeless dialog of ShowModeless: its logic hears
    // OnDestroy. Nothing happens for one that has closed.
    virtual void CloseModeless(WindowHandle dialog) = 0;
};

}  // namespace platform
