#include "host/HandlerCall.h"

#include "host/SinkTable.h"

namespace host {

namespace {

std::exception_ptr& KeptException() {
    static std::exception_ptr kept;
    return kept;
}

}  // namespace

HResult DirectHandlerCaller::Call(const SinkRow& row, void* owner,
                                  const std::vector<const Variant*>& args, Variant* result) const {
    row.callDirectly(owner, args);
    *result = Variant();
    return hr::kOk;
}

const DirectHandlerCaller& DirectHandlerCaller::Instance() {
    static const DirectHandlerCaller instance;
    return instance;
}

void KeepHandlerException(std::exception_ptr exception) noexcept {
    KeptException() = std::move(exception);
}

void RethrowHandlerException() {
    std::exception_ptr kept;
    kept.swap(KeptException());
    if (kept) {
        std::rethrow_exception(kept);
    }
}

}  // namespace host
