// A model command bar as a person would read it: one line per control, in
// order, with what it shows (caption, text, list entries, face, picture,
// tooltip), its tag and its state. Tests print it when they fail, and the
// simulator shows it.
//
//     bar "tandrel" position 1 visible
//     1 combo "Skype: " width 250 label text "echo123 (Online)" list ["echo123 (Online)"]
//     2 button icon face 610 picture 229 mask 227 tag "echo123"+id tooltip "..."
//     7 popup "Help" group
//       7.1 button "Tandrel Help" icon+caption face 984 group
//
// A tag ending in a button's unique id (32 upper-case hexadecimal digits)
// is shown without it, marked "+id". Texts outside ASCII show as \u{...}.
#pragma once

#include <string>

#include "model/office/ModelCommandBars.h"

namespace model {

std::string DescribeBar(const ModelCommandBar& bar);
// The controls alone, numbered from `prefix` ("7." for a popup's items).
std::string DescribeControls(const ModelCommandBarControls& controls,
                             const std::string& prefix = std::string());
// One control's line without its number.
std::string DescribeControl(const ModelCommandBarControl& control);
// Text in double quotes, with '"' and '\\' escaped and all but printable
// ASCII as \u{...}.
std::string QuotedText(const std::wstring& text);

}  // namespace model
