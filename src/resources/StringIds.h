// Numbers of the module's string resources, by name.
#pragma once

namespace ids {

enum StringId : unsigned {
#define TANDREL_STRING(number, identifier, text) identifier = number,
#include "resources/strings.inc"
#undef TANDREL_STRING
};

}  // namespace ids
