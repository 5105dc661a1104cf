#include "skype/SafeTargets.h"

#include <algorithm>

namespace skype_text {

namespace {

bool Hostile(char c) { return c == '"' || static_cast<unsigned char>(c) < 0x20; }

}  // namespace

bool IsSafeTarget(const std::string& ansi) {
    return std::none_of(ansi.begin(), ansi.end(), Hostile);
}

bool IsSafeHandle(const std::string& ansi) {
    return IsSafeTarget(ansi) && ansi.find(' ') == std::string::npos;
}

}  // namespace skype_text
