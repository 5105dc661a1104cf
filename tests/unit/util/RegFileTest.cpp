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
