#include "host/Variant.h"

#include <cstdio>

#include "host/Dispatch.h"

namespace host {

Variant Variant::Null() {
    Variant v;
    v.type_ = VarType::Null;
    return v;
}

Variant Variant::I2(std::int16_t value) {
    Variant v;
    v.type_ = VarType::I2;
    v.number_ = value;
    return v;
}

Variant Variant::I4(std::int32_t value) {
    Variant v;
    v.type_ = VarType::I4;
    v.number_ = value;
    return v;
}

Variant Variant::Bool(bool value) {
    Variant v;
    v.type_ = VarType::Bool;
    v.number_ = value ? kVariantTrue : kVariantFalse;
    return v;
}

Variant Variant::Bstr(const std::wstring& value) {
    Variant v;
    v.type_ = VarType::Bstr;
    v.text_ = value;
    return v;
}

Variant Variant::NullBstr() {
    Variant v;
    v.type_ = VarType::Bstr;
    v.nullBstr_ = true;
    return v;
}

Variant Variant::Object(const DispatchPtr& value) {
    Variant v;
    v.type_ = VarType::Dispatch;
    v.object_ = value;
    return v;
}

Variant Variant::Error(HResult code) {
    Variant v;
    v.type_ = VarType::Error;
    v.number_ = code;
    return v;
}

Variant Variant::Missing() { return Error(hr::kParamNotFound); }

Variant Variant::BoolRef(std::int16_t* target) {
    Variant v;
    v.type_ = VarType::Bool;
    v.byRef_ = true;
    v.boolTarget_ = target;
    return v;
}

bool Variant::isMissing() const {
    return type_ == VarType::Error && !byRef_ && number_ == hr::kParamNotFound;
}

std::int16_t Variant::i2() const {
    return type_ == VarType::I2 ? static_cast<std::int16_t>(number_) : 0;
}

std::int32_t Variant::i4() const { return type_ == VarType::I4 ? number_ : 0; }

std::int16_t Variant::boolWord() const {
    if (type_ != VarType::Bool) {
        return kVariantFalse;
    }
    if (byRef_) {
        return boolTarget_ ? *boolTarget_ : kVariantFalse;
    }
    return static_cast<std::int16_t>(number_);
}

const std::wstring& Variant::bstr() const {
    static const std::wstring kEmpty;
    return type_ == VarType::Bstr ? text_ : kEmpty;
}

DispatchPtr Variant::object() const { return type_ == VarType::Dispatch ? object_ : DispatchPtr(); }

HResult Variant::error() const { return type_ == VarType::Error ? number_ : hr::kOk; }

bool Variant::ToInt32(std::int32_t* value) const {
    switch (type_) {
        case VarType::I2:
        case VarType::I4:
            *value = number_;
            return true;
        case VarType::Bool:
            *value = boolWord();
            return true;
        default:
            return false;
    }
}

std::wstring Variant::ToText() const { return type_ == VarType::Bstr ? text_ : std::wstring(); }

std::string Variant::Describe() const {
    char buffer[64];
    std::string prefix = byRef_ ? "VT_BYREF|" : "";
    switch (type_) {
        case VarType::Empty:
            return prefix + "VT_EMPTY";
        case VarType::Null:
            return prefix + "VT_NULL";
        case VarType::I2:
            return prefix + "VT_I2 " + std::to_string(number_);
        case VarType::I4:
            return prefix + "VT_I4 " + std::to_string(number_);
        case VarType::Bool:
            return prefix + "VT_BOOL " + std::to_string(boolWord());
        case VarType::Bstr: {
            if (nullBstr_) {
                return prefix + "VT_BSTR (null)";
            }
            std::string narrow;
            for (wchar_t c : text_) {
                narrow += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
            }
            return prefix + "VT_BSTR \"" + narrow + "\"";
        }
        case VarType::Dispatch:
            return prefix + (object_ ? "VT_DISPATCH" : "VT_DISPATCH (null)");
        case VarType::Error:
            std::snprintf(buffer, sizeof buffer, "VT_ERROR 0x%08X%s",
                          static_cast<unsigned>(number_), isMissing() ? " (missing)" : "");
            return prefix + buffer;
    }
    return prefix + "VT_?";
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.type_ != b.type_ || a.byRef_ != b.byRef_) {
        return false;
    }
    if (a.byRef_) {
        return a.boolTarget_ == b.boolTarget_;
    }
    switch (a.type_) {
        case VarType::Bstr:
            return a.nullBstr_ == b.nullBstr_ && a.text_ == b.text_;
        case VarType::Dispatch:
            if (!a.object_ || !b.object_) {
                return a.object_ == b.object_;
            }
            return a.object_->Identity() == b.object_->Identity();
        default:
            return a.number_ == b.number_;
    }
}

}  // namespace host
