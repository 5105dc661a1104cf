// The sleep port: the thread is blocked for the time asked, and nothing is
// dispatched meanwhile.
#include <gtest/gtest.h>

#include "contract/ContractEnvironment.h"

namespace {

struct Counter : platform::WindowHandler {
    int ticks = 0;
    int messages = 0;
    void OnTimer(platform::WindowHandle, std::uintptr_t) override { ++ticks; }
    bool OnMessage(platform::WindowHandle, platform::MessageId message, platform::WParam,
                   platform::LParam, platform::LResult*) override {
        if (message != platform::msg::kUser) return false;
        ++messages;
        return true;
    }
};

TEST(SleepContract, SleepingBlocksWithoutDispatching) {
    platform::Windowing& windowing = platform::windowing();
    Counter counter;
    platform::WindowHandle window = windowing.CreateHiddenWindow("Tandrel", &counter);
    ASSERT_NE(platform::kNoWindow, window);
    ASSERT_TRUE(windowing.SetTimer(window, 1, 20));
    ASSERT_TRUE(windowing.Post(window, platform::msg::kUser, 0, 0));

    const std::uint64_t before = contract::ClockMs();
    platform::sleeper().Sleep(100);
    // A tick-count clock may be one tick (up to 16 ms) coarse.
    EXPECT_GE(contract::ClockMs() - before, 84u);
    EXPECT_EQ(0, counter.ticks);
    EXPECT_EQ(0, counter.messages);

    // Missed periods do not pile up: the loop finds one tick waiting.
    contract::PumpMessages(10);
    EXPECT_EQ(1, counter.messages);
    EXPECT_GE(counter.ticks, 1);
    EXPECT_LE(counter.ticks, 2);
    windowing.DestroyWindow(window);
}

}  // namespace
