// Two scans of untrusted text: the "callto://" links of a mail body, and
// Outlook's dotted version text. Every name found follows the prefix and is
// made only of name characters; every version part is a number the text
// holds, and a version written out reads back the same.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "outlook/CalltoLinks.h"
#include "outlook/Supported.h"

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::vector<std::string> names = outlook::FindCalltoNames(text);
    std::size_t searchFrom = 0;
    for (const std::string& name : names) {
        fuzz::Require(!name.empty(), "an empty name");
        for (char c : name) fuzz::Require(IsNameCharacter(c), "a name holds another character");
        const std::size_t at = text.find(outlook::kCalltoPrefix + name, searchFrom);
        fuzz::Require(at != std::string::npos, "a name that no link in the text gives");
        searchFrom = at + 1;
    }

    const CSupported::Version version = CSupported::ParseVersion(text);
    fuzz::Require(
        version.major >= 0 && version.minor >= 0 && version.build >= 0 && version.revision >= 0,
        "a negative version part");
    const std::string written =
        std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
        std::to_string(version.build) + "." + std::to_string(version.revision);
    const CSupported::Version again = CSupported::ParseVersion(written);
    fuzz::Require(again.major == version.major && again.minor == version.minor &&
                      again.build == version.build && again.revision == version.revision,
                  "a version written out reads back as another");
    return 0;
}
