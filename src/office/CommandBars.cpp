#include "office/CommandBars.h"

#include "office/CommandBarControls.h"
#include "office/OfficeIds.h"

namespace office {

std::wstring CommandBar::Name() const { return GetText("Name"); }

CommandBarControls CommandBar::Controls() const {
    return CommandBarControls(GetDispatch("Controls"));
}

void CommandBar::SetVisible(bool visible) const { PutFlag("Visible", visible); }
void CommandBar::SetEnabled(bool enabled) const { PutFlag("Enabled", enabled); }

std::int32_t CommandBar::Position(std::int32_t fallback) const {
    return GetNumber("Position", fallback);
}
void CommandBar::SetPosition(std::int32_t position) const { PutNumber("Position", position); }

std::int32_t CommandBar::Left(std::int32_t fallback) const { return GetNumber("Left", fallback); }
void CommandBar::SetLeft(std::int32_t left) const { PutNumber("Left", left); }

std::int32_t CommandBar::Top(std::int32_t fallback) const { return GetNumber("Top", fallback); }
void CommandBar::SetTop(std::int32_t top) const { PutNumber("Top", top); }

std::int32_t CommandBar::RowIndex(std::int32_t fallback) const {
    return GetNumber("RowIndex", fallback);
}
void CommandBar::SetRowIndex(std::int32_t row) const { PutNumber("RowIndex", row); }

std::int32_t CommandBar::Protection(std::int32_t fallback) const {
    return GetNumber("Protection", fallback);
}
void CommandBar::SetProtection(std::int32_t protection) const {
    PutNumber("Protection", protection);
}

void CommandBar::Delete() const { CallOrThrow("Delete", {}, kIID_CommandBar); }

std::int32_t CommandBars::Count() const { return GetNumber("Count", 0); }

CommandBar CommandBars::Item(std::int32_t index) const {
    return CommandBar(GetDispatch("Item", {host::Variant::I4(index)}));
}

CommandBar CommandBars::Add(const std::wstring& name, std::int32_t position, bool temporary) const {
    return CommandBar(CallForDispatch(
        "Add", {host::Variant::Bstr(name), host::Variant::I4(position), host::Variant::Missing(),
                host::Variant::I2(temporary ? host::kVariantTrue : host::kVariantFalse)}));
}

}  // namespace office
