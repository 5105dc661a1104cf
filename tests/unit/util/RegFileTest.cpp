// The model registry's .reg text: what the simulator keeps its settings in.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "model/ModelRegistry.h"

namespace {

using model::ModelRegistry;
using model::RegistryValueData;
using platform::RegistryRoot;

const char kTandrel[] = "Software\\Tandrel";

TEST(RegFile, EveryKindOfValueSurvivesASaveAndLoad) {
    ModelRegistry original;
    original.SetString(RegistryRoot::CurrentUser, kTandrel, "LogFile",
                       "C:\\Temp\\\"q\"\\trace.txt");
    original.SetDword(RegistryRoot::CurrentUser, kTandrel, "CountryCode", 44);
    original.SetDword(RegistryRoot::CurrentUser, kTandrel, "Left", 0xFFFFFFFF);
    original.SetBinary(RegistryRoot::CurrentUser, kTandrel, "AutoPrefix", {1});
    original.SetRaw(RegistryRoot::CurrentUser, kTandrel, "Expand",
                    RegistryValueData{platform::regtype::kExpandString, {'%', 'X', '%', 0}});
    original.SetRaw(RegistryRoot::CurrentUser, kTandrel, "NoNul",
                    RegistryValueData{platform::regtype::kString, {'a', 'b'}});
    original.SetRaw(RegistryRoot::CurrentUser, kTandrel, "Empty",
                    RegistryValueData{platform::regtype::kString, {}});
    original.SetString(RegistryRoot::CurrentUser, kTandrel, "", "default");
    original.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\Skype\\Phone", "SkypePath",
                       "C:\\Program Files\\Skype\\Phone\\Skype.exe");

    ModelRegistry loaded;
    std::vector<std::string> errors;
    ASSERT_TRUE(loaded.LoadText(original.SaveText(), &errors)) << original.SaveText();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(original.SaveText(), loaded.SaveText());

    for (const char* name :
         {"LogFile", "CountryCode", "Left", "AutoPrefix", "Expand", "NoNul", "Empty", ""}) {
        RegistryValueData a, b;
        ASSERT_TRUE(original.GetRaw(RegistryRoot::CurrentUser, kTandrel, name, &a)) << name;
        ASSERT_TRUE(loaded.GetRaw(RegistryRoot::CurrentUser, kTandrel, name, &b)) << name;
        EXPECT_EQ(a.type, b.type) << name;
        EXPECT_EQ(a.bytes, b.bytes) << name;
    }
}

TEST(RegFile, ReadsRegeditTextWithDeletionsAndContinuedHexLines) {
    ModelRegistry registry;
    registry.SetString(RegistryRoot::CurrentUser, "Software\\Old", "x", "y");
    registry.SetString(RegistryRoot::CurrentUser, kTandrel, "Gone", "soon");
    const std::string text =
        "REGEDIT4\n"
        "; a comment\n"
        "\n"
        "[-HKEY_CURRENT_USER\\Software\\Old]\n"
        "[HKEY_CURRENT_USER\\Software\\Tandrel]\r\n"
        "\"CountryCode\"=dword:0000002c\r\n"
        "\"Gone\"=-\n"
        "\"Bytes\"=hex:01,02,\\\n"
        "  03\n"
        "\"Multi\"=hex(7):61,00,00\n";
    std::vector<std::string> errors;
    ASSERT_TRUE(registry.LoadText(text, &errors));
    EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Old"));
    RegistryValueData value;
    EXPECT_FALSE(registry.GetRaw(RegistryRoot::CurrentUser, kTandrel, "Gone", &value));
    ASSERT_TRUE(registry.GetRaw(RegistryRoot::CurrentUser, kTandrel, "countrycode", &value));
    EXPECT_EQ((std::vector<std::uint8_t>{44, 0, 0, 0}), value.bytes);
    ASSERT_TRUE(registry.GetRaw(RegistryRoot::CurrentUser, kTandrel, "Bytes", &value));
    EXPECT_EQ((std::vector<std::uint8_t>{1, 2, 3}), value.bytes);
    ASSERT_TRUE(registry.GetRaw(RegistryRoot::CurrentUser, kTandrel, "Multi", &value));
    EXPECT_EQ(platform::regtype::kMultiString, value.type);
}

// Texts that once lost or changed data on a save: each loads, saves and
// loads again to the same tree, holding the value shown.
TEST(RegFile, RootValuesHighTypesAndTrailingBackslashesSurviveTheRoundTrip) {
    struct {
        const char* text;
        RegistryRoot root;
        const char* path;
        const char* name;
        RegistryValueData value;
    } cases[] = {
        {"[HKEY_CURRENT_USER]\n\"a\"=\"b\"\n",
         RegistryRoot::CurrentUser,
         "",
         "a",
         {platform::regtype::kString, {'b', 0}}},
        {"[HKEY_LOCAL_MACHINE\\]\n@=dword:00000001\n",
         RegistryRoot::LocalMachine,
         "",
         "",
         {platform::regtype::kDword, {1, 0, 0, 0}}},
        {"[HKEY_CURRENT_USER\\K]\n\"t\"=hex(a):01,02\n",
         RegistryRoot::CurrentUser,
         "K",
         "t",
         {10, {1, 2}}},
        {"[HKEY_CURRENT_USER\\K]\n\"q\"=hex(b):ff\n",
         RegistryRoot::CurrentUser,
         "K",
         "q",
         {11, {0xFF}}},
        {"[HKEY_CURRENT_USER\\K]\n\"x=hex\"=\"C:\\\\\"\n\"next\"=\"1\"\n",
         RegistryRoot::CurrentUser,
         "K",
         "x=hex",
         {platform::regtype::kString, {'C', ':', '\\', 0}}},
    };
    for (const auto& c : cases) {
        ModelRegistry first;
        std::vector<std::string> errors;
        ASSERT_TRUE(first.LoadText(c.text, &errors)) << c.text;
        ModelRegistry second;
        ASSERT_TRUE(second.LoadText(first.SaveText(), &errors)) << first.SaveText();
        EXPECT_EQ(first.SaveText(), second.SaveText());
        RegistryValueData value;
        ASSERT_TRUE(second.GetRaw(c.root, c.path, c.name, &value)) << first.SaveText();
        EXPECT_EQ(c.value.type, value.type) << c.text;
        EXPECT_EQ(c.value.bytes, value.bytes) << c.text;
    }
}

TEST(RegFile, BadLinesAreReportedAndSkippedGoodOnesStillLoad) {
    ModelRegistry registry;
    const std::string text =
        "REGEDIT4\n"
        "\"Orphan\"=\"no key yet\"\n"
        "[HKEY_NOWHERE\\Software]\n"
        "[HKEY_CURRENT_USER\\Software\\Tandrel\n"
        "[HKEY_CURRENT_USER\\Software\\Tandrel]\n"
        "\"Bypass\"=hex:01\n"
        "\"Unclosed=\"x\"\n"
        "\"BadDword\"=dword:xyz\n"
        "\"TooLong\"=dword:123456789\n"
        "\"BadHex\"=hex:0g\n"
        "Unquoted=\"x\"\n"
        "\"Good\"=\"yes\"\n";
    std::vector<std::string> errors;
    EXPECT_FALSE(registry.LoadText(text, &errors));
    EXPECT_EQ(8u, errors.size());
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(0u, errors.front().find("line 2:"));
    RegistryValueData value;
    EXPECT_TRUE(registry.GetRaw(RegistryRoot::CurrentUser, kTandrel, "Bypass", &value));
    EXPECT_TRUE(registry.GetRaw(RegistryRoot::CurrentUser, kTandrel, "Good", &value));
    EXPECT_FALSE(registry.GetRaw(RegistryRoot::CurrentUser, kTandrel, "BadDword", &value));
}

TEST(RegFile, FilesOnDisk) {
    const std::string path = ::testing::TempDir() + "tandrel-regfile-test.reg";
    ModelRegistry registry;
    registry.SetDword(RegistryRoot::CurrentUser, kTandrel, "Position", 3);
    ASSERT_TRUE(registry.SaveFile(path));
    ModelRegistry loaded;
    std::vector<std::string> errors;
    ASSERT_TRUE(loaded.LoadFile(path, &errors));
    EXPECT_EQ(registry.SaveText(), loaded.SaveText());
    std::remove(path.c_str());
    EXPECT_FALSE(loaded.LoadFile(path, &errors));
    EXPECT_FALSE(errors.empty());
}

}  // namespace
