#include "commands/InformationCommands.h"

#include <string>

#include "commands/UpdateCheck.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/OptionsDialog.h"
#include "platform/Platform.h"
#include "resources/Addresses.h"
#include "resources/StringIds.h"
#include "util/Exception.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"

namespace commands {

namespace {

constexpr char kStartTopic[] = "::/index.htm";
constexpr char kFirstRunTopic[] = "::/skypecall.htm";
constexpr char kSupportSubject[] = "?subject=Question about Tandrel";

// The topic of the compiled help file named by "HelpLocation"; nothing when
// the setting is missing or is no text.
void ShowHelpTopic(const char* topic) {
    CRegistryValuePtr location = settings::Read(settings::kHelpLocation);
    if (!location || !location->IsString()) {
        return;
    }
    platform::htmlHelp().Call(platform::kNoWindow, location->GetText() + topic,
                              platform::hh::kDisplayTopic, 0);
}

// ShellExecute with the default verb; a missing mail program or browser is
// not reported.
void Open(const std::string& target) {
    platform::shell().Execute(platform::kNoWindow, "", target, "", "", platform::show::kNormal);
}

}  // namespace

void Help() { ShowHelpTopic(kStartTopic); }

void FirstRunHelp() { ShowHelpTopic(kFirstRunTopic); }

void Options() {
    COptionsDialog dialog;
    dialog.DoModal();
}

void CheckForUpdate() {
    unsigned message = ids::kUpdateCheckFailed;
    try {
        message = IsNewerVersionAvailable() ? ids::kNewerVersion : ids::kLatestVersion;
    } catch (const ServerUnavailable&) {
        message = ids::kUpdateCheckFailed;
    }
    platform::ui().ShowMessageBox(platform::kNoWindow, text::LoadAnsiString(message),
                                  text::LoadAnsiString(ids::kCaptionInformation),
                                  platform::mb::kOk | platform::mb::kIconInformation);
}

void ContactUs() { Open(std::string("mailto:") + addresses::kSupportEmail + kSupportSubject); }

void About() {
    CAboutDialog dialog;
    dialog.DoModal();
}

void BuySkypeOutCredit() { Open(addresses::kBuySkypeOut); }

}  // namespace commands
