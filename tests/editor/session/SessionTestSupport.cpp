#include <gtest/gtest.h>

#include "SessionTestSupport.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

#include "WinUser.h"

namespace session_test {

namespace {

std::vector<std::string>& RecordedTexts() {
    static std::vector<std::string> texts;
    return texts;
}

int RecordMessageBox(LPCTSTR text, UINT) {
    RecordedTexts().emplace_back(text ? text : "");
    return IDOK;
}

}  // namespace

tamo::testing::ConnectionValues SampleDatabase() { return tamo::testing::TestDatabase::Prepare("session", true); }

tamo::testing::ConnectionValues ChangedDatabase(const std::string& name, const std::string& adminSql) {
    using tamo::testing::TestDatabase;
    const tamo::testing::ConnectionValues server = TestDatabase::Prepare(name, false);
    // The change is made once per run, by whichever test process gets here first.
    const std::string marker = TestDatabase::ServerDir() + "/" + server.database + ".changed";
    const int fd = open((marker + ".lock").c_str(), O_CREAT | O_RDWR, 0600);
    if (fd < 0 || flock(fd, LOCK_EX) != 0) throw std::runtime_error("cannot lock " + marker);
    if (access(marker.c_str(), F_OK) != 0) {
        TestDatabase::AdminQuery(server.database, adminSql);
        std::ofstream(marker) << "changed\n";
    }
    flock(fd, LOCK_UN);
    close(fd);
    return server;
}

CLoginValues SampleLogin(const std::string& user, const std::string& password) {
    return LoginFor(SampleDatabase(), user, password);
}

std::string ConnectionId(CMysqlQuery& db) {
    std::vector<std::string> id;
    if (db.SelectClassNameList("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT CONNECTION_ID(); END", id) != 0 ||
        id.empty())
        return "";
    return id.front();
}

std::string AdminValue(const tamo::testing::ConnectionValues& server, const std::string& sql) {
    std::string value = tamo::testing::TestDatabase::AdminQuery(server.database, sql);
    while (!value.empty() && value.back() == '\n') value.pop_back();
    return value;
}

MessageBoxRecorder::MessageBoxRecorder() : previous_(SetSessionMessageBoxHandler(RecordMessageBox)) {
    RecordedTexts().clear();
}

MessageBoxRecorder::~MessageBoxRecorder() { SetSessionMessageBoxHandler(previous_); }

const std::vector<std::string>& MessageBoxRecorder::Texts() const { return RecordedTexts(); }

void MessageBoxRecorder::Clear() { RecordedTexts().clear(); }

void SessionTest::SetUp() {
    db = CMysqlQuery::GetInstance();
    db->Close();
    db = CMysqlQuery::GetInstance();
    const CString error = db->Connect(SampleLogin());
    ASSERT_TRUE(error.IsEmpty()) << error.GetString();
}

void SessionTest::TearDown() { CMysqlQuery::GetInstance()->Close(); }

}  // namespace session_test
