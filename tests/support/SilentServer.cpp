#include "SilentServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace tamo::testing {

SilentServer::SilentServer() : socket_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket_ < 0 || bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(socket_, 16) != 0 || getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot listen on the loopback address");
    port_ = ntohs(address.sin_port);
}

SilentServer::~SilentServer() { close(socket_); }

}  // namespace tamo::testing
