// How the add-in shows Skype's "ERROR" replies: one message box per error,
// captioned "Tandrel", with the stop icon. The add-in object registers this
// as the Skype client's API-error observer.
#pragma once

#include <string>

// Shows the message for `code` (nothing for code 0). `description` is the
// error text as the reply carried it, its leading blank included.
void ShowApiError(int code, const std::string& description);

// The text shown for `code`: the add-in's own words for the refusals it
// knows, otherwise "Unable to initiate call. [code]: " and Skype's text.
std::string ApiErrorText(int code, const std::string& description);
