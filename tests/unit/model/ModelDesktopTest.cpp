// The model desktop's own rules, beyond what the windowing contract checks
// on both adapters: the virtual clock's ordering, windows destroyed while
// messages are on their way, nesting, the post log.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/ModelFixture.h"

namespace {

using platform::WindowHandle;

// Logs what reaches it as "time:event" and runs an optional reaction.
class LoggingHandler : public platform::WindowHandler {
  public:
    LoggingHandler(model::ModelDesktop& desktop, std::vector<std::string>* log,
                   const std::string& name)
        : desktop_(desktop), log_(log), name_(name) {}

    void OnTimer(WindowHandle self, std::uintptr_t timerId) override {
        Note("timer" + std::to_string(timerId));
        if (onTimer) onTimer(timerId);
    }
    bool OnMessage(WindowHandle self, platform::MessageId message, platform::WParam wParam,
                   platform::LParam lParam, platform::LResult* result) override {
        Note("msg" + std::to_string(wParam));
        if (onMessage) *result = onMessage(wParam);
        return true;
    }
    void OnDestroy(WindowHandle self) override { Note("destroy"); }

    std::function<void(std::uintptr_t)> onTimer;
    std::function<platform::LResult(platform::WParam)> onMessage;

  private:
    void Note(const std::string& event) {
        log_->push_back(std::to_string(desktop_.Now()) + ":" + name_ + "." + event);
    }
    model::ModelDesktop& desktop_;
    std::vector<std::string>* log_;
    std::string name_;
};

class ModelDesktopTest : public testing_support::ModelFixture {
  protected:
    model::ModelDesktop& desktop = model.desktop;
    std::vector<std::string> log;
    static constexpr platform::MessageId kPing = platform::msg::kUser + 1;
};

TEST_F(ModelDesktopTest, TimersFireInTimeOrderAndTiesInTheOrderTheyWereSet) {
    LoggingHandler handler(desktop, &log, "w");
    WindowHandle window = desktop.CreateHiddenWindow("w", &handler);
    ASSERT_TRUE(desktop.SetTimer(window, 2, 50));
    ASSERT_TRUE(desktop.SetTimer(window, 1, 30));
    desktop.Advance(150);
    EXPECT_EQ(
        (std::vector<std::string>{"30:w.timer1", "50:w.timer2", "60:w.timer1", "90:w.timer1",
                                  "100:w.timer2", "120:w.timer1", "150:w.timer2", "150:w.timer1"}),
        log);
    EXPECT_EQ(150u, desktop.Now());
    EXPECT_EQ(180u, desktop.TimerDue(window, 1));
}

TEST_F(ModelDesktopTest, OverdueTimersFireOnceAfterPostedMessagesWhenTheLoopRunsAgain) {
    LoggingHandler handler(desktop, &log, "w");
    WindowHandle window = desktop.CreateHiddenWindow("w", &handler);
    desktop.SetTimer(window, 7, 20);
    desktop.Post(window, kPing, 1, 0);
    desktop.AdvanceBlocked(75);  // the thread is blocked: nothing is delivered
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(1u, desktop.PendingCount());
    desktop.Advance(0);
    EXPECT_EQ((std::vector<std::string>{"75:w.msg1", "75:w.timer7"}), log);
    EXPECT_EQ(95u, desktop.TimerDue(window, 7));  // the next period counts from the late tick
}

TEST_F(ModelDesktopTest, HandlersKillingOrRestartingTimersTakeEffectAtOnce) {
    LoggingHandler handler(desktop, &log, "w");
    WindowHandle window = desktop.CreateHiddenWindow("w", &handler);
    desktop.SetTimer(window, 1, 100);
    desktop.SetTimer(window, 2, 100);  // due at the same moment, after timer 1
    desktop.SetTimer(window, 3, 100);
    handler.onTimer = [&](std::uintptr_t id) {
        if (id == 1) {
            desktop.KillTimer(window, 2);
            desktop.SetTimer(window, 3, 40);  // restarted from now, with the new period
            desktop.KillTimer(window, 1);
        }
    };
    desktop.Advance(200);
    EXPECT_EQ((std::vector<std::string>{"100:w.timer1", "140:w.timer3", "180:w.timer3"}), log);
    EXPECT_FALSE(desktop.IsTimerRunning(window, 1));
    EXPECT_EQ(40u, desktop.TimerPeriod(window, 3));
}

TEST_F(ModelDesktopTest, TimerPeriodsAreClampedAndNeedALiveWindow) {
    LoggingHandler handler(desktop, &log, "w");
    WindowHandle window = desktop.CreateHiddenWindow("w", &handler);
    ASSERT_TRUE(desktop.SetTimer(window, 1, 0));
    EXPECT_EQ(10u, desktop.TimerPeriod(window, 1));
    EXPECT_FALSE(desktop.SetTimer(window + 1, 1, 100));
    EXPECT_FALSE(desktop.KillTimer(window, 99));
    EXPECT_EQ(0u, desktop.TimerPeriod(window, 99));
}

TEST_F(ModelDesktopTest, AWindowDestroyedByAnotherHandlerGetsNothingMore) {
    LoggingHandler first(desktop, &log, "a");
    LoggingHandler second(desktop, &log, "b");
    WindowHandle a = desktop.CreateHiddenWindow("a", &first);
    WindowHandle b = desktop.CreateHiddenWindow("b", &second);
    desktop.SetTimer(a, 1, 10);
    desktop.SetTimer(b, 1, 10);  // due together with a's, after it
    first.onTimer = [&](std::uintptr_t) {
        desktop.Post(b, kPing, 5, 0);
        desktop.DestroyWindow(b);
    };
    desktop.Post(b, kPing, 4, 0);
    desktop.Advance(10);
    // b hears the message posted before and its own destruction, then nothing.
    EXPECT_EQ((std::vector<std::string>{"0:b.msg4", "10:a.timer1", "10:b.destroy"}), log);
    EXPECT_FALSE(desktop.IsWindow(b));
    EXPECT_FALSE(desktop.IsTimerRunning(b, 1));
    EXPECT_FALSE(desktop.Post(b, kPing, 6, 0));
    EXPECT_EQ(0, desktop.Send(b, kPing, 7, 0));
    EXPECT_FALSE(desktop.DestroyWindow(b));
    // Handles are not reused, so the stale one stays invalid.
    LoggingHandler third(desktop, &log, "c");
    EXPECT_NE(b, desktop.CreateHiddenWindow("c", &third));
}

TEST_F(ModelDesktopTest, AWindowDestroyingItselfInsideASendOrItsCreation) {
    LoggingHandler handler(desktop, &log, "w");
    WindowHandle window = desktop.CreateHiddenWindow("w", &handler);
    handler.onMessage = [&](platform::WParam) {
        EXPECT_EQ(1, desktop.SendDepth());
        desktop.DestroyWindow(window);
        return platform::LResult(17);
    };
    EXPECT_EQ(17, desktop.Send(window, kPing, 1, 0));
    EXPECT_FALSE(desktop.IsWindow(window));
    EXPECT_EQ(0, desktop.SendDepth());

    struct SelfDestroying : platform::WindowHandler {
        model::ModelDesktop* desktop;
        void OnCreate(WindowHandle self) override { desktop->DestroyWindow(self); }
    } stillborn;
    stillborn.desktop = &desktop;
    EXPECT_EQ(platform::kNoWindow, desktop.CreateHiddenWindow("x", &stillborn));
    EXPECT_EQ(0u, desktop.Windows().size());
}

TEST_F(ModelDesktopTest, NestedSendsCountTheirDepthAndANestedLoopNeverTurnsTheClockBack) {
    LoggingHandler outer(desktop, &log, "o");
    LoggingHandler inner(desktop, &log, "i");
    WindowHandle o = desktop.CreateHiddenWindow("o", &outer);
    WindowHandle i = desktop.CreateHiddenWindow("i", &inner);
    int depthInside = -1;
    inner.onMessage = [&](platform::WParam) {
        depthInside = desktop.SendDepth();
        return platform::LResult(0);
    };
    outer.onMessage = [&](platform::WParam) { return desktop.Send(i, kPing, 2, 0); };
    desktop.Send(o, kPing, 1, 0);
    EXPECT_EQ(2, depthInside);

    // A modal loop inside a timer handler runs the clock on by itself.
    desktop.SetTimer(o, 1, 10);
    outer.onTimer = [&](std::uintptr_t) {
        desktop.KillTimer(o, 1);
        desktop.Advance(100);
    };
    desktop.Advance(50);
    EXPECT_EQ(110u, desktop.Now());
}

TEST_F(ModelDesktopTest, ThePostLogKeepsAcceptedPostsAndBroadcastsOnce) {
    LoggingHandler a(desktop, &log, "a");
    LoggingHandler b(desktop, &log, "b");
    WindowHandle first = desktop.CreateHiddenWindow("a", &a);
    desktop.CreateHiddenWindow("b", &b);
    desktop.AdvanceBlocked(25);
    ASSERT_TRUE(desktop.Post(platform::kBroadcast, kPing, first, 9));
    EXPECT_FALSE(desktop.Post(first, platform::msg::kCopyData, 0, 0));  // send-only message
    EXPECT_FALSE(desktop.Post(platform::kNoWindow, kPing, 0, 0));
    EXPECT_FALSE(desktop.Post(first + 0x1000, kPing, 0, 0));
    ASSERT_EQ(1u, desktop.PostLog().size());
    const model::ModelDesktop::PostRecord& record = desktop.PostLog().front();
    EXPECT_EQ(25u, record.time);
    EXPECT_EQ(platform::kBroadcast, record.to);
    EXPECT_EQ(kPing, record.message);
    EXPECT_EQ(first, record.wParam);
    EXPECT_EQ(9, record.lParam);

    // A window made after the broadcast was posted does not get it.
    LoggingHandler late(desktop, &log, "c");
    desktop.CreateHiddenWindow("c", &late);
    desktop.DispatchPending();
    EXPECT_EQ((std::vector<std::string>{"25:a.msg" + std::to_string(first),
                                        "25:b.msg" + std::to_string(first)}),
              log);
    desktop.ClearPostLog();
    EXPECT_TRUE(desktop.PostLog().empty());
}

TEST_F(ModelDesktopTest, RegisteredNamesIgnoreCaseAndKeepTheirFirstSpelling) {
    platform::MessageId attach = desktop.RegisterMessage("SkypeControlAPIAttach");
    EXPECT_GE(attach, 0xC000u);
    EXPECT_LE(attach, 0xFFFFu);
    EXPECT_EQ(attach, desktop.RegisterMessage("skypecontrolapiattach"));
    EXPECT_EQ("SkypeControlAPIAttach", desktop.MessageName(attach));
    EXPECT_EQ("", desktop.MessageName(platform::msg::kUser));
    EXPECT_EQ(0u, desktop.RegisterMessage(""));
    EXPECT_EQ(0u, desktop.RegisterMessage(std::string(256, 'm')));
    EXPECT_NE(0u, desktop.RegisterMessage(std::string(255, 'm')));
}

TEST_F(ModelDesktopTest, ExceptionsStopAtTheDesktopAndEndlessPostingIsReported) {
    LoggingHandler handler(desktop, &log, "w");
    WindowHandle window = desktop.CreateHiddenWindow("w", &handler);
    handler.onMessage = [](platform::WParam) -> platform::LResult {
        throw std::runtime_error("handler fault");
    };
    EXPECT_EQ(0, desktop.Send(window, kPing, 1, 0));
    desktop.Post(window, kPing, 2, 0);
    desktop.DispatchPending();
    EXPECT_EQ(2u, desktop.SwallowedExceptions());
    expectedCaughtExceptions = 2;
    EXPECT_TRUE(desktop.IsWindow(window));

    // A handler that answers every post with another post never lets the
    // loop finish; the model says so instead of hanging.
    struct Reposting : platform::WindowHandler {
        model::ModelDesktop* desktop;
        bool OnMessage(WindowHandle self, platform::MessageId message, platform::WParam,
                       platform::LParam, platform::LResult*) override {
            return desktop->Post(self, message, 0, 0);
        }
    } reposting;
    reposting.desktop = &desktop;
    WindowHandle busy = desktop.CreateHiddenWindow("busy", &reposting);
    desktop.Post(busy, kPing, 0, 0);
    EXPECT_THROW(desktop.DispatchPending(), std::runtime_error);
}

}  // namespace
