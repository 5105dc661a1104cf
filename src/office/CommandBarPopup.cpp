#include "office/CommandBarPopup.h"

#include "office/CommandBarControls.h"
#include "office/OfficeIds.h"

namespace office {

CommandBarPopup CommandBarPopup::QueryFrom(const CommandBarControl& control) {
    return CommandBarPopup(Query(control.object(), kIID_CommandBarPopup));
}

CommandBarControls CommandBarPopup::Controls() const {
    return CommandBarControls(GetDispatch("Controls"));
}

void CommandBarPopup::SetCaption(const std::wstring& caption) const { PutText("Caption", caption); }
void CommandBarPopup::SetTooltipText(const std::wstring& text) const {
    PutText("TooltipText", text);
}
void CommandBarPopup::SetBeginGroup(bool beginGroup) const { PutFlag("BeginGroup", beginGroup); }
void CommandBarPopup::SetEnabled(bool enabled) const { PutFlag("Enabled", enabled); }

}  // namespace office
