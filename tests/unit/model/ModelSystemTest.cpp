// The model's processes, shell and sleep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ModelFixture.h"

namespace {

using ModelSystemTest = testing_support::ModelFixture;

// Every name the enumeration offers, in order (the walk never stops early);
// false when the enumeration fails.
bool ListModuleNames(model::ModelProcesses& processes, std::vector<std::string>* names) {
    names->clear();
    processes.FindProcess(
        [names](const std::string& name) {
            names->push_back(name);
            return false;
        },
        nullptr);
    return !processes.failEnumeration;
}

TEST_F(ModelSystemTest, ProcessesAreListedByBaseNameUpToTheEnumerationLimit) {
    model.processes.Start("C:\\Program Files\\Skype\\Phone\\Skype.exe");
    model.processes.Start("OUTLOOK.EXE");
    model.processes.Start("Skype.exe");
    std::vector<std::string> names{"stale"};
    ASSERT_TRUE(ListModuleNames(model.processes, &names));
    EXPECT_EQ((std::vector<std::string>{"Skype.exe", "OUTLOOK.EXE", "Skype.exe"}), names);

    EXPECT_TRUE(model.processes.Stop("Skype.exe"));  // one of the two
    EXPECT_TRUE(model.processes.IsRunning("Skype.exe"));
    EXPECT_TRUE(model.processes.Stop("Skype.exe"));
    EXPECT_FALSE(model.processes.Stop("Skype.exe"));
    EXPECT_FALSE(model.processes.IsRunning("Skype.exe"));

    model.processes.failEnumeration = true;
    EXPECT_FALSE(ListModuleNames(model.processes, &names));
    EXPECT_TRUE(names.empty());
    model.processes.failEnumeration = false;

    // A process started after the first 1024 is not seen.
    model.processes.SetRunning(std::vector<std::string>(platform::kMaxProcesses, "svchost.exe"));
    model.processes.Start("Skype.exe");
    ASSERT_TRUE(ListModuleNames(model.processes, &names));
    EXPECT_EQ(platform::kMaxProcesses, names.size());
    EXPECT_EQ("svchost.exe", names.back());
}

TEST_F(ModelSystemTest, ShellRecordsEveryExecutionAndLetsAReactionRunTheShellAgain) {
    model.shell.onExecute = [&](const model::ModelShell::Execution& execution) {
        model.processes.Start(execution.file);
        if (execution.parameters.empty()) {
            model.shell.Execute(0, "open", "helper.exe", "--again", "", 1);
        }
    };
    std::intptr_t result = platform::shell().Execute(0x10, "open", "C:\\Skype\\Skype.exe", "", "",
                                                     platform::show::kMinimized);
    EXPECT_GT(result, 32);
    ASSERT_EQ(2u, model.shell.executions.size());
    EXPECT_EQ(0x10u, model.shell.executions[0].owner);
    EXPECT_EQ("C:\\Skype\\Skype.exe", model.shell.executions[0].file);
    EXPECT_EQ(platform::show::kMinimized, model.shell.executions[0].showCommand);
    EXPECT_EQ("--again", model.shell.executions[1].parameters);
    EXPECT_TRUE(model.processes.IsRunning("Skype.exe"));
    EXPECT_TRUE(model.processes.IsRunning("helper.exe"));

    model.shell.result = 2;  // ERROR_FILE_NOT_FOUND, as ShellExecute reports it
    EXPECT_EQ(2, platform::shell().Execute(0, "open", "missing.exe", "", "", 1));
}

TEST_F(ModelSystemTest, SleepingMovesTheClockWithoutDeliveringAnything) {
    struct Counter : platform::WindowHandler {
        int timers = 0;
        int messages = 0;
        void OnTimer(platform::WindowHandle, std::uintptr_t) override { ++timers; }
        bool OnMessage(platform::WindowHandle, platform::MessageId, platform::WParam,
                       platform::LParam, platform::LResult*) override {
            ++messages;
            return true;
        }
    } counter;
    platform::WindowHandle window = model.desktop.CreateHiddenWindow("w", &counter);
    model.desktop.SetTimer(window, 1, 20);
    model.desktop.Post(window, platform::msg::kUser, 0, 0);

    platform::sleeper().Sleep(50);
    platform::sleeper().Sleep(50);
    EXPECT_EQ(100u, model.desktop.Now());
    EXPECT_EQ(0, counter.timers);
    EXPECT_EQ(0, counter.messages);
    EXPECT_EQ(100u, model.sleeper.totalSlept);
    EXPECT_EQ((std::vector<std::uint32_t>{50, 50}), model.sleeper.sleeps);

    model.desktop.Advance(0);
    EXPECT_EQ(1, counter.timers);  // five periods went by, one tick
    EXPECT_EQ(1, counter.messages);
}

}  // namespace
