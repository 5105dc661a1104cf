#include "model/world/InProcessAddIn.h"

#include "addin/Connect.h"

namespace model {

InProcessAddIn::InProcessAddIn() = default;

InProcessAddIn::~InProcessAddIn() {
    if (entry_) entry_->DisconnectIfConnected();
}

host::HResult InProcessAddIn::Load(const host::DispatchPtr& application, std::int32_t connectMode) {
    Unload();
    object_.reset(new CConnect);
    entry_.reset(new addin::GuardedExtensibility(object_));
    return entry_->OnConnection(application, connectMode, host::DispatchPtr());
}

host::HResult InProcessAddIn::Unload(std::int32_t removeMode) {
    const host::HResult result = entry_ ? entry_->OnDisconnection(removeMode) : host::hr::kOk;
    entry_.reset();
    object_.reset();
    return result;
}

}  // namespace model
