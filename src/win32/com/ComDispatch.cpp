#include "win32/com/ComDispatch.h"

#include <windows.h>
// The COM headers need <windows.h> first.
#include <ocidl.h>
#include <oleauto.h>
#include <olectl.h>

#include <new>
#include <vector>

#include "win32/com/ComAdopt.h"
#include "win32/com/ComEventSink.h"
#include "win32/com/ComGuid.h"
#include "win32/com/ComVariant.h"
#include "win32/com/ScopedVariant.h"

namespace win32 {

namespace {

// The exception information of a failed Invoke: its HRESULT (when it gives
// one) and its description. Frees what the object allocated.
HRESULT TakeException(EXCEPINFO* exception, std::wstring* description) {
    if (exception->pfnDeferredFillIn) {
        exception->pfnDeferredFillIn(exception);
    }
    if (exception->bstrDescription) {
        description->assign(exception->bstrDescription, SysStringLen(exception->bstrDescription));
    }
    return FAILED(exception->scode) ? exception->scode : DISP_E_EXCEPTION;
}

void FreeException(EXCEPINFO* exception) {
    SysFreeString(exception->bstrSource);
    SysFreeString(exception->bstrDescription);
    SysFreeString(exception->bstrHelpFile);
}

}  // namespace

ComDispatch::ComDispatch(IDispatch* object) : object_(object), identity_(object) {
    Microsoft::WRL::ComPtr<IUnknown> unknown;
    if (SUCCEEDED(object_.As(&unknown)) && unknown) {
        identity_ = unknown.Get();  // the object lives as long as object_ is held
    }
}

host::DispatchPtr ComDispatch::Wrap(IDispatch* object) {
    return object ? host::DispatchPtr(new ComDispatch(object)) : host::DispatchPtr();
}

host::DispatchPtr ComDispatch::QueryInterface(const host::Guid& iid) {
    const GUID native = ToNativeGuid(iid);
    Microsoft::WRL::ComPtr<IUnknown> seen;
    if (FAILED(object_->QueryInterface(native, reinterpret_cast<void**>(seen.GetAddressOf()))) ||
        !seen) {
        return host::DispatchPtr();
    }
    // An IDispatch answer is used as it is. Any other interface need not be
    // an IDispatch at all; its members are reached through the object's own
    // IDispatch, which QueryInterface has just shown to be the same object.
    return IsEqualIID(native, IID_IDispatch) ? Wrap(static_cast<IDispatch*>(seen.Get()))
                                             : Wrap(object_.Get());
}

HRESULT ComDispatch::MemberId(const std::string& name, DISPID* id) {
    auto known = ids_.find(name);
    if (known != ids_.end()) {
        *id = known->second;
        return S_OK;
    }
    if (name.empty()) {
        return DISP_E_UNKNOWNNAME;
    }
    const int length =
        MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
    if (length <= 0) {
        return DISP_E_UNKNOWNNAME;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), &wide[0], length);
    LPOLESTR names[] = {&wide[0]};
    DISPID found = DISPID_UNKNOWN;
    const HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &found);
    if (FAILED(hr)) {
        return hr;
    }
    ids_[name] = found;
    *id = found;
    return S_OK;
}

host::HResult ComDispatch::InvokeMember(const std::string& name, WORD flags,
                                        const std::vector<host::Variant>& args, bool put,
                                        host::Variant* result) {
    errorDescription_.clear();
    if (result) {
        *result = host::Variant();
    }
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = MemberId(name, &id);
    if (FAILED(hr)) {
        return hr;
    }
    // Last first, as DISPPARAMS wants them.
    const std::size_t count = args.size();
    std::vector<ScopedVariant> arguments(count);
    for (std::size_t i = 0; i < count; ++i) {
        hr = ToVariant(args[count - 1 - i], arguments[i].Receive());
        if (FAILED(hr)) {
            return hr;
        }
    }
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS params = {VariantArray(arguments), put ? &namedPut : nullptr,
                         static_cast<UINT>(count), put ? 1u : 0u};
    ScopedVariant value;
    EXCEPINFO exception = {};
    UINT argError = 0;
    hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                         put ? nullptr : value.Receive(), &exception, &argError);
    if (hr == DISP_E_EXCEPTION) {
        hr = TakeException(&exception, &errorDescription_);
    }
    FreeException(&exception);
    if (SUCCEEDED(hr) && result) {
        *result = FromVariant(value.get());
    }
    return hr;
}

host::HResult ComDispatch::GetProperty(const std::string& name,
                                       const std::vector<host::Variant>& args,
                                       host::Variant* result) {
    return InvokeMember(name, DISPATCH_PROPERTYGET, args, false, result);
}

host::HResult ComDispatch::PutProperty(const std::string& name, const host::Variant& value) {
    const HRESULT hr = InvokeMember(name, DISPATCH_PROPERTYPUT, {value}, true, nullptr);
    if (hr == DISP_E_MEMBERNOTFOUND && value.type() == host::VarType::Dispatch) {
        // A property that takes objects by reference only (VB's Set).
        return InvokeMember(name, DISPATCH_PROPERTYPUTREF, {value}, true, nullptr);
    }
    return hr;
}

host::HResult ComDispatch::Call(const std::string& name, const std::vector<host::Variant>& args,
                                host::Variant* result) {
    return InvokeMember(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, false, result);
}

HRESULT ComDispatch::FindConnectionPoint(const host::Guid& diid,
                                         Microsoft::WRL::ComPtr<IConnectionPoint>* point) {
    point->Reset();
    Microsoft::WRL::ComPtr<IConnectionPointContainer> container;
    HRESULT hr = object_.As(&container);
    if (FAILED(hr) || !container) {
        return FAILED(hr) ? hr : E_NOINTERFACE;
    }
    hr = container->FindConnectionPoint(ToNativeGuid(diid), point->ReleaseAndGetAddressOf());
    if (SUCCEEDED(hr) && !*point) {
        return CONNECT_E_NOCONNECTION;
    }
    return hr;
}

host::HResult ComDispatch::Advise(const host::Guid& diid, host::EventSink* sink,
                                  std::uint32_t* cookie) {
    if (!sink || !cookie) {
        return E_POINTER;
    }
    *cookie = 0;
    Microsoft::WRL::ComPtr<IConnectionPoint> point;
    HRESULT hr = FindConnectionPoint(diid, &point);
    if (FAILED(hr)) {
        return hr;
    }
    // Born with one reference, which comSink takes over; the connection
    // point holds its own while connected.
    Microsoft::WRL::ComPtr<ComEventSink> comSink =
        Adopt(new (std::nothrow) ComEventSink(ToNativeGuid(diid), sink, identity_));
    if (!comSink) {
        return E_OUTOFMEMORY;
    }
    DWORD given = 0;
    hr = point->Advise(static_cast<IDispatch*>(comSink.Get()), &given);
    if (SUCCEEDED(hr)) {
        try {
            comSink->Connected(given);
            *cookie = given;
        } catch (const std::bad_alloc&) {
            // Without its entry the sink could not be cut off later: undo.
            point->Unadvise(given);
            hr = E_OUTOFMEMORY;
        }
    }
    return hr;
}

host::HResult ComDispatch::Unadvise(const host::Guid& diid, std::uint32_t cookie) {
    Microsoft::WRL::ComPtr<IConnectionPoint> point;
    HRESULT hr = FindConnectionPoint(diid, &point);
    if (SUCCEEDED(hr)) {
        hr = point->Unadvise(cookie);
    }
    // The caller counts the connection as gone whatever the source said.
    ComEventSink::Disconnect(identity_, ToNativeGuid(diid), cookie);
    return hr;
}

}  // namespace win32
