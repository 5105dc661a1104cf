// The restriction language of the model's Items.Find, as far as the add-in
// uses it: terms "[Property] = 'value'" joined by " Or ". Inside a value a
// doubled apostrophe stands for one. Anything else is malformed and Find
// fails on it, as Outlook raises on a filter it cannot parse.
#pragma once

#include <string>
#include <vector>

namespace model {

struct FindTerm {
    std::wstring property;
    std::wstring value;
};

// The terms of `filter`, or false when it is malformed (unbalanced quotes
// or brackets, a missing "=", an unknown joining word, trailing text...).
bool ParseFindFilter(const std::wstring& filter, std::vector<FindTerm>* terms);

}  // namespace model
