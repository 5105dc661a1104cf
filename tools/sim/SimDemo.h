// The simulator's built-in demo: a script in the simulator's own command
// language, so that it shows exactly what a user's script can do.
#pragma once

namespace sim {

extern const char kDemoScript[];

}  // namespace sim
