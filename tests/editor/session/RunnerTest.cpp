// The statement runners against the real server: the status convention, the error texts, and that the
// connection is ready for the next statement after every runner, whatever the answer was.
//
// The answers are anonymous compound statements ("BEGIN NOT ATOMIC ... END"): the server answers them exactly
// as it answers a CALL (each SELECT a result set, then the closing status), so they stand for procedures of
// any shape without creating any.

#include <functional>

#include "SessionTestSupport.h"

namespace {

using session_test::SessionTest;

constexpr const char* REFUSAL = "시험 거부: 이름이 중복입니다";

// A procedure answer: the status set (no set at all for "none"), optionally an error, then optionally one data
// row whose column 0 is 42.
std::string Answer(const std::string& status, bool withData, bool signalAfterStatus = false) {
    if (status == "none") return "BEGIN NOT ATOMIC DO 0; END";
    std::string body = "SELECT " + status + " AS test;";
    if (signalAfterStatus) body += std::string(" SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '") + REFUSAL + "';";
    if (withData) body += " SELECT 42 AS id, 'CALL' AS kind, '이름' AS name, 'root\\\\a\\\\' AS path;";
    return "BEGIN NOT ATOMIC " + body + " END";
}

// The connection takes the next statement and answers it correctly.
void ExpectConnectionInSync(CMysqlQuery* db) {
    EXPECT_EQ(db->QueryInt(CString(Answer("1", true))), 42) << "after: " << db->GetLastErrorText();
}

struct Runner {
    const char* name;
    bool readsData;  // the procedure answers a data set after the status set
    std::function<bool(CMysqlQuery*, const CString&)> succeeds;
};

std::vector<Runner> StatusRunners() {
    return {
        {"ExecuteProc", false, [](CMysqlQuery* db, const CString& t) { return db->ExecuteProc(t) == 0; }},
        {"ExecuteUpdate", false, [](CMysqlQuery* db, const CString& t) { return db->ExecuteUpdate(t) == 0; }},
        {"ExecuteProcStatus", false,
         [](CMysqlQuery* db, const CString& t) { return db->ExecuteProcStatus(t) == 0; }},
        {"QueryNewId", true, [](CMysqlQuery* db, const CString& t) { return db->QueryNewId(t) == 42; }},
        {"QueryInt", true, [](CMysqlQuery* db, const CString& t) { return db->QueryInt(t) == 42; }},
        {"SelectIdList", true,
         [](CMysqlQuery* db, const CString& t) {
             std::vector<int> ids;
             return db->SelectIdList(t, ids) == 0 && ids == std::vector<int>{42};
         }},
        {"SelectMethodList", true,
         [](CMysqlQuery* db, const CString& t) {
             std::vector<class_method_info> methods;
             return db->SelectMethodList(t, methods) == 0 && methods.size() == 1;
         }},
        {"SelectDomainAllList", true,
         [](CMysqlQuery* db, const CString& t) {
             std::multimap<int, class_domain_info> domains;
             return db->SelectDomainAllList(t, domains) == 0 && domains.size() == 1;
         }},
        {"QueryReferenceList", true,
         [](CMysqlQuery* db, const CString& t) {
             std::vector<std::string> lines;
             db->QueryReferenceList(t, lines);
             return lines.size() == 1;
         }},
        {"CountResultRows", true, [](CMysqlQuery* db, const CString& t) { return db->CountResultRows(t) == 1; }},
        {"CheckMethodCode", true,
         [](CMysqlQuery* db, const CString& t) {
             CString report;
             return db->CheckMethodCode(t, report) == 1;
         }},
        {"CollectCheckReport", true,
         [](CMysqlQuery* db, const CString& t) {
             CString report;
             return db->CollectCheckReport(t, report) == 1;
         }},
    };
}

TEST_F(SessionTest, StatusOfOneOrMorePassesAndEverythingElseFails) {
    const struct {
        const char* status;
        bool passes;
    } statuses[] = {{"1", true}, {"7", true}, {"0", false}, {"-3", false}, {"'abc'", false}, {"NULL", false},
                    {"none", false}};
    for (const Runner& runner : StatusRunners()) {
        for (const auto& status : statuses) {
            SCOPED_TRACE(std::string(runner.name) + " with status " + status.status);
            EXPECT_EQ(runner.succeeds(db, CString(Answer(status.status, runner.readsData))), status.passes);
            ExpectConnectionInSync(db);
        }
    }
}

TEST_F(SessionTest, FailuresCarryTheServersTextAndLeaveTheConnectionInSync) {
    const struct {
        const char* what;
        std::function<std::string(bool readsData)> text;
        std::string error;
    } failures[] = {
        {"status 0 and SIGNAL", [](bool data) { return Answer("0", data, true); }, REFUSAL},
        {"status 1 and SIGNAL", [](bool data) { return Answer("1", data, true); }, REFUSAL},
        // The database account may run only the programs' procedures: the server does not tell it more.
        {"missing procedure", [](bool) { return std::string("call fx_no_such_procedure(1, 'a')"); },
         "execute command denied to user 'tamo'@'%' for routine 't_session_sample.fx_no_such_procedure'"},
    };
    for (const Runner& runner : StatusRunners()) {
        for (const auto& failure : failures) {
            SCOPED_TRACE(std::string(runner.name) + ", " + failure.what);
            boxes.Clear();
            EXPECT_FALSE(runner.succeeds(db, CString(failure.text(runner.readsData))));
            EXPECT_EQ(db->GetLastErrorText(), failure.error);
            // The two search runners show the failure themselves; no other runner shows anything.
            const bool shows = runner.name == std::string("QueryReferenceList") ||
                               runner.name == std::string("CountResultRows");
            EXPECT_EQ(boxes.Texts(), shows ? std::vector<std::string>{failure.error} : std::vector<std::string>{});
            ExpectConnectionInSync(db);
        }
    }
}

TEST_F(SessionTest, AStatusZeroWithoutAnErrorLeavesAnEmptyErrorText) {
    ASSERT_EQ(db->ExecuteProc(CString(Answer("0", false, true))), -1);
    ASSERT_EQ(db->GetLastErrorText(), REFUSAL);
    EXPECT_EQ(db->ExecuteProc(CString(Answer("0", false))), -1);
    EXPECT_EQ(db->GetLastErrorText(), "");
}

TEST_F(SessionTest, SetsThatNoRunnerReadsAreDrained) {
    // A procedure that answers more than its caller reads: a data set after the status of a changing procedure,
    // two data sets for a loader, a result set for a statement that should answer none.
    const std::string extraSets =
        "BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 42 AS id; SELECT 43 AS id; SELECT 44 AS id; END";
    std::vector<int> ids;
    EXPECT_EQ(db->SelectIdList(CString(extraSets), ids), 0);
    EXPECT_EQ(ids, std::vector<int>{42});
    ExpectConnectionInSync(db);

    EXPECT_EQ(db->ExecuteProc(CString(extraSets)), -1);
    ExpectConnectionInSync(db);

    EXPECT_EQ(db->Execute(CString(extraSets)), -1);
    ExpectConnectionInSync(db);

    // The steps that callers use themselves: a statement read only half way is drained by the next one.
    ASSERT_EQ(db->Query(CString(extraSets)), 0);
    ASSERT_TRUE(db->CheckResult());
    ExpectConnectionInSync(db);
}

TEST_F(SessionTest, ExecuteWantsNoResultSet) {
    EXPECT_EQ(db->Execute("BEGIN NOT ATOMIC DO 0; END"), 0);
    EXPECT_EQ(db->Execute("Set @session_test = 'x'"), 0);
    EXPECT_EQ(db->Execute(CString(Answer("1", false))), -1);
    ExpectConnectionInSync(db);
    EXPECT_EQ(db->Execute("call fx_no_such_procedure()"), -1);
    EXPECT_EQ(db->GetLastErrorText(),
              "execute command denied to user 'tamo'@'%' for routine 't_session_sample.fx_no_such_procedure'");
    ExpectConnectionInSync(db);
}

TEST_F(SessionTest, ExecuteStatusPassesOnlyWithoutAnyResultSet) {
    EXPECT_EQ(db->ExecuteStatus("BEGIN NOT ATOMIC DO 0; END"), 0);
    EXPECT_EQ(db->ExecuteStatus("BEGIN NOT ATOMIC SELECT 'loop' AS name; SELECT 'more' AS name; END"), -1);
    ExpectConnectionInSync(db);
    EXPECT_EQ(db->ExecuteStatus("call fx_no_such_procedure()"), -1);
    ExpectConnectionInSync(db);
}

TEST_F(SessionTest, ASecondStatusOfTwoRefusesTheChange) {
    const struct {
        const char* text;
        int result;
    } cases[] = {
        {"BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 2 AS test; END", -1},
        {"BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 3 AS test; END", 0},
        {"BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 0 AS test; END", 0},
        {"BEGIN NOT ATOMIC SELECT 1 AS test; END", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(db->ExecuteProcStatus(c.text), c.result);
        if (c.result == -1) {
            EXPECT_EQ(db->GetLastErrorText(), "서버가 변경을 거부했습니다.");
        }
        ExpectConnectionInSync(db);
    }
}

TEST_F(SessionTest, ScalarRunnersRefuseAnEmptySet) {
    EXPECT_EQ(db->QueryNewId("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 42 AS id FROM DUAL WHERE 0; END"), -1);
    EXPECT_EQ(db->GetLastErrorText(), "서버의 응답에 결과 행이 없습니다.");
    ExpectConnectionInSync(db);
}

TEST_F(SessionTest, ALockIsExactlyOne) {
    const struct {
        const char* text;
        int result;
    } cases[] = {
        {"BEGIN NOT ATOMIC SELECT 1 AS locked; END", 1},
        {"BEGIN NOT ATOMIC SELECT 2 AS locked; END", 0},
        {"BEGIN NOT ATOMIC SELECT 0 AS locked; END", 0},
        {"BEGIN NOT ATOMIC SELECT 'abc' AS locked; END", 0},
        {"BEGIN NOT ATOMIC SELECT NULL AS locked; END", 0},
        {"BEGIN NOT ATOMIC SELECT 1 AS locked FROM DUAL WHERE 0; END", -1},
        {"BEGIN NOT ATOMIC DO 0; END", -1},
        {"call fx_no_such_procedure(1)", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(db->CheckSystemLock(c.text), c.result);
        ExpectConnectionInSync(db);
    }
}

TEST_F(SessionTest, ChecksBuildTheirReports) {
    CString report = "before\n";
    EXPECT_EQ(db->CheckMethodCode("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 'x' FROM DUAL WHERE 0; END", report), 0);
    EXPECT_EQ(report, "* Codde 중복 *\n");
    EXPECT_EQ(db->CheckMethodCode("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 'GetPosition' UNION ALL "
                                  "SELECT '위치조회'; END",
                                  report),
              2);
    EXPECT_EQ(report, "* Codde 중복 *\nGetPosition\n위치조회\n");

    report = "포트:\n";
    EXPECT_EQ(db->CollectCheckReport("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 1, '80/tcp', 'http', 'web' "
                                     "UNION ALL SELECT 0, '80/udp', 'skip', 'x' UNION ALL "
                                     "SELECT 2, '80/sctp', 'http', NULL; END",
                                     report),
              3);
    EXPECT_EQ(report, "포트:\n  80/tcp : http : web\n  80/sctp : http : \n");

    report = "old";
    EXPECT_EQ(db->CheckInstalledInSubsystem("BEGIN NOT ATOMIC SELECT 'Ship', '조타실 시스템' UNION ALL "
                                            "SELECT '기관실', '기관 센서'; END",
                                            report),
              2);
    EXPECT_EQ(report,
              "Subsystem에 설치된 항목이 있습니다. 삭제 후 변경하세요\n\n 도메인 : Ship / 노드 : 조타실 시스템\n "
              "도메인 : 기관실 / 노드 : 기관 센서\n ");
    EXPECT_EQ(db->CheckInstalledInSubsystem("BEGIN NOT ATOMIC SELECT 'a', 'b' FROM DUAL WHERE 0; END", report), 0);
    EXPECT_EQ(report, "Subsystem에 설치된 항목이 있습니다. 삭제 후 변경하세요\n\n ");
    ExpectConnectionInSync(db);
}

TEST_F(SessionTest, ASearchWithoutHitsAppendsAndShowsNothing) {
    std::vector<std::string> lines{"kept"};
    db->QueryReferenceList("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 1, 'a', 'b', 'c' FROM DUAL WHERE 0; END",
                           lines);
    EXPECT_EQ(lines, std::vector<std::string>{"kept"});
    db->QueryReferenceList("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT 0, 'domain', 'Pos', 'Nav\\\\' UNION ALL "
                           "SELECT 0, 'data', 'Latitude', NULL; END",
                           lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"kept", "[타입]domain [이름]Pos [경로]Nav\\",
                                               "[타입]data [이름]Latitude [경로]"}));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(SessionTest, AClosedSessionRefusesStatementsUntilItIsPreparedAgain) {
    db->Close();
    EXPECT_EQ(db->ExecuteProc(CString(Answer("1", false))), -1);
    EXPECT_EQ(db->GetLastErrorText(), "서버에 연결되어 있지 않습니다.");
    // A path that cannot be read is the prefix alone, and the failure is shown.
    std::string path = "old";
    db->GetDomainPath("system", 9, path);
    EXPECT_EQ(path, "Tamo\\Data\\");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"서버에 연결되어 있지 않습니다."});
    db->Close();
    CMysqlQuery* again = CMysqlQuery::GetInstance();
    EXPECT_EQ(again, db);
    EXPECT_FALSE(again->IsConnected());
    EXPECT_NE(again->GetConnection(), nullptr);
}

}  // namespace
