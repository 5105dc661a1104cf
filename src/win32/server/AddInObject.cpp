#include "win32/server/AddInObject.h"

#include <oleauto.h>

#include <string>
#include <vector>

#include "win32/com/ComDispatch.h"
#include "win32/com/ComEntry.h"
#include "win32/com/ComVariant.h"
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
        HRESULT hr = TypeInfo(&info);
        if (SUCCEEDED(hr)) {
            hr = DispGetIDsOfNames(info, names, count, ids);
        }
        ribbon::RibbonExtensibility* ribbon = addIn_.Ribbon();
        if (hr != DISP_E_UNKNOWNNAME || !ribbon || count == 0 || !names[0]) {
            return hr;
        }
        host::DispId id = DISPID_UNKNOWN;
        hr = ribbon->GetIdOfName(names[0], &id);
        ids[0] = SUCCEEDED(hr) ? id : DISPID_UNKNOWN;
        // A callback names no parameters.
        for (UINT index = 1; index < count; ++index) {
            ids[index] = DISPID_UNKNOWN;
        }
        return SUCCEEDED(hr) && count > 1 ? DISP_E_UNKNOWNNAME : hr;
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
    if (dispid < dispid::kOnConnection || dispid > dispid::kOnBeginShutdown) {
        return CatchAtEntry("Connect::Invoke",
                            [&] { return InvokeCallback(dispid, *params, result); });
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

HRESULT AddInObject::InvokeCallback(DISPID dispid, const DISPPARAMS& params, VARIANT* result) {
    ribbon::RibbonExtensibility* ribbon = addIn_.Ribbon();
    if (!ribbon) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (params.cNamedArgs > 0) {
        return DISP_E_NONAMEDARGS;
    }
    if (params.cArgs > 0 && !params.rgvarg) {
        return E_POINTER;
    }
    // DISPPARAMS holds the last argument first.
    std::vector<host::Variant> args;
    for (UINT index = params.cArgs; index > 0; --index) {
        args.push_back(FromVariant(params.rgvarg[index - 1]));
    }
    host::Variant answer;
    const host::HResult hr = ribbon->Invoke(dispid, args, &answer);
    if (FAILED(hr) || !result) {
        return hr;
    }
    VariantInit(result);
    return ToVariant(answer, result);
}

HRESULT STDMETHODCALLTYPE AddInObject::GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) {
    if (!ribbonXml) {
        return E_POINTER;
    }
    *ribbonXml = nullptr;
    return CatchAtEntry("Connect::GetCustomUI", [&] {
        ribbon::RibbonExtensibility* ribbon = addIn_.Ribbon();
        const std::wstring id = ribbonId ? std::wstring(ribbonId, SysStringLen(ribbonId)) : L"";
        const std::wstring xml = ribbon ? ribbon->GetCustomUI(id) : std::wstring();
        if (xml.empty()) {
            return S_OK;
        }
        *ribbonXml = SysAllocStringLen(xml.data(), static_cast<UINT>(xml.size()));
        return *ribbonXml ? S_OK : E_OUTOFMEMORY;
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
