// Calls read ahead in one round trip: each loader that takes an answer sees exactly what the server would have
// answered it alone (rows, failure, error text), every call runs once, a failed call's successors are sent by
// their own loaders, and the connection stays in sync.
//
// The answers are anonymous compound statements, as in RunnerTest.cpp: each counts its runs in @runs.

#include <functional>

#include "SessionTestSupport.h"

namespace {

using session_test::SessionTest;

constexpr const char* REFUSAL = "미리 읽기 시험: 거부";

// A procedure answer: counts its run, then the status set (none for "none"), optionally a refusal, and
// optionally one data row whose column 0 is `id`.
std::string Answer(const std::string& status, int id, bool refuse = false) {
    std::string body = "SET @runs = @runs + 1;";
    if (status != "none") body += " SELECT " + status + " AS test;";
    if (refuse) body += std::string(" SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '") + REFUSAL + "';";
    if (id != 0) body += " SELECT " + std::to_string(id) + " AS id;";
    return "BEGIN NOT ATOMIC " + body + " END";
}

struct Loaded {
    int result = 0;
    std::vector<int> ids;
    std::string error;
    bool operator==(const Loaded&) const = default;
};

Loaded Load(CMysqlQuery* db, const std::string& text) {
    Loaded loaded;
    loaded.result = db->SelectIdList(CString(text), loaded.ids);
    loaded.error = loaded.result == 0 ? "" : db->GetLastErrorText();
    return loaded;
}

class ReadAheadTest : public SessionTest {
protected:
    void ResetRuns() { ASSERT_EQ(db->Execute("SET @runs = 0"), 0); }
    int Runs() { return db->QueryInt("BEGIN NOT ATOMIC SELECT 1 AS test; SELECT @runs AS runs; END"); }
};

TEST_F(ReadAheadTest, EachLoaderSeesWhatTheServerAnswersItAlone) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"rows", Answer("1", 42)},
        {"status 0", Answer("0", 42)},
        {"status 1 without a data set", Answer("1", 0)},
        {"no status set", Answer("none", 42)},
        {"refused after its status", Answer("0", 0, true)},
        {"missing procedure", "call fx_no_such_procedure(1)"},
    };
    const std::string next = Answer("1", 7);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Loaded alone = Load(db, c.text);
        const Loaded nextAlone = Load(db, next);
        ResetRuns();
        {
            CMysqlReadAhead ahead({CString(c.text), CString(next)});
            EXPECT_EQ(Load(db, c.text), alone);
            EXPECT_EQ(Load(db, next), nextAlone);
        }
        // Each ran once: in the batch, or (after a failure stopped it) sent again by its loader.
        EXPECT_EQ(Runs(), c.text.starts_with("call") ? 1 : 2);
        EXPECT_EQ(Load(db, next), nextAlone) << "the connection is in sync";
    }
}

TEST_F(ReadAheadTest, TextsNullsAndEmptyCellsReadAheadReadAsAlone) {
    const std::string text =
        "BEGIN NOT ATOMIC SELECT 1 AS test;"
        " SELECT 5 AS id, NULL AS upper_id, '항해' AS name, 'kim' AS user_id, 1 AS public, 8000 AS port,"
        "        '2026-01-01' AS created, NULL AS updated, '' AS description"
        " UNION ALL SELECT 6, 5, '', NULL, 0, NULL, NULL, '2026-02-02', '설명 둘'; END";
    const auto read = [this](const std::string& call) {
        std::vector<class_domain_info> list;
        EXPECT_EQ(db->SelectDomainInfoList(CString(call), "method", list), 0);
        std::vector<std::string> cells;
        for (const class_domain_info& d : list)
            cells.insert(cells.end(), {std::to_string(d.id), std::to_string(d.upper_id), d.name, d.user_id,
                                       std::to_string(d.is_public), std::to_string(d.standard_port), d.create_date,
                                       d.last_update, d.description});
        return cells;
    };
    const std::vector<std::string> alone = read(text);
    ASSERT_EQ(alone.size(), 18u);
    CMysqlReadAhead ahead({CString(text), CString(Answer("1", 7))});
    EXPECT_EQ(read(text), alone);
}

TEST_F(ReadAheadTest, AFailedCallStopsTheBatchAndItsSuccessorsAreSentByTheirLoaders) {
    ResetRuns();
    const std::string first = Answer("1", 1), refused = Answer("0", 0, true), third = Answer("1", 3);
    {
        CMysqlReadAhead ahead({CString(first), CString(refused), CString(third)});
        EXPECT_EQ(Runs(), 2) << "the server stops the batch at the refusal";
        EXPECT_EQ(Load(db, first), (Loaded{0, {1}, ""}));
        EXPECT_EQ(Load(db, refused), (Loaded{-1, {}, REFUSAL}));
        EXPECT_EQ(Load(db, third), (Loaded{0, {3}, ""}));
    }
    EXPECT_EQ(Runs(), 3);
}

TEST_F(ReadAheadTest, AnswersAreTakenOnceInAnyOrderAndNestedReadAheadsServeToo) {
    ResetRuns();
    const std::string a = Answer("1", 1), b = Answer("1", 2), c = Answer("1", 3);
    {
        CMysqlReadAhead outer({CString(a), CString(b), CString(a)});
        EXPECT_EQ(Load(db, b), (Loaded{0, {2}, ""}));
        {
            CMysqlReadAhead inner({CString(c), CString(c)});
            EXPECT_EQ(Load(db, a), (Loaded{0, {1}, ""}));
            EXPECT_EQ(Load(db, c), (Loaded{0, {3}, ""}));
        }
        EXPECT_EQ(Runs(), 5);
        EXPECT_EQ(Load(db, a), (Loaded{0, {1}, ""}));  // the second answer of the same text
        EXPECT_EQ(Runs(), 5);
        EXPECT_EQ(Load(db, b), (Loaded{0, {2}, ""}));  // taken already: sent again
        EXPECT_EQ(Runs(), 6);
    }
    // Nobody took the inner read-ahead's second answer: it was freed with it, and nothing is served afterwards.
    EXPECT_EQ(Load(db, c), (Loaded{0, {3}, ""}));
    EXPECT_EQ(Runs(), 7);
}

TEST_F(ReadAheadTest, OneCallOrNoConnectionSendsNothingAhead) {
    ResetRuns();
    {
        CMysqlReadAhead ahead({CString(Answer("1", 1))});
        EXPECT_EQ(Runs(), 0);
    }
    db->Close();
    {
        CMysqlReadAhead ahead({CString(Answer("1", 1)), CString(Answer("1", 2))});
        std::vector<int> ids;
        EXPECT_EQ(db->SelectIdList(CString(Answer("1", 1)), ids), -1);
        EXPECT_TRUE(ids.empty());
    }
}

// A bundle: its sets split into the answers of the calls their keys name. The calls here name no procedure, so
// a loader that had to send one would fail.
std::string Bundle(const std::string& sets) {
    return "BEGIN NOT ATOMIC SET @runs = @runs + 1; SELECT 1 AS test; " + sets + " END";
}

const std::vector<CMysqlReadAhead::BundleSet> kBundleSets = {{"call fx_one(%d)", 1}, {"call fx_two(%d, %d)", 3}};

TEST_F(ReadAheadTest, ABundleAnswersEachCallItsKeysNameAsTheCallAlone) {
    ResetRuns();
    const std::string other = Answer("1", 7);
    const std::string bundle = Bundle(
        "SELECT 5 AS k, 1 AS listed, 42 AS id UNION ALL SELECT 5, 1, 43 UNION ALL SELECT 6, NULL, NULL"
        " UNION ALL SELECT -2, 1, 44;"
        // one text twice: the third key keeps the two answers apart
        " SELECT 7 AS a, 8 AS b, 100 AS c, 1 AS listed, 9 AS id UNION ALL SELECT 7, 8, 101, 1, 9;");
    {
        CMysqlReadAhead ahead({CString(other)}, CString(bundle), kBundleSets);
        EXPECT_EQ(Runs(), 2) << "the call and the bundle, in one round trip";
        EXPECT_EQ(Load(db, "call fx_one(5)"), (Loaded{0, {42, 43}, ""}));
        EXPECT_EQ(Load(db, "call fx_one(6)"), (Loaded{0, {}, ""})) << "an empty list";
        EXPECT_EQ(Load(db, "call fx_one(-2)"), (Loaded{0, {44}, ""}));
        EXPECT_EQ(Load(db, other), (Loaded{0, {7}, ""}));
        EXPECT_EQ(Load(db, "call fx_two(7, 8)"), (Loaded{0, {9}, ""}));
        EXPECT_EQ(Load(db, "call fx_two(7, 8)"), (Loaded{0, {9}, ""}));
        EXPECT_EQ(Runs(), 2);
        // Each answer is taken once; a call the bundle does not name is sent by its loader.
        EXPECT_EQ(Load(db, "call fx_two(7, 8)").result, -1);
        EXPECT_EQ(Load(db, "call fx_one(7)").result, -1);
    }
    EXPECT_EQ(Load(db, other), (Loaded{0, {7}, ""})) << "the connection is in sync";
}

TEST_F(ReadAheadTest, ABundleThatFailsOrAnswersOtherSetsAnswersNoCall) {
    const struct {
        const char* what;
        std::string bundle;
    } cases[] = {
        {"refused", Bundle(std::string("SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '") + REFUSAL + "';")},
        {"status 0", "BEGIN NOT ATOMIC SELECT 0 AS test; SELECT 5, 1, 42; SELECT 7, 8, 100, 1, 9; END"},
        {"a set short", Bundle("SELECT 5 AS k, 1 AS listed, 42 AS id;")},
        {"a set without keys", Bundle("SELECT 5 AS k, 1 AS listed, 42 AS id; SELECT 1 AS a, 2 AS b;")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string other = Answer("1", 7);
        CMysqlReadAhead ahead({CString(other)}, CString(c.bundle), kBundleSets);
        EXPECT_EQ(Load(db, other), (Loaded{0, {7}, ""}));
        EXPECT_EQ(Load(db, "call fx_one(5)").result, -1) << "sent by its loader";
        EXPECT_EQ(Load(db, other), (Loaded{0, {7}, ""})) << "the connection is in sync";
    }
}

}  // namespace
