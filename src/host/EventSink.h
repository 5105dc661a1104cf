// The receiving end of a connection point: what Outlook and Office call
// when an event fires. Arguments come as COM delivers them: named
// arguments first, then the positional ones in reverse order (the last
// parameter first). By-reference arguments point into the caller's storage.
#pragma once

#include <cstdint>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "host/HResult.h"
#include "host/Variant.h"

namespace host {

using DispId = std::int32_t;

struct DispParams {
    std::vector<Variant> args;      // rgvarg
    std::vector<DispId> namedArgs;  // rgdispidNamedArgs (one per leading named argument)
};

class EventSink;
class HandlerCaller;

// What a source's adapter keeps instead of the sink itself: the sink clears
// it when it is destroyed, so a host that still holds the connection (a
// control whose button object is gone) can never reach a dead sink.
struct SinkLink {
    EventSink* sink;
};
typedef boost::shared_ptr<SinkLink> SinkLinkPtr;

class EventSink {
  public:
    EventSink();
    // A copy is another sink: it gets a link of its own.
    EventSink(const EventSink&);
    EventSink& operator=(const EventSink&) { return *this; }
    virtual ~EventSink();

    virtual HResult Invoke(DispId dispid, DispParams& params, Variant* result) = 0;

    // What the win32 adapter calls: the event, with the handlers of a sink
    // table reached through `caller` (DispCallFunc there). Sinks without a
    // table just take the event.
    virtual HResult Deliver(DispId dispid, DispParams& params, Variant* result,
                            const HandlerCaller& caller);

    const SinkLinkPtr& link() const { return link_; }

  private:
    SinkLinkPtr link_;
};

}  // namespace host
