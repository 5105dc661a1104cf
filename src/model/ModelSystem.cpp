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

bool ModelProcesses::ListModuleNames(std::vector<std::string>* names) {
    names->clear();
    if (failEnumeration) {
        return false;
    }
    // EnumProcesses fills a fixed buffer: processes beyond it are not seen.
    const std::size_t seen = std::min(running.size(), platform::kMaxProcesses);
    names->assign(running.begin(), running.begin() + static_cast<std::ptrdiff_t>(seen));
    return true;
}

void ModelProcesses::Start(const std::string& moduleName) {
    running.push_back(BaseName(moduleName));
}

bool ModelProcesses::Stop(const std::string& moduleName) {
    auto found = std::find(running.begin(), running.end(), BaseName(moduleName));
    if (found == running.end()) {
        return false;
    }
    running.erase(found);
    return true;
}

bool ModelProcesses::IsRunning(const std::string& moduleName) const {
    return std::find(running.begin(), running.end(), BaseName(moduleName)) != running.end();
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
