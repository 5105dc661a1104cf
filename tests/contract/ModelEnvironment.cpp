#include "contract/ContractEnvironment.h"
#include "model/ModelPlatform.h"

namespace contract {

namespace {
model::ModelPlatform& Model() {
    static model::ModelPlatform instance;
    return instance;
}
}  // namespace

const platform::Platform& Ports() { return Model().ports(); }

std::string AdapterName() { return "model"; }

}  // namespace contract
