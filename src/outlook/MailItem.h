// Outlook's _MailItem with its recipients and those of its reply.
#pragma once

#include <cstdint>
#include <string>

#include "host/TypedObject.h"

namespace outlook {

class Recipient : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    std::wstring Address() const;
    std::wstring Name() const;
    // To, Cc or Bcc for a mail's recipient (recipient_type); -1 when unreadable.
    std::int32_t Type() const;
};

class Recipients : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based.
    Recipient Item(std::int32_t index) const;
};

class MailItem : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // `item` seen as a mail, or a null wrapper when it is not one.
    static MailItem QueryFrom(const host::DispatchPtr& item);

    // A new, unsaved reply addressed to the sender (or its reply-to list);
    // it is never shown. Null when refused.
    MailItem Reply() const;
    // The plain-text body; empty when absent or unreadable.
    std::wstring Body() const;
    // The body as the host answered it (a VT_BSTR, or VT_EMPTY when absent
    // or unreadable), so that its length can be judged before it is copied.
    host::Variant BodyVariant() const;
    outlook::Recipients Recipients() const;
};

}  // namespace outlook
