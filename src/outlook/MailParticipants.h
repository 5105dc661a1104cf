// Who a mail was exchanged with, by address: its sender and the people it
// was sent to openly, as a conference started from the mail would bring
// them together. The current user is not among them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace outlook {

class Application;
class MailItem;

// Whether two addresses name the same mailbox: ASCII letters compared
// without case, everything else exactly (no code page can merge two
// addresses that differ).
bool SameAddress(const std::wstring& a, const std::wstring& b);

// The current user's address (Session.CurrentUser); empty when unreadable.
std::wstring CurrentUserAddress(const Application& application);

// `sender` (when not empty), then the addresses of the mail's To and Cc
// recipients in the mail's order, each once, `user` left out. Bcc
// recipients are not asked to join: only the sender knows them. A
// recipient whose type cannot be read counts as one sent to openly. Reading
// stops as soon as there are more than `most`: then the answer is false
// and `addresses` holds only what was read.
bool ReadParticipantAddresses(const MailItem& mail, const std::wstring& sender,
                              const std::wstring& user, std::size_t most,
                              std::vector<std::wstring>* addresses);

}  // namespace outlook
