// The shipped tandrel.dll as Windows meets it, under Wine: regsvr32 writes
// exactly the registry script's keys for the current user and registers
// the type library, regsvr32 /u takes both away and leaves other keys; and,
// as Outlook does, a host creates "tandrel.Connect" by ProgID and drives it
// through IDTExtensibility2 with a model Application presented as a real
// COM object, then lets the DLL unload. (Grows into the end-to-end test
// once the add-in object does its work.)
//
// Wine's COM never reads HKEY_CURRENT_USER\Software\Classes, which Windows
// merges into HKEY_CLASSES_ROOT: the host copies our keys to
// HKEY_LOCAL_MACHINE\Software\Classes for the length of the test. The DLL
// itself registers per user only, as it must.
#include <gtest/gtest.h>

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>
#include <wrl/client.h>

#include <map>
#include <string>

#include "addin/ServerIds.h"
#include "model/host/ModelObject.h"
#include "win32/com/ComGuid.h"
#include "win32/com/ExposedDispatch.h"
#include "win32/server/Extensibility2.h"

namespace {

using Microsoft::WRL::ComPtr;

const wchar_t kClasses[] = L"Software\\Classes";
const wchar_t kOurClass[] = L"CLSID\\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}";
const wchar_t kProgId[] = L"tandrel.Connect";
const wchar_t kForeign[] = L"Software\\Classes\\CLSID\\{0B5E1F2A-6C3D-4E8F-9A7B-1C2D3E4F5A6B}";

// The DLL's Windows path: the build folder seen through Wine's Z: drive.
std::wstring DllPath() {
    std::wstring path = L"Z:";
    for (const char* c = TANDREL_DLL_UNIX_PATH; *c; ++c) {
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    }
    return path;
}

// regsvr32's exit code (0: done).
DWORD RunRegsvr32(const std::wstring& options) {
    std::wstring command = L"regsvr32.exe /s " + options + L" \"" + DllPath() + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return GetLastError();
    }
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// Every value below root\path, as "relative\key|name=data" (keys without
// values as "relative\key|"), sorted.
void ReadTree(HKEY root, const std::wstring& path, const std::wstring& relative,
              std::map<std::wstring, std::wstring>* tree) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    bool anyValue = false;
    wchar_t name[512];
    BYTE data[2048];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 512, size = sizeof data - sizeof(wchar_t), type = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        anyValue = true;
        data[size] = data[size + 1] = 0;
        (*tree)[relative + L"|" + name] =
            type == REG_SZ ? reinterpret_cast<wchar_t*>(data) : L"<not text>";
    }
    if (!anyValue) {
        (*tree)[relative + L"|"] = L"";
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 512;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        ReadTree(root, path + L"\\" + name, relative + L"\\" + name, tree);
    }
    RegCloseKey(key);
}

std::map<std::wstring, std::wstring> OurKeys() {
    std::map<std::wstring, std::wstring> tree;
    ReadTree(HKEY_CURRENT_USER, std::wstring(kClasses) + L"\\" + kProgId, kProgId, &tree);
    ReadTree(HKEY_CURRENT_USER, std::wstring(kClasses) + L"\\" + kOurClass, kOurClass, &tree);
    return tree;
}

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

class AddInHost : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        RunRegsvr32(L"/u");  // whatever an earlier run left
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kClasses) + L"\\" + kProgId).c_str());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kClasses) + L"\\" + kOurClass).c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, kForeign);
        RunRegsvr32(L"/u");
        CoUninitialize();
    }
};

TEST_F(AddInHost, Regsvr32WritesExactlyTheScriptsKeysAndTakesThemAway) {
    HKEY foreign = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kForeign, 0, nullptr, 0, KEY_WRITE,
                                             nullptr, &foreign, nullptr));
    RegCloseKey(foreign);

    ASSERT_EQ(0u, RunRegsvr32(L""));
    const std::wstring clsid = L"{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}";
    const std::map<std::wstring, std::wstring> expected = {
        {L"tandrel.Connect|", L"Connect Class"},
        {L"tandrel.Connect\\CLSID|", clsid},
        {L"tandrel.Connect\\CurVer|", L"tandrel.Connect"},
        {std::wstring(kOurClass) + L"|", L"Connect Class"},
        {std::wstring(kOurClass) + L"\\InprocServer32|", DllPath()},
        {std::wstring(kOurClass) + L"\\InprocServer32|ThreadingModel", L"Apartment"},
        {std::wstring(kOurClass) + L"\\ProgID|", L"tandrel.Connect"},
        {std::wstring(kOurClass) + L"\\Programmable|", L""},
        {std::wstring(kOurClass) + L"\\TypeLib|", L"{DECCC8C6-2ECA-4C57-85CB-85D793E7C874}"},
        {std::wstring(kOurClass) + L"\\VersionIndependentProgID|", L"tandrel.Connect"},
    };
    EXPECT_EQ(expected, OurKeys());
    // Wine writes the per-user type library keys under HKLM; where they
    // went is its business, that the library is found is ours.
    const GUID libid = win32::ToNativeGuid(addin::kLIBID_tandrelLib);
    BSTR found = nullptr;
    ASSERT_EQ(S_OK, QueryPathOfRegTypeLib(libid, 1, 0, LOCALE_NEUTRAL, &found));
    EXPECT_EQ(0, lstrcmpiW(DllPath().c_str(), found));
    SysFreeString(found);

    ASSERT_EQ(0u, RunRegsvr32(L"/u"));
    EXPECT_TRUE(OurKeys().empty());
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kForeign));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes\\CLSID"));
    found = nullptr;
    EXPECT_NE(S_OK, QueryPathOfRegTypeLib(libid, 1, 0, LOCALE_NEUTRAL, &found));
    SysFreeString(found);
}

TEST_F(AddInHost, AHostCreatesTheAddInByProgIdDrivesItAndLetsTheDllGo) {
    ASSERT_EQ(0u, RunRegsvr32(L""));
    for (const std::wstring& key : {std::wstring(kProgId), std::wstring(kOurClass)}) {
        const std::wstring path = std::wstring(kClasses) + L"\\" + key;
        HKEY from = nullptr, to = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &from));
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &to, nullptr));
        EXPECT_EQ(ERROR_SUCCESS, RegCopyTreeW(from, nullptr, to));
        RegCloseKey(from);
        RegCloseKey(to);
    }

    CLSID clsid = {};
    ASSERT_EQ(S_OK, CLSIDFromProgID(kProgId, &clsid));
    EXPECT_TRUE(IsEqualCLSID(win32::ToNativeGuid(addin::kCLSID_Connect), clsid));
    model::ModelObjectPtr application(new model::ModelObject("Application", nullptr));
    model::ModelObjectPtr instance(new model::ModelObject("COMAddIn", nullptr));
    {
        ComPtr<IDispatch> outlook, addInInstance;
        ASSERT_EQ(S_OK, win32::ExposedDispatch::Expose(application, outlook.GetAddressOf()));
        ASSERT_EQ(S_OK, win32::ExposedDispatch::Expose(instance, addInInstance.GetAddressOf()));
        ComPtr<IDTExtensibility2> connect;
        ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER,
                                         win32::kIID_IDTExtensibility2,
                                         reinterpret_cast<void**>(connect.GetAddressOf())));
        SAFEARRAY* custom = nullptr;
        EXPECT_EQ(S_OK, connect->OnConnection(outlook.Get(), ext_cm_Startup, addInInstance.Get(),
                                              &custom));
        EXPECT_EQ(S_OK, connect->OnStartupComplete(&custom));
        EXPECT_EQ(S_OK, connect->OnBeginShutdown(&custom));
        EXPECT_EQ(S_OK, connect->OnDisconnection(ext_dm_HostShutdown, &custom));
        HMODULE loaded = GetModuleHandleW(L"tandrel.dll");
        ASSERT_TRUE(loaded);
        typedef HRESULT(STDAPICALLTYPE * CanUnloadNow)();
        CanUnloadNow canUnload = reinterpret_cast<CanUnloadNow>(
            reinterpret_cast<void*>(GetProcAddress(loaded, "DllCanUnloadNow")));
        ASSERT_TRUE(canUnload);
        EXPECT_EQ(S_FALSE, canUnload());
        connect.Reset();
        EXPECT_EQ(S_OK, canUnload());
    }
    CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_FALSE(GetModuleHandleW(L"tandrel.dll"));
}

}  // namespace
