#include "host/ComError.h"

#include <cstdio>

namespace host {

namespace {
std::string ComErrorText(HResult code, const Guid& iid) {
    char text[96];
    std::snprintf(text, sizeof text, "COM error 0x%08X on interface %s",
                  static_cast<unsigned>(code), iid.ToString().c_str());
    return text;
}
}  // namespace

ComError::ComError(HResult code, const Guid& iid)
    : std::runtime_error(ComErrorText(code, iid)), code_(code), iid_(iid) {}

void ThrowIfFailed(HResult code, const Guid& iid) {
    if (Failed(code)) {
        throw ComError(code, iid);
    }
}

}  // namespace host
