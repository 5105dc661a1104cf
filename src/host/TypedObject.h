// The common base of the typed Outlook and Office surfaces: a thin wrapper
// over one late-bound host object. A wrapper is null when its object is;
// reading through a null wrapper or a refused call gives the empty result
// (null object, empty text, the stated fallback number), because the add-in
// judges host results by null. Property puts ignore their result. Only the
// members that must raise (Delete, Clear, AddItem) throw host::ComError.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/ComError.h"
#include "host/Dispatch.h"
#include "host/EventSink.h"
#include "host/Guid.h"
#include "host/Variant.h"

namespace host {

class TypedObject {
  public:
    TypedObject() = default;
    explicit TypedObject(host::DispatchPtr object) : object_(std::move(object)) {}

    bool IsNull() const { return !object_; }
    explicit operator bool() const { return static_cast<bool>(object_); }
    const host::DispatchPtr& object() const { return object_; }

    // The connection point of event interface `diid` on this object;
    // CONNECT_E_NOCONNECTION through a null wrapper.
    host::HResult Advise(const host::Guid& diid, host::EventSink* sink,
                         std::uint32_t* cookie) const;
    host::HResult Unadvise(const host::Guid& diid, std::uint32_t cookie) const;

    // `object` seen through interface `iid`, or null.
    static host::DispatchPtr Query(const host::DispatchPtr& object, const host::Guid& iid);

  protected:
    // Property get; VT_EMPTY when the wrapper is null or the call fails.
    host::Variant GetVariant(const char* name, const std::vector<host::Variant>& args = {}) const;
    // A text property: empty for a null BSTR, another kind or a failure.
    std::wstring GetText(const char* name) const;
    // An integer property, `fallback` when it cannot be read as one.
    std::int32_t GetNumber(const char* name, std::int32_t fallback) const;
    // A VARIANT_BOOL property: false when it cannot be read.
    bool GetFlag(const char* name) const;
    // An object property (null when absent or failed).
    host::DispatchPtr GetDispatch(const char* name,
                                  const std::vector<host::Variant>& args = {}) const;

    // Method call; VT_EMPTY when the wrapper is null or the call fails.
    host::Variant CallMethod(const char* name, const std::vector<host::Variant>& args = {}) const;
    host::DispatchPtr CallForDispatch(const char* name,
                                      const std::vector<host::Variant>& args = {}) const;
    // Method call whose failure raises host::ComError with `iid` (E_POINTER
    // through a null wrapper).
    host::Variant CallOrThrow(const char* name, const std::vector<host::Variant>& args,
                              const host::Guid& iid) const;

    // Property put; the result is ignored, as the add-in ignores it.
    void PutVariant(const char* name, const host::Variant& value) const;
    void PutText(const char* name, const std::wstring& value) const;
    void PutNumber(const char* name, std::int32_t value) const;
    void PutFlag(const char* name, bool value) const;

  private:
    host::DispatchPtr object_;
};

}  // namespace host
