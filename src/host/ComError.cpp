#include "host/ComError.h"

#include <cstdio>

#include "host/Dispatch.h"

namespace host {

namespace {
// "COM error 0x80004005 on interface {...}: text" (the text in ASCII, other
// characters shown as '?': what() is for traces and test messages).
std::string ComErrorText(HResult code, const Guid& iid, const std::wstring& description) {
    char text[96];
    std::snprintf(text, sizeof text, "COM error 0x%08X on interface %s",
                  static_cast<unsigned>(code), iid.ToString().c_str());
    std::string message = text;
    if (!description.empty()) {
        message += ": ";
        for (wchar_t c : description) {
            message += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
        }
    }
    return message;
}
}  // namespace

ComError::ComError(HResult code, const Guid& iid, const std::wstring& description)
    : std::runtime_error(ComErrorText(code, iid, description)),
      code_(code),
      iid_(iid),
      description_(description) {}

void ThrowIfFailed(HResult code, const Guid& iid) {
    if (Failed(code)) {
        throw ComError(code, iid);
    }
}

void ThrowIfFailed(HResult code, const Guid& iid, const Dispatch& object) {
    if (Failed(code)) {
        throw ComError(code, iid, object.ErrorDescription());
    }
}

}  // namespace host
