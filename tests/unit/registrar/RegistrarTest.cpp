// The registrar on the model registry: the server's own script registered,
// re-registered over stale keys and unregistered beside foreign keys; the
// same keys as the package writes; runs the registry refuses taken back; the
// script syntax the registrar reads.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/ModelRegistry.h"
#include "registrar/Registrar.h"
#include "registrar/ServerKeys.h"
#include "support/ModelFixture.h"

namespace {

using platform::RegistryRoot;
namespace hr = host::hr;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr char kClasses[] = "Software\\Classes";
constexpr char kOurClass[] = "Software\\Classes\\CLSID\\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}";
constexpr wchar_t kModule[] = L"C:\\Program Files\\Tandrel\\tandrel.dll";

constexpr char kRegistered[] = R"(REGEDIT4

[HKEY_CURRENT_USER\SOFTWARE]

[HKEY_CURRENT_USER\SOFTWARE\Classes]

[HKEY_CURRENT_USER\SOFTWARE\Classes\CLSID]

[HKEY_CURRENT_USER\SOFTWARE\Classes\CLSID\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}]
@="Connect Class"

[HKEY_CURRENT_USER\SOFTWARE\Classes\CLSID\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}\InprocServer32]
@="C:\\Program Files\\Tandrel\\tandrel.dll"
"ThreadingModel"="Apartment"

[HKEY_CURRENT_USER\SOFTWARE\Classes\CLSID\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}\ProgID]
@="tandrel.Connect"

[HKEY_CURRENT_USER\SOFTWARE\Classes\CLSID\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}\Programmable]

[HKEY_CURRENT_USER\SOFTWARE\Classes\CLSID\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}\TypeLib]
@="{DECCC8C6-2ECA-4C57-85CB-85D793E7C874}"

[HKEY_CURRENT_USER\SOFTWARE\Classes\CLSID\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}\VersionIndependentProgID]
@="tandrel.Connect"

[HKEY_CURRENT_USER\SOFTWARE\Classes\tandrel.Connect]
@="Connect Class"

[HKEY_CURRENT_USER\SOFTWARE\Classes\tandrel.Connect\CLSID]
@="{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}"

[HKEY_CURRENT_USER\SOFTWARE\Classes\tandrel.Connect\CurVer]
@="tandrel.Connect"
)";

std::string ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string ServerScript() { return ReadFile(TANDREL_RGS_PATH); }

// The package's rows (the generator's flat list: one "HKCU\path|name|type|
// value" line per value, type KEY for a key without any) written into
// `registry`, with %MODULE% standing for `module`.
void WriteListedKeys(const std::string& list, const std::string& module,
                     model::ModelRegistry* registry) {
    std::istringstream lines(list);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields(1);
        for (char c : line) {
            if (c == '|') {
                fields.emplace_back();
            } else {
                fields.back() += c;
            }
        }
        ASSERT_EQ(4u, fields.size()) << line;
        ASSERT_EQ(0u, fields[0].rfind("HKCU\\", 0)) << line;
        const std::string path = fields[0].substr(5);
        const std::string& type = fields[2];
        std::string value = fields[3];
        if (type == "KEY") {
            platform::RegistryKeyHandle key = 0;
            ASSERT_EQ(platform::status::kSuccess,
                      registry->CreateKey(kUser, path, platform::access::kWrite, &key));
            registry->CloseKey(key);
        } else if (type == "REG_DWORD") {
            registry->SetDword(kUser, path, fields[1], std::stoul(value));
        } else {
            ASSERT_EQ("REG_SZ", type) << line;
            const std::size_t at = value.find("%MODULE%");
            if (at != std::string::npos) value.replace(at, 8, module);
            registry->SetString(kUser, path, fields[1], value);
        }
    }
}

class ServerKeys : public testing_support::ModelFixture {
  protected:
    host::HResult Register(const std::wstring& module = kModule) {
        addin::RegistryChanges changes;
        return addin::RegisterServerKeys(script, module, &changes);
    }
    std::string Tree() const { return model.registry.SaveText(); }
    void PutForeignKeys() {
        model.registry.SetString(kUser, std::string(kClasses) + "\\.txt", "", "txtfile");
        model.registry.SetString(kUser, std::string(kClasses) + "\\CLSID\\{other}", "", "Other");
        model.registry.SetString(kUser, std::string(kClasses) + "\\tandrel.Connect\\Foreign", "",
                                 "theirs");
    }

    const std::string script = ServerScript();
};

TEST_F(ServerKeys, RegisteringWritesExactlyTheScriptsKeys) {
    ASSERT_FALSE(script.empty());
    EXPECT_EQ(hr::kOk, Register());
    EXPECT_EQ(kRegistered, Tree());
    EXPECT_EQ(0u, model.registry.OpenHandleCount());
}

TEST_F(ServerKeys, TheRegistrarWritesWhatThePackageWritesAndNothingElse) {
    const std::string list = ReadFile(TANDREL_REGISTRY_LIST_PATH);
    ASSERT_FALSE(list.empty()) << TANDREL_REGISTRY_LIST_PATH;
    const std::wstring module = L"C:\\Users\\O'Brien\\AppData\\Local\\Tandrel\\tandrel.dll";
    model::ModelRegistry packaged;
    ASSERT_NO_FATAL_FAILURE(WriteListedKeys(list, model.text.ToAnsi(module), &packaged));
    ASSERT_EQ(hr::kOk, Register(module));
    // The whole trees compared: every key and value of each is in the other.
    EXPECT_EQ(packaged.SaveText(), Tree());
}

TEST_F(ServerKeys, ReRegisteringOverStaleKeysLeavesOnlyTheScriptsKeys) {
    ASSERT_EQ(hr::kOk, Register(L"D:\\old\\tandrel.dll"));
    model.registry.SetString(kUser, std::string(kOurClass) + "\\LocalServer32", "", "old.exe");
    model.registry.SetString(kUser, std::string(kOurClass) + "\\Programmable\\Stale", "", "x");
    model.registry.SetString(kUser, std::string(kOurClass) + "\\InprocServer32", "Stale", "x");
    EXPECT_EQ(hr::kOk, Register());
    EXPECT_EQ(kRegistered, Tree());
}

TEST_F(ServerKeys, UnregisteringLeavesNothingOfOursAndKeepsForeignKeys) {
    PutForeignKeys();
    const std::string before = Tree();
    ASSERT_EQ(hr::kOk, Register());
    EXPECT_EQ(hr::kOk, addin::UnregisterServerKeys(script));
    EXPECT_EQ(before, Tree());
    // Nothing left to remove is no failure.
    EXPECT_EQ(hr::kOk, addin::UnregisterServerKeys(script));
    EXPECT_EQ(before, Tree());

    // Our keys alone: even the NoRemove parents stay, empty.
    model.registry.DeleteTree(kUser, "Software");
    ASSERT_EQ(hr::kOk, Register());
    EXPECT_EQ(hr::kOk, addin::UnregisterServerKeys(script));
    EXPECT_EQ(
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE]\n\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Classes]\n\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Classes\\CLSID]\n",
        Tree());
}

TEST_F(ServerKeys, ARefusedWriteTakesBackEverythingTheRunChanged) {
    const std::string typeLib = std::string(kOurClass) + "\\TypeLib";
    const std::string curVer = std::string(kClasses) + "\\tandrel.Connect\\CurVer";
    const struct {
        std::string denied;
        bool registeredBefore;
    } cases[] = {
        {curVer, false},
        {typeLib, false},
        // Refused after the old class key was deleted: it comes back whole.
        {typeLib, true},
        {curVer, true},
    };
    for (const auto& c : cases) {
        model::ModelPlatform fresh;
        platform::ScopedPlatform installed(fresh.ports());
        fresh.registry.SetString(kUser, std::string(kClasses) + "\\.txt", "", "txtfile");
        addin::RegistryChanges changes;
        if (c.registeredBefore) {
            ASSERT_EQ(hr::kOk, addin::RegisterServerKeys(script, L"D:\\old.dll", &changes));
            fresh.registry.DeleteTree(kUser, c.denied);
        }
        const std::string before = fresh.registry.SaveText();
        fresh.registry.DenyWrites(kUser, c.denied);
        EXPECT_EQ(addin::HResultFromStatus(platform::status::kAccessDenied),
                  addin::RegisterServerKeys(script, kModule, &changes))
            << c.denied;
        EXPECT_EQ(before, fresh.registry.SaveText()) << c.denied;
        EXPECT_EQ(0u, fresh.registry.OpenHandleCount());
    }

    // Unregistering is taken back the same way.
    ASSERT_EQ(hr::kOk, Register());
    model.registry.DenyWrites(kUser, typeLib);
    EXPECT_EQ(addin::HResultFromStatus(platform::status::kAccessDenied),
              addin::UnregisterServerKeys(script));
    EXPECT_EQ(kRegistered, Tree());
}

TEST_F(ServerKeys, ChangesOfASuccessfulRunCanBeTakenBackByTheCaller) {
    PutForeignKeys();
    ASSERT_EQ(hr::kOk, Register(L"D:\\old.dll"));
    const std::string before = Tree();
    addin::RegistryChanges changes;
    ASSERT_EQ(hr::kOk, addin::RegisterServerKeys(script, kModule, &changes));
    EXPECT_NE(before, Tree());
    changes.Undo();
    EXPECT_EQ(before, Tree());
}

TEST_F(ServerKeys, ModulePathsTheRegistryCannotHoldExactlyAreRefused) {
    const std::wstring folder = L"C:\\" + std::wstring(240, L'd') + L"\\";
    const struct {
        std::wstring path;
        host::HResult expected;
    } cases[] = {
        {folder + L"tandrel.dll" + std::wstring(259 - folder.size() - 11, L'x'), hr::kOk},
        {folder + L"tandrel.dll" + std::wstring(260 - folder.size() - 11, L'x'),
         addin::kPathTooLong},
        {L"C:\\\u65e5\u672c\\tandrel.dll", addin::kPathNotAnsi},
        {L"C:\\Users\\O'Brien \u00e9\\tandrel.dll", hr::kOk},
    };
    for (const auto& c : cases) {
        model.registry.DeleteTree(kUser, "Software");
        EXPECT_EQ(c.expected, Register(c.path)) << c.path.size();
        model::RegistryValueData value;
        const bool written =
            model.registry.GetRaw(kUser, std::string(kOurClass) + "\\InprocServer32", "", &value);
        EXPECT_EQ(c.expected == hr::kOk, written) << c.path.size();
        if (written) {
            EXPECT_EQ(model.text.ToAnsi(c.path) + '\0',
                      std::string(value.bytes.begin(), value.bytes.end()));
        } else {
            EXPECT_EQ("REGEDIT4\n", Tree());
        }
    }
}

TEST_F(ServerKeys, TheScriptSyntaxBeyondTheServersOwnScript) {
    model.registry.SetString(kUser, "Software\\T\\Old\\Deep", "", "gone");
    const std::string script = R"(HKEY_CURRENT_USER {
        NoRemove Software { T {
            'with space' = s '50%% it''s %WHO%' { val Count = d '0x10' val Plain = d '42' }
            Delete Old
        } }
    })";
    ASSERT_EQ(hr::kOk, addin::RegisterScript(script, {{"WHO", "O'Brien"}}, nullptr));
    EXPECT_EQ(
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\n[HKEY_CURRENT_USER\\Software\\T]\n\n"
        "[HKEY_CURRENT_USER\\Software\\T\\with space]\n@=\"50% it's O'Brien\"\n"
        "\"Count\"=dword:00000010\n\"Plain\"=dword:0000002a\n",
        Tree());
}

TEST_F(ServerKeys, MalformedScriptsChangeNothingAndNameTheirLine) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"HKCU { A = s 'open }", "line 1: a quoted text is not closed"},
        {"HKCU {\n A = s '%NONE%' }", "line 2: nothing to replace %NONE% with"},
        {"HKCU { A = s '100%' }", "line 1: a lone % (write %% for a percent sign)"},
        {"HKXX { }", "line 1: 'HKXX' is not a registry root"},
        {"HKCU { A = b '00' }", "line 1: 'b' is not a value type (s or d)"},
        {"HKCU { A = d '4294967296' }", "line 1: '4294967296' is not a 32-bit number"},
        {"HKCU { A = s text }", "line 1: a text in quotes expected, found 'text'"},
        {"HKCU { val A = s 'x' }", "line 1: a value directly under a registry root"},
        {"HKCU { A\\B }", "line 1: a key name holds a backslash: 'A\\B'"},
        {"HKCU {\n A {\n B }", "line 3: the script ends where '}' should follow"},
        {"HKCU A", "line 1: '{' expected, found 'A'"},
        {"HKCU { = }", "line 1: a name expected, found '='"},
    };
    for (const auto& c : cases) {
        std::vector<addin::ScriptRoot> roots;
        std::string error;
        EXPECT_FALSE(addin::ParseRegistryScript(c.script, {}, &roots, &error)) << c.script;
        EXPECT_EQ(c.error, error) << c.script;
        EXPECT_EQ(hr::kFail, addin::RegisterScript(c.script, {}, nullptr)) << c.script;
    }
    EXPECT_EQ("REGEDIT4\n", Tree());
}

}  // namespace
