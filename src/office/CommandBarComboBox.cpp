#include "office/CommandBarComboBox.h"

#include "office/OfficeIds.h"

namespace office {

CommandBarComboBox CommandBarComboBox::QueryFrom(const CommandBarControl& control) {
    return CommandBarComboBox(Query(control.object(), kIID_CommandBarComboBox));
}

std::wstring CommandBarComboBox::Text() const { return GetText("Text"); }
void CommandBarComboBox::SetText(const std::wstring& text) const { PutText("Text", text); }

void CommandBarComboBox::AddItem(const std::wstring& text) const {
    CallOrThrow("AddItem", {host::Variant::Bstr(text), host::Variant::Missing()},
                kIID_CommandBarComboBox);
}

void CommandBarComboBox::Clear() const { CallOrThrow("Clear", {}, kIID_CommandBarComboBox); }

void CommandBarComboBox::SetListIndex(std::int32_t index) const { PutNumber("ListIndex", index); }
void CommandBarComboBox::SetStyle(std::int32_t style) const { PutNumber("Style", style); }
void CommandBarComboBox::SetCaption(const std::wstring& caption) const {
    PutText("Caption", caption);
}
void CommandBarComboBox::SetWidth(std::int32_t width) const { PutNumber("Width", width); }
void CommandBarComboBox::SetTooltipText(const std::wstring& text) const {
    PutText("TooltipText", text);
}
void CommandBarComboBox::SetVisible(bool visible) const { PutFlag("Visible", visible); }

}  // namespace office
