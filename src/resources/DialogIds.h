// Identifiers of the module's dialog templates and of their controls. Plain
// #defines for tandrel.rc (windres runs the C preprocessor over it), named
// constants for C++.
#pragma once

// The country chooser, shown when a telephone number carries no country code.
#define TANDREL_IDD_COUNTRY 220
#define TANDREL_IDC_COUNTRY_LIST 217
#define TANDREL_IDC_COUNTRY_ALWAYS_USE 218
#define TANDREL_IDC_COUNTRY_ALWAYS_USE_LABEL 220

// The options page: the country controls carry the chooser's numbers.
#define TANDREL_IDD_OPTIONS 109
#define TANDREL_IDC_OPTIONS_SKYPE_NAME 221
#define TANDREL_IDC_OPTIONS_BYPASS 222
#define TANDREL_IDC_OPTIONS_SCREEN_POP 223
#define TANDREL_IDC_OPTIONS_CALL_VIA 224
#define TANDREL_IDC_OPTIONS_CLASSIC_TOOLBAR 225

// The incoming call: the caller, and the caller's contact to open or make.
#define TANDREL_IDD_INCOMING_CALL 230
#define TANDREL_IDC_INCOMING_NAME 231
#define TANDREL_IDC_INCOMING_FROM 232
#define TANDREL_IDC_INCOMING_CONTACT 233

// The About box.
#define TANDREL_IDD_ABOUT 207
#define TANDREL_IDC_ABOUT_VERSION 236

// Controls without an identifier (IDC_STATIC).
#define TANDREL_IDC_NONE -1

#ifndef RC_INVOKED
namespace ids {

constexpr int kCountryDialog = TANDREL_IDD_COUNTRY;
constexpr int kCountryList = TANDREL_IDC_COUNTRY_LIST;
constexpr int kCountryAlwaysUse = TANDREL_IDC_COUNTRY_ALWAYS_USE;
constexpr int kCountryAlwaysUseLabel = TANDREL_IDC_COUNTRY_ALWAYS_USE_LABEL;
constexpr int kOptionsDialog = TANDREL_IDD_OPTIONS;
constexpr int kOptionsSkypeName = TANDREL_IDC_OPTIONS_SKYPE_NAME;
constexpr int kOptionsBypass = TANDREL_IDC_OPTIONS_BYPASS;
constexpr int kOptionsScreenPop = TANDREL_IDC_OPTIONS_SCREEN_POP;
constexpr int kOptionsCallVia = TANDREL_IDC_OPTIONS_CALL_VIA;
constexpr int kOptionsClassicToolbar = TANDREL_IDC_OPTIONS_CLASSIC_TOOLBAR;
constexpr int kIncomingCallDialog = TANDREL_IDD_INCOMING_CALL;
constexpr int kIncomingCallName = TANDREL_IDC_INCOMING_NAME;
constexpr int kIncomingCallFrom = TANDREL_IDC_INCOMING_FROM;
constexpr int kIncomingCallContact = TANDREL_IDC_INCOMING_CONTACT;
constexpr int kAboutDialog = TANDREL_IDD_ABOUT;
constexpr int kAboutVersion = TANDREL_IDC_ABOUT_VERSION;
// The buttons every dialog shares (IDOK, IDCANCEL).
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;

}  // namespace ids
#endif
