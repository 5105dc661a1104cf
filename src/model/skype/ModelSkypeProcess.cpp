#include "model/skype/ModelSkypeProcess.h"

#include <algorithm>
#include <cctype>

#include "model/ModelRegistry.h"
#include "model/ModelSystem.h"
#include "model/skype/ModelSkype.h"

namespace model {

namespace {

bool SamePath(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

ModelSkypeProcess::ModelSkypeProcess(ModelSkype& skype, ModelProcesses& processes,
                                     ModelShell& shell, const std::string& programPath)
    : skype_(skype), processes_(processes), shell_(shell) {
    skype_.onStarted = [this]() { StartProcess(); };
    skype_.onExited = [this]() {
        processes_.StopProcess(process_);
        process_ = platform::kNoProcess;
    };
    if (skype_.IsRunning() && !processes_.IsRunning(kSkypeImageName)) {
        StartProcess();
    }
    previousOnExecute_ = shell_.onExecute;
    std::function<void(const ModelShell::Execution&)> previous = previousOnExecute_;
    ModelSkype* target = &skype_;
    shell_.onExecute = [previous, target, programPath](const ModelShell::Execution& execution) {
        if (SamePath(execution.file, programPath) &&
            (execution.verb.empty() || execution.verb == "open")) {
            target->Launch(execution.parameters);
            return;
        }
        if (previous) previous(execution);
    };
}

void ModelSkypeProcess::StartProcess() {
    process_ = processes_.Start(kSkypeImageName);
    processes_.SetWindowProcess(skype_.Window(), process_);
}

ModelSkypeProcess::~ModelSkypeProcess() {
    skype_.onStarted = nullptr;
    skype_.onExited = nullptr;
    shell_.onExecute = previousOnExecute_;
}

void RegisterSkypeInstallation(ModelRegistry& registry, const std::string& programPath) {
    registry.SetString(platform::RegistryRoot::CurrentUser, "Software\\Skype\\Phone", "SkypePath",
                       programPath);
}

}  // namespace model
