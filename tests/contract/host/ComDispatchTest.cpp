// What only the win32 adapter has: the name cache, reference counts, the
// VARIANT kinds a real host may answer beyond the add-in's vocabulary, and
// the COM sink object that the host's connection point calls.
#include <gtest/gtest.h>

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>

#include <new>
#include <stdexcept>

#include "contract/host/ComGadget.h"
#include "contract/host/Gadget.h"
#include "util/CaughtExceptions.h"
#include "win32/com/ComDispatch.h"
#include "win32/com/ComGuid.h"
#include "win32/com/ModuleUsage.h"

namespace {

using contract::ComGadget;
using host::Variant;
namespace hr = host::hr;

// Holds the creator's reference to a gadget.
struct Owned {
    Owned() : gadget(new ComGadget(L"gadget")) {}
    ~Owned() { gadget->Release(); }
    host::DispatchPtr Wrap() { return win32::ComDispatch::Wrap(static_cast<IDispatch*>(gadget)); }
    ComGadget* gadget;
};

class ComDispatchAdapter : public ::testing::Test {
  protected:
    Owned owned;
    ComGadget* gadget = owned.gadget;
    host::DispatchPtr object = owned.Wrap();

    Variant ValueHolding(const VARIANT& value) {
        gadget->SetValue(value);
        Variant back;
        EXPECT_EQ(hr::kOk, object->GetProperty("Value", {}, &back));
        return back;
    }
};

TEST_F(ComDispatchAdapter, NamesAreResolvedOncePerSpelling) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Variant::I4(2), object->Get("Count"));
        object->Put("Name", Variant::Bstr(L"x"));
        object->Get("Name");
    }
    EXPECT_EQ(1, gadget->NameLookups(L"Count"));
    EXPECT_EQ(1, gadget->NameLookups(L"Name"));
    // A failed lookup is not remembered as an answer.
    object->Get("Nothing");
    object->Get("Nothing");
    EXPECT_EQ(2, gadget->NameLookups(L"Nothing"));
}

TEST_F(ComDispatchAdapter, EveryReferenceTakenIsGivenBack) {
    EXPECT_EQ(2, gadget->references());  // the creator's and the wrapper's
    {
        Variant child = object->Get("Item", {Variant::I4(1)});
        ASSERT_TRUE(child.object());
        EXPECT_EQ(hr::kOk, object->Put("Value", child));
        EXPECT_EQ(hr::kOk, object->Put("Value", Variant::Object(object)));
        Variant self = object->Get("Value");
        host::DispatchPtr seen = object->QueryInterface(contract::kIID_Gadget);
        object->Invoke("Describe", {Variant::Object(object), Variant::Bstr(L"b")});
        object->Put("Value", Variant());  // drops the gadget's reference to itself
        EXPECT_LT(2, gadget->references());
    }
    EXPECT_EQ(2, gadget->references());
    EXPECT_EQ(1, gadget->Child(0)->references());  // only the gadget's own

    struct Quiet : host::EventSink {
        host::HResult Invoke(host::DispId, host::DispParams&, Variant*) override { return hr::kOk; }
    } sink;
    std::uint32_t cookie = 0;
    ASSERT_EQ(hr::kOk, object->Advise(contract::kDIID_GadgetEvents, &sink, &cookie));
    EXPECT_TRUE(win32::ModuleUsage::InUse());  // the sink object
    gadget->FireClick(0);
    ASSERT_EQ(hr::kOk, object->Unadvise(contract::kDIID_GadgetEvents, cookie));
    EXPECT_EQ(2, gadget->references());
    EXPECT_FALSE(win32::ModuleUsage::InUse());  // gone with its connection
    object.reset();
    EXPECT_EQ(1, gadget->references());
}

TEST_F(ComDispatchAdapter, OtherKindsAHostMayAnswerAreMadeSafe) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_UI1;
    value.bVal = 200;
    EXPECT_EQ(Variant::I4(200), ValueHolding(value));
    value.vt = VT_I1;
    value.cVal = -5;
    EXPECT_EQ(Variant::I4(-5), ValueHolding(value));
    value.vt = VT_UI4;
    value.ulVal = 4000000000u;
    EXPECT_EQ(Variant::Bstr(L"4000000000"), ValueHolding(value));
    value.vt = VT_R8;
    value.dblVal = 2.5;
    const Variant real = ValueHolding(value);
    EXPECT_EQ(host::VarType::Bstr, real.type());
    EXPECT_TRUE(real.bstr() == L"2.5" || real.bstr() == L"2,5") << real.Describe();
    value.vt = VT_BOOL;
    value.boolVal = 1;  // not the VARIANT_BOOL word for true, but true all the same
    EXPECT_EQ(host::kVariantTrue, ValueHolding(value).boolWord());

    LONG number = 41;
    value.vt = VT_I4 | VT_BYREF;
    value.plVal = &number;
    EXPECT_EQ(Variant::I4(41), ValueHolding(value));
    value.plVal = nullptr;
    EXPECT_TRUE(ValueHolding(value).isEmpty());
    BSTR text = nullptr;
    value.vt = VT_BSTR | VT_BYREF;
    value.pbstrVal = &text;
    EXPECT_TRUE(ValueHolding(value).isNullBstr());
    text = SysAllocStringLen(L"a\0b", 3);
    EXPECT_EQ(Variant::Bstr(std::wstring(L"a\0b", 3)), ValueHolding(value));
    SysFreeString(text);
    VARIANT inner;
    VariantInit(&inner);
    inner.vt = VT_I2;
    inner.iVal = 12;
    value.vt = VT_VARIANT | VT_BYREF;
    value.pvarVal = &inner;
    EXPECT_EQ(Variant::I2(12), ValueHolding(value));

    value.vt = VT_UNKNOWN;
    value.punkVal = static_cast<IDispatch*>(gadget->Child(1));
    const Variant unknown = ValueHolding(value);
    ASSERT_TRUE(unknown.object());
    EXPECT_EQ(Variant::Bstr(L"child 2"), unknown.object()->Get("Name"));

    SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, 3);
    ASSERT_TRUE(array);
    value.vt = VT_ARRAY | VT_I4;
    value.parray = array;
    EXPECT_TRUE(ValueHolding(value).isEmpty());
    SafeArrayDestroy(array);
}

TEST_F(ComDispatchAdapter, ObjectsThatAreNotComObjectsAreRefused) {
    struct Elsewhere : host::Dispatch {
        host::DispatchPtr QueryInterface(const host::Guid&) override { return nullptr; }
        host::HResult GetProperty(const std::string&, const std::vector<Variant>&,
                                  Variant*) override {
            return hr::kFail;
        }
        host::HResult PutProperty(const std::string&, const Variant&) override { return hr::kFail; }
        host::HResult Call(const std::string&, const std::vector<Variant>&, Variant*) override {
            return hr::kFail;
        }
        host::HResult Advise(const host::Guid&, host::EventSink*, std::uint32_t*) override {
            return hr::kFail;
        }
        host::HResult Unadvise(const host::Guid&, std::uint32_t) override { return hr::kFail; }
        const void* Identity() const override { return this; }
    };
    object->Put("Value", Variant::I4(3));
    EXPECT_EQ(hr::kTypeMismatch,
              object->Put("Value", Variant::Object(host::DispatchPtr(new Elsewhere))));
    EXPECT_EQ(Variant::I4(3), object->Get("Value"));
    EXPECT_EQ(hr::kInvalidArg, object->Put("Value", Variant::BoolRef(nullptr)));
}

TEST_F(ComDispatchAdapter, ByReferenceBooleansReachTheObjectAsReferences) {
    std::int16_t word = host::kVariantTrue;
    EXPECT_EQ(Variant::Bstr(L"16395:-1 | 8:b | 10:0x80020004 | 10:0x80020004"),
              object->Invoke("Describe", {Variant::BoolRef(&word), Variant::Bstr(L"b")}));
}

// A host sink whose behaviour each test sets.
struct ScriptedSink : host::EventSink {
    host::HResult Invoke(host::DispId dispid, host::DispParams& params, Variant* result) override {
        ++calls;
        seen = params;
        if (throwWhat == 1) throw std::runtime_error("sink failed");
        if (throwWhat == 2) throw std::bad_alloc();
        if (params.args.size() > 0 && params.args[0].boolRef()) {
            *params.args[0].boolRef() = host::kVariantTrue;
        }
        *result = answer;
        return code;
    }
    int calls = 0;
    int throwWhat = 0;
    host::DispParams seen;
    Variant answer;
    host::HResult code = hr::kOk;
};

class ComSink : public ComDispatchAdapter {
  protected:
    void SetUp() override {
        ASSERT_EQ(hr::kOk, object->Advise(contract::kDIID_GadgetEvents, &sink, &cookie));
        ASSERT_EQ(1u, gadget->SinkCount());
    }
    ScriptedSink sink;
    std::uint32_t cookie = 0;
};

TEST_F(ComSink, AnswersItsInterfacesOnly) {
    IDispatch* comSink = gadget->Sink(0);
    void* seen = nullptr;
    for (const IID& iid :
         {IID_IUnknown, IID_IDispatch, win32::ToNativeGuid(contract::kDIID_GadgetEvents)}) {
        ASSERT_EQ(S_OK, comSink->QueryInterface(iid, &seen));
        EXPECT_EQ(static_cast<void*>(comSink), seen);
        static_cast<IUnknown*>(seen)->Release();
    }
    seen = comSink;
    EXPECT_EQ(E_NOINTERFACE,
              comSink->QueryInterface(win32::ToNativeGuid(contract::kIID_Elsewhere), &seen));
    EXPECT_EQ(nullptr, seen);
    EXPECT_EQ(E_POINTER, comSink->QueryInterface(IID_IUnknown, nullptr));
    UINT count = 7;
    EXPECT_EQ(E_NOTIMPL, comSink->GetTypeInfoCount(&count));
    ITypeInfo* info = nullptr;
    EXPECT_EQ(E_NOTIMPL, comSink->GetTypeInfo(0, 0, &info));
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"Click")};
    DISPID id = 0;
    EXPECT_EQ(E_NOTIMPL, comSink->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
    // Not counted as far as anyone can see, though it stays alive while held.
    EXPECT_EQ(1u, comSink->AddRef());
    EXPECT_EQ(1u, comSink->Release());
    EXPECT_EQ(0, sink.calls);
}

TEST_F(ComSink, HandsBackTheResultAndAnswerOfTheHostSink) {
    VARIANT args[1];
    VariantInit(&args[0]);
    args[0].vt = VT_I4;
    args[0].lVal = 9;
    DISPID named[] = {4};
    DISPPARAMS params = {args, named, 1, 1};
    sink.answer = Variant::Bstr(L"answer");
    sink.code = hr::kFalse;
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(S_FALSE, gadget->FireRaw(4, &params, &result));
    ASSERT_EQ(VT_BSTR, result.vt);
    EXPECT_STREQ(L"answer", result.bstrVal);
    VariantClear(&result);
    EXPECT_EQ(std::vector<host::DispId>{4}, sink.seen.namedArgs);
    EXPECT_EQ(std::vector<Variant>{Variant::I4(9)}, sink.seen.args);

    sink.code = hr::kFail;
    EXPECT_EQ(E_FAIL, gadget->FireRaw(4, &params, nullptr));
}

TEST_F(ComSink, AVariantReferenceToABooleanWritesThrough) {
    VARIANT cancel;
    VariantInit(&cancel);
    cancel.vt = VT_BOOL;
    cancel.boolVal = VARIANT_FALSE;
    VARIANT args[1];
    VariantInit(&args[0]);
    args[0].vt = VT_VARIANT | VT_BYREF;
    args[0].pvarVal = &cancel;
    DISPPARAMS params = {args, nullptr, 1, 0};
    EXPECT_EQ(S_OK, gadget->FireRaw(1, &params, nullptr));
    EXPECT_EQ(VARIANT_TRUE, cancel.boolVal);
}

TEST_F(ComSink, MalformedCallsAndHostExceptionsNeverCrossIntoTheHost) {
    DISPPARAMS noArray = {nullptr, nullptr, 2, 0};
    EXPECT_EQ(E_INVALIDARG, gadget->FireRaw(1, &noArray, nullptr));
    VARIANT args[1];
    VariantInit(&args[0]);
    DISPID named[] = {1, 2};
    DISPPARAMS tooManyNames = {args, named, 1, 2};
    EXPECT_EQ(E_INVALIDARG, gadget->FireRaw(1, &tooManyNames, nullptr));
    EXPECT_EQ(E_INVALIDARG, gadget->Sink(0)->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, nullptr,
                                                    nullptr, nullptr, nullptr));
    EXPECT_EQ(0, sink.calls);

    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    const std::size_t caughtBefore = caught::Count();
    sink.throwWhat = 1;
    EXCEPINFO exception = {};
    EXPECT_EQ(S_OK, gadget->Sink(0)->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr,
                                            &exception, nullptr));
    sink.throwWhat = 2;
    EXPECT_EQ(S_OK, gadget->FireRaw(1, &none, nullptr));
    EXPECT_EQ(2, sink.calls);
    EXPECT_EQ(caughtBefore + 2, caught::Count());
}

TEST_F(ComSink, IsCutOffFromTheHostSinkEvenWhenTheSourceRefusesUnadvise) {
    gadget->RefuseUnadvise();
    EXPECT_EQ(hr::kFail, object->Unadvise(contract::kDIID_GadgetEvents, cookie));
    EXPECT_EQ(1u, gadget->SinkCount());  // the source still calls it...
    gadget->FireChange(L"late", 1);
    EXPECT_EQ(0, sink.calls);  // ...but it no longer reaches the host sink
}

TEST_F(ComSink, IsCutOffWhenUnadvisedThroughAnotherWrapperOfTheSource) {
    host::DispatchPtr other = owned.Wrap();
    gadget->RefuseUnadvise();
    other->Unadvise(contract::kDIID_GadgetEvents, cookie);
    gadget->FireChange(L"late", 1);
    EXPECT_EQ(0, sink.calls);
}

}  // namespace
