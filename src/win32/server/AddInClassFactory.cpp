#include "win32/server/AddInClassFactory.h"

#include "addin/ServerIds.h"
#include "win32/com/ComAdopt.h"
#include "win32/com/ComEntry.h"
#include "win32/com/ComGuid.h"
#include "win32/com/ModuleUsage.h"
#include "win32/server/AddInObject.h"

namespace win32 {

AddInClassFactory::AddInClassFactory(AddInFactory createAddIn)
    : createAddIn_(std::move(createAddIn)) {}

HRESULT STDMETHODCALLTYPE AddInClassFactory::CreateInstance(IUnknown* outer, REFIID iid,
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
        return Adopt(new AddInObject(addIn))->QueryInterface(iid, object);
    });
}

HRESULT STDMETHODCALLTYPE AddInClassFactory::LockServer(BOOL lock) {
    if (lock) {
        ModuleUsage::Lock();
        return S_OK;
    }
    return ModuleUsage::Unlock() ? S_OK : E_UNEXPECTED;
}

HRESULT GetAddInClassObject(REFCLSID clsid, REFIID iid, void** object,
                            const AddInFactory& createAddIn) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualCLSID(clsid, ToNativeGuid(addin::kCLSID_Connect))) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return Adopt(new AddInClassFactory(createAddIn))->QueryInterface(iid, object);
}

HRESULT CanUnloadServer() { return ModuleUsage::InUse() ? S_FALSE : S_OK; }

}  // namespace win32
