// The late-bound object, written once against host::Dispatch: every argument
// kind there and back, indexed properties, methods with optional arguments,
// failures, interface queries and identity, and events through connection
// points in COM's argument order.
#include <gtest/gtest.h>

#include <functional>

#include "contract/host/Gadget.h"
#include "host/EventSink.h"

namespace {

using contract::GadgetHandle;
using host::Variant;
namespace hr = host::hr;

class DispatchContract : public ::testing::Test {
  protected:
    void SetUp() override {
        gadget = contract::MakeGadget();
        object = gadget->object();
        ASSERT_TRUE(object);
    }
    // Puts `value` into Value and reads it back.
    Variant RoundTrip(const Variant& value) {
        EXPECT_EQ(hr::kOk, object->Put("Value", value)) << value.Describe();
        Variant back;
        EXPECT_EQ(hr::kOk, object->GetProperty("Value", {}, &back)) << value.Describe();
        return back;
    }
    std::int32_t Number(const std::string& name) {
        Variant value;
        EXPECT_EQ(hr::kOk, object->GetProperty(name, {}, &value)) << name;
        EXPECT_EQ(host::VarType::I4, value.type()) << name << ": " << value.Describe();
        return value.i4();
    }
    std::wstring Describe(const std::vector<Variant>& args) {
        Variant text;
        EXPECT_EQ(hr::kOk, object->Call("Describe", args, &text));
        EXPECT_EQ(host::VarType::Bstr, text.type()) << text.Describe();
        return text.bstr();
    }

    std::unique_ptr<GadgetHandle> gadget;
    host::DispatchPtr object;
};

TEST_F(DispatchContract, NumbersAndBooleansKeepTheirKindThereAndBack) {
    EXPECT_EQ(Variant::I2(-12345), RoundTrip(Variant::I2(-12345)));
    EXPECT_EQ(2, Number("ValueType"));
    EXPECT_EQ(Variant::I4(-2000000000), RoundTrip(Variant::I4(-2000000000)));
    EXPECT_EQ(3, Number("ValueType"));

    const Variant yes = RoundTrip(Variant::Bool(true));
    EXPECT_EQ(11, Number("ValueType"));
    EXPECT_EQ(host::kVariantTrue, yes.boolWord());
    EXPECT_EQ(Variant::Bool(false), RoundTrip(Variant::Bool(false)));

    EXPECT_TRUE(RoundTrip(Variant()).isEmpty());
    EXPECT_EQ(0, Number("ValueType"));
    EXPECT_EQ(Variant::Null(), RoundTrip(Variant::Null()));
    EXPECT_EQ(1, Number("ValueType"));
}

TEST_F(DispatchContract, TextsKeepEveryCharacterAndNullStaysDistinctFromEmpty) {
    const Variant empty = RoundTrip(Variant::Bstr(L""));
    EXPECT_EQ(8, Number("ValueType"));
    EXPECT_EQ(0, Number("ValueLength"));
    EXPECT_FALSE(empty.isNullBstr());
    EXPECT_EQ(Variant::Bstr(L""), empty);

    const Variant null = RoundTrip(Variant::NullBstr());
    EXPECT_EQ(8, Number("ValueType"));
    EXPECT_EQ(-1, Number("ValueLength"));
    EXPECT_TRUE(null.isNullBstr());

    const std::wstring text(L"Zo\u00eb \u0416\u65e5 \u20ac a\0b", 12);
    EXPECT_EQ(Variant::Bstr(text), RoundTrip(Variant::Bstr(text)));
    EXPECT_EQ(12, Number("ValueLength"));

    EXPECT_EQ(hr::kOk, object->Put("Name", Variant::Bstr(L"M\u00fcller")));
    EXPECT_EQ(Variant::Bstr(L"M\u00fcller"), object->Get("name"));
    EXPECT_EQ(hr::kTypeMismatch, object->Put("Name", Variant::I4(5)));
    EXPECT_EQ(Variant::Bstr(L"M\u00fcller"), object->Get("Name"));
}

TEST_F(DispatchContract, MissingAndErrorValuesTravelAsVtError) {
    const Variant missing = RoundTrip(Variant::Missing());
    EXPECT_EQ(10, Number("ValueType"));
    EXPECT_TRUE(missing.isMissing());
    EXPECT_EQ(Variant::Error(hr::kFail), RoundTrip(Variant::Error(hr::kFail)));
}

TEST_F(DispatchContract, ObjectsTravelAsDispatchAndKeepTheirIdentity) {
    Variant first;
    ASSERT_EQ(hr::kOk, object->GetProperty("Item", {Variant::I4(1)}, &first));
    ASSERT_EQ(host::VarType::Dispatch, first.type());
    ASSERT_TRUE(first.object());
    EXPECT_EQ(Variant::Bstr(L"child 1"), first.object()->Get("Name"));

    const Variant back = RoundTrip(first);
    EXPECT_EQ(9, Number("ValueType"));
    ASSERT_TRUE(back.object());
    EXPECT_EQ(first.object()->Identity(), back.object()->Identity());
    EXPECT_EQ(Variant::Bstr(L"child 1"), back.object()->Get("Name"));

    const Variant none = RoundTrip(Variant::Object(host::DispatchPtr()));
    EXPECT_EQ(9, Number("ValueType"));
    EXPECT_EQ(host::VarType::Dispatch, none.type());
    EXPECT_FALSE(none.object());
}

TEST_F(DispatchContract, IndexedPropertyTakesAnI4IndexFromOne) {
    EXPECT_EQ(2, Number("Count"));
    Variant second, again;
    ASSERT_EQ(hr::kOk, object->GetProperty("Item", {Variant::I4(2)}, &second));
    ASSERT_EQ(hr::kOk, object->GetProperty("ITEM", {Variant::I4(2)}, &again));
    ASSERT_TRUE(second.object() && again.object());
    EXPECT_EQ(Variant::Bstr(L"child 2"), second.object()->Get("Name"));
    EXPECT_EQ(second.object()->Identity(), again.object()->Identity());
    EXPECT_NE(object->Identity(), second.object()->Identity());

    Variant result;
    EXPECT_EQ(hr::kBadIndex, object->GetProperty("Item", {Variant::I4(0)}, &result));
    EXPECT_EQ(hr::kBadIndex, object->GetProperty("Item", {Variant::I4(3)}, &result));
    EXPECT_EQ(hr::kTypeMismatch, object->GetProperty("Item", {Variant::I2(1)}, &result));
    EXPECT_EQ(hr::kBadParamCount, object->GetProperty("Item", {}, &result));
    EXPECT_TRUE(result.isEmpty());
}

TEST_F(DispatchContract, MethodArgumentsArriveInDeclarationOrder) {
    EXPECT_EQ(L"3:1 | 8:two | 11:-1 | 2:0", Describe({Variant::I4(1), Variant::Bstr(L"two"),
                                                      Variant::Bool(true), Variant::I2(0)}));
    // Omitted optional arguments, passed as missing or left off the end.
    EXPECT_EQ(L"9:object | 8:b | 10:0x80020004 | 8:(null)",
              Describe({Variant::Object(object), Variant::Bstr(L"b"), Variant::Missing(),
                        Variant::NullBstr()}));
    EXPECT_EQ(L"0 | 1 | 10:0x80020004 | 10:0x80020004", Describe({Variant(), Variant::Null()}));
    EXPECT_EQ(L"8:<U+00E9> | 8: | 10:0x80020004 | 10:0x80020004",
              Describe({Variant::Bstr(L"\u00e9"), Variant::Bstr(L"")}));
}

TEST_F(DispatchContract, WrongArgumentsAndUnknownMembersFail) {
    Variant result;
    EXPECT_EQ(hr::kBadParamCount, object->Call("Describe", {Variant::I4(1)}, &result));
    EXPECT_EQ(hr::kBadParamCount,
              object->Call("Describe", std::vector<Variant>(5, Variant::I4(1)), &result));
    EXPECT_EQ(hr::kParamNotFound,
              object->Call("Describe", {Variant::I4(1), Variant::Missing()}, &result));
    EXPECT_TRUE(result.isEmpty());

    EXPECT_EQ(hr::kUnknownName, object->GetProperty("NoSuchMember", {}, &result));
    EXPECT_EQ(hr::kUnknownName, object->Call("NoSuchMember", {}, &result));
    EXPECT_EQ(hr::kUnknownName, object->PutProperty("NoSuchMember", Variant::I4(1)));
    EXPECT_TRUE(object->Get("NoSuchMember").isEmpty());

    // A property read as a method works (automation clients call that way);
    // a method read as a property, or a put of a read-only property, does not.
    EXPECT_EQ(hr::kOk, object->Call("Count", {}, &result));
    EXPECT_EQ(Variant::I4(2), result);
    EXPECT_EQ(hr::kMemberNotFound, object->GetProperty("Refuse", {}, &result));
    EXPECT_EQ(hr::kMemberNotFound, object->PutProperty("Count", Variant::I4(3)));
    EXPECT_EQ(hr::kMemberNotFound, object->PutProperty("Describe", Variant::I4(3)));
    EXPECT_EQ(2, Number("Count"));
}

TEST_F(DispatchContract, AFailingMethodAnswersItsHresultAndLeavesTheResultEmpty) {
    Variant result = Variant::I4(99);
    EXPECT_EQ(hr::kAccessDenied, object->Call("Refuse", {}, &result));
    EXPECT_TRUE(result.isEmpty()) << result.Describe();
    EXPECT_EQ(contract::kRefusalText, object->ErrorDescription());
    EXPECT_TRUE(object->Invoke("Refuse").isEmpty());

    result = Variant::I4(99);
    EXPECT_EQ(hr::kNotImplemented,
              object->Call("FailWith", {Variant::I4(hr::kNotImplemented)}, &result));
    EXPECT_TRUE(result.isEmpty()) << result.Describe();
    EXPECT_EQ(L"", object->ErrorDescription());

    // The next successful call clears the description.
    object->Call("Refuse", {}, &result);
    EXPECT_EQ(2, Number("Count"));
    EXPECT_EQ(L"", object->ErrorDescription());
}

TEST_F(DispatchContract, QueryInterfaceAnswersTheSameObjectOrNothing) {
    for (const host::Guid& iid :
         {host::kIID_IUnknown, host::kIID_IDispatch, contract::kIID_Gadget}) {
        host::DispatchPtr seen = object->QueryInterface(iid);
        ASSERT_TRUE(seen) << iid.ToString();
        EXPECT_EQ(object->Identity(), seen->Identity()) << iid.ToString();
        EXPECT_EQ(2, seen->Get("Count").i4()) << iid.ToString();
    }
    EXPECT_FALSE(object->QueryInterface(contract::kIID_Elsewhere));
    EXPECT_FALSE(object->QueryInterface(contract::kDIID_GadgetEvents));

    std::unique_ptr<GadgetHandle> other = contract::MakeGadget();
    EXPECT_NE(object->Identity(), other->object()->Identity());
    EXPECT_EQ(Variant::Object(object),
              Variant::Object(object->QueryInterface(host::kIID_IUnknown)));
    EXPECT_NE(Variant::Object(object), Variant::Object(other->object()));
}

// A sink that keeps what reaches it and runs `action`.
class Sink : public host::EventSink {
  public:
    struct Delivery {
        host::DispId dispid;
        std::vector<Variant> args;
        std::int16_t cancelSeen;  // CancelDefault as this sink found it
    };
    host::HResult Invoke(host::DispId dispid, host::DispParams& params, Variant*) override {
        std::int16_t cancel = 0;
        if (!params.args.empty() && params.args[0].boolRef()) {
            cancel = *params.args[0].boolRef();
        }
        deliveries.push_back(Delivery{dispid, params.args, cancel});
        const std::function<void(host::DispParams&)> run = action;
        if (run) run(params);
        return hr::kOk;
    }
    std::vector<Delivery> deliveries;
    std::function<void(host::DispParams&)> action;
};

class DispatchEvents : public DispatchContract {
  protected:
    std::uint32_t Advise(Sink* sink) {
        std::uint32_t cookie = 0;
        EXPECT_EQ(hr::kOk, object->Advise(contract::kDIID_GadgetEvents, sink, &cookie));
        EXPECT_NE(0u, cookie);
        return cookie;
    }
};

TEST_F(DispatchEvents, EventsArriveWithTheLastParameterFirst) {
    Sink sink;
    Advise(&sink);
    gadget->FireChange(L"Subject \u00e9", 7);
    ASSERT_EQ(1u, sink.deliveries.size());
    EXPECT_EQ(contract::kDispChange, sink.deliveries[0].dispid);
    EXPECT_EQ((std::vector<Variant>{Variant::I4(7), Variant::Bstr(L"Subject \u00e9")}),
              sink.deliveries[0].args);

    gadget->FireClick(host::kVariantFalse);
    ASSERT_EQ(2u, sink.deliveries.size());
    const Sink::Delivery& click = sink.deliveries[1];
    EXPECT_EQ(contract::kDispClick, click.dispid);
    ASSERT_EQ(2u, click.args.size());
    EXPECT_EQ(host::kVtByRef | 11, click.args[0].vt());
    EXPECT_EQ(host::VarType::Dispatch, click.args[1].type());
    ASSERT_TRUE(click.args[1].object());
    EXPECT_EQ(object->Identity(), click.args[1].object()->Identity());
}

TEST_F(DispatchEvents, CancelDefaultWrittenByASinkReachesTheFirerAndLaterSinks) {
    Sink writer, reader;
    writer.action = [](host::DispParams& params) {
        *params.args[0].boolRef() = host::kVariantTrue;
    };
    Advise(&writer);
    Advise(&reader);
    EXPECT_EQ(host::kVariantTrue, gadget->FireClick(host::kVariantFalse));
    ASSERT_EQ(1u, reader.deliveries.size());
    EXPECT_EQ(host::kVariantTrue, reader.deliveries[0].cancelSeen);

    // Sinks that leave it alone leave the firer's value as it was.
    writer.action = nullptr;
    EXPECT_EQ(host::kVariantFalse, gadget->FireClick(host::kVariantFalse));
    EXPECT_EQ(host::kVariantTrue, gadget->FireClick(host::kVariantTrue));
    EXPECT_EQ(host::kVariantTrue, reader.deliveries.back().cancelSeen);
}

TEST_F(DispatchEvents, CookiesAreDistinctAndNothingArrivesAfterUnadvise) {
    Sink first, second;
    const std::uint32_t a = Advise(&first);
    const std::uint32_t b = Advise(&second);
    EXPECT_NE(a, b);
    EXPECT_EQ(2u, gadget->SinkCount());

    EXPECT_EQ(hr::kOk, object->Unadvise(contract::kDIID_GadgetEvents, a));
    EXPECT_EQ(1u, gadget->SinkCount());
    gadget->FireChange(L"x", 1);
    EXPECT_TRUE(first.deliveries.empty());
    EXPECT_EQ(1u, second.deliveries.size());

    EXPECT_EQ(hr::kNoConnection, object->Unadvise(contract::kDIID_GadgetEvents, a));
    EXPECT_EQ(hr::kNoConnection, object->Unadvise(contract::kDIID_GadgetEvents, a + b + 1000));
    EXPECT_EQ(hr::kOk, object->Unadvise(contract::kDIID_GadgetEvents, b));
    EXPECT_EQ(0u, gadget->SinkCount());
    gadget->FireClick(host::kVariantFalse);
    EXPECT_EQ(1u, second.deliveries.size());
}

TEST_F(DispatchEvents, ASinkHearsNothingAfterAnUnadviseTheSourceRefused) {
    Sink refused, other;
    const std::uint32_t cookie = Advise(&refused);
    Advise(&other);
    gadget->RefuseUnadvise();
    EXPECT_EQ(hr::kFail, object->Unadvise(contract::kDIID_GadgetEvents, cookie));
    EXPECT_EQ(2u, gadget->SinkCount());  // the source still holds the connection
    gadget->FireChange(L"after", 1);
    EXPECT_TRUE(refused.deliveries.empty());
    EXPECT_EQ(1u, other.deliveries.size());
}

TEST_F(DispatchEvents, OnlyTheSourcedInterfaceCanBeAdvised) {
    Sink sink;
    std::uint32_t cookie = 5;
    EXPECT_EQ(hr::kNoConnection, object->Advise(contract::kIID_Elsewhere, &sink, &cookie));
    EXPECT_EQ(0u, cookie);
    EXPECT_EQ(hr::kNoConnection, object->Unadvise(contract::kIID_Elsewhere, 1));
    EXPECT_EQ(hr::kPointer, object->Advise(contract::kDIID_GadgetEvents, nullptr, &cookie));
    EXPECT_EQ(0u, gadget->SinkCount());
}

TEST_F(DispatchEvents, SinksMayUnadviseThemselvesAndOthersDuringAnEvent) {
    Sink self, remover, removed;
    std::uint32_t selfCookie = 0, removedCookie = 0;
    self.action = [&](host::DispParams&) {
        EXPECT_EQ(hr::kOk, object->Unadvise(contract::kDIID_GadgetEvents, selfCookie));
    };
    remover.action = [&](host::DispParams&) {
        EXPECT_EQ(hr::kOk, object->Unadvise(contract::kDIID_GadgetEvents, removedCookie));
    };
    selfCookie = Advise(&self);
    Advise(&remover);
    removedCookie = Advise(&removed);

    gadget->FireChange(L"first", 1);
    EXPECT_EQ(1u, self.deliveries.size());
    EXPECT_EQ(1u, remover.deliveries.size());
    EXPECT_TRUE(removed.deliveries.empty());
    EXPECT_EQ(1u, gadget->SinkCount());

    remover.action = nullptr;
    gadget->FireChange(L"second", 2);
    EXPECT_EQ(1u, self.deliveries.size());
    EXPECT_EQ(2u, remover.deliveries.size());
}

}  // namespace
