// What only the reverse adapter has: one COM object per host object while
// it lives, and nothing of it left behind once the COM client lets go, not
// even sinks the client never unadvised.
#include <gtest/gtest.h>

#include <wrl/client.h>

#include "contract/host/Gadget.h"
#include "support/com/ExposedDispatch.h"
#include "win32/com/ComDispatch.h"

namespace {

using Microsoft::WRL::ComPtr;

class CountingSink : public host::EventSink {
  public:
    host::HResult Invoke(host::DispId, host::DispParams&, host::Variant*) override {
        ++events;
        return host::hr::kOk;
    }
    int events = 0;
};

TEST(ExposedDispatch, PresentsAHostObjectOnceAndLeavesNothingWhenReleased) {
    std::unique_ptr<contract::GadgetHandle> gadget = contract::MakeModelGadget();
    const host::DispatchPtr model = gadget->object();
    const long heldBefore = model.use_count();

    ComPtr<IDispatch> first, second;
    ASSERT_EQ(S_OK, win32::ExposedDispatch::Expose(model, first.GetAddressOf()));
    ASSERT_EQ(S_OK, win32::ExposedDispatch::Expose(model, second.GetAddressOf()));
    EXPECT_EQ(first.Get(), second.Get());
    EXPECT_EQ(model, win32::ExposedDispatch::Unwrap(first.Get()));
    ComPtr<IDispatch> none;
    EXPECT_EQ(S_OK, win32::ExposedDispatch::Expose(host::DispatchPtr(), none.GetAddressOf()));
    EXPECT_FALSE(none);
    EXPECT_FALSE(win32::ExposedDispatch::Unwrap(nullptr));

    // A client that advises and lets go without unadvising.
    CountingSink sink;
    {
        host::DispatchPtr client = win32::ComDispatch::Wrap(first.Get());
        std::uint32_t cookie = 0;
        ASSERT_EQ(host::hr::kOk, client->Advise(contract::kDIID_GadgetEvents, &sink, &cookie));
        gadget->FireChange(L"seen", 1);
        EXPECT_EQ(1, sink.events);
    }
    second.Reset();
    first.Reset();
    EXPECT_EQ(0u, gadget->SinkCount());
    EXPECT_EQ(heldBefore, model.use_count());
    gadget->FireChange(L"unseen", 2);
    EXPECT_EQ(1, sink.events);
}

}  // namespace
