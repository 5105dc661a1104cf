#include "win32/server/ExtensibilityTypeInfo.h"

#include <oleauto.h>
#include <wrl/client.h>

#include "win32/server/Extensibility2.h"

namespace win32 {

namespace {

using Microsoft::WRL::ComPtr;

// The vtable slot after IUnknown's three and IDispatch's four methods.
constexpr UINT kFirstSlot = 7;

// CreateDispTypeInfo takes non-const names.
OLECHAR kApplication[] = L"Application";
OLECHAR kConnectMode[] = L"ConnectMode";
OLECHAR kAddInInst[] = L"AddInInst";
OLECHAR kRemoveMode[] = L"RemoveMode";
OLECHAR kCustom[] = L"custom";
OLECHAR kOnConnection[] = L"OnConnection";
OLECHAR kOnDisconnection[] = L"OnDisconnection";
OLECHAR kOnAddInsUpdate[] = L"OnAddInsUpdate";
OLECHAR kOnStartupComplete[] = L"OnStartupComplete";
OLECHAR kOnBeginShutdown[] = L"OnBeginShutdown";

// custom is SAFEARRAY(VARIANT)*: an array of variants by reference.
constexpr VARTYPE kCustomType = VT_ARRAY | VT_VARIANT | VT_BYREF;

PARAMDATA kConnectionParams[] = {{kApplication, VT_DISPATCH},
                                 {kConnectMode, VT_I4},
                                 {kAddInInst, VT_DISPATCH},
                                 {kCustom, kCustomType}};
PARAMDATA kDisconnectionParams[] = {{kRemoveMode, VT_I4}, {kCustom, kCustomType}};
PARAMDATA kCustomParam[] = {{kCustom, kCustomType}};

METHODDATA kMethods[] = {
    {kOnConnection, kConnectionParams, dispid::kOnConnection, kFirstSlot, CC_STDCALL, 4,
     DISPATCH_METHOD, VT_HRESULT},
    {kOnDisconnection, kDisconnectionParams, dispid::kOnDisconnection, kFirstSlot + 1, CC_STDCALL,
     2, DISPATCH_METHOD, VT_HRESULT},
    {kOnAddInsUpdate, kCustomParam, dispid::kOnAddInsUpdate, kFirstSlot + 2, CC_STDCALL, 1,
     DISPATCH_METHOD, VT_HRESULT},
    {kOnStartupComplete, kCustomParam, dispid::kOnStartupComplete, kFirstSlot + 3, CC_STDCALL, 1,
     DISPATCH_METHOD, VT_HRESULT},
    {kOnBeginShutdown, kCustomParam, dispid::kOnBeginShutdown, kFirstSlot + 4, CC_STDCALL, 1,
     DISPATCH_METHOD, VT_HRESULT},
};

INTERFACEDATA kInterface = {kMethods, sizeof kMethods / sizeof kMethods[0]};

TYPEKIND KindOf(ITypeInfo* info) {
    TYPEATTR* attributes = nullptr;
    if (FAILED(info->GetTypeAttr(&attributes)) || !attributes) {
        return TKIND_MAX;
    }
    const TYPEKIND kind = attributes->typekind;
    info->ReleaseTypeAttr(attributes);
    return kind;
}

// The TKIND_INTERFACE half of a type: the interface a coclass implements
// (what CreateDispTypeInfo answers), or the vtable side of a dual interface
// (what a type library holds as TKIND_DISPATCH).
HRESULT VtableInterface(ComPtr<ITypeInfo> info, ITypeInfo** out) {
    const TYPEKIND kind = KindOf(info.Get());
    if (kind == TKIND_COCLASS || kind == TKIND_DISPATCH) {
        HREFTYPE reference = 0;
        HRESULT hr = info->GetRefTypeOfImplType(kind == TKIND_COCLASS ? 0 : -1, &reference);
        ComPtr<ITypeInfo> implemented;
        if (SUCCEEDED(hr)) {
            hr = info->GetRefTypeInfo(reference, implemented.GetAddressOf());
        }
        if (FAILED(hr)) {
            return hr;
        }
        info = implemented;
    }
    if (KindOf(info.Get()) != TKIND_INTERFACE) {
        return TYPE_E_WRONGTYPEKIND;
    }
    *out = info.Detach();
    return S_OK;
}

}  // namespace

HRESULT BuildExtensibilityTypeInfo(ITypeInfo** info) {
    if (!info) {
        return E_POINTER;
    }
    *info = nullptr;
    ComPtr<ITypeInfo> built;
    const HRESULT hr = CreateDispTypeInfo(&kInterface, LOCALE_NEUTRAL, built.GetAddressOf());
    return FAILED(hr) ? hr : VtableInterface(built, info);
}

HRESULT LoadExtensibilityTypeInfo(ITypeInfo** info) {
    if (!info) {
        return E_POINTER;
    }
    *info = nullptr;
    ComPtr<ITypeLib> library;
    ComPtr<ITypeInfo> registered;
    if (SUCCEEDED(LoadRegTypeLib(kLIBID_AddInDesignerObjects, 1, 0, LOCALE_NEUTRAL,
                                 library.GetAddressOf())) &&
        SUCCEEDED(library->GetTypeInfoOfGuid(kIID_IDTExtensibility2, registered.GetAddressOf())) &&
        SUCCEEDED(VtableInterface(registered, info))) {
        return S_OK;
    }
    return BuildExtensibilityTypeInfo(info);
}

}  // namespace win32
