// Unique identifiers: a UUID from the system's generator written as 32
// hexadecimal digits (its text form without the dashes).
#pragma once

#include <string>

// Upper-case digits. The generator's warnings (a UUID unique to this
// machine only, or made without a network address) still give one. Raises
// norv::TransientException from source "guid" when no UUID can be made
// ("Could not Create Unique Identifier", line 66) or written as text
// ("Could not create Unique Identifier", line 77).
std::string NewUniqueId();
