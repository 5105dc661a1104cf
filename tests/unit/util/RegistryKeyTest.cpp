#include <gtest/gtest.h>

#include <climits>

#include "support/ModelFixture.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

namespace {

using platform::RegistryRoot;
namespace access = platform::access;

class SettingsStore : public testing_support::ModelFixture {
  protected:
    std::string TextOf(const std::string& name) {
        CRegistryKey key(RegistryRoot::CurrentUser, settings::kKeyPath, access::kRead);
        CRegistryValuePtr value = key.Query(name);
        return value ? value->GetText() : "<absent>";
    }
    void Put(const std::string& name, std::uint32_t type, std::vector<std::uint8_t> bytes) {
        model.registry.SetRaw(RegistryRoot::CurrentUser, settings::kKeyPath, name,
                              model::RegistryValueData{type, std::move(bytes)});
    }
};

TEST_F(SettingsStore, EveryStoredTypeReadsBackAsText) {
    Put("one", platform::regtype::kBinary, {1});
    Put("zero", platform::regtype::kBinary, {0});
    Put("two", platform::regtype::kBinary, {2});
    Put("pair", platform::regtype::kBinary, {0x01, 0x00});
    Put("hex", platform::regtype::kBinary, {0x0A, 0xFF});
    model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath, "code", 44);
    model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath, "all", 4294967295u);
    model.registry.SetString(RegistryRoot::CurrentUser, settings::kKeyPath, "path",
                             "C:\\x\\trace.txt");
    Put("expand", platform::regtype::kExpandString, {'%', 'T', 'E', 'M', 'P', '%', 0});
    Put("nul", platform::regtype::kString, {'a', 'b', 0, 'c', 0});
    Put("unterminated", platform::regtype::kString, {'a', 'b'});
    Put("short-dword", platform::regtype::kDword, {0x2C});

    EXPECT_EQ("T", TextOf("one"));
    EXPECT_EQ("F", TextOf("zero"));
    EXPECT_EQ("F", TextOf("two"));
    EXPECT_EQ("0100", TextOf("pair"));
    EXPECT_EQ("0AFF", TextOf("hex"));
    EXPECT_EQ("44", TextOf("code"));
    EXPECT_EQ("-1", TextOf("all"));
    EXPECT_EQ("C:\\x\\trace.txt", TextOf("path"));
    EXPECT_EQ("%TEMP%", TextOf("expand"));  // left unexpanded
    EXPECT_EQ("ab", TextOf("nul"));
    EXPECT_EQ("ab", TextOf("unterminated"));
    EXPECT_EQ("44", TextOf("short-dword"));
}

TEST_F(SettingsStore, EmptyMissingAndOversizedValuesReadAsAbsent) {
    Put("empty", platform::regtype::kString, {});
    Put("fits", platform::regtype::kBinary, std::vector<std::uint8_t>(1024, 0xAB));
    Put("huge", platform::regtype::kBinary, std::vector<std::uint8_t>(1025, 0xAB));
    EXPECT_EQ("<absent>", TextOf("empty"));
    EXPECT_EQ("<absent>", TextOf("missing"));
    std::string expected;
    for (int i = 0; i < 1024; ++i) expected += "AB";
    EXPECT_EQ(expected, TextOf("fits"));  // exactly the buffer's size still reads
    EXPECT_EQ("<absent>", TextOf("huge"));
}

TEST_F(SettingsStore, ReadAccessNeverCreatesTheKeyReadWriteDoes) {
    {
        CRegistryKey key(RegistryRoot::CurrentUser, settings::kKeyPath, access::kRead);
        EXPECT_TRUE(key.IsNull());
        EXPECT_FALSE(key.Query(settings::kLogFile));
        EXPECT_FALSE(key.WriteBoolean(settings::kBypass, true));
    }
    EXPECT_FALSE(model.registry.KeyExists(RegistryRoot::CurrentUser, settings::kKeyPath));
    {
        CRegistryKey key(RegistryRoot::CurrentUser, settings::kKeyPath, access::kReadWrite);
        EXPECT_FALSE(key.IsNull());
        CRegistryValuePtr written = key.WriteNumber(settings::kCountryCode, 33);
        ASSERT_TRUE(written);
        EXPECT_EQ("33", written->GetText());
        written = key.WriteBoolean(settings::kAutoPrefix, true);
        ASSERT_TRUE(written);
        EXPECT_TRUE(written->IsTrue());
    }
    EXPECT_TRUE(model.registry.KeyExists(RegistryRoot::CurrentUser, settings::kKeyPath));
    EXPECT_EQ(0u, model.registry.OpenHandleCount());
}

TEST_F(SettingsStore, WriteOnlyKeyStoresTheByteButCannotReadItBack) {
    CRegistryKey key(RegistryRoot::CurrentUser, settings::kKeyPath, access::kWrite);
    ASSERT_FALSE(key.IsNull());
    EXPECT_FALSE(key.WriteBoolean(settings::kBypass, true));
    model::RegistryValueData stored;
    ASSERT_TRUE(model.registry.GetRaw(RegistryRoot::CurrentUser, settings::kKeyPath,
                                      settings::kBypass, &stored));
    EXPECT_EQ(platform::regtype::kBinary, stored.type);
    EXPECT_EQ(std::vector<std::uint8_t>{1}, stored.bytes);
    model::RegistryValueData number;
    key.WriteNumber(settings::kPosition, -2);
    ASSERT_TRUE(model.registry.GetRaw(RegistryRoot::CurrentUser, settings::kKeyPath,
                                      settings::kPosition, &number));
    EXPECT_EQ((std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}), number.bytes);
}

TEST_F(SettingsStore, BooleanSettingsJudgeAbsenceByTheirDefault) {
    EXPECT_TRUE(settings::ReadBoolean(settings::kSkypeName, settings::kDefaultSkypeName));
    EXPECT_FALSE(settings::ReadBoolean(settings::kBypass, settings::kDefaultBypass));
    Put(settings::kSkypeName, platform::regtype::kBinary, {0});
    Put(settings::kBypass, platform::regtype::kBinary, {1});
    Put(settings::kAutoPrefix, platform::regtype::kString, {0});  // empty text is not true
    EXPECT_FALSE(settings::ReadBoolean(settings::kSkypeName, settings::kDefaultSkypeName));
    EXPECT_TRUE(settings::ReadBoolean(settings::kBypass, settings::kDefaultBypass));
    EXPECT_FALSE(settings::ReadBoolean(settings::kAutoPrefix, true));
    model.registry.RemoveValue(RegistryRoot::CurrentUser, settings::kKeyPath, settings::kSkypeName);
    EXPECT_TRUE(settings::ReadBoolean(settings::kSkypeName, settings::kDefaultSkypeName));
}

TEST(SettingsNumber, ConvertsLeadingSignAndDigits) {
    EXPECT_EQ(44, settings::ToNumber("44"));
    EXPECT_EQ(-1, settings::ToNumber("-1"));
    EXPECT_EQ(12, settings::ToNumber("  +12abc"));
    EXPECT_EQ(0, settings::ToNumber("T"));
    EXPECT_EQ(0, settings::ToNumber(""));
    EXPECT_EQ(INT_MAX, settings::ToNumber("99999999999999999999"));
    EXPECT_EQ(INT_MIN, settings::ToNumber("-99999999999999999999"));
}

}  // namespace
