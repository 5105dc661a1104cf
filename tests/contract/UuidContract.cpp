// The UUID port: fresh UUIDs and their lower-case text form.
#include <gtest/gtest.h>

#include <set>

#include "contract/ContractEnvironment.h"

namespace {

bool IsUuidText(const std::string& text) {
    if (text.size() != 36) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (c != '-') return false;
        } else if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

TEST(UuidContract, CreatesDistinctUuidsWithLowerCaseText) {
    platform::UuidSource& source = platform::uuid();
    std::set<std::string> seen;
    for (int i = 0; i < 50; ++i) {
        platform::Uuid uuid;
        platform::Status status = source.Create(&uuid);
        EXPECT_TRUE(status == platform::rpc::kOk || status == platform::rpc::kUuidLocalOnly ||
                    status == platform::rpc::kUuidNoAddress)
            << status;
        std::string text;
        ASSERT_EQ(platform::rpc::kOk, source.ToString(uuid, &text));
        EXPECT_TRUE(IsUuidText(text)) << text;
        seen.insert(text);
    }
    EXPECT_EQ(50u, seen.size());
}

TEST(UuidContract, TextFormFollowsTheFieldsInOrder) {
    platform::Uuid uuid;
    uuid.data1 = 0x00063079;
    uuid.data2 = 0x0000;
    uuid.data3 = 0x0000;
    uuid.data4 = {{0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    std::string text;
    ASSERT_EQ(platform::rpc::kOk, platform::uuid().ToString(uuid, &text));
    EXPECT_EQ("00063079-0000-0000-c000-000000000046", text);
}

}  // namespace
