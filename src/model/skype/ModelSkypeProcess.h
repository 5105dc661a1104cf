// Runs a model Skype as a program of the model host: while it runs the
// process list shows "Skype.exe", the process that made Skype's window, and opening Skype's program
// path through the shell starts it with that command line (so "/callto:" works).
#pragma once

#include <functional>
#include <string>

#include "model/ModelSystem.h"

namespace model {

class ModelRegistry;
class ModelSkype;

// Where the model host's Skype is installed.
constexpr char kSkypeProgramPath[] = "C:\\Program Files\\Skype\\Phone\\Skype.exe";
// Its process image, as the process list shows it.
constexpr char kSkypeImageName[] = "Skype.exe";

class ModelSkypeProcess {
  public:
    // Hooks `skype` into the process list and the shell until destroyed.
    ModelSkypeProcess(ModelSkype& skype, ModelProcesses& processes, ModelShell& shell,
                      const std::string& programPath = kSkypeProgramPath);
    ~ModelSkypeProcess();
    ModelSkypeProcess(const ModelSkypeProcess&) = delete;
    ModelSkypeProcess& operator=(const ModelSkypeProcess&) = delete;

    // Which process is Skype's, kept and brought back with the process list.
    void Checkpoint() { checkpoint_ = process_; }
    void Rollback() { process_ = checkpoint_; }

  private:
    void StartProcess();

    ModelSkype& skype_;
    ModelProcesses& processes_;
    ModelShell& shell_;
    std::function<void(const ModelShell::Execution&)> previousOnExecute_;
    platform::ProcessId process_ = platform::kNoProcess;
    platform::ProcessId checkpoint_ = platform::kNoProcess;
};

// Skype's installation record: "SkypePath" under the current user's
// Software\Skype\Phone.
void RegisterSkypeInstallation(ModelRegistry& registry,
                               const std::string& programPath = kSkypeProgramPath);

}  // namespace model
