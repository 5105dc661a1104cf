// How a user names a command-bar control: the one rule by which every
// host's Outlook user finds a control. A control's name is its caption, or
// its tooltip when it has no caption, without the access key's '&', the
// blanks around it and a label's closing ':', with case ignored: "skype"
// names the combo box captioned "Skype: ", "&open" and "Open" the entry
// "&Open". A name is whole: "call" does not name "Call Contact via Skype".
#pragma once

#include <string>

#include "model/office/ModelCommandBars.h"

namespace model {

// `name` as the rule compares it.
std::wstring NormalName(const std::wstring& name);
// The control's name, as the rule compares it.
std::wstring ControlName(const ModelCommandBarControl& control);

// The first control named `name` among `controls` and, right after each
// popup, its items; of type `type` (office::control_type::...) unless it
// is 0. Null when none is.
ModelCommandBarControlPtr FindControl(const ModelCommandBarControls& controls,
                                      const std::wstring& name, int type = 0);
// The same over every bar of `bars` in order, the context menu left out.
ModelCommandBarControlPtr FindControl(const ModelCommandBars& bars, const std::wstring& name,
                                      int type = 0);

}  // namespace model
