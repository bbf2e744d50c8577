#include "DocumentsDatabaseTest.h"

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "DomainListTestSupport.h"
#include "SessionLogin.h"
#include "SessionMessageBox.h"

namespace documents_test {

void DocumentsDatabaseTest::SetUp() {
    m_server = tamo::testing::TestDatabase::Prepare(m_database, true);
    RecordedBoxes().clear();
    SetSessionMessageBoxHandler(RecordSessionBox);
    db = CMysqlQuery::GetInstance();
    db->Close();
    db = CMysqlQuery::GetInstance();
    ASSERT_EQ(db->Connect(tamo::testing::LoginFor(m_server, "admin", "admin")), "");

    m_folder = (std::filesystem::temp_directory_path() /
                ("tamo-documents-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                   .string();
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
}

void DocumentsDatabaseTest::TearDown() {
    CMysqlQuery::GetInstance()->Close();
    SetSessionMessageBoxHandler(nullptr);
    std::filesystem::remove_all(m_folder);
}

std::string DocumentsDatabaseTest::FilePath(const std::string& name) const { return m_folder + "/" + name; }

std::string DocumentsDatabaseTest::Export(int domainId, const std::string& domainPath) {
    class_xmldocumentdata data;
    data.m_strExportPath = FilePath("export-" + std::to_string(domainId) + ".xml");
    data.m_strDomainPath = domainPath;
    data.load_methoddomain(domainId);
    const int result = data.export_xmldocument();
    data.clear_export_lists();
    EXPECT_EQ(result, 0);
    return result == 0 ? ReadFile(data.m_strExportPath) : std::string();
}

int DocumentsDatabaseTest::Import(const std::string& text, int mode) {
    class_xmldocumentdata data;
    data.m_strImportPath = FilePath("import.xml");
    WriteFile(data.m_strImportPath, text);
    data.m_nMode = mode;
    int result = data.load_xmlfile();
    if (result == 0) {
        data.parse_xmldocument();
        result = data.import_database();
    }
    data.clear_import_lists();
    EXPECT_EQ(data.m_nMode, 0);
    EXPECT_TRUE(data.m_export.method_domains.empty() && data.m_export.data_items.empty());
    return result;
}

std::vector<std::string> DocumentsDatabaseTest::AdminRows(const std::string& sql) const {
    std::istringstream text(tamo::testing::TestDatabase::AdminQuery(m_server.database, sql));
    std::vector<std::string> rows;
    for (std::string line; std::getline(text, line);) rows.push_back(line);
    return rows;
}

std::string DocumentsDatabaseTest::AdminValue(const std::string& sql) const {
    const std::vector<std::string> rows = AdminRows(sql);
    return rows.empty() ? std::string() : rows.front();
}

std::string DocumentsDatabaseTest::DesignSnapshot() const {
    return tamo::testing::TestDatabase::AdminQuery(
        m_server.database,
        "SELECT * FROM domain ORDER BY id; SELECT * FROM domain_member ORDER BY domain_id, user_id;"
        "SELECT * FROM domain_parent ORDER BY 1, 2, 3; SELECT * FROM data_item ORDER BY id;"
        "SELECT * FROM data_field ORDER BY id; SELECT * FROM method ORDER BY id;"
        "SELECT * FROM method_interface ORDER BY id; SELECT * FROM interface_member ORDER BY seq;"
        "SELECT * FROM interface_parent ORDER BY seq; SELECT * FROM component_class ORDER BY 1");
}

std::vector<std::string> DocumentsDatabaseTest::Boxes() const { return RecordedBoxes(); }

void DocumentsDatabaseTest::ClearBoxes() { RecordedBoxes().clear(); }

}  // namespace documents_test
