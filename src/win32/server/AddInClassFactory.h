// The class factory of the add-in's COM object, and the two exports that deal
// in objects: DllGetClassObject (a factory for the CLSID of Connect, nothing
// for any other) and DllCanUnloadNow (S_OK once no object of the module and
// no lock is alive). Each request makes a new, reference-counted
// AddInObject around a new add-in object from `createAddIn`.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <unknwn.h>

#include <boost/function.hpp>

#include "addin/Extensibility.h"
#include "win32/com/ComObject.h"

namespace win32 {

typedef boost::function<addin::ExtensibilityPtr()> AddInFactory;

class AddInClassFactory final
    : public ComObject<AddInClassFactory, ModuleCount::kCounted, IClassFactory> {
    friend ComObject;

  public:
    // Born with one reference, for the creator.
    explicit AddInClassFactory(AddInFactory createAddIn);

    // CLASS_E_NOAGGREGATION for an outer object; E_FAIL when no add-in
    // object could be made.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    // Unlocking more often than locked answers E_UNEXPECTED and changes nothing.
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    ~AddInClassFactory() = default;

    AddInFactory createAddIn_;
};

// DllGetClassObject without its guard: the caller catches (CatchAtEntry).
HRESULT GetAddInClassObject(REFCLSID clsid, REFIID iid, void** object,
                            const AddInFactory& createAddIn);
HRESULT CanUnloadServer();

}  // namespace win32
