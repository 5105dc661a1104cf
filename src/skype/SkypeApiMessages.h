// The two registered window messages of Skype's desktop API. Their numbers
// are asked of the windowing port once per process and kept: every window
// of the desktop gets the same number for the same name.
#pragma once

#include "platform/Types.h"

namespace skype_api {

// "SkypeControlAPIDiscover": broadcast by a client looking for Skype.
platform::MessageId DiscoverMessage();
// "SkypeControlAPIAttach": Skype's answer, with an attach status.
platform::MessageId AttachMessage();

// Tests and the simulator make a fresh model desktop now and then; a desktop
// hands out its own numbers, so the kept numbers are asked for again when
// the installed windowing port is not the one they came from, or after this.
void ForgetMessageNumbers();

}  // namespace skype_api
