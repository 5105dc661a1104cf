#include "host/TableSink.h"

#include <stdexcept>

namespace host {

namespace {

bool HasKind(const Variant& value, std::uint16_t kind) {
    if (value.vt() != kind) {
        return false;
    }
    // A reference must lead somewhere the handler can write.
    return !value.isByRef() || value.boolRef() != nullptr;
}

const Guid& InterfaceOf(const SinkTable& table, int sinkId) {
    for (const SinkRow& row : table) {
        if (row.sinkId == sinkId) {
            return row.diid;
        }
    }
    throw std::logic_error("a sink without rows in its table");
}

}  // namespace

const SinkRow* FindRow(const SinkTable& table, int sinkId, const Guid& diid, DispId dispid) {
    for (const SinkRow& row : table) {
        if (row.sinkId == sinkId && row.diid == diid && row.dispid == dispid) {
            return &row;
        }
    }
    return nullptr;
}

HResult OrderArguments(const CallDescription& call, const DispParams& params,
                       std::vector<const Variant*>* ordered) {
    const std::size_t count = call.parameters.size();
    const std::vector<Variant>& args = params.args;
    if (args.size() != count) {
        return hr::kBadParamCount;
    }
    if (params.namedArgs.size() > args.size()) {
        return hr::kInvalidArg;
    }
    std::vector<const Variant*> slots(count, nullptr);
    std::size_t next = 0;
    for (; next < params.namedArgs.size(); ++next) {
        const DispId position = params.namedArgs[next];
        if (position < 0 || static_cast<std::size_t>(position) >= count || slots[position]) {
            return hr::kParamNotFound;
        }
        slots[position] = &args[next];
    }
    // Every position is either named or filled here: the counts are equal
    // and the named positions distinct.
    std::size_t position = count;
    for (; next < args.size(); ++next) {
        do {
            --position;
        } while (slots[position]);
        slots[position] = &args[next];
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!HasKind(*slots[i], call.parameters[i])) {
            return hr::kTypeMismatch;
        }
    }
    ordered->swap(slots);
    return hr::kOk;
}

SinkBase::SinkBase(int sinkId, const SinkTable& table)
    : sinkId_(sinkId), table_(table), diid_(InterfaceOf(table, sinkId)) {}

HResult SinkBase::Advise(const TypedObject& source) {
    if (advised()) {
        return hr::kOk;
    }
    std::uint32_t cookie = kNotAdvised;
    const HResult answer = source.Advise(diid_, this, &cookie);
    if (Succeeded(answer)) {
        cookie_ = cookie;
    }
    return answer;
}

HResult SinkBase::Unadvise(const TypedObject& source) {
    if (!advised()) {
        return hr::kOk;
    }
    const std::uint32_t cookie = cookie_;
    cookie_ = kNotAdvised;
    return source.Unadvise(diid_, cookie);
}

HResult SinkBase::Invoke(DispId dispid, DispParams& params, Variant* result) {
    return Deliver(dispid, params, result, DirectHandlerCaller::Instance());
}

HResult SinkBase::Deliver(DispId dispid, DispParams& params, Variant* result,
                          const HandlerCaller& caller) {
    const SinkRow* row = FindRow(table_, sinkId_, diid_, dispid);
    if (!row) {
        return hr::kOk;
    }
    if (row->call.parameters.size() > kMaxHandlerParameters) {
        return hr::kFail;
    }
    std::vector<const Variant*> ordered;
    const HResult checked = OrderArguments(row->call, params, &ordered);
    if (Failed(checked)) {
        return checked;
    }
    Variant local;
    Variant* answer = result ? result : &local;
    *answer = Variant();
    return caller.Call(*row, OwnerObject(), ordered, answer);
}

}  // namespace host
