#include "host/EventSink.h"

namespace host {

EventSink::EventSink() : link_(new SinkLink{this}) {}

EventSink::EventSink(const EventSink&) : link_(new SinkLink{this}) {}

EventSink::~EventSink() { link_->sink = nullptr; }

HResult EventSink::Deliver(DispId dispid, DispParams& params, Variant* result,
                           const HandlerCaller&) {
    return Invoke(dispid, params, result);
}

}  // namespace host
