#include "win32/com/ComEventSink.h"

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>
#include <wrl/client.h>

#include <algorithm>
#include <new>
#include <vector>

#include "util/CaughtExceptions.h"
#include "win32/com/ComHandlerCaller.h"
#include "win32/com/ComVariant.h"

namespace win32 {

namespace {

// The sinks currently connected, so that an Unadvise made through any
// wrapper of the source can cut its sink off. Everything runs on the one
// user-interface thread (a single-threaded apartment), so no lock.
std::vector<ComEventSink*>& ConnectedSinks() {
    static std::vector<ComEventSink*> sinks;
    return sinks;
}

}  // namespace

ComEventSink::ComEventSink(const IID& diid, host::EventSink* target, const void* source)
    : diid_(diid), target_(target->link()), source_(source) {}

ComEventSink::~ComEventSink() {
    if (connected_) {
        std::vector<ComEventSink*>& sinks = ConnectedSinks();
        sinks.erase(std::remove(sinks.begin(), sinks.end(), this), sinks.end());
    }
}

HRESULT ComEventSink::QueryOther(REFIID iid, void** found) {
    *found = IsEqualIID(iid, diid_) ? static_cast<IDispatch*>(this) : nullptr;
    return S_OK;
}

ULONG STDMETHODCALLTYPE ComEventSink::AddRef() {
    ComObject::AddRef();
    return 1;
}

ULONG STDMETHODCALLTYPE ComEventSink::Release() {
    ComObject::Release();  // may delete this
    return 1;
}

HRESULT STDMETHODCALLTYPE ComEventSink::GetTypeInfoCount(UINT* count) {
    if (count) {
        *count = 0;
    }
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ComEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ComEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ComEventSink::Invoke(DISPID dispid, REFIID, LCID, WORD,
                                               DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                               UINT*) {
    try {
        if (!params || (params->cArgs > 0 && !params->rgvarg) ||
            (params->cNamedArgs > 0 && !params->rgdispidNamedArgs) ||
            params->cNamedArgs > params->cArgs) {
            return E_INVALIDARG;
        }
        // Alive while it delivers: the host sink may unadvise it, and the
        // source then drops its reference.
        Microsoft::WRL::ComPtr<ComEventSink> hold(this);
        host::EventSink* target = target_ ? target_->sink : nullptr;
        if (!target) {
            return S_OK;  // unadvised, or its owner is gone
        }
        host::DispParams delivered;
        delivered.args.reserve(params->cArgs);
        for (UINT i = 0; i < params->cArgs; ++i) {
            delivered.args.push_back(FromEventArgument(params->rgvarg[i]));
        }
        delivered.namedArgs.assign(params->rgdispidNamedArgs,
                                   params->rgdispidNamedArgs + params->cNamedArgs);
        host::Variant answer;
        const HRESULT code =
            target->Deliver(dispid, delivered, &answer, ComHandlerCaller::Instance());
        if (result && SUCCEEDED(code)) {
            VariantClear(result);
            const HRESULT converted = ToVariant(answer, result);
            if (FAILED(converted)) {
                return converted;
            }
        }
        return code;
    } catch (...) {
        // The event happened; what the add-in made of it is its own affair,
        // and an error answer would only make the firer report or retry it.
        caught::Record("ComEventSink::Invoke");
        return S_OK;
    }
}

void ComEventSink::Connected(DWORD cookie) {
    if (connected_) {
        return;
    }
    cookie_ = cookie;
    ConnectedSinks().push_back(this);  // may throw: the caller catches
    connected_ = true;
}

void ComEventSink::Disconnect(const void* source, const IID& diid, DWORD cookie) {
    std::vector<ComEventSink*>& sinks = ConnectedSinks();
    for (auto it = sinks.begin(); it != sinks.end();) {
        ComEventSink* sink = *it;
        if (sink->source_ == source && sink->cookie_ == cookie && IsEqualIID(sink->diid_, diid)) {
            sink->target_.reset();
            sink->connected_ = false;
            it = sinks.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace win32
