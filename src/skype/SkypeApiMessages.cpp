#include "skype/SkypeApiMessages.h"

#include "platform/Platform.h"
#include "skype/SkypeProtocol.h"

namespace skype_api {

namespace {

struct Numbers {
    const platform::Windowing* source = nullptr;
    platform::MessageId discover = 0;
    platform::MessageId attach = 0;
};

Numbers g_numbers;

const Numbers& Obtain() {
    platform::Windowing& windowing = platform::windowing();
    if (g_numbers.source != &windowing || g_numbers.discover == 0 || g_numbers.attach == 0) {
        g_numbers.discover = windowing.RegisterMessage(skype_protocol::kDiscoverMessageName);
        g_numbers.attach = windowing.RegisterMessage(skype_protocol::kAttachMessageName);
        g_numbers.source = &windowing;
    }
    return g_numbers;
}

}  // namespace

platform::MessageId DiscoverMessage() { return Obtain().discover; }

platform::MessageId AttachMessage() { return Obtain().attach; }

void ForgetMessageNumbers() { g_numbers = Numbers(); }

}  // namespace skype_api
