#include "support/com/ExposedDispatch.h"

#include <oleauto.h>
#include <olectl.h>
#include <wrl/client.h>

#include <vector>

#include <boost/enable_shared_from_this.hpp>

#include "host/EventSink.h"
#include "win32/com/ComAdopt.h"
#include "win32/com/ComDispatch.h"
#include "win32/com/ComEntry.h"
#include "win32/com/ComGuid.h"
#include "win32/com/ComVariant.h"
#include "win32/com/ScopedVariant.h"

namespace win32 {

namespace {

using Microsoft::WRL::ComPtr;

// Answered by our COM objects alone, so that Unwrap can find the host
// object behind one. {5C0E8B31-6A57-4D1B-9F2E-3B7A90D1C4E6}
constexpr IID kIID_ExposedDispatch = {
    0x5C0E8B31, 0x6A57, 0x4D1B, {0x9F, 0x2E, 0x3B, 0x7A, 0x90, 0xD1, 0xC4, 0xE6}};

// The first DISPID handed out: clear of DISPID_VALUE (0) and the negative
// standard ones.
constexpr DISPID kFirstDispId = 1000;

// Member names by DISPID, for the whole process; one DISPID per name in any
// letter case.
class NameTable {
  public:
    static DISPID IdOf(const std::string& name) {
        std::map<std::string, DISPID>& ids = Ids();
        const std::string key = Lower(name);
        auto found = ids.find(key);
        if (found != ids.end()) {
            return found->second;
        }
        std::vector<std::string>& names = Names();
        const DISPID id = kFirstDispId + static_cast<DISPID>(names.size());
        names.push_back(name);
        ids[key] = id;
        return id;
    }
    static bool NameOf(DISPID id, std::string* name) {
        const std::vector<std::string>& names = Names();
        if (id < kFirstDispId || static_cast<std::size_t>(id - kFirstDispId) >= names.size()) {
            return false;
        }
        *name = names[static_cast<std::size_t>(id - kFirstDispId)];
        return true;
    }

  private:
    static std::string Lower(std::string text) {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    }
    static std::map<std::string, DISPID>& Ids() {
        static std::map<std::string, DISPID> ids;
        return ids;
    }
    static std::vector<std::string>& Names() {
        static std::vector<std::string> names;
        return names;
    }
};

// The COM objects alive, by the identity of the host object they present
// (not owned: each removes itself when it goes).
std::map<const void*, ExposedDispatch*>& Presented() {
    static std::map<const void*, ExposedDispatch*> presented;
    return presented;
}

class ExposedConnectionPoint final
    : public ComObject<ExposedConnectionPoint, ModuleCount::kNotCounted, IConnectionPoint> {
    friend ComObject;

  public:
    ExposedConnectionPoint(ExposedDispatch* container, const IID& diid)
        : container_(container), diid_(diid) {}

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* diid) override {
        if (!diid) {
            return E_POINTER;
        }
        *diid = diid_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE
    GetConnectionPointContainer(IConnectionPointContainer** container) override {
        if (!container) {
            return E_POINTER;
        }
        ComPtr<IConnectionPointContainer> answer(container_.Get());
        *container = answer.Detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
        return container_->Connect(diid_, sink, cookie);
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        return container_->Disconnect(diid_, cookie);
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override {
        if (connections) {
            *connections = nullptr;
        }
        return E_NOTIMPL;
    }

  private:
    ~ExposedConnectionPoint() = default;

    ComPtr<ExposedDispatch> container_;
    IID diid_;
};

}  // namespace

// The host object's side of one connection: each event goes to the COM
// sink's Invoke with the arguments as the host built them (already last
// first), objects presented as their COM objects.
class ForwardingSink : public host::EventSink,
                       public boost::enable_shared_from_this<ForwardingSink> {
  public:
    explicit ForwardingSink(ComPtr<IDispatch> sink) : sink_(std::move(sink)) {}

    host::HResult Invoke(host::DispId dispid, host::DispParams& params,
                         host::Variant* result) override {
        // Alive while it delivers: the COM sink may unadvise itself.
        const boost::shared_ptr<ForwardingSink> keep = shared_from_this();
        const ComPtr<IDispatch> sink = sink_;
        std::vector<ScopedVariant> args(params.args.size());
        for (std::size_t i = 0; i < params.args.size(); ++i) {
            const HRESULT converted =
                ExposedDispatch::ToComVariant(params.args[i], args[i].Receive());
            if (FAILED(converted)) {
                return converted;
            }
        }
        std::vector<DISPID> named(params.namedArgs.begin(), params.namedArgs.end());
        DISPPARAMS delivered = {VariantArray(args), named.empty() ? nullptr : named.data(),
                                static_cast<UINT>(params.args.size()),
                                static_cast<UINT>(named.size())};
        ScopedVariant answer;
        const HRESULT hr = sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                        &delivered, answer.Receive(), nullptr, nullptr);
        if (SUCCEEDED(hr) && result) {
            *result = FromVariant(answer.get());
        }
        return hr;
    }

  private:
    ComPtr<IDispatch> sink_;
};

// host -> COM: host objects as their COM objects, the rest as ComVariant
// converts them (by-reference booleans keep pointing at the same storage).
HRESULT ExposedDispatch::ToComVariant(const host::Variant& value, VARIANT* out) {
    const host::DispatchPtr object = value.object();
    if (value.type() == host::VarType::Dispatch && object &&
        !dynamic_cast<ComDispatch*>(object.get())) {
        VariantInit(out);
        IDispatch* exposed = nullptr;
        const HRESULT hr = ExposedDispatch::Expose(object, &exposed);
        if (SUCCEEDED(hr)) {
            out->vt = VT_DISPATCH;
            out->pdispVal = exposed;
        }
        return hr;
    }
    return ToVariant(value, out);
}

// COM -> host: our own COM objects as the host objects they present.
host::Variant ExposedDispatch::FromComVariant(const VARIANT& in) {
    IUnknown* object = nullptr;
    if (in.vt == VT_DISPATCH || in.vt == VT_UNKNOWN) {
        object = in.punkVal;
    } else if ((in.vt == (VT_DISPATCH | VT_BYREF) || in.vt == (VT_UNKNOWN | VT_BYREF)) &&
               in.ppunkVal) {
        object = *in.ppunkVal;
    }
    if (host::DispatchPtr presented = ExposedDispatch::Unwrap(object)) {
        return host::Variant::Object(presented);
    }
    return FromEventArgument(in);
}

ExposedDispatch::ExposedDispatch(host::DispatchPtr object) : object_(std::move(object)) {}

ExposedDispatch::~ExposedDispatch() {
    Presented().erase(object_->Identity());
    // The host object must not call sinks whose COM object is gone.
    for (const auto& connection : connections_) {
        host::Guid diid;
        if (host::Guid::Parse(connection.first.first, &diid)) {
            try {
                object_->Unadvise(diid, connection.first.second);
            } catch (...) {
                caught::Record("ExposedDispatch::~ExposedDispatch");
            }
        }
    }
}

HRESULT ExposedDispatch::Expose(const host::DispatchPtr& object, IDispatch** exposed) {
    if (!exposed) {
        return E_POINTER;
    }
    *exposed = nullptr;
    if (!object) {
        return S_OK;
    }
    return CatchAtEntry("ExposedDispatch::Expose", [&] {
        std::map<const void*, ExposedDispatch*>& presented = Presented();
        auto found = presented.find(object->Identity());
        if (found != presented.end()) {
            found->second->AddRef();
            *exposed = static_cast<IDispatch*>(found->second);
            return S_OK;
        }
        ComPtr<ExposedDispatch> created = Adopt(new ExposedDispatch(object));
        presented[object->Identity()] = created.Get();
        *exposed = static_cast<IDispatch*>(created.Detach());
        return S_OK;
    });
}

host::DispatchPtr ExposedDispatch::Unwrap(IUnknown* object) {
    ComPtr<ExposedDispatch> ours;
    if (!object || FAILED(object->QueryInterface(kIID_ExposedDispatch,
                                                 reinterpret_cast<void**>(ours.GetAddressOf())))) {
        return host::DispatchPtr();
    }
    return ours->object_;
}

HRESULT ExposedDispatch::QueryOther(REFIID iid, void** found) {
    return CatchAtEntry("ExposedDispatch::QueryInterface", [&] {
        if (IsEqualIID(iid, kIID_ExposedDispatch)) {
            *found = this;
        } else if (object_->QueryInterface(FromNativeGuid(iid))) {
            *found = static_cast<IDispatch*>(this);
        }
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE ExposedDispatch::GetTypeInfoCount(UINT* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ExposedDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) {
        *info = nullptr;
    }
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE ExposedDispatch::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count,
                                                         LCID, DISPID* ids) {
    if (!names || !ids) {
        return E_POINTER;
    }
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    if (count == 0) {
        return S_OK;
    }
    return CatchAtEntry("ExposedDispatch::GetIDsOfNames", [&] {
        for (UINT i = 0; i < count; ++i) {
            ids[i] = DISPID_UNKNOWN;
        }
        std::string name;
        for (const OLECHAR* c = names[0]; c && *c; ++c) {
            if (*c > 0x7E || *c < 0x20) {
                return DISP_E_UNKNOWNNAME;  // member names are plain ASCII
            }
            name += static_cast<char>(*c);
        }
        if (name.empty()) {
            return DISP_E_UNKNOWNNAME;
        }
        ids[0] = NameTable::IdOf(name);
        // Named parameters are not known.
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    });
}

HRESULT STDMETHODCALLTYPE ExposedDispatch::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags,
                                                  DISPPARAMS* params, VARIANT* result,
                                                  EXCEPINFO* exception, UINT*) {
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    if (!params) {
        params = &none;
    }
    if ((params->cArgs > 0 && !params->rgvarg) ||
        (params->cNamedArgs > 0 && !params->rgdispidNamedArgs) ||
        params->cNamedArgs > params->cArgs) {
        return E_INVALIDARG;
    }
    return CatchAtEntry("ExposedDispatch::Invoke", [&] {
        // Keeps the object and its host object alive through the call.
        ComPtr<ExposedDispatch> keep(this);
        std::string name;
        if (!NameTable::NameOf(dispid, &name)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        return InvokeMember(name, flags, *params, result, exception);
    });
}

HRESULT ExposedDispatch::InvokeMember(const std::string& name, WORD flags, const DISPPARAMS& params,
                                      VARIANT* result, EXCEPINFO* exception) {
    host::Variant value;
    host::HResult hr;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (params.cNamedArgs != 1 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
            return DISP_E_PARAMNOTOPTIONAL;
        }
        if (params.cArgs != 1) {
            return DISP_E_BADPARAMCOUNT;  // no indexed puts
        }
        hr = object_->PutProperty(name, ExposedDispatch::FromComVariant(params.rgvarg[0]));
    } else {
        if (params.cNamedArgs != 0) {
            return DISP_E_NONAMEDARGS;
        }
        std::vector<host::Variant> args;
        args.reserve(params.cArgs);
        for (UINT i = params.cArgs; i > 0; --i) {
            args.push_back(ExposedDispatch::FromComVariant(params.rgvarg[i - 1]));
        }
        hr = (flags & DISPATCH_METHOD) ? object_->Call(name, args, &value)
                                       : object_->GetProperty(name, args, &value);
    }
    if (FAILED(hr)) {
        const std::wstring description = object_->ErrorDescription();
        if (description.empty() || !exception) {
            return hr;
        }
        *exception = EXCEPINFO();
        exception->scode = hr;
        exception->bstrDescription =
            SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
        return DISP_E_EXCEPTION;
    }
    if (result) {
        VariantClear(result);
        return ExposedDispatch::ToComVariant(value, result);
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ExposedDispatch::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points) {
        *points = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ExposedDispatch::FindConnectionPoint(REFIID diid,
                                                               IConnectionPoint** point) {
    if (!point) {
        return E_POINTER;
    }
    *point = nullptr;
    return CatchAtEntry("ExposedDispatch::FindConnectionPoint", [&] {
        *point = new ExposedConnectionPoint(this, diid);
        return S_OK;
    });
}

HRESULT ExposedDispatch::Connect(const IID& diid, IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) {
        return E_POINTER;
    }
    *cookie = 0;
    return CatchAtEntry("ExposedDispatch::Connect", [&] {
        ComPtr<IDispatch> dispatch;
        if (FAILED(sink->QueryInterface(IID_IDispatch,
                                        reinterpret_cast<void**>(dispatch.GetAddressOf())))) {
            return CONNECT_E_CANNOTCONNECT;
        }
        const boost::shared_ptr<ForwardingSink> forwarding(new ForwardingSink(dispatch));
        const host::Guid interfaceId = FromNativeGuid(diid);
        std::uint32_t given = 0;
        const host::HResult hr = object_->Advise(interfaceId, forwarding.get(), &given);
        if (host::Failed(hr)) {
            return static_cast<HRESULT>(hr);
        }
        try {
            connections_[std::make_pair(interfaceId.ToString(), given)] = forwarding;
        } catch (...) {
            object_->Unadvise(interfaceId, given);  // it could never be taken back
            throw;
        }
        *cookie = given;
        return S_OK;
    });
}

HRESULT ExposedDispatch::Disconnect(const IID& diid, DWORD cookie) {
    return CatchAtEntry("ExposedDispatch::Disconnect", [&] {
        const host::Guid interfaceId = FromNativeGuid(diid);
        const host::HResult hr = object_->Unadvise(interfaceId, cookie);
        connections_.erase(std::make_pair(interfaceId.ToString(), cookie));
        return static_cast<HRESULT>(hr);
    });
}

}  // namespace win32
