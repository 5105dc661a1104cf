// The processes port: the running processes by the base name of their
// first module, a walk that stops at the first that passes, and the
// process that made a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "contract/ContractEnvironment.h"

namespace {

std::vector<std::string> EveryName() {
    std::vector<std::string> names;
    EXPECT_FALSE(platform::processes().FindProcess(
        [&names](const std::string& name) {
            names.push_back(name);
            return false;
        },
        nullptr));
    return names;
}

TEST(ProcessesContract, ThisProgramIsListedByItsBaseName) {
    const std::vector<std::string> names = EveryName();
    EXPECT_LE(names.size(), platform::kMaxProcesses);
    const std::string own = contract::OwnImageName();
    ASSERT_FALSE(own.empty());
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), own)) << own;
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(std::string::npos, name.find_first_of("\\/:")) << name;
    }
}

TEST(ProcessesContract, TheWalkStopsAtTheFirstProcessThatPasses) {
    const std::vector<std::string> names = EveryName();
    const std::string own = contract::OwnImageName();
    const auto first = std::find(names.begin(), names.end(), own);
    ASSERT_NE(names.end(), first);
    std::size_t offered = 0;
    platform::ProcessId found = platform::kNoProcess;
    EXPECT_TRUE(platform::processes().FindProcess(
        [&](const std::string& name) {
            ++offered;
            return name == own;
        },
        &found));
    EXPECT_EQ(static_cast<std::size_t>(first - names.begin()) + 1, offered);
    std::string name;
    ASSERT_TRUE(platform::processes().ModuleNameOf(found, &name));
    EXPECT_EQ(own, name);
}

class NoMessages : public platform::WindowHandler {};

TEST(ProcessesContract, AWindowBelongsToTheProcessThatMadeItWhileItLasts) {
    platform::Processes& processes = platform::processes();
    std::string name;
    ASSERT_TRUE(processes.ModuleNameOf(contract::OwnProcessId(), &name));
    EXPECT_EQ(contract::OwnImageName(), name);
    EXPECT_FALSE(processes.ModuleNameOf(platform::kNoProcess, &name));

    NoMessages handler;
    const platform::WindowHandle window =
        platform::windowing().CreateHiddenWindow("processes contract", &handler);
    ASSERT_NE(platform::kNoWindow, window);
    EXPECT_EQ(contract::OwnProcessId(), processes.WindowProcess(window));
    platform::windowing().DestroyWindow(window);
    EXPECT_EQ(platform::kNoProcess, processes.WindowProcess(window));
    EXPECT_EQ(platform::kNoProcess, processes.WindowProcess(platform::kNoWindow));
}

}  // namespace
