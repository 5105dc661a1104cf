// CSkype's window and transport: the hidden window, discovery and
// attachment, the ping watchdog, sending commands, and finding, detecting
// and launching the Skype program.
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "resources/Addresses.h"
#include "resources/StringIds.h"
#include "skype/CallVia.h"
#include "skype/SafeTargets.h"
#include "skype/Skype.h"
#include "skype/SkypeApiMessages.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"
#include "util/CaughtExceptions.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

// "SkypePath" of the current user, or failing that of the machine; empty
// pointer when Skype has left no such value.
CRegistryValuePtr ReadSkypePath() {
    {
        CRegistryKey user(platform::RegistryRoot::CurrentUser, settings::kSkypePhoneKeyPath,
                          platform::access::kRead);
        CRegistryValuePtr path = user.Query(settings::kSkypePath);
        if (path) {
            return path;
        }
    }
    CRegistryKey machine(platform::RegistryRoot::LocalMachine, settings::kSkypePhoneKeyPath,
                         platform::access::kRead);
    return machine.Query(settings::kSkypePath);
}

// Case-sensitive, these two spellings only, anywhere in the name:
// MySkype.exe counts, SKYPE.EXE does not.
bool IsSkypeImage(const std::string& moduleName) {
    return moduleName.find(skype_protocol::kProcessName) != std::string::npos ||
           moduleName.find(skype_protocol::kProcessNameLower) != std::string::npos;
}

}  // namespace

CSkype::CSkype(const host::DispatchPtr& application)
    : application_(application), buddies_(new BuddyVector()), ownerLink_(new OwnerLink{this}) {
    TANDREL_TRACE("CSkype::CSkype");
}

CSkype::~CSkype() {
    TANDREL_TRACE("CSkype::~CSkype");
    // A window left alive would keep calling a handler that is gone.
    if (window_ != platform::kNoWindow) {
        try {
            DestroyMessageWindow();
        } catch (...) {
            caught::Record("CSkype::~CSkype");  // nothing may leave a destructor
        }
    }
    connectionStatusObservers_.clear();
    apiResultObservers_.clear();
    apiErrorObservers_.clear();
    userResultObservers_.Clear();
    userOfResultObserver_.clear();
    allResultObservers_.clear();
    // Records that callers still hold must no longer reach this object.
    ownerLink_->skype = nullptr;
    ForgetBuddies();
    application_.reset();
}

platform::WindowHandle CSkype::CreateMessageWindow() {
    if (window_ != platform::kNoWindow) {
        return window_;
    }
    // OnCreate stores the handle and starts the discovery broadcast.
    const platform::WindowHandle window =
        platform::windowing().CreateHiddenWindow(skype_protocol::kWindowTitle, this);
    if (window != platform::kNoWindow && window_ == platform::kNoWindow) {
        window_ = window;
    }
    return window_;
}

void CSkype::DestroyMessageWindow() {
    if (window_ == platform::kNoWindow) {
        return;
    }
    platform::windowing().DestroyWindow(window_);
    window_ = platform::kNoWindow;
}

void CSkype::OnCreate(platform::WindowHandle self) {
    TANDREL_TRACE("CSkype::OnCreate");
    window_ = self;
    StartDiscovery();
}

void CSkype::OnDestroy(platform::WindowHandle self) {
    // Forgotten first: the window is going whatever emptying the list does.
    window_ = platform::kNoWindow;
    OnDestoy();
}

void CSkype::OnDestoy() {
    TANDREL_TRACE("CSkype::OnDestoy");
    ForgetBuddies();
}

bool CSkype::OnMessage(platform::WindowHandle self, platform::MessageId message,
                       platform::WParam wParam, platform::LParam lParam,
                       platform::LResult* result) {
    const platform::MessageId attach = skype_api::AttachMessage();
    if (attach == 0 || message != attach) {
        return false;
    }
    *result = OnSkypeAPIAttach(wParam, lParam);
    return true;
}

platform::LResult CSkype::OnSkypeAPIAttach(platform::WParam skypeWindow, platform::LParam status) {
    TANDREL_TRACE("CSkype::OnSkypeAPIAttach");
    // The status is compared whole: a value that only looks like 0 in its
    // low bits is an unknown status, not an attachment.
    switch (status) {
        case skype_protocol::kAttachSuccess: {
            StopDiscovery();
            skypeWindow_ = static_cast<platform::WindowHandle>(skypeWindow);
            // A list asked of an earlier attachment is not coming any more.
            friendSearchOutstanding_ = false;
            const std::uint64_t searches = friendSearches_;
            SendCommand(skype_protocol::kNameCommand);
            SendCommand(skype_protocol::kProtocolCommand);
            SendCommand(skype_protocol::kGetCurrentUserCommand);
            SendCommand(skype_protocol::kGetConnStatusCommand);
            // When Skype answers inside the sends, the ONLINE status has
            // had the toolbar ask for the list already (and the list may
            // have come): one list per attachment.
            if (friendSearches_ == searches) {
                SearchFriends();
            }
            pingsSent_ = 0;
            pongsReceived_ = 0;
            if (window_ != platform::kNoWindow) {
                platform::windowing().SetTimer(window_, skype_protocol::kPingTimerId,
                                               skype_protocol::kPingPeriodMs);
            }
            break;
        }
        case skype_protocol::kAttachPendingAuthorization:
        case skype_protocol::kAttachNotAvailable:
            // Skype sends another attach message when the user decides or
            // logs in.
            StopDiscovery();
            break;
        case skype_protocol::kAttachRefused:
            StopDiscovery();
            // Forgotten before the box, not after: Skype's messages go on
            // arriving while it is up, and an attachment the user grants in
            // Skype meanwhile must outlast it.
            skypeWindow_ = platform::kNoWindow;
            Inform(text::LoadAnsiString(ids::kSkypeAccessDenied), platform::mb::kIconInformation);
            break;
        case skype_protocol::kAttachApiAvailable:
            StartDiscovery();
            break;
        default: {
            const std::string message = "Unknown Skype Attachment Status '" +
                                        std::to_string(static_cast<long long>(status)) +
                                        "'. Please report this error and the status to " +
                                        addresses::kSupportEmail;
            Inform(message, platform::mb::kIconExclamation);
            break;
        }
    }
    return 1;
}

void CSkype::OnTimer(platform::WindowHandle self, std::uintptr_t timerId) {
    TANDREL_TRACE("CSkype::OnTimer");
    if (timerId == skype_protocol::kDiscoveryTimerId) {
        platform::windowing().Post(platform::kBroadcast, skype_api::DiscoverMessage(),
                                   static_cast<platform::WParam>(window_), 0);
    } else if (timerId == skype_protocol::kPingTimerId) {
        OnPingTimer();
    }
}

void CSkype::OnPingTimer() {
    if (pingsSent_ == pongsReceived_) {
        ++pingsSent_;
        SendCommand(skype_protocol::kPingCommand);
        return;
    }
    // The last PING went unanswered for a whole period: look for Skype
    // again. The Skype window, status and buddies stay until it answers.
    StartDiscovery();
    platform::windowing().KillTimer(window_, skype_protocol::kPingTimerId);
}

void CSkype::StartDiscovery() {
    if (window_ != platform::kNoWindow) {
        platform::windowing().SetTimer(window_, skype_protocol::kDiscoveryTimerId,
                                       skype_protocol::kDiscoveryPeriodMs);
    }
}

void CSkype::StopDiscovery() {
    if (window_ != platform::kNoWindow) {
        platform::windowing().KillTimer(window_, skype_protocol::kDiscoveryTimerId);
    }
}

bool CSkype::SendCommand(const std::string& command) {
    TANDREL_TRACE("CSkype::SendCommand");
    if (skypeWindow_ == platform::kNoWindow) {
        return false;
    }
    if (!IsSkypeRunning()) {
        return false;
    }
    // The terminating NUL is counted and sent.
    std::vector<char> buffer(command.size() + 1, '\0');
    command.copy(buffer.data(), command.size());
    platform::windowing().SendCopyData(skypeWindow_, window_, 0, buffer.data(),
                                       static_cast<std::uint32_t>(buffer.size()));
    return true;
}

bool CSkype::IsSkypeConnected() {
    TANDREL_TRACE("CSkype::IsSkypeConnected");
    return connectionStatus_ == kConnectionOnline;
}

bool CSkype::PlacesCallsAsLinks() const { return call_via::Read() != call_via::Way::DesktopApi; }

bool CSkype::MayPlaceCalls() { return PlacesCallsAsLinks() || IsSkypeConnected(); }

bool CSkype::IsSkypeRunning() {
    TANDREL_TRACE("CSkype::IsSkypeRunning");
    platform::Processes& processes = platform::processes();
    // Every command asks. The process that made the window Skype attached
    // from answers at once while it runs; only when it has gone (or was
    // never known) are the processes walked, up to the first Skype.
    const platform::ProcessId attached = processes.WindowProcess(skypeWindow_);
    if (attached != platform::kNoProcess) {
        std::string name;
        // A name that cannot be read (EnumProcessModules fails now and then
        // while a program loads or frees a library) says nothing against the
        // window Skype attached from, which is still there and so is its
        // process: the walk would meet the same unreadable name and drop
        // every command meanwhile.
        if (!processes.ModuleNameOf(attached, &name) || IsSkypeImage(name)) {
            return true;
        }
    }
    return processes.FindProcess(&IsSkypeImage, nullptr);
}

bool CSkype::IsSkypeInstalled() {
    TANDREL_TRACE("CSkype::IsSkypeInstalled");
    return static_cast<bool>(ReadSkypePath());
}

void CSkype::StartSkype(const std::string& target) {
    TANDREL_TRACE("CSkype::StartSkype");
    // A quote would close "/callto:" early and make the rest of the target
    // switches of Skype's.
    if (!skype_text::IsSafeTarget(target)) {
        return;
    }
    CRegistryValuePtr path = ReadSkypePath();
    if (!path) {
        return;
    }
    std::string parameters;
    if (!target.empty()) {
        parameters = std::string("\"") + skype_protocol::kCallToSwitch + target + "\"";
    }
    platform::shell().Execute(platform::kNoWindow, "open", path->GetText(), parameters,
                              std::string(), platform::show::kMinimized);
}

int CSkype::Inform(const std::string& text, unsigned flags) {
    return platform::ui().ShowMessageBox(window_, text,
                                         text::LoadAnsiString(ids::kCaptionInformation), flags);
}
