#include "ServerProxy.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace tamo::testing {

namespace {

int ConnectTo(const std::string& host, int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (fd < 0 || inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1 ||
        connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (fd >= 0) close(fd);
        return -1;
    }
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

bool WriteAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = send(fd, data, static_cast<size_t>(size), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

ServerProxy::ServerProxy(const std::string& serverHost, int serverPort)
    : serverHost_(serverHost), serverPort_(serverPort) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int wake[2] = {-1, -1};
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 16) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        pipe2(wake, O_CLOEXEC) != 0) {
        if (listener_ >= 0) close(listener_);
        throw std::runtime_error("cannot listen on the loopback address");
    }
    port_ = ntohs(address.sin_port);
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    thread_ = std::thread([this] { Run(); });
}

ServerProxy::~ServerProxy() {
    Ask(Request::stop);
    thread_.join();
    for (Pair& pair : pairs_) ClosePair(pair);
    close(listener_);
    close(wakeRead_);
    close(wakeWrite_);
}

void ServerProxy::Pause() { Ask(Request::pause); }

void ServerProxy::PauseAnswers() { Ask(Request::pause_answers); }

void ServerProxy::Resume() { Ask(Request::resume); }

void ServerProxy::CutAll() { Ask(Request::cut); }

int ServerProxy::Accepted() {
    std::lock_guard lock(mutex_);
    return accepted_;
}

void ServerProxy::Ask(Request request) {
    std::unique_lock lock(mutex_);
    served_.wait(lock, [this] { return request_ == Request::none; });
    request_ = request;
    const char byte = 0;
    (void)!write(wakeWrite_, &byte, 1);
    served_.wait(lock, [this] { return request_ == Request::none; });
}

bool ServerProxy::Serve() {
    char bytes[16];
    (void)!read(wakeRead_, bytes, sizeof bytes);
    std::lock_guard lock(mutex_);
    const Request request = request_;
    if (request == Request::pause) paused_ = true;
    if (request == Request::pause_answers) answersPaused_ = true;
    if (request == Request::resume) paused_ = answersPaused_ = false;
    if (request == Request::cut) {
        for (Pair& pair : pairs_) ClosePair(pair);
        pairs_.clear();
    }
    request_ = Request::none;
    served_.notify_all();
    return request == Request::stop;
}

void ServerProxy::ClosePair(Pair& pair) {
    // A reset, not an orderly end: the client learns at once that the connection is gone.
    const linger hard{1, 0};
    for (int fd : {pair.client, pair.server}) {
        if (fd < 0) continue;
        setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        close(fd);
    }
    pair.client = pair.server = -1;
}

void ServerProxy::Accept() {
    const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) return;
    const int server = ConnectTo(serverHost_, serverPort_);
    if (server < 0) {
        close(client);
        return;
    }
    const int on = 1;
    setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    pairs_.push_back({client, server});
    std::lock_guard lock(mutex_);
    ++accepted_;
}

bool ServerProxy::Forward(int from, int to) {
    char buffer[65536];
    const ssize_t got = recv(from, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    return got > 0 && WriteAll(to, buffer, got);
}

void ServerProxy::Run() {
    for (;;) {
        std::vector<pollfd> watched{{wakeRead_, POLLIN, 0}, {listener_, POLLIN, 0}};
        if (!paused_) {
            for (const Pair& pair : pairs_) {
                watched.push_back({pair.client, POLLIN, 0});
                // A negative descriptor is left out of the poll: what the server sends waits in its socket.
                watched.push_back({answersPaused_ ? -1 : pair.server, POLLIN, 0});
            }
        }
        if (poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        // The pairs first, as they were when poll was called; then the requests and new connections.
        for (size_t i = 0; 2 + 2 * i + 1 < watched.size(); ++i) {
            Pair& pair = pairs_[i];
            bool alive = true;
            if (watched[2 + 2 * i].revents) alive = Forward(pair.client, pair.server);
            if (alive && watched[3 + 2 * i].revents) alive = Forward(pair.server, pair.client);
            if (!alive) ClosePair(pair);
        }
        std::erase_if(pairs_, [](const Pair& pair) { return pair.client < 0; });
        if (watched[0].revents && Serve()) return;
        if (watched[1].revents & POLLIN) Accept();
    }
}

}  // namespace tamo::testing
