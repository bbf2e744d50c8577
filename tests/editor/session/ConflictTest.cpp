// A call that loses a conflict with another session's change: the user reads the conflict refusal, never the
// server's words; a call that the server undid whole outside the caller's transaction is sent again a few times
// first; inside a transaction the whole unit is refused, and no call of it is sent any more until it ends.
//
// The server answers here as a cluster answers a change that lost: conflictedChange fails the way the plan says
// as long as failures remain, else makes its change. The plan and its count of sends are kept in a table that no
// rollback undoes.

#include <string>
#include <vector>

#include "SessionTestSupport.h"

namespace {

using session_test::LoginFor;
using tamo::testing::ConnectionValues;

const std::string kConflict = "다른 사용자의 변경과 겹쳐 처리하지 못했습니다. 다시 해 주세요.";
const std::string kWholeUnitUndone = kConflict + " 진행 중이던 작업의 변경은 서버가 모두 되돌렸습니다.";

ConnectionValues Server(const std::string& name) {
    return session_test::ChangedDatabase(name, R"(CREATE TABLE conflict_plan (how VARCHAR(16) NOT NULL,
  failures INT NOT NULL, sends INT NOT NULL DEFAULT 0) ENGINE=MyISAM;
INSERT INTO conflict_plan (how, failures) VALUES ('none', 0);
CREATE TABLE conflict_rows (id INT AUTO_INCREMENT PRIMARY KEY);
DELIMITER $$
CREATE PROCEDURE conflictedChange(p_new_id TINYINT)
BEGIN
  DECLARE v_how VARCHAR(16);
  DECLARE v_failures INT;
  UPDATE conflict_plan SET sends = sends + 1;
  SELECT how, failures INTO v_how, v_failures FROM conflict_plan;
  IF v_failures > 0 THEN
    UPDATE conflict_plan SET failures = failures - 1;
    CASE v_how
      -- What the client meets when the cluster replaces the call's whole answer.
      WHEN 'deadlock' THEN SIGNAL SQLSTATE '40001'
        SET MYSQL_ERRNO = 1213, MESSAGE_TEXT = 'Deadlock found when trying to get lock; try restarting transaction';
      WHEN 'interrupted' THEN SIGNAL SQLSTATE '70100'
        SET MYSQL_ERRNO = 1317, MESSAGE_TEXT = 'Query execution was interrupted';
      WHEN 'lock wait' THEN SIGNAL SQLSTATE 'HY000'
        SET MYSQL_ERRNO = 1205, MESSAGE_TEXT = 'Lock wait timeout exceeded; try restarting transaction';
      -- What a procedure's handler answers for such a loss.
      ELSE CALL refuse_conflict(0);
    END CASE;
  END IF;
  INSERT INTO conflict_rows VALUES ();
  SELECT 1 AS test;
  IF p_new_id THEN
    SELECT LAST_INSERT_ID() AS id;
  END IF;
END$$
DELIMITER ;
GRANT EXECUTE ON PROCEDURE t_)" + name + R"(.conflictedChange TO 'tamo'@'%';)");
}

class ConflictTest : public ::testing::Test {
protected:
    void Open(const std::string& name) {
        server = Server(name);
        db = CMysqlQuery::GetInstance();
        db->Close();
        db = CMysqlQuery::GetInstance();
        ASSERT_EQ(db->Connect(LoginFor(server, "admin", "admin")), "");
    }
    void TearDown() override {
        if (db) db->Close();
    }

    void Plan(const std::string& how, int failures) {
        Admin("UPDATE conflict_plan SET how = '" + how + "', failures = " + std::to_string(failures) + ", sends = 0");
    }
    int Sends() { return std::stoi(Admin("SELECT sends FROM conflict_plan")); }
    int Rows() { return std::stoi(Admin("SELECT COUNT(*) FROM conflict_rows")); }
    std::string Admin(const std::string& sql) { return session_test::AdminValue(server, sql); }

    ConnectionValues server;
    CMysqlQuery* db = nullptr;
    session_test::MessageBoxRecorder boxes;
};

TEST_F(ConflictTest, ACallUndoneWholeIsSentAgainBeforeItIsRefusedInKorean) {
    Open("session_conflict");
    const int resends = static_cast<int>(CMysqlQuery::CONFLICT_RESENDS);
    const struct {
        const char* how;
        int failures;
        bool succeeds;
        int sends;
    } cases[] = {
        {"deadlock", 1, true, 2},
        {"deadlock", resends, true, resends + 1},
        {"deadlock", resends + 1, false, resends + 1},
        {"interrupted", 2, true, 3},
        {"refusal", 1, true, 2},
        {"refusal", 50, false, resends + 1},
        // The other session's transaction still holds the row after the whole lock wait: not sent again.
        {"lock wait", 1, false, 1},
    };
    const struct {
        const char* runner;
        bool (*run)(CMysqlQuery&);
    } runners[] = {
        {"ExecuteProc", [](CMysqlQuery& db) { return db.ExecuteProc("call conflictedChange(0)") == 0; }},
        {"QueryNewId", [](CMysqlQuery& db) { return db.QueryNewId("call conflictedChange(1)") > 0; }},
    };
    for (const auto& runner : runners) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(runner.runner) + ", " + c.how + " " + std::to_string(c.failures));
            Plan(c.how, c.failures);
            const int rowsBefore = Rows();
            EXPECT_EQ(runner.run(*db), c.succeeds);
            EXPECT_EQ(Sends(), c.sends);
            EXPECT_EQ(Rows(), rowsBefore + (c.succeeds ? 1 : 0));
            if (!c.succeeds) {
                EXPECT_EQ(db->GetLastErrorText(), kConflict);
            }
        }
    }
    // The session goes on as before.
    Plan("none", 0);
    EXPECT_EQ(db->ExecuteProc("call conflictedChange(0)"), 0);
    EXPECT_EQ(Sends(), 1);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ConflictTest, InsideATransactionTheWholeUnitIsRefusedAndNothingMoreOfItIsSent) {
    Open("session_conflict_unit");
    for (const char* how : {"deadlock", "refusal"}) {
        SCOPED_TRACE(how);
        const int rowsBefore = Rows();
        Plan("none", 0);
        ASSERT_EQ(db->BeginTransaction(), 0);
        ASSERT_EQ(db->ExecuteProc("call conflictedChange(0)"), 0);
        Plan(how, 1);
        EXPECT_NE(db->ExecuteProc("call conflictedChange(0)"), 0);
        EXPECT_EQ(db->GetLastErrorText(), kWholeUnitUndone);
        EXPECT_EQ(Sends(), 1);
        // The rest of the unit is refused without being sent, and so is its commit.
        EXPECT_EQ(db->QueryNewId("call conflictedChange(1)"), -1);
        EXPECT_EQ(db->GetLastErrorText(), kWholeUnitUndone);
        EXPECT_EQ(Sends(), 1);
        EXPECT_NE(db->CommitTransaction(), 0);
        EXPECT_EQ(db->GetLastErrorText(), kWholeUnitUndone);
        EXPECT_EQ(Rows(), rowsBefore);
        // After the unit the session works as before.
        Plan("none", 0);
        EXPECT_EQ(db->ExecuteProc("call conflictedChange(0)"), 0);
        EXPECT_EQ(Rows(), rowsBefore + 1);
    }
    // A rollback ends a refused unit as well, and succeeds.
    Plan("deadlock", 1);
    ASSERT_EQ(db->BeginTransaction(), 0);
    EXPECT_NE(db->ExecuteProc("call conflictedChange(0)"), 0);
    EXPECT_EQ(db->RollbackTransaction(), 0);
    EXPECT_EQ(db->ExecuteProc("call conflictedChange(0)"), 0);
}

}  // namespace
