// The event-sink base: one per subscription of a subscriber class. It holds
// its sink id, the event interface it listens to and its advise cookie, and
// turns each event into a call of the matching handler of its class's sink
// table.
//
// A subscriber derives from TableSink<Self, id> once per subscription and
// offers its table as `static const host::SinkTable& Sinks()`; the sink's
// interface is that of the table's rows for its id. When the subscriber
// derives privately, it names the sink its friend so that the sink can find
// the subscriber it is part of:
//
//     class CButton : private host::TableSink<CButton, 1> {
//         friend class host::TableSink<CButton, 1>;
//         static const host::SinkTable& Sinks();
//         void OnClickEvent(const host::DispatchPtr* ctrl, std::int16_t* cancelDefault);
//     };
#pragma once

#include <cstdint>
#include <vector>

#include "host/EventSink.h"
#include "host/HandlerCall.h"
#include "host/SinkTable.h"
#include "host/TypedObject.h"

namespace host {

class SinkBase : public EventSink {
  public:
    // The cookie of a sink that is not advised.
    static constexpr std::uint32_t kNotAdvised = 0xFEFEFEFE;

    int sinkId() const { return sinkId_; }
    const Guid& diid() const { return diid_; }
    std::uint32_t cookie() const { return cookie_; }
    bool advised() const { return cookie_ != kNotAdvised; }

    // Connects to `source` unless already advised (then kOk and nothing
    // done). A source that refuses leaves the sink not advised; its answer
    // is returned.
    HResult Advise(const TypedObject& source);
    // Disconnects from `source`; afterwards the sink is not advised, whatever
    // the source answered (returned). Nothing when not advised.
    HResult Unadvise(const TypedObject& source);

    // Events reach the first row for this sink's id, interface and DISPID:
    // no row, S_OK and nothing done; a row of more than 8 parameters,
    // E_FAIL; arguments that do not fit the row (count, named positions,
    // kinds), DISP_E_BADPARAMCOUNT, DISP_E_PARAMNOTFOUND or
    // DISP_E_TYPEMISMATCH. Otherwise the handler is called through `caller`
    // (Invoke: a direct C++ call) and its answer returned. The result goes to
    // `result`, or to a local variant when it is null.
    HResult Invoke(DispId dispid, DispParams& params, Variant* result) override;
    HResult Deliver(DispId dispid, DispParams& params, Variant* result,
                    const HandlerCaller& caller) override;

  protected:
    SinkBase(int sinkId, const SinkTable& table);
    ~SinkBase() override = default;
    // A sink is advised as itself: it is not copied.
    SinkBase(const SinkBase&) = delete;
    SinkBase& operator=(const SinkBase&) = delete;

  private:
    // The subscriber this sink is part of, as its handlers take it.
    virtual void* OwnerObject() = 0;

    int sinkId_;
    const SinkTable& table_;
    Guid diid_;
    std::uint32_t cookie_ = kNotAdvised;
};

template <typename Owner, int id>
class TableSink : public SinkBase {
  protected:
    TableSink() : SinkBase(id, Owner::Sinks()) {}

  private:
    void* OwnerObject() override { return static_cast<Owner*>(this); }
};

// The handler's arguments in declaration order: named arguments at the
// positions their DISPIDs give, the positional ones (last parameter first)
// filling the other positions from the last backwards. Checks count, named
// positions and kinds; *ordered points into params.args.
HResult OrderArguments(const CallDescription& call, const DispParams& params,
                       std::vector<const Variant*>* ordered);

}  // namespace host
