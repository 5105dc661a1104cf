#include "dialogs/OptionsDialog.h"

#include "countries/CountryListControl.h"
#include "platform/Platform.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

constexpr int COptionsDialog::kTemplateId;
constexpr int COptionsDialog::kCountryList;
constexpr int COptionsDialog::kAlwaysUse;
constexpr int COptionsDialog::kAlwaysUseLabel;
constexpr int COptionsDialog::kSkypeName;
constexpr int COptionsDialog::kBypass;
constexpr int COptionsDialog::kOk;
constexpr int COptionsDialog::kCancel;

std::intptr_t COptionsDialog::DoModal() {
    platform::Ui& ui = platform::ui();
    return ui.ShowDialog(kTemplateId, ui.ActiveWindow(), *this);
}

void COptionsDialog::OnInitDialog(platform::DialogView& view) {
    // A stored code makes "always use" meaningful even when the country
    // list cannot be read.
    if (FillCountryList(view, kCountryList).storedCode != 0) {
        EnableAlwaysUse(view);
    }
    view.SetChecked(kAlwaysUse,
                    settings::ReadBoolean(settings::kAutoPrefix, settings::kDefaultAutoPrefix));
    view.SetChecked(kSkypeName,
                    settings::ReadBoolean(settings::kSkypeName, settings::kDefaultSkypeName));
    view.SetChecked(kBypass, settings::ReadBoolean(settings::kBypass, settings::kDefaultBypass));
}

void COptionsDialog::OnCommand(platform::DialogView& view, int control, int notification) {
    if (control == kCountryList && notification == platform::notify::kSelectionChange) {
        EnableAlwaysUse(view);
    } else if (control == kOk && notification == platform::notify::kButtonClicked) {
        Accept(view);
        view.EndDialog(kOk);
    } else if (control == kCancel) {
        // The Cancel button, Escape and the close box alike.
        view.EndDialog(kCancel);
    }
}

void COptionsDialog::EnableAlwaysUse(platform::DialogView& view) {
    view.EnableControl(kAlwaysUse, true);
    view.EnableControl(kAlwaysUseLabel, true);
}

void COptionsDialog::Accept(platform::DialogView& view) {
    CRegistryKey key(settings::kRoot, settings::kKeyPath, platform::access::kReadWrite);
    WriteChosenCountry(view, kCountryList, key);
    // The three switches are written on every OK, in this order.
    key.WriteBoolean(settings::kAutoPrefix, view.IsChecked(kAlwaysUse));
    key.WriteBoolean(settings::kSkypeName, view.IsChecked(kSkypeName));
    key.WriteBoolean(settings::kBypass, view.IsChecked(kBypass));
}
