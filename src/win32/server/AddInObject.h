// The COM object Outlook creates for the add-in (the coclass Connect, ProgID
// "tandrel.Connect") and talks to through IDTExtensibility2 and, from
// Outlook 2007 on, IRibbonExtensibility. It answers IUnknown, IDispatch,
// IDTExtensibility2 and IRibbonExtensibility, and passes the five methods
// on to the portable add-in object (custom arrays dropped) through
// GuardedExtensibility, which keeps the calls in order, and GetCustomUI and
// the ribbon's callbacks to the add-in's ribbon side
// (ribbon/RibbonExtensibility.h), which owns the callback table.
//
// Its IDispatch knows IDTExtensibility2's names from that interface's type
// information (ExtensibilityTypeInfo.h), loaded the first time a late-bound
// caller needs it, and the callbacks' names beyond them: Office calls each
// callback by name (GetIDsOfNames, then Invoke with DISPATCH_METHOD). A
// callback takes no named arguments; its arguments are converted as the
// adapter converts any VARIANT (ComVariant.h) and its answer back. Every
// method catches at its entry (ComEntry.h): null out-pointers answer
// E_POINTER, exceptions of the add-in their HRESULT. An object released
// while still connected disconnects its add-in first.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>
#include <wrl/client.h>

#include "addin/GuardedExtensibility.h"
#include "win32/com/ComObject.h"
#include "win32/server/Extensibility2.h"
#include "win32/server/RibbonInterfaces.h"

namespace win32 {

class AddInObject final : public ComObject<AddInObject, ModuleCount::kCounted, IDTExtensibility2,
                                           IRibbonExtensibility> {
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

    // IRibbonExtensibility: a null BSTR for a ribbon the add-in does not
    // extend.
    HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) override;

  private:
    ~AddInObject();
    HRESULT TypeInfo(ITypeInfo** info);
    // A ribbon callback's Invoke.
    HRESULT InvokeCallback(DISPID dispid, const DISPPARAMS& params, VARIANT* result);

    addin::GuardedExtensibility addIn_;
    Microsoft::WRL::ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace win32
