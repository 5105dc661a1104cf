// The x64 package installed by msiexec into a fresh Wine prefix: an earlier
// version is replaced in place, every key and file the package promises is
// there, and uninstalling takes all of ours away while the user's settings
// and other programs' keys stay. The tests run in order, one installation
// through all of them.
//
//     wine_package.exe OLDER.msi CURRENT.msi REGISTRY.list VERSION
//
// (Unix paths; REGISTRY.list is the generator's flat list of the COM keys.)
#include <windows.h>

#include <msi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Arguments {
    std::wstring olderPackage;
    std::wstring currentPackage;
    std::wstring registryList;
    std::wstring version;
};
Arguments arguments;

constexpr wchar_t kUpgradeCode[] = L"{824FACE2-55EB-4E88-AA5E-FB236EE11AB7}";
constexpr wchar_t kAddinKey[] = L"Software\\Microsoft\\Office\\Outlook\\Addins\\tandrel.Connect";
constexpr wchar_t kSettingsKey[] = L"Software\\Tandrel";
constexpr wchar_t kForeignAddinKey[] =
    L"Software\\Microsoft\\Office\\Outlook\\Addins\\Other.Connect";
constexpr wchar_t kForeignClassKey[] =
    L"Software\\Classes\\CLSID\\{0F0F0F0F-1111-2222-3333-444444444444}";
constexpr REGSAM kView = KEY_WOW64_64KEY;  // the x64 package's rows
constexpr DWORD kMsiexecTimeoutMs = 120000;

std::wstring Widen(const char* text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
    if (length > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, &wide[0], length);
    return wide;
}

// Wine's drive Z: is the Unix root.
std::wstring WindowsPath(const char* unixPath) {
    std::wstring path = L"Z:" + Widen(unixPath);
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts(1);
    for (wchar_t c : text) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

DWORD Msiexec(const std::wstring& options) {
    std::wstring command = L"msiexec.exe " + options + L" /qn";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return GetLastError();
    }
    DWORD code = ERROR_TIMEOUT;
    if (WaitForSingleObject(process.hProcess, kMsiexecTimeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// The products of ours the installer knows: the entries in the installed programs.
std::vector<std::wstring> InstalledProducts() {
    std::vector<std::wstring> products;
    wchar_t code[39];
    for (DWORD i = 0; MsiEnumRelatedProductsW(kUpgradeCode, 0, i, code) == ERROR_SUCCESS; ++i) {
        products.push_back(code);
    }
    return products;
}

std::wstring ProductInfo(const std::wstring& product, const wchar_t* property) {
    wchar_t text[256] = {};
    DWORD length = 256;
    if (MsiGetProductInfoW(product.c_str(), property, text, &length) != ERROR_SUCCESS) return {};
    return text;
}

void ExpectOneProduct(const std::wstring& version) {
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(ProductInfo(products[0], L"VersionString"), version);
    EXPECT_EQ(ProductInfo(products[0], L"InstalledProductName"), L"Tandrel");
}

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

struct Value {
    bool present = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

Value ReadValue(const std::wstring& path, const std::wstring& name) {
    Value value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ | kView, &key) !=
        ERROR_SUCCESS) {
        return value;
    }
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.data.resize(size);
        value.present = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.data.data(),
                                         &size) == ERROR_SUCCESS;
        value.data.resize(size);
    }
    RegCloseKey(key);
    return value;
}

std::wstring Text(const Value& value) {
    std::wstring text(reinterpret_cast<const wchar_t*>(value.data.data()),
                      value.data.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

DWORD Number(const Value& value) {
    DWORD number = 0;
    if (value.data.size() == sizeof number) memcpy(&number, value.data.data(), sizeof number);
    return number;
}

void WriteValue(const std::wstring& path, const wchar_t* name, DWORD type,
                const std::vector<BYTE>& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE | kView,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::vector<BYTE> Bytes(DWORD number) {
    const BYTE* p = reinterpret_cast<const BYTE*>(&number);
    return std::vector<BYTE>(p, p + sizeof number);
}

std::vector<BYTE> Bytes(const std::wstring& text) {
    const BYTE* p = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(p, p + (text.size() + 1) * sizeof(wchar_t));
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring InstallFolder() {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::wstring(folder) + L"\\Tandrel";
}

// One line of the flat list: root\path|name|type|value.
struct ListedValue {
    std::wstring path;
    std::wstring name;
    std::wstring type;
    std::wstring value;
};

std::vector<ListedValue> RegistryList() {
    std::vector<ListedValue> listed;
    std::ifstream file(arguments.registryList.c_str());
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty()) continue;
        const std::vector<std::wstring> parts = Split(Widen(line.c_str()), L'|');
        EXPECT_EQ(parts.size(), 4u) << line;
        EXPECT_EQ(parts[0].rfind(L"HKCU\\", 0), 0u) << line;
        if (parts.size() != 4 || parts[0].rfind(L"HKCU\\", 0) != 0) continue;
        listed.push_back({parts[0].substr(5), parts[1], parts[2], parts[3]});
    }
    EXPECT_FALSE(listed.empty());
    return listed;
}

// The user's own settings: the package must never take them away.
struct Setting {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
};

const std::vector<Setting>& UserSettings() {
    static const std::vector<Setting> settings = {
        {L"CountryCode", REG_DWORD, Bytes(44)}, {L"AutoPrefix", REG_BINARY, {1}},
        {L"Bypass", REG_BINARY, {0}},           {L"SkypeName", REG_BINARY, {1}},
        {L"Position", REG_DWORD, Bytes(4)},     {L"Left", REG_DWORD, Bytes(120)},
        {L"Top", REG_DWORD, Bytes(80)},         {L"Row", REG_DWORD, Bytes(2)},
        {L"FirstRunImport", REG_BINARY, {1}},   {L"LogFile", REG_SZ, Bytes(L"C:\\trace.txt")},
    };
    return settings;
}

TEST(Package, ReplacesAnEarlierVersionInPlace) {
    WriteValue(kForeignAddinKey, L"LoadBehavior", REG_DWORD, Bytes(3));
    WriteValue(kForeignClassKey, L"", REG_SZ, Bytes(L"Other Class"));

    ASSERT_EQ(Msiexec(L"/i " + Quoted(arguments.olderPackage)), 0u);
    ASSERT_NO_FATAL_FAILURE(ExpectOneProduct(L"0.9.0.0"));
    ASSERT_EQ(Msiexec(L"/i " + Quoted(arguments.currentPackage)), 0u);
    ASSERT_NO_FATAL_FAILURE(ExpectOneProduct(arguments.version));
    // The same package again changes nothing.
    EXPECT_EQ(Msiexec(L"/i " + Quoted(arguments.currentPackage)), 0u);
    ExpectOneProduct(arguments.version);
}

TEST(Package, WritesEveryPromisedKeyAndFile) {
    const std::wstring folder = InstallFolder();
    const std::wstring module = folder + L"\\tandrel.dll";
    const std::wstring help = folder + L"\\tandrel.chm";
    EXPECT_TRUE(FileExists(module));
    EXPECT_TRUE(FileExists(help));

    for (const ListedValue& listed : RegistryList()) {
        SCOPED_TRACE(listed.path + L"|" + listed.name);
        if (listed.type == L"KEY") {
            EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, listed.path));
            continue;
        }
        const Value value = ReadValue(listed.path, listed.name);
        ASSERT_TRUE(value.present);
        if (listed.type == L"REG_DWORD") {
            EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(std::to_wstring(Number(value)), listed.value);
        } else if (listed.value == L"%MODULE%") {
            EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
            EXPECT_TRUE(SamePath(Text(value), module)) << Text(value);
        } else {
            EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
            EXPECT_EQ(Text(value), listed.value);
        }
    }

    const Value loadBehavior = ReadValue(kAddinKey, L"LoadBehavior");
    EXPECT_EQ(loadBehavior.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Number(loadBehavior), 3u);
    EXPECT_EQ(Text(ReadValue(kAddinKey, L"FriendlyName")), L"Tandrel");
    const std::wstring description = Text(ReadValue(kAddinKey, L"Description"));
    EXPECT_FALSE(description.empty());
    EXPECT_EQ(description.find_first_of(L"\r\n"), std::wstring::npos);

    const Value helpLocation = ReadValue(kSettingsKey, L"HelpLocation");
    EXPECT_EQ(helpLocation.type, static_cast<DWORD>(REG_SZ));
    EXPECT_TRUE(SamePath(Text(helpLocation), help)) << Text(helpLocation);
    EXPECT_TRUE(FileExists(Text(helpLocation)));

    // Nothing machine-wide.
    for (const wchar_t* path : {L"Software\\Classes\\tandrel.Connect",
                                L"Software\\Classes\\CLSID\\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}",
                                kSettingsKey, kAddinKey}) {
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, path)) << path;
    }
}

TEST(Package, UninstallTakesAllOfOursAndKeepsTheUsersSettings) {
    for (const Setting& setting : UserSettings()) {
        WriteValue(kSettingsKey, setting.name, setting.type, setting.data);
    }

    ASSERT_EQ(Msiexec(L"/x " + Quoted(arguments.currentPackage)), 0u);

    EXPECT_TRUE(InstalledProducts().empty());
    for (const ListedValue& listed : RegistryList()) {
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, listed.path)) << listed.path;
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
    EXPECT_FALSE(ReadValue(kSettingsKey, L"HelpLocation").present);
    EXPECT_EQ(GetFileAttributesW(InstallFolder().c_str()), INVALID_FILE_ATTRIBUTES);

    for (const Setting& setting : UserSettings()) {
        const Value value = ReadValue(kSettingsKey, setting.name);
        EXPECT_TRUE(value.present) << setting.name;
        EXPECT_EQ(value.type, setting.type) << setting.name;
        EXPECT_EQ(value.data, setting.data) << setting.name;
    }
    EXPECT_EQ(Number(ReadValue(kForeignAddinKey, L"LoadBehavior")), 3u);
    EXPECT_EQ(Text(ReadValue(kForeignClassKey, L"")), L"Other Class");
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 5) {
        fprintf(stderr, "usage: %s OLDER.msi CURRENT.msi REGISTRY.list VERSION\n", argv[0]);
        return 2;
    }
    arguments = {WindowsPath(argv[1]), WindowsPath(argv[2]), WindowsPath(argv[3]), Widen(argv[4])};
    return RUN_ALL_TESTS();
}
