#pragma once

// Watches, from a session of its own, the statements that the design database's account runs: what any other
// session of the shared account could read from the process list while they run.

#include <atomic>
#include <string>
#include <thread>

#include "TestDatabase.h"

namespace tamo::testing {

class ProcessListWatch {
public:
    // Starts polling the process list for statements that hold `secret`.
    ProcessListWatch(const ConnectionValues& server, const std::string& secret);
    // Makes the application account `user` with the password `secret` (as admin/admin), then watches for it.
    static void AddAccount(const ConnectionValues& server, const std::string& user, const std::string& secret);
    ~ProcessListWatch();
    ProcessListWatch(const ProcessListWatch&) = delete;
    ProcessListWatch& operator=(const ProcessListWatch&) = delete;

    // Stops polling; the statements seen with the secret, and how often the list was read.
    int Stop();
    int Polls() const { return polls_; }

private:
    TestConnection watcher_;
    std::string query_;
    std::atomic<bool> stop_{false};
    std::atomic<int> seen_{0};
    std::atomic<int> polls_{0};
    std::thread thread_;
};

}  // namespace tamo::testing
