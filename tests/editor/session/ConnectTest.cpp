// Connecting and logging the application account in, against the real server.

#include "SessionTestSupport.h"

namespace {

using session_test::LoginFor;
using session_test::SampleLogin;

class ConnectTest : public ::testing::Test {
protected:
    void SetUp() override {
        CMysqlQuery::GetInstance()->Close();
        db = CMysqlQuery::GetInstance();
    }
    void TearDown() override { CMysqlQuery::GetInstance()->Close(); }

    // The account the server reports for the session's login.
    std::string LoggedInAccount() {
        std::vector<account_row> rows;
        if (db->SelectAccountRows("call acountViewUserinfo()", rows) != 0 || rows.size() != 1) return "";
        return rows[0].user_id.str();
    }

    CMysqlQuery* db = nullptr;
};

TEST_F(ConnectTest, LogsTheApplicationAccountIn) {
    EXPECT_EQ(db->Connect(SampleLogin("user", "user")), "");
    EXPECT_TRUE(db->IsConnected());
    EXPECT_EQ(db->GetLoginUser(), "user");
    EXPECT_EQ(LoggedInAccount(), "user");
    std::vector<std::string> charset;
    ASSERT_EQ(db->SelectClassNameList("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT @@character_set_client; END",
                                      charset),
              0);
    EXPECT_EQ(charset, std::vector<std::string>{"utf8mb4"});
}

// A refused login leaves the logged-in user as it was, whatever ran before in the process.
TEST_F(ConnectTest, ARefusedApplicationLoginCanBeRetried) {
    ASSERT_EQ(db->Connect(SampleLogin("user", "user")), "");
    db->Close();
    db = CMysqlQuery::GetInstance();
    EXPECT_EQ(db->Connect(SampleLogin("admin", "wrong")), "보안 통과 실패");
    EXPECT_FALSE(db->IsConnected());
    EXPECT_EQ(db->GetLoginUser(), "user");
    EXPECT_EQ(db->Connect(SampleLogin("admin", "admin")), "");
    EXPECT_EQ(db->GetLoginUser(), "admin");
    EXPECT_EQ(LoggedInAccount(), "admin");
}

TEST_F(ConnectTest, ARefusedDatabaseAccountGivesTheLibrarysTextAndCanBeRetried) {
    CLoginValues login = SampleLogin();
    login.SetField(LOGIN_DB_PASSWORD, "not the password");
    const CString error = db->Connect(login);
    EXPECT_NE(error.Find("Access denied"), -1) << error.GetString();
    EXPECT_FALSE(db->IsConnected());
    EXPECT_EQ(db->Connect(SampleLogin()), "");
    EXPECT_EQ(LoggedInAccount(), "admin");
}

TEST_F(ConnectTest, TheApplicationAccountIsSentAsData) {
    EXPECT_EQ(db->Connect(SampleLogin("admin' -- ", "x")), "보안 통과 실패");
    EXPECT_EQ(db->Connect(SampleLogin("admin", "' OR '1'='1")), "보안 통과 실패");

    // An account whose name and password hold quotes and backslashes logs in with exactly those texts.
    const std::string name = "o'brien\\김";
    const std::string password = "pa'ss\\word 비밀";
    ASSERT_EQ(db->Connect(SampleLogin()), "");
    db->ExecuteProc(db->FormatCall("call acountlistViewNewAcount('%s','%s','%s')", name, password, "설명"));
    db->Close();
    EXPECT_EQ(db->Connect(SampleLogin(name, password)), "");
    EXPECT_EQ(LoggedInAccount(), name);
}

TEST_F(ConnectTest, OnlyALoginAnswerOfExactlyOneIsAccepted) {
    // Here loginResult answers what the password says, so every answer can be tried.
    const auto server = session_test::ChangedDatabase("session_login", R"(DELIMITER $$
CREATE OR REPLACE PROCEDURE loginResult()
BEGIN
  IF @tamopassword = 'none' THEN DO 0;
  ELSEIF @tamopassword = 'null' THEN SELECT NULL AS test;
  ELSEIF @tamopassword = 'no row' THEN SELECT 1 AS test FROM DUAL WHERE 0;
  ELSE SELECT @tamopassword AS test;
  END IF;
END$$
DELIMITER ;)");
    const struct {
        const char* answer;
        bool accepted;
    } answers[] = {{"1", true},      {"7", false},     {"0", false},    {"-3", false}, {"abc", false},
                   {"null", false},  {"none", false},  {"no row", false}, {"01", true}};
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.answer);
        const CString error = db->Connect(LoginFor(server, "admin", answer.answer));
        EXPECT_EQ(error, answer.accepted ? "" : "보안 통과 실패");
        EXPECT_EQ(db->IsConnected(), answer.accepted);
        db->Close();
    }
}

TEST_F(ConnectTest, AServerWithoutTheLoginProcedureGivesTheServersText) {
    const auto server = session_test::ChangedDatabase("session_bare", "DROP PROCEDURE loginResult");
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(db->Connect(LoginFor(server, "admin", "admin")),
                  "execute command denied to user 'tamo'@'%' for routine 't_session_bare.loginResult'");
        EXPECT_FALSE(db->IsConnected());
    }
}

TEST_F(ConnectTest, CloseLeavesAFreshUnconnectedBlock) {
    ASSERT_EQ(db->Connect(SampleLogin()), "");
    db->Close();
    db->Close();
    EXPECT_EQ(db->GetConnection(), nullptr);
    EXPECT_EQ(CMysqlQuery::GetInstance(), db);
    EXPECT_NE(db->GetConnection(), nullptr);
    EXPECT_FALSE(db->IsConnected());
    EXPECT_EQ(db->Connect(SampleLogin()), "");
}

}  // namespace
