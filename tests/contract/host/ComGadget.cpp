#include "contract/host/ComGadget.h"

#include <oleauto.h>
#include <olectl.h>

#include <algorithm>
#include <cstdio>

#include "contract/host/Gadget.h"
#include "win32/com/ComGuid.h"

namespace contract {

namespace {

enum class Kind { ReadWrite, ReadOnly, Method };

struct MemberInfo {
    const wchar_t* name;
    DISPID dispid;
    Kind kind;
    UINT required;
    UINT optional;
};

constexpr DISPID kValue = 1, kValueType = 2, kValueLength = 3, kName = 4, kCount = 5, kItem = 6,
                 kDescribe = 7, kRefuse = 8, kFailWith = 9;

const MemberInfo kMembers[] = {
    {L"Value", kValue, Kind::ReadWrite, 0, 0},
    {L"ValueType", kValueType, Kind::ReadOnly, 0, 0},
    {L"ValueLength", kValueLength, Kind::ReadOnly, 0, 0},
    {L"Name", kName, Kind::ReadWrite, 0, 0},
    {L"Count", kCount, Kind::ReadOnly, 0, 0},
    {L"Item", kItem, Kind::ReadOnly, 1, 0},
    {L"Describe", kDescribe, Kind::Method, 2, 2},
    {L"Refuse", kRefuse, Kind::Method, 0, 0},
    {L"FailWith", kFailWith, Kind::Method, 1, 0},
};

const MemberInfo* FindMember(DISPID dispid) {
    for (const MemberInfo& member : kMembers) {
        if (member.dispid == dispid) return &member;
    }
    return nullptr;
}

const IID kGadgetIid = win32::ToNativeGuid(kIID_Gadget);
const IID kEventsIid = win32::ToNativeGuid(kDIID_GadgetEvents);

// VariantCopyInd, except that a null BSTR stays null (Wine's VariantCopy
// allocates an empty one for it) so the gadget shows exactly what arrived.
HRESULT CopyFaithfully(VARIANT* to, const VARIANT& from) {
    if (from.vt == VT_BSTR && !from.bstrVal) {
        to->vt = VT_BSTR;
        to->bstrVal = nullptr;
        return S_OK;
    }
    return VariantCopyInd(to, const_cast<VARIANT*>(&from));
}

bool IsMissing(const VARIANT& value) {
    return value.vt == VT_ERROR && value.scode == DISP_E_PARAMNOTFOUND;
}

// One argument in the form Gadget.h gives, read from the VARIANT itself.
std::wstring DescribeOne(const VARIANT& value) {
    wchar_t buffer[32];
    std::wstring text = std::to_wstring(value.vt);
    switch (value.vt) {
        case VT_EMPTY:
        case VT_NULL:
            return text;
        case VT_I2:
            return text + L":" + std::to_wstring(value.iVal);
        case VT_I4:
            return text + L":" + std::to_wstring(value.lVal);
        case VT_BOOL:
            return text + L":" + std::to_wstring(value.boolVal);
        case VT_BOOL | VT_BYREF:
            return text + L":" + (value.pboolVal ? std::to_wstring(*value.pboolVal) : L"?");
        case VT_ERROR:
            std::swprintf(buffer, 32, L"0x%08X", static_cast<unsigned>(value.scode));
            return text + L":" + buffer;
        case VT_DISPATCH:
            return text + (value.pdispVal ? L":object" : L":(null)");
        case VT_BSTR: {
            if (!value.bstrVal) return text + L":(null)";
            text += L":";
            const UINT length = SysStringLen(value.bstrVal);
            for (UINT i = 0; i < length; ++i) {
                const wchar_t c = value.bstrVal[i];
                if (c >= 0x20 && c < 0x7F) {
                    text += c;
                } else {
                    std::swprintf(buffer, 32, L"<U+%04X>", static_cast<unsigned>(c));
                    text += buffer;
                }
            }
            return text;
        }
        default:
            return text + L":?";
    }
}

// Fills the exception information of Refuse when the caller asks for it,
// as objects that defer the work do.
HRESULT STDAPICALLTYPE FillRefusal(EXCEPINFO* exception) {
    exception->scode = E_ACCESSDENIED;
    exception->bstrSource = SysAllocString(L"Gadget");
    exception->bstrDescription = SysAllocString(kRefusalText);
    exception->pfnDeferredFillIn = nullptr;
    return S_OK;
}

}  // namespace

ComGadget::ComGadget(const std::wstring& name, int children)
    : name_(name), childCount_(children), point_(this) {
    VariantInit(&value_);
}

ComGadget::~ComGadget() {
    VariantClear(&value_);
    for (ComGadget* child : children_) child->Release();
    for (const Connection& connection : sinks_) connection.sink->Release();
}

HRESULT STDMETHODCALLTYPE ComGadget::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, kGadgetIid)) {
        *object = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
        *object = static_cast<IConnectionPointContainer*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE ComGadget::AddRef() { return static_cast<ULONG>(++references_); }

ULONG STDMETHODCALLTYPE ComGadget::Release() {
    const LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE ComGadget::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ComGadget::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ComGadget::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                   DISPID* ids) {
    if (!names || !ids) return E_POINTER;
    if (count == 0) return E_INVALIDARG;
    ++lookups_[names[0]];
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (const MemberInfo& member : kMembers) {
        if (lstrcmpiW(member.name, names[0]) == 0) {
            ids[0] = member.dispid;
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;  // no named parameters
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE ComGadget::Invoke(DISPID dispid, REFIID, LCID, WORD flags,
                                            DISPPARAMS* params, VARIANT* result,
                                            EXCEPINFO* exception, UINT*) {
    if (!params || (params->cArgs > 0 && !params->rgvarg)) return E_INVALIDARG;
    const MemberInfo* member = FindMember(dispid);
    if (!member) return DISP_E_MEMBERNOTFOUND;

    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (member->kind != Kind::ReadWrite) return DISP_E_MEMBERNOTFOUND;
        if (params->cNamedArgs != 1 || !params->rgdispidNamedArgs ||
            params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
            return DISP_E_PARAMNOTFOUND;
        }
        if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        return Put(dispid, params->rgvarg[0]);
    }
    if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    const WORD wanted = member->kind == Kind::Method ? DISPATCH_METHOD : DISPATCH_PROPERTYGET;
    if (!(flags & wanted)) return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs < member->required || params->cArgs > member->required + member->optional) {
        return DISP_E_BADPARAMCOUNT;
    }
    // Declaration order; omitted optional arguments are missing.
    VARIANT missing;
    VariantInit(&missing);
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    std::vector<const VARIANT*> args;
    for (UINT i = 0; i < member->required + member->optional; ++i) {
        args.push_back(i < params->cArgs ? &params->rgvarg[params->cArgs - 1 - i] : &missing);
        if (i < member->required && IsMissing(*args.back())) return DISP_E_PARAMNOTFOUND;
    }
    VARIANT local;
    VariantInit(&local);
    const HRESULT hr = Get(dispid, args, result ? result : &local, exception);
    VariantClear(&local);
    return hr;
}

HRESULT ComGadget::Get(DISPID dispid, const std::vector<const VARIANT*>& args, VARIANT* out,
                       EXCEPINFO* exception) {
    switch (dispid) {
        case kValue:
            if (value_.vt & VT_BYREF) {
                *out = value_;  // a reference owns nothing: handed out as it is
                return S_OK;
            }
            return CopyFaithfully(out, value_);
        case kValueType:
            out->vt = VT_I4;
            out->lVal = value_.vt;
            return S_OK;
        case kValueLength:
            out->vt = VT_I4;
            out->lVal = value_.vt != VT_BSTR ? -2
                        : value_.bstrVal     ? static_cast<LONG>(SysStringLen(value_.bstrVal))
                                             : -1;
            return S_OK;
        case kName:
            out->vt = VT_BSTR;
            out->bstrVal = nameIsNull_
                               ? nullptr
                               : SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
            return S_OK;
        case kCount:
            out->vt = VT_I4;
            out->lVal = childCount_;
            return S_OK;
        case kItem: {
            if (args[0]->vt != VT_I4) return DISP_E_TYPEMISMATCH;
            const LONG index = args[0]->lVal;
            if (index < 1 || index > childCount_) return DISP_E_BADINDEX;
            ComGadget* child = Child(static_cast<std::size_t>(index - 1));
            child->AddRef();
            out->vt = VT_DISPATCH;
            out->pdispVal = static_cast<IDispatch*>(child);
            return S_OK;
        }
        case kDescribe: {
            std::wstring text;
            for (const VARIANT* arg : args) {
                text += (text.empty() ? L"" : L" | ") + DescribeOne(*arg);
            }
            out->vt = VT_BSTR;
            out->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            return S_OK;
        }
        case kRefuse:
            // Leaves a result behind, as careless objects do; callers must drop it.
            out->vt = VT_BSTR;
            out->bstrVal = SysAllocString(L"left behind");
            if (!exception) return E_ACCESSDENIED;
            *exception = EXCEPINFO();
            exception->pfnDeferredFillIn = FillRefusal;
            return DISP_E_EXCEPTION;
        case kFailWith:
            if (args[0]->vt != VT_I4) return DISP_E_TYPEMISMATCH;
            out->vt = VT_I4;
            out->lVal = 1;
            return args[0]->lVal;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT ComGadget::Put(DISPID dispid, const VARIANT& value) {
    if (dispid == kValue) {
        VARIANT copy;
        VariantInit(&copy);
        const HRESULT hr = CopyFaithfully(&copy, value);
        if (FAILED(hr)) return hr;
        VariantClear(&value_);
        value_ = copy;
        return S_OK;
    }
    if (value.vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
    nameIsNull_ = value.bstrVal == nullptr;
    name_ = nameIsNull_ ? std::wstring() : std::wstring(value.bstrVal, SysStringLen(value.bstrVal));
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ComGadget::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points) *points = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ComGadget::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    if (!IsEqualIID(iid, kEventsIid)) {
        *point = nullptr;
        return CONNECT_E_NOCONNECTION;
    }
    *point = &point_;
    point_.AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ComGadget::Point::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE ComGadget::Point::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = kEventsIid;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE
ComGadget::Point::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = owner_;
    owner_->AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ComGadget::Point::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = 0;
    // Like Office, take the sink as the event interface itself.
    IDispatch* events = nullptr;
    if (FAILED(sink->QueryInterface(kEventsIid, reinterpret_cast<void**>(&events))) || !events) {
        return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = owner_->nextCookie_++;
    owner_->sinks_.push_back(Connection{*cookie, events});
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ComGadget::Point::Unadvise(DWORD cookie) {
    if (owner_->refuseUnadvise_) return E_FAIL;
    std::vector<Connection>& sinks = owner_->sinks_;
    auto found = std::find_if(sinks.begin(), sinks.end(),
                              [cookie](const Connection& c) { return c.cookie == cookie; });
    if (found == sinks.end()) return CONNECT_E_NOCONNECTION;
    IDispatch* sink = found->sink;
    sinks.erase(found);
    sink->Release();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ComGadget::Point::EnumConnections(IEnumConnections** connections) {
    if (connections) *connections = nullptr;
    return E_NOTIMPL;
}

HRESULT ComGadget::FireRaw(DISPID dispid, DISPPARAMS* params, VARIANT* result) {
    // Sinks may unadvise (themselves or others) while being called: walk a
    // held copy and skip those no longer connected.
    AddRef();
    std::vector<Connection> snapshot = sinks_;
    for (const Connection& connection : snapshot) connection.sink->AddRef();
    HRESULT last = S_OK;
    for (const Connection& connection : snapshot) {
        const bool connected = std::any_of(
            sinks_.begin(), sinks_.end(),
            [&connection](const Connection& c) { return c.cookie == connection.cookie; });
        if (!connected) continue;
        VARIANT answer;
        VariantInit(&answer);
        const HRESULT hr =
            connection.sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params,
                                    &answer, nullptr, nullptr);
        last = hr;
        if (result) {
            VariantClear(result);
            *result = answer;
        } else {
            VariantClear(&answer);
        }
    }
    for (const Connection& connection : snapshot) connection.sink->Release();
    Release();
    return last;
}

std::int16_t ComGadget::FireClick(std::int16_t cancel) {
    VARIANT_BOOL word = cancel;
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_BOOL | VT_BYREF;  // CancelDefault, the last parameter, comes first
    args[0].pboolVal = &word;
    args[1].vt = VT_DISPATCH;  // Ctrl
    args[1].pdispVal = static_cast<IDispatch*>(this);
    DISPPARAMS params = {args, nullptr, 2, 0};
    FireRaw(kDispClick, &params, nullptr);
    return word;
}

void ComGadget::FireChange(const std::wstring& name, std::int32_t count) {
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_I4;
    args[0].lVal = count;
    args[1].vt = VT_BSTR;
    args[1].bstrVal = SysAllocStringLen(name.data(), static_cast<UINT>(name.size()));
    DISPPARAMS params = {args, nullptr, 2, 0};
    FireRaw(kDispChange, &params, nullptr);
    VariantClear(&args[1]);
}

int ComGadget::NameLookups(const std::wstring& spelling) const {
    auto found = lookups_.find(spelling);
    return found == lookups_.end() ? 0 : found->second;
}

ComGadget* ComGadget::Child(std::size_t index) {
    while (children_.size() < static_cast<std::size_t>(childCount_)) {
        children_.push_back(new ComGadget(L"child " + std::to_wstring(children_.size() + 1), 0));
    }
    return children_.at(index);
}

void ComGadget::SetValue(const VARIANT& value) {
    VariantClear(&value_);
    if (value.vt & VT_BYREF) {
        value_ = value;  // the reference itself, as a careless host may hand it out
    } else {
        CopyFaithfully(&value_, value);
    }
}

}  // namespace contract
