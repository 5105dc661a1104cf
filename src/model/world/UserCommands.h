// The commands every host's scripts run: the Outlook user's actions and
// checks, message boxes and dialogs answered, time passing, and what Skype
// received. A host adds its own (the simulator's model Skype and settings,
// OutlookHost.exe's COM add-ins) to the same Script.
#pragma once

#include "model/world/OutlookUser.h"
#include "model/world/Script.h"

namespace model {

void AddUserCommands(Script& script, OutlookUser& user, UserHost& host);

// The calls Skype brings in, which every host's "skype" command runs
// beside its own: "ring CALLER", "answer", "miss". False, with *handled
// false, for another word; *handled true and the outcome otherwise.
bool RunSkypeCallCommand(UserHost& host, Printer& out, const std::string& what,
                         const std::string& rest, bool* handled);
// Their lines of "help".
void DescribeSkypeCallCommands(Script& script);

}  // namespace model
