#include "win32/com/ComHandlerCaller.h"

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>

#include <vector>

#include "host/SinkTable.h"
#include "win32/com/ComVariant.h"
#include "win32/com/ScopedVariant.h"

namespace win32 {

host::HResult ComHandlerCaller::Call(const host::SinkRow& row, void* owner,
                                     const std::vector<const host::Variant*>& args,
                                     host::Variant* result) const {
    const std::size_t count = args.size() + 1;
    std::vector<VARTYPE> kinds(count);
    // DispCallFunc only copies each value; none of them holds a COM
    // reference, so none is cleared.
    std::vector<VARIANT> values(count);
    std::vector<VARIANTARG*> pointers(count);
    std::vector<host::DispatchPtr> objects(args.size());  // what VT_DISPATCH points at
    for (std::size_t i = 0; i < count; ++i) {
        VariantInit(&values[i]);
        pointers[i] = &values[i];
    }
    kinds[0] = VT_UNKNOWN;
    values[0].vt = VT_UNKNOWN;
    values[0].punkVal = static_cast<IUnknown*>(owner);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const host::Variant& arg = *args[i];
        const std::uint16_t kind = row.call.parameters[i];
        VARIANT& value = values[i + 1];
        kinds[i + 1] = kind;
        value.vt = kind;
        if (kind == host::HandlerParameter<const host::DispatchPtr*>::kKind) {
            objects[i] = arg.object();
            value.pdispVal = reinterpret_cast<IDispatch*>(&objects[i]);
        } else if (kind == host::HandlerParameter<const wchar_t*>::kKind) {
            value.bstrVal = arg.isNullBstr() ? nullptr : const_cast<wchar_t*>(arg.bstr().c_str());
        } else if (kind == host::HandlerParameter<std::int32_t>::kKind) {
            value.lVal = arg.i4();
        } else if (kind == host::HandlerParameter<std::int16_t*>::kKind) {
            value.pboolVal = reinterpret_cast<VARIANT_BOOL*>(arg.boolRef());
        } else {
            return DISP_E_TYPEMISMATCH;
        }
    }
    // Wine writes the result even for VT_EMPTY: it must be given.
    ScopedVariant answer;
    const HRESULT code =
        DispCallFunc(nullptr, reinterpret_cast<ULONG_PTR>(row.handler),
                     static_cast<CALLCONV>(row.call.convention), row.call.returns,
                     static_cast<UINT>(count), kinds.data(), pointers.data(), answer.Receive());
    host::RethrowHandlerException();
    *result = FromVariant(answer.get());
    return code;
}

const ComHandlerCaller& ComHandlerCaller::Instance() {
    static const ComHandlerCaller instance;
    return instance;
}

}  // namespace win32
