#include "win32/com/ComVariant.h"

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>
#include <wrl/client.h>

#include <climits>
#include <cstdint>
#include <string>

#include "win32/com/ComDispatch.h"
#include "win32/com/ScopedVariant.h"

namespace win32 {

static_assert(sizeof(OLECHAR) == sizeof(wchar_t), "BSTR text is std::wstring text");
static_assert(sizeof(VARIANT_BOOL) == sizeof(std::int16_t), "a VARIANT_BOOL is a 16-bit word");

namespace {

using host::Variant;

// The text of a kind the host vocabulary does not have, as the user's
// locale shows it; empty when the host cannot convert it.
Variant AsText(const VARIANT& in) {
    ScopedVariant text;
    if (FAILED(VariantChangeType(text.Receive(), const_cast<VARIANT*>(&in), 0, VT_BSTR))) {
        return Variant();
    }
    const BSTR converted = text.get().bstrVal;
    return converted ? Variant::Bstr(std::wstring(converted, SysStringLen(converted)))
                     : Variant::NullBstr();
}

Variant AsInt32OrText(long long value, const VARIANT& in) {
    if (value >= INT32_MIN && value <= INT32_MAX) {
        return Variant::I4(static_cast<std::int32_t>(value));
    }
    return AsText(in);
}

Variant FromValue(const VARIANT& in, int depth) {
    if (in.vt & VT_BYREF) {
        // Read through the reference; a reference to a reference is the
        // furthest a well-formed VARIANT goes.
        if (!in.byref || depth > 1) {
            return Variant();
        }
        if (in.vt == (VT_BSTR | VT_BYREF)) {
            // Directly: copying would turn a null BSTR into an empty one.
            const BSTR text = *in.pbstrVal;
            return text ? Variant::Bstr(std::wstring(text, SysStringLen(text)))
                        : Variant::NullBstr();
        }
        ScopedVariant value;
        if (FAILED(VariantCopyInd(value.Receive(), const_cast<VARIANT*>(&in)))) {
            return Variant();
        }
        return FromValue(value.get(), depth + 1);
    }
    if (in.vt & (VT_ARRAY | VT_VECTOR)) {
        return Variant();
    }
    switch (in.vt) {
        case VT_EMPTY:
            return Variant();
        case VT_NULL:
            return Variant::Null();
        case VT_I2:
            return Variant::I2(in.iVal);
        case VT_I4:
            return Variant::I4(in.lVal);
        case VT_BOOL:
            return Variant::Bool(in.boolVal != VARIANT_FALSE);
        case VT_ERROR:
            return Variant::Error(in.scode);
        case VT_BSTR:
            return in.bstrVal ? Variant::Bstr(std::wstring(in.bstrVal, SysStringLen(in.bstrVal)))
                              : Variant::NullBstr();
        case VT_DISPATCH:
            return Variant::Object(ComDispatch::Wrap(in.pdispVal));
        case VT_UNKNOWN: {
            Microsoft::WRL::ComPtr<IDispatch> object;
            if (in.punkVal &&
                SUCCEEDED(in.punkVal->QueryInterface(
                    IID_IDispatch, reinterpret_cast<void**>(object.GetAddressOf())))) {
                return Variant::Object(ComDispatch::Wrap(object.Get()));
            }
            return Variant::Object(host::DispatchPtr());
        }
        case VT_I1:
            return Variant::I4(in.cVal);
        case VT_UI1:
            return Variant::I4(in.bVal);
        case VT_UI2:
            return Variant::I4(in.uiVal);
        case VT_INT:
            return Variant::I4(in.intVal);
        case VT_UI4:
            return AsInt32OrText(in.ulVal, in);
        case VT_UINT:
            return AsInt32OrText(in.uintVal, in);
        case VT_I8:
            return AsInt32OrText(in.llVal, in);
        case VT_UI8:
            return in.ullVal <= static_cast<ULONGLONG>(INT32_MAX)
                       ? Variant::I4(static_cast<std::int32_t>(in.ullVal))
                       : AsText(in);
        case VT_R4:
        case VT_R8:
        case VT_DATE:
        case VT_CY:
        case VT_DECIMAL:
            return AsText(in);
        default:
            return Variant();
    }
}

}  // namespace

host::HResult ToVariant(const Variant& value, VARIANT* out) {
    VariantInit(out);
    switch (value.type()) {
        case host::VarType::Empty:
            return S_OK;
        case host::VarType::Null:
            out->vt = VT_NULL;
            return S_OK;
        case host::VarType::I2:
            out->vt = VT_I2;
            out->iVal = value.i2();
            return S_OK;
        case host::VarType::I4:
            out->vt = VT_I4;
            out->lVal = value.i4();
            return S_OK;
        case host::VarType::Bool:
            if (value.isByRef()) {
                if (!value.boolRef()) {
                    return E_INVALIDARG;
                }
                out->vt = VT_BOOL | VT_BYREF;
                out->pboolVal = reinterpret_cast<VARIANT_BOOL*>(value.boolRef());
                return S_OK;
            }
            out->vt = VT_BOOL;
            out->boolVal = value.boolValue() ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        case host::VarType::Bstr: {
            if (value.isNullBstr()) {
                out->vt = VT_BSTR;
                out->bstrVal = nullptr;
                return S_OK;
            }
            const std::wstring& text = value.bstr();
            if (text.size() > static_cast<std::size_t>(UINT_MAX / sizeof(OLECHAR)) - 1) {
                return E_OUTOFMEMORY;
            }
            BSTR copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            if (!copy) {
                return E_OUTOFMEMORY;
            }
            out->vt = VT_BSTR;
            out->bstrVal = copy;
            return S_OK;
        }
        case host::VarType::Dispatch: {
            Microsoft::WRL::ComPtr<IDispatch> object;
            if (host::DispatchPtr held = value.object()) {
                ComDispatch* com = dynamic_cast<ComDispatch*>(held.get());
                if (!com) {
                    return DISP_E_TYPEMISMATCH;  // not an object this process got from COM
                }
                object = com->object();
            }
            out->vt = VT_DISPATCH;
            out->pdispVal = object.Detach();  // the VARIANT owns this reference
            return S_OK;
        }
        case host::VarType::Error:
            out->vt = VT_ERROR;
            out->scode = value.error();
            return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
}

Variant FromVariant(const VARIANT& in) { return FromValue(in, 0); }

Variant FromEventArgument(const VARIANT& in) {
    if (in.vt == (VT_BOOL | VT_BYREF) && in.pboolVal) {
        return Variant::BoolRef(reinterpret_cast<std::int16_t*>(in.pboolVal));
    }
    if (in.vt == (VT_VARIANT | VT_BYREF) && in.pvarVal && in.pvarVal->vt == VT_BOOL) {
        return Variant::BoolRef(reinterpret_cast<std::int16_t*>(&in.pvarVal->boolVal));
    }
    return FromVariant(in);
}

}  // namespace win32
