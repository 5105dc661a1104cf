// The windowing port: registered messages, hidden windows, timers, posts,
// broadcasts and synchronous sends, WM_COPYDATA and re-entrancy, against
// the model desktop and against USER32 (under Wine).
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "contract/ContractEnvironment.h"

namespace {

using platform::LParam;
using platform::LResult;
using platform::MessageId;
using platform::WindowHandle;
using platform::WParam;

constexpr MessageId kProbe = platform::msg::kUser + 0x21;

// Records everything its window hears; `onMessage` and `onCopyData` answer.
class Recorder : public platform::WindowHandler {
  public:
    struct Message {
        MessageId message;
        WParam wParam;
        LParam lParam;
    };
    struct CopyData {
        WindowHandle sender;
        std::uintptr_t dataWord;
        bool dataWasNull;
        const void* data;
        std::vector<std::uint8_t> bytes;
    };

    void OnCreate(WindowHandle self) override {
        createdAs = self;
        aliveDuringCreate = platform::windowing().IsWindow(self);
    }
    void OnDestroy(WindowHandle self) override { destroyed.push_back(self); }
    void OnTimer(WindowHandle self, std::uintptr_t timerId) override {
        ticks.push_back(timerId);
        if (onTimer) onTimer(timerId);
    }
    LResult OnCopyData(WindowHandle self, WindowHandle sender, std::uintptr_t dataWord,
                       const void* data, std::uint32_t size) override {
        const std::uint8_t* first = static_cast<const std::uint8_t*>(data);
        copies.push_back(CopyData{sender, dataWord, data == nullptr, data,
                                  data == nullptr
                                      ? std::vector<std::uint8_t>()
                                      : std::vector<std::uint8_t>(first, first + size)});
        return onCopyData ? onCopyData() : 1;
    }
    bool OnMessage(WindowHandle self, MessageId message, WParam wParam, LParam lParam,
                   LResult* result) override {
        if (message != kProbe && !IsWatched(message)) return false;
        messages.push_back(Message{message, wParam, lParam});
        if (onMessage) *result = onMessage(wParam);
        return true;
    }

    std::size_t CountOf(MessageId message) const {
        std::size_t count = 0;
        for (const Message& m : messages) count += m.message == message ? 1 : 0;
        return count;
    }

    std::vector<MessageId> watched;  // registered messages to record besides kProbe
    WindowHandle createdAs = platform::kNoWindow;
    bool aliveDuringCreate = false;
    std::vector<WindowHandle> destroyed;
    std::vector<std::uintptr_t> ticks;
    std::vector<Message> messages;
    std::vector<CopyData> copies;
    std::function<void(std::uintptr_t)> onTimer;
    std::function<LResult(WParam)> onMessage;
    std::function<LResult()> onCopyData;

  private:
    bool IsWatched(MessageId message) const {
        for (MessageId m : watched) {
            if (m == message) return true;
        }
        return false;
    }
};

class WindowingContract : public ::testing::Test {
  protected:
    WindowingContract() : windowing(platform::windowing()) {}
    ~WindowingContract() override {
        for (WindowHandle window : windows_) {
            if (windowing.IsWindow(window)) windowing.DestroyWindow(window);
        }
        contract::PumpMessages(0);  // nothing left queued for the next test
    }

    // Recorders live as long as the fixture, so the windows the destructor
    // closes still have their handlers.
    Recorder& NewRecorder() {
        recorders_.emplace_back();
        return recorders_.back();
    }
    WindowHandle Create(Recorder* recorder, const std::string& title = "Tandrel") {
        WindowHandle window = windowing.CreateHiddenWindow(title, recorder);
        EXPECT_NE(platform::kNoWindow, window);
        windows_.push_back(window);
        return window;
    }

    platform::Windowing& windowing;

  private:
    std::deque<Recorder> recorders_;
    std::vector<WindowHandle> windows_;
};

TEST_F(WindowingContract, RegisteredMessagesAreNumberedByName) {
    MessageId discover = windowing.RegisterMessage("TandrelContractDiscover");
    MessageId attach = windowing.RegisterMessage("TandrelContractAttach");
    EXPECT_GE(discover, 0xC000u);
    EXPECT_LE(discover, 0xFFFFu);
    EXPECT_NE(discover, attach);
    EXPECT_EQ(discover, windowing.RegisterMessage("TandrelContractDiscover"));
    EXPECT_EQ(discover, windowing.RegisterMessage("tandrelcontractdiscover"));
    EXPECT_EQ(0u, windowing.RegisterMessage(""));
}

TEST_F(WindowingContract, CreatingDeliversOnCreateWithTheHandleBeforeReturning) {
    Recorder& first = NewRecorder();
    Recorder& second = NewRecorder();
    WindowHandle a = Create(&first, "Tandrel");
    WindowHandle b = Create(&second, "Tandrel");
    EXPECT_EQ(a, first.createdAs);
    EXPECT_TRUE(first.aliveDuringCreate);
    EXPECT_EQ(b, second.createdAs);
    EXPECT_NE(a, b);
    EXPECT_NE(platform::kBroadcast, a);
    EXPECT_TRUE(windowing.IsWindow(a));
    EXPECT_EQ(platform::kNoWindow, windowing.CreateHiddenWindow("no handler", nullptr));
    EXPECT_FALSE(windowing.IsWindow(platform::kNoWindow));
}

TEST_F(WindowingContract, DestroyingDeliversOnDestroyAndEndsTheTimers) {
    Recorder& recorder = NewRecorder();
    WindowHandle window = Create(&recorder);
    ASSERT_TRUE(windowing.SetTimer(window, 237, 10));
    ASSERT_TRUE(windowing.Post(window, kProbe, 1, 0));
    ASSERT_TRUE(windowing.DestroyWindow(window));
    EXPECT_EQ((std::vector<WindowHandle>{window}), recorder.destroyed);
    EXPECT_FALSE(windowing.IsWindow(window));

    contract::PumpMessages(60);
    EXPECT_TRUE(recorder.ticks.empty());
    EXPECT_TRUE(recorder.messages.empty());  // the post died with the window
    EXPECT_FALSE(windowing.DestroyWindow(window));
    EXPECT_FALSE(windowing.KillTimer(window, 237));
    EXPECT_FALSE(windowing.SetTimer(window, 237, 10));
    EXPECT_FALSE(windowing.Post(window, kProbe, 2, 0));
    EXPECT_EQ(0, windowing.Send(window, kProbe, 3, 0));
    EXPECT_EQ(1u, recorder.destroyed.size());
}

TEST_F(WindowingContract, ATimerFiresAtItsPeriodUntilKilled) {
    Recorder& recorder = NewRecorder();
    WindowHandle window = Create(&recorder);
    ASSERT_TRUE(windowing.SetTimer(window, 238, 50));
    contract::PumpMessages(290);
    // Five periods; a real clock may lose one at either end.
    EXPECT_GE(recorder.ticks.size(), 3u);
    EXPECT_LE(recorder.ticks.size(), 6u);
    for (std::uintptr_t id : recorder.ticks) EXPECT_EQ(238u, id);

    ASSERT_TRUE(windowing.KillTimer(window, 238));
    const std::size_t before = recorder.ticks.size();
    contract::PumpMessages(150);
    EXPECT_EQ(before, recorder.ticks.size());
    EXPECT_FALSE(windowing.KillTimer(window, 238));
}

TEST_F(WindowingContract, SettingARunningTimerRestartsItWithTheNewPeriod) {
    Recorder& recorder = NewRecorder();
    WindowHandle window = Create(&recorder);
    ASSERT_TRUE(windowing.SetTimer(window, 237, 200));
    contract::PumpMessages(120);
    ASSERT_TRUE(windowing.SetTimer(window, 237, 200));
    contract::PumpMessages(120);  // past the first due time, short of the restarted one
    EXPECT_TRUE(recorder.ticks.empty());
    contract::PumpMessages(200);
    EXPECT_FALSE(recorder.ticks.empty());

    recorder.ticks.clear();
    ASSERT_TRUE(windowing.SetTimer(window, 237, 40));
    contract::PumpMessages(150);
    EXPECT_GE(recorder.ticks.size(), 2u);
}

TEST_F(WindowingContract, ATimerCanBeKilledFromItsOwnTick) {
    Recorder& recorder = NewRecorder();
    WindowHandle window = Create(&recorder);
    recorder.onTimer = [&](std::uintptr_t id) { windowing.KillTimer(window, id); };
    ASSERT_TRUE(windowing.SetTimer(window, 1, 20));
    contract::PumpMessages(150);
    EXPECT_EQ(1u, recorder.ticks.size());
}

TEST_F(WindowingContract, ABroadcastPostReachesEveryHiddenWindow) {
    const MessageId discover = windowing.RegisterMessage("TandrelContractBroadcast");
    Recorder* recorders[3];
    WindowHandle windows[3];
    for (int i = 0; i < 3; ++i) {
        recorders[i] = &NewRecorder();
        recorders[i]->watched.push_back(discover);
        windows[i] = Create(recorders[i]);
    }
    ASSERT_TRUE(windowing.Post(platform::kBroadcast, discover, windows[0], 0));
    EXPECT_EQ(0u, recorders[0]->messages.size());  // a post does not deliver at once
    contract::PumpMessages(50);
    for (Recorder* recorder : recorders) {
        ASSERT_EQ(1u, recorder->CountOf(discover));
        EXPECT_EQ(windows[0], recorder->messages.front().wParam);
        EXPECT_EQ(0, recorder->messages.front().lParam);
    }
}

TEST_F(WindowingContract, PostsArriveInOrderAndCopyDataCannotBePosted) {
    Recorder& recorder = NewRecorder();
    WindowHandle window = Create(&recorder);
    ASSERT_TRUE(windowing.Post(window, kProbe, 1, -1));
    ASSERT_TRUE(windowing.Post(window, kProbe, 2, 0x7FFFFFFF));
    EXPECT_FALSE(windowing.Post(window, platform::msg::kCopyData, window, 0));
    EXPECT_FALSE(windowing.Post(platform::kNoWindow, kProbe, 3, 0));
    contract::PumpMessages(20);
    ASSERT_EQ(2u, recorder.messages.size());
    EXPECT_EQ(1u, recorder.messages[0].wParam);
    EXPECT_EQ(-1, recorder.messages[0].lParam);
    EXPECT_EQ(2u, recorder.messages[1].wParam);
    EXPECT_EQ(0x7FFFFFFF, recorder.messages[1].lParam);
    EXPECT_TRUE(recorder.copies.empty());
}

TEST_F(WindowingContract, SendReturnsTheHandlersResultAfterItRan) {
    Recorder& recorder = NewRecorder();
    WindowHandle window = Create(&recorder);
    recorder.onMessage = [](WParam wParam) { return static_cast<LResult>(wParam * 2); };
    EXPECT_EQ(1234, windowing.Send(window, kProbe, 617, 99));
    ASSERT_EQ(1u, recorder.messages.size());
    EXPECT_EQ(99, recorder.messages.front().lParam);
    // Not handled: the default answer is 0.
    EXPECT_EQ(0, windowing.Send(window, platform::msg::kUser + 0x22, 1, 0));
    EXPECT_EQ(0, windowing.Send(platform::kBroadcast, kProbe, 1, 0));
}

TEST_F(WindowingContract, CopyDataArrivesIntactWithItsSenderAndDataWord) {
    Recorder& sender = NewRecorder();
    Recorder& receiver = NewRecorder();
    WindowHandle from = Create(&sender);
    WindowHandle to = Create(&receiver);
    receiver.onCopyData = [] { return LResult(1); };

    // A command with its terminating NUL counted, and bytes no text holds.
    const char command[] = "GET USER echo123 FULLNAME";
    std::vector<std::uint8_t> bytes(command, command + sizeof command);
    bytes.insert(bytes.end(), {0xFF, 0x00, 0x80, 0x00});
    EXPECT_EQ(1, windowing.SendCopyData(to, from, 0x5A17, bytes.data(),
                                        static_cast<std::uint32_t>(bytes.size())));
    ASSERT_EQ(1u, receiver.copies.size());
    const Recorder::CopyData& got = receiver.copies.front();
    EXPECT_EQ(from, got.sender);
    EXPECT_EQ(0x5A17u, got.dataWord);
    EXPECT_EQ(bytes, got.bytes);
    EXPECT_NE(static_cast<const void*>(bytes.data()), got.data);  // the receiver's own copy

    // Nothing to send: size 0, and null data whatever size is claimed.
    EXPECT_EQ(1, windowing.SendCopyData(to, from, 0, bytes.data(), 0));
    EXPECT_EQ(1, windowing.SendCopyData(to, from, 0, nullptr, 5));
    ASSERT_EQ(3u, receiver.copies.size());
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_TRUE(receiver.copies[i].dataWasNull) << i;
        EXPECT_TRUE(receiver.copies[i].bytes.empty()) << i;
    }
    EXPECT_TRUE(sender.copies.empty());
}

TEST_F(WindowingContract, AReceiverMaySendBackDuringASendAndBothComplete) {
    Recorder& client = NewRecorder();
    Recorder& server = NewRecorder();
    WindowHandle a = Create(&client);
    WindowHandle b = Create(&server);
    std::vector<std::string> order;
    const char reply[] = "PONG";
    server.onCopyData = [&] {
        order.push_back("server in");
        LResult back = windowing.SendCopyData(a, b, 0, reply, sizeof reply);
        order.push_back("server out");
        return back + 1;
    };
    client.onCopyData = [&] {
        order.push_back("client in");
        order.push_back("client out");
        return LResult(1);
    };
    const char ping[] = "PING";
    EXPECT_EQ(2, windowing.SendCopyData(b, a, 0, ping, sizeof ping));
    EXPECT_EQ((std::vector<std::string>{"server in", "client in", "client out", "server out"}),
              order);
    ASSERT_EQ(1u, client.copies.size());
    EXPECT_STREQ("PONG", reinterpret_cast<const char*>(client.copies.front().bytes.data()));
    EXPECT_EQ(b, client.copies.front().sender);
}

TEST_F(WindowingContract, AWindowMayDestroyItselfWhileHandlingASend) {
    Recorder& recorder = NewRecorder();
    WindowHandle window = Create(&recorder);
    recorder.onMessage = [&](WParam) {
        windowing.DestroyWindow(window);
        return LResult(5);
    };
    EXPECT_EQ(5, windowing.Send(window, kProbe, 0, 0));
    EXPECT_FALSE(windowing.IsWindow(window));
    EXPECT_EQ(1u, recorder.destroyed.size());
}

TEST_F(WindowingContract, ExceptionsFromAHandlerNeverReachTheSender) {
    Recorder& recorder = NewRecorder();
    WindowHandle window = Create(&recorder);
    recorder.onMessage = [](WParam) -> LResult { throw std::runtime_error("handler fault"); };
    recorder.onCopyData = []() -> LResult { throw std::bad_alloc(); };
    EXPECT_EQ(0, windowing.Send(window, kProbe, 0, 0));
    EXPECT_EQ(0, windowing.SendCopyData(window, window, 0, "x", 2));
    EXPECT_TRUE(windowing.IsWindow(window));
}

}  // namespace
