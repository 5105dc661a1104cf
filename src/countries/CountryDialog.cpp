#include "countries/CountryDialog.h"

#include "countries/CountryListControl.h"
#include "platform/Platform.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

constexpr int CCountryDialog::kTemplateId;
constexpr int CCountryDialog::kCountryList;
constexpr int CCountryDialog::kAlwaysUse;
constexpr int CCountryDialog::kAlwaysUseLabel;
constexpr int CCountryDialog::kOk;
constexpr int CCountryDialog::kCancel;

CCountryDialog::CCountryDialog(const std::wstring& number) : number_(number) {}

std::intptr_t CCountryDialog::DoModal() {
    platform::Ui& ui = platform::ui();
    return ui.ShowDialog(kTemplateId, ui.ActiveWindow(), *this);
}

void CCountryDialog::OnInitDialog(platform::DialogView& view) {
    const CountryListFill fill = FillCountryList(view, kCountryList);
    // Without a country list only Cancel can close the dialog.
    if (fill.listRead && fill.storedCode != 0) {
        EnableChoice(view);
    }
}

void CCountryDialog::OnCommand(platform::DialogView& view, int control, int notification) {
    if (control == kCountryList && notification == platform::notify::kSelectionChange) {
        EnableChoice(view);
    } else if (control == kOk && notification == platform::notify::kButtonClicked) {
        Accept(view);
        view.EndDialog(kOk);
    } else if (control == kCancel) {
        // The Cancel button, Escape and the close box alike.
        view.EndDialog(kCancel);
    }
}

void CCountryDialog::EnableChoice(platform::DialogView& view) {
    view.EnableControl(kOk, true);
    view.EnableControl(kAlwaysUse, true);
    view.EnableControl(kAlwaysUseLabel, true);
}

void CCountryDialog::Accept(platform::DialogView& view) {
    CRegistryKey key(settings::kRoot, settings::kKeyPath, platform::access::kReadWrite);
    WriteChosenCountry(view, kCountryList, key);
    key.WriteBoolean(settings::kAutoPrefix, view.IsChecked(kAlwaysUse));
}
