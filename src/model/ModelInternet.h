// The model's internet: a scripted set of addresses, each answering with a
// body, refusing the connection, or failing the read; every call recorded.
// Handles behave as WinInet's: a request belongs to its session, closing the
// session closes its requests, and a closed handle answers nothing.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Internet.h"

namespace model {

class ModelInternet : public platform::Internet {
  public:
    platform::InternetHandle OpenSession(const std::string& agent, std::uint32_t accessType,
                                         std::uint32_t flags) override;
    bool SetNumberOption(platform::InternetHandle handle, std::uint32_t option,
                         std::uint32_t value) override;
    platform::InternetHandle OpenUrl(platform::InternetHandle session, const std::string& url,
                                     std::uint32_t flags) override;
    bool Read(platform::InternetHandle request, char* buffer, std::uint32_t size,
              std::uint32_t* read) override;
    bool Close(platform::InternetHandle handle) override;

    // What an address (a URL without its "?" query) does when asked. An
    // address nobody scripted cannot be reached: its requests fail.
    void Answer(const std::string& address, const std::string& body);
    void Refuse(const std::string& address);
    // Answers, but reading the body fails.
    void FailReading(const std::string& address);
    // InternetOpen fails (no networking at all).
    bool failSessions = false;

    struct Session {
        std::string agent;
        std::uint32_t accessType;
        std::uint32_t flags;
        std::map<std::uint32_t, std::uint32_t> options;  // the last value set of each
    };
    struct Request {
        std::string url;
        std::uint32_t flags;
    };
    // In the order they were made.
    std::vector<Session> sessions;
    std::vector<Request> requests;
    // Handles still open.
    std::size_t OpenHandles() const { return handles_.size(); }

  private:
    struct Endpoint {
        enum class Kind { Answer, Refuse, FailRead } kind;
        std::string body;
    };
    struct Handle {
        std::size_t session;  // index into `sessions`
        bool isRequest;
        const Endpoint* endpoint;
        std::size_t position;  // bytes of the body already read
    };

    std::map<std::string, Endpoint> endpoints_;
    std::map<platform::InternetHandle, Handle> handles_;
    platform::InternetHandle next_ = 0x00CC0004;
};

}  // namespace model
