// IUnknown written once for the module's COM objects, in the habits of ATL's
// CComObject and WRL's RuntimeClass (mingw-w64 offers neither): an
// interlocked reference count, a QueryInterface table made from the
// interfaces a class lists, and the module's object count.
//
//   class Factory final
//       : public ComObject<Factory, ModuleCount::kCounted, IClassFactory> {
//       friend ComObject;  // Release deletes it; its destructor stays private
//       ...
//   };
//
// QueryInterface answers IUnknown (through the first interface listed), each
// listed interface, and IDispatch through the first listed interface built on
// it (a dual interface such as IDTExtensibility2). A class that answers more,
// known only at run time (an event interface, a host object's interfaces),
// defines `HRESULT QueryOther(REFIID iid, void** found)`, asked when the
// table has no answer (a failure, or nothing found, refuses). A null
// out-pointer answers E_POINTER, a refused interface sets it to null.
//
// An object is born with one reference, which its creator takes over
// (Adopt), and deletes itself when Release takes the count to zero. A class
// counted in the module keeps DllCanUnloadNow answering S_FALSE from its
// construction until the last of its destructors has run: this base's runs
// after the class's own members are gone.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>
#include <unknwn.h>

#include <type_traits>

#include "win32/com/ModuleUsage.h"

namespace win32 {

// Whether an object of the class keeps the module loaded while it lives.
enum class ModuleCount { kCounted, kNotCounted };

template <class Derived, ModuleCount counting, class First, class... Rest>
class ComObject : public First, public Rest... {
  public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) {
            return E_POINTER;
        }
        *object = nullptr;
        void* found = Listed(iid);
        if (!found) {
            const HRESULT hr = static_cast<Derived*>(this)->QueryOther(iid, &found);
            if (FAILED(hr) || !found) {
                return FAILED(hr) ? hr : E_NOINTERFACE;
            }
        }
        AddRef();
        *object = found;
        return S_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete static_cast<Derived*>(this);
        }
        return static_cast<ULONG>(left);
    }

  protected:
    ComObject() {
        if (counting == ModuleCount::kCounted) {
            ModuleUsage::ObjectCreated();
        }
    }
    ~ComObject() {
        if (counting == ModuleCount::kCounted) {
            ModuleUsage::ObjectDestroyed();
        }
    }

    // No interface beyond the table; a class hides this with its own.
    HRESULT QueryOther(REFIID, void**) { return E_NOINTERFACE; }

  private:
    template <class Interface>
    void* Answer(REFIID iid) {
        Interface* self = this;
        if (IsEqualIID(iid, __uuidof(Interface))) {
            return self;
        }
        if constexpr (std::is_base_of<IDispatch, Interface>::value) {
            if (IsEqualIID(iid, IID_IDispatch)) {
                return static_cast<IDispatch*>(self);
            }
        }
        return nullptr;
    }

    void* Listed(REFIID iid) {
        if (IsEqualIID(iid, IID_IUnknown)) {
            return static_cast<IUnknown*>(static_cast<First*>(this));
        }
        void* found = nullptr;
        (void)((found = Answer<First>(iid)) || ... || (found = Answer<Rest>(iid)));
        return found;
    }

    LONG references_ = 1;
};

}  // namespace win32
