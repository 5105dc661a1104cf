#include "commands/UpdateCheck.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "resources/Addresses.h"
#include "util/AddinVersion.h"
#include "util/Exception.h"

namespace {

namespace inet = platform::inet;

constexpr char kAgent[] = "Tandrel";
// The server has a second for each step; connecting is tried twice more.
constexpr std::uint32_t kTimeoutMs = 1000;
constexpr std::uint32_t kConnectRetries = 2;
constexpr std::uint32_t kTimeoutOptions[] = {inet::kConnectTimeout, inet::kControlReceiveTimeout,
                                             inet::kControlSendTimeout, inet::kSendTimeout,
                                             inet::kReceiveTimeout};
constexpr std::uint32_t kUrlFlags =
    inet::kFlagExistingConnect | inet::kFlagNoAuth | inet::kFlagPragmaNoCache;
// The reply is read once, at most this much of it.
constexpr std::uint32_t kReplyLimit = 1023;

// Closes a WinInet handle when the check leaves, however it leaves.
class HandleCloser {
  public:
    explicit HandleCloser(platform::InternetHandle handle) : handle_(handle) {}
    ~HandleCloser() {
        if (handle_ != 0) platform::internet().Close(handle_);
    }
    HandleCloser(const HandleCloser&) = delete;
    HandleCloser& operator=(const HandleCloser&) = delete;

  private:
    platform::InternetHandle handle_;
};

// The first reply of the update endpoint to `version`.
std::string AskLatestVersion(const CVersion& version) {
    platform::Internet& internet = platform::internet();
    const platform::InternetHandle session =
        internet.OpenSession(kAgent, inet::kOpenTypePreconfig, 0);
    if (session == 0) {
        throw ServerUnavailable();
    }
    HandleCloser closeSession(session);
    for (std::uint32_t option : kTimeoutOptions) {
        internet.SetNumberOption(session, option, kTimeoutMs);
    }
    internet.SetNumberOption(session, inet::kConnectRetries, kConnectRetries);

    const std::string url = std::string(addresses::kUpdateEndpoint) + "?version=" + version.Text();
    const platform::InternetHandle request = internet.OpenUrl(session, url, kUrlFlags);
    if (request == 0) {
        throw ServerUnavailable();
    }
    HandleCloser closeRequest(request);

    char buffer[kReplyLimit + 1];
    std::uint32_t read = 0;
    if (!internet.Read(request, buffer, kReplyLimit, &read)) {
        throw ServerUnavailable();
    }
    return std::string(buffer, std::min(read, kReplyLimit));
}

}  // namespace

bool IsNewerVersionAvailable() {
    const CVersion current = ReadAddinVersion();
    const std::string reply = AskLatestVersion(current);
    if (!CVersion::BeginsWithDottedNumber(reply)) {
        throw ServerUnavailable();
    }
    return current < CVersion::FromText(reply);
}
