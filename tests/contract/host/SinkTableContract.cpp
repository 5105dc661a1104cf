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
namespace hr = host::hr;

constexpr host::DispId kEight = 3, kNine = 4, kNothing = 5, kUnknown = 99;

// A subscriber with one sink on the gadget's events; each handler writes
// down how it was called.
class Listener : private host::TableSink<Listener, 1> {
  public:
    static const host::SinkTable& Sinks() {
        static const host::SinkTable table = {
            host::Row<Listener, &Listener::OnClick>(1, contract::kDIID_GadgetEvents,
                                                    contract::kDispClick),
            host::Row<Listener, &Listener::OnChange>(1, contract::kDIID_GadgetEvents,
                                                     contract::kDispChange),
            // Never reached: the first row of a DISPID wins.
            host::Row<Listener, &Listener::OnChangeAgain>(1, contract::kDIID_GadgetEvents,
                                                          contract::kDispChange),
            host::Row<Listener, &Listener::OnEight>(1, contract::kDIID_GadgetEvents, kEight),
            host::Row<Listener, &Listener::OnNine>(1, contract::kDIID_GadgetEvents, kNine),
            host::Row<Listener, &Listener::OnNothing>(1, contract::kDIID_GadgetEvents, kNothing),
        };
        return table;
    }

    host::HResult AdviseOn(const host::DispatchPtr& source) {
        return Advise(host::TypedObject(source));
    }
    host::HResult UnadviseFrom(const host::DispatchPtr& source) {
        return Unadvise(host::TypedObject(source));
    }
    std::uint32_t Cookie() const { return cookie(); }

    std::vector<std::wstring> calls;
    const void* clicked = nullptr;
    std::int16_t writeCancel = 0;
    bool throwOnChange = false;

  private:
    friend class host::TableSink<Listener, 1>;

    void OnClick(const host::DispatchPtr* ctrl, std::int16_t* cancelDefault) {
        calls.push_back(L"Click");
        clicked = *ctrl ? (*ctrl)->Identity() : nullptr;
        if (writeCancel) *cancelDefault = writeCancel;
    }
    void OnChange(const wchar_t* name, std::int32_t count) {
        if (throwOnChange) throw std::runtime_error("handler failed");
        calls.push_back(L"Change " + std::wstring(name ? name : L"(null)") + L" " +
                        std::to_wstring(count));
    }
    void OnChangeAgain(const wchar_t*, std::int32_t) { calls.push_back(L"ChangeAgain"); }
    void OnEight(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d, std::int32_t e,
                 std::int32_t f, std::int32_t g, std::int32_t h) {
        std::wstring text = L"Eight";
        for (std::int32_t n : {a, b, c, d, e, f, g, h}) text += L" " + std::to_wstring(n);
        calls.push_back(text);
    }
    void OnNine(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                std::int32_t, std::int32_t, std::int32_t) {
        calls.push_back(L"Nine");
    }
    void OnNothing() { calls.push_back(L"Nothing"); }
};

host::DispParams Positional(std::vector<Variant> lastFirst) {
    return host::DispParams{lastFirst, {}};
}

class SinkTableContract : public ::testing::Test {
  protected:
    void SetUp() override {
        gadget = contract::MakeGadget();
        object = gadget->object();
        ASSERT_EQ(hr::kOk, listener.AdviseOn(object));
    }
    std::unique_ptr<contract::GadgetHandle> gadget;
    host::DispatchPtr object;
    Listener listener;
};

TEST_F(SinkTableContract, HandlersGetTheirArgumentsInDeclarationOrder) {
    gadget->FireChange(L"Subject", 7);
    listener.writeCancel = host::kVariantTrue;
    EXPECT_EQ(host::kVariantTrue, gadget->FireClick(host::kVariantFalse));
    EXPECT_EQ(object->Identity(), listener.clicked);

    // More than the four arguments that travel in registers on x64.
    std::vector<Variant> lastFirst;
    for (std::int32_t n = 8; n >= 1; --n) lastFirst.push_back(Variant::I4(n));
    EXPECT_EQ(hr::kOk, gadget->FireRaw(kEight, Positional(lastFirst)));
    EXPECT_EQ(hr::kOk, gadget->FireRaw(kNothing, Positional({})));
    EXPECT_EQ((std::vector<std::wstring>{L"Change Subject 7", L"Click", L"Eight 1 2 3 4 5 6 7 8",
                                         L"Nothing"}),
              listener.calls);
}

TEST_F(SinkTableContract, NamedArgumentsTakeThePositionsTheyName) {
    const Variant name = Variant::Bstr(L"n"), count = Variant::I4(7);
    const host::DispParams cases[] = {
        {{count, name}, {1}},
        {{name, count}, {0, 1}},
        {{count, name}, {1, 0}},
        {{Variant::NullBstr(), count}, {0}},
    };
    for (const host::DispParams& params : cases) {
        EXPECT_EQ(hr::kOk, gadget->FireRaw(contract::kDispChange, params));
    }
    EXPECT_EQ((std::vector<std::wstring>{L"Change n 7", L"Change n 7", L"Change n 7",
                                         L"Change (null) 7"}),
              listener.calls);
}

TEST_F(SinkTableContract, EventsThatDoNotFitTheirRowCallNothing) {
    const Variant name = Variant::Bstr(L"n"), count = Variant::I4(7);
    std::int16_t word = 0;
    const struct {
        host::DispId dispid;
        host::DispParams params;
        host::HResult answer;
    } cases[] = {
        {kUnknown, Positional({count}), hr::kOk},
        {contract::kDispChange, Positional({name}), hr::kBadParamCount},
        {contract::kDispChange, Positional({count, name, name}), hr::kBadParamCount},
        {kNothing, Positional({count}), hr::kBadParamCount},
        {contract::kDispChange, {{count, name}, {2}}, hr::kParamNotFound},
        {contract::kDispChange, {{count, name}, {-3}}, hr::kParamNotFound},
        {contract::kDispChange, {{name, name}, {0, 0}}, hr::kParamNotFound},
        {contract::kDispChange, Positional({name, name}), hr::kTypeMismatch},
        {contract::kDispChange, Positional({Variant::I2(7), name}), hr::kTypeMismatch},
        {contract::kDispClick, Positional({Variant::Bool(true), Variant::Object(object)}),
         hr::kTypeMismatch},
        {contract::kDispClick, Positional({Variant::BoolRef(&word), count}), hr::kTypeMismatch},
        {kNine, Positional(std::vector<Variant>(9, count)), hr::kFail},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.answer, gadget->FireRaw(c.dispid, c.params)) << c.dispid;
    }
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(SinkTableContract, AdvisesOnceAndCountsAsUnadvisedEvenWhenTheSourceRefuses) {
    const std::uint32_t cookie = listener.Cookie();
    EXPECT_NE(host::SinkBase::kNotAdvised, cookie);
    EXPECT_EQ(hr::kOk, listener.AdviseOn(object));
    EXPECT_EQ(cookie, listener.Cookie());
    EXPECT_EQ(1u, gadget->SinkCount());

    gadget->RefuseUnadvise();
    EXPECT_EQ(hr::kFail, listener.UnadviseFrom(object));
    EXPECT_EQ(host::SinkBase::kNotAdvised, listener.Cookie());
    gadget->FireChange(L"refused", 1);
    EXPECT_TRUE(listener.calls.empty());

    ASSERT_EQ(hr::kOk, listener.AdviseOn(object));
    EXPECT_EQ(2u, gadget->SinkCount());  // the refused connection is still held
    gadget->FireChange(L"again", 2);
    EXPECT_EQ(std::vector<std::wstring>{L"Change again 2"}, listener.calls);
}

TEST_F(SinkTableContract, ASubscriberThatIsGoneIsNeverReached) {
    {
        Listener gone;
        ASSERT_EQ(hr::kOk, gone.AdviseOn(object));
    }
    EXPECT_EQ(2u, gadget->SinkCount());
    gadget->FireChange(L"after", 3);
    EXPECT_EQ(std::vector<std::wstring>{L"Change after 3"}, listener.calls);
}

TEST_F(SinkTableContract, AHandlersExceptionStopsAtTheSinkOnWindowsOnly) {
    listener.throwOnChange = true;
    const host::DispParams params = Positional({Variant::I4(1), Variant::Bstr(L"x")});
    if (contract::AdapterName() == "model") {
        // The model shows what would otherwise be lost inside Office.
        EXPECT_THROW(gadget->FireRaw(contract::kDispChange, params), std::runtime_error);
    } else {
        const std::size_t before = caught::Count();
        EXPECT_EQ(hr::kException, gadget->FireRaw(contract::kDispChange, params));
        EXPECT_EQ(before + 1, caught::Count());
    }
    listener.throwOnChange = false;
    EXPECT_EQ(hr::kOk, gadget->FireRaw(contract::kDispChange, params));
    EXPECT_EQ(std::vector<std::wstring>{L"Change x 1"}, listener.calls);
}

}  // namespace
