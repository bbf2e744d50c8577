#pragma once

// What the tests against the test server share: the editor's session logged in as admin to a design database
// of the suite (with the sample design), a recorder of the session's message boxes, the export and the import
// through class_xmldocumentdata as the controller runs them, and looks past the procedures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "TestDatabase.h"
#include "class_xmldocumentdata.h"

namespace documents_test {

class DocumentsDatabaseTest : public ::testing::Test {
protected:
    // `database`: the suite's design database (created with the sample once per run). Tests that change the
    // design use databases of their own, so that parallel tests never see each other's changes.
    explicit DocumentsDatabaseTest(std::string database) : m_database(std::move(database)) {}

    void SetUp() override;
    void TearDown() override;

    // The document of the method domain as the export writes it ("" when it was not written).
    std::string Export(int domainId, const std::string& domainPath = "");
    // Writes the text to a file and imports it in the mode: the result import_database answered, or -1 when
    // the file did not load.
    int Import(const std::string& text, int mode);

    // A file in the test's own folder.
    std::string FilePath(const std::string& name) const;

    // Rows of a query run as the server's administrator in the suite's database (tab-separated cells).
    std::vector<std::string> AdminRows(const std::string& sql) const;
    std::string AdminValue(const std::string& sql) const;
    // Every row of the tables that hold domains, data and methods, for comparing whole states.
    std::string DesignSnapshot() const;

    // The texts of the session's message boxes since the test began.
    std::vector<std::string> Boxes() const;
    void ClearBoxes();

    tamo::testing::ConnectionValues m_server;
    CMysqlQuery* db = nullptr;

private:
    std::string m_database;
    std::string m_folder;
};

}  // namespace documents_test
