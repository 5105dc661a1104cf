// The DLL's way of calling a sink table's handler: DispCallFunc with
// CC_STDCALL and VT_EMPTY, as OLE Automation calls a function it knows by
// address and call description. The subscriber goes first, as a
// pointer-sized VT_UNKNOWN; then every parameter as its declared kind,
// holding what the handler's parameter type takes (see host/SinkTable.h).
#pragma once

#include "host/HandlerCall.h"

namespace win32 {

class ComHandlerCaller : public host::HandlerCaller {
  public:
    // DispCallFunc's HRESULT; DISP_E_TYPEMISMATCH for a kind a row cannot
    // hold. Raises what the handler raised once the call has returned.
    host::HResult Call(const host::SinkRow& row, void* owner,
                       const std::vector<const host::Variant*>& args,
                       host::Variant* result) const override;
    static const ComHandlerCaller& Instance();
};

}  // namespace win32
