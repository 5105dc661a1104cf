// The add-in loaded into a model Outlook in this process: a new add-in
// object (CConnect) for each load, reached through the entry the COM server
// calls (addin::GuardedExtensibility), as Outlook would reach it.
#pragma once

#include <memory>

#include <boost/shared_ptr.hpp>

#include "addin/GuardedExtensibility.h"

class CConnect;

namespace model {

class InProcessAddIn {
  public:
    InProcessAddIn();
    // A loaded add-in is disconnected first, as at Outlook's shut-down.
    ~InProcessAddIn();
    InProcessAddIn(const InProcessAddIn&) = delete;
    InProcessAddIn& operator=(const InProcessAddIn&) = delete;

    // A new add-in object, connected to `application`; one that fails stays
    // loaded, closed, until Unload.
    host::HResult Load(const host::DispatchPtr& application,
                       std::int32_t connectMode = addin::connect_mode::kStartup);
    // OnDisconnection (S_OK when nothing is connected), then the object goes.
    host::HResult Unload(std::int32_t removeMode = addin::disconnect_mode::kHostShutdown);

    bool connected() const { return entry_ && entry_->connected(); }
    // The add-in object while one is loaded, else null.
    CConnect* object() const { return object_.get(); }
    // Its ribbon's side, reached as the COM object passes it on; null
    // while none is loaded.
    ribbon::RibbonExtensibility* Ribbon() const { return entry_ ? entry_->Ribbon() : nullptr; }

  private:
    boost::shared_ptr<CConnect> object_;
    std::unique_ptr<addin::GuardedExtensibility> entry_;
};

}  // namespace model
