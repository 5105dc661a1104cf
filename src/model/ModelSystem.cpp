#include "model/ModelSystem.h"

#include <algorithm>

#include "model/ModelDesktop.h"

namespace model {

namespace {

// What GetModuleBaseName reports: the file name without its folder.
std::string BaseName(const std::string& moduleName) {
    std::size_t slash = moduleName.find_last_of("\\/");
    return slash == std::string::npos ? moduleName : moduleName.substr(slash + 1);
}

}  // namespace

bool ModelProcesses::FindProcess(const ModuleTest& test, platform::ProcessId* found) {
    if (failEnumeration || failNameReads) {
        return false;
    }
    // EnumProcesses fills a fixed buffer: processes beyond it are not seen.
    // A copy: the test may start or stop processes.
    const std::size_t seen = std::min(running_.size(), platform::kMaxProcesses);
    const std::vector<Process> listed(running_.begin(),
                                      running_.begin() + static_cast<std::ptrdiff_t>(seen));
    for (const Process& process : listed) {
        if (test(process.name)) {
            if (found != nullptr) {
                *found = process.id;
            }
            return true;
        }
    }
    return false;
}

bool ModelProcesses::ModuleNameOf(platform::ProcessId id, std::string* name) {
    if (failNameReads) {
        return false;
    }
    for (const Process& process : running_) {
        if (process.id == id) {
            *name = process.name;
            return true;
        }
    }
    return false;
}

platform::ProcessId ModelProcesses::WindowProcess(platform::WindowHandle window) {
    if (window == platform::kNoWindow || (desktop_ != nullptr && !desktop_->IsWindow(window))) {
        return platform::kNoProcess;
    }
    const auto owner = windowProcesses_.find(window);
    if (owner == windowProcesses_.end()) {
        return hostProcess_;
    }
    const bool running =
        std::any_of(running_.begin(), running_.end(),
                    [&owner](const Process& process) { return process.id == owner->second; });
    return running ? owner->second : platform::kNoProcess;
}

platform::ProcessId ModelProcesses::Start(const std::string& moduleName) {
    const platform::ProcessId id = nextId_;
    nextId_ += 4;
    running_.push_back(Process{id, BaseName(moduleName)});
    return id;
}

bool ModelProcesses::Stop(const std::string& moduleName) {
    const std::string name = BaseName(moduleName);
    auto found = std::find_if(running_.begin(), running_.end(),
                              [&name](const Process& process) { return process.name == name; });
    if (found == running_.end()) {
        return false;
    }
    running_.erase(found);
    return true;
}

bool ModelProcesses::StopProcess(platform::ProcessId id) {
    auto found = std::find_if(running_.begin(), running_.end(),
                              [id](const Process& process) { return process.id == id; });
    if (found == running_.end()) {
        return false;
    }
    running_.erase(found);
    return true;
}

bool ModelProcesses::IsRunning(const std::string& moduleName) const {
    const std::string name = BaseName(moduleName);
    return std::any_of(running_.begin(), running_.end(),
                       [&name](const Process& process) { return process.name == name; });
}

void ModelProcesses::SetRunning(const std::vector<std::string>& moduleNames) {
    running_.clear();
    for (const std::string& name : moduleNames) {
        Start(name);
    }
}

std::vector<std::string> ModelProcesses::Names() const {
    std::vector<std::string> names;
    for (const Process& process : running_) {
        names.push_back(process.name);
    }
    return names;
}

void ModelProcesses::SetWindowProcess(platform::WindowHandle window, platform::ProcessId process) {
    windowProcesses_[window] = process;
}

std::intptr_t ModelShell::Execute(platform::WindowHandle owner, const std::string& verb,
                                  const std::string& file, const std::string& parameters,
                                  const std::string& directory, int showCommand) {
    executions.push_back(Execution{owner, verb, file, parameters, directory, showCommand});
    // A copy: the reaction may run the shell again and grow `executions`.
    const Execution done = executions.back();
    if (onExecute) {
        std::function<void(const Execution&)> reaction = onExecute;
        reaction(done);
    }
    return result;
}

void ModelSleeper::Sleep(std::uint32_t milliseconds) {
    sleeps.push_back(milliseconds);
    totalSlept += milliseconds;
    if (desktop_ != nullptr) {
        desktop_->AdvanceBlocked(milliseconds);
    }
}

}  // namespace model
