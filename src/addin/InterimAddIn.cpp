// INTERIM: the add-in object CConnect does not exist yet. Until it does,
// Connect wraps this placeholder, which accepts Outlook's calls and does
// nothing, so that the COM server can be registered, created and driven.
// Whoever adds CConnect deletes this file and defines CreateAddIn beside it.
#include "addin/Extensibility.h"

namespace addin {

namespace {

class InterimAddIn : public Extensibility {
  public:
    host::HResult OnConnection(const host::DispatchPtr&, std::int32_t,
                               const host::DispatchPtr&) override {
        return host::hr::kOk;
    }
    host::HResult OnDisconnection(std::int32_t) override { return host::hr::kOk; }
    host::HResult OnAddInsUpdate() override { return host::hr::kOk; }
    host::HResult OnStartupComplete() override { return host::hr::kOk; }
    host::HResult OnBeginShutdown() override { return host::hr::kOk; }
};

}  // namespace

ExtensibilityPtr CreateAddIn() { return ExtensibilityPtr(new InterimAddIn); }

}  // namespace addin
