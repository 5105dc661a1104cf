// The COM class Connect and its class factory through the real COM
// machinery (under Wine), with a recording add-in object behind
// addin::Extensibility: the interfaces it answers, reference counts and the
// module's unload answer, the factory's refusals, the order of Outlook's
// calls, failures of the add-in kept inside, a late-bound OnConnection
// through the type information built at run time (Wine has no add-in
// designer type library), and the ribbon's calls passed on by name.
#include <gtest/gtest.h>

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>
#include <wrl/client.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "addin/ServerIds.h"
#include "model/host/ModelObject.h"
#include "support/com/ExposedDispatch.h"
#include "util/Settings.h"
#include "win32/Win32Platform.h"
#include "win32/com/ComGuid.h"
#include "win32/server/AddInClassFactory.h"
#include "win32/server/Extensibility2.h"
#include "win32/server/RibbonInterfaces.h"

namespace {

using Microsoft::WRL::ComPtr;

// What the add-in object was asked, and how it is to answer.
struct Record {
    std::vector<std::string> calls;
    host::DispatchPtr application;
    host::DispatchPtr instance;
    bool destroyed = false;
    // Run at the start of every call; may throw or answer for it.
    std::function<host::HResult(const std::string&)> answer;
    // The ribbon's calls: the customUIs asked for, the arguments a callback
    // got (declaration order).
    std::vector<std::wstring> ribbonIds;
    std::vector<host::Variant> callbackArgs;
};

// A ribbon side with one callback, "Echo", which answers the number of its
// arguments.
class RecordingRibbon : public ribbon::RibbonExtensibility {
  public:
    static constexpr host::DispId kEcho = 1001;
    explicit RecordingRibbon(Record* record) : record_(record) {}

    std::wstring GetCustomUI(const std::wstring& ribbonId) override {
        record_->ribbonIds.push_back(ribbonId);
        return ribbonId == L"Microsoft.Outlook.Explorer" ? L"<customUI/>" : L"";
    }
    host::HResult GetIdOfName(const std::wstring& name, host::DispId* id) override {
        if (name != L"Echo") return host::hr::kUnknownName;
        *id = kEcho;
        return host::hr::kOk;
    }
    host::HResult Invoke(host::DispId id, const std::vector<host::Variant>& args,
                         host::Variant* result) override {
        if (id != kEcho) return host::hr::kMemberNotFound;
        record_->callbackArgs = args;
        *result = host::Variant::I4(static_cast<std::int32_t>(args.size()));
        return host::hr::kOk;
    }

  private:
    Record* record_;
};

class RecordingAddIn : public addin::Extensibility {
  public:
    explicit RecordingAddIn(Record* record) : record_(record), ribbon_(record) {}
    ~RecordingAddIn() override { record_->destroyed = true; }
    ribbon::RibbonExtensibility* Ribbon() override { return &ribbon_; }

    host::HResult OnConnection(const host::DispatchPtr& application, std::int32_t mode,
                               const host::DispatchPtr& instance) override {
        record_->application = application;
        record_->instance = instance;
        return Called("OnConnection " + std::to_string(mode));
    }
    host::HResult OnDisconnection(std::int32_t mode) override {
        return Called("OnDisconnection " + std::to_string(mode));
    }
    host::HResult OnAddInsUpdate() override { return Called("OnAddInsUpdate"); }
    host::HResult OnStartupComplete() override { return Called("OnStartupComplete"); }
    host::HResult OnBeginShutdown() override { return Called("OnBeginShutdown"); }

  private:
    host::HResult Called(const std::string& call) {
        record_->calls.push_back(call);
        return record_->answer ? record_->answer(call) : host::hr::kOk;
    }
    Record* record_;
    RecordingRibbon ribbon_;
};

const CLSID kClsid = win32::ToNativeGuid(addin::kCLSID_Connect);

class ComServer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_EQ(S_OK, win32::CanUnloadServer());
        ASSERT_EQ(S_OK,
                  win32::ExposedDispatch::Expose(application, exposedApplication.GetAddressOf()));
        ASSERT_EQ(S_OK, win32::ExposedDispatch::Expose(instance, exposedInstance.GetAddressOf()));
    }
    void TearDown() override {
        exposedApplication.Reset();
        exposedInstance.Reset();
        CoUninitialize();
    }

    win32::AddInFactory Creator() {
        return [this] { return addin::ExtensibilityPtr(new RecordingAddIn(&record)); };
    }
    ComPtr<IClassFactory> Factory() {
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(S_OK, win32::GetAddInClassObject(kClsid, IID_IClassFactory,
                                                   reinterpret_cast<void**>(factory.GetAddressOf()),
                                                   Creator()));
        return factory;
    }
    ComPtr<IDTExtensibility2> Create() {
        ComPtr<IDTExtensibility2> connect;
        EXPECT_EQ(S_OK,
                  Factory()->CreateInstance(nullptr, win32::kIID_IDTExtensibility2,
                                            reinterpret_cast<void**>(connect.GetAddressOf())));
        return connect;
    }
    HRESULT Connect(IDTExtensibility2* connect) {
        SAFEARRAY* custom = nullptr;
        return connect->OnConnection(exposedApplication.Get(), ext_cm_Startup,
                                     exposedInstance.Get(), &custom);
    }

    win32::Win32Platform win32Ports{GetModuleHandleW(nullptr)};
    platform::ScopedPlatform installed{win32Ports.ports()};
    Record record;
    model::ModelObjectPtr application{new model::ModelObject("Application", nullptr)};
    model::ModelObjectPtr instance{new model::ModelObject("COMAddIn", nullptr)};
    ComPtr<IDispatch> exposedApplication, exposedInstance;
};

TEST_F(ComServer, ConnectAnswersItsFourInterfacesAsOneObject) {
    ComPtr<IDTExtensibility2> connect = Create();
    ASSERT_TRUE(connect);
    ComPtr<IUnknown> identity;
    ASSERT_EQ(S_OK, connect.As(&identity));
    const struct {
        IID iid;
        HRESULT expected;
    } cases[] = {
        {IID_IUnknown, S_OK},
        {IID_IDispatch, S_OK},
        {win32::kIID_IDTExtensibility2, S_OK},
        {__uuidof(IRibbonExtensibility), S_OK},
        {IID_IClassFactory, E_NOINTERFACE},
        {IID_IConnectionPointContainer, E_NOINTERFACE},
        {IID_IPersist, E_NOINTERFACE},
    };
    for (const auto& c : cases) {
        ComPtr<IUnknown> seen;
        void* answer = reinterpret_cast<void*>(1);
        EXPECT_EQ(c.expected, connect->QueryInterface(c.iid, &answer));
        *seen.GetAddressOf() = static_cast<IUnknown*>(answer);
        if (c.expected == S_OK) {
            ComPtr<IUnknown> again;
            ASSERT_EQ(S_OK, seen.As(&again));
            EXPECT_EQ(identity.Get(), again.Get());
        } else {
            EXPECT_EQ(nullptr, answer);
        }
    }
    EXPECT_EQ(E_POINTER, connect->QueryInterface(IID_IUnknown, nullptr));
}

TEST_F(ComServer, ReferencesObjectsAndLocksDecideWhetherTheModuleMayUnload) {
    ComPtr<IClassFactory> factory = Factory();
    EXPECT_EQ(S_FALSE, win32::CanUnloadServer());
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    IDTExtensibility2* first = nullptr;
    IDTExtensibility2* second = nullptr;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, win32::kIID_IDTExtensibility2,
                                            reinterpret_cast<void**>(&first)));
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, win32::kIID_IDTExtensibility2,
                                            reinterpret_cast<void**>(&second)));
    EXPECT_NE(first, second);  // a new object for every request
    factory.Reset();
    EXPECT_EQ(2u, first->AddRef());
    EXPECT_EQ(1u, first->Release());
    EXPECT_EQ(0u, first->Release());
    EXPECT_EQ(0u, second->Release());
    EXPECT_EQ(S_FALSE, win32::CanUnloadServer());  // still locked

    ComPtr<IClassFactory> again = Factory();
    EXPECT_EQ(S_OK, again->LockServer(FALSE));
    EXPECT_EQ(E_UNEXPECTED, again->LockServer(FALSE));  // more unlocks than locks
    again.Reset();
    EXPECT_EQ(S_OK, win32::CanUnloadServer());
}

TEST_F(ComServer, TheFactoryRefusesWhatItCannotMake) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
              win32::GetAddInClassObject(CLSID_StdGlobalInterfaceTable, IID_IClassFactory, &object,
                                         Creator()));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(E_POINTER, win32::GetAddInClassObject(kClsid, IID_IClassFactory, nullptr, Creator()));
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, win32::GetAddInClassObject(kClsid, IID_IDispatch, &object, Creator()));
    EXPECT_EQ(nullptr, object);

    ComPtr<IClassFactory> factory = Factory();
    EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IUnknown, nullptr));
    ComPtr<IUnknown> outer;
    ASSERT_EQ(S_OK, exposedApplication.As(&outer));
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer.Get(), IID_IUnknown, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_TRUE(record.destroyed);  // the object made for it went again

    ComPtr<IClassFactory> empty;
    ASSERT_EQ(S_OK, win32::GetAddInClassObject(kClsid, IID_IClassFactory,
                                               reinterpret_cast<void**>(empty.GetAddressOf()),
                                               [] { return addin::ExtensibilityPtr(); }));
    EXPECT_EQ(E_FAIL, empty->CreateInstance(nullptr, IID_IUnknown, &object));
    ComPtr<IClassFactory> throwing;
    ASSERT_EQ(S_OK,
              win32::GetAddInClassObject(
                  kClsid, IID_IClassFactory, reinterpret_cast<void**>(throwing.GetAddressOf()),
                  []() -> addin::ExtensibilityPtr { throw std::bad_alloc(); }));
    EXPECT_EQ(E_OUTOFMEMORY, throwing->CreateInstance(nullptr, IID_IUnknown, &object));
    EXPECT_EQ(nullptr, object);
    factory.Reset();
    empty.Reset();
    throwing.Reset();
    EXPECT_EQ(S_OK, win32::CanUnloadServer());
}

TEST_F(ComServer, OutlooksCallsReachTheAddInInTheirOrderOnly) {
    enum Step { kConnect, kConnectWithoutApplication, kUpdate, kStartup, kShutdown, kDisconnect };
    const struct {
        std::vector<Step> steps;
        std::vector<HRESULT> answers;
        std::vector<std::string> forwarded;
    } cases[] = {
        {{kConnect, kUpdate, kStartup, kShutdown, kDisconnect},
         {S_OK, S_OK, S_OK, S_OK, S_OK},
         {"OnConnection 1", "OnAddInsUpdate", "OnStartupComplete", "OnBeginShutdown",
          "OnDisconnection 1"}},
        {{kDisconnect, kStartup, kConnect}, {S_OK, S_OK, S_OK}, {"OnConnection 1"}},
        {{kConnect, kConnect, kDisconnect},
         {S_OK, E_UNEXPECTED, S_OK},
         {"OnConnection 1", "OnDisconnection 1"}},
        {{kConnect, kDisconnect, kConnect, kStartup, kDisconnect},
         {S_OK, S_OK, E_UNEXPECTED, S_OK, S_OK},
         {"OnConnection 1", "OnDisconnection 1"}},
        {{kConnectWithoutApplication, kConnect}, {E_INVALIDARG, S_OK}, {"OnConnection 1"}},
    };
    for (const auto& c : cases) {
        record = Record();
        ComPtr<IDTExtensibility2> connect = Create();
        std::vector<HRESULT> answers;
        SAFEARRAY* custom = nullptr;
        for (Step step : c.steps) {
            switch (step) {
                case kConnect:
                    answers.push_back(Connect(connect.Get()));
                    break;
                case kConnectWithoutApplication:
                    answers.push_back(connect->OnConnection(nullptr, ext_cm_Startup,
                                                            exposedInstance.Get(), &custom));
                    break;
                case kUpdate:
                    answers.push_back(connect->OnAddInsUpdate(&custom));
                    break;
                case kStartup:
                    answers.push_back(connect->OnStartupComplete(&custom));
                    break;
                case kShutdown:
                    answers.push_back(connect->OnBeginShutdown(&custom));
                    break;
                case kDisconnect:
                    answers.push_back(connect->OnDisconnection(ext_dm_UserClosed, &custom));
                    break;
            }
        }
        EXPECT_EQ(c.answers, answers) << c.forwarded.size();
        EXPECT_EQ(c.forwarded, record.calls);
        // The add-in sees the very objects Outlook passed.
        ASSERT_TRUE(record.application && record.instance);
        EXPECT_EQ(application, win32::ExposedDispatch::Unwrap(static_cast<IUnknown*>(
                                   const_cast<void*>(record.application->Identity()))));
        EXPECT_EQ(instance, win32::ExposedDispatch::Unwrap(static_cast<IUnknown*>(
                                const_cast<void*>(record.instance->Identity()))));
    }
}

TEST_F(ComServer, FailuresOfTheAddInStayInsideAndAreTraced) {
    char folder[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(MAX_PATH, folder));
    const std::string trace = std::string(folder) + "tandrel-com-server-trace.txt";
    DeleteFileA(trace.c_str());
    HKEY settings = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, settings::kKeyPath, 0, nullptr, 0,
                                             KEY_WRITE, nullptr, &settings, nullptr));
    RegSetValueExA(settings, settings::kLogFile, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(trace.c_str()),
                   static_cast<DWORD>(trace.size() + 1));

    const struct {
        std::function<host::HResult()> connection;
        HRESULT expected;
    } cases[] = {
        {[]() -> host::HResult { throw std::runtime_error("boom"); }, E_FAIL},
        {[]() -> host::HResult { throw std::bad_alloc(); }, E_OUTOFMEMORY},
        {[]() -> host::HResult { throw 7; }, E_FAIL},
        {[] { return host::hr::kAccessDenied; }, E_ACCESSDENIED},
    };
    for (const auto& c : cases) {
        record = Record();
        record.answer = [&c](const std::string&) { return c.connection(); };
        ComPtr<IDTExtensibility2> connect = Create();
        EXPECT_EQ(c.expected, Connect(connect.Get()));
        // It never started, so there is nothing to take down.
        SAFEARRAY* custom = nullptr;
        EXPECT_EQ(S_OK, connect->OnDisconnection(ext_dm_UserClosed, &custom));
        EXPECT_EQ(1u, record.calls.size());
    }

    record = Record();
    ComPtr<IDTExtensibility2> connect = Create();
    ASSERT_EQ(S_OK, Connect(connect.Get()));
    record.answer = [](const std::string&) -> host::HResult { throw std::logic_error("late"); };
    SAFEARRAY* custom = nullptr;
    EXPECT_EQ(E_FAIL, connect->OnDisconnection(ext_dm_UserClosed, &custom));
    connect.Reset();

    RegDeleteValueA(settings, settings::kLogFile);
    RegCloseKey(settings);
    std::ifstream file(trace);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(std::string::npos, text.str().find("Connect::OnConnection::CaughtException: boom"))
        << text.str();
    EXPECT_NE(std::string::npos,
              text.str().find("Connect::OnDisconnection::CaughtException: late"));
    file.close();
    DeleteFileA(trace.c_str());
}

TEST_F(ComServer, AnObjectReleasedWhileConnectedDisconnectsItsAddInFirst) {
    ComPtr<IDTExtensibility2> connect = Create();
    ASSERT_EQ(S_OK, Connect(connect.Get()));
    connect.Reset();
    EXPECT_EQ((std::vector<std::string>{"OnConnection 1", "OnDisconnection 0"}), record.calls);
    EXPECT_TRUE(record.destroyed);
    EXPECT_EQ(S_OK, win32::CanUnloadServer());
}

TEST_F(ComServer, OnConnectionCanBeInvokedByNameThroughTheTypeInformation) {
    ComPtr<IDispatch> connect;
    ASSERT_EQ(S_OK, Create().As(&connect));
    UINT count = 0;
    EXPECT_EQ(S_OK, connect->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);
    EXPECT_EQ(E_POINTER, connect->GetTypeInfoCount(nullptr));
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(S_OK, connect->GetTypeInfo(0, 0, info.GetAddressOf()));
    EXPECT_TRUE(info);
    ITypeInfo* none = reinterpret_cast<ITypeInfo*>(1);
    EXPECT_EQ(DISP_E_BADINDEX, connect->GetTypeInfo(1, 0, &none));
    EXPECT_EQ(nullptr, none);

    const struct {
        const wchar_t* name;
        DISPID id;
    } names[] = {{L"OnConnection", 1},      {L"ondisconnection", 2}, {L"OnAddInsUpdate", 3},
                 {L"OnStartupComplete", 4}, {L"OnBeginShutdown", 5}, {L"Connect", DISPID_UNKNOWN}};
    for (const auto& n : names) {
        LPOLESTR name = const_cast<LPOLESTR>(n.name);
        DISPID id = 0;
        EXPECT_EQ(n.id == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK,
                  connect->GetIDsOfNames(IID_NULL, &name, 1, 0, &id))
            << n.name;
        EXPECT_EQ(n.id, id) << n.name;
    }

    // As a late-bound caller makes it: arguments last first, the custom
    // array by reference.
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    VARIANT args[4];
    args[0].vt = VT_ARRAY | VT_VARIANT | VT_BYREF;
    args[0].pparray = &custom;
    args[1].vt = VT_DISPATCH;
    args[1].pdispVal = exposedInstance.Get();
    args[2].vt = VT_I4;
    args[2].lVal = ext_cm_CommandLine;
    args[3].vt = VT_DISPATCH;
    args[3].pdispVal = exposedApplication.Get();
    DISPPARAMS params = {args, nullptr, 4, 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(S_OK,
              connect->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr));
    DISPPARAMS disconnect = {args + 1, nullptr, 2, 0};
    args[1] = args[0];
    args[2].lVal = ext_dm_UserClosed;
    EXPECT_EQ(S_OK, connect->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, &disconnect, &result, nullptr,
                                    nullptr));
    SafeArrayDestroy(custom);
    EXPECT_EQ((std::vector<std::string>{"OnConnection 3", "OnDisconnection 1"}), record.calls);
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE, connect->Invoke(1, IID_IDispatch, 0, DISPATCH_METHOD,
                                                       &params, &result, nullptr, nullptr));
}

TEST_F(ComServer, TheRibbonsCallsReachTheAddInByName) {
    ComPtr<IDTExtensibility2> connect = Create();
    ComPtr<IRibbonExtensibility> ribbon;
    ASSERT_EQ(S_OK, connect.As(&ribbon));
    BSTR explorer = SysAllocString(L"Microsoft.Outlook.Explorer");
    BSTR other = SysAllocString(L"Microsoft.Outlook.Task");
    BSTR xml = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(S_OK, ribbon->GetCustomUI(explorer, &xml));
    EXPECT_STREQ(L"<customUI/>", xml);
    SysFreeString(xml);
    EXPECT_EQ(S_OK, ribbon->GetCustomUI(other, &xml));
    EXPECT_EQ(nullptr, xml);  // a ribbon not extended: nothing
    EXPECT_EQ(E_POINTER, ribbon->GetCustomUI(explorer, nullptr));
    EXPECT_EQ((std::vector<std::wstring>{L"Microsoft.Outlook.Explorer", L"Microsoft.Outlook.Task"}),
              record.ribbonIds);
    SysFreeString(explorer);
    SysFreeString(other);

    // Names IDTExtensibility2 does not have are the callbacks'.
    const struct {
        const wchar_t* name;
        HRESULT expected;
        DISPID id;
    } names[] = {{L"OnConnection", S_OK, 1},
                 {L"Echo", S_OK, RecordingRibbon::kEcho},
                 {L"Nothing", DISP_E_UNKNOWNNAME, DISPID_UNKNOWN}};
    for (const auto& n : names) {
        LPOLESTR name = const_cast<LPOLESTR>(n.name);
        DISPID id = 0;
        EXPECT_EQ(n.expected, connect->GetIDsOfNames(IID_NULL, &name, 1, 0, &id)) << n.name;
        EXPECT_EQ(n.id, id) << n.name;
    }

    // Office's order: the last argument first.
    VARIANT args[2];
    args[0].vt = VT_I4;
    args[0].lVal = 7;
    args[1].vt = VT_BSTR;
    args[1].bstrVal = SysAllocString(L"first");
    DISPPARAMS params = {args, nullptr, 2, 0};
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, connect->Invoke(RecordingRibbon::kEcho, IID_NULL, 0, DISPATCH_METHOD, &params,
                                    &result, nullptr, nullptr));
    EXPECT_EQ(VT_I4, result.vt);
    EXPECT_EQ(2, result.lVal);
    ASSERT_EQ(2u, record.callbackArgs.size());
    EXPECT_EQ(L"first", record.callbackArgs[0].bstr());
    EXPECT_EQ(7, record.callbackArgs[1].i4());
    DISPID named = 0;
    DISPPARAMS withNames = {args, &named, 2, 1};
    EXPECT_EQ(DISP_E_NONAMEDARGS,
              connect->Invoke(RecordingRibbon::kEcho, IID_NULL, 0, DISPATCH_METHOD, &withNames,
                              &result, nullptr, nullptr));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, connect->Invoke(4242, IID_NULL, 0, DISPATCH_METHOD, &params,
                                                     &result, nullptr, nullptr));
    VariantClear(&args[1]);
}

}  // namespace
