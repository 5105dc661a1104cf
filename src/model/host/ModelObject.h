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
//
// Answers follow what a type-library IDispatch gives an automation client:
//   - more arguments than declared, or fewer than the required ones:
//     DISP_E_BADPARAMCOUNT; a required argument passed as Missing():
//     DISP_E_PARAMNOTFOUND;
//   - a property get of a method, a put of a method or read-only property:
//     DISP_E_MEMBERNOTFOUND; a method call of a property runs its getter
//     (clients call with DISPATCH_METHOD | DISPATCH_PROPERTYGET);
//   - omitted trailing optional arguments reach the member as Missing(), so a
//     member always sees its declared number of arguments;
//   - a member that throws answers DISP_E_EXCEPTION; no exception leaves;
//   - a failing call leaves the result empty.
//
// Objects must be owned by a ModelObjectPtr (boost::shared_ptr): interface
// queries answer the object itself, and an object keeps itself alive while one
// of its members runs or while it fires an event (a sink may drop the last
// outside reference). The CallLog must outlive the objects that write to it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <boost/enable_shared_from_this.hpp>
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include "host/Dispatch.h"
#include "host/EventSink.h"

namespace model {

struct CallRecord {
    enum class Kind { Get, Put, Call, QueryInterface, Advise, Unadvise };
    std::string object;  // the class name the object was made with
    std::string member;  // member name as called (or the IID/DIID text for the interface kinds)
    Kind kind;
    std::vector<host::Variant>
        args;  // declaration order, as the caller passed them; Put: the value
    host::HResult result = host::hr::kOk;  // what the call answered
};

// "Get", "Put", "Call", ... for test messages.
const char* KindName(CallRecord::Kind kind);

// Shared by all objects of one model host, in call order. A call made from
// inside another (a member that calls a second object) comes after it.
class CallLog {
  public:
    void Add(CallRecord record) { records_.push_back(std::move(record)); }
    const std::vector<CallRecord>& records() const { return records_; }
    // The calls of one member (names compared without regard to case; only
    // objects of class `object` when it is not empty), in order.
    std::vector<CallRecord> Of(const std::string& member, const std::string& object = "") const;
    void Clear() { records_.clear(); }

    // Used by ModelObject to fill in the answer of a call it recorded.
    void SetResult(std::size_t index, host::HResult result);

  private:
    std::vector<CallRecord> records_;
};

class ModelObject : public host::Dispatch, public boost::enable_shared_from_this<ModelObject> {
  public:
    // Getters and methods receive their declared number of arguments, in
    // declaration order (omitted optional ones as Missing()).
    typedef boost::function<host::HResult(const std::vector<host::Variant>& args,
                                          host::Variant* result)>
        Getter;
    typedef boost::function<host::HResult(const host::Variant& value)> Putter;
    typedef boost::function<host::HResult(const std::vector<host::Variant>& args,
                                          host::Variant* result)>
        Method;

    // The parameters of a method or an indexed property: `required` first,
    // then `optional` ones.
    struct Params {
        int required = 0;
        int optional = 0;
    };

    // `log` may be null (nothing recorded).
    ModelObject(std::string className, CallLog* log);
    ~ModelObject() override;
    ModelObject(const ModelObject&) = delete;
    ModelObject& operator=(const ModelObject&) = delete;

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
    std::wstring ErrorDescription() const override;

    const std::string& className() const { return className_; }

    // Fires event `dispid` of `diid` at every advised sink (in advise
    // order), with `args` in declaration order; a by-reference argument
    // (Variant::BoolRef) lets the sinks write into the firer's storage. Each
    // sink gets its own DispParams. Sinks advised during the fire are not
    // called; sinks unadvised during it (by themselves or an earlier sink)
    // or destroyed while advised are not called any more. Returns the last failing HResult of a
    // sink, or kOk. Firing an interface the object does not source is a mistake of the model and
    // throws std::logic_error. An exception thrown by a sink is not hidden: it leaves FireEvent (on
    // Windows it would be a crash).
    host::HResult FireEvent(const host::Guid& diid, host::DispId dispid,
                            const std::vector<host::Variant>& args);
    // The same with DispParams exactly as given: a host that names its
    // arguments, or sends fewer or other kinds than the event declares.
    host::HResult FireEventAsGiven(const host::Guid& diid, host::DispId dispid,
                                   const host::DispParams& params);
    std::size_t SinkCount(const host::Guid& diid) const;
    // The sinks its events would reach now (advised, not cut off by a
    // refused Unadvise, not destroyed), with their event interfaces.
    std::vector<std::pair<host::Guid, host::EventSink*>> AdvisedSinks() const;

    // The next `times` calls of `member` (get, put or method) answer `code`
    // and do nothing else; ErrorDescription() then gives `description`.
    void FailNext(const std::string& member, host::HResult code, int times = 1,
                  const std::wstring& description = std::wstring());
    // The next `times` Advise / Unadvise calls for `diid` answer `code` (a
    // source that refuses). A refused Advise connects nothing; a refused
    // Unadvise keeps the connection (SinkCount) but cuts the sink off, as
    // the win32 adapter does.
    void FailNextAdvise(const host::Guid& diid, host::HResult code, int times = 1);
    void FailNextUnadvise(const host::Guid& diid, host::HResult code, int times = 1);

  protected:
    // Interfaces QueryInterface answers besides IUnknown and IDispatch.
    void Implements(const host::Guid& iid);
    // Event interfaces the object has a connection point for.
    void SourcesEvents(const host::Guid& diid);
    // A property without index arguments; no putter means read-only.
    void DefineProperty(const std::string& name, Getter getter, Putter putter = Putter());
    // A property read with index arguments (Item(index)); read-only.
    void DefineIndexedProperty(const std::string& name, Params params, Getter getter);
    void DefineMethod(const std::string& name, Params params, Method method);
    // A read/write property kept in the object itself, initially `initial`.
    void DefineValue(const std::string& name, host::Variant initial);
    // The value of a property made with DefineValue (std::logic_error for
    // any other name). SetValue records nothing: it is the model's own write.
    host::Variant Value(const std::string& name) const;
    void SetValue(const std::string& name, const host::Variant& value);
    // For a member that fails: the text ErrorDescription() gives after it.
    void SetErrorDescription(const std::wstring& description);

  private:
    struct Members;
    struct Member;

    host::HResult Handle(CallRecord::Kind kind, const std::string& name,
                         const std::vector<host::Variant>& args, host::Variant* result);
    host::HResult Run(CallRecord::Kind kind, const std::string& name,
                      const std::vector<host::Variant>& args, host::Variant* result);
    std::size_t Record(CallRecord::Kind kind, const std::string& member,
                       const std::vector<host::Variant>& args);
    void Answer(std::size_t record, host::HResult result);

    std::unique_ptr<Members> members_;
    std::string className_;
    CallLog* log_;
};

typedef boost::shared_ptr<ModelObject> ModelObjectPtr;

}  // namespace model
