// The user-interface port over MessageBoxA, DialogBoxParamW and
// CreateDialogParamW with the module's templates, and GetActiveWindow.
#pragma once

#include "platform/Ui.h"

namespace win32 {

class Win32Ui : public platform::Ui {
  public:
    // `module`: the HINSTANCE whose dialog templates are shown.
    explicit Win32Ui(void* module) : module_(module) {}

    int ShowMessageBox(platform::WindowHandle owner, const std::string& text,
                       const std::string& caption, unsigned flags) override;
    std::intptr_t ShowDialog(int templateId, platform::WindowHandle owner,
                             platform::DialogLogic& logic) override;
    platform::WindowHandle ActiveWindow() override;
    platform::WindowHandle ShowModeless(int templateId, platform::WindowHandle owner,
                                        platform::DialogLogic& logic) override;
    std::unique_ptr<platform::DialogView> ModelessView(platform::WindowHandle dialog) override;
    void CloseModeless(platform::WindowHandle dialog) override;

  private:
    void* module_;
};

}  // namespace win32
