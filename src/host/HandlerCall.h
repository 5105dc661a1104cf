// How the dispatcher of a sink table reaches a row's handler. The DLL calls
// it through DispCallFunc, as OLE Automation calls a function it knows only
// by address and call description (win32::ComHandlerCaller); everywhere
// else it is called from C++ (DirectHandlerCaller). Both call the same
// function with the same arguments.
#pragma once

#include <exception>
#include <vector>

#include "host/HResult.h"
#include "host/Variant.h"

namespace host {

struct SinkRow;

class HandlerCaller {
  public:
    virtual ~HandlerCaller() = default;
    // Calls `row`'s handler on `owner` with `args`: one per declared
    // parameter, in declaration order, each of its declared kind. An
    // exception of the handler leaves this call. *result receives what the
    // handler returns (nothing: VT_EMPTY).
    virtual HResult Call(const SinkRow& row, void* owner, const std::vector<const Variant*>& args,
                         Variant* result) const = 0;
};

class DirectHandlerCaller : public HandlerCaller {
  public:
    HResult Call(const SinkRow& row, void* owner, const std::vector<const Variant*>& args,
                 Variant* result) const override;
    static const DirectHandlerCaller& Instance();
};

// A handler may not let an exception unwind into the function that called
// it (DispCallFunc is not C++ and has no unwind information for it), so its
// wrapper keeps the exception here and the caller raises it again once the
// call has returned. One thread: one slot.
void KeepHandlerException(std::exception_ptr exception) noexcept;
// Raises the kept exception, if any, and forgets it.
void RethrowHandlerException();

}  // namespace host
