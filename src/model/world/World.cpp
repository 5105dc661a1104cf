#include "model/world/World.h"

#include <cctype>
#include <cstdio>

#include "addin/ApiErrorMessages.h"
#include "addin/Connect.h"
#include "model/CountryList.h"
#include "model/ModelDialogText.h"
#include "model/ModelText.h"
#include "model/office/ControlNames.h"
#include "model/skype/SampleSkypeUsers.h"
#include "model/world/ScriptText.h"
#include "skype/Skype.h"
#include "skype/SkypeApiMessages.h"

namespace model {

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

// The buddy list's questions and answers, which brief output leaves out.
bool IsBuddyTraffic(const std::string& text) {
    for (const char* prefix : {"GET USER ", "USER ", "SEARCH FRIENDS", "USERS "}) {
        if (text.compare(0, std::string(prefix).size(), prefix) == 0) return true;
    }
    return false;
}

// A button's caption as the user names it (case, "&" and outer blanks aside).
bool SameCaption(const std::string& ansi, const std::string& utf8) {
    return NormalName(ModelText().FromAnsi(ansi)) == NormalName(WideFromUtf8(utf8));
}

// "The incoming call window" as it reads inside a sentence.
std::string InSentence(std::string name) {
    if (!name.empty())
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    return name;
}

}  // namespace

std::string ConnectionStatusName(ConnectionStatus status) {
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

World::World(const Mailbox& mailbox, SkypeUsers users)
    : installed_(platform.ports()), skypeProcess_(skype, platform.processes, platform.shell) {
    // Each desktop registers its window messages afresh.
    skype_api::ForgetMessageNumbers();
    if (users == SkypeUsers::Sample) AddSampleSkypeUsers(skype);
    RegisterSkypeInstallation(platform.registry);
    InstallCountryList(platform.registry);
    LoadMailbox(mailbox, outlook);
}

World::~World() {
    // The printer may be gone already: what happens from here is not told.
    out_ = nullptr;
    platform.ui.whileModal = nullptr;
    skype.onDiscover = nullptr;
    skype.onAttachStatus = nullptr;
    skype.onCommand = nullptr;
    skype.onReply = nullptr;
    addin.Unload();
    client_.reset();
    skype_api::ForgetMessageNumbers();
}

void World::Checkpoint() {
    platform.Checkpoint();
    skype.Checkpoint();
    skypeProcess_.Checkpoint();
    outlook.Checkpoint();
    checkpoint_ = Shown{boxesShown_, dialogsShown_, skypeMatched_};
}

void World::Rollback() {
    addin.Unload();
    client_.reset();
    outlook.Rollback();
    platform.Rollback();
    skype.Rollback();
    skypeProcess_.Rollback();
    // The message numbers the client keeps are registered afresh.
    skype_api::ForgetMessageNumbers();
    boxesShown_ = checkpoint_.boxes;
    dialogsShown_ = checkpoint_.dialogs;
    skypeMatched_ = checkpoint_.skypeMatched;
    openDialogs_.clear();
}

void World::ReportTo(Printer& out) {
    out_ = &out;
    // Message boxes and dialogs are shown while they are open.
    platform.ui.whileModal = [this]() { ShowScreen(); };
    // The process hooks are the ModelSkypeProcess's; these only print.
    skype.onDiscover = [this](platform::WindowHandle) {
        out_->Event("Skype sees Tandrel's discovery broadcast");
    };
    skype.onAttachStatus = [this](platform::WindowHandle, long status) {
        out_->Event("Skype answers with attach status " + AttachStatusName(status));
    };
    skype.onCommand = [this](platform::WindowHandle, const std::string& command) {
        ShowScreen();
        if (!out_->brief() || !IsBuddyTraffic(command)) out_->ToSkype(command);
    };
    skype.onReply = [this](platform::WindowHandle, const std::string& reply) {
        ShowScreen();
        if (!out_->brief() || !IsBuddyTraffic(reply)) out_->FromSkype(reply);
    };
}

CSkype& World::StartClient() {
    if (client_) {
        if (out_) out_->Event("Tandrel's Skype client is already running");
        return *client_;
    }
    client_.reset(new CSkype(host::DispatchPtr()));
    WatchClient(*client_);
    // The add-in object shows Skype's refusals this way.
    client_->AdviseAPIError(&ShowApiError);
    client_->CreateMessageWindow();
    if (out_) {
        out_->Event("Tandrel's hidden window " + Hex(client_->GetMessageWindow()) +
                    " is created; discovery broadcasts every 500 ms");
    }
    return *client_;
}

void World::StopClient() {
    if (!client_) return;
    client_->DestroyMessageWindow();
    client_.reset();
    if (out_) out_->Event("Tandrel's hidden window is destroyed");
}

CSkype* World::Client() {
    if (client_) return client_.get();
    return addin.object() ? addin.object()->GetSkype().get() : nullptr;
}

void World::WatchClient(CSkype& client) {
    if (!out_) return;
    client.AdviseConnectionStatus([this](ConnectionStatus status) {
        if (out_) out_->Event("Tandrel: connection status is now " + ConnectionStatusName(status));
    });
}

bool World::LoadAddIns(ModelOutlook& loading) {
    if (client_) {
        if (out_) out_->Error("stop the Skype client first: Tandrel in Outlook has its own");
        return false;
    }
    const host::HResult result = addin.Load(loading.applicationObject());
    ShowScreen();
    if (host::Failed(result)) {
        if (out_) out_->Error("Tandrel did not start");
        addin.Unload();
        return false;
    }
    WatchClient(*addin.object()->GetSkype());
    return true;
}

bool World::UnloadAddIns() { return addin.Unload() == host::hr::kOk; }

void World::AnswerNextBox(int answer) { platform.ui.QueueAnswer(answer); }

void World::ActInNextDialog(const std::vector<DialogAction>& actions) {
    platform.ui.QueueDialogScript(actions);
}

std::string World::DrawDialog(std::size_t index) const {
    const DialogTemplate* dialogTemplate =
        platform.ui.FindTemplate(platform.ui.dialogs[index].templateId);
    return dialogTemplate ? DescribeDialog(*dialogTemplate, platform.ui.DialogControls(index))
                          : std::string();
}

void World::ShowScreen() {
    if (!out_) return;
    const ModelUi& ui = platform.ui;
    while (boxesShown_ < ui.messageBoxes.size()) {
        const auto& box = ui.messageBoxes[boxesShown_++];
        out_->Event("Message box \"" + box.caption + "\": " + VisibleAnsi(box.text) + "  [" +
                    AnswerName(box.answer) + "]");
    }
    while (dialogsShown_ < ui.dialogs.size()) {
        const std::size_t index = dialogsShown_++;
        openDialogs_[index] = DrawDialog(index);
        out_->Event(DialogName(ui.dialogs[index].templateId) + " opens");
        out_->Details(openDialogs_[index], "  ");
    }
    for (auto open = openDialogs_.begin(); open != openDialogs_.end();) {
        const std::size_t index = open->first;
        if (ui.DialogOpen(index)) {
            ++open;
            continue;
        }
        const auto& dialog = ui.dialogs[index];
        const char* ended = dialog.modeless                          ? ""
                            : dialog.result == platform::answer::kOk ? "  [OK]"
                                                                     : "  [Cancel]";
        out_->Event(DialogName(dialog.templateId) + " closes" + ended);
        out_->Details(ChangedLines(open->second, DrawDialog(index)), "  ");
        open = openDialogs_.erase(open);
    }
}

void World::Wait(std::uint64_t ms) {
    platform.desktop.Advance(ms);
    ShowScreen();
}

bool World::SkypeRings(const std::string& caller) {
    if (!skype.IsRunning()) {
        if (out_) out_->Error("Skype is not running");
        return false;
    }
    if (out_) out_->Event(caller + " calls through Skype");
    skype.Ring(caller);
    ShowScreen();
    return true;
}

bool World::SkypeStopsRinging(bool answered) {
    const int ringing = skype.RingingCall();
    if (ringing == 0) {
        if (out_) out_->Error("no call rings");
        return false;
    }
    if (out_)
        out_->Event(answered ? "The user answers the call in Skype" : "Nobody answers the call");
    skype.SetCallStatus(ringing, answered ? "INPROGRESS" : "MISSED");
    ShowScreen();
    return true;
}

bool World::ClickInWindow(const std::string& caption) {
    ModelUi& ui = platform.ui;
    for (platform::WindowHandle window : ui.OpenModeless()) {
        const std::unique_ptr<platform::DialogView> view = ui.ModelessView(window);
        for (std::size_t index = 0; index < ui.dialogs.size(); ++index) {
            if (!ui.dialogs[index].modeless || ui.dialogs[index].window != window) continue;
            for (const auto& control : ui.DialogControls(index)) {
                if (!SameCaption(view->ControlText(control.first), caption)) continue;
                if (out_)
                    out_->Event("The user clicks \"" + caption + "\" in " +
                                InSentence(DialogName(ui.dialogs[index].templateId)));
                const bool clicked = ui.ClickModeless(window, control.first);
                ShowScreen();
                return clicked;
            }
        }
    }
    return false;
}

bool World::WindowShows(const std::string& text) {
    ModelUi& ui = platform.ui;
    for (platform::WindowHandle window : ui.OpenModeless()) {
        for (std::size_t index = 0; index < ui.dialogs.size(); ++index) {
            if (!ui.dialogs[index].modeless || ui.dialogs[index].window != window) continue;
            for (const auto& control : ui.DialogControls(index)) {
                if (control.second.text == text) return true;
            }
        }
    }
    return false;
}

bool World::SkypeReceives(const std::string& prefix) {
    const auto& received = skype.Received();
    if (skypeMatched_ > received.size()) skypeMatched_ = 0;  // the log was cleared
    for (std::size_t i = skypeMatched_; i < received.size(); ++i) {
        if (received[i].text.compare(0, prefix.size(), prefix) == 0) {
            skypeMatched_ = i + 1;
            return true;
        }
    }
    return false;
}

}  // namespace model
