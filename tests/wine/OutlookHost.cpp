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
// What the user does and sees, in the Explorer that is open on the contacts
// folder from the start, and in the Inspectors opened on the way:
//
//   skype                ModelSkype.exe starts as a process of its own,
//                        writing every command it receives to a log
//   expect-skype TEXT    within 10 s, ModelSkype.exe receives a command that
//                        begins with TEXT, after the one the last such step
//                        matched
//   select NAME          the contact with this full name is selected
//   open NAME            an Inspector opens on that contact
//   expect-field NAME|FIELD  that contact carries the user property FIELD
//   click TEXT           the button captioned TEXT or, without a caption,
//                        with the tooltip TEXT is clicked, in the Inspector
//                        opened last or else in the Explorer
//   expect-combo CAPTION|TEXT  the combo box CAPTION shows a text that
//                        begins with TEXT
//   right-click          the user right-clicks the selection: the context
//                        menu is built
//   expect-menu TEXT     the open context menu has an entry captioned TEXT
//
// TEXT, NAME and FIELD are the rest of the line, split at '|' where a step
// takes two, each without its outer blanks.
//
//   OutlookHost.exe SCRIPT
//
// Each step is printed as it runs, and every message box the add-in shows,
// which the host answers at once (No to a question, OK to a notice); every IDTExtensibility2 call
// must answer S_OK. Exit status 0 when every step passed, 1 at the first that failed, 2 when the
// script cannot be read. The thread's queued messages are dispatched after every step, as Outlook's
// message loop would.
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
    // Windows calls back with __stdcall, which a lambda does not have on i686.
    struct Search {
        const char* className;
        bool found;
        static BOOL CALLBACK Visit(HWND window, LPARAM context) {
            Search* search = reinterpret_cast<Search*>(context);
            char name[256] = {};
            GetClassNameA(window, name, sizeof name);
            search->found = search->found || lstrcmpiA(name, search->className) == 0;
            return !search->found;
        }
    } search = {className, false};
    EnumThreadWindows(GetCurrentThreadId(), &Search::Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring Trimmed(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return std::wstring();
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// Every control of `controls`, those in popups after their popup.
void CollectControls(const model::ModelCommandBarControls& controls,
                     std::vector<model::ModelCommandBarControlPtr>* all) {
    for (const model::ModelCommandBarControlPtr& control : controls.controls()) {
        all->push_back(control);
        if (auto popup = boost::dynamic_pointer_cast<model::ModelCommandBarPopup>(control)) {
            CollectControls(*popup->controls(), all);
        }
    }
}

std::vector<model::ModelCommandBarControlPtr> ControlsOf(const model::ModelCommandBars& bars) {
    std::vector<model::ModelCommandBarControlPtr> all;
    for (const model::ModelCommandBarPtr& bar : bars.bars()) {
        if (!bar->deleted()) CollectControls(*bar->controls(), &all);
    }
    return all;
}

// One line per control, for a step that did not find what it looked for.
void PrintControls(const std::vector<model::ModelCommandBarControlPtr>& controls) {
    for (const model::ModelCommandBarControlPtr& control : controls) {
        std::string line = "  | '" + Narrow(control->caption()) + "'";
        if (!control->tooltipText().empty()) {
            line += " tooltip '" + Narrow(control->tooltipText()) + "'";
        }
        if (auto combo = boost::dynamic_pointer_cast<model::ModelCommandBarComboBox>(control)) {
            line += " text '" + Narrow(combo->text()) + "'";
        }
        if (!control->enabled()) line += " (disabled)";
        std::printf("%s\n", line.c_str());
    }
}

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring own(path, length < MAX_PATH ? length : 0);
    return own.substr(0, own.find_last_of(L"\\/") + 1) + name;
}

// Nobody sits at this Outlook: every message box the add-in shows on this
// thread is printed and answered at once, a question with No, a notice with
// OK, as a cautious user would.
LRESULT CALLBACK AnswerMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0) {
            char title[256] = {}, text[1024] = {};
            GetWindowTextA(window, title, sizeof title);
            GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the box's message
            std::printf("  message box \"%s\": %s\n", title, text);
            const WPARAM answer = GetDlgItem(window, IDNO) != nullptr ? IDNO : IDOK;
            PostMessageA(window, WM_COMMAND, answer, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
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

    bool Start() {
        if (process_.hProcess != nullptr) return Fail("ModelSkype.exe is running");
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        log_ = std::wstring(folder) + L"model-skype-" + std::to_wstring(GetCurrentProcessId()) +
               L".log";
        std::wstring command = L"\"" + BesideThisProgram(L"ModelSkype.exe") + L"\" --log \"" +
                               log_ + L"\" --lifetime-ms 60000";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            process_ = PROCESS_INFORMATION();
            return Fail("ModelSkype.exe did not start");
        }
        // The add-in finds Skype through the window Skype keeps: wait for it.
        for (int tries = 0; tries < 200; ++tries) {
            if (HasWindow()) return true;
            if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0) break;
        }
        return Fail("ModelSkype.exe showed no window");
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

    void PrintLog() const {
        std::ifstream log(log_.c_str());
        for (std::string line; std::getline(log, line);) std::printf("  > %s\n", line.c_str());
    }

  private:
    bool HasWindow() const {
        struct Search {
            DWORD processId;
            bool found;
            static BOOL CALLBACK Visit(HWND window, LPARAM context) {
                Search* search = reinterpret_cast<Search*>(context);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                search->found = owner == search->processId;
                return !search->found;
            }
        } search = {process_.dwProcessId, false};
        EnumWindows(&Search::Visit, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    PROCESS_INFORMATION process_ = {};
    std::wstring log_;
    std::size_t matched_ = 0;  // commands already matched
};

class OutlookHost {
  public:
    // Outlook as the user left it: two contacts, one whose name and mobile
    // number Skype knows, one carrying a Skype Name; an Explorer open on
    // the contacts folder.
    bool Init() {
        AddContact(L"Alice Wonder", {{"FirstName", L"Alice"},
                                     {"LastName", L"Wonder"},
                                     {"Email1Address", L"alice@tandrel.example"},
                                     {"MobileTelephoneNumber", L"+447700900123"}});
        AddContact(L"Bob Builder", {{"FirstName", L"Bob"}, {"LastName", L"Builder"}})
            ->AddUserProperty(L"Skype Name", host::Variant::Bstr(L"bob.builder"), 1);
        explorer_ = outlook_.AddExplorer(outlook_.contacts());
        outlook_.SetActiveExplorer(explorer_);
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

    bool StartSkype() { return skype_.Start(); }

    bool ExpectSkype(const std::wstring& prefix) {
        if (!skype_.running()) return Fail("ModelSkype.exe was not started");
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (!skype_.Received(Narrow(prefix))) {
            if (GetTickCount64() >= deadline) {
                skype_.PrintLog();
                return Fail("ModelSkype.exe never received " + Narrow(prefix));
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            DispatchQueuedMessages();
        }
        return true;
    }

    bool Select(const std::wstring& name) {
        const model::ModelContactItemPtr contact = Contact(name);
        if (!contact) return false;
        explorer_->Select({contact});
        return true;
    }

    bool Open(const std::wstring& name) {
        const model::ModelContactItemPtr contact = Contact(name);
        if (!contact) return false;
        inspector_ = outlook_.OpenInspector(contact);
        return true;
    }

    bool ExpectField(const std::wstring& name, const std::wstring& field) {
        const model::ModelContactItemPtr contact = Contact(name);
        if (!contact) return false;
        if (contact->userProperties().FindByName(field)) return true;
        return Fail(Narrow(name) + " has no field " + Narrow(field));
    }

    bool Click(const std::wstring& text) {
        const std::vector<model::ModelCommandBarControlPtr> controls = WindowControls();
        for (const model::ModelCommandBarControlPtr& control : controls) {
            auto button = boost::dynamic_pointer_cast<model::ModelCommandBarButton>(control);
            const std::wstring label =
                control->caption().empty() ? control->tooltipText() : control->caption();
            if (!button || Trimmed(label) != text) continue;
            if (button->Click()) return true;
            return Fail("'" + Narrow(text) + "' is disabled or hidden");
        }
        PrintControls(controls);
        return Fail("no button '" + Narrow(text) + "'");
    }

    bool ExpectCombo(const std::wstring& caption, const std::wstring& text) {
        const std::vector<model::ModelCommandBarControlPtr> controls = WindowControls();
        for (const model::ModelCommandBarControlPtr& control : controls) {
            auto combo = boost::dynamic_pointer_cast<model::ModelCommandBarComboBox>(control);
            if (combo && Trimmed(combo->caption()) == caption &&
                combo->text().compare(0, text.size(), text) == 0) {
                return true;
            }
        }
        PrintControls(controls);
        return Fail("no combo box '" + Narrow(caption) + "' showing '" + Narrow(text) + "'");
    }

    bool RightClick() {
        menu_ = explorer_->RightClick();
        return menu_ ? true : Fail("no context menu");
    }

    bool ExpectMenu(const std::wstring& text) {
        if (!menu_) return Fail("no context menu is open");
        std::vector<model::ModelCommandBarControlPtr> entries;
        CollectControls(*menu_->controls(), &entries);
        for (const model::ModelCommandBarControlPtr& entry : entries) {
            if (Trimmed(entry->caption()) == text) return true;
        }
        PrintControls(entries);
        return Fail("no menu entry '" + Narrow(text) + "'");
    }

  private:
    model::ModelContactItemPtr AddContact(const std::wstring& name,
                                          model::ModelOutlook::Properties properties) {
        properties.insert(properties.begin(), {"FullName", name});
        model::ModelContactItemPtr contact = outlook_.AddContact(outlook_.contacts(), properties);
        contacts_[name] = contact;
        return contact;
    }

    model::ModelContactItemPtr Contact(const std::wstring& name) {
        auto found = contacts_.find(name);
        if (found != contacts_.end()) return found->second;
        Fail("no contact " + Narrow(name));
        return model::ModelContactItemPtr();
    }

    // The controls of the Inspector opened last while it is open, else the Explorer's.
    std::vector<model::ModelCommandBarControlPtr> WindowControls() const {
        if (inspector_ && !inspector_->closed()) return ControlsOf(*inspector_->commandBars());
        return ControlsOf(*explorer_->commandBars());
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

    // Declared in the order they are needed: the add-ins go first, Skype last.
    SkypeProcess skype_;
    model::ModelOutlook outlook_;
    std::map<std::wstring, model::ModelContactItemPtr> contacts_;
    model::ModelExplorerPtr explorer_;
    model::ModelInspectorPtr inspector_;
    model::ModelCommandBarPtr menu_;
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
    // Least and most arguments; texts (negative counts) are the rest of the
    // line split at '|', each without its outer blanks.
    static const std::map<std::string, std::pair<int, int>> kArguments = {
        {"start", {0, 0}},          {"connect", {1, 1}},           {"disconnect", {1, 1}},
        {"shutdown", {0, 0}},       {"expect-connected", {0, 99}}, {"expect-unloaded", {1, 1}},
        {"skype", {0, 0}},          {"expect-skype", {-1, -1}},    {"select", {-1, -1}},
        {"open", {-1, -1}},         {"expect-field", {-2, -2}},    {"click", {-1, -1}},
        {"expect-combo", {-2, -2}}, {"right-click", {0, 0}},       {"expect-menu", {-1, -1}},
    };
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        std::istringstream words(line.substr(0, line.find('#')));
        Step step{number, std::string(), {}};
        if (!(words >> step.action)) continue;
        auto known = kArguments.find(step.action);
        if (known != kArguments.end() && known->second.first < 0) {
            std::string rest;
            std::getline(words, rest);
            std::istringstream texts(rest);
            for (std::string text; std::getline(texts, text, '|');) {
                step.arguments.push_back(Trimmed(Widen(text)));
            }
            if (step.arguments.size() != static_cast<std::size_t>(-known->second.first)) {
                std::fprintf(stderr, "%s:%d: cannot run '%s'\n", path, number, line.c_str());
                return false;
            }
            steps->push_back(step);
            continue;
        }
        for (std::string word; words >> word;) step.arguments.push_back(Widen(word));
        if (known == kArguments.end() ||
            step.arguments.size() < static_cast<std::size_t>(known->second.first) ||
            step.arguments.size() > static_cast<std::size_t>(known->second.second)) {
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
    if (step.action == "expect-unloaded") return host.ExpectUnloaded(step.arguments[0]);
    if (step.action == "skype") return host.StartSkype();
    if (step.action == "expect-skype") return host.ExpectSkype(step.arguments[0]);
    if (step.action == "select") return host.Select(step.arguments[0]);
    if (step.action == "open") return host.Open(step.arguments[0]);
    if (step.action == "expect-field") {
        return host.ExpectField(step.arguments[0], step.arguments[1]);
    }
    if (step.action == "click") return host.Click(step.arguments[0]);
    if (step.action == "expect-combo") {
        return host.ExpectCombo(step.arguments[0], step.arguments[1]);
    }
    if (step.action == "right-click") return host.RightClick();
    return host.ExpectMenu(step.arguments[0]);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Step> steps;
    if (argc != 2 || !ReadScript(argv[1], &steps)) {
        std::fprintf(stderr, "usage: %s SCRIPT\n", argv[0]);
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    HHOOK answering = SetWindowsHookExA(WH_CBT, AnswerMessageBoxes, nullptr, GetCurrentThreadId());
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
    if (answering != nullptr) UnhookWindowsHookEx(answering);
    CoUninitialize();
    std::fflush(stdout);
    return status;
}
