// The country list of the country chooser and of the options page: filled
// from the system's telephony country list (each sub-key's "Name" as the
// text, its "CountryCode" as the item data) with the stored "CountryCode"
// selected, and the choice stored back.
#pragma once

#include <cstdint>

#include "platform/Ui.h"

class CRegistryKey;

struct CountryListFill {
    // The stored "CountryCode", 0 when there is none.
    std::int32_t storedCode = 0;
    // Whether the telephony country list could be opened.
    bool listRead = false;
};

// Adds every country that has both a code and a name to list `control`, in
// registry order, and selects the one carrying the stored code (the last
// one enumerated when several share it).
CountryListFill FillCountryList(platform::DialogView& view, int control);

// Writes "CountryCode" = the item data of the entry selected in list
// `control`, when one is selected; otherwise the stored code stays.
void WriteChosenCountry(platform::DialogView& view, int control, CRegistryKey& key);
