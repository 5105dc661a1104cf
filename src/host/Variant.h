// A VARIANT as the add-in uses it: the kinds Outlook and Office exchange
// with it, "missing" optional arguments, and by-reference booleans (the
// CancelDefault of a Click event).
#pragma once

#include <cstdint>
#include <string>

#include <boost/shared_ptr.hpp>

#include "host/HResult.h"

namespace host {

class Dispatch;
typedef boost::shared_ptr<Dispatch> DispatchPtr;

// VARTYPE numbers.
enum class VarType : std::uint16_t {
    Empty = 0,     // VT_EMPTY
    Null = 1,      // VT_NULL
    I2 = 2,        // VT_I2
    I4 = 3,        // VT_I4
    Bstr = 8,      // VT_BSTR
    Dispatch = 9,  // VT_DISPATCH
    Error = 10,    // VT_ERROR
    Bool = 11,     // VT_BOOL (VARIANT_BOOL: -1 true, 0 false)
};
constexpr std::uint16_t kVtByRef = 0x4000;  // VT_BYREF

constexpr std::int16_t kVariantTrue = -1;
constexpr std::int16_t kVariantFalse = 0;

class Variant {
  public:
    Variant() = default;  // VT_EMPTY

    static Variant Null();
    static Variant I2(std::int16_t value);
    static Variant I4(std::int32_t value);
    // VARIANT_BOOL: true is -1.
    static Variant Bool(bool value);
    static Variant Bstr(const std::wstring& value);
    // A VT_BSTR holding a null BSTR (what COM returns for "no text").
    static Variant NullBstr();
    static Variant Object(const DispatchPtr& value);
    static Variant Error(HResult code);
    // An omitted optional argument: VT_ERROR with DISP_E_PARAMNOTFOUND.
    static Variant Missing();
    // VT_BOOL | VT_BYREF: the callee writes through `target`.
    static Variant BoolRef(std::int16_t* target);

    VarType type() const { return type_; }
    bool isByRef() const { return byRef_; }
    // The full VARTYPE word, VT_BYREF included.
    std::uint16_t vt() const {
        return static_cast<std::uint16_t>(static_cast<std::uint16_t>(type_) |
                                          (byRef_ ? kVtByRef : 0));
    }

    bool isEmpty() const { return type_ == VarType::Empty; }
    bool isMissing() const;
    bool isNullBstr() const { return type_ == VarType::Bstr && nullBstr_; }

    // Accessors for the kind held; a kind mismatch gives the zero value.
    std::int16_t i2() const;
    std::int32_t i4() const;
    // The VARIANT_BOOL word (by reference: the value pointed to).
    std::int16_t boolWord() const;
    bool boolValue() const { return boolWord() != kVariantFalse; }
    const std::wstring& bstr() const;
    DispatchPtr object() const;
    HResult error() const;
    std::int16_t* boolRef() const { return byRef_ ? boolTarget_ : nullptr; }

    // Loose readers for results: numbers of any integer kind (and VT_BOOL)
    // as 32-bit; false for other kinds.
    bool ToInt32(std::int32_t* value) const;
    // The text of a VT_BSTR; empty for a null BSTR or another kind.
    std::wstring ToText() const;

    // "VT_I4 3", "VT_ERROR 0x80020004 (missing)", ... for test messages.
    std::string Describe() const;

    friend bool operator==(const Variant& a, const Variant& b);
    friend bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }

  private:
    VarType type_ = VarType::Empty;
    bool byRef_ = false;
    bool nullBstr_ = false;
    std::int32_t number_ = 0;  // I2, I4, Bool, Error
    std::wstring text_;
    DispatchPtr object_;
    std::int16_t* boolTarget_ = nullptr;
};

}  // namespace host
