// The operating system's telephony country list, as Windows ships it: one
// sub-key per country or region (named by its country id) under the
// "Country List" key of HKEY_LOCAL_MACHINE's telephony settings, each with
// "CountryCode" (REG_DWORD, the international dialling code) and "Name"
// (REG_SZ). Several entries share a code (the
// North American numbering plan, Russia and Kazakhstan, ...).
#pragma once

#include <cstdint>
#include <vector>

namespace model {

class ModelRegistry;

struct CountryEntry {
    std::uint32_t id;
    std::uint32_t code;
    const char* name;
};

// Every entry the model installs.
const std::vector<CountryEntry>& CountryListEntries();

// Writes the list into `registry`.
void InstallCountryList(ModelRegistry& registry);

}  // namespace model
