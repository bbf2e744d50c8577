// Sessions that change the same part of the design at the same moment. Each race is tried a bounded number of
// times: without the locks of the procedures most tries break the design, with them none may.

#include <unistd.h>

#include <set>
#include <sstream>

#include "SharingTestSupport.h"

using namespace tamo::testing;
using namespace tamo::testing::sharing;

namespace {

ConnectionValues Design() { return TestDatabase::Prepare("sharing_races", true); }

// Names of this test process, so that its rows never meet those of another run.
std::string Unique(const std::string& stem, int number) {
    return stem + std::to_string(getpid() % 100000) + "_" + std::to_string(number);
}

// Makes a domain as admin; its id.
int NewDomain(TestConnection& admin, const std::string& kind, int parent, const std::string& name) {
    return NewDomainId(admin.Run("call domainViewNewDomain('" + kind + "', " + std::to_string(parent) + ", '" + name +
                                 "', 0, '1', '')"));
}

TEST(Races, TwoAdministratorsTakingEachOthersRightLeaveOne) {
    constexpr int kTries = 60;
    const ConnectionValues server = Design();
    Sessions admin(server, {"admin"});
    std::string setup;
    for (int attempt = 0; attempt < kTries; ++attempt)
        for (const std::string& name : {Unique("ra", attempt), Unique("rb", attempt)})
            setup += "call acountlistViewNewAcount('" + name + "','" + name + "',''); call acountlistViewToggleSupermanager('" +
                     name + "');";
    ASSERT_TRUE(admin[0].Run(setup).ok);

    Sessions pair(server, {"admin", "admin"});
    const std::string variants[][2] = {{"call acountlistViewDeleteAcount", "call acountlistViewDeleteAcount"},
                                       {"call acountlistViewToggleSupermanager", "call acountlistViewToggleSupermanager"},
                                       {"call acountlistViewDeleteAcount", "call acountlistViewToggleSupermanager"}};
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const std::string a = Unique("ra", attempt), b = Unique("rb", attempt);
        ASSERT_TRUE(pair[0].Login(a, a) && pair[1].Login(b, b));
        const auto& variant = variants[attempt % 3];
        const auto answers = pair.Race({variant[0] + "('" + b + "')", variant[1] + "('" + a + "')"});
        for (const RunResult& answer : answers) EXPECT_TRUE(DoneOrRefused(answer)) << attempt;
        EXPECT_FALSE(answers[0].ok && answers[1].ok) << "both took the other's right in try " << attempt;
    }
    const std::string administrators = TestDatabase::AdminQuery(
        server.database, "SELECT CONCAT(',', GROUP_CONCAT(user_id), ',') FROM account WHERE is_administrator = 1");
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const bool a = administrators.find("," + Unique("ra", attempt) + ",") != std::string::npos;
        const bool b = administrators.find("," + Unique("rb", attempt) + ",") != std::string::npos;
        EXPECT_TRUE(a != b) << "try " << attempt << " left " << (a ? "both" : "none");
    }
}

// A parent link, or a move in the tree, that closes a cycle with one made at the same moment.
TEST(Races, LinksAndMovesMadeAtOnceCloseNoCycle) {
    constexpr int kLinkTries = 40, kMoveTries = 20;
    const ConnectionValues server = Design();
    Sessions admin(server, {"admin"});
    std::string setup;
    for (int attempt = 0; attempt < kLinkTries + kMoveTries; ++attempt)
        for (const char* stem : {"cx", "cy"})
            setup += "call domainViewNewDomain('data', 0, '" + Unique(stem, attempt) + "', 0, '1', '');";
    const RunResult made = admin[0].Run(setup);
    ASSERT_TRUE(made.ok) << made.error;
    ASSERT_EQ(made.sets.size(), size_t(4 * (kLinkTries + kMoveTries)));

    Sessions pair(server, {"admin", "admin"});
    std::string pairs;
    for (int attempt = 0; attempt < kLinkTries + kMoveTries; ++attempt) {
        const std::string x = CellText(made, size_t(4 * attempt + 1), 0, 0);
        const std::string y = CellText(made, size_t(4 * attempt + 3), 0, 0);
        const bool links = attempt < kLinkTries;
        const auto answers = links ? pair.Race({"call domainViewNewParentDomain(" + x + ",'data'," + y + ",0)",
                                                "call domainViewNewParentDomain(" + y + ",'data'," + x + ",0)"})
                                   : pair.Race({"call domainViewEditUpperIDDomain(" + x + "," + y + ",'data')",
                                                "call domainViewEditUpperIDDomain(" + y + "," + x + ",'data')"});
        for (const RunResult& answer : answers) EXPECT_TRUE(DoneOrRefused(answer)) << attempt;
        EXPECT_FALSE(answers[0].ok && answers[1].ok) << (links ? "links" : "moves") << " made a cycle in try " << attempt;
        pairs += (pairs.empty() ? "" : " UNION ALL ") + std::string("SELECT ") + x + " AS x, " + y + " AS y, " +
                 (links ? "1" : "0") + " AS links";
    }
    // Of each pair, exactly one link or one move was made.
    EXPECT_EQ(TestDatabase::AdminQuery(
                  server.database,
                  "SELECT p.x, p.y FROM (" + pairs + ") p WHERE 1 <> IF(p.links, "
                  "(SELECT COUNT(*) FROM domain_parent l WHERE l.flag = 0 AND l.domain_id IN (p.x, p.y) AND "
                  "l.parent_id IN (p.x, p.y)), "
                  "(SELECT COUNT(*) FROM domain d WHERE d.id IN (p.x, p.y) AND d.upper_id IN (p.x, p.y)))"),
              "");
}

TEST(Races, SixteenSessionsAppendingFieldsGetDistinctPositions) {
    const ConnectionValues server = Design();
    Sessions admin(server, {"admin"});
    const std::string structure = Unique("Appended", 0);
    ASSERT_TRUE(Succeeded(admin[0].Run("call metadataViewNewMetadata(1, '" + structure + "', 'struct', 0, '', '', '')")));
    Sessions sessions(server, std::vector<std::string>(16, "admin"));
    std::vector<std::vector<RunResult>> answers(sessions.size());
    sessions.RunTogether([&](size_t session, TestConnection& db) {
        for (int field = 0; field < 10; ++field)
            answers[session].push_back(db.Run("call metadataViewNewMetafield(1, '" + structure + "', 'f" +
                                              std::to_string(session) + "_" + std::to_string(field) +
                                              "', 0, 'int32_t', 0, '', '', '', 'NO', 0, '')"));
    });
    for (const auto& session : answers)
        for (const RunResult& answer : session) EXPECT_TRUE(Succeeded(answer));
    EXPECT_EQ(AdminValue(server.database, "SELECT CONCAT(COUNT(*), ' ', COUNT(DISTINCT f.seq), ' ', MIN(f.seq), ' ', "
                                          "MAX(f.seq)) FROM data_field f JOIN data_item d ON d.id = f.data_id "
                                          "WHERE d.domain_id = 1 AND d.name = '" + structure + "'"),
              "160 160 1 160");
}

// Two sessions give the sub-system nodes of 조타실 (10) its public entries at once: every node gets one clone of
// each entry, not one per session.
TEST(Races, PublicEntriesClonedTwiceAtOnceAreClonedOnce) {
    constexpr int kTries = 20;
    const ConnectionValues server = Design();
    Sessions admin(server, {"admin"});
    Sessions pair(server, {"admin", "admin"});
    const std::string clone = "call insert_subsystem_public_proxy_interface_loop(10)";
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const std::string name = Unique("clone", attempt);
        ASSERT_TRUE(Succeeded(admin[0].Run("call nodeNewNodes(12, '" + name + "', 'sub_system', '', 10)")));
        for (const RunResult& answer : pair.Race({clone, clone})) EXPECT_TRUE(DoneOrRefused(answer)) << attempt;
        EXPECT_EQ(AdminValue(server.database,
                             "SELECT COUNT(*) FROM (SELECT c.source_entry_id FROM custom_entry c "
                             "JOIN deployment d ON d.id = c.deployment_id JOIN node n ON n.id = d.node_id "
                             "WHERE n.name = '" + name + "' GROUP BY c.source_entry_id HAVING COUNT(*) > 1) twice"),
                  "0")
            << "try " << attempt;
    }
}

// Every kind of named thing, created under one name by six sessions at once: one wins, the others are refused.
TEST(Races, OneNameCreatedBySixSessionsAtOnceIsRefusedToAllButOne) {
    const ConnectionValues server = Design();
    Sessions sessions(server, std::vector<std::string>(6, "admin"));
    const std::vector<std::string> creations = {
        "call domainViewNewDomain('data', 1, '%s', 0, '1', '')",
        "call metadataViewNewMetadata(1, '%s', 'struct', 0, '', '', '')",
        "call methodViewNewMethod(6, 'CALL', %c, '%s', 0, '', 0, '', '')",
        "call interfaceViewNewInterface(6, 'method', '%s', '')",
        "call acountlistViewNewAcount('%s', 'pw', '')",
        "call nodeNewNodes(9, '%s', 'computer', '', 0)",
        "call componentsNewcomponent(9, '%s', '')",
        "call metadataViewNewMetafield(1, 'Fielded', '%s', 0, 'int32_t', 0, '', '', '', 'NO', 0, '')",
        // Last, as its sessions log in with accounts of their own.
        "call userViewJoinDomain(%d, 'data')",
    };
    Sessions admin(server, {"admin"});
    admin[0].Run("call metadataViewNewMetadata(1, 'Fielded', 'struct', 0, '', '', '')");
    int round = 0;
    for (const std::string& creation : creations) {
        for (int repeat = 0; repeat < 15; ++repeat, ++round) {
            const std::string name = Unique("same", round);
            std::vector<std::string> calls;
            // Joining: six sessions of one new account apply to one new domain.
            if (creation.find("%d") != std::string::npos) {
                const int domain = NewDomain(admin[0], "data", 0, name);
                ASSERT_TRUE(Succeeded(admin[0].Run("call acountlistViewNewAcount('" + name + "','" + name + "','')")));
                for (size_t session = 0; session < sessions.size(); ++session) ASSERT_TRUE(sessions[session].Login(name, name));
                calls.assign(sessions.size(), "call userViewJoinDomain(" + std::to_string(domain) + ", 'data')");
            } else {
                for (size_t session = 0; session < sessions.size(); ++session) {
                    std::string call = creation;
                    call.replace(call.find("%s"), 2, name);
                    if (const auto code = call.find("%c"); code != std::string::npos)
                        call.replace(code, 2, std::to_string(20000 + round * 8 + static_cast<int>(session)));
                    calls.push_back(call);
                }
            }
            const auto answers = sessions.Race(calls);
            int done = 0;
            for (const RunResult& answer : answers) {
                EXPECT_TRUE(DoneOrRefused(answer)) << creation;
                done += answer.ok ? 1 : 0;
            }
            EXPECT_EQ(done, 1) << creation << " in round " << round;
        }
    }
}

}  // namespace
