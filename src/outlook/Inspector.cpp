#include "outlook/Inspector.h"

namespace outlook {

host::DispatchPtr Inspector::CurrentItem() const { return GetDispatch("CurrentItem"); }

std::int32_t Inspector::EditorType() const { return GetNumber("EditorType", kUnknownEditor); }

office::CommandBars Inspector::CommandBars() const {
    return office::CommandBars(GetDispatch("CommandBars"));
}

std::int32_t Inspectors::Count() const { return GetNumber("Count", 0); }

Inspector Inspectors::Item(std::int32_t index) const {
    return Inspector(CallForDispatch("Item", {host::Variant::I4(index)}));
}

}  // namespace outlook
