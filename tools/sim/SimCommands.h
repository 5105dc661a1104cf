// The simulator's own commands, beside those every host's scripts run:
// the add-in's Skype client alone, calls through it, the model Skype's
// state and behaviour, the settings, and the update server's answer.
#pragma once

#include "model/world/OutlookUser.h"
#include "model/world/Script.h"
#include "model/world/World.h"

namespace sim {

void AddSimCommands(model::Script& script, model::World& world, model::OutlookUser& user);

}  // namespace sim
