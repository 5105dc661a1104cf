// Internet port: the few WinInet calls of the update check, with WinInet's
// semantics (handles, options, one read at a time).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// An open WinInet handle (HINTERNET); 0 is "no handle".
using InternetHandle = std::uintptr_t;

namespace inet {
constexpr std::uint32_t kOpenTypePreconfig = 0;  // INTERNET_OPEN_TYPE_PRECONFIG
// InternetSetOption numbers that take a DWORD.
constexpr std::uint32_t kConnectTimeout = 2;         // INTERNET_OPTION_CONNECT_TIMEOUT
constexpr std::uint32_t kConnectRetries = 3;         // INTERNET_OPTION_CONNECT_RETRIES
constexpr std::uint32_t kSendTimeout = 5;            // INTERNET_OPTION_SEND_TIMEOUT
constexpr std::uint32_t kReceiveTimeout = 6;         // INTERNET_OPTION_RECEIVE_TIMEOUT
constexpr std::uint32_t kControlSendTimeout = 7;     // INTERNET_OPTION_CONTROL_SEND_TIMEOUT
constexpr std::uint32_t kControlReceiveTimeout = 8;  // INTERNET_OPTION_CONTROL_RECEIVE_TIMEOUT
// InternetOpenUrl flags.
constexpr std::uint32_t kFlagPragmaNoCache = 0x00000100;    // INTERNET_FLAG_PRAGMA_NOCACHE
constexpr std::uint32_t kFlagNoAuth = 0x00040000;           // INTERNET_FLAG_NO_AUTH
constexpr std::uint32_t kFlagExistingConnect = 0x20000000;  // INTERNET_FLAG_EXISTING_CONNECT
}  // namespace inet

class Internet {
  public:
    virtual ~Internet() = default;
    // InternetOpenA(agent, accessType, no proxy, no bypass list, flags): a
    // session handle, 0 on failure.
    virtual InternetHandle OpenSession(const std::string& agent, std::uint32_t accessType,
                                       std::uint32_t flags) = 0;
    // InternetSetOptionA with a DWORD value.
    virtual bool SetNumberOption(InternetHandle handle, std::uint32_t option,
                                 std::uint32_t value) = 0;
    // InternetOpenUrlA(session, url, no headers, flags, context 0): a request
    // handle once the server has answered (whatever its status; a server
    // that closes the connection without a word gives an empty body), 0 on
    // failure.
    virtual InternetHandle OpenUrl(InternetHandle session, const std::string& url,
                                   std::uint32_t flags) = 0;
    // InternetReadFile: at most `size` bytes of the body into `buffer`, the
    // count in *read (0 at the end of the body). False on failure, when
    // *read is 0 and `buffer` holds nothing of use.
    virtual bool Read(InternetHandle request, char* buffer, std::uint32_t size,
                      std::uint32_t* read) = 0;
    // InternetCloseHandle.
    virtual bool Close(InternetHandle handle) = 0;
};

}  // namespace platform
