#include "skype/CountryDialog.h"

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
    std::int32_t current = 0;
    if (CRegistryValuePtr code = settings::Read(settings::kCountryCode)) {
        current = settings::ToNumber(code->GetText());
    }

    CRegistryKey list(settings::kCountryListRoot, settings::kCountryListPath,
                      platform::access::kRead);
    if (list.IsNull()) {
        return;  // nothing to choose from: only Cancel closes the dialog
    }

    // The list sorts itself, so an index taken while adding may move later;
    // the entry to select is found again once every entry is in.
    std::string selectedName;
    bool haveSelection = false;
    std::string subKey;
    for (std::uint32_t index = 0; list.EnumSubKey(index, &subKey); ++index) {
        CRegistryKey country(settings::kCountryListRoot,
                             std::string(settings::kCountryListPath) + "\\" + subKey,
                             platform::access::kRead);
        CRegistryValuePtr code = country.Query(settings::kCountryListCode);
        CRegistryValuePtr name = country.Query(settings::kCountryListName);
        if (!code || !name) {
            continue;
        }
        const std::int32_t dialling = settings::ToNumber(code->GetText());
        const int item = view.AddListItem(kCountryList, name->GetText());
        if (item < 0) {
            continue;
        }
        view.SetListItemData(kCountryList, item, dialling);
        if (dialling == current) {
            // Several entries can share a code: the last one enumerated wins.
            selectedName = name->GetText();
            haveSelection = true;
        }
    }
    if (haveSelection) {
        const int count = view.ListCount(kCountryList);
        for (int item = 0; item < count; ++item) {
            if (view.ListItemText(kCountryList, item) == selectedName &&
                view.ListItemData(kCountryList, item) == current) {
                view.SelectListItem(kCountryList, item);
            }
        }
    }
    if (current != 0) {
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
    const int selection = view.ListSelection(kCountryList);
    if (selection >= 0) {
        key.WriteNumber(settings::kCountryCode,
                        static_cast<std::int32_t>(view.ListItemData(kCountryList, selection)));
    }
    key.WriteBoolean(settings::kAutoPrefix, view.IsChecked(kAlwaysUse));
}
