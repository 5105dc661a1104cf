#include "offer/Actions.h"

#include "commands/InformationCommands.h"
#include "skype/Skype.h"

namespace offer {

bool ActsOnTarget(Action action) {
    return action == Action::kCall || action == Action::kChat || action == Action::kSkypeOut;
}

void Run(Action action, const std::wstring& target, CSkype* skype) {
    switch (action) {
        case Action::kCall:
            if (skype) skype->SkypeIPCall(target);
            return;
        case Action::kChat:
            if (skype) skype->SkypeIMChat(target);
            return;
        case Action::kSkypeOut:
            if (skype) skype->SkypeOut(target);
            return;
        case Action::kBuyCredit:
            commands::BuySkypeOutCredit();
            return;
        case Action::kHelp:
            commands::Help();
            return;
        case Action::kOptions:
            commands::Options();
            return;
        case Action::kCheckForUpdate:
            commands::CheckForUpdate();
            return;
        case Action::kContactUs:
            commands::ContactUs();
            return;
        case Action::kAbout:
            commands::About();
            return;
    }
}

}  // namespace offer
