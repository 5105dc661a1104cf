#include "skype/CallVia.h"

#include <string>

#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"

namespace call_via {

const char* Name(Way way) {
    switch (way) {
        case Way::SkypeLinks:
            return "skype";
        case Way::TelLinks:
            return "tel";
        case Way::DesktopApi:
            break;
    }
    return "api";
}

Way Read() {
    const CRegistryValuePtr stored = settings::Read(settings::kCallVia);
    if (!stored) {
        return Way::DesktopApi;
    }
    const std::string name = text::ToLowerAnsi(stored->GetText());
    for (Way way : {Way::SkypeLinks, Way::TelLinks}) {
        if (name == Name(way)) {
            return way;
        }
    }
    return Way::DesktopApi;
}

}  // namespace call_via
