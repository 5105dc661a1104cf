#include "util/CaughtExceptions.h"

#include <exception>
#include <string>

#include "util/Trace.h"

namespace {

// Process-wide, as the trace depth is: one UI thread, no lock.
std::size_t g_caught = 0;

// What the exception being handled says of itself, for the trace.
std::string Describe() {
    if (!std::current_exception()) {
        return "nothing";
    }
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

}  // namespace

namespace caught {

void Record(const char* entry) noexcept {
    ++g_caught;
    try {
        const std::string name =
            std::string(entry ? entry : "") + "::CaughtException: " + Describe();
        TANDREL_TRACE(name.c_str());
    } catch (...) {
        // Out of memory for the name: the count still tells.
    }
}

std::size_t Count() noexcept { return g_caught; }

}  // namespace caught
