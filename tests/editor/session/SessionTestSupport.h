#pragma once

// What the session tests share: the login values of the suite's design database, a connected session, and a
// recorder of the session's message boxes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CLoginValues.h"
#include "CMysqlQuery.h"
#include "SessionLogin.h"
#include "SessionMessageBox.h"
#include "TestDatabase.h"

namespace session_test {

// The suite's design database with the sample design (created once per test run).
tamo::testing::ConnectionValues SampleDatabase();

// A design database of the suite (without the sample) that `adminSql` changed once, when it was created.
tamo::testing::ConnectionValues ChangedDatabase(const std::string& name, const std::string& adminSql);

// The seven login values for a design database and the given application account.
using tamo::testing::LoginFor;
// The same for the sample database.
CLoginValues SampleLogin(const std::string& user = "admin", const std::string& password = "admin");

// The server's id of the session's connection; empty when the call failed.
std::string ConnectionId(CMysqlQuery& db);

// The answer of a query run as the server's administrator in the database, without its last line end.
std::string AdminValue(const tamo::testing::ConnectionValues& server, const std::string& sql);

// Records the texts of the session's message boxes while it lives (and answers them with IDOK).
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<std::string>& Texts() const;
    void Clear();

private:
    SessionMessageBoxHandler previous_;
};

// A test whose session is logged in to the sample database as admin; closed again after the test.
class SessionTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CMysqlQuery* db = nullptr;
    MessageBoxRecorder boxes;
};

}  // namespace session_test
