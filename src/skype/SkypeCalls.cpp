// CSkype's calls, conferences, chats and SkypeOut calls, each behind the
// same checks: Skype installed, running, and online.
#include <string>

#include "platform/Platform.h"
#include "resources/StringIds.h"
#include "skype/CallLinks.h"
#include "skype/CallVia.h"
#include "skype/SafeTargets.h"
#include "skype/Skype.h"
#include "skype/SkypeProtocol.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

constexpr unsigned kInformationOk = platform::mb::kOk | platform::mb::kIconInformation;
constexpr unsigned kInformationYesNo = platform::mb::kYesNo | platform::mb::kIconInformation;
// ShellExecute answers these and below for its failures.
constexpr std::intptr_t kShellExecuteFailures = 32;

}  // namespace

bool CSkype::PreChecks(const std::wstring& target) {
    TANDREL_TRACE("CSkype::PreChecks");
    // Before anything else, since the next checks may already launch Skype
    // with the target on its command line.
    if (!skype_text::IsSafeTarget(text::ToAnsi(target))) {
        Inform(text::LoadAnsiString(ids::kUnsafeTarget), kInformationOk);
        return false;
    }
    if (!IsSkypeInstalled()) {
        Inform(text::LoadAnsiString(ids::kSkypeNotInstalled), kInformationOk);
        return false;
    }
    if (!IsSkypeRunning()) {
        // Launched with the target, Skype places the call itself; the
        // operation asked for is not repeated later.
        if (Inform(text::LoadAnsiString(ids::kSkypeNotRunning), kInformationYesNo) ==
            platform::answer::kYes) {
            StartSkype(text::ToAnsi(target));
        }
        return false;
    }
    if (!IsSkypeConnected()) {
        Inform(text::LoadAnsiString(ids::kNotLoggedIn), kInformationOk);
        return false;
    }
    return true;
}

void CSkype::OpenCallLink(const char* scheme, const std::string& link) {
    TANDREL_TRACE("CSkype::OpenCallLink");
    if (link.empty()) {
        return;  // no target left to call
    }
    const bool tel = std::string(scheme) == call_links::kTelScheme;
    // The shell would only say that nothing opens the link, or offer to
    // look for a program in a store: the user is told what to do instead.
    const CRegistryKey handler(platform::RegistryRoot::ClassesRoot, scheme,
                               platform::access::kRead);
    if (handler.IsNull() ||
        platform::shell().Execute(window_, "open", link, "", "", platform::show::kNormal) <=
            kShellExecuteFailures) {
        Inform(text::LoadAnsiString(tel ? ids::kNoTelLinkProgram : ids::kNoSkypeLinkProgram),
               kInformationOk);
    }
}

bool CSkype::MayCallOrChat(const std::string& target, unsigned selfMessageId) {
    if (target == currentUserHandle_) {
        Inform(text::LoadAnsiString(selfMessageId), kInformationOk);
        return false;
    }
    // Any blank marks a conference ("a, b").
    if (target.find(' ') != std::string::npos && protocol_ < skype_protocol::kConferenceProtocol) {
        Inform(text::LoadAnsiString(ids::kNoConferenceSupport), kInformationOk);
        return false;
    }
    return true;
}

void CSkype::SkypeIPCall(const std::wstring& target) {
    TANDREL_TRACE("CSkype::SkypeIPCall");
    if (call_via::Read() != call_via::Way::DesktopApi) {
        // A link needs neither the desktop API nor its checks.
        OpenCallLink(call_links::kSkypeScheme,
                     call_links::ForSkypeNames(target, call_links::Action::Call));
        return;
    }
    if (!PreChecks(target)) {
        return;
    }
    const std::string ansiTarget = text::ToAnsi(target);
    if (!MayCallOrChat(ansiTarget, ids::kCannotCallSelf)) {
        return;
    }
    SendCommand(skype_protocol::kCallPrefix + ansiTarget);
}

void CSkype::SkypeIMChat(const std::wstring& target) {
    TANDREL_TRACE("CSkype::SkypeIMChat");
    if (call_via::Read() != call_via::Way::DesktopApi) {
        OpenCallLink(call_links::kSkypeScheme,
                     call_links::ForSkypeNames(target, call_links::Action::Chat));
        return;
    }
    if (!PreChecks(target)) {
        return;
    }
    const std::string ansiTarget = text::ToAnsi(target);
    if (!MayCallOrChat(ansiTarget, ids::kCannotChatSelf)) {
        return;
    }
    SendCommand(skype_protocol::kOpenImPrefix + ansiTarget);
}

void CSkype::SkypeOut(const std::wstring& number) {
    TANDREL_TRACE("CSkype::SkypeOut");
    std::wstring dialled = number;
    if (!settings::ReadBoolean(settings::kBypass, settings::kDefaultBypass)) {
        if (!SkypifyPhoneNumber(dialled)) {
            Inform(text::LoadAnsiString(ids::kInvalidPhoneNumber), kInformationOk);
            return;
        }
    }
    switch (call_via::Read()) {
        case call_via::Way::TelLinks:
            OpenCallLink(call_links::kTelScheme, call_links::ForTelNumber(dialled));
            return;
        case call_via::Way::SkypeLinks:
            OpenCallLink(call_links::kSkypeScheme, call_links::ForSkypeNumber(dialled));
            return;
        case call_via::Way::DesktopApi:
            break;
    }
    if (!PreChecks(dialled)) {
        return;
    }
    SendCommand(skype_protocol::kFocusCommand);
    SendCommand(skype_protocol::kCallPrefix + text::ToAnsi(dialled));
}
