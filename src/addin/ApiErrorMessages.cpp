#include "addin/ApiErrorMessages.h"

#include <string>

#include "platform/Platform.h"
#include "resources/StringIds.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

// Skype's codes for what it refuses most often.
constexpr int kUnknownHandle = 70;
constexpr int kInvalidSkypeOutNumber = 92;
constexpr int kCallToSelf = 94;

constexpr char kCaption[] = "Tandrel";

}  // namespace

std::string ApiErrorText(int code, const std::string& description) {
    switch (code) {
        case kUnknownHandle:
            return text::LoadAnsiString(ids::kApiErrorUnknownUser);
        case kInvalidSkypeOutNumber:
            return text::LoadAnsiString(ids::kApiErrorInvalidNumber);
        case kCallToSelf:
            return text::LoadAnsiString(ids::kApiErrorCallSelf);
        default:
            return text::LoadAnsiString(ids::kApiErrorOther) + " [" + std::to_string(code) +
                   "]: " + description;
    }
}

void ShowApiError(int code, const std::string& description) {
    TANDREL_TRACE("CConnect::OnReturnAPIError");
    if (code == 0) {
        return;
    }
    platform::ui().ShowMessageBox(platform::kNoWindow, ApiErrorText(code, description), kCaption,
                                  platform::mb::kOk | platform::mb::kIconError);
}
