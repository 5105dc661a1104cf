// OutlookHost.exe: Outlook as its COM add-ins meet it, for the Wine
// end-to-end tests. It finds add-ins where Outlook does (OutlookAddins.h),
// creates each by its ProgID (CLSIDFromProgID, CoCreateInstance) and drives
// it through IDTExtensibility2 with a model Outlook holding the sample
// mailbox, presented as real COM objects. Its user follows a script in the
// simulator's language (model/world/UserCommands.h: folder, select, open,
// rightclick, click, type, answer, dialog, expect-combo, expect-menu,
// expect-field, outlook YEAR, ...), where these commands are this host's
// own. As Outlook 2010 and later (outlook 2016) it reaches the first add-in
// that answers IRibbonExtensibility for its ribbon (ComRibbonAddIn.h):
// GetCustomUI, and callbacks by name through its IDispatch.
//
//   outlook start        every add-in set to load at start-up is created and
//                        connected (ext_cm_Startup), then each hears
//                        OnStartupComplete. One that cannot be created or
//                        connected is reported and left out; the others
//                        still load.
//   outlook quit         OnBeginShutdown to each add-in, then OnDisconnection
//                        (ext_dm_HostShutdown); released, unused DLLs freed
//   connect PROGID       checked in the COM Add-ins dialog: created and
//                        connected (ext_cm_AfterStartup)
//   disconnect PROGID    unchecked there: OnDisconnection (ext_dm_UserClosed),
//                        released, and the DLLs COM no longer needs freed
//   expect-connected [PROGID...]  exactly these add-ins are connected
//   expect-unloaded PROGID        the DLL that served PROGID is gone and left
//                        neither its hidden-window class nor a window of that
//                        class on this thread behind
//   skype start          ModelSkype.exe starts as a process of its own,
//                        writing every command it receives to a log
//   skype ring CALLER | skype answer | skype miss
//                        someone calls through ModelSkype.exe, and the call
//                        is answered or rings out (ModelSkypeControl.h)
//   expect-skype TEXT    within 10 s, ModelSkype.exe receives a command that
//                        begins with TEXT, after the one the last such step
//                        matched
//   wait MS              MS milliseconds of real time, messages dispatched
//
//   OutlookHost.exe SCRIPT
//
// Each step is printed as it runs, with what the user sees (ScreenHook.h
// answers the add-in's message boxes and dialogs); every IDTExtensibility2
// call must answer S_OK. Exit status 0 when every step passed, 1 at the
// first that failed, 2 when the script cannot be read. The thread's queued
// messages are dispatched after every step, as Outlook's message loop would.
#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ComRibbonAddIn.h"
#include "HelperPrograms.h"
#include "ModelSkypeControl.h"
#include "OutlookAddins.h"
#include "ScreenHook.h"
#include "model/host/ModelObject.h"
#include "model/outlook/Mailbox.h"
#include "model/world/ScriptText.h"
#include "model/world/UserCommands.h"
#include "support/com/ExposedDispatch.h"
#include "win32/Win32Windowing.h"
#include "win32/server/Extensibility2.h"

namespace {

using Microsoft::WRL::ComPtr;
using model::Utf8FromWide;
using model::WideFromUtf8;

void DispatchQueuedMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The custom array Outlook passes with every call: empty.
class CustomArray {
  public:
    CustomArray() : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
    ~CustomArray() { SafeArrayDestroy(array_); }
    CustomArray(const CustomArray&) = delete;
    CustomArray& operator=(const CustomArray&) = delete;
    SAFEARRAY** get() { return &array_; }

  private:
    SAFEARRAY* array_;
};

struct ConnectedAddin {
    std::wstring progId;
    ComPtr<IDTExtensibility2> object;
    ComPtr<IDispatch> instance;  // Outlook's COMAddIn object for it
};

// The DLL that served an add-in, remembered after it is let go.
struct ServingModule {
    HMODULE handle = nullptr;
    std::wstring path;
};

BOOL CALLBACK FindWindowOfClass(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<std::pair<const char*, bool>*>(context);
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    search->second = search->second || lstrcmpiA(name, search->first) == 0;
    return !search->second;
}

bool WindowOfClassOnThread(const char* className) {
    std::pair<const char*, bool> search(className, false);
    EnumThreadWindows(GetCurrentThreadId(), FindWindowOfClass, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<std::pair<DWORD, bool>*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    search->second = owner == search->first;
    return !search->second;
}

// ModelSkype.exe running beside the host, and the log of what it received.
class SkypeProcess {
  public:
    SkypeProcess() = default;
    SkypeProcess(const SkypeProcess&) = delete;
    SkypeProcess& operator=(const SkypeProcess&) = delete;
    ~SkypeProcess() {
        if (process_.hProcess == nullptr) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        DeleteFileW(log_.c_str());
    }

    // Empty when it started, else why not.
    std::string Start() {
        if (process_.hProcess != nullptr) return "ModelSkype.exe is running";
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        log_ = std::wstring(folder) + L"model-skype-" + std::to_wstring(GetCurrentProcessId()) +
               L".log";
        std::wstring command = L"\"" + wine_test::BesideThisProgram(L"ModelSkype.exe") +
                               L"\" --log \"" + log_ + L"\" --lifetime-ms 60000";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            process_ = PROCESS_INFORMATION();
            return "ModelSkype.exe did not start";
        }
        // The add-in finds Skype through the window Skype keeps: wait for it.
        for (int tries = 0; tries < 200; ++tries) {
            std::pair<DWORD, bool> search(process_.dwProcessId, false);
            EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&search));
            if (search.second) return std::string();
            if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0) break;
        }
        return "ModelSkype.exe showed no window";
    }

    bool running() const { return process_.hProcess != nullptr; }

    // Whether a command received after the one matched last begins with
    // `prefix`; that one is then the last matched.
    bool Received(const std::string& prefix) {
        std::ifstream log(log_.c_str());
        std::size_t number = 0;
        for (std::string line; std::getline(log, line); ++number) {
            if (number >= matched_ && line.compare(0, prefix.size(), prefix) == 0) {
                matched_ = number + 1;
                return true;
            }
        }
        return false;
    }

    // Hands ModelSkype.exe a line of its control (ModelSkypeControl.h).
    bool Control(const std::string& line) {
        HWND control =
            FindWindowA(win32::kHiddenWindowClassName, model_skype_control::kWindowTitle);
        if (control == nullptr) return false;
        COPYDATASTRUCT data = {};
        data.cbData = static_cast<DWORD>(line.size() + 1);
        data.lpData = const_cast<char*>(line.c_str());
        return SendMessageA(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) != 0;
    }

    std::string Log() const {
        std::ifstream log(log_.c_str());
        std::string text;
        for (std::string line; std::getline(log, line);) text += "> " + line + "\n";
        return text;
    }

  private:
    PROCESS_INFORMATION process_ = {};
    std::wstring log_;
    std::size_t matched_ = 0;  // commands already matched
};

// The user's host here: COM add-ins, real message boxes and dialogs, real
// time, ModelSkype.exe.
class OutlookHost : public model::UserHost {
  public:
    OutlookHost(model::ModelOutlook& outlook, model::Printer& out)
        : outlook_(outlook), out_(out), screen_(out) {}

    bool Present() {
        return Succeeded(win32::ExposedDispatch::Expose(outlook_.applicationObject(),
                                                        application_.GetAddressOf()),
                         "presenting the Application");
    }

    bool LoadAddIns(model::ModelOutlook&) override {
        for (const std::wstring& progId : outlook_host::AddinsToLoadAtStartup()) {
            // A broken add-in does not keep Outlook from starting.
            if (!Connect(progId, ext_cm_Startup)) {
                out_.Event("Not loaded: " + Utf8FromWide(progId));
            }
        }
        for (ConnectedAddin& addin : connected_) {
            CustomArray custom;
            if (!Succeeded(addin.object->OnStartupComplete(custom.get()),
                           Utf8FromWide(addin.progId) + " OnStartupComplete")) {
                return false;
            }
        }
        return true;
    }

    bool UnloadAddIns() override {
        ribbon_.Detach();
        bool passed = true;
        for (ConnectedAddin& addin : connected_) {
            CustomArray custom;
            passed = Succeeded(addin.object->OnBeginShutdown(custom.get()),
                               Utf8FromWide(addin.progId) + " OnBeginShutdown") &&
                     passed;
        }
        for (ConnectedAddin& addin : connected_) {
            CustomArray custom;
            passed = Succeeded(addin.object->OnDisconnection(ext_dm_HostShutdown, custom.get()),
                               Utf8FromWide(addin.progId) + " OnDisconnection") &&
                     passed;
        }
        connected_.clear();
        CoFreeUnusedLibrariesEx(0, 0);
        return passed;
    }

    // The first connected add-in that answers IRibbonExtensibility.
    ribbon::RibbonExtensibility* Ribbon() override {
        return ribbon_.attached() ? &ribbon_ : nullptr;
    }

    void AnswerNextBox(int answer) override { screen_.QueueAnswer(answer); }
    void ActInNextDialog(const std::vector<model::DialogAction>& actions) override {
        screen_.QueueDialog(actions);
    }
    // The screen hook shows what activates as it appears; windows that
    // never take the activation are looked for here.
    void ShowScreen() override { screen_.Poll(); }

    void Wait(std::uint64_t ms) override {
        const ULONGLONG deadline = GetTickCount64() + ms;
        for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                      QS_ALLINPUT);
            DispatchQueuedMessages();
        }
    }

    bool SkypeReceives(const std::string& prefix) override {
        if (!skype_.running()) return Fail("ModelSkype.exe was not started");
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (!skype_.Received(prefix)) {
            if (GetTickCount64() >= deadline) {
                out_.Details(skype_.Log(), "");
                return false;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            DispatchQueuedMessages();
        }
        return true;
    }

    bool SkypeRings(const std::string& caller) override {
        if (!skype_.running()) return Fail("ModelSkype.exe was not started");
        out_.Event(caller + " calls through Skype");
        return skype_.Control("ring " + caller) || Fail("ModelSkype.exe takes no calls");
    }

    bool SkypeStopsRinging(bool answered) override {
        if (!skype_.running()) return Fail("ModelSkype.exe was not started");
        out_.Event(answered ? "The user answers the call in Skype" : "Nobody answers the call");
        return skype_.Control(answered ? "answer" : "miss") ||
               Fail("ModelSkype.exe takes no calls");
    }

    // The add-in's window may take a moment: its Skype talks first.
    bool ClickInWindow(const std::string& caption) override {
        HWND button = nullptr;
        if (!WaitFor([&] { return (button = screen_.FindInWindows(caption)) != nullptr; })) {
            return false;
        }
        out_.Event("The user clicks \"" + caption + "\" in the add-in's window");
        SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        DispatchQueuedMessages();
        screen_.Poll();
        return true;
    }

    bool WindowShows(const std::string& text) override {
        return WaitFor([&] { return screen_.FindInWindows(text) != nullptr; });
    }

    void AddCommands(model::Script& script) {
        script.Describe("This host's own:");
        script.Describe("connect PROGID | disconnect PROGID",
                        "check or uncheck the add-in in the COM Add-ins dialog");
        script.Add("connect", [this](const std::string& progId) {
            return Connect(WideFromUtf8(progId), ext_cm_AfterStartup);
        });
        script.Add("disconnect",
                   [this](const std::string& progId) { return Disconnect(WideFromUtf8(progId)); });
        script.Describe("expect-connected [PROGID...]", "exactly these add-ins are connected");
        script.Add("expect-connected", [this](const std::string& progIds) {
            std::vector<std::string> expected;
            std::istringstream words(progIds);
            for (std::string word; words >> word;) expected.push_back(word);
            return ExpectConnected(expected);
        });
        script.Describe("expect-unloaded PROGID", "the DLL that served PROGID is gone, cleanly");
        script.Add("expect-unloaded", [this](const std::string& progId) {
            return ExpectUnloaded(WideFromUtf8(progId));
        });
        script.Describe("skype start", "ModelSkype.exe starts as a process of its own");
        model::DescribeSkypeCallCommands(script);
        script.Add("skype", [this](const std::string& text) {
            std::string rest;
            const std::string what = model::FirstWord(text, &rest);
            bool handled = false;
            const bool done = model::RunSkypeCallCommand(*this, out_, what, rest, &handled);
            if (handled) return done;
            if (what != "start") return Fail("skype takes start, ring, answer or miss here");
            const std::string failed = skype_.Start();
            if (!failed.empty()) return Fail(failed);
            out_.Event("ModelSkype.exe starts");
            return true;
        });
    }

  private:
    // Up to 10 s, the thread's messages dispatched meanwhile.
    template <class Condition>
    bool WaitFor(const Condition& condition) {
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (!condition()) {
            if (GetTickCount64() >= deadline) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            DispatchQueuedMessages();
            screen_.Poll();
        }
        return true;
    }

    bool Fail(const std::string& why) {
        out_.Error(why);
        return false;
    }

    bool Succeeded(HRESULT hr, const std::string& call) {
        if (hr == S_OK) return true;
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
        return Fail(call + " answered " + code);
    }

    bool Connect(const std::wstring& progId, ext_ConnectMode mode) {
        const std::string name = Utf8FromWide(progId);
        if (Find(progId) != connected_.end()) return Fail(name + " is connected");
        ConnectedAddin addin;
        addin.progId = progId;
        CLSID clsid = {};
        ComPtr<IUnknown> created;
        if (!Succeeded(CLSIDFromProgID(progId.c_str(), &clsid), "CLSIDFromProgID") ||
            !Succeeded(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                        reinterpret_cast<void**>(created.GetAddressOf())),
                       "CoCreateInstance") ||
            !Succeeded(created.As(&addin.object), "QueryInterface(IDTExtensibility2)")) {
            return false;
        }
        RememberModule(progId, addin.object.Get());
        model::ModelObjectPtr instance(new model::ModelObject("COMAddIn", nullptr));
        CustomArray custom;
        if (!Succeeded(win32::ExposedDispatch::Expose(instance, addin.instance.GetAddressOf()),
                       "presenting the COMAddIn") ||
            !Succeeded(addin.object->OnConnection(application_.Get(), mode, addin.instance.Get(),
                                                  custom.get()),
                       name + " OnConnection")) {
            return false;
        }
        connected_.push_back(addin);
        if (!ribbon_.attached() && ribbon_.Attach(addin.object.Get())) ribbonProgId_ = progId;
        return true;
    }

    bool Disconnect(const std::wstring& progId) {
        auto found = Find(progId);
        if (found == connected_.end()) return Fail(Utf8FromWide(progId) + " is not connected");
        if (progId == ribbonProgId_) ribbon_.Detach();
        CustomArray custom;
        const HRESULT hr = found->object->OnDisconnection(ext_dm_UserClosed, custom.get());
        connected_.erase(found);
        CoFreeUnusedLibrariesEx(0, 0);
        return Succeeded(hr, Utf8FromWide(progId) + " OnDisconnection");
    }

    bool ExpectConnected(std::vector<std::string> expected) {
        std::vector<std::string> actual;
        for (const ConnectedAddin& addin : connected_) actual.push_back(Utf8FromWide(addin.progId));
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        if (actual == expected) return true;
        std::string listed;
        for (const std::string& progId : actual) listed += " " + progId;
        return Fail("connected:" + (listed.empty() ? std::string(" none") : listed));
    }

    bool ExpectUnloaded(const std::wstring& progId) {
        auto found = modules_.find(progId);
        if (found == modules_.end()) return Fail(Utf8FromWide(progId) + " was never loaded");
        const ServingModule& module = found->second;
        if (GetModuleHandleW(module.path.c_str()) != nullptr) {
            return Fail(Utf8FromWide(module.path) + " is still loaded");
        }
        // Looked up by the instance handle it had: a class left registered
        // would point its window procedure into a module that is gone.
        WNDCLASSEXA info = {};
        info.cbSize = sizeof info;
        if (GetClassInfoExA(module.handle, win32::kHiddenWindowClassName, &info)) {
            return Fail("its window class is still registered");
        }
        if (WindowOfClassOnThread(win32::kHiddenWindowClassName)) {
            return Fail("a hidden window of its class is still there");
        }
        return true;
    }

    std::vector<ConnectedAddin>::iterator Find(const std::wstring& progId) {
        return std::find_if(connected_.begin(), connected_.end(),
                            [&](const ConnectedAddin& addin) { return addin.progId == progId; });
    }

    // The module holding the object's code: the one its vtable lies in.
    void RememberModule(const std::wstring& progId, IUnknown* object) {
        ServingModule module;
        const void* vtable = *reinterpret_cast<void* const*>(object);
        GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCWSTR>(vtable), &module.handle);
        wchar_t path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameW(module.handle, path, MAX_PATH);
        module.path.assign(path, length < MAX_PATH ? length : 0);
        modules_[progId] = module;
    }

    model::ModelOutlook& outlook_;
    model::Printer& out_;
    outlook_host::ScreenHook screen_;
    // Declared in the order they are needed: the add-ins go first, Skype last.
    SkypeProcess skype_;
    ComPtr<IDispatch> application_;
    std::vector<ConnectedAddin> connected_;
    // Office's way to the ribbon side of the add-in that has one.
    outlook_host::ComRibbonAddIn ribbon_;
    std::wstring ribbonProgId_;
    std::map<std::wstring, ServingModule> modules_;
};

}  // namespace

int main(int argc, char** argv) {
    std::ifstream script(argc == 2 ? argv[1] : "");
    if (!script) {
        std::fprintf(stderr, "usage: %s SCRIPT\n", argv[0]);
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int failures = 1;
    {
        const ULONGLONG started = GetTickCount64();
        model::Printer out(std::cout, [started]() { return GetTickCount64() - started; });
        model::ModelOutlook outlook;
        model::LoadMailbox(model::SampleMailbox(), outlook);
        OutlookHost host(outlook, out);
        model::OutlookUser user(outlook, host, out);
        model::Script commands(out);
        model::AddUserCommands(commands, user, host);
        host.AddCommands(commands);
        model::Script::Options options;
        options.echo = true;
        options.stopAtFailure = true;
        options.afterEach = [&host]() {
            DispatchQueuedMessages();
            host.ShowScreen();
        };
        if (host.Present()) failures = commands.RunAll(script, argv[1], options);
    }
    CoUninitialize();
    std::cout.flush();
    return failures == 0 ? 0 : 1;
}
