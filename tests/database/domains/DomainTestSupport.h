#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TestDatabase.h"

namespace tamo::testing {

// What a procedure call answered, judged by the conventions of the design database.
inline std::string CellText(const RunResult& run, size_t set, size_t row, size_t column) {
    if (set >= run.sets.size() || row >= run.sets[set].rows.size() || column >= run.sets[set].rows[row].size())
        return "<missing>";
    return run.sets[set].rows[row][column].value_or("<NULL>");
}

// Success: the status set with test = 1 first, no error.
inline ::testing::AssertionResult Succeeded(const RunResult& run) {
    if (!run.ok) return ::testing::AssertionFailure() << "failed: " << run.error;
    if (run.sets.empty() || run.sets[0].keys != std::vector<std::string>{"test"})
        return ::testing::AssertionFailure() << "no status set";
    if (CellText(run, 0, 0, 0) != "1") return ::testing::AssertionFailure() << "status " << CellText(run, 0, 0, 0);
    return ::testing::AssertionSuccess();
}

// A refusal: exactly the status set with test = 0, then the server's error carrying the message.
inline ::testing::AssertionResult Refused(const RunResult& run, const std::string& message) {
    if (run.ok) return ::testing::AssertionFailure() << "was not refused";
    if (run.sets.size() != 1 || run.sets[0].keys != std::vector<std::string>{"test"} || CellText(run, 0, 0, 0) != "0")
        return ::testing::AssertionFailure() << "refused without the status row 0: " << run.error;
    if (run.error.find(message) == std::string::npos)
        return ::testing::AssertionFailure() << "refused with \"" << run.error << "\", expected \"" << message << "\"";
    return ::testing::AssertionSuccess();
}

// Logs in; the sample's accounts and those the tests make have their own name as password.
inline void LoginAs(TestConnection& db, const std::string& user) {
    ASSERT_TRUE(db.connected()) << db.connectError();
    ASSERT_TRUE(db.Login(user, user)) << "login as " << user;
}

// The id that domainViewNewDomain answered, or -1.
inline int NewDomainId(const RunResult& run) {
    if (!Succeeded(run) || run.sets.size() != 2 || run.sets[1].rows.size() != 1) return -1;
    return std::stoi(CellText(run, 1, 0, 0));
}

}  // namespace tamo::testing
