#include "SimDemo.h"

namespace sim {

const char kDemoScript[] = R"(# The built-in demo of tandrel-sim.
echo Tandrel simulator: the add-in's Skype client against a model Skype on a model desktop.
echo Lines marked "Tandrel -> Skype" are the commands the add-in sends, "Skype -> Tandrel"
echo the replies and notifications it receives. Times are the model desktop's clock.
echo
echo == 1. Attaching: discovery, the attach status, the handshake ==
skype start
start
wait 600
state
echo
echo == 2. The buddy list, with names and online states ==
buddies
echo
echo == 3. Skype reports changes unasked ==
skype status bob.builder ONLINE
skype status echo123 AWAY
buddies
echo
echo == 4. A call ==
call echo123
echo
echo == 5. A chat ==
chat alice.wonder
echo
echo == 6. A conference call ==
call alice.wonder, bob.builder
echo
echo == 7. What is refused: a call to oneself (by the add-in), an unknown name (by Skype) ==
call tandrel.demo
call no.such.user
echo
echo == 8. SkypeOut calls: numbers are converted to international form first ==
echo -- a number that carries its country code --
dial +44 (020) 7946 0018
echo -- a national number: the country chooser asks once, "always use" is ticked --
country United Kingdom always
dial 020 7946 0018
echo -- the next national number uses the stored choice without asking --
dial (0161) 496-0000 x12
echo -- North America, and a number too short to be one --
dial +1 555 0100
dial 12
settings
echo
echo == Done. Try "scripts/sim.sh -i" for the prompt, or "scripts/sim.sh FILE" for a script. ==
)";

}  // namespace sim
