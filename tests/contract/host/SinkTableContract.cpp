// The sink base and its dispatcher, written once: a subscriber's table rows
// reached through real connection points (DispCallFunc under Wine, a C++
// call in the model), the arguments in declaration order, named arguments,
// CancelDefault written back, and the answers to events that do not fit.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "contract/host/Gadget.h"
#include "host/TableSink.h"
#include "util/CaughtExceptions.h"

namespace {

using host::Variant;
using I4 = std::int32_t;
using Calls = std::vector<std::wstring>;
namespace hr = host::hr;

constexpr host::DispId kEight = 3, kNine = 4, kNothing = 5;

// A subscriber with one sink on the gadget's events; its handlers write
// down how they were called.
class Listener : private host::TableSink<Listener, 1> {
  public:
    static const host::SinkTable& Sinks() {
        const host::Guid& events = contract::kDIID_GadgetEvents;
        static const host::SinkTable table = {
            host::Row<Listener, &Listener::OnClick>(1, events, contract::kDispClick),
            host::Row<Listener, &Listener::OnChange>(1, events, contract::kDispChange),
            host::Row<Listener, &Listener::OnNothing>(1, events,
                                                      contract::kDispChange),  // not first
            host::Row<Listener, &Listener::OnEight>(1, events, kEight),
            host::Row<Listener, &Listener::OnNine>(1, events, kNine),
            host::Row<Listener, &Listener::OnNothing>(1, events, kNothing),
        };
        return table;
    }
    host::HResult On(const host::DispatchPtr& source) { return Advise(host::TypedObject(source)); }
    host::HResult Off(const host::DispatchPtr& source) {
        return Unadvise(host::TypedObject(source));
    }
    using SinkBase::cookie;

    Calls calls;
    const void* clicked = nullptr;
    bool throwOnChange = false;

  private:
    friend class host::TableSink<Listener, 1>;
    void OnClick(const host::DispatchPtr* ctrl, std::int16_t* cancelDefault) {
        clicked = (*ctrl)->Identity();
        *cancelDefault = host::kVariantTrue;
    }
    void OnChange(const wchar_t* name, I4 count) {
        if (throwOnChange) throw std::runtime_error("handler failed");
        calls.push_back(std::wstring(name ? name : L"(null)") + L" " + std::to_wstring(count));
    }
    void OnEight(I4 a, I4 b, I4 c, I4 d, I4 e, I4 f, I4 g, I4 h) {
        std::wstring text;
        for (I4 n : {a, b, c, d, e, f, g, h}) text += std::to_wstring(n);
        calls.push_back(text);
    }
    void OnNine(I4, I4, I4, I4, I4, I4, I4, I4, I4) { calls.push_back(L"nine"); }
    void OnNothing() { calls.push_back(L"nothing"); }
};

host::DispParams Positional(std::vector<Variant> lastFirst) { return {lastFirst, {}}; }

class SinkTableContract : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(hr::kOk, listener.On(object)); }
    std::unique_ptr<contract::GadgetHandle> gadget = contract::MakeGadget();
    host::DispatchPtr object = gadget->object();
    Listener listener;
    const Variant name = Variant::Bstr(L"n"), count = Variant::I4(7);
};

TEST_F(SinkTableContract, HandlersGetTheirArgumentsInDeclarationOrder) {
    EXPECT_EQ(host::kVariantTrue, gadget->FireClick(host::kVariantFalse));
    EXPECT_EQ(object->Identity(), listener.clicked);
    gadget->FireChange(L"Subject", 7);
    std::vector<Variant> lastFirst;  // more than travel in registers on x64
    for (I4 n = 8; n >= 1; --n) lastFirst.push_back(Variant::I4(n));
    EXPECT_EQ(hr::kOk, gadget->FireRaw(kEight, Positional(lastFirst)));
    EXPECT_EQ(hr::kOk, gadget->FireRaw(kNothing, Positional({})));
    // Named arguments take the positions they name.
    for (const host::DispParams& params :
         {host::DispParams{{count, name}, {1}}, host::DispParams{{name, count}, {0, 1}},
          host::DispParams{{Variant::NullBstr(), count}, {0}}}) {
        EXPECT_EQ(hr::kOk, gadget->FireRaw(contract::kDispChange, params));
    }
    EXPECT_EQ((Calls{L"Subject 7", L"12345678", L"nothing", L"n 7", L"n 7", L"(null) 7"}),
              listener.calls);
}

TEST_F(SinkTableContract, EventsThatDoNotFitTheirRowCallNothing) {
    std::int16_t word = 0;
    const struct {
        host::DispId dispid;
        host::DispParams params;
        host::HResult answer;
    } cases[] = {
        {99, Positional({count}), hr::kOk},
        {contract::kDispChange, Positional({name}), hr::kBadParamCount},
        {kNothing, Positional({count}), hr::kBadParamCount},
        {contract::kDispChange, {{count, name}, {2}}, hr::kParamNotFound},
        {contract::kDispChange, {{count, name}, {-3}}, hr::kParamNotFound},
        {contract::kDispChange, {{name, name}, {0, 0}}, hr::kParamNotFound},
        {contract::kDispChange, Positional({Variant::I2(7), name}), hr::kTypeMismatch},
        {contract::kDispClick, Positional({Variant::Bool(true), Variant::Object(object)}),
         hr::kTypeMismatch},
        {contract::kDispClick, Positional({Variant::BoolRef(&word), count}), hr::kTypeMismatch},
        {kNine, Positional(std::vector<Variant>(9, count)), hr::kFail},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.answer, gadget->FireRaw(c.dispid, c.params)) << c.dispid;
    }
    EXPECT_EQ(Calls{}, listener.calls);
}

TEST_F(SinkTableContract, AdvisesOnceIsUnadvisedEvenWhenRefusedAndNeverReachesTheDead) {
    const std::uint32_t cookie = listener.cookie();
    EXPECT_EQ(hr::kOk, listener.On(object));
    EXPECT_EQ(cookie, listener.cookie());
    gadget->RefuseUnadvise();
    EXPECT_EQ(hr::kFail, listener.Off(object));
    EXPECT_EQ(host::SinkBase::kNotAdvised, listener.cookie());
    gadget->FireChange(L"refused", 1);
    ASSERT_EQ(hr::kOk, listener.On(object));
    EXPECT_EQ(2u, gadget->SinkCount());  // the source still holds the refused one
    gadget->FireChange(L"again", 2);
    // A subscriber that is gone is never reached, though still connected.
    ASSERT_EQ(hr::kOk, Listener().On(object));
    EXPECT_EQ(3u, gadget->SinkCount());
    gadget->FireChange(L"after", 3);
    EXPECT_EQ((Calls{L"again 2", L"after 3"}), listener.calls);
}

TEST_F(SinkTableContract, AHandlersExceptionStopsAtTheSinkOnWindowsOnly) {
    listener.throwOnChange = true;
    const host::DispParams params = Positional({count, name});
    const std::size_t caught = caught::Count();
    if (contract::AdapterName() == "model") {  // where a test sees it
        EXPECT_THROW(gadget->FireRaw(contract::kDispChange, params), std::runtime_error);
    } else {
        EXPECT_EQ(hr::kOk, gadget->FireRaw(contract::kDispChange, params));
        EXPECT_EQ(caught + 1, caught::Count());
    }
    listener.throwOnChange = false;
    EXPECT_EQ(hr::kOk, gadget->FireRaw(contract::kDispChange, params));
    EXPECT_EQ(Calls{L"n 7"}, listener.calls);
}

}  // namespace
