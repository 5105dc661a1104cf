// host::Dispatch over a real IDispatch: the late-bound calls the add-in makes
// on Outlook and Office objects.
//
// Member names are resolved with GetIDsOfNames once per spelling and kept.
// Gets are DISPATCH_PROPERTYGET, puts DISPATCH_PROPERTYPUT with the named
// argument DISPID_PROPERTYPUT (DISPATCH_PROPERTYPUTREF when an object value
// is refused that way), calls DISPATCH_METHOD | DISPATCH_PROPERTYGET as
// automation clients make them. Arguments are given in declaration order and
// reversed into DISPPARAMS. A failure the object reports through its
// exception information (DISP_E_EXCEPTION) answers the HRESULT it carries,
// and its description is kept for ErrorDescription().
//
// Events: Advise finds the connection point of the event interface and
// connects a ComEventSink that hands each event to the host::EventSink.
// After Unadvise that sink is cut off from the host sink whatever the source
// answered, so a source that keeps calling cannot reach a host sink the
// caller has already let go.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <map>
#include <string>

#include "host/Dispatch.h"
#include "host/EventSink.h"

namespace win32 {

class ComDispatch : public host::Dispatch {
  public:
    // Takes a reference of its own on `object` (not null).
    explicit ComDispatch(IDispatch* object);
    ComDispatch(const ComDispatch&) = delete;
    ComDispatch& operator=(const ComDispatch&) = delete;

    // A new wrapper of `object`, or null for a null object.
    static host::DispatchPtr Wrap(IDispatch* object);

    // The wrapped object (no reference added).
    IDispatch* object() const { return object_.Get(); }

    host::DispatchPtr QueryInterface(const host::Guid& iid) override;
    host::HResult GetProperty(const std::string& name, const std::vector<host::Variant>& args,
                              host::Variant* result) override;
    host::HResult PutProperty(const std::string& name, const host::Variant& value) override;
    host::HResult Call(const std::string& name, const std::vector<host::Variant>& args,
                       host::Variant* result) override;
    host::HResult Advise(const host::Guid& diid, host::EventSink* sink,
                         std::uint32_t* cookie) override;
    host::HResult Unadvise(const host::Guid& diid, std::uint32_t cookie) override;
    const void* Identity() const override { return identity_; }
    std::wstring ErrorDescription() const override { return errorDescription_; }

  private:
    HRESULT MemberId(const std::string& name, DISPID* id);
    host::HResult InvokeMember(const std::string& name, WORD flags,
                               const std::vector<host::Variant>& args, bool put,
                               host::Variant* result);
    HRESULT FindConnectionPoint(const host::Guid& diid,
                                Microsoft::WRL::ComPtr<IConnectionPoint>* point);

    Microsoft::WRL::ComPtr<IDispatch> object_;
    const void* identity_;  // the object's IUnknown, compared, never called
    std::map<std::string, DISPID> ids_;
    std::wstring errorDescription_;
};

}  // namespace win32
