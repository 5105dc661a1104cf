// What the entries through which Windows, Outlook and Office call the
// add-in (window and dialog procedures, event sinks, COM methods) do with an
// exception the core lets out: no exception may cross into the host, so the
// entry stops it, records it here and answers its safe result. The core
// itself does not catch; it leaves that to these entries.
#pragma once

#include <cstddef>

namespace caught {

// Records the exception being handled (called from a catch block of entry
// `entry`): traced as the call "<entry>::CaughtException: <what>" and
// counted.
// Never throws.
void Record(const char* entry) noexcept;

// Exceptions recorded since the module was loaded.
std::size_t Count() noexcept;

}  // namespace caught
