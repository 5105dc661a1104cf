// The sink table of a subscriber class: which event of which event
// interface, arriving at which of its sinks, calls which handler, and how.
//
// A row is made from the handler itself, an ordinary member function of the
// subscriber:
//
//     host::Row<CButton, &CButton::OnClickEvent>(1, CommandBarButtonEvents::kDiid,
//                                                CommandBarButtonEvents::kClick)
//
// The row's call description (CC_STDCALL, VT_EMPTY, the parameter kinds) is
// read off the handler's parameter types, so the two cannot disagree, and its
// handler address is a standard-call function taking the subscriber first
// and then the parameters: what DispCallFunc can call on every Windows build
// (on i686 a member function is thiscall, which it cannot).
//
// Parameter types and the kinds they stand for:
//   const host::DispatchPtr*   VT_DISPATCH (the object as the adapter wraps it)
//   const wchar_t*             VT_BSTR (null for a null BSTR)
//   std::int32_t               VT_I4
//   std::int16_t*              VT_BOOL by reference (the firer's VARIANT_BOOL)
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "host/EventSink.h"
#include "host/Guid.h"
#include "host/HandlerCall.h"
#include "host/Variant.h"

#if defined(_WIN32)
#define TANDREL_STDCALL __stdcall
#else
#define TANDREL_STDCALL
#endif

namespace host {

constexpr int kCcStdCall = 4;  // CC_STDCALL
constexpr std::uint16_t kVtEmpty = static_cast<std::uint16_t>(VarType::Empty);
constexpr std::uint16_t kVtBoolByRef = static_cast<std::uint16_t>(VarType::Bool) | kVtByRef;
// DispCallFunc is handed at most this many event parameters.
constexpr std::size_t kMaxHandlerParameters = 8;

// Any handler address; cast back to its real type before a C++ call.
typedef void(TANDREL_STDCALL* HandlerAddress)();

struct CallDescription {
    int convention;                         // CC_STDCALL
    std::uint16_t returns;                  // VT_EMPTY
    std::vector<std::uint16_t> parameters;  // VARTYPEs, in declaration order
};

struct SinkRow {
    int sinkId;
    Guid diid;
    DispId dispid;
    HandlerAddress handler;  // void TANDREL_STDCALL (Owner*, parameters...)
    CallDescription call;
    // The same handler called from C++, the arguments converted to its
    // parameter types; raises what the handler raised.
    void (*callDirectly)(void* owner, const std::vector<const Variant*>& args);
};

typedef std::vector<SinkRow> SinkTable;

// The first row for sink `sinkId` of interface `diid` and event `dispid`.
const SinkRow* FindRow(const SinkTable& table, int sinkId, const Guid& diid, DispId dispid);

// What a handler parameter type receives of its argument.
template <typename T>
struct HandlerParameter;  // other types cannot be event parameters

template <>
struct HandlerParameter<const DispatchPtr*> {
    static constexpr std::uint16_t kKind = static_cast<std::uint16_t>(VarType::Dispatch);
    struct Holder {
        explicit Holder(const Variant& value) : object(value.object()) {}
        const DispatchPtr* get() const { return &object; }
        DispatchPtr object;
    };
};

template <>
struct HandlerParameter<const wchar_t*> {
    static constexpr std::uint16_t kKind = static_cast<std::uint16_t>(VarType::Bstr);
    struct Holder {
        explicit Holder(const Variant& value)
            : text(value.isNullBstr() ? nullptr : value.bstr().c_str()) {}
        const wchar_t* get() const { return text; }
        const wchar_t* text;
    };
};

template <>
struct HandlerParameter<std::int32_t> {
    static constexpr std::uint16_t kKind = static_cast<std::uint16_t>(VarType::I4);
    struct Holder {
        explicit Holder(const Variant& value) : number(value.i4()) {}
        std::int32_t get() const { return number; }
        std::int32_t number;
    };
};

template <>
struct HandlerParameter<std::int16_t*> {
    static constexpr std::uint16_t kKind = kVtBoolByRef;
    struct Holder {
        explicit Holder(const Variant& value) : word(value.boolRef()) {}
        std::int16_t* get() const { return word; }
        std::int16_t* word;
    };
};

namespace detail {

template <typename Owner, typename Member, Member handler>
struct Handler;

template <typename Owner, typename Class, typename... Params, void (Class::*handler)(Params...)>
struct Handler<Owner, void (Class::*)(Params...), handler> {
    static_assert(std::is_base_of<Class, Owner>::value, "a handler of another class");

    // What DispCallFunc calls. Nothing may unwind out of it.
    static void TANDREL_STDCALL Call(Owner* owner, Params... params) noexcept {
        try {
            (owner->*handler)(params...);
        } catch (...) {
            KeepHandlerException(std::current_exception());
        }
    }

    static void CallDirectly(void* owner, const std::vector<const Variant*>& args) {
        CallWith(static_cast<Owner*>(owner), args, std::index_sequence_for<Params...>());
        RethrowHandlerException();
    }

    template <std::size_t... index>
    static void CallWith(Owner* owner, const std::vector<const Variant*>& args,
                         std::index_sequence<index...>) {
        const std::tuple<typename HandlerParameter<Params>::Holder...> held(*args[index]...);
        (void)held;  // unused for a handler without parameters
        Call(owner, std::get<index>(held).get()...);
    }

    static CallDescription Description() {
        return CallDescription{kCcStdCall, kVtEmpty, {HandlerParameter<Params>::kKind...}};
    }
};

}  // namespace detail

// The row calling `handler` (a member function of Owner or of a base of it).
template <typename Owner, auto handler>
SinkRow Row(int sinkId, const Guid& diid, DispId dispid) {
    typedef detail::Handler<Owner, decltype(handler), handler> Handler;
    return SinkRow{sinkId,
                   diid,
                   dispid,
                   reinterpret_cast<HandlerAddress>(&Handler::Call),
                   Handler::Description(),
                   &Handler::CallDirectly};
}

}  // namespace host
