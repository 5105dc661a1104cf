// The receiving end of a connection point: what Outlook and Office call
// when an event fires. Arguments come as COM delivers them: named
// arguments first, then the positional ones in reverse order (the last
// parameter first). By-reference arguments point into the caller's storage.
#pragma once

#include <cstdint>
#include <vector>

#include "host/HResult.h"
#include "host/Variant.h"

namespace host {

using DispId = std::int32_t;

struct DispParams {
    std::vector<Variant> args;      // rgvarg
    std::vector<DispId> namedArgs;  // rgdispidNamedArgs (one per leading named argument)
};

class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual HResult Invoke(DispId dispid, DispParams& params, Variant* result) = 0;
};

}  // namespace host
