// A VARIANT that clears itself, in the habit of Chromium's
// base::win::ScopedVariant: VariantInit when it is made, VariantClear (BSTR
// freed, object released; what a by-reference value points at is left
// alone) when it goes or receives another value. Moving hands the value
// over; Release gives it to the caller, who then clears it.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>

#include <type_traits>
#include <vector>

namespace win32 {

class ScopedVariant {
  public:
    ScopedVariant() noexcept { VariantInit(&value_); }
    ~ScopedVariant() { VariantClear(&value_); }
    ScopedVariant(ScopedVariant&& other) noexcept : value_(other.Release()) {}
    ScopedVariant& operator=(ScopedVariant&& other) noexcept {
        if (this != &other) {
            VariantClear(&value_);
            value_ = other.Release();
        }
        return *this;
    }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;

    const VARIANT& get() const { return value_; }

    // For an out-parameter: clears what it held and lends its storage.
    VARIANT* Receive() {
        VariantClear(&value_);
        return &value_;
    }

    // The value, now the caller's to clear; this one is left empty.
    VARIANT Release() noexcept {
        const VARIANT value = value_;
        VariantInit(&value_);
        return value;
    }

  private:
    VARIANT value_;
};

// A ScopedVariant is its VARIANT and nothing more, so a vector of them is the
// array of VARIANTs DISPPARAMS takes.
static_assert(sizeof(ScopedVariant) == sizeof(VARIANT) &&
                  std::is_standard_layout<ScopedVariant>::value,
              "a ScopedVariant is laid out as its VARIANT");

// The values as one VARIANT array; null when there are none.
inline VARIANT* VariantArray(std::vector<ScopedVariant>& values) {
    return values.empty() ? nullptr : reinterpret_cast<VARIANT*>(values.data());
}

}  // namespace win32
