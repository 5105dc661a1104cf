// Plain value types shared by the ports: handles, message numbers and the
// Win32 status codes the ports report. No <windows.h> here; the values are
// the ones Windows uses, so the win32 adapters pass them straight through.
#pragma once

#include <cstdint>

namespace platform {

// A window handle's value (HWND). 0 is "no window".
using WindowHandle = std::uintptr_t;
constexpr WindowHandle kNoWindow = 0;
// HWND_BROADCAST: a post to every top-level window.
constexpr WindowHandle kBroadcast = 0xFFFF;

using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// Win32 error codes (the registry and other ports answer with these).
using Status = long;
namespace status {
constexpr Status kSuccess = 0;            // ERROR_SUCCESS
constexpr Status kFileNotFound = 2;       // ERROR_FILE_NOT_FOUND
constexpr Status kAccessDenied = 5;       // ERROR_ACCESS_DENIED
constexpr Status kInvalidHandle = 6;      // ERROR_INVALID_HANDLE
constexpr Status kInvalidParameter = 87;  // ERROR_INVALID_PARAMETER
constexpr Status kMoreData = 234;         // ERROR_MORE_DATA
constexpr Status kNoMoreItems = 259;      // ERROR_NO_MORE_ITEMS
}  // namespace status

}  // namespace platform
