// The commands every host's scripts run: the Outlook user's actions and
// checks, message boxes and dialogs answered, time passing, and what Skype
// received. A host adds its own (the simulator's model Skype and settings,
// OutlookHost.exe's COM add-ins) to the same Script.
#pragma once

#include "model/world/OutlookUser.h"
#include "model/world/Script.h"

namespace model {

void AddUserCommands(Script& script, OutlookUser& user, UserHost& host);

}  // namespace model
