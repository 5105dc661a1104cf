// An event sink for tests: records every event that reaches it, then runs
// an optional action (which may write through by-reference arguments).
#pragma once

#include <functional>
#include <vector>

#include "host/EventSink.h"

namespace testing_support {

class RecordingSink : public host::EventSink {
  public:
    host::HResult Invoke(host::DispId dispid, host::DispParams& params, host::Variant*) override {
        dispids.push_back(dispid);
        last = params;
        // A copy: the action may replace itself.
        const std::function<void(host::DispParams&)> run = action;
        if (run) run(params);
        return host::hr::kOk;
    }
    std::vector<host::DispId> dispids;
    host::DispParams last;
    std::function<void(host::DispParams&)> action;
};

}  // namespace testing_support
