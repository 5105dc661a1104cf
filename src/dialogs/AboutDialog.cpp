#include "dialogs/AboutDialog.h"

#include "platform/Platform.h"
#include "util/AddinVersion.h"

constexpr int CAboutDialog::kTemplateId;
constexpr int CAboutDialog::kVersionLine;

std::intptr_t CAboutDialog::DoModal() {
    platform::Ui& ui = platform::ui();
    return ui.ShowDialog(kTemplateId, ui.ActiveWindow(), *this);
}

void CAboutDialog::OnInitDialog(platform::DialogView& view) {
    view.SetControlText(kVersionLine, "Version " + ReadAddinVersion().Text());
}

void CAboutDialog::OnCommand(platform::DialogView& view, int control, int notification) {
    // The box has no buttons: Enter arrives as IDOK, Escape and the close
    // box as IDCANCEL.
    if (control == ids::kOkButton || control == ids::kCancelButton) {
        view.EndDialog(control);
    }
}
