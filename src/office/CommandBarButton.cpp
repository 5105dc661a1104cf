#include "office/CommandBarButton.h"

#include "office/OfficeIds.h"

namespace office {

CommandBarButton CommandBarButton::QueryFrom(const CommandBarControl& control) {
    return CommandBarButton(Query(control.object(), kIID_CommandBarButton));
}

std::wstring CommandBarButton::Tag() const { return GetText("Tag"); }
void CommandBarButton::SetTag(const std::wstring& tag) const { PutText("Tag", tag); }
void CommandBarButton::SetTooltipText(const std::wstring& text) const {
    PutText("TooltipText", text);
}
void CommandBarButton::SetCaption(const std::wstring& caption) const {
    PutText("Caption", caption);
}
void CommandBarButton::SetStyle(std::int32_t style) const { PutNumber("Style", style); }
void CommandBarButton::SetFaceId(std::int32_t faceId) const { PutNumber("FaceId", faceId); }
void CommandBarButton::SetPicture(const host::DispatchPtr& picture) const {
    PutVariant("Picture", host::Variant::Object(picture));
}
void CommandBarButton::SetMask(const host::DispatchPtr& mask) const {
    PutVariant("Mask", host::Variant::Object(mask));
}
void CommandBarButton::SetEnabled(bool enabled) const { PutFlag("Enabled", enabled); }
void CommandBarButton::SetVisible(bool visible) const { PutFlag("Visible", visible); }

}  // namespace office
