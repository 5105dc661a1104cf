// Outlook's and Office's calls into the add-in's event sinks, as any caller
// could make them: any DISPID, any number of arguments of any kind, named
// arguments at any position, references that lead somewhere or nowhere.
// The sinks are the add-in's own (CConnect, CExplorer, CInspector, the
// toolbar's and the context menu's CButtons, CContextMenu), found where
// Outlook holds them: on the model Outlook's objects of a world where
// Outlook runs with the add-in attached to Skype, a contact selected, its
// context menu open and a contact and a mail open in windows of their own.
//
// The dispatcher is tested, not the handlers: a sink's answer and the
// arguments it would hand its handler are caught by a caller that runs no
// handler, so nothing changes from one input to the next and the world is
// built once. Each event either reaches its table's row with every argument
// in its declared place and of its declared kind (a reference writes back
// into the firer's storage, the caller's answer comes back), or is refused
// with one of the dispatcher's answers; an event no row takes is answered
// S_OK. Which rows exist is learnt when the world is built, by offering
// every sink every known event with every set of up to three parameters.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "OutlookObjects.h"
#include "host/SinkTable.h"
#include "model/outlook/Mailbox.h"
#include "model/world/OutlookUser.h"
#include "model/world/World.h"
#include "outlook/OutlookIds.h"
#include "skype/SkypeProtocol.h"

namespace {

using host::Variant;

// Every event the add-in's tables could hold, and numbers next to them.
const host::DispId kKnownEvents[] = {1,      0xF001, 0xF002, 0xF003, 0xF004, 0xF005, 0xF006,
                                     0xF007, 0xF008, 0xF009, 0,      2,      -1};
// The kinds a handler parameter can have.
const std::uint16_t kParameterKinds[] = {static_cast<std::uint16_t>(host::VarType::Dispatch),
                                         static_cast<std::uint16_t>(host::VarType::Bstr),
                                         static_cast<std::uint16_t>(host::VarType::I4),
                                         host::kVtBoolByRef};
// A success code no dispatcher makes up: the caller's answer, passed on.
constexpr host::HResult kHandled = 0x00040077;

// Stands in for the handler: records what it was handed and writes into
// every reference, as a handler setting CancelDefault would.
class CatchingCaller : public host::HandlerCaller {
  public:
    static constexpr std::int16_t kWritten = 0x1234;

    host::HResult Call(const host::SinkRow& row, void*, const std::vector<const Variant*>& args,
                       Variant* result) const override {
        row_ = &row;
        args_ = args;
        for (const Variant* arg : args) {
            if (arg->isByRef() && arg->boolRef()) *arg->boolRef() = kWritten;
        }
        *result = Variant::I4(77);
        return kHandled;
    }
    const host::SinkRow* row() const { return row_; }
    const std::vector<const Variant*>& args() const { return args_; }

  private:
    mutable const host::SinkRow* row_ = nullptr;
    mutable std::vector<const Variant*> args_;
};

// A value of `kind` (one of kParameterKinds), or of another kind.
Variant ValueOf(std::uint16_t kind, const model::ModelObjectPtr& object, std::int16_t* storage) {
    switch (kind) {
        case static_cast<std::uint16_t>(host::VarType::Dispatch):
            return Variant::Object(object);
        case static_cast<std::uint16_t>(host::VarType::Bstr):
            return Variant::Bstr(L"Alice Wonder");
        case static_cast<std::uint16_t>(host::VarType::I4):
            return Variant::I4(3);
        default:
            return Variant::BoolRef(storage);
    }
}

struct Subscriber {
    host::Guid diid;
    host::EventSink* sink;
    // The parameter kinds of each event its table has a row for.
    std::map<host::DispId, std::vector<std::uint16_t>> rows;
};

// Offers `sink` the event with parameters of these kinds, as COM passes
// them (last first); true when it reached a row, whose kinds are then those.
bool Reaches(host::EventSink* sink, host::DispId dispid, const std::vector<std::uint16_t>& kinds,
             const model::ModelObjectPtr& object) {
    std::int16_t storage = 0;
    host::DispParams params;
    for (auto kind = kinds.rbegin(); kind != kinds.rend(); ++kind) {
        params.args.push_back(ValueOf(*kind, object, &storage));
    }
    CatchingCaller caller;
    Variant result;
    return sink->Deliver(dispid, params, &result, caller) == kHandled;
}

void LearnRows(Subscriber* subscriber, const model::ModelObjectPtr& object) {
    std::vector<std::vector<std::uint16_t>> shapes = {{}};
    for (std::size_t length = 0; length < 3; ++length) {
        std::vector<std::vector<std::uint16_t>> longer;
        for (const auto& shape : shapes) {
            if (shape.size() != length) continue;
            for (std::uint16_t kind : kParameterKinds) {
                longer.push_back(shape);
                longer.back().push_back(kind);
            }
        }
        shapes.insert(shapes.end(), longer.begin(), longer.end());
    }
    for (host::DispId dispid : kKnownEvents) {
        for (const auto& shape : shapes) {
            if (Reaches(subscriber->sink, dispid, shape, object)) {
                fuzz::Require(subscriber->rows.count(dispid) == 0,
                              "an event reached with two sets of parameters");
                subscriber->rows[dispid] = shape;
            }
        }
    }
}

struct Boundary {
    std::ostringstream narration;
    model::Printer printer{narration, [] { return std::uint64_t(0); }};
    model::World world{model::SampleMailbox()};
    std::unique_ptr<model::OutlookUser> user;
    std::vector<Subscriber> subscribers;
    model::ModelObjectPtr someObject;  // what a VT_DISPATCH argument points at

    Boundary() {
        world.skype.Start();
        user.reset(new model::OutlookUser(world.outlook, world, printer));
        user->Start(world.outlook.contacts());
        world.Wait(skype_protocol::kDiscoveryPeriodMs);
        user->Select({"Alice Wonder"});
        user->RightClick();
        user->Open("Alice Wonder");
        world.outlook.OpenInspector(world.outlook.inbox()->items().front());
        someObject = user->explorer();
        for (const auto& sink : fuzz::OutlookSinks(world.outlook)) {
            subscribers.push_back(Subscriber{sink.first, sink.second, {}});
            LearnRows(&subscribers.back(), someObject);
        }
        fuzz::Require(subscribers.size() >= 5,
                      "the add-in's sinks are not where Outlook holds them");
    }
};

Boundary& TheBoundary() {
    static Boundary* const boundary = new Boundary;
    return *boundary;
}

Variant AnyValue(FuzzedDataProvider& input, const model::ModelObjectPtr& object,
                 std::int16_t* storage) {
    switch (input.ConsumeIntegralInRange(0, 10)) {
        case 0:
            return Variant();
        case 1:
            return Variant::Null();
        case 2:
            return Variant::I2(input.ConsumeIntegral<std::int16_t>());
        case 3:
            return Variant::I4(input.ConsumeIntegral<std::int32_t>());
        case 4:
            return Variant::Bool(input.ConsumeBool());
        case 5:
            return Variant::BoolRef(input.ConsumeBool() ? storage : nullptr);
        case 6:
            return Variant::NullBstr();
        case 7:
            return Variant::Bstr(L"x");
        case 8:
            return Variant::Object(input.ConsumeBool() ? object : model::ModelObjectPtr());
        case 9:
            return Variant::Missing();
        default:
            return Variant::Error(input.ConsumeIntegral<std::int32_t>());
    }
}

bool IsRefusal(host::HResult answer) {
    return answer == host::hr::kBadParamCount || answer == host::hr::kParamNotFound ||
           answer == host::hr::kTypeMismatch || answer == host::hr::kInvalidArg ||
           answer == host::hr::kFail;
}

// What reached the handler must be what its row declares: one argument per
// parameter, each of its kind, each taken from the firer's own arguments
// and none twice, a reference leading somewhere.
void RequireDeclared(const CatchingCaller& caller, const host::DispParams& params,
                     const std::vector<std::uint16_t>& declared) {
    const std::vector<const Variant*>& args = caller.args();
    fuzz::Require(args.size() == declared.size(), "a handler given another number of arguments");
    for (std::size_t i = 0; i < args.size(); ++i) {
        fuzz::Require(args[i]->vt() == declared[i], "a handler given an argument of another kind");
        fuzz::Require(!args[i]->isByRef() || args[i]->boolRef() != nullptr,
                      "a handler given a reference to nowhere");
        fuzz::Require(
            args[i] >= params.args.data() && args[i] < params.args.data() + params.args.size(),
            "a handler given an argument the firer did not pass");
        fuzz::Require(std::count(args.begin(), args.end(), args[i]) == 1,
                      "a handler given one argument twice");
    }
}

// A call as COM makes it from a row's parameters: each passed named (in
// an order of the input's choosing) or positionally (last first), each of
// its declared kind unless the input spoils one. Arrives in place, or is
// refused for the spoilt kind.
void WellFormed(FuzzedDataProvider& input, Subscriber& subscriber, host::DispId dispid,
                const std::vector<std::uint16_t>& declared, const model::ModelObjectPtr& object) {
    const std::size_t count = declared.size();
    std::vector<std::int16_t> storage(count, 0);
    std::vector<Variant> values;
    bool spoilt = false;
    for (std::size_t i = 0; i < count; ++i) {
        if (input.ConsumeIntegralInRange(0, 7) == 0) {
            values.push_back(AnyValue(input, object, &storage[i]));
            spoilt = spoilt || values.back().vt() != declared[i] ||
                     (values.back().isByRef() && !values.back().boolRef());
        } else {
            values.push_back(ValueOf(declared[i], object, &storage[i]));
        }
    }
    std::vector<std::size_t> named;
    for (std::size_t i = 0; i < count; ++i) {
        if (input.ConsumeBool()) named.push_back(i);
    }
    for (std::size_t i = 0; i + 1 < named.size(); ++i) {
        std::swap(named[i], named[input.ConsumeIntegralInRange(i, named.size() - 1)]);
    }
    host::DispParams params;
    std::vector<std::size_t> placeOf(count);  // declared position -> index in params.args
    for (std::size_t position : named) {
        placeOf[position] = params.args.size();
        params.args.push_back(values[position]);
        params.namedArgs.push_back(static_cast<host::DispId>(position));
    }
    for (std::size_t position = count; position-- > 0;) {
        if (std::find(named.begin(), named.end(), position) != named.end()) continue;
        placeOf[position] = params.args.size();
        params.args.push_back(values[position]);
    }
    CatchingCaller caller;
    Variant result;
    const host::HResult answer = subscriber.sink->Deliver(dispid, params, &result, caller);
    if (spoilt) {
        fuzz::Require(answer == host::hr::kTypeMismatch && !caller.row(),
                      "an argument of another kind not refused as a type mismatch");
        return;
    }
    fuzz::Require(answer == kHandled && result == Variant::I4(77),
                  "a well-formed event did not reach its handler, or its answer was lost");
    RequireDeclared(caller, params, declared);
    for (std::size_t position = 0; position < count; ++position) {
        fuzz::Require(caller.args()[position] == &params.args[placeOf[position]],
                      "an argument handed over in another parameter's place");
        if (declared[position] == host::kVtBoolByRef) {
            fuzz::Require(storage[position] == CatchingCaller::kWritten,
                          "a reference did not write back into the firer's storage");
        }
    }
}

// Anything at all: refused, answered S_OK without a row, or handed over
// as declared.
void Arbitrary(FuzzedDataProvider& input, Subscriber& subscriber, host::DispId dispid,
               const model::ModelObjectPtr& object) {
    const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, 10);
    std::vector<std::int16_t> storage(count, 0);
    host::DispParams params;
    for (std::size_t i = 0; i < count; ++i)
        params.args.push_back(AnyValue(input, object, &storage[i]));
    const std::size_t namedCount = input.ConsumeIntegralInRange<std::size_t>(0, count + 1);
    for (std::size_t i = 0; i < namedCount; ++i) {
        params.namedArgs.push_back(input.ConsumeIntegralInRange<host::DispId>(-2, 11));
    }
    CatchingCaller caller;
    Variant result;
    const host::HResult answer =
        subscriber.sink->Deliver(dispid, params, input.ConsumeBool() ? &result : nullptr, caller);
    const auto row = subscriber.rows.find(dispid);
    if (row == subscriber.rows.end()) {
        fuzz::Require(answer == host::hr::kOk && !caller.row(),
                      "an event without a row not answered S_OK, or handled");
        return;
    }
    if (!caller.row()) {
        fuzz::Require(IsRefusal(answer), "an event neither handled nor refused");
        return;
    }
    fuzz::Require(answer == kHandled, "the handler's answer was lost");
    fuzz::Require(caller.row()->dispid == dispid && caller.row()->diid == subscriber.diid,
                  "an event handed to another event's row");
    fuzz::Require(params.namedArgs.size() <= params.args.size(), "more names than arguments taken");
    RequireDeclared(caller, params, row->second);
}

}  // namespace

// Each input: events, one after another, each to the sink, DISPID and
// arguments the input picks.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Boundary& boundary = TheBoundary();
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0) {
        Subscriber& subscriber = boundary.subscribers[input.ConsumeIntegralInRange<std::size_t>(
            0, boundary.subscribers.size() - 1)];
        const std::size_t pick = input.ConsumeIntegralInRange<std::size_t>(0, 14);
        const host::DispId dispid =
            pick < 13 ? kKnownEvents[pick] : input.ConsumeIntegral<host::DispId>();
        const auto row = subscriber.rows.find(dispid);
        if (row != subscriber.rows.end() && input.ConsumeBool()) {
            WellFormed(input, subscriber, dispid, row->second, boundary.someObject);
        } else {
            Arbitrary(input, subscriber, dispid, boundary.someObject);
        }
    }
    fuzz::Require(boundary.world.platform.CaughtExceptions() == 0,
                  "an exception was stopped at an edge");
    return 0;
}
