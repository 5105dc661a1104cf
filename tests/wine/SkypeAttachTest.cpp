// The add-in's Skype client and the model Skype as two Windows programs
// talking over real window messages: discovery by broadcast, attachment,
// the handshake, the buddy list, and a call the model Skype records.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skype/Skype.h"
#include "skype/SkypeApiMessages.h"
#include "skype/SkypeBuddy.h"
#include "win32/Win32Platform.h"

namespace {

using Strings = std::vector<std::string>;

constexpr DWORD kAttachTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 5000;

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::string TempFile(const char* name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

Strings ReadLines(const std::string& path) {
    Strings lines;
    std::ifstream file(path.c_str());
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The thread's message loop, until `done` or the timeout.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return true;
}

// Waits for `handle` while dispatching the thread's messages: Skype may be
// sending to this thread (a reply, a PONG) and cannot close until it is
// answered.
bool WaitPumping(HANDLE handle, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD result = MsgWaitForMultipleObjects(
            1, &handle, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) return true;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// The model Skype program, stopped in every outcome: asked to close, and
// ended by force if it does not.
class ModelSkypeProcess {
  public:
    ModelSkypeProcess(const std::string& log, const char* replies) {
        std::wstring command = L"\"" + OwnFolder() + L"ModelSkype.exe\" --log \"" +
                               std::wstring(log.begin(), log.end()) + L"\" --replies " +
                               std::wstring(replies, replies + std::strlen(replies)) +
                               L" --lifetime-ms 60000";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != FALSE;
    }
    ~ModelSkypeProcess() { Stop(platform::kNoWindow); }

    bool Started() const { return started_; }

    // Ends the program at once, as a crash or the task manager would.
    void Kill() {
        if (!started_) return;
        started_ = false;
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kExitTimeoutMs);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    // True when the program ended by itself after WM_CLOSE.
    bool Stop(platform::WindowHandle skypeWindow) {
        if (!started_) return false;
        started_ = false;
        if (skypeWindow != platform::kNoWindow) {
            PostMessageA(reinterpret_cast<HWND>(skypeWindow), WM_CLOSE, 0, 0);
        }
        bool clean = WaitPumping(process_.hProcess, kExitTimeoutMs);
        if (!clean) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, kExitTimeoutMs);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        return clean;
    }

  private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

// Message boxes cannot be answered under Wine's null graphics driver: the
// test records them instead of blocking on them.
class RecordingUi : public platform::Ui {
  public:
    int ShowMessageBox(platform::WindowHandle, const std::string& text, const std::string&,
                       unsigned) override {
        texts.push_back(text);
        return platform::answer::kNo;
    }
    std::intptr_t ShowDialog(int, platform::WindowHandle, platform::DialogLogic&) override {
        texts.push_back("(dialog)");
        return platform::answer::kCancel;
    }
    platform::WindowHandle ActiveWindow() override { return platform::kNoWindow; }
    // The client alone shows no window beside Outlook's.
    platform::WindowHandle ShowModeless(int, platform::WindowHandle,
                                        platform::DialogLogic&) override {
        texts.push_back("(window)");
        return platform::kNoWindow;
    }
    std::unique_ptr<platform::DialogView> ModelessView(platform::WindowHandle) override {
        return nullptr;
    }
    void CloseModeless(platform::WindowHandle) override {}
    Strings texts;
};

class SkypeOverWineBase : public ::testing::Test {
  protected:
    SkypeOverWineBase() : ports_(GetModuleHandleW(nullptr)) {
        platform::Platform installed = ports_.ports();
        installed.ui = &ui_;
        installed_.reset(new platform::ScopedPlatform(installed));
        skype_api::ForgetMessageNumbers();
        // Skype's installation record, pointing at the model program.
        const std::wstring program = OwnFolder() + L"ModelSkype.exe";
        const std::string path(program.begin(), program.end());
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Skype\\Phone", 0, nullptr, 0, KEY_WRITE,
                            nullptr, &key, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(key, "SkypePath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                           static_cast<DWORD>(path.size() + 1));
            RegCloseKey(key);
        }
    }
    ~SkypeOverWineBase() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Skype");
        installed_.reset();
    }

    win32::Win32Platform ports_;
    RecordingUi ui_;
    std::unique_ptr<platform::ScopedPlatform> installed_;
};

class SkypeOverWine : public SkypeOverWineBase,
                      public ::testing::WithParamInterface<const char*> {};
using SkypeProcessOverWine = SkypeOverWineBase;

TEST_P(SkypeOverWine, AttachesLoadsTheBuddyListAndPlacesACall) {
    const std::string log =
        TempFile((std::string("tandrel-model-skype-") + GetParam() + ".log").c_str());
    std::remove(log.c_str());
    ModelSkypeProcess skype(log, GetParam());
    ASSERT_TRUE(skype.Started());

    CSkype client{host::DispatchPtr()};
    ASSERT_NE(platform::kNoWindow, client.CreateMessageWindow());

    // Attached and online, with every friend's name and status in.
    auto ready = [&]() {
        if (!client.IsSkypeConnected() || client.GetBuddyList().size() != 6) return false;
        for (const CSkypeBuddyPtr& buddy : client.GetBuddyList()) {
            if (buddy->GetFullName().empty() || buddy->GetStatusText() == L"Unknown") return false;
        }
        return true;
    };
    ASSERT_TRUE(PumpUntil(ready, kAttachTimeoutMs))
        << "attached: " << (client.GetSkypeWindow() != platform::kNoWindow) << ", status "
        << client.GetConnectionStatus() << ", buddies " << client.GetBuddyList().size();
    EXPECT_TRUE(client.IsSkypeRunning());
    EXPECT_EQ("tandrel.demo", client.GetCurrentUserHandle());
    EXPECT_EQ(4, client.GetProtocol());

    const Strings handshake = {"NAME Tandrel", "PROTOCOL 4", "GET CURRENTUSERHANDLE",
                               "GET CONNSTATUS", "SEARCH FRIENDS"};
    Strings received = ReadLines(log);
    ASSERT_GE(received.size(), handshake.size());
    EXPECT_EQ(handshake, Strings(received.begin(), received.begin() + 5));

    Strings names;
    for (const CSkypeBuddyPtr& buddy : client.GetBuddyList()) {
        const std::wstring display = buddy->GetDisplayName();
        names.push_back(std::string(display.begin(), display.end()));
    }
    EXPECT_EQ(
        (Strings{"alice.wonder (Online)", "bob.builder (Away)", "carol.nguyen (Not Available)",
                 "dave.li (Offline)", "echo123 (Online)", "john.smith1 (Do Not Disturb)"}),
        names);
    EXPECT_EQ(L"Echo / Sound Test Service", client.FindBuddy(L"echo123")->GetFullName());

    client.SkypeIPCall(L"echo123");
    auto called = [&]() {
        const Strings lines = ReadLines(log);
        for (const std::string& line : lines) {
            if (line == "CALL echo123") return true;
        }
        return false;
    };
    EXPECT_TRUE(PumpUntil(called, kAttachTimeoutMs));
    EXPECT_TRUE(ui_.texts.empty()) << ui_.texts.front();

    // Asked to close, the model Skype ends by itself.
    EXPECT_NE(platform::kNoWindow, client.GetSkypeWindow());
    EXPECT_TRUE(skype.Stop(client.GetSkypeWindow()));
    client.DestroyMessageWindow();
    std::remove(log.c_str());
}

INSTANTIATE_TEST_SUITE_P(Replies, SkypeOverWine, ::testing::Values("inside", "posted"));

// Whether Skype runs: the process of the window Skype attached from while
// it lasts, else the first Skype process the walk meets.
TEST_F(SkypeProcessOverWine, SkypeRunsWhileTheAttachedOneOrAnotherSkypeProcessRuns) {
    const std::string log = TempFile("tandrel-model-skype-process.log");
    CSkype client{host::DispatchPtr()};
    ASSERT_NE(platform::kNoWindow, client.CreateMessageWindow());
    EXPECT_FALSE(client.IsSkypeRunning());  // none at all

    ModelSkypeProcess attached(log, "inside");
    ASSERT_TRUE(attached.Started());
    ASSERT_TRUE(PumpUntil([&]() { return client.IsSkypeConnected(); }, kAttachTimeoutMs));
    const platform::WindowHandle attachedWindow = client.GetSkypeWindow();
    EXPECT_TRUE(client.IsSkypeRunning());  // the attached one, still running

    // Another Skype starts and the attached one goes: the walk finds the new one.
    ModelSkypeProcess replacement(log, "inside");
    ASSERT_TRUE(replacement.Started());
    auto skypes = []() {
        int count = 0;
        platform::processes().FindProcess(
            [&count](const std::string& name) {
                count += name.find("Skype.exe") != std::string::npos;
                return false;
            },
            nullptr);
        return count;
    };
    ASSERT_TRUE(PumpUntil([&]() { return skypes() == 2; }, kAttachTimeoutMs));
    attached.Kill();
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(attachedWindow)));
    EXPECT_TRUE(client.IsSkypeRunning());

    // And when that one has gone too, no Skype runs.
    replacement.Kill();
    EXPECT_FALSE(client.IsSkypeRunning());
    client.DestroyMessageWindow();
    std::remove(log.c_str());
}

}  // namespace
