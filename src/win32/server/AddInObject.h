// The COM object Outlook creates for the add-in (the coclass Connect, ProgID
// "tandrel.Connect") and talks to through IDTExtensibility2. It answers
// IUnknown, IDispatch and IDTExtensibility2, and passes the five methods on
// to the portable add-in object (custom arrays dropped) through
// GuardedExtensibility, which keeps the calls in order.
//
// Its IDispatch is built from IDTExtensibility2's type information
// (ExtensibilityTypeInfo.h), loaded the first time a late-bound caller
// needs it. Every method catches at its entry (ComEntry.h): null
// out-pointers answer E_POINTER, exceptions of the add-in their HRESULT. An
// object released while still connected disconnects its add-in first.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>
#include <wrl/client.h>

#include "addin/GuardedExtensibility.h"
#include "win32/com/ComObject.h"
#include "win32/server/Extensibility2.h"

namespace win32 {

class AddInObject final : public ComObject<AddInObject, ModuleCount::kCounted, IDTExtensibility2> {
    friend ComObject;

  public:
    // Born with one reference, for the creator. `addIn` not null.
    explicit AddInObject(addin::ExtensibilityPtr addIn);

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

    // IDTExtensibility2
    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, ext_ConnectMode connectMode,
                                           IDispatch* addInInstance, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode removeMode,
                                              SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

  private:
    ~AddInObject();
    HRESULT TypeInfo(ITypeInfo** info);

    addin::GuardedExtensibility addIn_;
    Microsoft::WRL::ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace win32
