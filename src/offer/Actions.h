// What a click on one of the add-in's controls does, whichever surface the
// control is on (the command-bar toolbar and context menu, the ribbon's
// group and context menus): each control names one action, and every click
// runs through Run.
#pragma once

#include <string>

class CSkype;

namespace offer {

enum class Action {
    kCall,            // a Skype call, or a conference for several names
    kChat,            // an instant-message chat
    kSkypeOut,        // a SkypeOut call to a number
    kBuyCredit,       // the web page where SkypeOut credit is bought
    kHelp,            // the help file's start page
    kOptions,         // the options page
    kCheckForUpdate,  // the update check
    kContactUs,       // a new e-mail to the support address
    kAbout,           // the About box
};

// Whether `action` acts on a Skype target (the first three).
bool ActsOnTarget(Action action);

// Runs `action`: a Skype action on `target` through `skype` (whose
// operations hold the pre-checks, the number conversion and the refusal of
// hostile text; nothing without a client), any other the information
// command, which takes nothing from the click.
void Run(Action action, const std::wstring& target, CSkype* skype);

}  // namespace offer
