// Connection points of the model host object: cookies, the COM order of
// event arguments, by-reference arguments and sinks that change the
// connections while an event is being delivered.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "model/host/ModelObject.h"

namespace {

using host::Variant;
namespace hr = host::hr;

const host::Guid kDIID_ButtonEvents =
    host::MakeGuid(0x000C0351, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
const host::Guid kDIID_Unsourced = host::MakeGuid(0x000C0352, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
constexpr host::DispId kClick = 1;

class Button : public model::ModelObject {
  public:
    explicit Button(model::CallLog* log) : ModelObject("CommandBarButton", log) {
        SourcesEvents(kDIID_ButtonEvents);
    }
    // Click(Ctrl, CancelDefault): what Office does when the user clicks.
    std::int16_t Click() {
        std::int16_t cancel = host::kVariantFalse;
        FireEvent(kDIID_ButtonEvents, kClick,
                  {Variant::Object(shared_from_this()), Variant::BoolRef(&cancel)});
        return cancel;
    }
};

class Plain : public model::ModelObject {
  public:
    Plain() : ModelObject("Plain", nullptr) {}
};

struct Delivery {
    host::DispId dispid;
    host::DispParams params;
};

// A sink that records what reaches it and then runs `action`.
class RecordingSink : public host::EventSink {
  public:
    host::HResult Invoke(host::DispId dispid, host::DispParams& params, Variant*) override {
        deliveries.push_back(Delivery{dispid, params});
        // A copy: the action may replace itself.
        const std::function<void(host::DispParams&)> run = action;
        if (run) run(params);
        return answer;
    }
    std::vector<Delivery> deliveries;
    std::function<void(host::DispParams&)> action;
    host::HResult answer = hr::kOk;
};

class ModelObjectEvents : public ::testing::Test {
  protected:
    std::uint32_t Advise(RecordingSink* sink) {
        std::uint32_t cookie = 0;
        EXPECT_EQ(hr::kOk, button->Advise(kDIID_ButtonEvents, sink, &cookie));
        return cookie;
    }
    model::CallLog log;
    boost::shared_ptr<Button> button{new Button(&log)};
};

TEST_F(ModelObjectEvents, AdviseGivesDistinctCookiesAndUnadviseChecksThem) {
    RecordingSink first, second;
    const std::uint32_t a = Advise(&first);
    const std::uint32_t b = Advise(&second);
    EXPECT_NE(0u, a);
    EXPECT_NE(0u, b);
    EXPECT_NE(a, b);
    EXPECT_EQ(2u, button->SinkCount(kDIID_ButtonEvents));

    EXPECT_EQ(hr::kNoConnection, button->Unadvise(kDIID_ButtonEvents, a + b + 100));
    EXPECT_EQ(hr::kOk, button->Unadvise(kDIID_ButtonEvents, a));
    EXPECT_EQ(hr::kNoConnection, button->Unadvise(kDIID_ButtonEvents, a));  // twice
    EXPECT_EQ(1u, button->SinkCount(kDIID_ButtonEvents));

    // A cookie is never given out again, so a stale one cannot reach a new sink.
    const std::uint32_t c = Advise(&first);
    EXPECT_NE(a, c);
    EXPECT_NE(b, c);
    // Advise and Unadvise are recorded under the DIID, the cookie as argument.
    const std::vector<model::CallRecord> calls = log.Of(kDIID_ButtonEvents.ToString());
    ASSERT_EQ(6u, calls.size());
    EXPECT_EQ(model::CallRecord::Kind::Unadvise, calls[3].kind);
    EXPECT_EQ(Variant::I4(static_cast<std::int32_t>(a)), calls[3].args.at(0));
    EXPECT_EQ(hr::kNoConnection, calls[4].result);
}

TEST_F(ModelObjectEvents, AdvisingWhatIsNotSourcedFailsAsComDoes) {
    RecordingSink sink;
    std::uint32_t cookie = 77;
    EXPECT_EQ(hr::kNoConnection, button->Advise(kDIID_Unsourced, &sink, &cookie));
    EXPECT_EQ(0u, cookie);
    EXPECT_EQ(hr::kNoConnection, button->Unadvise(kDIID_Unsourced, 1));
    // An object with no connection points is not a connection-point container.
    boost::shared_ptr<Plain> plain(new Plain);
    EXPECT_EQ(hr::kNoInterface, plain->Advise(kDIID_ButtonEvents, &sink, &cookie));
    EXPECT_EQ(hr::kPointer, button->Advise(kDIID_ButtonEvents, nullptr, &cookie));
    EXPECT_EQ(hr::kPointer, button->Advise(kDIID_ButtonEvents, &sink, nullptr));
    EXPECT_EQ(0u, button->SinkCount(kDIID_ButtonEvents));
    EXPECT_THROW(button->FireEvent(kDIID_Unsourced, 1, {}), std::logic_error);
}

TEST_F(ModelObjectEvents, ArgumentsArriveLastFirstAndByReferenceWritesReachTheFirer) {
    RecordingSink sink;
    sink.action = [](host::DispParams& params) { *params.args[0].boolRef() = host::kVariantTrue; };
    Advise(&sink);
    EXPECT_EQ(host::kVariantTrue, button->Click());

    ASSERT_EQ(1u, sink.deliveries.size());
    const host::DispParams& params = sink.deliveries[0].params;
    EXPECT_EQ(kClick, sink.deliveries[0].dispid);
    ASSERT_EQ(2u, params.args.size());
    EXPECT_TRUE(params.namedArgs.empty());
    EXPECT_EQ(host::VarType::Bool, params.args[0].type());
    EXPECT_TRUE(params.args[0].isByRef());
    EXPECT_EQ(host::VarType::Dispatch, params.args[1].type());
    EXPECT_EQ(button->Identity(), params.args[1].object()->Identity());
}

TEST_F(ModelObjectEvents, EverySinkIsCalledInAdviseOrderAndFailuresAreReported) {
    RecordingSink first, second;
    first.answer = hr::kFail;
    int order = 0, firstAt = 0, secondAt = 0;
    first.action = [&](host::DispParams&) { firstAt = ++order; };
    second.action = [&](host::DispParams&) { secondAt = ++order; };
    Advise(&first);
    Advise(&second);
    EXPECT_EQ(hr::kFail, button->FireEvent(kDIID_ButtonEvents, 2, {Variant::Bstr(L"Name")}));
    EXPECT_EQ(1, firstAt);
    EXPECT_EQ(2, secondAt);
    ASSERT_EQ(1u, second.deliveries.size());
    EXPECT_EQ(std::vector<Variant>{Variant::Bstr(L"Name")}, second.deliveries[0].params.args);
}

TEST_F(ModelObjectEvents, ASinkThatChangesTheConnectionsWhileBeingCalledIsSafe) {
    RecordingSink self, remover, removed, late;
    std::uint32_t selfCookie = 0, removedCookie = 0;
    // The first sink unadvises itself, the second unadvises the third and
    // advises a fourth: the third must not be called any more, the fourth
    // only from the next event on.
    self.action = [&](host::DispParams&) {
        EXPECT_EQ(hr::kOk, button->Unadvise(kDIID_ButtonEvents, selfCookie));
    };
    remover.action = [&](host::DispParams&) {
        EXPECT_EQ(hr::kOk, button->Unadvise(kDIID_ButtonEvents, removedCookie));
        remover.action = nullptr;
        Advise(&late);
    };
    selfCookie = Advise(&self);
    Advise(&remover);
    removedCookie = Advise(&removed);

    button->Click();
    EXPECT_EQ(1u, self.deliveries.size());
    EXPECT_EQ(1u, remover.deliveries.size());
    EXPECT_TRUE(removed.deliveries.empty());
    EXPECT_TRUE(late.deliveries.empty());

    button->Click();
    EXPECT_EQ(1u, self.deliveries.size());
    EXPECT_EQ(2u, remover.deliveries.size());
    EXPECT_EQ(1u, late.deliveries.size());
}

TEST_F(ModelObjectEvents, ASinkMayDropTheLastReferenceToTheFiringObject) {
    // The Close event of a window whose controller lets go of the window.
    RecordingSink first, second;
    first.action = [this](host::DispParams&) { button.reset(); };
    Advise(&first);
    Advise(&second);
    Button* firing = button.get();
    // No argument holds the button: only its own guard keeps it alive.
    firing->FireEvent(kDIID_ButtonEvents, 0xF008, {});  // AddressSanitizer: no use after free
    EXPECT_FALSE(button);
    EXPECT_EQ(1u, second.deliveries.size());
}

TEST_F(ModelObjectEvents, RefusedAdviseConnectsNothingRefusedUnadviseStillCutsTheSinkOff) {
    RecordingSink sink;
    button->FailNextAdvise(kDIID_ButtonEvents, hr::kCannotConnect);
    std::uint32_t cookie = 5;
    EXPECT_EQ(hr::kCannotConnect, button->Advise(kDIID_ButtonEvents, &sink, &cookie));
    EXPECT_EQ(0u, cookie);
    EXPECT_EQ(0u, button->SinkCount(kDIID_ButtonEvents));

    cookie = Advise(&sink);
    button->FailNextUnadvise(kDIID_ButtonEvents, hr::kUnexpected);
    EXPECT_EQ(hr::kUnexpected, button->Unadvise(kDIID_ButtonEvents, cookie));
    EXPECT_EQ(1u, button->SinkCount(kDIID_ButtonEvents));  // the source keeps it...
    button->Click();
    EXPECT_TRUE(sink.deliveries.empty());  // ...but the sink hears nothing more
    EXPECT_EQ(hr::kOk, button->Unadvise(kDIID_ButtonEvents, cookie));
    EXPECT_EQ(0u, button->SinkCount(kDIID_ButtonEvents));
}

TEST_F(ModelObjectEvents, AnExceptionFromASinkIsNotHiddenAndLeavesTheObjectUsable) {
    RecordingSink thrower, other;
    thrower.action = [](host::DispParams&) { throw std::runtime_error("sink failed"); };
    const std::uint32_t cookie = Advise(&thrower);
    Advise(&other);
    EXPECT_THROW(button->Click(), std::runtime_error);
    EXPECT_TRUE(other.deliveries.empty());
    EXPECT_EQ(hr::kOk, button->Unadvise(kDIID_ButtonEvents, cookie));
    button->Click();
    EXPECT_EQ(1u, other.deliveries.size());
}

}  // namespace
