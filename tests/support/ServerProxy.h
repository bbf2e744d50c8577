#pragma once

// A stand-in for the network between a client and the test server: it listens on a port of the loopback
// address and forwards every connection to the server, until a test makes the server look paused (nothing
// is passed on in either direction, as when the server process is stopped), holds the server's answers alone
// (as when the network fails after a request went out) or cuts every connection (as when the server restarts).

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tamo::testing {

class ServerProxy {
public:
    ServerProxy(const std::string& serverHost, int serverPort);
    ~ServerProxy();
    ServerProxy(const ServerProxy&) = delete;
    ServerProxy& operator=(const ServerProxy&) = delete;

    int Port() const { return port_; }

    // Stops passing bytes on: clients and the server keep their connections and hear nothing. Takes effect
    // before it returns.
    void Pause();
    // Stops passing on what the server sends; what the clients send still reaches it. Takes effect before it
    // returns.
    void PauseAnswers();
    // Passes bytes on in both directions again.
    void Resume();
    // Closes every connection at both ends before it returns; new connections are forwarded as before.
    void CutAll();
    // The connections accepted so far.
    int Accepted();

private:
    struct Pair {
        int client = -1;
        int server = -1;
    };
    enum class Request { none, pause, pause_answers, resume, cut, stop };

    void Run();
    void Accept();
    // Passes what `from` has on to `to`; false when either end is gone.
    static bool Forward(int from, int to);
    static void ClosePair(Pair& pair);
    // Hands the request to the forwarding thread and waits until it has carried it out.
    void Ask(Request request);
    // The request of a caller, carried out: true when the thread must end.
    bool Serve();

    std::string serverHost_;
    int serverPort_ = 0;
    int listener_ = -1;
    int port_ = 0;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;

    std::mutex mutex_;
    std::condition_variable served_;
    Request request_ = Request::none;
    int accepted_ = 0;

    // The forwarding thread's own.
    bool paused_ = false;
    bool answersPaused_ = false;
    std::vector<Pair> pairs_;
    std::thread thread_;
};

}  // namespace tamo::testing
