#include "countries/CountryListControl.h"

#include <string>

#include "util/RegistryKey.h"
#include "util/Settings.h"

CountryListFill FillCountryList(platform::DialogView& view, int control) {
    CountryListFill fill;
    if (CRegistryValuePtr code = settings::Read(settings::kCountryCode)) {
        fill.storedCode = settings::ToNumber(code->GetText());
    }

    CRegistryKey list(settings::kCountryListRoot, settings::kCountryListPath,
                      platform::access::kRead);
    if (list.IsNull()) {
        return fill;
    }
    fill.listRead = true;

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
        const int item = view.AddListItem(control, name->GetText());
        if (item < 0) {
            continue;
        }
        view.SetListItemData(control, item, dialling);
        if (dialling == fill.storedCode) {
            // Several entries can share a code: the last one enumerated wins.
            selectedName = name->GetText();
            haveSelection = true;
        }
    }
    if (haveSelection) {
        const int count = view.ListCount(control);
        for (int item = 0; item < count; ++item) {
            if (view.ListItemText(control, item) == selectedName &&
                view.ListItemData(control, item) == fill.storedCode) {
                view.SelectListItem(control, item);
            }
        }
    }
    return fill;
}

void WriteChosenCountry(platform::DialogView& view, int control, CRegistryKey& key) {
    const int selection = view.ListSelection(control);
    if (selection >= 0) {
        key.WriteNumber(settings::kCountryCode,
                        static_cast<std::int32_t>(view.ListItemData(control, selection)));
    }
}
