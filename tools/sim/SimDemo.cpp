#include "SimDemo.h"

namespace sim {

const char kDemoScript[] = R"(# The built-in demo of tandrel-sim.
echo Tandrel simulator: the whole add-in in a model Outlook, against a model Skype.
echo "Tandrel -> Skype" lines are the commands the add-in sends, "Skype -> Tandrel" what
echo Skype answers; the toolbar is drawn after each step as the user sees it. Times are
echo the model clock. (Buddy-list traffic, tooltips and pictures are left out: "output full".)
output brief
echo
echo == 1. Outlook starts and loads Tandrel; the first start offers help; Skype attaches ==
skype start
answer no
outlook start
wait 600
echo
echo == 2. The user opens the Contacts and selects a contact ==
folder Contacts
select Alice Wonder
echo
echo == 3. A right-click adds Skype commands to the menu; the user calls from there ==
rightclick
click Call Contact via Skype
echo
echo == 4. A chat from the toolbar ==
click chat
echo
echo == 5. A mail from a contact, opened: its sender and the Skype names it links ==
folder Inbox
open Call us
close
echo
echo == 6. A national number: the country chooser asks once, "always use" is ticked ==
folder Contacts
select Bob Builder
country United Kingdom always
click skypeout
echo
echo == 7. Skype goes offline: the toolbar offers nothing; online again: the contact is back ==
skype offline
skype online
echo
echo == 8. The options page and the About box from the Help menu ==
dialog ok
click Options
dialog ok
click About Tandrel
echo
echo == 9. An update check against the update server ==
update 0.0.1
click Check for Update
echo
echo == 10. Outlook closes ==
outlook quit
settings
echo
echo == 11. Outlook starts again. Bob calls from his number, stored in national form: ==
echo == his contact shows beside Outlook; the user opens it, then answers in Skype ==
outlook start
wait 600
skype ring +441614960000
click Open contact
skype answer
close
echo
echo == 12. A right-click on a mail in the Inbox: the user replies to Alice through Skype ==
folder Inbox
select Lunch on Friday?
rightclick
click Reply via Skype
echo
echo == 13. Alice wrote to the user with a copy to Carol: a right-click offers a conference ==
echo == with both, and Skype gets one call for the three of them ==
select Plans for the launch
rightclick
click Start Skype Conference
outlook quit
echo
echo == 14. Outlook 2016: a Tandrel group on the Home tab; the toolbar moves to the Add-ins tab ==
outlook 2016
outlook start
wait 600
folder Contacts
select Alice Wonder
click chat
outlook quit
echo
echo == 15. "ClassicToolbar" off: the ribbon alone; a right-click offers the contact's entries ==
set ClassicToolbar F
outlook start
wait 600
folder Contacts
select Alice Wonder
rightclick
click Call Contact via Skype
echo
echo == 16. Two contacts with Skype Names: a right-click offers a conference with both ==
select Alice Wonder, Carol Nguyen
rightclick
click Start Skype Conference
outlook quit
unset ClassicToolbar
echo
echo == Done. Try "scripts/sim.sh -i" for the prompt, or "scripts/sim.sh FILE" for a script. ==
)";

}  // namespace sim
