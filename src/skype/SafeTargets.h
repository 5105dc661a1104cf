// What text from outside the add-in (a contact's fields, a mail's links, the
// user's typing, Skype's own replies) may become part of a command to Skype
// or of Skype's command line. Skype ends a command at a NUL and splits it at
// blanks, and the command line quotes the target ("/callto:<target>"): a
// double quote or a control character would end the target early and let
// the rest of the text act as a switch or a command of its own choosing.
//
// Both rules read the text in the ANSI code page, as it is sent.
#pragma once

#include <string>

namespace skype_text {

// A call, chat or SkypeOut target (a handle, a number, or a conference's
// handles joined by ", "): no double quote and no control character
// (U+0000 to U+001F).
bool IsSafeTarget(const std::string& ansi);

// A handle that may enter the buddy list and be asked about in
// "GET USER <handle> <property>": a safe target without blanks.
bool IsSafeHandle(const std::string& ansi);

}  // namespace skype_text
