#include "contract/ContractEnvironment.h"
#include "model/ModelPlatform.h"

namespace contract {

namespace {

constexpr char kOwnImage[] = "contract_model.exe";

model::ModelPlatform& Model() {
    static model::ModelPlatform instance;
    // The model's process list holds this program, as Windows' would.
    // The desktop's windows are this program's.
    static const bool started = [] {
        instance.processes.Start("explorer.exe");
        instance.processes.SetHostProcess(instance.processes.Start(kOwnImage));
        return true;
    }();
    (void)started;
    return instance;
}

}  // namespace

const platform::Platform& Ports() { return Model().ports(); }

std::string AdapterName() { return "model"; }

void PumpMessages(std::uint32_t ms) { Model().desktop.Advance(ms); }

std::uint64_t ClockMs() { return Model().desktop.Now(); }

std::string OwnImageName() { return kOwnImage; }

platform::ProcessId OwnProcessId() {
    platform::ProcessId own = platform::kNoProcess;
    Model().processes.FindProcess([](const std::string& name) { return name == kOwnImage; }, &own);
    return own;
}

std::string OwnImagePath() { return std::string("C:\\Tandrel\\tests\\") + kOwnImage; }

}  // namespace contract
