// How calls and chats leave the add-in ("CallVia"): through the desktop API
// of classic Skype, or as links the shell hands to whichever program opens
// them, which is what later Skype clients and most softphones offer.
#pragma once

namespace call_via {

enum class Way {
    DesktopApi,  // commands to classic Skype over its window messages
    SkypeLinks,  // skype:<targets>?call and ?chat, numbers included
    TelLinks,    // SkypeOut numbers as tel:<number>; Skype names as skype: links
};

// The setting's text for each way: "api", "skype", "tel".
const char* Name(Way way);
// "CallVia" as stored: absent, "api", or a text that names no way (a value
// written by hand, another program's) keep the desktop API, the way calls
// always went; the names are matched without regard to case.
Way Read();

}  // namespace call_via
