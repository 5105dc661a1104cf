// The COM error: a host call that failed where the add-in must not go on.
// Carries the failing HRESULT and the IID of the interface that failed.
#pragma once

#include <stdexcept>
#include <string>

#include "host/Guid.h"
#include "host/HResult.h"

namespace host {

class ComError : public std::runtime_error {
  public:
    ComError(HResult code, const Guid& iid);
    HResult code() const { return code_; }
    const Guid& iid() const { return iid_; }

  private:
    HResult code_;
    Guid iid_;
};

// Throws ComError when `code` is a failure.
void ThrowIfFailed(HResult code, const Guid& iid);

}  // namespace host
