// The shell port: ShellExecute starts a program with its parameters.
#include <gtest/gtest.h>

#include "contract/ContractEnvironment.h"

namespace {

TEST(ShellContract, OpeningAProgramStartsItAndAnswersAboveThirtyTwo) {
    // This very program, asked only to list its tests, so the second copy
    // does nothing and ends at once.
    const std::intptr_t result =
        platform::shell().Execute(platform::kNoWindow, "open", contract::OwnImagePath(),
                                  "--gtest_list_tests", "", platform::show::kMinimized);
    EXPECT_GT(result, 32) << contract::OwnImagePath();
}

}  // namespace
