// The class factory of Connect, and the two exports that deal in objects:
// DllGetClassObject (a factory for Connect's CLSID, nothing for any other)
// and DllCanUnloadNow (S_OK once no object of the module and no lock is
// alive). Each request makes a new, reference-counted Connect around a new
// add-in object from `createAddIn`.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <unknwn.h>

#include <boost/function.hpp>

#include "addin/Extensibility.h"

namespace win32 {

typedef boost::function<addin::ExtensibilityPtr()> AddInFactory;

class ConnectFactory final : public IClassFactory {
  public:
    // Born with one reference, for the creator.
    explicit ConnectFactory(AddInFactory createAddIn);
    ConnectFactory(const ConnectFactory&) = delete;
    ConnectFactory& operator=(const ConnectFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // CLASS_E_NOAGGREGATION for an outer object; E_FAIL when no add-in
    // object could be made.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    // Unlocking more often than locked answers E_UNEXPECTED and changes nothing.
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    ~ConnectFactory();

    LONG references_ = 1;
    AddInFactory createAddIn_;
};

HRESULT GetConnectClassObject(REFCLSID clsid, REFIID iid, void** object,
                              const AddInFactory& createAddIn);
HRESULT CanUnloadServer();

}  // namespace win32
