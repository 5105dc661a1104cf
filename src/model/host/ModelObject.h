// The base of every model host object (model Outlook, model command bars,
// test automation objects): a host::Dispatch whose members are defined in
// code, that records every call with its arguments, answers QueryInterface
// for the interfaces it declares, keeps connection points for the event
// interfaces it sources, and fires events with DispParams built exactly as
// COM builds them (positional arguments last-first, by-reference where the
// event declares it).
//
// Member names are matched without regard to case, as GetIDsOfNames does.
// An unknown member answers DISP_E_UNKNOWNNAME; a member can be made to fail
// on its next calls (FailNext) to model a host that refuses.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

#include "host/Dispatch.h"
#include "host/EventSink.h"

namespace model {

struct CallRecord {
    enum class Kind { Get, Put, Call, QueryInterface, Advise, Unadvise };
    std::string object;  // the class name the object was made with
    std::string member;  // member name (or the IID/DIID text for the interface kinds)
    Kind kind;
    std::vector<host::Variant> args;  // declaration order; for Put: the value
};

// Shared by all objects of one model host, in call order.
class CallLog {
public:
    void Add(CallRecord record) { records_.push_back(std::move(record)); }
    const std::vector<CallRecord>& records() const { return records_; }
    // The calls of one member (any object of that class name when `object`
    // is not empty), in order.
    std::vector<CallRecord> Of(const std::string& member, const std::string& object = "") const;
    void Clear() { records_.clear(); }

private:
    std::vector<CallRecord> records_;
};

class ModelObject : public host::Dispatch, public boost::enable_shared_from_this<ModelObject> {
public:
    typedef std::function<host::HResult(const std::vector<host::Variant>& args,
                                        host::Variant* result)>
        Getter;
    typedef std::function<host::HResult(const host::Variant& value)> Putter;
    typedef std::function<host::HResult(const std::vector<host::Variant>& args,
                                        host::Variant* result)>
        Method;

    // `log` may be null (nothing recorded).
    ModelObject(std::string className, CallLog* log);
    ~ModelObject() override;

    // host::Dispatch
    host::DispatchPtr QueryInterface(const host::Guid& iid) override;
    host::HResult GetProperty(const std::string& name, const std::vector<host::Variant>& args,
                              host::Variant* result) override;
    host::HResult PutProperty(const std::string& name, const host::Variant& value) override;
    host::HResult Call(const std::string& name, const std::vector<host::Variant>& args,
                       host::Variant* result) override;
    host::HResult Advise(const host::Guid& diid, host::EventSink* sink,
                         std::uint32_t* cookie) override;
    host::HResult Unadvise(const host::Guid& diid, std::uint32_t cookie) override;
    const void* Identity() const override { return this; }

    const std::string& className() const { return className_; }

    // Fires event `dispid` of `diid` at every advised sink (in advise
    // order), with `args` in declaration order. Returns the last failing
    // HResult of a sink, or kOk.
    host::HResult FireEvent(const host::Guid& diid, host::DispId dispid,
                            const std::vector<host::Variant>& args);
    std::size_t SinkCount(const host::Guid& diid) const;

    // The next `times` calls of `member` (get, put or method) answer `code`
    // and do nothing else.
    void FailNext(const std::string& member, host::HResult code, int times = 1);

protected:
    void Implements(const host::Guid& iid);
    void SourcesEvents(const host::Guid& diid);
    void DefineProperty(const std::string& name, Getter getter, Putter putter = Putter());
    void DefineMethod(const std::string& name, Method method);
    // A read/write property kept in the object itself, initially `initial`.
    void DefineValue(const std::string& name, host::Variant initial);
    host::Variant Value(const std::string& name) const;
    void SetValue(const std::string& name, const host::Variant& value);

private:
    struct Members;
    Members* members_;
    std::string className_;
    CallLog* log_;
};

typedef boost::shared_ptr<ModelObject> ModelObjectPtr;

}  // namespace model
