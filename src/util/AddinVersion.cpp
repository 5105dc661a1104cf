#include "util/AddinVersion.h"

#include <limits>

#include "platform/Platform.h"
#include "util/Text.h"

namespace {

// The leading decimal digits of text[position...], up to the next "." or the
// end; more than 32 bits of digits stay at the largest number.
std::uint32_t LeadingDigits(const std::string& text, std::size_t position) {
    std::uint64_t value = 0;
    for (; position < text.size() && text::IsDigit(text[position]); ++position) {
        value = value * 10 + static_cast<std::uint64_t>(text[position] - '0');
        if (value > std::numeric_limits<std::uint32_t>::max()) {
            return std::numeric_limits<std::uint32_t>::max();
        }
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

CVersion::CVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build,
                   std::uint32_t revision)
    : parts_{major, minor, build, revision} {}

CVersion CVersion::FromText(const std::string& text) {
    CVersion version;
    std::size_t position = 0;
    for (std::uint32_t& part : version.parts_) {
        part = LeadingDigits(text, position);
        const std::size_t dot = text.find('.', position);
        if (dot == std::string::npos) {
            break;  // the parts left are missing: 0
        }
        position = dot + 1;
    }
    return version;
}

bool CVersion::BeginsWithDottedNumber(const std::string& text) {
    std::size_t position = 0;
    while (position < text.size() && text::IsDigit(text[position])) ++position;
    return position > 0 && position + 1 < text.size() && text[position] == '.' &&
           text::IsDigit(text[position + 1]);
}

std::string CVersion::Text() const {
    return std::to_string(parts_[0]) + "." + std::to_string(parts_[1]) + "." +
           std::to_string(parts_[2]) + "." + std::to_string(parts_[3]);
}

CVersion ReadAddinVersion() {
    std::string text;
    if (!platform::resources().LoadFileVersion(&text)) {
        return CVersion();
    }
    return CVersion::FromText(text);
}
