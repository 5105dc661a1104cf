// What Outlook asks of its add-in, as portable calls: the five methods of
// IDTExtensibility2, and the ribbon's side (IRibbonExtensibility and the
// callbacks, ribbon/RibbonExtensibility.h). The COM class Connect
// (src/win32/server) receives them from Outlook and passes them on; the
// custom arrays Outlook adds to each call carry nothing for an Outlook
// add-in and are dropped there.
#pragma once

#include <cstdint>

#include <boost/shared_ptr.hpp>

#include "host/Dispatch.h"
#include "host/HResult.h"
#include "ribbon/RibbonExtensibility.h"

namespace addin {

// ext_ConnectMode values.
namespace connect_mode {
constexpr std::int32_t kAfterStartup = 0;  // ext_cm_AfterStartup
constexpr std::int32_t kStartup = 1;       // ext_cm_Startup
constexpr std::int32_t kExternal = 2;      // ext_cm_External
constexpr std::int32_t kCommandLine = 3;   // ext_cm_CommandLine
}  // namespace connect_mode

// ext_DisconnectMode values.
namespace disconnect_mode {
constexpr std::int32_t kHostShutdown = 0;  // ext_dm_HostShutdown
constexpr std::int32_t kUserClosed = 1;    // ext_dm_UserClosed
}  // namespace disconnect_mode

class Extensibility {
  public:
    virtual ~Extensibility() = default;

    // `application` is Outlook's Application, `addInInstance` the host's
    // object for this add-in (kept, not used).
    virtual host::HResult OnConnection(const host::DispatchPtr& application,
                                       std::int32_t connectMode,
                                       const host::DispatchPtr& addInInstance) = 0;
    virtual host::HResult OnDisconnection(std::int32_t removeMode) = 0;
    virtual host::HResult OnAddInsUpdate() = 0;
    virtual host::HResult OnStartupComplete() = 0;
    virtual host::HResult OnBeginShutdown() = 0;

    // The ribbon's side, for the object's life; null for an add-in object
    // without one.
    virtual ribbon::RibbonExtensibility* Ribbon() { return nullptr; }
};

typedef boost::shared_ptr<Extensibility> ExtensibilityPtr;

// A new add-in object: one for each Connect that Outlook creates.
ExtensibilityPtr CreateAddIn();

}  // namespace addin
