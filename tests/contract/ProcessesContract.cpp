// The processes port: the running processes by the base name of their
// first module.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "contract/ContractEnvironment.h"

namespace {

TEST(ProcessesContract, ThisProgramIsListedByItsBaseName) {
    std::vector<std::string> names{"left over"};
    ASSERT_TRUE(platform::processes().ListModuleNames(&names));
    EXPECT_LE(names.size(), platform::kMaxProcesses);
    const std::string own = contract::OwnImageName();
    ASSERT_FALSE(own.empty());
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), own)) << own;
    EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), "left over"));
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(std::string::npos, name.find_first_of("\\/:")) << name;
    }
}

}  // namespace
