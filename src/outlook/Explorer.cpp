#include "outlook/Explorer.h"

#include "outlook/MAPIFolder.h"

namespace outlook {

std::int32_t Selection::Count() const { return GetNumber("Count", 0); }

host::DispatchPtr Selection::Item(std::int32_t index) const {
    return CallForDispatch("Item", {host::Variant::I4(index)});
}

MAPIFolder Explorer::CurrentFolder() const { return MAPIFolder(GetDispatch("CurrentFolder")); }

Selection Explorer::Selection() const { return outlook::Selection(GetDispatch("Selection")); }

office::CommandBars Explorer::CommandBars() const {
    return office::CommandBars(GetDispatch("CommandBars"));
}

std::int32_t Explorers::Count() const { return GetNumber("Count", 0); }

Explorer Explorers::Item(std::int32_t index) const {
    return Explorer(CallForDispatch("Item", {host::Variant::I4(index)}));
}

}  // namespace outlook
