#include "outlook/Supported.h"

#include <limits>

#include "outlook/Application.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

// Leading ASCII digits of text[begin, end), clamped rather than overflowing.
std::int32_t LeadingDigits(const std::string& text, std::size_t begin, std::size_t end) {
    const std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (std::size_t i = begin; i < end && text::IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            return static_cast<std::int32_t>(limit);
        }
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

CSupported::Version CSupported::ParseVersion(const std::string& text) {
    std::int32_t parts[4] = {0, 0, 0, 0};
    std::size_t begin = 0;
    for (int part = 0; part < 4 && begin <= text.size(); ++part) {
        std::size_t end = text.find('.', begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        parts[part] = LeadingDigits(text, begin, end);
        begin = end + 1;
    }
    Version version;
    version.major = parts[0];
    version.minor = parts[1];
    version.build = parts[2];
    version.revision = parts[3];
    return version;
}

CSupported::Version CSupported::GetVersion(const outlook::Application& application) {
    TANDREL_TRACE("CSupported::GetVersion");
    return ParseVersion(text::ToAnsi(application.Version()));
}

bool CSupported::IsSupportedFeature(const outlook::Application& application, int feature) {
    TANDREL_TRACE("CSupported::IsSupportedFeature");
    if (application.IsNull()) {
        return true;
    }
    const Version version = GetVersion(application);
    switch (feature) {
        case kEmailAddresses:
            // Outlook 2002, and Outlook 2000 from revision 4201 on, guard
            // address reads with a security prompt; those are not read there.
            return !(version.major == 10 || (version.major == 9 && version.revision >= 4201));
        case kButtonPictures:
            return version.major > 9;
        case kRibbon:
            return version.major >= 14;
        default:
            return true;
    }
}
