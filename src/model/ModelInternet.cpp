#include "model/ModelInternet.h"

#include <algorithm>
#include <cstring>

namespace model {

void ModelInternet::Answer(const std::string& address, const std::string& body) {
    endpoints_[address] = Endpoint{Endpoint::Kind::Answer, body};
}

void ModelInternet::Refuse(const std::string& address) {
    endpoints_[address] = Endpoint{Endpoint::Kind::Refuse, std::string()};
}

void ModelInternet::FailReading(const std::string& address) {
    endpoints_[address] = Endpoint{Endpoint::Kind::FailRead, std::string()};
}

platform::InternetHandle ModelInternet::OpenSession(const std::string& agent,
                                                    std::uint32_t accessType, std::uint32_t flags) {
    if (failSessions) {
        return 0;
    }
    sessions.push_back(Session{agent, accessType, flags, {}});
    const platform::InternetHandle handle = next_;
    next_ += 4;
    handles_[handle] = Handle{sessions.size() - 1, false, nullptr, 0};
    return handle;
}

bool ModelInternet::SetNumberOption(platform::InternetHandle handle, std::uint32_t option,
                                    std::uint32_t value) {
    auto found = handles_.find(handle);
    if (found == handles_.end()) {
        return false;
    }
    sessions[found->second.session].options[option] = value;
    return true;
}

platform::InternetHandle ModelInternet::OpenUrl(platform::InternetHandle session,
                                                const std::string& url, std::uint32_t flags) {
    auto owner = handles_.find(session);
    if (owner == handles_.end() || owner->second.isRequest) {
        return 0;
    }
    requests.push_back(Request{url, flags});
    auto endpoint = endpoints_.find(url.substr(0, url.find('?')));
    if (endpoint == endpoints_.end() || endpoint->second.kind == Endpoint::Kind::Refuse) {
        return 0;
    }
    const platform::InternetHandle handle = next_;
    next_ += 4;
    handles_[handle] = Handle{owner->second.session, true, &endpoint->second, 0};
    return handle;
}

bool ModelInternet::Read(platform::InternetHandle request, char* buffer, std::uint32_t size,
                         std::uint32_t* read) {
    *read = 0;
    auto found = handles_.find(request);
    if (found == handles_.end() || !found->second.isRequest ||
        found->second.endpoint->kind == Endpoint::Kind::FailRead) {
        return false;
    }
    Handle& handle = found->second;
    const std::string& body = handle.endpoint->body;
    const std::size_t count = std::min<std::size_t>(size, body.size() - handle.position);
    std::memcpy(buffer, body.data() + handle.position, count);
    handle.position += count;
    *read = static_cast<std::uint32_t>(count);
    return true;
}

bool ModelInternet::Close(platform::InternetHandle handle) {
    auto found = handles_.find(handle);
    if (found == handles_.end()) {
        return false;
    }
    if (!found->second.isRequest) {
        // A session takes its requests with it.
        const std::size_t session = found->second.session;
        for (auto it = handles_.begin(); it != handles_.end();) {
            it = it->second.session == session ? handles_.erase(it) : std::next(it);
        }
        return true;
    }
    handles_.erase(found);
    return true;
}

}  // namespace model
