#pragma once

// What the account dialogs' tests share: the session logged in to the suite's design database (with the
// sample), the platform's test driver, the editor's resources, an application whose login loop is counted,
// and ways to look at the server's data.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CListCtrl.h"
#include "CMysqlQuery.h"
#include "TestDatabase.h"
#include "TestDriver.h"

namespace account_test {

class AccountDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Connects the session as the application account.
    void LogIn(const std::string& user, const std::string& password);
    // A new application account made by admin.
    void NewAccount(const std::string& user, const std::string& password, const std::string& description = "");
    std::string AdminValue(const std::string& sql) const;

    // The texts of a list control's column, top to bottom.
    static std::vector<std::string> Column(CListCtrl& list, int column);
    // The row of a list control that holds the text in column 0; -1 for none.
    static int RowOf(CListCtrl& list, const std::string& text);
    // The texts of the message boxes shown so far, and whether each had an owner window.
    std::vector<std::string> BoxTexts() const;
    std::vector<bool> BoxOwners() const;
    // How often the application's login loop ran.
    static int LoginLoops();

    tamo::testing::ConnectionValues m_server;
    CMysqlQuery* db = nullptr;
    tamo::platform::TestDriver driver;
};

}  // namespace account_test
