// HRESULT values the add-in meets. Named with a k prefix: <windows.h>
// defines the usual names (S_OK, E_FAIL, ...) as macros.
#pragma once

#include <cstdint>

namespace host {

using HResult = std::int32_t;

constexpr bool Succeeded(HResult hr) { return hr >= 0; }
constexpr bool Failed(HResult hr) { return hr < 0; }

namespace hr {
constexpr HResult kOk = 0;                                             // S_OK
constexpr HResult kFalse = 1;                                          // S_FALSE
constexpr HResult kNotImplemented = static_cast<HResult>(0x80004001);  // E_NOTIMPL
constexpr HResult kNoInterface = static_cast<HResult>(0x80004002);     // E_NOINTERFACE
constexpr HResult kPointer = static_cast<HResult>(0x80004003);         // E_POINTER
constexpr HResult kFail = static_cast<HResult>(0x80004005);            // E_FAIL
constexpr HResult kUnexpected = static_cast<HResult>(0x8000FFFF);      // E_UNEXPECTED
constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000E);     // E_OUTOFMEMORY
constexpr HResult kAccessDenied = static_cast<HResult>(0x80070005);    // E_ACCESSDENIED
constexpr HResult kInvalidArg = static_cast<HResult>(0x80070057);      // E_INVALIDARG
constexpr HResult kMemberNotFound = static_cast<HResult>(0x80020003);  // DISP_E_MEMBERNOTFOUND
constexpr HResult kParamNotFound = static_cast<HResult>(0x80020004);   // DISP_E_PARAMNOTFOUND
constexpr HResult kTypeMismatch = static_cast<HResult>(0x80020005);    // DISP_E_TYPEMISMATCH
constexpr HResult kUnknownName = static_cast<HResult>(0x80020006);     // DISP_E_UNKNOWNNAME
constexpr HResult kNoNamedArgs = static_cast<HResult>(0x80020007);     // DISP_E_NONAMEDARGS
constexpr HResult kException = static_cast<HResult>(0x80020009);       // DISP_E_EXCEPTION
constexpr HResult kBadIndex = static_cast<HResult>(0x8002000B);        // DISP_E_BADINDEX
constexpr HResult kBadParamCount = static_cast<HResult>(0x8002000E);   // DISP_E_BADPARAMCOUNT
constexpr HResult kNoConnection = static_cast<HResult>(0x80040200);    // CONNECT_E_NOCONNECTION
constexpr HResult kCannotConnect = static_cast<HResult>(0x80040202);   // CONNECT_E_CANNOTCONNECT
}  // namespace hr

}  // namespace host
