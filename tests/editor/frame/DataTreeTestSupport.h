#pragma once

// What the data tree's tests share: the editor's session logged in to a design database of the test server
// (with the sample design), the platform's test driver, the editor's resources, and a few ways to set up and
// look at data through the procedures and as the server's administrator.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "TestDatabase.h"
#include "TestDriver.h"

namespace datatree_test {

// The text as an SQL string literal.
std::string SqlText(const std::string& text);

class DataTreeTest : public ::testing::Test {
protected:
    // `database`: the design database of the suite (created with the sample once per run).
    explicit DataTreeTest(std::string database) : m_database(std::move(database)) {}

    void SetUp() override;
    void TearDown() override;

    // A name no other test uses: the test's name, the process id and the suffix (a suite shares its database).
    std::string UniqueName(const std::string& suffix = "") const;

    // Changes through the procedures, as admin; a failure fails the test.
    int NewDataDomain(const std::string& name, int parentId = 0);
    void Call(const CString& text);
    // The rows of a query run as the server's administrator in the suite's database (tab-separated cells).
    std::vector<std::string> AdminRows(const std::string& sql) const;
    std::string AdminValue(const std::string& sql) const;

    // The texts of the message boxes shown so far, and whether one of them is the text.
    std::vector<std::string> BoxTexts() const;
    bool Shown(const std::string& text) const;

    // Runs the call as another engineer on the same design, in a session of their own; a failure fails the test.
    void Colleague(const std::string& call);

    // The statements the session has sent so far (the server's own count, including this question).
    int Questions();
    // The statements that `action` sent.
    int CallsOf(const std::function<void()>& action);

    tamo::testing::ConnectionValues m_server;
    CMysqlQuery* db = nullptr;
    tamo::platform::TestDriver driver;

private:
    std::string m_database;
};

}  // namespace datatree_test
