// Where the add-in keeps its settings and the other registry places it reads.
// Every value is read afresh at each use (CRegistryKey), never cached.
#pragma once

#include <cstdint>

#include "platform/Registry.h"

namespace settings {

// Under HKEY_CURRENT_USER.
constexpr platform::RegistryRoot kRoot = platform::RegistryRoot::CurrentUser;
constexpr char kKeyPath[] = "Software\\Tandrel";

constexpr char kLogFile[] = "LogFile";                // string: trace file; absent = off
constexpr char kHelpLocation[] = "HelpLocation";      // string: compiled help file
constexpr char kFirstRunImport[] = "FirstRunImport";  // boolean: only its existence counts
constexpr char kCountryCode[] = "CountryCode";        // number: default dialling code
constexpr char kAutoPrefix[] = "AutoPrefix";          // boolean: apply CountryCode unasked
constexpr char kBypass[] = "Bypass";                  // boolean: SkypeOut numbers unconverted
constexpr char kSkypeName[] = "SkypeName";            // boolean: insert the "Skype Name" field
constexpr char kPosition[] = "Position";              // number: toolbar dock position
constexpr char kLeft[] = "Left";                      // number: toolbar left edge
constexpr char kTop[] = "Top";                        // number: toolbar top edge
constexpr char kRow[] = "Row";                        // number: toolbar row index
constexpr char kScreenPop[] = "ScreenPop";            // boolean: show the caller of a Skype call
constexpr char kCallVia[] = "CallVia";                // string: "api", "skype" or "tel" links
constexpr char kClassicToolbar[] = "ClassicToolbar";  // boolean: the toolbar in Outlook 2010+

// What an absent value means.
constexpr bool kDefaultAutoPrefix = false;
constexpr bool kDefaultBypass = false;
constexpr bool kDefaultSkypeName = true;
constexpr bool kDefaultScreenPop = true;
constexpr bool kDefaultClassicToolbar = true;
constexpr std::int32_t kDefaultPosition = 1;  // docked at the top

// Skype's own installation record: HKEY_CURRENT_USER first, then
// HKEY_LOCAL_MACHINE.
constexpr char kSkypePhoneKeyPath[] = "Software\\Skype\\Phone";
constexpr char kSkypePath[] = "SkypePath";

// The operating system's telephony country list, under HKEY_LOCAL_MACHINE:
// one sub-key per country or region.
constexpr platform::RegistryRoot kCountryListRoot = platform::RegistryRoot::LocalMachine;
constexpr char kCountryListPath[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Country List";
constexpr char kCountryListCode[] = "CountryCode";  // REG_DWORD: dialling code
constexpr char kCountryListName[] = "Name";         // string: display name

}  // namespace settings
