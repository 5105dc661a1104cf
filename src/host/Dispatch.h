// A late-bound host object (an IDispatch): the only way the core reaches
// Outlook and Office. Arguments are given in declaration order; adapters
// build COM's reversed DISPPARAMS. A failing call answers a failing HResult
// and leaves the result empty; callers judge results by null, except where
// a failure must raise ComError.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "host/Guid.h"
#include "host/HResult.h"
#include "host/Variant.h"

namespace host {

class EventSink;

class Dispatch {
  public:
    virtual ~Dispatch() = default;

    // The object seen through interface `iid`, or null when it does not
    // implement it.
    virtual DispatchPtr QueryInterface(const Guid& iid) = 0;
    // DISPATCH_PROPERTYGET, with arguments for indexed properties.
    virtual HResult GetProperty(const std::string& name, const std::vector<Variant>& args,
                                Variant* result) = 0;
    // DISPATCH_PROPERTYPUT.
    virtual HResult PutProperty(const std::string& name, const Variant& value) = 0;
    // DISPATCH_METHOD. Omitted optional arguments are passed as Missing().
    virtual HResult Call(const std::string& name, const std::vector<Variant>& args,
                         Variant* result) = 0;
    // Connection point of event interface `diid`: the sink receives the
    // events until Unadvise with the returned cookie.
    virtual HResult Advise(const Guid& diid, EventSink* sink, std::uint32_t* cookie) = 0;
    virtual HResult Unadvise(const Guid& diid, std::uint32_t cookie) = 0;
    // COM identity: equal for every interface of one object.
    virtual const void* Identity() const = 0;
    // The description the object gave with the failure of the last get,
    // put or call made through this reference (the exception information of
    // a failed Invoke); empty when it gave none or the last call succeeded.
    virtual std::wstring ErrorDescription() const { return std::wstring(); }

    // Conveniences over the calls above.
    Variant Get(const std::string& name);
    Variant Get(const std::string& name, const std::vector<Variant>& args);
    HResult Put(const std::string& name, const Variant& value) { return PutProperty(name, value); }
    Variant Invoke(const std::string& name, const std::vector<Variant>& args = {});
};

}  // namespace host
