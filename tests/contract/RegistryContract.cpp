// The registry port and the settings layer over it, against the model and
// against the real (Wine) registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "contract/ContractEnvironment.h"
#include "util/RegistryKey.h"

namespace {

using platform::RegistryKeyHandle;
using platform::RegistryRoot;
namespace access = platform::access;
namespace regtype = platform::regtype;
namespace status = platform::status;

const std::string kScratch = contract::kScratchKey;

class RegistryContract : public ::testing::Test {
  protected:
    RegistryContract() : registry(platform::registry()) { registry.DeleteTree(kRoot, kScratch); }
    ~RegistryContract() override { registry.DeleteTree(kRoot, kScratch); }

    RegistryKeyHandle Create(const std::string& path, std::uint32_t mask = access::kReadWrite) {
        RegistryKeyHandle key = 0;
        EXPECT_EQ(status::kSuccess, registry.CreateKey(kRoot, path, mask, &key)) << path;
        handles_.push_back(key);
        return key;
    }
    void Set(RegistryKeyHandle key, const std::string& name, std::uint32_t type,
             const std::vector<std::uint8_t>& bytes) {
        ASSERT_EQ(status::kSuccess, registry.SetValue(key, name, type, bytes.data(),
                                                      static_cast<std::uint32_t>(bytes.size())));
    }
    void TearDown() override {
        for (RegistryKeyHandle key : handles_) registry.CloseKey(key);
    }

    static constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;
    platform::Registry& registry;

  private:
    std::vector<RegistryKeyHandle> handles_;
};

TEST_F(RegistryContract, OpeningAMissingKeyFailsCreatingMakesIt) {
    RegistryKeyHandle key = 0xDEAD;
    EXPECT_EQ(status::kFileNotFound, registry.OpenKey(kRoot, kScratch, access::kRead, &key));
    EXPECT_EQ(0u, key);
    Create(kScratch + "\\Nested\\Deeper");
    EXPECT_EQ(status::kSuccess,
              registry.OpenKey(kRoot, kScratch + "\\nested\\DEEPER", access::kRead, &key));
    EXPECT_NE(0u, key);
    EXPECT_EQ(status::kSuccess, registry.CloseKey(key));
}

TEST_F(RegistryContract, ClassesRootHoldsTheProgramsForLinkSchemes) {
    // The add-in asks HKEY_CLASSES_ROOT\<scheme> whether a program opens a
    // link: a scheme nobody registered is not there, one registered is.
    const std::string scheme = "tandrel-contract-scheme";
    registry.DeleteTree(RegistryRoot::ClassesRoot, scheme);
    RegistryKeyHandle key = 0xDEAD;
    EXPECT_EQ(status::kFileNotFound,
              registry.OpenKey(RegistryRoot::ClassesRoot, scheme, access::kRead, &key));
    ASSERT_EQ(status::kSuccess,
              registry.CreateKey(RegistryRoot::ClassesRoot, scheme + "\\shell\\open\\command",
                                 access::kReadWrite, &key));
    EXPECT_EQ(status::kSuccess, registry.CloseKey(key));
    ASSERT_EQ(status::kSuccess,
              registry.OpenKey(RegistryRoot::ClassesRoot, scheme, access::kRead, &key));
    EXPECT_EQ(status::kSuccess, registry.CloseKey(key));
    EXPECT_EQ(status::kSuccess, registry.DeleteTree(RegistryRoot::ClassesRoot, scheme));
    EXPECT_EQ(status::kFileNotFound,
              registry.OpenKey(RegistryRoot::ClassesRoot, scheme, access::kRead, &key));
}

TEST_F(RegistryContract, QueryReportsTypeSizeAndRefusesSmallBuffers) {
    RegistryKeyHandle key = Create(kScratch);
    Set(key, "Bytes", regtype::kBinary, {1, 2, 3, 4, 5});

    std::uint32_t type = 0, size = 0;
    ASSERT_EQ(status::kSuccess, registry.QueryValue(key, "bytes", &type, nullptr, &size));
    EXPECT_EQ(regtype::kBinary, type);
    EXPECT_EQ(5u, size);

    std::uint8_t small[3] = {9, 9, 9};
    size = sizeof small;
    EXPECT_EQ(status::kMoreData, registry.QueryValue(key, "Bytes", &type, small, &size));
    EXPECT_EQ(5u, size);

    std::uint8_t buffer[8] = {};
    size = sizeof buffer;
    ASSERT_EQ(status::kSuccess, registry.QueryValue(key, "Bytes", &type, buffer, &size));
    EXPECT_EQ(5u, size);
    EXPECT_EQ(5, buffer[4]);
    EXPECT_EQ(status::kFileNotFound, registry.QueryValue(key, "Nothing", &type, nullptr, &size));
}

TEST_F(RegistryContract, AccessMasksAreEnforcedPerHandle) {
    RegistryKeyHandle writeOnly = Create(kScratch, access::kWrite);
    Set(writeOnly, "Flag", regtype::kBinary, {1});
    std::uint32_t size = 0;
    EXPECT_EQ(status::kAccessDenied,
              registry.QueryValue(writeOnly, "Flag", nullptr, nullptr, &size));

    RegistryKeyHandle readOnly = 0;
    ASSERT_EQ(status::kSuccess, registry.OpenKey(kRoot, kScratch, access::kRead, &readOnly));
    const std::uint8_t byte = 0;
    EXPECT_EQ(status::kAccessDenied,
              registry.SetValue(readOnly, "Flag", regtype::kBinary, &byte, 1));
    EXPECT_EQ(status::kSuccess, registry.QueryValue(readOnly, "Flag", nullptr, nullptr, &size));
    registry.CloseKey(readOnly);
}

TEST_F(RegistryContract, SubKeysEnumerateInOrderThenEnd) {
    RegistryKeyHandle parent = Create(kScratch);
    Create(kScratch + "\\beta");
    Create(kScratch + "\\Alpha");
    Create(kScratch + "\\gamma");
    std::vector<std::string> names;
    std::string name;
    std::uint32_t index = 0;
    platform::Status result;
    while ((result = registry.EnumKey(parent, index, &name)) == status::kSuccess) {
        names.push_back(name);
        ++index;
    }
    EXPECT_EQ(status::kNoMoreItems, result);
    EXPECT_EQ((std::vector<std::string>{"Alpha", "beta", "gamma"}), names);
}

TEST_F(RegistryContract, ValuesEnumerateWithTheDefaultValueThenEnd) {
    RegistryKeyHandle key = Create(kScratch);
    Set(key, "beta", regtype::kDword, {1, 0, 0, 0});
    Set(key, "", regtype::kString, {'x', 0});
    Set(key, "Alpha", regtype::kString, {'y', 0});
    std::vector<std::string> names;
    std::string name;
    platform::Status result;
    while ((result = registry.EnumValue(key, static_cast<std::uint32_t>(names.size()), &name)) ==
           status::kSuccess) {
        names.push_back(name);
    }
    EXPECT_EQ(status::kNoMoreItems, result);
    // Windows keeps its own order; only the set of names is promised.
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"", "Alpha", "beta"}), names);

    RegistryKeyHandle writeOnly = Create(kScratch, access::kWrite);
    EXPECT_EQ(status::kAccessDenied, registry.EnumValue(writeOnly, 0, &name));
}

TEST_F(RegistryContract, DeletingValuesAndTrees) {
    RegistryKeyHandle key = Create(kScratch + "\\Child");
    Set(key, "Gone", regtype::kDword, {1, 0, 0, 0});
    EXPECT_EQ(status::kSuccess, registry.DeleteValue(key, "Gone"));
    EXPECT_EQ(status::kFileNotFound, registry.DeleteValue(key, "Gone"));
    EXPECT_EQ(status::kSuccess, registry.DeleteTree(kRoot, kScratch));
    RegistryKeyHandle reopened = 0;
    EXPECT_EQ(status::kFileNotFound, registry.OpenKey(kRoot, kScratch, access::kRead, &reopened));
}

TEST_F(RegistryContract, AHandleToADeletedKeyStaysStaleWhenTheKeyIsMadeAgain) {
    RegistryKeyHandle old = Create(kScratch + "\\Child");
    Set(old, "Value", regtype::kDword, {1, 0, 0, 0});
    ASSERT_EQ(status::kSuccess, registry.DeleteTree(kRoot, kScratch));
    RegistryKeyHandle fresh = Create(kScratch + "\\Child");
    Set(fresh, "Value", regtype::kDword, {2, 0, 0, 0});
    std::uint32_t size = 0;
    const platform::Status stale = 1018;  // ERROR_KEY_DELETED
    EXPECT_EQ(stale, registry.QueryValue(old, "Value", nullptr, nullptr, &size));
    EXPECT_EQ(status::kSuccess, registry.QueryValue(fresh, "Value", nullptr, nullptr, &size));
}

// The settings layer's edge cases, on the real registry as in the model.
class SettingsOverRegistry : public RegistryContract {
  protected:
    std::string TextOf(const std::string& name) {
        CRegistryKey key(kRoot, kScratch, access::kRead);
        CRegistryValuePtr value = key.Query(name);
        return value ? value->GetText() : "<absent>";
    }
};

TEST_F(SettingsOverRegistry, StoredTypesReadBackAsText) {
    RegistryKeyHandle key = Create(kScratch);
    Set(key, "One", regtype::kBinary, {1});
    Set(key, "Two", regtype::kBinary, {2});
    Set(key, "Pair", regtype::kBinary, {1, 0});
    Set(key, "Code", regtype::kDword, {44, 0, 0, 0});
    Set(key, "All", regtype::kDword, {0xFF, 0xFF, 0xFF, 0xFF});
    const std::string path = "C:\\x\\trace.txt";
    std::vector<std::uint8_t> text(path.begin(), path.end());
    text.push_back(0);
    Set(key, "Path", regtype::kString, text);
    Set(key, "Empty", regtype::kString, {});
    Set(key, "Huge", regtype::kBinary, std::vector<std::uint8_t>(1025, 7));

    EXPECT_EQ("T", TextOf("One"));
    EXPECT_EQ("F", TextOf("Two"));
    EXPECT_EQ("0100", TextOf("Pair"));
    EXPECT_EQ("44", TextOf("Code"));
    EXPECT_EQ("-1", TextOf("All"));
    EXPECT_EQ(path, TextOf("Path"));
    EXPECT_EQ("<absent>", TextOf("Empty"));
    EXPECT_EQ("<absent>", TextOf("Huge"));
}

TEST_F(SettingsOverRegistry, OpenCreateAndWriteOnlyRules) {
    {
        CRegistryKey readKey(kRoot, kScratch, access::kRead);
        EXPECT_TRUE(readKey.IsNull());
    }
    {
        CRegistryKey readWrite(kRoot, kScratch, access::kReadWrite);
        ASSERT_FALSE(readWrite.IsNull());
        CRegistryValuePtr number = readWrite.WriteNumber("CountryCode", 44);
        ASSERT_TRUE(number);
        EXPECT_EQ("44", number->GetText());
    }
    {
        CRegistryKey writeOnly(kRoot, kScratch, access::kWrite);
        ASSERT_FALSE(writeOnly.IsNull());
        EXPECT_FALSE(writeOnly.WriteBoolean("Bypass", true));  // stored, but cannot be read back
    }
    EXPECT_EQ("T", TextOf("Bypass"));
}

}  // namespace
