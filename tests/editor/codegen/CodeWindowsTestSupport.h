#pragma once

// What the tests of the code generation windows share: the editor's session logged in as admin to a design
// database of the test server with the sample design, the generators' message boxes shown as the application's
// boxes (as in the editor, so that the platform's test driver answers and records them), the editor's resources,
// and the golden files of the sample design.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "TestDatabase.h"
#include "TestDriver.h"

namespace tamo::codegen::testing {

class CodeWindowsTest : public ::testing::Test {
protected:
    // `database`: the design database of the suite, created with the sample once per run.
    explicit CodeWindowsTest(std::string database) : m_database(std::move(database)) {}

    void SetUp() override;
    void TearDown() override;

    // A fresh folder of this test process.
    std::string Folder(const std::string& name) const;
    // The texts of the message boxes shown so far, from the `from`th on.
    std::vector<std::string> BoxTexts(std::size_t from = 0) const;
    // A query run as the server's administrator in the suite's database; its first cell.
    std::string AdminValue(const std::string& sql) const;

    CMysqlQuery* db = nullptr;
    tamo::platform::TestDriver driver;
    tamo::testing::ConnectionValues m_server;  // of the suite's design database, for a second session

private:
    std::string m_database;
};

// A golden file of the sample design ("sample/data_2.h.txt"), read, never written.
std::string SampleGolden(const std::string& name);

// Every line feed turned into a carriage return and line feed, as a multi-line edit control shows the text.
std::string WithCrLf(const std::string& text);

// The files below a folder, as paths relative to it, sorted.
std::vector<std::string> FilesBelow(const std::string& folder);

}  // namespace tamo::codegen::testing
