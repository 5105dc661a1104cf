// Any host::Dispatch (a model Outlook or command-bar object) presented as a
// real COM object: the reverse of ComDispatch, so that the model Outlook
// that serves the Linux tests also serves a real COM client (tandrel.dll
// under Wine).
//
// IDispatch: GetIDsOfNames gives every name a DISPID (one table for the
// process, names compared without regard to case); whether the object has
// such a member is its own answer when the member is invoked
// (DISP_E_UNKNOWNNAME). Invoke makes DISPATCH_PROPERTYGET a get,
// DISPATCH_METHOD (with or without PROPERTYGET) a call and
// DISPATCH_PROPERTYPUT(REF) with the named DISPID_PROPERTYPUT a put; the
// arguments arrive in declaration order, by-reference booleans as
// references to the caller's storage. A failure with a description becomes
// DISP_E_EXCEPTION carrying the HRESULT and the text in EXCEPINFO, as a
// type-library dispatcher reports it. No type information.
//
// Objects travel both ways as themselves: a host object in a result or an
// event argument is presented as its COM object, and a COM object of ours
// passed back arrives as the host object it presents. While a COM object
// for a host object is alive, every presentation of that host object is
// that same COM object, so COM identity follows the host object's.
//
// QueryInterface answers IUnknown, IDispatch, IConnectionPointContainer and
// every interface the host object answers (with its IDispatch: clients
// reach the members late-bound). FindConnectionPoint gives a connection
// point for any interface; its Advise takes the sink's IDispatch and
// advises it on the host object, which refuses what it does not source.
// A COM object released while sinks are still connected unadvises them.
//
// Single-threaded apartment: no locks. No C++ exception leaves a method.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>
#include <ocidl.h>

#include <map>
#include <string>
#include <utility>

#include <boost/shared_ptr.hpp>

#include "host/Dispatch.h"
#include "win32/com/ComObject.h"

namespace win32 {

class ForwardingSink;

// Not counted in the module: it belongs to the program that presents the
// host objects, not to the add-in it serves.
class ExposedDispatch final : public ComObject<ExposedDispatch, ModuleCount::kNotCounted, IDispatch,
                                               IConnectionPointContainer> {
    friend ComObject;

  public:
    // The COM object presenting `object`, with a reference for the caller;
    // null for a null object.
    static HRESULT Expose(const host::DispatchPtr& object, IDispatch** exposed);
    // The host object a COM object of ours presents; null for any other.
    static host::DispatchPtr Unwrap(IUnknown* object);
    // host -> COM: host objects as their COM objects, the rest as
    // ComVariant converts them (`out` empty before, the caller's after).
    static HRESULT ToComVariant(const host::Variant& value, VARIANT* out);
    // COM -> host: our own COM objects as the host objects they present,
    // other objects wrapped; a by-reference boolean stays a reference.
    static host::Variant FromComVariant(const VARIANT& in);

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID diid, IConnectionPoint** point) override;

    // For its connection points: advise the sink on the host object for
    // `diid`, and take that back.
    HRESULT Connect(const IID& diid, IUnknown* sink, DWORD* cookie);
    HRESULT Disconnect(const IID& diid, DWORD cookie);

  private:
    explicit ExposedDispatch(host::DispatchPtr object);
    ~ExposedDispatch();

    // Our own identity, and the interfaces the host object answers.
    HRESULT QueryOther(REFIID iid, void** found);
    HRESULT InvokeMember(const std::string& name, WORD flags, const DISPPARAMS& params,
                         VARIANT* result, EXCEPINFO* exception);

    host::DispatchPtr object_;
    // The sinks advised through this object, by event interface and cookie.
    std::map<std::pair<std::string, DWORD>, boost::shared_ptr<ForwardingSink>> connections_;
};

}  // namespace win32
