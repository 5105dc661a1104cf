#include "win32/server/AddInObject.h"

#include <oleauto.h>

#include "win32/com/ComDispatch.h"
#include "win32/com/ComEntry.h"
#include "win32/server/ExtensibilityTypeInfo.h"

namespace win32 {

namespace {

// The object behind an argument, through its own IDispatch; null when it
// is null or has none.
host::DispatchPtr AsDispatch(IDispatch* object) {
    Microsoft::WRL::ComPtr<IDispatch> dispatch;
    if (!object || FAILED(object->QueryInterface(
                       IID_IDispatch, reinterpret_cast<void**>(dispatch.GetAddressOf())))) {
        return host::DispatchPtr();
    }
    return ComDispatch::Wrap(dispatch.Get());
}

}  // namespace

AddInObject::AddInObject(addin::ExtensibilityPtr addIn) : addIn_(std::move(addIn)) {}

AddInObject::~AddInObject() {
    CatchAtEntry("Connect::~Connect", [this] {
        addIn_.DisconnectIfConnected();
        return S_OK;
    });
}

HRESULT AddInObject::TypeInfo(ITypeInfo** info) {
    if (!typeInfo_) {
        const HRESULT hr = LoadExtensibilityTypeInfo(typeInfo_.ReleaseAndGetAddressOf());
        if (FAILED(hr)) {
            return hr;
        }
    }
    *info = typeInfo_.Get();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AddInObject::GetTypeInfoCount(UINT* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 1;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AddInObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) {
        return E_POINTER;
    }
    *info = nullptr;
    if (index != 0) {
        return DISP_E_BADINDEX;
    }
    return CatchAtEntry("Connect::GetTypeInfo", [&] {
        ITypeInfo* loaded = nullptr;
        const HRESULT hr = TypeInfo(&loaded);
        if (SUCCEEDED(hr)) {
            loaded->AddRef();  // the caller's reference
            *info = loaded;
        }
        return hr;
    });
}

HRESULT STDMETHODCALLTYPE AddInObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                                     DISPID* ids) {
    if (!names || !ids) {
        return E_POINTER;
    }
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    return CatchAtEntry("Connect::GetIDsOfNames", [&] {
        ITypeInfo* info = nullptr;
        const HRESULT hr = TypeInfo(&info);
        return FAILED(hr) ? hr : DispGetIDsOfNames(info, names, count, ids);
    });
}

HRESULT STDMETHODCALLTYPE AddInObject::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags,
                                              DISPPARAMS* params, VARIANT* result,
                                              EXCEPINFO* exception, UINT* argError) {
    if (!params) {
        return E_POINTER;
    }
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    return CatchAtEntry("Connect::Invoke", [&] {
        ITypeInfo* info = nullptr;
        const HRESULT hr = TypeInfo(&info);
        // The methods below catch for themselves; DispInvoke calls them
        // through the vtable the type information describes.
        return FAILED(hr) ? hr
                          : DispInvoke(static_cast<IDTExtensibility2*>(this), info, dispid, flags,
                                       params, result, exception, argError);
    });
}

HRESULT STDMETHODCALLTYPE AddInObject::OnConnection(IDispatch* application,
                                                    ext_ConnectMode connectMode,
                                                    IDispatch* addInInstance, SAFEARRAY**) {
    return CatchAtEntry("Connect::OnConnection", [&] {
        return addIn_.OnConnection(AsDispatch(application), connectMode, AsDispatch(addInInstance));
    });
}

HRESULT STDMETHODCALLTYPE AddInObject::OnDisconnection(ext_DisconnectMode removeMode, SAFEARRAY**) {
    return CatchAtEntry("Connect::OnDisconnection",
                        [&] { return addIn_.OnDisconnection(removeMode); });
}

HRESULT STDMETHODCALLTYPE AddInObject::OnAddInsUpdate(SAFEARRAY**) {
    return CatchAtEntry("Connect::OnAddInsUpdate", [&] { return addIn_.OnAddInsUpdate(); });
}

HRESULT STDMETHODCALLTYPE AddInObject::OnStartupComplete(SAFEARRAY**) {
    return CatchAtEntry("Connect::OnStartupComplete", [&] { return addIn_.OnStartupComplete(); });
}

HRESULT STDMETHODCALLTYPE AddInObject::OnBeginShutdown(SAFEARRAY**) {
    return CatchAtEntry("Connect::OnBeginShutdown", [&] { return addIn_.OnBeginShutdown(); });
}

}  // namespace win32
