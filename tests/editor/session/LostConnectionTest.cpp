// A session whose connection the server ends, or whose server stops answering: the call that meets it fails
// within the wait bound and is never sent again, a connection ended between calls is opened and logged in
// again before the next call (never inside a transaction), and the user is told once.

#include <unistd.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <thread>

#include "ServerProxy.h"
#include "SessionTestSupport.h"

namespace {

using session_test::LoginFor;
using session_test::MessageBoxRecorder;
using tamo::testing::ConnectionValues;
using tamo::testing::ServerProxy;
using tamo::testing::TestDatabase;

const unsigned kBound = 2;
const char* const kReopened = "서버와의 연결이 끊어져 다시 연결하고 로그인했습니다.";

// The slow change runs on the server and keeps the caller waiting past the bound.
ConnectionValues Server() {
    return session_test::ChangedDatabase("session_lost", R"(CREATE TABLE slow_calls (id INT AUTO_INCREMENT PRIMARY KEY);
DELIMITER $$
CREATE PROCEDURE slowChange()
BEGIN
  INSERT INTO slow_calls VALUES ();
  SELECT SLEEP(4) AS test;
END$$
DELIMITER ;
GRANT EXECUTE ON PROCEDURE t_session_lost.slowChange TO 'tamo'@'%';)");
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class LostConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = Server();
        proxy = std::make_unique<ServerProxy>(server.host, server.port);
        db = CMysqlQuery::GetInstance();
        db->Close();
        db = CMysqlQuery::GetInstance();
        db->SetWaitBound(kBound);
        LogIn("admin", "admin");
    }
    void TearDown() override {
        db->Close();
        db->SetWaitBound(tamo::database::WAIT_BOUND_SECONDS);
    }

    void LogIn(const std::string& user, const std::string& password) {
        ConnectionValues viaProxy = server;
        viaProxy.port = proxy->Port();
        db->Close();
        db = CMysqlQuery::GetInstance();
        ASSERT_EQ(db->Connect(LoginFor(viaProxy, user, password)), "");
        boxes.Clear();
    }

    // The account the server takes the session's calls for; empty when the call failed.
    std::string Account() {
        std::vector<account_row> rows;
        if (db->SelectAccountRows("call acountViewUserinfo()", rows) != 0 || rows.size() != 1) return "";
        return rows[0].user_id.str();
    }

    std::string ConnectionId() { return session_test::ConnectionId(*db); }
    std::string Admin(const std::string& sql) { return session_test::AdminValue(server, sql); }

    ConnectionValues server;
    std::unique_ptr<ServerProxy> proxy;
    CMysqlQuery* db = nullptr;
    MessageBoxRecorder boxes;
};

TEST_F(LostConnectionTest, AConnectionEndedBetweenCallsIsOpenedAgainBeforeTheNextCallAndTheUserIsToldOnce) {
    const struct {
        const char* how;
        std::function<void(const std::string& id)> end;
    } ends[] = {
        {"the server closes it", [&](const std::string&) { proxy->CutAll(); }},
        {"another session of the shared account kills it",
         [&](const std::string& id) {
             tamo::testing::TestConnection other(server);
             ASSERT_TRUE(other.Run("KILL " + id).ok);
             // The server closes the killed connection as soon as its thread notices.
             for (int wait = 0; wait < 100 && Admin("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE ID = " +
                                                    id) != "0";
                  ++wait)
                 std::this_thread::sleep_for(std::chrono::milliseconds(20));
         }},
    };
    for (const auto& end : ends) {
        SCOPED_TRACE(end.how);
        const std::string before = ConnectionId();
        ASSERT_NE(before, "");
        end.end(before);
        // The first call after it is a read-ahead of a tree level, then its loaders.
        {
            CMysqlReadAhead ahead({CString("call acountViewUserinfo()"), CString("call acountInfoAccessUser()")});
            EXPECT_EQ(Account(), "admin");
        }
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kReopened});
        const std::string after = ConnectionId();
        EXPECT_NE(after, before);
        EXPECT_NE(after, "");
        EXPECT_EQ(boxes.Texts().size(), 1u);
        boxes.Clear();
    }
}

TEST_F(LostConnectionTest, AServerThatStopsAnsweringEndsTheCallAfterTheBoundAndTheNextCallRecovers) {
    proxy->Pause();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(Account(), "");
    const double waited = SecondsSince(started);
    EXPECT_GE(waited, kBound - 0.1);
    EXPECT_LT(waited, kBound + 2.0);
    EXPECT_EQ(db->GetLastErrorText(), "서버가 2초 동안 응답하지 않아 호출을 멈췄습니다. 다음 호출 때 다시 연결합니다.");
    EXPECT_TRUE(db->LostConnection());

    // While it stays paused, opening the connection again fails after the connect timeout; the calls that follow
    // at once fail with the same text without waiting again.
    const auto reopening = std::chrono::steady_clock::now();
    EXPECT_EQ(Account(), "");
    EXPECT_LT(SecondsSince(reopening), tamo::database::CONNECT_TIMEOUT_SECONDS + 2.0);
    const std::string failedReopen = db->GetLastErrorText();
    EXPECT_EQ(failedReopen.rfind("서버와의 연결이 끊어져 다시 연결하지 못했습니다: ", 0), 0u) << failedReopen;
    const auto again = std::chrono::steady_clock::now();
    EXPECT_EQ(Account(), "");
    EXPECT_LT(SecondsSince(again), 0.5);
    EXPECT_EQ(db->GetLastErrorText(), failedReopen);

    proxy->Resume();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_EQ(Account(), "admin");
    // The failed calls have told the user; opening the connection again says nothing more.
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_FALSE(db->LostConnection());
}

// The server ran the change, but its answer did not come within the bound: the session does not send it again.
TEST_F(LostConnectionTest, ACallThatLostItsConnectionIsNeverSentAgain) {
    const int before = std::stoi(Admin("SELECT COUNT(*) FROM slow_calls"));
    EXPECT_EQ(db->ExecuteProc("call slowChange()"), -1);
    EXPECT_TRUE(db->LostConnection());
    EXPECT_EQ(Account(), "admin");
    EXPECT_EQ(Account(), "admin");
    EXPECT_EQ(std::stoi(Admin("SELECT COUNT(*) FROM slow_calls")), before + 1);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(LostConnectionTest, InsideATransactionALostConnectionIsNotOpenedAgainUntilTheTransactionEnds) {
    const struct {
        const char* end;
        bool commit;
        int result;
    } ends[] = {{"commit", true, -1}, {"rollback", false, 0}};
    for (const auto& end : ends) {
        SCOPED_TRACE(end.end);
        const std::string name = std::string("Lost_in_") + end.end + "_" + std::to_string(std::time(nullptr));
        ASSERT_EQ(db->BeginTransaction(), 0);
        ASSERT_GT(db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "data", 0, name,
                                                0, "1", "")),
                  0)
            << db->GetLastErrorText();
        proxy->CutAll();
        const int accepted = proxy->Accepted();
        for (int call = 0; call < 3; ++call) {
            EXPECT_EQ(Account(), "");
            EXPECT_TRUE(db->LostConnection());
            db->ShowLastError();
        }
        EXPECT_EQ(proxy->Accepted(), accepted);
        EXPECT_EQ(boxes.Texts(),
                  std::vector<std::string>{"서버와의 연결이 끊어졌습니다 (서버가 연결을 닫았습니다). 진행 중이던 작업의 변경은 "
                                           "서버가 모두 되돌렸습니다."});
        EXPECT_EQ(end.commit ? db->CommitTransaction() : db->RollbackTransaction(), end.result);

        EXPECT_EQ(Account(), "admin");
        EXPECT_EQ(proxy->Accepted(), accepted + 1);
        EXPECT_EQ(Admin("SELECT COUNT(*) FROM domain WHERE name = '" + name + "'"), "0");
        EXPECT_EQ(boxes.Texts().size(), 1u);
        boxes.Clear();
    }
}

// A loss found before the COMMIT goes out has undone the work, and the commit says so without sending it. Once
// the COMMIT has reached the server, only its answer could tell whether the work was kept: when that answer is
// lost, the commit says that this is not known, and the server may well hold the change.
TEST_F(LostConnectionTest, ACommitSaysTheWorkWasUndoneOnlyWhenTheLossCameBeforeIt) {
    const struct {
        const char* when;
        std::function<void()> lose;
        const char* text;
        bool outcomeUnknown;
        const char* stored;
    } cases[] = {
        {"the server's answer to the commit is lost", [&] { proxy->PauseAnswers(); },
         "서버가 2초 동안 응답하지 않아 호출을 멈췄습니다. 저장하던 중이어서 진행 중이던 작업이 저장되었는지 알 수 "
         "없습니다. 새로 고침으로 확인해 주세요.",
         true, "1"},
        {"the connection ends before the commit", [&] { proxy->CutAll(); },
         "서버와의 연결이 끊어졌습니다 (서버가 연결을 닫았습니다). 진행 중이던 작업의 변경은 서버가 모두 되돌렸습니다.",
         false, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        const std::string name = "Commit_lost_" + std::to_string(c.outcomeUnknown) + "_" +
                                 std::to_string(std::time(nullptr));
        ASSERT_EQ(db->BeginTransaction(), 0);
        ASSERT_GT(db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "data", 0, name,
                                                0, "1", "")),
                  0)
            << db->GetLastErrorText();
        c.lose();
        const int accepted = proxy->Accepted();
        EXPECT_EQ(db->CommitTransaction(), -1);
        EXPECT_TRUE(db->LostConnection());
        EXPECT_EQ(db->CommitOutcomeUnknown(), c.outcomeUnknown);
        EXPECT_EQ(db->GetLastErrorText(), c.text);
        EXPECT_EQ(Admin("SELECT COUNT(*) FROM domain WHERE name = '" + name + "'"), c.stored);

        // The next call opens the connection again; the failed commit has told the user.
        proxy->Resume();
        EXPECT_EQ(Account(), "admin");
        EXPECT_EQ(proxy->Accepted(), accepted + 1);
        EXPECT_TRUE(boxes.Texts().empty());
    }
}

TEST_F(LostConnectionTest, TheConnectionIsOpenedAgainWithTheAccountsNewPassword) {
    const std::string account = "reopen" + std::to_string(::getpid()) + "_" + std::to_string(std::time(nullptr));
    ASSERT_EQ(db->ExecuteProc(db->FormatCall("call acountlistViewNewAcount('%s','%s','%s')", account, "old", "")), 0);
    LogIn(account, "old");
    ASSERT_EQ(db->ExecuteProc(db->FormatCall("call acountViewEditAcount('%s','%s','%s')", "old", "new", "")), 0);
    db->SetLoginPassword("new");
    proxy->CutAll();
    EXPECT_EQ(Account(), account);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kReopened});
}

}  // namespace
