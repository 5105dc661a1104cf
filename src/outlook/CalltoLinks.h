// The Skype names a mail's text links to with "callto://".
#pragma once

#include <string>
#include <vector>

namespace outlook {

constexpr char kCalltoPrefix[] = "callto://";

// The names after each "callto://" (case-sensitive), in order, duplicates
// kept. A name is the run of ASCII letters, digits and ".-_" that follows
// the prefix; an empty run gives no name. A link whose first character is a
// digit (a telephone number) ends the scan: no later link is examined.
std::vector<std::string> FindCalltoNames(const std::string& text);

}  // namespace outlook
