// Texts of the module's dialog templates: one source for tandrel.rc and for
// the model's description of the same dialogs.
#pragma once

#define TANDREL_COUNTRY_TITLE "Tandrel Information"
#define TANDREL_COUNTRY_GROUP "International Dialing Code"
#define TANDREL_COUNTRY_EXPLANATION                                                   \
    "SkypeOut requires phone numbers to be in the full international dialing format " \
    "including country code e.g. +44 (020) 1234 5678 or +44 2012345678."
#define TANDREL_COUNTRY_PROMPT "Choose the country or region for this phone number:"
#define TANDREL_COUNTRY_ALWAYS_USE_LABEL                             \
    "Always use this choice for phone numbers which do not have an " \
    "international dialing code"
#define TANDREL_COUNTRY_OK "OK"
#define TANDREL_COUNTRY_CANCEL "Cancel"
