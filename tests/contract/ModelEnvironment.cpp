#include "contract/ContractEnvironment.h"
#include "contract/TestBitmap.h"
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
        // The module carries the test bitmap, as the Windows program does.
        instance.pictures.AddBitmap(TANDREL_TEST_BITMAP);
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

std::string AddressAnswering(int /*status*/, const std::string& body) {
    // Whatever the status, the body is what arrives.
    static int answers = 0;
    const std::string address = "http://127.0.0.1:8080/answer/" + std::to_string(answers++);
    Model().internet.Answer(address, body);
    return address;
}

std::string AddressClosing() {
    // WinInet takes a connection closed without a word for an empty answer.
    const std::string address = "http://127.0.0.1:8080/close";
    Model().internet.Answer(address, "");
    return address;
}

std::string AddressRefused() {
    const std::string address = "http://127.0.0.1:9/";
    Model().internet.Refuse(address);
    return address;
}

}  // namespace contract
