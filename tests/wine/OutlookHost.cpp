// OutlookHost.exe: Outlook as its COM add-ins meet it, for the Wine
// end-to-end tests. It finds add-ins where Outlook does (OutlookAddins.h),
// creates each by its ProgID (CLSIDFromProgID, CoCreateInstance) and drives
// it through IDTExtensibility2 with a model Outlook presented as real COM
// objects, following a script of actions, one a line ('#' starts a comment):
//
//   start                Outlook starts: every add-in set to load at start-up
//                        is created and connected (ext_cm_Startup), then each
//                        hears OnStartupComplete. One that cannot be created
//                        or connected is reported and left out; the others
//                        still load.
//   connect PROGID       checked in the COM Add-ins dialog: created and
//                        connected (ext_cm_AfterStartup)
//   disconnect PROGID    unchecked there: OnDisconnection (ext_dm_UserClosed),
//                        released, and the DLLs COM no longer needs freed
//   shutdown             Outlook closes: OnBeginShutdown to each add-in, then
//                        OnDisconnection (ext_dm_HostShutdown), released,
//                        unused DLLs freed
//   expect-connected [PROGID...]  exactly these add-ins are connected
//   expect-unloaded PROGID        the DLL that served PROGID is gone and left
//                        neither its hidden-window class nor a window of that
//                        class on this thread behind
//
//   OutlookHost.exe SCRIPT
//
// Each step is printed as it runs; every IDTExtensibility2 call must answer
// S_OK. Exit status 0 when every step passed, 1 at the first that failed,
// 2 when the script cannot be read. The thread's queued messages are
// dispatched after every step, as Outlook's message loop would.
#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "OutlookAddins.h"
#include "model/host/ModelObject.h"
#include "model/outlook/ModelOutlook.h"
#include "win32/Win32Windowing.h"
#include "win32/com/ExposedDispatch.h"
#include "win32/server/Extensibility2.h"

namespace {

using Microsoft::WRL::ComPtr;

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

bool Fail(const std::string& why) {
    std::printf("  %s\n", why.c_str());
    return false;
}

bool Succeeded(HRESULT hr, const std::string& call) {
    if (hr == S_OK) return true;
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
    return Fail(call + " answered " + code);
}

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

bool WindowOfClassOnThread(const char* className) {
    struct Search {
        const char* className;
        bool found;
    } search = {className, false};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            Search* search = reinterpret_cast<Search*>(context);
            char name[256] = {};
            GetClassNameA(window, name, sizeof name);
            search->found = search->found || lstrcmpiA(name, search->className) == 0;
            return !search->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class OutlookHost {
  public:
    bool Init() {
        return Succeeded(win32::ExposedDispatch::Expose(outlook_.applicationObject(),
                                                        application_.GetAddressOf()),
                         "presenting the Application");
    }

    bool Start() {
        for (const std::wstring& progId : outlook_host::AddinsToLoadAtStartup()) {
            // A broken add-in does not keep Outlook from starting.
            if (!Connect(progId, ext_cm_Startup)) {
                std::printf("  not loaded: %s\n", Narrow(progId).c_str());
            }
        }
        for (ConnectedAddin& addin : connected_) {
            CustomArray custom;
            if (!Succeeded(addin.object->OnStartupComplete(custom.get()),
                           Narrow(addin.progId) + " OnStartupComplete")) {
                return false;
            }
        }
        return true;
    }

    bool Connect(const std::wstring& progId, ext_ConnectMode mode) {
        if (Find(progId) != connected_.end()) return Fail(Narrow(progId) + " is connected");
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
                       Narrow(progId) + " OnConnection")) {
            return false;
        }
        connected_.push_back(addin);
        return true;
    }

    bool Disconnect(const std::wstring& progId) {
        auto found = Find(progId);
        if (found == connected_.end()) return Fail(Narrow(progId) + " is not connected");
        CustomArray custom;
        const HRESULT hr = found->object->OnDisconnection(ext_dm_UserClosed, custom.get());
        connected_.erase(found);
        CoFreeUnusedLibrariesEx(0, 0);
        return Succeeded(hr, Narrow(progId) + " OnDisconnection");
    }

    bool Shutdown() {
        bool passed = true;
        for (ConnectedAddin& addin : connected_) {
            CustomArray custom;
            passed = Succeeded(addin.object->OnBeginShutdown(custom.get()),
                               Narrow(addin.progId) + " OnBeginShutdown") &&
                     passed;
        }
        for (ConnectedAddin& addin : connected_) {
            CustomArray custom;
            passed = Succeeded(addin.object->OnDisconnection(ext_dm_HostShutdown, custom.get()),
                               Narrow(addin.progId) + " OnDisconnection") &&
                     passed;
        }
        connected_.clear();
        CoFreeUnusedLibrariesEx(0, 0);
        return passed;
    }

    bool ExpectConnected(std::vector<std::wstring> expected) {
        std::vector<std::wstring> actual;
        for (const ConnectedAddin& addin : connected_) actual.push_back(addin.progId);
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        if (actual == expected) return true;
        std::string listed;
        for (const std::wstring& progId : actual) listed += " " + Narrow(progId);
        return Fail("connected:" + (listed.empty() ? std::string(" none") : listed));
    }

    bool ExpectUnloaded(const std::wstring& progId) {
        auto found = modules_.find(progId);
        if (found == modules_.end()) return Fail(Narrow(progId) + " was never loaded");
        const ServingModule& module = found->second;
        if (GetModuleHandleW(module.path.c_str()) != nullptr) {
            return Fail(Narrow(module.path) + " is still loaded");
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

  private:
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

    // Declared in the order they are needed: the add-ins go first.
    model::ModelOutlook outlook_;
    ComPtr<IDispatch> application_;
    std::vector<ConnectedAddin> connected_;
    std::map<std::wstring, ServingModule> modules_;
};

struct Step {
    int line;
    std::string action;
    std::vector<std::wstring> arguments;
};

bool ReadScript(const char* path, std::vector<Step>* steps) {
    std::ifstream file(path);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return false;
    }
    static const std::map<std::string, std::pair<std::size_t, std::size_t>> kArguments = {
        {"start", {0, 0}},    {"connect", {1, 1}},           {"disconnect", {1, 1}},
        {"shutdown", {0, 0}}, {"expect-connected", {0, 99}}, {"expect-unloaded", {1, 1}},
    };
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        std::istringstream words(line.substr(0, line.find('#')));
        Step step{number, std::string(), {}};
        if (!(words >> step.action)) continue;
        for (std::string word; words >> word;) step.arguments.push_back(Widen(word));
        auto known = kArguments.find(step.action);
        if (known == kArguments.end() || step.arguments.size() < known->second.first ||
            step.arguments.size() > known->second.second) {
            std::fprintf(stderr, "%s:%d: cannot run '%s'\n", path, number, line.c_str());
            return false;
        }
        steps->push_back(step);
    }
    return true;
}

bool Run(OutlookHost& host, const Step& step) {
    if (step.action == "start") return host.Start();
    if (step.action == "connect") return host.Connect(step.arguments[0], ext_cm_AfterStartup);
    if (step.action == "disconnect") return host.Disconnect(step.arguments[0]);
    if (step.action == "shutdown") return host.Shutdown();
    if (step.action == "expect-connected") return host.ExpectConnected(step.arguments);
    return host.ExpectUnloaded(step.arguments[0]);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Step> steps;
    if (argc != 2 || !ReadScript(argv[1], &steps)) {
        std::fprintf(stderr, "usage: %s SCRIPT\n", argv[0]);
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int status = 0;
    {
        OutlookHost host;
        if (!host.Init()) {
            std::printf("FAILED before the first step\n");
            status = 1;
        }
        for (const Step& step : steps) {
            if (status != 0) break;
            std::string text = step.action;
            for (const std::wstring& argument : step.arguments) text += " " + Narrow(argument);
            std::printf("%d: %s\n", step.line, text.c_str());
            if (!Run(host, step)) {
                std::printf("FAILED at line %d\n", step.line);
                status = 1;
            }
            DispatchQueuedMessages();
        }
    }
    CoUninitialize();
    std::fflush(stdout);
    return status;
}
