// The model's small system ports: running processes, the shell and sleep.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Processes.h"
#include "platform/Shell.h"
#include "platform/Sleep.h"

namespace model {

class ModelDesktop;

// Processes: a list of processes (an identifier and the base name of the
// first module) that the tests and the model Skype keep, in enumeration
// order, and which process made which window. As on Windows, only the first
// kMaxProcesses are enumerated, and a window that is gone belongs to nobody.
class ModelProcesses : public platform::Processes {
  public:
    // `desktop` (optional) tells which windows still exist.
    explicit ModelProcesses(ModelDesktop* desktop = nullptr) : desktop_(desktop) {}

    bool FindProcess(const ModuleTest& test, platform::ProcessId* found) override;
    bool ModuleNameOf(platform::ProcessId process, std::string* name) override;
    platform::ProcessId WindowProcess(platform::WindowHandle window) override;

    // Starts a process whose first module is `moduleName` and answers its
    // identifier; a folder in front of the name is dropped, since only base
    // names are ever listed.
    platform::ProcessId Start(const std::string& moduleName);
    // Removes one process with that name; false if none runs.
    bool Stop(const std::string& moduleName);
    // Removes the process with that identifier; false if it does not run.
    bool StopProcess(platform::ProcessId process);
    bool IsRunning(const std::string& moduleName) const;
    // Replaces every process by new ones with these names, in this order.
    void SetRunning(const std::vector<std::string>& moduleNames);
    // The base names, in enumeration order (all of them, beyond the limit too).
    std::vector<std::string> Names() const;

    // `window` was made by `process`. Windows of the desktop that no process
    // claims belong to the host process (the program the tests run in). A
    // window whose process has ended belongs to nobody: on Windows it would
    // have gone with it.
    void SetWindowProcess(platform::WindowHandle window, platform::ProcessId process);
    void SetHostProcess(platform::ProcessId process) { hostProcess_ = process; }

    bool failEnumeration = false;
    // No process's module name can be read, as when EnumProcessModules fails
    // for a process that is starting or loading or freeing a library (Wine 8
    // answers ERROR_NOACCESS now and then, also to a program running for a
    // while): ModuleNameOf answers false and the walk meets no name it could
    // test.
    bool failNameReads = false;

  private:
    struct Process {
        platform::ProcessId id;
        std::string name;
    };

    ModelDesktop* desktop_;
    std::vector<Process> running_;
    std::map<platform::WindowHandle, platform::ProcessId> windowProcesses_;
    platform::ProcessId hostProcess_ = platform::kNoProcess;
    platform::ProcessId nextId_ = 1000;  // multiples of 4, as Windows hands them out
};

// Shell: records every ShellExecute; `onExecute` (when set) acts on it, for
// instance starting the model Skype when its path is opened.
class ModelShell : public platform::Shell {
  public:
    struct Execution {
        platform::WindowHandle owner;
        std::string verb;
        std::string file;
        std::string parameters;
        std::string directory;
        int showCommand;
    };

    std::intptr_t Execute(platform::WindowHandle owner, const std::string& verb,
                          const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand) override;

    std::vector<Execution> executions;
    std::function<void(const Execution&)> onExecute;
    std::intptr_t result = 42;  // greater than 32: success
};

// Sleep: moves the desktop's clock without dispatching, and adds up.
class ModelSleeper : public platform::Sleeper {
  public:
    explicit ModelSleeper(ModelDesktop* desktop) : desktop_(desktop) {}
    void Sleep(std::uint32_t milliseconds) override;

    std::uint64_t totalSlept = 0;
    std::vector<std::uint32_t> sleeps;

  private:
    ModelDesktop* desktop_;
};

}  // namespace model
