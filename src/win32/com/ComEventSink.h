// The COM object a source's connection point calls: an IDispatch that turns
// each Invoke into host::EventSink::Deliver, with the arguments in the order
// COM delivers them (last parameter first), by-reference booleans pointing
// at the firer's storage, so a write (CancelDefault) reaches it, and the
// handlers of a sink table called through DispCallFunc.
//
// AddRef and Release answer 1, as a sink that lives exactly as long as its
// owner does; the object still counts the references it has handed out and
// lives until the source lets go, because a source may keep calling it
// after the owner is gone. It then no longer reaches the owner: the host
// sink is cut off when it is destroyed (its link) and when it is unadvised
// through ComDispatch, whatever the source answered. No C++ exception leaves
// any of its methods: one from a handler is recorded and the event answers
// S_OK.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>

#include "host/EventSink.h"
#include "win32/com/ComObject.h"

namespace win32 {

class ComEventSink final : public ComObject<ComEventSink, ModuleCount::kCounted, IDispatch> {
    friend ComObject;

  public:
    // `source` is the identity of the object the sink is advised on.
    ComEventSink(const IID& diid, host::EventSink* target, const void* source);

    // IUnknown: answers IUnknown, IDispatch and the event interface (a null
    // out-pointer: E_POINTER; anything else: E_NOINTERFACE). AddRef and
    // Release count, and answer 1.
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: no type information, no names (E_NOTIMPL); Invoke
    // delivers the event.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

    // Records the cookie the connection point gave, so that Disconnect can
    // find this sink.
    void Connected(DWORD cookie);
    // Cuts the sink advised with `cookie` for `diid` on `source` off from
    // its host sink.
    static void Disconnect(const void* source, const IID& diid, DWORD cookie);

  private:
    ~ComEventSink();
    HRESULT QueryOther(REFIID iid, void** found);

    IID diid_;
    host::SinkLinkPtr target_;  // reset when unadvised
    const void* source_;
    DWORD cookie_ = 0;
    bool connected_ = false;
};

}  // namespace win32
