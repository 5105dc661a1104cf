// The Items.Find restriction that matches a contact by any of its three
// e-mail addresses.
#pragma once

#include <string>

namespace outlook {

// "[Email1Address] = 'a' Or [Email2Address] = 'a' Or [Email3Address] = 'a'"
// for the ANSI address a. Every apostrophe of the address is doubled, as
// the filter syntax escapes a quote inside a quoted value: the address can
// neither break the filter nor add terms of its own.
std::string BuildEmailAddressFilter(const std::string& address);

}  // namespace outlook
