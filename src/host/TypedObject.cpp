#include "host/TypedObject.h"

namespace host {

HResult TypedObject::Advise(const host::Guid& diid, host::EventSink* sink,
                            std::uint32_t* cookie) const {
    if (!object_) {
        return host::hr::kNoConnection;
    }
    return object_->Advise(diid, sink, cookie);
}

HResult TypedObject::Unadvise(const host::Guid& diid, std::uint32_t cookie) const {
    if (!object_) {
        return host::hr::kNoConnection;
    }
    return object_->Unadvise(diid, cookie);
}

host::DispatchPtr TypedObject::Query(const host::DispatchPtr& object, const host::Guid& iid) {
    if (!object) {
        return host::DispatchPtr();
    }
    return object->QueryInterface(iid);
}

host::Variant TypedObject::GetVariant(const char* name,
                                      const std::vector<host::Variant>& args) const {
    if (!object_) {
        return host::Variant();
    }
    return object_->Get(name, args);
}

std::wstring TypedObject::GetText(const char* name) const { return GetVariant(name).ToText(); }

std::int32_t TypedObject::GetNumber(const char* name, std::int32_t fallback) const {
    std::int32_t value = fallback;
    if (!GetVariant(name).ToInt32(&value)) {
        return fallback;
    }
    return value;
}

bool TypedObject::GetFlag(const char* name) const {
    std::int32_t value = 0;
    return GetVariant(name).ToInt32(&value) && value != 0;
}

host::DispatchPtr TypedObject::GetDispatch(const char* name,
                                           const std::vector<host::Variant>& args) const {
    return GetVariant(name, args).object();
}

host::Variant TypedObject::CallMethod(const char* name,
                                      const std::vector<host::Variant>& args) const {
    if (!object_) {
        return host::Variant();
    }
    return object_->Invoke(name, args);
}

host::DispatchPtr TypedObject::CallForDispatch(const char* name,
                                               const std::vector<host::Variant>& args) const {
    return CallMethod(name, args).object();
}

host::Variant TypedObject::CallOrThrow(const char* name, const std::vector<host::Variant>& args,
                                       const host::Guid& iid) const {
    if (!object_) {
        throw host::ComError(host::hr::kPointer, iid);
    }
    host::Variant result;
    host::ThrowIfFailed(object_->Call(name, args, &result), iid, *object_);
    return result;
}

void TypedObject::PutVariant(const char* name, const host::Variant& value) const {
    if (object_) {
        object_->Put(name, value);
    }
}

void TypedObject::PutText(const char* name, const std::wstring& value) const {
    PutVariant(name, host::Variant::Bstr(value));
}

void TypedObject::PutNumber(const char* name, std::int32_t value) const {
    PutVariant(name, host::Variant::I4(value));
}

void TypedObject::PutFlag(const char* name, bool value) const {
    PutVariant(name, host::Variant::Bool(value));
}

}  // namespace host
