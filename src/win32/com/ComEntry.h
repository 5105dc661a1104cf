// The entries through which a COM client calls us (interface methods,
// exports): no C++ exception may cross into the caller. CatchAtEntry runs
// the body, and what it throws is recorded (caught::Record: traced and
// counted) and answered as an HRESULT, as WIL's CATCH_RETURN does: a
// host::ComError with the failure it carries (E_FAIL should it carry none),
// std::bad_alloc with E_OUTOFMEMORY, anything else with E_FAIL.
#pragma once

#include <windows.h>

#include <exception>
#include <new>

#include "host/ComError.h"
#include "util/CaughtExceptions.h"

namespace win32 {

template <class Body>
HRESULT CatchAtEntry(const char* entry, Body body) noexcept {
    try {
        return body();
    } catch (const host::ComError& error) {
        caught::Record(entry);
        return host::Failed(error.code()) ? static_cast<HRESULT>(error.code()) : E_FAIL;
    } catch (const std::bad_alloc&) {
        caught::Record(entry);
        return E_OUTOFMEMORY;
    } catch (...) {
        caught::Record(entry);
        return E_FAIL;
    }
}

}  // namespace win32
