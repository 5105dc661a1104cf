// ModelSkype.exe: the model Skype client as a Windows program of its own,
// over the win32 adapters, for the Wine end-to-end tests. Its image name
// contains "Skype.exe", so the add-in's process search finds it.
//
//   ModelSkype.exe [--log FILE] [--replies inside|posted] [--lifetime-ms N]
//
// Every command it receives is appended to FILE, one per line, as it
// arrives. It ends on WM_CLOSE to its window, or after N milliseconds
// (60 s by default) so that it can never outlive a test run.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

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

}  // namespace

int main(int argc, char** argv) {
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
    RunMessageLoop(GetTickCount64() + lifetime);
    skype.onExited = nullptr;
    skype.Exit();
    if (log != nullptr) std::fclose(log);
    return 0;
}
