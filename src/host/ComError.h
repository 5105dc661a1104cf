// The COM error: a host call that failed where the add-in must not go on.
// Carries the failing HRESULT, the IID of the interface that failed and the
// description the host gave with the failure (its error information).
#pragma once

#include <stdexcept>
#include <string>

#include "host/Guid.h"
#include "host/HResult.h"

namespace host {

class Dispatch;

class ComError : public std::runtime_error {
  public:
    ComError(HResult code, const Guid& iid, const std::wstring& description = std::wstring());
    HResult code() const { return code_; }
    const Guid& iid() const { return iid_; }
    const std::wstring& description() const { return description_; }

  private:
    HResult code_;
    Guid iid_;
    std::wstring description_;
};

// Throws ComError when `code` is a failure.
void ThrowIfFailed(HResult code, const Guid& iid);
// The same, with the description `object` gave with its failure.
void ThrowIfFailed(HResult code, const Guid& iid, const Dispatch& object);

}  // namespace host
