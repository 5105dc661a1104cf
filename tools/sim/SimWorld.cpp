#include "SimWorld.h"

#include <cstdio>

#include "addin/ApiErrorMessages.h"
#include "model/CountryList.h"
#include "model/skype/SampleSkypeUsers.h"
#include "resources/DialogIds.h"
#include "skype/SkypeApiMessages.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

namespace sim {

namespace {

std::string AttachStatusName(long status) {
    switch (status) {
        case 0:
            return "0 (attached)";
        case 1:
            return "1 (waiting for the user to allow Tandrel)";
        case 2:
            return "2 (refused by the user)";
        case 3:
            return "3 (no user logged in)";
        case 0x8001:
            return "0x8001 (API available again)";
        default:
            return std::to_string(status);
    }
}

std::string StatusName(ConnectionStatus status) {
    switch (status) {
        case kConnectionConnecting:
            return "CONNECTING (1)";
        case kConnectionPausing:
            return "PAUSING (2)";
        case kConnectionOnline:
            return "ONLINE (3)";
        case kConnectionOffline:
            return "OFFLINE (4)";
        default:
            return "unknown (" + std::to_string(static_cast<int>(status)) + ")";
    }
}

std::string Hex(std::uintptr_t value) {
    char text[32];
    std::snprintf(text, sizeof(text), "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

// The buddy list's questions and answers, which brief output leaves out.
bool IsBuddyTraffic(const std::string& text) {
    for (const char* prefix : {"GET USER ", "USER ", "SEARCH FRIENDS", "USERS "}) {
        if (text.compare(0, std::string(prefix).size(), prefix) == 0) return true;
    }
    return false;
}

std::string DialogName(int templateId) {
    switch (templateId) {
        case ids::kCountryDialog:
            return "The country chooser";
        case ids::kOptionsDialog:
            return "The options page";
        case ids::kAboutDialog:
            return "The About box";
        default:
            return "Dialog " + std::to_string(templateId);
    }
}

std::string AnswerName(int answer) {
    switch (answer) {
        case platform::answer::kOk:
            return "OK";
        case platform::answer::kCancel:
            return "Cancel";
        case platform::answer::kYes:
            return "Yes";
        case platform::answer::kNo:
            return "No";
        default:
            return std::to_string(answer);
    }
}

}  // namespace

World::World(std::ostream& out)
    : installed_(model_.ports()),
      printer_(out, [this]() { return model_.desktop.Now(); }),
      skypeProcess_(skype_, model_.processes, model_.shell) {
    skype_api::ForgetMessageNumbers();
    model::AddSampleSkypeUsers(skype_);
    model::RegisterSkypeInstallation(model_.registry);
    model::InstallCountryList(model_.registry);
    // Message boxes and dialogs: shown as they appear, and a dialog's outcome
    // once it has closed.
    model_.ui.whileModal = [this]() { ShowUi(); };
    HookSkype();
    outlook_.reset(new OutlookSide(*this));
}

World::~World() {
    outlook_.reset();
    model_.ui.whileModal = nullptr;
    client_.reset();
    skype_api::ForgetMessageNumbers();
}

void World::HookSkype() {
    // The process hooks are the ModelSkypeProcess's; these only print.
    skype_.onDiscover = [this](platform::WindowHandle) {
        printer_.Event("Skype sees Tandrel's discovery broadcast");
    };
    skype_.onAttachStatus = [this](platform::WindowHandle, long status) {
        printer_.Event("Skype answers with attach status " + AttachStatusName(status));
    };
    skype_.onCommand = [this](platform::WindowHandle, const std::string& command) {
        ShowUi();
        if (!brief_ || !IsBuddyTraffic(command)) printer_.ToSkype(command);
    };
    skype_.onReply = [this](platform::WindowHandle, const std::string& reply) {
        ShowUi();
        if (!brief_ || !IsBuddyTraffic(reply)) printer_.FromSkype(reply);
    };
}

bool World::LoadSettings(const std::string& path, std::vector<std::string>* errors) {
    return model_.registry.LoadFile(path, errors);
}

void World::StartClient() {
    if (client_) {
        printer_.Event("Tandrel's Skype client is already running");
        return;
    }
    client_.reset(new CSkype(host::DispatchPtr()));
    WatchClient(*client_);
    // The add-in object shows Skype's refusals this way.
    client_->AdviseAPIError(&ShowApiError);
    client_->CreateMessageWindow();
    printer_.Event("Tandrel's hidden window " + Hex(client_->GetMessageWindow()) +
                   " is created; discovery broadcasts every 500 ms");
}

void World::WatchClient(CSkype& client) {
    client.AdviseConnectionStatus([this](ConnectionStatus status) {
        printer_.Event("Tandrel: connection status is now " + StatusName(status));
    });
}

void World::StopClient() {
    if (!client_) return;
    client_->DestroyMessageWindow();
    client_.reset();
    printer_.Event("Tandrel's hidden window is destroyed");
}

void World::Wait(std::uint64_t ms) {
    model_.desktop.Advance(ms);
    ShowUi();
}

void World::ShowUi() {
    const auto& boxes = model_.ui.messageBoxes;
    while (boxesShown_ < boxes.size()) {
        const auto& box = boxes[boxesShown_++];
        printer_.Event("Message box \"" + box.caption + "\": " + Printer::Visible(box.text) +
                       "  [" + AnswerName(box.answer) + "]");
    }
    const auto& dialogs = model_.ui.dialogs;
    while (dialogsOpened_ < dialogs.size()) {
        const auto& dialog = dialogs[dialogsOpened_++];
        printer_.Event(DialogName(dialog.templateId) + " opens");
    }
    // A dialog's record is complete (its controls filled in) once it has closed.
    while (dialogsShown_ < dialogs.size() && !dialogs[dialogsShown_].controls.empty()) {
        ShowDialog(dialogs[dialogsShown_++]);
    }
}

void World::ShowDialog(const model::ModelUi::DialogRecord& dialog) {
    std::string line = DialogName(dialog.templateId) + " closes";
    const auto list = dialog.controls.find(217);
    if (dialog.templateId == 220 && list != dialog.controls.end()) {
        line = "The country chooser closes (" + std::to_string(list->second.items.size()) +
               " countries): ";
        const int selected = list->second.selection;
        if (selected >= 0 && selected < static_cast<int>(list->second.items.size())) {
            line += "\"" + list->second.items[selected] + "\" (+" +
                    std::to_string(list->second.itemData[selected]) + ")";
        } else {
            line += "nothing chosen";
        }
        const auto always = dialog.controls.find(218);
        if (always != dialog.controls.end() && always->second.checked) {
            line += ", always use this choice";
        }
    }
    line += dialog.result == platform::answer::kOk ? "  [OK]" : "  [Cancel]";
    printer_.Event(line);
}

void World::PrintBuddies() {
    if (!client_) {
        printer_.Detail("(Tandrel's Skype client is not running)");
        return;
    }
    const std::vector<CSkypeBuddyPtr> buddies = client_->GetBuddyList();
    printer_.Detail("Buddy list (" + std::to_string(buddies.size()) + "):");
    for (const CSkypeBuddyPtr& buddy : buddies) {
        std::string line = Printer::Utf8(buddy->GetDisplayName());
        if (line.size() < 34) line.resize(34, ' ');
        line += Printer::Utf8(buddy->GetFullName());
        if (!buddy->IsFriend()) line += "  (not a friend)";
        printer_.Detail("  " + line);
    }
}

void World::PrintState() {
    if (!client_) {
        printer_.Detail("Tandrel's Skype client is not running");
    } else {
        const platform::WindowHandle window = client_->GetMessageWindow();
        printer_.Detail(
            "Tandrel: window " + Hex(window) + ", attached to " +
            (client_->GetSkypeWindow() ? Hex(client_->GetSkypeWindow()) : std::string("nothing")));
        printer_.Detail("  connection " + StatusName(client_->GetConnectionStatus()) + ", user \"" +
                        client_->GetCurrentUserHandle() + "\", protocol " +
                        std::to_string(client_->GetProtocol()));
        printer_.Detail(
            "  discovery timer " +
            std::string(model_.desktop.IsTimerRunning(window, skype_protocol::kDiscoveryTimerId)
                            ? "running"
                            : "stopped") +
            ", ping timer " +
            (model_.desktop.IsTimerRunning(window, skype_protocol::kPingTimerId) ? "running"
                                                                                 : "stopped") +
            ", pings " + std::to_string(client_->GetPingsSent()) + " sent / " +
            std::to_string(client_->GetPongsReceived()) + " answered");
    }
    printer_.Detail("Skype: " + std::string(skype_.IsRunning() ? "running" : "not running") + ", " +
                    (skype_.IsLoggedIn() ? "logged in as " + skype_.CurrentUserHandle()
                                         : std::string("nobody logged in")) +
                    ", connection " + skype_.ConnectionStatusWord() +
                    ", answers pings: " + (skype_.AnswersPings() ? "yes" : "no") + ", replies " +
                    (skype_.GetDelivery() == model::ModelSkype::Delivery::Immediate
                         ? "inside the send"
                         : "posted") +
                    ", " + std::to_string(skype_.Received().size()) + " commands received");
}

void World::PrintSettings() {
    const char* const names[] = {settings::kCountryCode, settings::kAutoPrefix, settings::kBypass,
                                 settings::kLogFile};
    printer_.Detail(std::string("Settings under HKEY_CURRENT_USER\\") + settings::kKeyPath + ":");
    for (const char* name : names) {
        CRegistryValuePtr value = settings::Read(name);
        std::string line = name;
        line.resize(14, ' ');
        printer_.Detail("  " + line + (value ? value->GetText() : "(absent)"));
    }
}

std::vector<std::string> World::CommandsSince(std::size_t from) const {
    std::vector<std::string> commands;
    const auto& received = skype_.Received();
    for (std::size_t i = from; i < received.size(); ++i) commands.push_back(received[i].text);
    return commands;
}

}  // namespace sim
