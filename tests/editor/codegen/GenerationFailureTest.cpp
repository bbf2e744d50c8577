#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "CodegenTestSession.h"
#include "DomainHeader.h"
#include "DomainPaths.h"
#include "InterfaceInfoCollection.h"

using namespace tamo::codegen::testing;
using tamo::testing::TestDatabase;
using tamo::codegen::RememberedDataHeaderPaths;
using tamo::codegen::RememberedDataQualifiers;

namespace {

const char* const kSuite = "codegen_failure";
const std::string kParentListFailure = "부모 인터페이스 목록 실패";
const std::string kDomainInfoFailure = "도메인 정보 실패";
const std::string kDomainPathFailure = "도메인 경로 실패";
const int kFailingPathId = 9999;

// The failure suite's own database: interfaces that form a cycle and a diamond, and two procedures that refuse
// for one argument each (the parent list of 'Broken', the record of method domain 7).
class GenerationFailure : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string database = TestDatabase::Prepare(kSuite, true).database;
        // The test processes of the suite may start together: one of them prepares the database.
        const int lock = open((TestDatabase::ServerDir() + "/" + kSuite + ".setup.lock").c_str(), O_CREAT | O_RDWR, 0600);
        flock(lock, LOCK_EX);
        PrepareFailures(database);
        flock(lock, LOCK_UN);
        close(lock);
    }

    static void PrepareFailures(const std::string& database) {
        if (TestDatabase::AdminQuery(database, "SELECT COUNT(*) FROM method_interface WHERE name = 'Broken'") ==
            "1\n") {
            return;
        }
        TestDatabase::AdminQuery(
            database,
            "INSERT INTO method_interface (domain_id, name, user_id, description) VALUES "
            "(6, 'CycA', 'admin', ''), (6, 'CycB', 'admin', ''), (6, 'Top', 'admin', ''), "
            "(6, 'Broken', 'admin', ''), (6, 'Left', 'admin', ''), (6, 'Right', 'admin', ''), "
            "(6, 'Base', 'admin', '');"
            "INSERT INTO interface_parent (interface_id, parent_id) SELECT c.id, p.id FROM method_interface c "
            "JOIN method_interface p ON p.domain_id = 6 AND c.domain_id = 6 AND "
            "((c.name = 'CycA' AND p.name = 'CycB') OR (c.name = 'CycB' AND p.name = 'CycA') OR "
            "(c.name = 'Top' AND p.name IN ('Broken', 'Left', 'Right')) OR (c.name = 'Broken' AND p.name = 'CycA') "
            "OR (c.name IN ('Left', 'Right') AND p.name = 'Base'));"
            "INSERT INTO interface_member (interface_id, method_id) SELECT i.id, m.id FROM method_interface i "
            "JOIN method m ON m.domain_id = 6 WHERE i.domain_id = 6 AND "
            "((i.name = 'Left' AND m.name = 'Ping') OR (i.name = 'Right' AND m.name = 'Ping') OR "
            "(i.name = 'Base' AND m.name = 'GetPosition'));");
        TestDatabase::AdminQuery(
            database,
            "DELIMITER $$\n"
            "CREATE OR REPLACE PROCEDURE interfaceViewParentInterfaceList(p_domain_id INT, p_kind VARCHAR(16), "
            "p_name VARCHAR(256))\n"
            "BEGIN\n"
            "  IF p_name = 'Broken' THEN\n"
            "    SELECT 0 AS test;\n"
            "    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '" + kParentListFailure + "';\n"
            "  END IF;\n"
            "  SELECT 1 AS test;\n"
            "  SELECT method_domain_qualifier(p.domain_id) AS qualifier, p.name AS name, p.domain_id AS domain_id\n"
            "    FROM method_interface f\n"
            "    JOIN interface_parent l ON l.interface_id = f.id\n"
            "    JOIN method_interface p ON p.id = l.parent_id\n"
            "   WHERE f.domain_id = p_domain_id AND f.name = p_name\n"
            "   ORDER BY l.seq;\n"
            "END$$\n"
            "CREATE OR REPLACE PROCEDURE get_domain_path(p_id INT, b_kind LONGBLOB)\n"
            "BEGIN\n"
            "  IF p_id = " + std::to_string(kFailingPathId) + " THEN\n"
            "    SELECT 0 AS test;\n"
            "    SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '" + kDomainPathFailure + "';\n"
            "  END IF;\n"
            "  SELECT 1 AS test;\n"
            "  SELECT domain_path(d.id) AS path FROM domain d WHERE d.id = p_id;\n"
            "END$$\n"
            "CREATE OR REPLACE PROCEDURE domainMethodInfo(p_id INT, p_kind VARCHAR(32))\n"
            "BEGIN\n"
            "  SELECT 0 AS test;\n"
            "  SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = '" + kDomainInfoFailure + "';\n"
            "END$$\n"
            "DELIMITER ;\n");
    }

    void SetUp() override {
        ASSERT_EQ(ConnectSession(TestDatabase::Prepare(kSuite, true)), "");
        db = CMysqlQuery::GetInstance();
    }
    void TearDown() override { db->Close(); }

    CMysqlQuery* db = nullptr;
    MessageBoxRecorder boxes;
};

using Set = ParentInterfaceSet;

}  // namespace

TEST_F(GenerationFailure, CollectionEndsOnCyclesAndDiamonds) {
    Set cycle;
    EXPECT_EQ(CollectParentInterfaces(*db, cycle, 6, "CycA"), 0);
    EXPECT_EQ(cycle, (Set{{6, "CycA"}, {6, "CycB"}}));

    Set diamond;
    EXPECT_EQ(CollectParentInterfaces(*db, diamond, 6, "Left"), 0);
    EXPECT_EQ(CollectParentInterfaces(*db, diamond, 6, "Right"), 0);
    EXPECT_EQ(diamond, (Set{{6, "Base"}, {6, "Left"}, {6, "Right"}}));
}

// A parent list that fails stops its branch only: the marks stay, the other parents are collected, and the
// failure is reported with the server's text.
TEST_F(GenerationFailure, FailingParentListStopsOnlyItsBranch) {
    Set collected;
    EXPECT_EQ(CollectParentInterfaces(*db, collected, 6, "Top"), -1);
    EXPECT_EQ(collected, (Set{{6, "Base"}, {6, "Broken"}, {6, "Left"}, {6, "Right"}, {6, "Top"}}));
    EXPECT_EQ(db->GetLastErrorText(), kParentListFailure);

    InterfaceInfoMap map;
    EXPECT_EQ(LoadInterfaceInfoMap(*db, 6, "Top", map), -1);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kParentListFailure});
    ASSERT_EQ(map.size(), 2u);  // Ping (once, from Left and Right) and GetPosition of Base
    EXPECT_EQ(map.begin()->second.method_name, "GetPosition");
    EXPECT_EQ(db->ParentInterfaces().size(), 5u);
}

// The document comment of a method domain whose record cannot be read shows the server's text and leaves the
// standard port at "0"; the rest of the header is still generated.
TEST_F(GenerationFailure, MethodDocumentCommentShowsAFailedRead) {
    class_domain_info domain;
    domain.id = 7;
    domain.name = "위치서비스";
    std::string port = "0";
    std::string comment;
    WriteMethodDomainDocHeader(*db, domain, port, comment);
    EXPECT_EQ(comment, "");
    EXPECT_EQ(port, "0");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kDomainInfoFailure});

    boxes.Clear();
    std::string header;
    MakeDomainHeader(header, "method", *db, domain);
    EXPECT_EQ(header.rfind("/* Prevent Duplicated Including", 0), 0u);
    EXPECT_NE(header.find("c_standard_port = 0;\n"), std::string::npos);
    EXPECT_NE(header.find("class stub_interface_I위치"), std::string::npos);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kDomainInfoFailure});
}

// One generation reads the header path of a data domain once however often it refers to it; the next generation
// reads it again, and a read that fails is neither kept nor hidden.
TEST_F(GenerationFailure, DataHeaderPathsAreReadOncePerGenerationAndFailuresEachTime) {
    const std::string name = "기억" + std::to_string(::getpid());
    const int id = std::stoi(TestDatabase::AdminQuery(
        TestDatabase::Prepare(kSuite, true).database,
        "INSERT INTO domain (kind, upper_id, name, user_id, public, description) VALUES ('data', 0, '" + name +
            "', 'admin', 1, ''); SELECT LAST_INSERT_ID()"));
    const auto paths = RememberedDataHeaderPaths(*db);
    const auto qualifiers = RememberedDataQualifiers(*db);
    EXPECT_EQ(paths(id), "Tamo\\Data\\" + name + "\\");
    EXPECT_EQ(qualifiers(id), "Tamo::Data::" + name);
    TestDatabase::AdminQuery(TestDatabase::Prepare(kSuite, true).database,
                             "UPDATE domain SET name = '" + name + "새' WHERE id = " + std::to_string(id));
    EXPECT_EQ(paths(id), "Tamo\\Data\\" + name + "\\");
    EXPECT_EQ(qualifiers(id), "Tamo::Data::" + name);
    EXPECT_EQ(RememberedDataHeaderPaths(*db)(id), "Tamo\\Data\\" + name + "새\\");
    EXPECT_TRUE(boxes.Texts().empty());

    EXPECT_EQ(paths(kFailingPathId), "Tamo\\Data\\");
    EXPECT_EQ(paths(kFailingPathId), "Tamo\\Data\\");
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{kDomainPathFailure, kDomainPathFailure}));
}
