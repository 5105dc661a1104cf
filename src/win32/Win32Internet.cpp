#include "win32/Win32Internet.h"

#include <windows.h>

#include <wininet.h>  // after <windows.h>, which it needs

namespace win32 {

namespace {

HINTERNET AsHandle(platform::InternetHandle handle) { return reinterpret_cast<HINTERNET>(handle); }
platform::InternetHandle FromHandle(HINTERNET handle) {
    return reinterpret_cast<platform::InternetHandle>(handle);
}

}  // namespace

platform::InternetHandle Win32Internet::OpenSession(const std::string& agent,
                                                    std::uint32_t accessType, std::uint32_t flags) {
    return FromHandle(InternetOpenA(agent.c_str(), accessType, nullptr, nullptr, flags));
}

bool Win32Internet::SetNumberOption(platform::InternetHandle handle, std::uint32_t option,
                                    std::uint32_t value) {
    DWORD number = value;
    return InternetSetOptionA(AsHandle(handle), option, &number, sizeof number) != FALSE;
}

platform::InternetHandle Win32Internet::OpenUrl(platform::InternetHandle session,
                                                const std::string& url, std::uint32_t flags) {
    return FromHandle(InternetOpenUrlA(AsHandle(session), url.c_str(), nullptr, 0, flags, 0));
}

bool Win32Internet::Read(platform::InternetHandle request, char* buffer, std::uint32_t size,
                         std::uint32_t* read) {
    DWORD count = 0;
    const BOOL ok = InternetReadFile(AsHandle(request), buffer, size, &count);
    // A count beyond what was asked for would be the library's fault, but
    // the caller must never be told of bytes it has no room for.
    *read = ok != FALSE && count <= size ? count : 0;
    return ok != FALSE && count <= size;
}

bool Win32Internet::Close(platform::InternetHandle handle) {
    return InternetCloseHandle(AsHandle(handle)) != FALSE;
}

}  // namespace win32
