// The internet suite's addresses on the win32 side: a tiny HTTP server on
// 127.0.0.1 that runs on its own thread for the rest of the program and
// answers each request at once, by its path: with the status and body
// registered for it, or by closing the connection without a word. It never
// keeps a client waiting (Wine's WinInet ignores its timeouts).
#include "contract/ContractEnvironment.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace contract {

namespace {

constexpr char kClosingPath[] = "/close";

struct Reply {
    int status;
    std::string body;
};

// A listening socket on an ephemeral port of 127.0.0.1.
SOCKET Listen(unsigned short* port) {
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener == INVALID_SOCKET) throw std::runtime_error("socket");
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, SOMAXCONN) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(listener);
        throw std::runtime_error("bind/listen");
    }
    *port = ntohs(address.sin_port);
    return listener;
}

class Server {
  public:
    Server() {
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup");
        listener_ = Listen(&port_);
        std::thread(&Server::Serve, this).detach();
    }

    std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }

    std::string Register(int status, const std::string& body) {
        std::lock_guard<std::mutex> lock(mutex_);
        const std::string path = "/answer/" + std::to_string(replies_.size());
        replies_[path] = Reply{status, body};
        return path;
    }

  private:
    void Serve() {
        for (;;) {
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) return;
            Answer(client);
            shutdown(client, SD_BOTH);
            closesocket(client);
        }
    }

    // Reads the request head, then answers it (or not, for the closing path).
    void Answer(SOCKET client) {
        std::string request;
        char chunk[512];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
            const int got = recv(client, chunk, sizeof chunk, 0);
            if (got <= 0) return;
            request.append(chunk, static_cast<std::size_t>(got));
        }
        // "GET /path?query HTTP/1.1"
        const std::size_t start = request.find(' ') + 1;
        const std::size_t end = request.find_first_of(" ?", start);
        const std::string path = request.substr(start, end - start);
        if (path == kClosingPath) return;

        Reply reply{404, "<html><body>Not Found</body></html>"};
        {
            std::lock_guard<std::mutex> lock(mutex_);
            auto found = replies_.find(path);
            if (found != replies_.end()) reply = found->second;
        }
        const std::string response = "HTTP/1.1 " + std::to_string(reply.status) +
                                     " Reply\r\nContent-Type: text/plain\r\nContent-Length: " +
                                     std::to_string(reply.body.size()) +
                                     "\r\nConnection: close\r\n\r\n" + reply.body;
        const char* data = response.data();
        int left = static_cast<int>(response.size());
        while (left > 0) {
            const int sent = send(client, data, left, 0);
            if (sent <= 0) return;
            data += sent;
            left -= sent;
        }
    }

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::mutex mutex_;
    std::map<std::string, Reply> replies_;
};

Server& TheServer() {
    // Left running to the program's end: its thread waits in accept().
    static Server* server = new Server();
    return *server;
}

}  // namespace

std::string AddressAnswering(int status, const std::string& body) {
    return TheServer().Base() + TheServer().Register(status, body);
}

std::string AddressClosing() { return TheServer().Base() + kClosingPath; }

std::string AddressRefused() {
    TheServer();  // sockets need winsock started
    // A port that was free a moment ago and has nobody listening now.
    unsigned short port = 0;
    closesocket(Listen(&port));
    return "http://127.0.0.1:" + std::to_string(port) + "/";
}

}  // namespace contract
