// The entries through which a COM client calls us (interface methods,
// exports): no C++ exception may cross into the caller. CatchAtEntry runs
// the body, and what it throws is recorded (caught::Record: traced and
// counted) and answered as an HRESULT:
// E_OUTOFMEMORY for std::bad_alloc, E_FAIL for anything else.
#pragma once

#include <windows.h>

#include <exception>
#include <new>

#include "util/CaughtExceptions.h"

namespace win32 {

template <class Body>
HRESULT CatchAtEntry(const char* entry, Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        caught::Record(entry);
        return E_OUTOFMEMORY;
    } catch (...) {
        caught::Record(entry);
        return E_FAIL;
    }
}

}  // namespace win32
