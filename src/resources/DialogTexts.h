// Texts of the module's dialog templates, used by dialogs.inc (and so by
// tandrel.rc and the model) and by the tests.
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

#define TANDREL_OPTIONS_TITLE "Tandrel Options"
#define TANDREL_OPTIONS_USER_GROUP "User Settings"
#define TANDREL_OPTIONS_COUNTRY_LABEL "Default Country/Region:"
#define TANDREL_OPTIONS_TANDREL_GROUP "Tandrel Settings"
#define TANDREL_OPTIONS_SKYPE_NAME "Automatically insert Skype Name field when opening contact"
#define TANDREL_OPTIONS_BYPASS "Bypass phone number parsing for SkypeOut numbers"
#define TANDREL_OPTIONS_SCREEN_POP "Show the caller's contact when a Skype call comes in"
#define TANDREL_OPTIONS_CLASSIC_TOOLBAR "Show the classic toolbar in Outlook 2010 and later"
#define TANDREL_OPTIONS_CALL_VIA "Place calls through:"

#define TANDREL_INCOMING_TITLE "Incoming Skype call"
#define TANDREL_INCOMING_OPEN "Open contact"
#define TANDREL_INCOMING_CLOSE "Close"

#define TANDREL_ABOUT_TITLE "About Tandrel"
// Ends with the web site of resources/Addresses.h (a test keeps them in step).
#define TANDREL_ABOUT_HELP_LINE \
    "For help or assistance with Tandrel please visit our web site at https://www.tandrel.example"
#define TANDREL_ABOUT_NOTICE "An independent add-in for Outlook"
