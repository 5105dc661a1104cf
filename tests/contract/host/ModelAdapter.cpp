// contract_dispatch_model: the suite against the model gadget as it is.
#include "contract/host/Gadget.h"

namespace contract {

std::unique_ptr<GadgetHandle> MakeGadget() { return MakeModelGadget(); }

std::string AdapterName() { return "model"; }

}  // namespace contract
