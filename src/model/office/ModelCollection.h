// What the model's collections share: 1-based Item by a VT_I4 (or other
// integer) index, optional arguments left out, and names compared without
// regard to case as Outlook and Office compare them.
#pragma once

#include <cstdint>
#include <cwctype>
#include <string>
#include <vector>

#include "host/Variant.h"

namespace model {

inline std::int32_t CountOf(std::size_t size) { return static_cast<std::int32_t>(size); }

// An optional argument passed as Missing() (or not passed at all).
inline bool Omitted(const std::vector<host::Variant>& args, std::size_t index) {
    return index >= args.size() || args[index].isMissing();
}

inline bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    }
    return true;
}

// Item(index) of a collection: the element as VT_DISPATCH, or
// E_INVALIDARG for an index that is not a number from 1 to the count.
template <class Pointer>
host::HResult ItemAt(const std::vector<Pointer>& items, const host::Variant& index,
                     host::Variant* result) {
    std::int32_t position = 0;
    if (!index.ToInt32(&position) || position < 1 || position > CountOf(items.size())) {
        return host::hr::kInvalidArg;
    }
    *result = host::Variant::Object(items[position - 1]);
    return host::hr::kOk;
}

}  // namespace model
