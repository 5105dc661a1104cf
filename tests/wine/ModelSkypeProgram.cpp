// ModelSkype.exe: the model Skype client as a Windows program of its own,
// over the win32 adapters, for the Wine end-to-end tests. Its image name
// contains "Skype.exe", so the add-in's process search finds it.
//
//   ModelSkype.exe [--log FILE] [--replies inside|posted] [--lifetime-ms N]
//   ModelSkype.exe --record-link FILE LINK
//
// Every command it receives is appended to FILE, one per line, as it
// arrives; its control window (ModelSkypeControl.h) lets a test ring. It
// ends on WM_CLOSE to its window, or after N milliseconds (60 s by
// default) so that it can never outlive a test run. With --record-link it
// stands for the program a link's scheme is registered to: it appends
// LINK to FILE and ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ModelSkypeControl.h"
#include "model/skype/ModelSkype.h"
#include "model/skype/SampleSkypeUsers.h"
#include "win32/Win32Platform.h"

namespace {

constexpr ULONGLONG kDefaultLifetimeMs = 60000;

// Runs the thread's message loop until WM_QUIT or the deadline.
void RunMessageLoop(ULONGLONG deadline) {
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return;
        const DWORD wait = static_cast<DWORD>(deadline - now < 100 ? deadline - now : 100);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// Takes the test's lines (ModelSkypeControl.h) and acts on each once its
// send has returned.
class Control : public platform::WindowHandler {
  public:
    explicit Control(model::ModelSkype& skype) : skype_(skype) {}

    platform::LResult OnCopyData(platform::WindowHandle self, platform::WindowHandle,
                                 std::uintptr_t, const void* data, std::uint32_t size) override {
        const char* bytes = static_cast<const char*>(data);
        std::string line;
        for (std::uint32_t i = 0; bytes != nullptr && i < size && bytes[i] != '\0'; ++i) {
            line += bytes[i];
        }
        pending_.push_back(line);
        platform::windowing().Post(self, kAct, 0, 0);
        return 1;
    }
    bool OnMessage(platform::WindowHandle, platform::MessageId message, platform::WParam,
                   platform::LParam, platform::LResult* result) override {
        if (message != kAct) return false;
        std::vector<std::string> lines;
        lines.swap(pending_);
        for (const std::string& line : lines) Act(line);
        *result = 0;
        return true;
    }

  private:
    static constexpr platform::MessageId kAct = platform::msg::kUser + 0x52;

    void Act(const std::string& line) {
        if (line.compare(0, 5, "ring ") == 0) {
            skype_.Ring(line.substr(5));
        } else if (line == "answer" || line == "miss") {
            const int ringing = skype_.RingingCall();
            if (ringing != 0)
                skype_.SetCallStatus(ringing, line == "answer" ? "INPROGRESS" : "MISSED");
        }
    }

    model::ModelSkype& skype_;
    std::vector<std::string> pending_;
};

// The program a link's scheme is registered to: it keeps the link.
int RecordLink(const std::string& path, const std::string& link) {
    FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) return 1;
    std::fprintf(file, "%s\n", link.c_str());
    std::fclose(file);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--record-link") {
        return RecordLink(argv[2], argv[3]);
    }
    std::string logPath;
    ULONGLONG lifetime = kDefaultLifetimeMs;
    model::ModelSkype::Delivery delivery = model::ModelSkype::Delivery::Immediate;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--log") {
            logPath = value;
        } else if (option == "--lifetime-ms") {
            lifetime = std::strtoull(value.c_str(), nullptr, 10);
        } else if (option == "--replies" && value == "posted") {
            delivery = model::ModelSkype::Delivery::Posted;
        }
    }

    win32::Win32Platform ports(GetModuleHandleW(nullptr));
    platform::Install(ports.ports());

    FILE* log = logPath.empty() ? nullptr : std::fopen(logPath.c_str(), "w");
    model::ModelSkype skype;
    model::AddSampleSkypeUsers(skype);
    skype.SetDelivery(delivery);
    skype.onCommand = [log](platform::WindowHandle, const std::string& command) {
        if (log == nullptr) return;
        std::fprintf(log, "%s\n", command.c_str());
        std::fflush(log);
    };
    skype.onExited = []() { PostQuitMessage(0); };
    if (!skype.Start()) {
        if (log != nullptr) std::fclose(log);
        return 1;
    }
    Control control(skype);
    const platform::WindowHandle controlWindow =
        platform::windowing().CreateHiddenWindow(model_skype_control::kWindowTitle, &control);
    RunMessageLoop(GetTickCount64() + lifetime);
    platform::windowing().DestroyWindow(controlWindow);
    skype.onExited = nullptr;
    skype.Exit();
    if (log != nullptr) std::fclose(log);
    return 0;
}
