// A dialog as a person would read it: its title, then one line per control
// in the template's order with what it shows (its text; a list's number of
// items and its selection), its identifier when it has one, and its state.
// The simulator draws the model's dialogs so, and OutlookHost.exe the real
// ones it finds under Wine.
//
//     dialog "Tandrel Information"
//     1 group "International Dialing Code"
//     4 sorted list 217 137 items, selected "United Kingdom"
//     5 check box 218 checked
//     7 default button 1 "OK" disabled
//
// Texts outside printable ASCII show as \u{...}, as in the command bars' text.
#pragma once

#include <map>
#include <string>

#include "model/ModelUi.h"

namespace model {

// `controls` are the states of the controls that have an identifier; the
// others show as the template has them.
std::string DescribeDialog(const DialogTemplate& dialogTemplate,
                           const std::map<int, ModelUi::ControlState>& controls);
// How the user calls the module's dialogs: "The country chooser", ...
std::string DialogName(int templateId);
// How a button the user chose to end a box or dialog reads: "OK", "No", ...
std::string AnswerName(int answer);
// The lines of `after` that differ from the line in the same place of
// `before`: what changed while a dialog was open.
std::string ChangedLines(const std::string& before, const std::string& after);

}  // namespace model
