// Passes Outlook's calls on to the add-in object in the one order that makes
// sense (connect, notifications, disconnect) and answers the others itself,
// so that the add-in never sees a call out of order:
//
//   OnConnection      forwarded once. A null application is refused with
//                     E_INVALIDARG before anything starts; another
//                     OnConnection, while connected or afterwards, answers
//                     E_UNEXPECTED. One that fails (or throws) leaves the
//                     object closed: nothing more is forwarded.
//   OnAddInsUpdate, OnStartupComplete, OnBeginShutdown
//                     forwarded while connected, otherwise S_OK.
//   OnDisconnection   forwarded once, while connected, otherwise S_OK
//                     (there is nothing to take down).
//   Ribbon            the add-in object's, whatever the state: its answers
//                     need no connection (no window is open before one).
//
// Exceptions of the add-in pass through; the COM entries catch them.
#pragma once

#include "addin/Extensibility.h"

namespace addin {

class GuardedExtensibility : public Extensibility {
  public:
    // `addIn` not null.
    explicit GuardedExtensibility(ExtensibilityPtr addIn);

    host::HResult OnConnection(const host::DispatchPtr& application, std::int32_t connectMode,
                               const host::DispatchPtr& addInInstance) override;
    host::HResult OnDisconnection(std::int32_t removeMode) override;
    host::HResult OnAddInsUpdate() override;
    host::HResult OnStartupComplete() override;
    host::HResult OnBeginShutdown() override;
    ribbon::RibbonExtensibility* Ribbon() override { return addIn_->Ribbon(); }

    bool connected() const { return state_ == State::Connected; }
    // For a host that lets the object go while it is still connected: the
    // add-in is disconnected (as at Outlook's shut-down) so that its
    // windows, timers and sinks do not outlive it.
    void DisconnectIfConnected();

  private:
    enum class State { Created, Connected, Closed };

    ExtensibilityPtr addIn_;
    State state_ = State::Created;
};

}  // namespace addin
