// The copy of a whole system domain against the server: what is copied in which order, which references are
// remapped into the copy, how failures are shown and skipped, and a copy of the sample's Ship exported by
// quorrin next to the original.

#include <functional>
#include <regex>

#include "DesignFixture.h"
#include "ExportFiles.h"
#include "Golden.h"
#include "CopyTransaction.h"
#include "ServerProxy.h"
#include "SessionLogin.h"
#include "SystemCopyTestSupport.h"
#include "class_copy_system_domain_data.h"

using systemcopy_test::ThreeLevels;
using Rows = std::vector<std::string>;

namespace {

class SystemDomainCopyTest : public systemcopy_test::SystemCopyTest {
protected:
    // The copy as the command runs it, in one transaction; answers the domain id map (empty when it failed).
    class_copy_system_domain_data::DomainIdMap CopyInto(const class_copy_system_domain_data::DomainSnapshot& snapshot,
                                                        int destinationId, int expected = 0) {
        class_copy_system_domain_data::DomainIdMap ids;
        const int upperId = snapshot.empty() ? 0 : snapshot.begin()->first;
        EXPECT_EQ(class_copy_system_domain_data().copy_into(snapshot, upperId, destinationId, ids), expected);
        return ids;
    }

    // The session logged in again through the proxy, which then stands between it and the server.
    void ConnectThrough(const tamo::testing::ServerProxy& proxy, unsigned waitBound = 0) {
        tamo::testing::ConnectionValues viaProxy = m_server;
        viaProxy.port = proxy.Port();
        db->Close();
        db = CMysqlQuery::GetInstance();
        if (waitBound != 0) db->SetWaitBound(waitBound);
        ASSERT_EQ(db->Connect(tamo::testing::LoginFor(viaProxy, "admin", "admin")), "");
    }

    std::string Id(int id) { return std::to_string(id); }
    Rows Nodes(int domainId) {
        return AdminRows("SELECT CONCAT_WS('|', name, type, COALESCE(sub_system_domain_id, 0)) FROM node "
                         "WHERE domain_id = " + Id(domainId) + " ORDER BY name");
    }
};

TEST_F(SystemDomainCopyTest, ACopyHoldsEverythingAndRefersToCopiesInsideTheSubTreeOnly) {
    const ThreeLevels s = BuildThreeLevels();
    // sub_b locks B for A.
    Call(db->FormatCall("call NodeViewEditNode(%d, %d,'%s','%s','%s', %d, %d)", s.subB, s.a, "sub_b", "sub_system", "",
                        s.b, 1));
    const int destination = NewSystemDomain(UniqueName("_D"));
    class_copy_system_domain_data::DomainIdMap ids = CopyInto(Snapshot(s.a), destination);
    EXPECT_EQ(BoxTexts(), Rows{});

    // Row by row the copy holds what the source holds, locks included.
    for (int old : {s.a, s.b, s.c, s.e}) EXPECT_EQ(DomainContent(ids[old]), DomainContent(old)) << old;
    EXPECT_EQ(AdminValue("SELECT lock_flag FROM node WHERE id = " + Id(NodeOf(ids[s.a], "sub_b"))), "Y");
    EXPECT_EQ(db->CheckSystemLock(db->FormatCall("call check_system_lock_domain(%d)", ids[s.b])), 1);

    // Depth first: a domain's sub-tree is created before its next sibling.
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_LT(ids[s.a], ids[s.b]);
    EXPECT_LT(ids[s.b], ids[s.c]);
    EXPECT_LT(ids[s.c], ids[s.e]);
    EXPECT_EQ(DomainUnder(destination, s.aName), ids[s.a]);
    EXPECT_EQ(DomainUnder(ids[s.a], "B"), ids[s.b]);
    EXPECT_EQ(DomainUnder(ids[s.b], "C"), ids[s.c]);
    EXPECT_EQ(DomainUnder(ids[s.a], "E"), ids[s.e]);
    EXPECT_EQ(AdminValue("SELECT CONCAT_WS('|', public, standard_port, description) FROM domain WHERE id = " +
                         Id(ids[s.a])),
              "1|0|test");

    // The rows above name what they refer to; by id, sub_b stands for the copy of B, sub_x keeps X (outside),
    // and pc, which took its ports from T, stands for no domain; what pc has installed is the copy of comp.
    EXPECT_EQ(Nodes(ids[s.a]), (Rows{"pc|computer|0", "sub_b|sub_system|" + Id(ids[s.b]),
                                     "sub_x|sub_system|" + Id(s.x)}));
    EXPECT_EQ(AdminValue("SELECT dp.component_id FROM deployment dp WHERE dp.node_id = " + Id(NodeOf(ids[s.a], "pc"))),
              AdminValue("SELECT id FROM component WHERE systemdomain_id = " + Id(ids[s.a])));
    // A sub-system node takes no IP rows of the source; select_network gives it those of its domain's
    // external links (pc_b's copy in B's copy).
    EXPECT_EQ(AdminRows("SELECT ip FROM node_ip WHERE node_id = " + Id(NodeOf(ids[s.a], "sub_b"))), Rows{"10.2.0.5"});
}

// A copy lands whole or not at all: whichever step the server refuses, early or late, the server's reason is
// shown, then that nothing was kept, and every row of the domains involved is as it was.
TEST_F(SystemDomainCopyTest, AFailureAnywhereUndoesTheWholeCopy) {
    const ThreeLevels s = BuildThreeLevels();
    const int destination = NewSystemDomain(UniqueName("_D"));
    // A domain of the sub-tree that the server refuses (another session renamed it, say).
    class_copy_system_domain_data::DomainSnapshot refusedDomain = Snapshot(s.a);
    for (auto& [upperId, domain] : refusedDomain)
        if (domain.id == s.b) domain.name = "B/refused";
    // A destination inside X: sub_x's copy would stand for a domain that holds it, which the server refuses
    // after the domains, their ports and components were copied.
    const int insideX = NewSystemDomain("inside", s.x);
    const struct {
        const char* what;
        std::function<void()> prepare;
        class_copy_system_domain_data::DomainSnapshot snapshot;
        int destination;
    } cases[] = {
        {"a domain", [] {}, refusedDomain, destination},
        {"a node", [] {}, Snapshot(s.a), insideX},
        // An older design may hold a component name that the server no longer lets in.
        {"a component", [&] { AdminRows("UPDATE component SET name = 'bad/name' WHERE id = " + Id(s.comp)); },
         Snapshot(s.a), destination},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        const Rows before = SubtreeRows({s.t, s.x, s.a, destination});
        const size_t boxes = BoxTexts().size();
        driver.SetDefaultMessageBoxAnswer(IDOK);
        EXPECT_TRUE(CopyInto(c.snapshot, c.destination, -1).empty());
        const Rows shown = BoxTexts();
        ASSERT_EQ(shown.size(), boxes + 2) << ::testing::PrintToString(shown);
        EXPECT_NE(shown[boxes], "");  // the server's reason
        EXPECT_EQ(shown.back(), "복사를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다.");
        EXPECT_EQ(SubtreeRows({s.t, s.x, s.a, destination}), before);
    }
}

TEST_F(SystemDomainCopyTest, ACopyIntoItsOwnSubDomainCopiesTheSnapshotOnceAndAMoveIsRefused) {
    const ThreeLevels s = BuildThreeLevels();
    class_copy_system_domain_data::DomainIdMap ids = CopyInto(Snapshot(s.a), s.c);
    EXPECT_EQ(BoxTexts(), Rows{});
    EXPECT_EQ(ids.size(), 4u);
    EXPECT_EQ(DomainUnder(s.c, s.aName), ids[s.a]);
    EXPECT_EQ(DomainUnder(ids[s.c], s.aName), 0);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE kind = 'system' AND name = " +
                         datatree_test::SqlText(s.aName)),
              "2");

    // A move there is one call, which the server refuses; the failure is shown and reported.
    class_domain_info a, c;
    a.id = s.a;
    c.id = s.c;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    EXPECT_EQ(class_copy_system_domain_data().relink_upper_domain(c, a), -1);
    EXPECT_EQ(BoxTexts(), Rows{"도메인을 자기 자신이나 자신의 하위 도메인 아래로 옮길 수 없습니다."});
    EXPECT_EQ(AdminValue("SELECT upper_id FROM domain WHERE id = " + Id(s.a)), "0");
}

// A copy whose connection the server ends keeps nothing and never goes on in a new connection: the steps after
// the loss are not sent, the commit fails, the server has undone what came before, and the user is told that
// nothing was kept. The next call after the copy opens the connection again.
TEST_F(SystemDomainCopyTest, ACopyCutOffByALostConnectionKeepsNothingAndSaysSo) {
    tamo::testing::ServerProxy proxy(m_server.host, m_server.port);
    ASSERT_NO_FATAL_FAILURE(ConnectThrough(proxy));
    const int destination = NewSystemDomain(UniqueName("_D"));
    driver.SetDefaultMessageBoxAnswer(IDOK);
    const auto newDomain = [&](const std::string& name) {
        const int id = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "system",
                                                     destination, name, 0, "1", ""));
        if (id == -1) db->ShowLastError();
        return id == -1 ? -1 : 0;
    };
    const struct {
        const char* where;
        bool stepAfterTheCut;
    } cases[] = {{"between two steps", true}, {"before the commit", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const size_t boxes = BoxTexts().size();
        int accepted = 0;
        EXPECT_EQ(CopyTransaction::Run([&] {
                      if (newDomain("first") != 0) return -1;
                      proxy.CutAll();
                      accepted = proxy.Accepted();
                      return c.stepAfterTheCut ? newDomain("second") : 0;
                  }),
                  -1);
        EXPECT_EQ(proxy.Accepted(), accepted);
        EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE upper_id = " + Id(destination)), "0");
        const Rows shown = BoxTexts();
        EXPECT_EQ(Rows(shown.begin() + static_cast<std::ptrdiff_t>(boxes), shown.end()),
                  (Rows{"서버와의 연결이 끊어졌습니다 (서버가 연결을 닫았습니다). 진행 중이던 작업의 변경은 서버가 모두 "
                        "되돌렸습니다.",
                        "복사를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다."}));
    }
    EXPECT_EQ(newDomain("after"), 0);
    EXPECT_EQ(AdminRows("SELECT name FROM domain WHERE upper_id = " + Id(destination)), Rows{"after"});
}

// A copy whose commit reached the server but whose answer was lost may be kept whole: the user is told that this
// is not known, never that nothing was kept, and the caller learns it.
TEST_F(SystemDomainCopyTest, ACopyWhoseCommitLostItsAnswerDoesNotClaimNothingWasKept) {
    tamo::testing::ServerProxy proxy(m_server.host, m_server.port);
    ASSERT_NO_FATAL_FAILURE(ConnectThrough(proxy, 2));
    const int destination = NewSystemDomain(UniqueName("_D"));
    driver.SetDefaultMessageBoxAnswer(IDOK);
    const size_t boxes = BoxTexts().size();
    EXPECT_EQ(CopyTransaction::Run([&] {
                  if (db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "system",
                                                    destination, "copied", 0, "1", "")) == -1)
                      return -1;
                  proxy.PauseAnswers();
                  return 0;
              }),
              CopyTransaction::OUTCOME_UNKNOWN);
    const Rows shown = BoxTexts();
    EXPECT_EQ(Rows(shown.begin() + static_cast<std::ptrdiff_t>(boxes), shown.end()),
              (Rows{"서버가 2초 동안 응답하지 않아 호출을 멈췄습니다. 저장하던 중이어서 진행 중이던 작업이 저장되었는지 "
                    "알 수 없습니다. 새로 고침으로 확인해 주세요."}));
    EXPECT_EQ(AdminRows("SELECT name FROM domain WHERE upper_id = " + Id(destination)), Rows{"copied"});
    proxy.Resume();
    EXPECT_GT(NewSystemDomain(UniqueName("_after")), 0);
    db->SetWaitBound(tamo::database::WAIT_BOUND_SECONDS);
}

// ---- Acceptance: the sample's Ship and its copy, exported ------------------------------------------------

// What may differ between the export of a system domain and the export of its copy, masked the same way in
// both documents:
// - ids that the server gives: the node ids of the links (s_node_id, d_node_id) and the number at the end of a
//   process's component (its system domain's path followed by the component id); port numbers and object ids
//   are copied and must match;
// - the domain's path: the copy's path begins with the path of the domain it was copied into, which is cut
//   off ("Fleet::Ship::조타실" reads "Ship::조타실");
// - dates: every date and time, as in the golden files.
std::string Masked(const std::string& document, const std::string& copiedIntoPath) {
    std::string text = tamo::exporters::testing::WithoutTimes(document);
    if (!copiedIntoPath.empty()) {
        const std::string prefix = ">" + copiedIntoPath + "::";
        for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1))
            text.replace(at, prefix.size(), ">");
    }
    static const std::regex ids(R"(<([sd]_node_id)>[0-9]+</\1>)");
    text = std::regex_replace(text, ids, "<$1>N</$1>");
    static const std::regex componentId(R"((<component>[^<]*?)[0-9]+</component>)");
    return std::regex_replace(text, componentId, "$1N</component>");
}

TEST_F(SystemDomainCopyTest, TheCopyOfShipExportsLikeShipButForIdsPathAndDates) {
    const int ship = 9;
    const std::string fleet = UniqueName("Fleet");
    const int destination = NewSystemDomain(fleet);
    class_copy_system_domain_data::DomainIdMap ids = CopyInto(Snapshot(ship), destination);
    EXPECT_EQ(BoxTexts(), Rows{});
    ASSERT_NE(ids.count(ship), 0u);
    // Row by row as the original, the locked sub-system node 조타실 시스템 and the clones it carries included.
    ASSERT_EQ(ids.size(), 3u);
    for (const auto& [old, copy] : ids) EXPECT_EQ(DomainContent(copy), DomainContent(old)) << old;

    tamo::exporters::testing::ScratchFolder folder;
    auto exportSystem = [&](int id, const std::string& file) {
        const auto run = tamo::exporters::testing::RunTool(
            "quorrin", tamo::exporters::testing::ExporterArguments(m_server, "admin", "admin", Id(id), file));
        EXPECT_EQ(run.exit_code, 0) << run.output;
        return tamo::exporters::testing::ReadFile(file);
    };
    const std::string original = exportSystem(ship, folder.file("ship.xml"));
    const std::string copy = exportSystem(ids[ship], folder.file("copy.xml"));
    ASSERT_FALSE(original.empty());
    EXPECT_NE(copy.find("<path>" + fleet + "::Ship</path>"), std::string::npos);
    EXPECT_EQ(Masked(copy, fleet), Masked(original, ""));
}

}  // namespace
