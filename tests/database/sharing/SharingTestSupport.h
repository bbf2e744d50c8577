#pragma once

// Sessions that race: several connections of the shared database account, each logged in, sending their calls
// at the same moment.

#include <gtest/gtest.h>

#include <functional>
#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "../domains/DomainTestSupport.h"

namespace tamo::testing::sharing {

// A refusal in the documented shape, whatever its text: the status row 0, then the server's error 1644
// carrying a reason. A raw error of the server (a duplicate key, a lock wait) is not one.
inline ::testing::AssertionResult RefusedProperly(const RunResult& run) {
    if (run.ok) return ::testing::AssertionFailure() << "was not refused";
    if (run.errorNumber != 1644 || run.error.empty())
        return ::testing::AssertionFailure() << "raw server error " << run.errorNumber << ": " << run.error;
    if (run.sets.size() != 1 || CellText(run, 0, 0, 0) != "0")
        return ::testing::AssertionFailure() << "refused without the status row 0: " << run.error;
    return ::testing::AssertionSuccess();
}

// Either answer a call may give under concurrency: done, or refused properly.
inline ::testing::AssertionResult DoneOrRefused(const RunResult& run) {
    if (run.ok) return Succeeded(run);
    return RefusedProperly(run);
}

// Sessions of one design database, each logged in as the account named (password = name).
class Sessions {
public:
    Sessions(const ConnectionValues& server, const std::vector<std::string>& accounts) {
        for (const std::string& account : accounts) {
            connections_.push_back(std::make_unique<TestConnection>(server));
            EXPECT_TRUE(connections_.back()->connected()) << connections_.back()->connectError();
            EXPECT_TRUE(connections_.back()->Login(account, account)) << "login as " << account;
        }
    }
    TestConnection& operator[](size_t session) { return *connections_.at(session); }
    size_t size() const { return connections_.size(); }

    // Runs work(session, connection) on every session at once (each on a thread of its own, all released
    // together) and waits for all of them.
    void RunTogether(const std::function<void(size_t, TestConnection&)>& work) {
        std::latch start(static_cast<std::ptrdiff_t>(connections_.size()));
        std::vector<std::thread> threads;
        for (size_t session = 0; session < connections_.size(); ++session)
            threads.emplace_back([&, session] {
                start.arrive_and_wait();
                work(session, *connections_[session]);
            });
        for (std::thread& thread : threads) thread.join();
    }

    // The calls sent together, one per session; their answers in session order.
    std::vector<RunResult> Race(const std::vector<std::string>& calls) {
        std::vector<RunResult> answers(calls.size());
        RunTogether([&](size_t session, TestConnection& db) {
            if (session < calls.size()) answers[session] = db.Run(calls[session]);
        });
        return answers;
    }

private:
    std::vector<std::unique_ptr<TestConnection>> connections_;
};

// The first cell of the administrator's query, without the line end.
inline std::string AdminValue(const std::string& database, const std::string& sql) {
    std::string out = TestDatabase::AdminQuery(database, sql);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
}

}  // namespace tamo::testing::sharing
