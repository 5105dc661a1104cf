// The entries through which a COM client calls us (interface methods,
// exports): no C++ exception may cross into the caller. CatchAtEntry runs
// the body, and what it throws is traced and answered as an HRESULT:
// E_OUTOFMEMORY for std::bad_alloc, E_FAIL for anything else.
#pragma once

#include <windows.h>

#include <exception>
#include <new>
#include <string>

#include "util/Trace.h"

namespace win32 {

// One trace record naming the entry and what it caught; never throws.
inline void TraceCaught(const char* entry, const char* what) noexcept {
    try {
        const std::string record = std::string(entry) + " caught " + what;
        CTrace trace(record.c_str(), __FILE__, __LINE__);
    } catch (...) {
    }
}

template <class Body>
HRESULT CatchAtEntry(const char* entry, Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        TraceCaught(entry, "std::bad_alloc");
        return E_OUTOFMEMORY;
    } catch (const std::exception& error) {
        TraceCaught(entry, error.what());
        return E_FAIL;
    } catch (...) {
        TraceCaught(entry, "an exception of unknown type");
        return E_FAIL;
    }
}

}  // namespace win32
