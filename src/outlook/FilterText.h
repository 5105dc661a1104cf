// The text of an Items.Find restriction: "[Property] = 'value'", with every
// apostrophe of the value doubled, as the filter syntax escapes a quote
// inside a quoted value. Whatever a value holds (a Skype name, an address,
// a caller's name), it can neither break the filter nor add terms.
#pragma once

#include <string>

namespace outlook {

// "'value'" with the value's apostrophes doubled.
std::string QuoteFilterValue(const std::string& value);
// "[property] = 'value'" for an ANSI value.
std::string PropertyEquals(const std::string& property, const std::string& value);

}  // namespace outlook
