#include "model/host/ModelObject.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <map>
#include <new>
#include <stdexcept>
#include <utility>

namespace model {

namespace {

std::string Lower(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

struct Failure {
    host::HResult code;
    std::wstring description;
};

struct Connection {
    std::uint32_t cookie;
    host::SinkLinkPtr link;  // null once cut off by a refused Unadvise
};

}  // namespace

const char* KindName(CallRecord::Kind kind) {
    switch (kind) {
        case CallRecord::Kind::Get:
            return "Get";
        case CallRecord::Kind::Put:
            return "Put";
        case CallRecord::Kind::Call:
            return "Call";
        case CallRecord::Kind::QueryInterface:
            return "QueryInterface";
        case CallRecord::Kind::Advise:
            return "Advise";
        case CallRecord::Kind::Unadvise:
            return "Unadvise";
    }
    return "?";
}

std::vector<CallRecord> CallLog::Of(const std::string& member, const std::string& object) const {
    const std::string wanted = Lower(member);
    std::vector<CallRecord> found;
    for (const CallRecord& record : records_) {
        if (Lower(record.member) == wanted && (object.empty() || record.object == object)) {
            found.push_back(record);
        }
    }
    return found;
}

void CallLog::SetResult(std::size_t index, host::HResult result) {
    if (index < records_.size()) {
        records_[index].result = result;
    }
}

struct ModelObject::Member {
    std::string name;  // as defined
    bool isMethod = false;
    bool isValue = false;  // kept in Members::values under the lower-case name
    Params params;         // index arguments of a property, parameters of a method
    Getter getter;
    Putter putter;
    Method method;
};

struct ModelObject::Members {
    std::map<std::string, Member> byName;         // lower-case name
    std::map<std::string, host::Variant> values;  // lower-case name
    std::vector<host::Guid> interfaces;
    std::map<host::Guid, std::vector<Connection>> connections;  // one entry per sourced DIID
    std::map<std::string, std::deque<Failure>> failures;        // lower-case member name
    std::map<host::Guid, std::deque<host::HResult>> adviseFailures;
    std::map<host::Guid, std::deque<host::HResult>> unadviseFailures;
    std::uint32_t nextCookie = 1;
    std::wstring errorDescription;
};

ModelObject::ModelObject(std::string className, CallLog* log)
    : members_(new Members), className_(std::move(className)), log_(log) {}

ModelObject::~ModelObject() = default;

std::size_t ModelObject::Record(CallRecord::Kind kind, const std::string& member,
                                const std::vector<host::Variant>& args) {
    if (!log_) {
        return 0;
    }
    CallRecord record;
    record.object = className_;
    record.member = member;
    record.kind = kind;
    record.args = args;
    log_->Add(std::move(record));
    return log_->records().size() - 1;
}

void ModelObject::Answer(std::size_t record, host::HResult result) {
    if (log_) {
        log_->SetResult(record, result);
    }
}

host::DispatchPtr ModelObject::QueryInterface(const host::Guid& iid) {
    const std::size_t record = Record(CallRecord::Kind::QueryInterface, iid.ToString(), {});
    const std::vector<host::Guid>& declared = members_->interfaces;
    const bool answered = iid == host::kIID_IUnknown || iid == host::kIID_IDispatch ||
                          std::find(declared.begin(), declared.end(), iid) != declared.end();
    host::DispatchPtr self = answered ? host::DispatchPtr(weak_from_this().lock()) : nullptr;
    Answer(record, self ? host::hr::kOk : host::hr::kNoInterface);
    return self;
}

host::HResult ModelObject::GetProperty(const std::string& name,
                                       const std::vector<host::Variant>& args,
                                       host::Variant* result) {
    return Handle(CallRecord::Kind::Get, name, args, result);
}

host::HResult ModelObject::PutProperty(const std::string& name, const host::Variant& value) {
    return Handle(CallRecord::Kind::Put, name, {value}, nullptr);
}

host::HResult ModelObject::Call(const std::string& name, const std::vector<host::Variant>& args,
                                host::Variant* result) {
    return Handle(CallRecord::Kind::Call, name, args, result);
}

std::wstring ModelObject::ErrorDescription() const { return members_->errorDescription; }

host::HResult ModelObject::Handle(CallRecord::Kind kind, const std::string& name,
                                  const std::vector<host::Variant>& args, host::Variant* result) {
    // A member may drop the last outside reference to its own object.
    const ModelObjectPtr keepAlive = weak_from_this().lock();
    const std::size_t record = Record(kind, name, args);
    members_->errorDescription.clear();
    host::Variant local;
    host::Variant* answer = result ? result : &local;
    *answer = host::Variant();
    host::HResult code = host::hr::kOk;
    try {
        code = Run(kind, name, args, answer);
    } catch (const std::bad_alloc&) {
        code = host::hr::kOutOfMemory;
    } catch (...) {
        code = host::hr::kException;
    }
    if (host::Failed(code)) {
        *answer = host::Variant();
    }
    Answer(record, code);
    return code;
}

namespace {

// Checks `args` against the declared parameters and pads omitted optional
// ones with Missing(), as a type-library dispatcher does.
host::HResult Arguments(const ModelObject::Params& params, const std::vector<host::Variant>& args,
                        std::vector<host::Variant>* padded) {
    const std::size_t required = static_cast<std::size_t>(std::max(params.required, 0));
    const std::size_t total = required + static_cast<std::size_t>(std::max(params.optional, 0));
    if (args.size() > total || args.size() < required) {
        return host::hr::kBadParamCount;
    }
    for (std::size_t i = 0; i < required; ++i) {
        if (args[i].isMissing()) {
            return host::hr::kParamNotFound;
        }
    }
    *padded = args;
    padded->resize(total, host::Variant::Missing());
    return host::hr::kOk;
}

}  // namespace

host::HResult ModelObject::Run(CallRecord::Kind kind, const std::string& name,
                               const std::vector<host::Variant>& args, host::Variant* result) {
    const std::string key = Lower(name);
    auto failures = members_->failures.find(key);
    if (failures != members_->failures.end() && !failures->second.empty()) {
        const Failure failure = failures->second.front();
        failures->second.pop_front();
        members_->errorDescription = failure.description;
        return failure.code;
    }
    auto found = members_->byName.find(key);
    if (found == members_->byName.end()) {
        return host::hr::kUnknownName;
    }
    const Member& member = found->second;
    if (member.isValue) {
        if (kind == CallRecord::Kind::Put) {
            members_->values[key] = args.front();
            return host::hr::kOk;
        }
        if (!args.empty()) {
            return host::hr::kBadParamCount;
        }
        *result = members_->values[key];
        return host::hr::kOk;
    }
    if (kind == CallRecord::Kind::Put) {
        if (member.isMethod || !member.putter) {
            return host::hr::kMemberNotFound;
        }
        const Putter putter = member.putter;  // the member may redefine itself while it runs
        return putter(args.front());
    }
    if (kind == CallRecord::Kind::Get && member.isMethod) {
        return host::hr::kMemberNotFound;
    }
    std::vector<host::Variant> padded;
    const host::HResult checked = Arguments(member.params, args, &padded);
    if (host::Failed(checked)) {
        return checked;
    }
    // Copies: the member may redefine itself while it runs.
    if (member.isMethod) {
        const Method method = member.method;
        return method ? method(padded, result) : host::hr::kMemberNotFound;
    }
    const Getter getter = member.getter;
    return getter ? getter(padded, result) : host::hr::kMemberNotFound;
}

host::HResult ModelObject::Advise(const host::Guid& diid, host::EventSink* sink,
                                  std::uint32_t* cookie) {
    const std::size_t record = Record(CallRecord::Kind::Advise, diid.ToString(), {});
    host::HResult code = host::hr::kOk;
    auto point = members_->connections.find(diid);
    auto& failures = members_->adviseFailures[diid];
    if (!sink || !cookie) {
        code = host::hr::kPointer;
    } else if (members_->connections.empty()) {
        code = host::hr::kNoInterface;  // not a connection-point container at all
    } else if (point == members_->connections.end()) {
        code = host::hr::kNoConnection;  // FindConnectionPoint's answer
    } else if (!failures.empty()) {
        code = failures.front();
        failures.pop_front();
    } else {
        *cookie = members_->nextCookie++;
        point->second.push_back(Connection{*cookie, sink->link()});
    }
    if (host::Failed(code) && cookie) {
        *cookie = 0;
    }
    Answer(record, code);
    return code;
}

host::HResult ModelObject::Unadvise(const host::Guid& diid, std::uint32_t cookie) {
    const std::size_t record = Record(CallRecord::Kind::Unadvise, diid.ToString(),
                                      {host::Variant::I4(static_cast<std::int32_t>(cookie))});
    host::HResult code = host::hr::kOk;
    auto point = members_->connections.find(diid);
    auto& failures = members_->unadviseFailures[diid];
    if (members_->connections.empty()) {
        code = host::hr::kNoInterface;
    } else if (point == members_->connections.end()) {
        code = host::hr::kNoConnection;
    } else {
        std::vector<Connection>& sinks = point->second;
        auto found = std::find_if(sinks.begin(), sinks.end(),
                                  [cookie](const Connection& c) { return c.cookie == cookie; });
        if (!failures.empty()) {
            code = failures.front();
            failures.pop_front();
            // The source keeps the connection, but the sink hears nothing
            // more: the win32 adapter cuts its COM sink off whatever the
            // source answers, and the model must behave the same.
            if (found != sinks.end()) {
                found->link.reset();
            }
        } else if (found == sinks.end()) {
            code = host::hr::kNoConnection;
        } else {
            sinks.erase(found);
        }
    }
    Answer(record, code);
    return code;
}

host::HResult ModelObject::FireEvent(const host::Guid& diid, host::DispId dispid,
                                     const std::vector<host::Variant>& args) {
    host::DispParams params;
    params.args.assign(args.rbegin(), args.rend());  // COM order: last parameter first
    return FireEventAsGiven(diid, dispid, params);
}

host::HResult ModelObject::FireEventAsGiven(const host::Guid& diid, host::DispId dispid,
                                            const host::DispParams& given) {
    auto point = members_->connections.find(diid);
    if (point == members_->connections.end()) {
        throw std::logic_error(className_ + " does not source events of " + diid.ToString());
    }
    // A sink may drop the last outside reference to this object, or advise
    // and unadvise sinks: walk a copy and check each one is still advised.
    const ModelObjectPtr keepAlive = weak_from_this().lock();
    const std::vector<Connection> snapshot = point->second;
    host::HResult last = host::hr::kOk;
    for (const Connection& connection : snapshot) {
        const std::vector<Connection>& current = members_->connections[diid];
        const auto still = std::find_if(
            current.begin(), current.end(),
            [&connection](const Connection& c) { return c.cookie == connection.cookie; });
        if (still == current.end() || !still->link || !still->link->sink) {
            continue;  // unadvised, cut off or destroyed meanwhile
        }
        host::EventSink* const sink = still->link->sink;
        host::DispParams params = given;
        host::Variant result;
        const host::HResult code = sink->Invoke(dispid, params, &result);
        if (host::Failed(code)) {
            last = code;
        }
    }
    return last;
}

std::size_t ModelObject::SinkCount(const host::Guid& diid) const {
    auto point = members_->connections.find(diid);
    return point == members_->connections.end() ? 0 : point->second.size();
}

std::vector<std::pair<host::Guid, host::EventSink*>> ModelObject::AdvisedSinks() const {
    std::vector<std::pair<host::Guid, host::EventSink*>> sinks;
    for (const auto& point : members_->connections) {
        for (const Connection& connection : point.second) {
            if (connection.link && connection.link->sink) {
                sinks.emplace_back(point.first, connection.link->sink);
            }
        }
    }
    return sinks;
}

void ModelObject::FailNext(const std::string& member, host::HResult code, int times,
                           const std::wstring& description) {
    for (int i = 0; i < times; ++i) {
        members_->failures[Lower(member)].push_back(Failure{code, description});
    }
}

void ModelObject::FailNextAdvise(const host::Guid& diid, host::HResult code, int times) {
    for (int i = 0; i < times; ++i) {
        members_->adviseFailures[diid].push_back(code);
    }
}

void ModelObject::FailNextUnadvise(const host::Guid& diid, host::HResult code, int times) {
    for (int i = 0; i < times; ++i) {
        members_->unadviseFailures[diid].push_back(code);
    }
}

void ModelObject::Implements(const host::Guid& iid) { members_->interfaces.push_back(iid); }

void ModelObject::SourcesEvents(const host::Guid& diid) { members_->connections[diid]; }

void ModelObject::DefineProperty(const std::string& name, Getter getter, Putter putter) {
    Member member;
    member.name = name;
    member.getter = std::move(getter);
    member.putter = std::move(putter);
    members_->byName[Lower(name)] = std::move(member);
}

void ModelObject::DefineIndexedProperty(const std::string& name, Params params, Getter getter) {
    Member member;
    member.name = name;
    member.params = params;
    member.getter = std::move(getter);
    members_->byName[Lower(name)] = std::move(member);
}

void ModelObject::DefineMethod(const std::string& name, Params params, Method method) {
    Member member;
    member.name = name;
    member.isMethod = true;
    member.params = params;
    member.method = std::move(method);
    members_->byName[Lower(name)] = std::move(member);
}

void ModelObject::DefineValue(const std::string& name, host::Variant initial) {
    const std::string key = Lower(name);
    members_->values[key] = std::move(initial);
    Member& member = members_->byName[key];
    member = Member();
    member.name = name;
    member.isValue = true;
}

host::Variant ModelObject::Value(const std::string& name) const {
    auto found = members_->values.find(Lower(name));
    if (found == members_->values.end()) {
        throw std::logic_error(className_ + " has no value property " + name);
    }
    return found->second;
}

void ModelObject::SetValue(const std::string& name, const host::Variant& value) {
    auto found = members_->values.find(Lower(name));
    if (found == members_->values.end()) {
        throw std::logic_error(className_ + " has no value property " + name);
    }
    found->second = value;
}

void ModelObject::SetErrorDescription(const std::wstring& description) {
    members_->errorDescription = description;
}

}  // namespace model
