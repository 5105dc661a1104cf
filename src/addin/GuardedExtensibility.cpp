#include "addin/GuardedExtensibility.h"

#include <utility>

namespace addin {

GuardedExtensibility::GuardedExtensibility(ExtensibilityPtr addIn) : addIn_(std::move(addIn)) {}

host::HResult GuardedExtensibility::OnConnection(const host::DispatchPtr& application,
                                                 std::int32_t connectMode,
                                                 const host::DispatchPtr& addInInstance) {
    if (state_ != State::Created) {
        return host::hr::kUnexpected;
    }
    if (!application) {
        return host::hr::kInvalidArg;
    }
    // Closed unless the add-in says it started, also when it throws.
    state_ = State::Closed;
    const host::HResult result = addIn_->OnConnection(application, connectMode, addInInstance);
    if (host::Succeeded(result)) {
        state_ = State::Connected;
    }
    return result;
}

host::HResult GuardedExtensibility::OnDisconnection(std::int32_t removeMode) {
    if (state_ != State::Connected) {
        return host::hr::kOk;
    }
    state_ = State::Closed;
    return addIn_->OnDisconnection(removeMode);
}

host::HResult GuardedExtensibility::OnAddInsUpdate() {
    return connected() ? addIn_->OnAddInsUpdate() : host::hr::kOk;
}

host::HResult GuardedExtensibility::OnStartupComplete() {
    return connected() ? addIn_->OnStartupComplete() : host::hr::kOk;
}

host::HResult GuardedExtensibility::OnBeginShutdown() {
    return connected() ? addIn_->OnBeginShutdown() : host::hr::kOk;
}

void GuardedExtensibility::DisconnectIfConnected() {
    OnDisconnection(disconnect_mode::kHostShutdown);
}

}  // namespace addin
