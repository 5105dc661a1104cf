#include "office/CommandBarControls.h"

#include "office/OfficeIds.h"

namespace office {

bool CommandBarControl::BeginGroup() const { return GetFlag("BeginGroup"); }

void CommandBarControl::SetBeginGroup(bool beginGroup) const { PutFlag("BeginGroup", beginGroup); }

std::wstring CommandBarControl::Tag() const { return GetText("Tag"); }

void CommandBarControl::Delete() const {
    CallOrThrow("Delete", {host::Variant::Missing()}, kIID_CommandBarControl);
}

std::int32_t CommandBarControls::Count() const { return GetNumber("Count", 0); }

CommandBarControl CommandBarControls::Item(std::int32_t index) const {
    return CommandBarControl(GetDispatch("Item", {host::Variant::I4(index)}));
}

CommandBarControl CommandBarControls::Add(std::int32_t type, const host::Variant& before,
                                          bool temporary) const {
    return CommandBarControl(CallForDispatch(
        "Add", {host::Variant::I4(type), host::Variant::Missing(), host::Variant::Missing(), before,
                host::Variant::I2(temporary ? host::kVariantTrue : host::kVariantFalse)}));
}

}  // namespace office
