// The model's small system ports: running processes, the shell and sleep.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Processes.h"
#include "platform/Shell.h"
#include "platform/Sleep.h"

namespace model {

class ModelDesktop;

// Processes: a list of first-module base names the tests and the model
// Skype maintain. As on Windows, only the first kMaxProcesses are listed.
class ModelProcesses : public platform::Processes {
  public:
    bool ListModuleNames(std::vector<std::string>* names) override;

    // Starts a process whose first module is `moduleName`; a folder in front
    // of the name is dropped, since only base names are ever listed.
    void Start(const std::string& moduleName);
    // Removes one process with that name; false if none runs.
    bool Stop(const std::string& moduleName);
    bool IsRunning(const std::string& moduleName) const;

    std::vector<std::string> running;
    bool failEnumeration = false;
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
