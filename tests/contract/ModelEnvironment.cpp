#include "contract/ContractEnvironment.h"
#include "contract/TestBitmap.h"
#include "model/ModelPlatform.h"

namespace contract {

namespace {

constexpr char kOwnImage[] = "contract_model.exe";

model::ModelPlatform& Model() {
    static model::ModelPlatform instance;
    // The model's process list holds this program, as Windows' would.
    static const bool started = [] {
        instance.processes.Start("explorer.exe");
        instance.processes.Start(kOwnImage);
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

std::string OwnImagePath() { return std::string("C:\\Tandrel\\tests\\") + kOwnImage; }

}  // namespace contract
