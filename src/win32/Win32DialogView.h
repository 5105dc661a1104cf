// DialogView over a real dialog window: combo boxes and list boxes through
// their messages, buttons, enabling and texts through the dialog manager.
// It holds nothing but the dialog's handle, so one can be made per message.
// EndDialog ends a modal dialog and destroys a modeless one.
#pragma once

#include "platform/Ui.h"

namespace win32 {

class Win32DialogView : public platform::DialogView {
  public:
    Win32DialogView(void* dialog, bool modeless) : dialog_(dialog), modeless_(modeless) {}

    int AddListItem(int control, const std::string& text) override;
    int ListCount(int control) override;
    std::string ListItemText(int control, int index) override;
    void SetListItemData(int control, int index, std::intptr_t data) override;
    std::intptr_t ListItemData(int control, int index) override;
    void SelectListItem(int control, int index) override;
    int ListSelection(int control) override;
    void SetChecked(int control, bool checked) override;
    bool IsChecked(int control) override;
    void EnableControl(int control, bool enabled) override;
    bool IsControlEnabled(int control) override;
    void SetControlText(int control, const std::string& text) override;
    std::string ControlText(int control) override;
    void EndDialog(std::intptr_t result) override;

  private:
    void* dialog_;
    bool modeless_;
};

}  // namespace win32
