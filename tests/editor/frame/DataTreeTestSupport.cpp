#include "DataTreeTestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "CLoginValues.h"
#include "CMysqlResult.h"
#include "CWnd.h"
#include "Colleague.h"
#include "EditorResources.h"
#include "SessionLogin.h"
#include "SessionMessageBox.h"

namespace datatree_test {

namespace {

// The session's boxes are the application's boxes, as in the editor, so that the driver answers them.
int ApplicationBox(LPCTSTR text, UINT type) { return AfxMessageBox(text, type); }

}  // namespace

std::string SqlText(const std::string& text) {
    std::string literal = "'";
    for (const char ch : text) {
        if (ch == '\'' || ch == '\\') literal += ch;
        literal += ch;
    }
    return literal + "'";
}

void DataTreeTest::SetUp() {
    std::string error;
    ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
    SetSessionMessageBoxHandler(ApplicationBox);
    m_server = tamo::testing::TestDatabase::Prepare(m_database, true);
    const CLoginValues login = tamo::testing::LoginFor(m_server, "admin", "admin");
    db = CMysqlQuery::GetInstance();
    db->Close();
    db = CMysqlQuery::GetInstance();
    ASSERT_EQ(db->Connect(login), "");
}

void DataTreeTest::TearDown() {
    CMysqlQuery::GetInstance()->Close();
    SetSessionMessageBoxHandler(nullptr);
}

std::string DataTreeTest::UniqueName(const std::string& suffix) const {
    // The process id keeps the names apart when the tests run again against the same server.
    return std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
           std::to_string(::getpid()) + suffix;
}

int DataTreeTest::NewDataDomain(const std::string& name, int parentId) {
    const int id = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "data",
                                                 parentId, name, 0, "1", "test"));
    EXPECT_GT(id, 0) << db->GetLastErrorText();
    return id;
}

void DataTreeTest::Call(const CString& text) {
    EXPECT_EQ(db->ExecuteProc(text), 0) << text.str() << ": " << db->GetLastErrorText();
}

std::vector<std::string> DataTreeTest::AdminRows(const std::string& sql) const {
    std::istringstream text(tamo::testing::TestDatabase::AdminQuery(m_server.database, sql));
    std::vector<std::string> rows;
    for (std::string line; std::getline(text, line);) rows.push_back(line);
    return rows;
}

std::string DataTreeTest::AdminValue(const std::string& sql) const {
    const std::vector<std::string> rows = AdminRows(sql);
    return rows.empty() ? std::string() : rows.front();
}

std::vector<std::string> DataTreeTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : driver.MessageBoxes()) texts.push_back(box.text.str());
    return texts;
}

bool DataTreeTest::Shown(const std::string& text) const {
    const std::vector<std::string> boxes = BoxTexts();
    return std::find(boxes.begin(), boxes.end(), text) != boxes.end();
}

void DataTreeTest::Colleague(const std::string& call) { tamo::testing::RunAsColleague(m_server, {call}); }

int DataTreeTest::Questions() {
    MYSQL_RES* stored = nullptr;
    int count = -1;
    if (db->Query("SHOW SESSION STATUS LIKE 'Questions'") == 0 && db->StoreResult(&stored) == 0) {
        CMysqlResult rows(stored);
        if (rows.FetchRow()) count = rows.GetInt(1);
    }
    db->DrainResults();
    return count;
}

int DataTreeTest::CallsOf(const std::function<void()>& action) {
    const int before = Questions();
    action();
    return Questions() - before - 1;
}

}  // namespace datatree_test
