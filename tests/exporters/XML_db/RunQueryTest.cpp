// The statement runner, the login and the connection against the test server, with procedures of the test's
// own making beside the design database's.
#include <gtest/gtest.h>

#include <string>

#include "ExportError.h"
#include "ScriptedDb.h"
#include "TestDatabase.h"
#include "XML_db_core.h"

using tamo::exporters::ExportError;
using tamo::exporters::KeyStyle;
using tamo::exporters::ResultSets;
using tamo::exporters::XML_db_core;
using tamo::exporters::testing::ErrorOf;
using tamo::testing::ConnectionValues;
using tamo::testing::TestDatabase;

namespace {

const char* const database_name = "t_xml_db_core";

// A design database (with its administrator admin/admin), and a few procedures that show the runner's cases.
// Safe to run from several test processes at once: everything is created only when missing.
ConnectionValues Database() {
    ConnectionValues values = TestDatabase::Prepare("xml_db_core", false);
    TestDatabase::AdminQuery(database_name, R"(
CREATE TABLE IF NOT EXISTS t_plain (id INT PRIMARY KEY, name VARCHAR(40) NOT NULL, note VARCHAR(40))
  DEFAULT CHARSET=utf8mb4;
INSERT IGNORE INTO t_plain VALUES (1, 'one', NULL), (2, '둘', 'second');
DELIMITER $$
CREATE PROCEDURE IF NOT EXISTS t_two_sets()
BEGIN
  SELECT 1 AS test;
  SELECT a.id, a.name, a.note FROM t_plain a ORDER BY a.id;
  SELECT t_plain.name FROM t_plain ORDER BY t_plain.id;
END$$
CREATE PROCEDURE IF NOT EXISTS t_same_names()
BEGIN
  SELECT 1 AS test;
  SELECT a.name, b.name FROM t_plain a JOIN t_plain b ON b.id = a.id + 1;
END$$
CREATE PROCEDURE IF NOT EXISTS t_late_failure()
BEGIN
  SELECT 1 AS test;
  SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '늦은 거절';
END$$
-- What a cluster answers for a call that lost a conflict: its own error in place of the call's answer, or after
-- the status set.
CREATE PROCEDURE IF NOT EXISTS t_lost_conflict(p_late TINYINT)
BEGIN
  IF p_late THEN
    SELECT 1 AS test;
  END IF;
  SIGNAL SQLSTATE '40001'
    SET MYSQL_ERRNO = 1213, MESSAGE_TEXT = 'Deadlock found when trying to get lock; try restarting transaction';
END$$
DELIMITER ;
)");
    // The database account runs only the programs' procedures; these it may run as well.
    for (const char* procedure : {"t_two_sets", "t_same_names", "t_late_failure", "t_lost_conflict"})
        TestDatabase::GrantExecute(database_name, procedure);
    return values;
}

class Connected : public XML_db_core {
public:
    explicit Connected(KeyStyle keys = KeyStyle::table_and_field) : XML_db_core(keys) {
        const ConnectionValues values = Database();
        const char* error = connect(values.host, std::to_string(values.port), values.database, values.user,
                                    values.password);
        EXPECT_EQ(error, nullptr) << error;
    }
};

TEST(RunQuery, AProcedureAnswersItsStatusSetAndEveryDataSet) {
    Connected db;
    ResultSets results;
    ASSERT_EQ(db.query(results, "call t_two_sets()"), nullptr);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_TRUE(results.status_ok());
    EXPECT_EQ(results.set(1).row_count(), 2u);
    EXPECT_EQ(results.set(1).cell("a.name", 1), "둘");
    EXPECT_EQ(results.set(1).cell("a.note", 0), "(null)");
    EXPECT_EQ(results.set(1).cell("a.note", 1), "second");
    EXPECT_EQ(results.set(2).cell("t_plain.name", 0), "one");
    EXPECT_EQ(results.set(0).cell("test", 0), "1");
}

TEST(RunQuery, AnAssignmentAnswersNoSet) {
    Connected db;
    ResultSets results;
    ASSERT_EQ(db.query(results, "call t_two_sets()"), nullptr);
    ASSERT_EQ(db.query(results, "Set @tamouser='admin'"), nullptr);
    EXPECT_TRUE(results.empty());
}

TEST(RunQuery, AFailedStatementLeavesTheResultsAsTheyWere) {
    Connected db;
    ResultSets results;
    ASSERT_EQ(db.query(results, "call t_two_sets()"), nullptr);
    const char* error = db.query(results, "call no_such_procedure()");
    ASSERT_NE(error, nullptr);
    EXPECT_NE(std::string(error).find("no_such_procedure"), std::string::npos) << error;
    EXPECT_EQ(results.size(), 3u);
    // The connection stays usable.
    EXPECT_EQ(db.query(results, "call t_two_sets()"), nullptr);
}

TEST(RunQuery, AnErrorAfterTheStatusSetFailsTheStatementWithTheServersText) {
    Connected db;
    ResultSets results;
    const char* error = db.query(results, "call t_late_failure()");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(std::string(error), "늦은 거절");
    EXPECT_EQ(db.query(results, "call t_two_sets()"), nullptr);
    EXPECT_EQ(results.size(), 3u);
}

// A failure asked again in the run is answered from the run's answers as the server answered it: a refusal with
// the status set it sent before its reason, a failed send with the caller's results left as they were.
TEST(RunQuery, AFailureAskedAgainAnswersWhatItAnsweredTheFirstTime) {
    Connected db;
    for (const char* call : {"call t_late_failure()", "call no_such_procedure()"}) {
        SCOPED_TRACE(call);
        std::string errors[2];
        std::string statuses[2];
        std::size_t sets[2] = {};
        for (int ask = 0; ask < 2; ++ask) {
            ResultSets results;
            ASSERT_EQ(db.query(results, "call t_two_sets()"), nullptr);
            const char* error = db.query(results, call);
            ASSERT_NE(error, nullptr);
            errors[ask] = error;
            sets[ask] = results.size();
            statuses[ask] = results.set(0).cell("test", 0);
        }
        EXPECT_EQ(errors[1], errors[0]);
        EXPECT_EQ(sets[1], sets[0]);
        EXPECT_EQ(statuses[1], statuses[0]);
    }
    // The refusal answered its status set, the failed send left the three sets of t_two_sets.
    ResultSets results;
    EXPECT_STREQ(db.query(results, "call t_late_failure()"), "늦은 거절");
    EXPECT_EQ(results.size(), 1u);
    ASSERT_EQ(db.query(results, "call t_two_sets()"), nullptr);
    EXPECT_NE(db.query(results, "call no_such_procedure()"), nullptr);
    EXPECT_EQ(results.size(), 3u);
}

TEST(RunQuery, ACallThatLostAConflictFailsWithTheConflictRefusalNotTheServersWords) {
    Connected db;
    ResultSets results;
    for (const char* call : {"call t_lost_conflict(0)", "call t_lost_conflict(1)"}) {
        SCOPED_TRACE(call);
        const char* error = db.query(results, call);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(std::string(error), "다른 사용자의 변경과 겹쳐 처리하지 못했습니다. 다시 해 주세요.");
    }
    EXPECT_EQ(db.query(results, "call t_two_sets()"), nullptr);
}

TEST(RunQuery, BareKeysShareOneColumnWhereNamesMeet) {
    Connected keyed;
    ResultSets results;
    ASSERT_EQ(keyed.query(results, "call t_same_names()"), nullptr);
    EXPECT_EQ(results.set(1).cell("a.name", 0), "one");
    EXPECT_EQ(results.set(1).cell("b.name", 0), "둘");

    Connected bare(KeyStyle::bare_field);
    ASSERT_EQ(bare.query(results, "call t_same_names()"), nullptr);
    EXPECT_EQ(results.set(1).columns().size(), 1u);
    EXPECT_EQ(results.set(1).cell("name", 0), "둘");
    ASSERT_EQ(bare.query(results, "call t_two_sets()"), nullptr);
    EXPECT_EQ(results.set(1).cell("name", 1), "둘");
}

TEST(RunQuery, QuotedTextsReachTheServerUnchanged) {
    Connected db;
    const std::vector<std::string> texts = {"o'brien", "back\\slash", "''; call t_late_failure(); --",
                                            "장치 \"상태\" 😀", std::string("nul\0byte", 8)};
    for (const std::string& text : texts) {
        ResultSets results;
        ASSERT_EQ(db.query(results, "Set @echo=" + db.quoted(text) + "; SELECT HEX(@echo) AS hex"), nullptr) << text;
        std::string hex;
        for (unsigned char c : text) {
            const char digits[] = "0123456789ABCDEF";
            hex += digits[c >> 4];
            hex += digits[c & 15];
        }
        EXPECT_EQ(results.set(0).cell("hex", 0), hex) << text;
    }
}

TEST(ExporterLogin, OnlyAValidApplicationAccountIsAccepted) {
    struct Case {
        const char* user;
        const char* password;
        const char* error;
    };
    for (const Case& c : {Case{"admin", "admin", "(no error)"}, Case{"admin", "wrong", "login error"},
                          Case{"admin", "", "login error"}, Case{"o'brien", "x", "login error"},
                          Case{"admin' -- ", "x", "login error"}, Case{"admin", "' OR '1'='1", "login error"}}) {
        Connected db;
        EXPECT_EQ(ErrorOf([&] { db.log_in(c.user, c.password); }), c.error) << c.user << " / " << c.password;
    }
}

TEST(ExporterConnect, FailuresReturnTheClientsText) {
    const ConnectionValues values = Database();
    struct Case {
        std::string port, database, user, password;
    };
    const std::string port = std::to_string(values.port);
    for (const Case& c : {Case{"1", values.database, values.user, values.password},
                          Case{port, values.database, values.user, "wrong"},
                          Case{port, "no_such_database", values.user, values.password}}) {
        XML_db_core db;
        const char* error = db.connect(values.host, c.port, c.database, c.user, c.password);
        ASSERT_NE(error, nullptr) << c.port << " " << c.database << " " << c.password;
        EXPECT_FALSE(std::string(error).empty());
    }
}

TEST(ExporterConnect, TheConnectionSpeaksUtf8mb4) {
    Connected db;
    ResultSets results;
    ASSERT_EQ(db.query(results, "SELECT @@character_set_client AS client, @@character_set_results AS results"),
              nullptr);
    EXPECT_EQ(results.set(0).cell("client", 0), "utf8mb4");
    EXPECT_EQ(results.set(0).cell("results", 0), "utf8mb4");
}

}  // namespace
