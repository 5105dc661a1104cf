// The links a call or a chat becomes when it goes through the shell rather
// than the desktop API ("CallVia" skype or tel). Whatever a contact's field
// or the user's typing holds, the link names exactly the targets asked for:
// each target is UTF-8, and every byte outside ASCII letters, digits and
// ". _ - + ," is written as %XX, so no quote, ampersand, question mark,
// semicolon, percent sign, blank or line break of a target can end the
// target, add a parameter or another target, or reach a command line.
#pragma once

#include <string>

namespace call_links {

constexpr char kSkypeScheme[] = "skype";
constexpr char kTelScheme[] = "tel";

enum class Action { Call, Chat };

std::string PercentEncode(const std::wstring& text);

// "skype:a;b?call" for the Skype names in `targets`: one name, or several
// separated by commas as a conference is typed ("a, b"), the blanks around
// each name dropped. Empty when no name is left.
std::string ForSkypeNames(const std::wstring& targets, Action action);
// "skype:<number>?call": one target, never split. Empty for no number.
std::string ForSkypeNumber(const std::wstring& number);
// "tel:<number>". Empty for no number.
std::string ForTelNumber(const std::wstring& number);

}  // namespace call_links
