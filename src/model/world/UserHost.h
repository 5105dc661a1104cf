// What the Outlook user reaches beyond Outlook's windows, which each host
// provides in its own way: model::World runs the add-in in this process on
// the model platform; OutlookHost.exe loads the real DLL through COM under
// Wine, with ModelSkype.exe as a process of its own. A new thing the user
// meets beyond the windows is added here once and each host provides it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ModelUi.h"
#include "ribbon/RibbonExtensibility.h"

namespace model {

class ModelOutlook;

class UserHost {
  public:
    virtual ~UserHost() = default;

    // Outlook, with its first window open, loads its add-ins. False (the
    // reason printed) when Outlook cannot go on.
    virtual bool LoadAddIns(ModelOutlook& outlook) = 0;
    // Outlook closes: its add-ins are let go. False when one refused.
    virtual bool UnloadAddIns() = 0;
    // The ribbon's side of the loaded add-in (IRibbonExtensibility and its
    // callbacks by name), as Outlook 2010 and later reach it; null when no
    // loaded add-in has one.
    virtual ribbon::RibbonExtensibility* Ribbon() = 0;

    // The user's answer (platform::answer) to the next message box.
    virtual void AnswerNextBox(int answer) = 0;
    // What the user does in the next dialog; one left open then is closed
    // (Escape), as the model's dialogs are.
    virtual void ActInNextDialog(const std::vector<DialogAction>& actions) = 0;
    // Draws the message boxes and dialogs that appeared since it last did.
    virtual void ShowScreen() = 0;

    // Lets `ms` pass with the thread's messages dispatched.
    virtual void Wait(std::uint64_t ms) = 0;
    // Whether Skype receives a command that begins with `prefix` after the
    // one the last such call matched (waiting as long as the host allows);
    // that one is then the last matched.
    virtual bool SkypeReceives(const std::string& prefix) = 0;

    // Someone calls the user through Skype: a Skype name, or a number ("+"
    // or a digit first). False (the reason printed) when Skype cannot ring.
    virtual bool SkypeRings(const std::string& caller) = 0;
    // The call that rings is answered, or rings out unanswered. False when
    // no call rings.
    virtual bool SkypeStopsRinging(bool answered) = 0;

    // The add-in's windows that stand beside Outlook's (the incoming call
    // window): the user clicks the button captioned `caption` (case and
    // "&" aside) in one of them; false when none has it.
    virtual bool ClickInWindow(const std::string& caption) = 0;
    // Whether one of those windows shows `text` in a control.
    virtual bool WindowShows(const std::string& text) = 0;
};

}  // namespace model
