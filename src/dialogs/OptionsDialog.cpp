#include "dialogs/OptionsDialog.h"

#include "countries/CountryListControl.h"
#include "platform/Platform.h"
#include "resources/StringIds.h"
#include "skype/CallVia.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"

constexpr int COptionsDialog::kTemplateId;
constexpr int COptionsDialog::kCountryList;
constexpr int COptionsDialog::kAlwaysUse;
constexpr int COptionsDialog::kAlwaysUseLabel;
constexpr int COptionsDialog::kSkypeName;
constexpr int COptionsDialog::kBypass;
constexpr int COptionsDialog::kScreenPop;
constexpr int COptionsDialog::kClassicToolbar;
constexpr int COptionsDialog::kCallVia;
constexpr int COptionsDialog::kOk;
constexpr int COptionsDialog::kCancel;

namespace {

// The entries of "Place calls through", in the order they are listed.
const struct {
    call_via::Way way;
    unsigned text;
} kWays[] = {
    {call_via::Way::DesktopApi, ids::kCallViaDesktopApi},
    {call_via::Way::SkypeLinks, ids::kCallViaSkypeLinks},
    {call_via::Way::TelLinks, ids::kCallViaTelLinks},
};

void FillCallVia(platform::DialogView& view, int control) {
    const call_via::Way stored = call_via::Read();
    for (const auto& entry : kWays) {
        const int index = view.AddListItem(control, text::LoadAnsiString(entry.text));
        view.SetListItemData(control, index, static_cast<std::intptr_t>(entry.way));
        if (entry.way == stored) {
            view.SelectListItem(control, index);
        }
    }
}

}  // namespace

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
    view.SetChecked(kScreenPop,
                    settings::ReadBoolean(settings::kScreenPop, settings::kDefaultScreenPop));
    view.SetChecked(kClassicToolbar, settings::ReadBoolean(settings::kClassicToolbar,
                                                           settings::kDefaultClassicToolbar));
    FillCallVia(view, kCallVia);
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
    // The switches are written on every OK, in this order.
    key.WriteBoolean(settings::kAutoPrefix, view.IsChecked(kAlwaysUse));
    key.WriteBoolean(settings::kSkypeName, view.IsChecked(kSkypeName));
    key.WriteBoolean(settings::kBypass, view.IsChecked(kBypass));
    key.WriteBoolean(settings::kScreenPop, view.IsChecked(kScreenPop));
    key.WriteBoolean(settings::kClassicToolbar, view.IsChecked(kClassicToolbar));
    const int chosen = view.ListSelection(kCallVia);
    if (chosen >= 0) {
        const auto way = static_cast<call_via::Way>(view.ListItemData(kCallVia, chosen));
        key.WriteText(settings::kCallVia, call_via::Name(way));
    }
}
