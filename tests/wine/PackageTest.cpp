// The x64 package installed by msiexec into a fresh Wine prefix: an earlier
// version is replaced in place, every key and file the package promises is
// there, Outlook (OutlookHost.exe) loads the add-in from the add-in key the
// package wrote, and uninstalling takes all of ours away while the user's
// settings and other programs' keys stay. The tests run in order, one installation
// through all of them. (A 64-bit program reads the 64-bit registry view, the
// one the x64 package writes.)
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

#include "HelperPrograms.h"
#include "MachineClasses.h"

namespace {

std::wstring olderPackage, currentPackage, registryList, version;

constexpr wchar_t kUpgradeCode[] = L"{824FACE2-55EB-4E88-AA5E-FB236EE11AB7}";
constexpr wchar_t kAddinKey[] = L"Software\\Microsoft\\Office\\Outlook\\Addins\\tandrel.Connect";
constexpr wchar_t kSettingsKey[] = L"Software\\Tandrel";
constexpr wchar_t kForeignAddinKey[] =
    L"Software\\Microsoft\\Office\\Outlook\\Addins\\Other.Connect";
constexpr wchar_t kForeignClassKey[] =
    L"Software\\Classes\\CLSID\\{0F0F0F0F-1111-2222-3333-444444444444}";

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length : 0);
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

DWORD Msiexec(const wchar_t* action, const std::wstring& package) {
    return wine_test::RunProgram(
        std::wstring(L"msiexec.exe ") + action + L" \"" + package + L"\" /qn", 120000);
}

// Our products as the installer knows them: the entries in the installed programs.
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
    MsiGetProductInfoW(product.c_str(), property, text, &length);
    return text;
}

void ExpectOneProduct(const std::wstring& expectedVersion) {
    const std::vector<std::wstring> products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(ProductInfo(products[0], L"VersionString"), expectedVersion);
    EXPECT_EQ(ProductInfo(products[0], L"InstalledProductName"), L"Tandrel");
}

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// A registry value as its type and bytes; REG_NONE when it is absent.
struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    std::wstring Text() const {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2);
        return text.substr(0, text.find(L'\0'));
    }
    DWORD Number() const {
        DWORD number = 0;
        if (data.size() == sizeof number) memcpy(&number, data.data(), sizeof number);
        return number;
    }
    bool operator==(const Value& other) const { return type == other.type && data == other.data; }
};

Value Dword(DWORD number) {
    const BYTE* p = reinterpret_cast<const BYTE*>(&number);
    return {REG_DWORD, {p, p + sizeof number}};
}
Value Binary(BYTE byte) { return {REG_BINARY, {byte}}; }
Value String(const std::wstring& text) {
    const BYTE* p = reinterpret_cast<const BYTE*>(text.c_str());
    return {REG_SZ, {p, p + (text.size() + 1) * sizeof(wchar_t)}};
}

Value Read(const std::wstring& path, const std::wstring& name) {
    Value value;
    value.data.resize(1024);
    DWORD size = 1024;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                     &value.type, value.data.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    value.data.resize(size);
    return value;
}

void Write(const std::wstring& path, const wchar_t* name, const Value& value) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), name, value.type, value.data.data(),
                              static_cast<DWORD>(value.data.size())),
              ERROR_SUCCESS);
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

// The lines of the flat list, HKCU\path|name|type|value, as {path, name, type, value}.
std::vector<std::vector<std::wstring>> RegistryList() {
    std::vector<std::vector<std::wstring>> lines;
    std::ifstream file(registryList.c_str());
    for (std::string line; std::getline(file, line);) {
        std::vector<std::wstring> fields(1);
        for (wchar_t c : Widen(line)) {
            if (c == L'|') {
                fields.emplace_back();
            } else {
                fields.back() += c;
            }
        }
        EXPECT_TRUE(fields.size() == 4 && fields[0].rfind(L"HKCU\\", 0) == 0) << line;
        if (fields.size() != 4) continue;
        fields[0].erase(0, 5);
        lines.push_back(fields);
    }
    EXPECT_FALSE(lines.empty());
    return lines;
}

// The user's own settings: the package must never take them away.
const std::pair<const wchar_t*, Value> kUserSettings[] = {
    {L"CountryCode", Dword(44)},
    {L"AutoPrefix", Binary(1)},
    {L"Bypass", Binary(0)},
    {L"SkypeName", Binary(1)},
    {L"Position", Dword(4)},
    {L"Left", Dword(120)},
    {L"Top", Dword(80)},
    {L"Row", Dword(2)},
    {L"FirstRunImport", Binary(1)},
    {L"LogFile", String(L"C:\\trace.txt")},
};

TEST(Package, ReplacesAnEarlierVersionInPlace) {
    Write(kForeignAddinKey, L"LoadBehavior", Dword(3));
    Write(kForeignClassKey, L"", String(L"Other Class"));

    ASSERT_EQ(Msiexec(L"/i", olderPackage), 0u);
    ASSERT_NO_FATAL_FAILURE(ExpectOneProduct(L"0.9.0.0"));
    ASSERT_EQ(Msiexec(L"/i", currentPackage), 0u);
    ASSERT_NO_FATAL_FAILURE(ExpectOneProduct(version));
    // The same package again changes nothing.
    EXPECT_EQ(Msiexec(L"/i", currentPackage), 0u);
    ExpectOneProduct(version);
}

TEST(Package, WritesEveryPromisedKeyAndFile) {
    const std::wstring module = InstallFolder() + L"\\tandrel.dll";
    const std::wstring help = InstallFolder() + L"\\tandrel.chm";
    EXPECT_TRUE(FileExists(module));

    for (const auto& listed : RegistryList()) {
        const std::wstring& type = listed[2];
        const std::wstring& expected = listed[3];
        SCOPED_TRACE(listed[0] + L"|" + listed[1]);
        if (type == L"KEY") {
            EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, listed[0]));
            continue;
        }
        const Value value = Read(listed[0], listed[1]);
        if (type == L"REG_DWORD") {
            EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(std::to_wstring(value.Number()), expected);
        } else {
            EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
            if (expected == L"%MODULE%") {
                EXPECT_TRUE(SamePath(value.Text(), module)) << value.Text();
            } else {
                EXPECT_EQ(value.Text(), expected);
            }
        }
    }

    EXPECT_EQ(Read(kAddinKey, L"LoadBehavior"), Dword(3));
    EXPECT_EQ(Read(kAddinKey, L"FriendlyName"), String(L"Tandrel"));
    const std::wstring description = Read(kAddinKey, L"Description").Text();
    EXPECT_FALSE(description.empty());
    EXPECT_EQ(description.find_first_of(L"\r\n"), std::wstring::npos);

    const std::wstring helpLocation = Read(kSettingsKey, L"HelpLocation").Text();
    EXPECT_TRUE(SamePath(helpLocation, help)) << helpLocation;
    EXPECT_TRUE(FileExists(helpLocation));

    // Nothing machine-wide.
    for (const wchar_t* path : {L"Software\\Classes\\tandrel.Connect",
                                L"Software\\Classes\\CLSID\\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}",
                                kSettingsKey, kAddinKey}) {
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, path)) << path;
    }
}

TEST(Package, OutlookLoadsTheAddInFromTheKeyThePackageWrote) {
    // Another add-in's key, whose class is not there, is tried and left out.
    ASSERT_TRUE(wine_test::CopyOurClassesToMachine());
    // Skype's installer left its path; the installed add-in calls through it.
    const std::wstring skype = wine_test::BesideThisProgram(L"ModelSkype.exe");
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Skype\\Phone", L"SkypePath", REG_SZ,
                              skype.c_str(), static_cast<DWORD>((skype.size() + 1) * 2)));
    EXPECT_EQ(wine_test::RunOutlookHost("skype start\n"
                                        "outlook start\n"
                                        "expect-connected tandrel.Connect\n"
                                        "expect-skype GET USER alice.wonder\n"
                                        "folder Contacts\n"
                                        "select Alice Wonder\n"
                                        "click call\n"
                                        "expect-skype CALL alice.wonder\n"
                                        "outlook quit\n"
                                        "expect-unloaded tandrel.Connect\n"),
              0u);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Skype");
    wine_test::RemoveOurClassesFromMachine();
}

TEST(Package, UninstallTakesAllOfOursAndKeepsTheUsersSettings) {
    for (const auto& setting : kUserSettings) Write(kSettingsKey, setting.first, setting.second);

    ASSERT_EQ(Msiexec(L"/x", currentPackage), 0u);

    EXPECT_TRUE(InstalledProducts().empty());
    for (const auto& listed : RegistryList()) {
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, listed[0])) << listed[0];
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
    EXPECT_EQ(Read(kSettingsKey, L"HelpLocation").type, static_cast<DWORD>(REG_NONE));
    EXPECT_EQ(GetFileAttributesW(InstallFolder().c_str()), INVALID_FILE_ATTRIBUTES);

    for (const auto& setting : kUserSettings) {
        EXPECT_EQ(Read(kSettingsKey, setting.first), setting.second) << setting.first;
    }
    EXPECT_EQ(Read(kForeignAddinKey, L"LoadBehavior"), Dword(3));
    EXPECT_EQ(Read(kForeignClassKey, L""), String(L"Other Class"));
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 5) {
        fprintf(stderr, "usage: %s OLDER.msi CURRENT.msi REGISTRY.list VERSION\n", argv[0]);
        return 2;
    }
    olderPackage = WindowsPath(argv[1]);
    currentPackage = WindowsPath(argv[2]);
    registryList = WindowsPath(argv[3]);
    version = Widen(argv[4]);
    return RUN_ALL_TESTS();
}
