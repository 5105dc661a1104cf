// The shipped tandrel.dll as Windows meets it, under Wine: regsvr32 writes
// exactly the registry script's keys for the current user and registers
// the type library, regsvr32 /u takes both away and leaves other keys; and
// OutlookHost.exe finds the add-in through Outlook's add-in key, loads it by
// ProgID, drives it with a model Outlook presented as real COM objects,
// turns it off and on again as the COM Add-ins dialog does, and lets the DLL
// unload each time; and, end to end, the add-in attaches to ModelSkype.exe
// running as a process of its own, a click calls a contact, and the user
// answers its dialogs. COM finds the class through a copy of our keys under
// HKEY_LOCAL_MACHINE (MachineClasses.h).
#include <gtest/gtest.h>

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oleauto.h>

#include <fstream>
#include <map>
#include <string>

#include "HelperPrograms.h"
#include "MachineClasses.h"
#include "OutlookAddins.h"
#include "addin/ServerIds.h"
#include "win32/com/ComGuid.h"

namespace {

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
    return wine_test::RunProgram(L"regsvr32.exe /s " + options + L" \"" + DllPath() + L"\"", 30000);
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

std::wstring AddinKey(const wchar_t* progId) {
    return std::wstring(outlook_host::kAddinsKey) + L"\\" + progId;
}

class AddInHost : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        RunRegsvr32(L"/u");  // whatever an earlier run left
    }
    void TearDown() override {
        wine_test::RemoveOurClassesFromMachine();
        RegDeleteTreeW(HKEY_CURRENT_USER, kForeign);
        RegDeleteTreeW(HKEY_CURRENT_USER, outlook_host::kAddinsKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tandrel");
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Skype");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"skype");
        RunRegsvr32(L"/u");
        CoUninitialize();
    }

    // Registered as regsvr32 does it, and found by COM.
    void Register() {
        ASSERT_EQ(0u, RunRegsvr32(L""));
        ASSERT_TRUE(wine_test::CopyOurClassesToMachine());
    }
    // Registered, loaded at start-up, past the user's first connection (no
    // offer of help waits for an answer), and Skype's installer left its
    // path, as on the user's machine.
    void ReadyForEndToEnd() {
        ASSERT_NO_FATAL_FAILURE(Register());
        const DWORD atStartup = 3;
        SetLoadBehavior(L"tandrel.Connect", REG_DWORD, &atStartup, sizeof atStartup);
        const BYTE yes = 1;
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Tandrel",
                                                 L"FirstRunImport", REG_BINARY, &yes, sizeof yes));
        const std::wstring skype = wine_test::BesideThisProgram(L"ModelSkype.exe");
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Skype\\Phone",
                                                 L"SkypePath", REG_SZ, skype.c_str(),
                                                 static_cast<DWORD>((skype.size() + 1) * 2)));
    }
    void SetLoadBehavior(const wchar_t* progId, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, AddinKey(progId).c_str(),
                                                 L"LoadBehavior", type, data, size));
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

TEST_F(AddInHost, OutlookLoadsTheAddInsItsKeySetsToLoadAtStartUpAndNoOthers) {
    ASSERT_NO_FATAL_FAILURE(Register());
    // Every name but the last is a ProgID of our class, so loading any of
    // them would show; the last has no class at all.
    const struct {
        const wchar_t* progId;
        DWORD type;
        DWORD number;  // for REG_DWORD
    } keys[] = {
        {L"tandrel.Connect", REG_DWORD, 3},     {L"Tandrel.TurnedOff", REG_DWORD, 2},
        {L"Tandrel.Connected", REG_DWORD, 1},   {L"Tandrel.NotLoaded", REG_DWORD, 0},
        {L"Tandrel.OnDemand", REG_DWORD, 9},    {L"Tandrel.FirstTimeThenOnDemand", REG_DWORD, 16},
        {L"Tandrel.AsText", REG_SZ, 0},         {L"Tandrel.NoLoadBehavior", REG_NONE, 0},
        {L"Tandrel.NoSuchClass", REG_DWORD, 3},
    };
    const std::wstring clsid = L"{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}";
    for (const auto& key : keys) {
        const std::wstring progId = key.progId;
        if (progId != L"tandrel.Connect" && progId != L"Tandrel.NoSuchClass") {
            ASSERT_EQ(
                ERROR_SUCCESS,
                RegSetKeyValueW(HKEY_LOCAL_MACHINE,
                                (std::wstring(kClasses) + L"\\" + progId + L"\\CLSID").c_str(),
                                nullptr, REG_SZ, clsid.c_str(),
                                static_cast<DWORD>((clsid.size() + 1) * sizeof(wchar_t))));
        }
        if (key.type == REG_DWORD) {
            SetLoadBehavior(key.progId, REG_DWORD, &key.number, sizeof key.number);
        } else if (key.type == REG_SZ) {
            SetLoadBehavior(key.progId, REG_SZ, L"3", 2 * sizeof(wchar_t));
        } else {
            ASSERT_EQ(ERROR_SUCCESS,
                      RegSetKeyValueW(HKEY_CURRENT_USER, AddinKey(key.progId).c_str(),
                                      L"FriendlyName", REG_SZ, L"x", 2 * sizeof(wchar_t)));
        }
    }

    EXPECT_EQ(0u, wine_test::RunOutlookHost("outlook start\n"
                                            "expect-connected tandrel.Connect\n"
                                            "outlook quit\n"
                                            "expect-unloaded tandrel.Connect\n"));
    for (const auto& key : keys) {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kClasses) + L"\\" + key.progId).c_str());
    }
}

TEST_F(AddInHost, TurnedOffAndOnAgainTheDllUnloadsCleanlyAndComesBack) {
    ASSERT_NO_FATAL_FAILURE(Register());
    const DWORD atStartup = 3;
    SetLoadBehavior(L"tandrel.Connect", REG_DWORD, &atStartup, sizeof atStartup);
    // Outlook's COM Add-ins dialog unchecks the add-in and checks it again;
    // Outlook frees the DLL in between.
    EXPECT_EQ(0u, wine_test::RunOutlookHost("outlook start\n"
                                            "expect-connected tandrel.Connect\n"
                                            "disconnect tandrel.Connect\n"
                                            "expect-connected\n"
                                            "expect-unloaded tandrel.Connect\n"
                                            "connect tandrel.Connect\n"
                                            "expect-connected tandrel.Connect\n"
                                            "outlook quit\n"
                                            "expect-unloaded tandrel.Connect\n"));
}

TEST_F(AddInHost, EndToEndTheUserCallsContactsFromTheToolbarAndTheContextMenu) {
    ASSERT_NO_FATAL_FAILURE(ReadyForEndToEnd());
    EXPECT_EQ(0u,
              wine_test::RunOutlookHost("skype start\n"
                                        "outlook start\n"
                                        "expect-skype NAME Tandrel\n"
                                        "folder Contacts\n"
                                        // Skype knows Bob by his name: the toolbar offers him.
                                        "select Bob Builder\n"
                                        "expect-combo Skype: bob.builder\n"
                                        "click Start a Skype IP Telephony call to Contact\n"
                                        "expect-skype CALL bob.builder\n"
                                        // Alice carries her Skype Name: the context menu calls her.
                                        "select Alice Wonder\n"
                                        "rightclick\n"
                                        "expect-menu Call Contact via Skype\n"
                                        "click Call Contact via Skype\n"
                                        "expect-skype CALL alice.wonder\n"
                                        // Dan opened gets a Skype Name field to fill in.
                                        "open Dan Nobody\n"
                                        "expect-field Skype Name\n"
                                        "close\n"
                                        // Turned off and on again, it attaches to Skype again.
                                        "disconnect tandrel.Connect\n"
                                        "expect-unloaded tandrel.Connect\n"
                                        "connect tandrel.Connect\n"
                                        "expect-skype NAME Tandrel\n"
                                        "outlook quit\n"
                                        "expect-unloaded tandrel.Connect\n"));
    ASSERT_EQ(0u, RunRegsvr32(L"/u"));
    EXPECT_TRUE(OurKeys().empty());
}

TEST_F(AddInHost, EndToEndOutlook2016CallsContactsFromTheRibbonAndARightClick) {
    ASSERT_NO_FATAL_FAILURE(ReadyForEndToEnd());
    // Without the classic toolbar every step goes through the ribbon: Office
    // asks the DLL for IRibbonExtensibility, checks each customUI and calls
    // the callbacks by name through its IDispatch.
    const BYTE off = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Tandrel",
                                             L"ClassicToolbar", REG_BINARY, &off, sizeof off));
    EXPECT_EQ(0u, wine_test::RunOutlookHost("outlook 2016\n"
                                            "skype start\n"
                                            "outlook start\n"
                                            "expect-skype NAME Tandrel\n"
                                            "folder Contacts\n"
                                            // The group offers Bob, whom Skype knows by name.
                                            "select Bob Builder\n"
                                            "expect-combo Skype: bob.builder\n"
                                            "click call\n"
                                            "expect-skype CALL bob.builder\n"
                                            // Typed into the ribbon's box, then called.
                                            "type skype echo123\n"
                                            "click chat\n"
                                            "expect-skype OPEN IM echo123\n"
                                            // The item context menu offers Alice's entries.
                                            "select Alice Wonder\n"
                                            "rightclick\n"
                                            "expect-menu Call Contact via Skype\n"
                                            "click Call Contact via Skype\n"
                                            "expect-skype CALL alice.wonder\n"
                                            // A contact's window: the group on its tab.
                                            "open Carol Nguyen\n"
                                            "expect-combo skype carol.nguyen\n"
                                            "close\n"
                                            "outlook quit\n"
                                            "expect-unloaded tandrel.Connect\n"));
}

TEST_F(AddInHost, EndToEndTheUserAnswersTheAddInsDialogs) {
    ASSERT_NO_FATAL_FAILURE(ReadyForEndToEnd());
    // Bob's number is national: the country chooser asks which country.
    EXPECT_EQ(0u, wine_test::RunOutlookHost("skype start\n"
                                            "outlook start\n"
                                            "expect-skype NAME Tandrel\n"
                                            "folder Contacts\n"
                                            "select Bob Builder\n"
                                            "country United Kingdom always\n"
                                            "click skypeout\n"
                                            "expect-skype CALL +441614960000\n"
                                            // A dialog without buttons goes with Escape.
                                            "click About Tandrel\n"
                                            "outlook quit\n"));
}

TEST_F(AddInHost, EndToEndACallComingInShowsTheCallersContact) {
    ASSERT_NO_FATAL_FAILURE(ReadyForEndToEnd());
    // Alice carries her Skype Name: her contact's window is the one offered.
    EXPECT_EQ(0u, wine_test::RunOutlookHost("skype start\n"
                                            "outlook start\n"
                                            "expect-skype GET CONNSTATUS\n"
                                            "skype ring alice.wonder\n"
                                            "expect-skype GET CALL\n"
                                            "expect-window Alice Wonder\n"
                                            "expect-window alice.wonder\n"
                                            "click Open contact\n"
                                            "expect-field Skype Name\n"
                                            "skype answer\n"
                                            "close\n"
                                            "outlook quit\n"));
}

TEST_F(AddInHost, EndToEndCallsGoThroughTheShellAsSkypeLinks) {
    ASSERT_NO_FATAL_FAILURE(ReadyForEndToEnd());
    // The program registered for skype: links keeps the links it is given.
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring kept =
        std::wstring(folder) + L"skype-links-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(kept.c_str());
    const std::wstring command = L"\"" + wine_test::BesideThisProgram(L"ModelSkype.exe") +
                                 L"\" --record-link \"" + kept + L"\" \"%1\"";
    const auto text = [](const std::wstring& value) {
        return static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    };
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CLASSES_ROOT, L"skype", L"URL Protocol", REG_SZ,
                                             L"", sizeof(wchar_t)));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CLASSES_ROOT, L"skype\\shell\\open\\command",
                                             nullptr, REG_SZ, command.c_str(), text(command)));
    const std::wstring way = L"skype";
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Tandrel", L"CallVia",
                                             REG_SZ, way.c_str(), text(way)));
    // No Skype runs: the link needs none. A typed conference, one name
    // holding what a link must not carry bare.
    EXPECT_EQ(0u, wine_test::RunOutlookHost("outlook start\n"
                                            "folder Contacts\n"
                                            "select Alice Wonder\n"
                                            "type skype alice.wonder, o'hara&co\n"
                                            "click call\n"
                                            "outlook quit\n"));
    std::string links;
    for (int tries = 0; tries < 100 && links.empty(); ++tries) {
        std::ifstream file(kept.c_str());
        std::getline(file, links);
        if (links.empty()) Sleep(100);
    }
    EXPECT_EQ("skype:alice.wonder;o%27hara%26co?call", links);
    DeleteFileW(kept.c_str());
}

}  // namespace
