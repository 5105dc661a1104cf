#include "win32/server/ConnectFactory.h"

#include <new>

#include "addin/ServerIds.h"
#include "win32/com/ComAdopt.h"
#include "win32/com/ComEntry.h"
#include "win32/com/ComGuid.h"
#include "win32/com/ModuleUsage.h"
#include "win32/server/ConnectObject.h"

namespace win32 {

ConnectFactory::ConnectFactory(AddInFactory createAddIn) : createAddIn_(std::move(createAddIn)) {
    ModuleUsage::ObjectCreated();
}

ConnectFactory::~ConnectFactory() { ModuleUsage::ObjectDestroyed(); }

HRESULT STDMETHODCALLTYPE ConnectFactory::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ConnectFactory::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE ConnectFactory::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE ConnectFactory::CreateInstance(IUnknown* outer, REFIID iid,
                                                         void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer) {
        return CLASS_E_NOAGGREGATION;
    }
    return CatchAtEntry("Connect factory::CreateInstance", [&] {
        addin::ExtensibilityPtr addIn = createAddIn_();
        if (!addIn) {
            return E_FAIL;
        }
        return Adopt(new ConnectObject(addIn))->QueryInterface(iid, object);
    });
}

HRESULT STDMETHODCALLTYPE ConnectFactory::LockServer(BOOL lock) {
    if (lock) {
        ModuleUsage::Lock();
        return S_OK;
    }
    return ModuleUsage::Unlock() ? S_OK : E_UNEXPECTED;
}

HRESULT GetConnectClassObject(REFCLSID clsid, REFIID iid, void** object,
                              const AddInFactory& createAddIn) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualCLSID(clsid, ToNativeGuid(addin::kCLSID_Connect))) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return CatchAtEntry("DllGetClassObject", [&] {
        return Adopt(new ConnectFactory(createAddIn))->QueryInterface(iid, object);
    });
}

HRESULT CanUnloadServer() { return ModuleUsage::InUse() ? S_FALSE : S_OK; }

}  // namespace win32
