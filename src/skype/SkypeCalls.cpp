// CSkype's calls, conferences, chats and SkypeOut calls, each behind the
// same checks: Skype installed, running, and online.
#include <string>

#include "platform/Platform.h"
#include "resources/StringIds.h"
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
    if (!PreChecks(dialled)) {
        return;
    }
    SendCommand(skype_protocol::kFocusCommand);
    SendCommand(skype_protocol::kCallPrefix + text::ToAnsi(dialled));
}
