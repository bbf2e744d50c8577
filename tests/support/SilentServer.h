#pragma once

// A server that accepts connections on a port of the loopback address and never says a word: the kernel takes
// the connection, nobody reads from it or greets the client.

namespace tamo::testing {

class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    int Port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};

}  // namespace tamo::testing
