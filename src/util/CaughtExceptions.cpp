#include "util/CaughtExceptions.h"

#include <string>

#include "util/Trace.h"

namespace {

// Process-wide, as the trace depth is: one UI thread, no lock.
std::size_t g_caught = 0;

}  // namespace

namespace caught {

void Record(const char* entry) noexcept {
    ++g_caught;
    try {
        const std::string name = std::string(entry ? entry : "") + "::CaughtException";
        TANDREL_TRACE(name.c_str());
    } catch (...) {
        // Out of memory for the name: the count still tells.
    }
}

std::size_t Count() noexcept { return g_caught; }

}  // namespace caught
