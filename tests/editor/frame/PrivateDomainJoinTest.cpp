// Joining a private domain path level by level against the sample design.

#include <gtest/gtest.h>

#include "CMysqlQuery.h"
#include "FrameTestDatabase.h"
#include "PrivateDomainJoin.h"

namespace {

using tamo::testing::TestDatabase;

TEST(PrivateDomainJoinTest, SplitsAtEveryBackslashAndSkipsEmptyNames) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(SplitJoinPath("Nav\\Pos\\센서"), (Names{"Nav", "Pos", "센서"}));
    EXPECT_EQ(SplitJoinPath("Nav\\\\Pos"), (Names{"Nav", "Pos"}));
    EXPECT_EQ(SplitJoinPath("\\Nav\\Pos\\"), (Names{"Nav", "Pos"}));
    EXPECT_EQ(SplitJoinPath("Operator's Console"), Names{"Operator's Console"});
    EXPECT_EQ(SplitJoinPath(""), Names{});
    EXPECT_EQ(SplitJoinPath("\\\\"), Names{});
}

class PrivateDomainJoinDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { server = frame_test::SampleDatabase("frame_join"); }
    void TearDown() override { CMysqlQuery::GetInstance()->Close(); }

    // Logs a new account of this test in (each test has its own, so that it starts without memberships).
    void LogInAsNewAccount(const std::string& user) {
        tamo::testing::TestConnection admin(server);
        ASSERT_TRUE(admin.Login("admin", "admin"));
        admin.Run("call acountlistViewNewAcount('" + user + "','pw','')");
        ASSERT_EQ(frame_test::ConnectSession(server, user, "pw"), "");
    }

    // The domains the account applied to, by id.
    std::string Applications(const std::string& user) {
        return TestDatabase::AdminQuery(server.database,
                                        "SELECT GROUP_CONCAT(domain_id ORDER BY domain_id) FROM domain_member "
                                        "WHERE grade = 'applicant' AND user_id = '" + user + "'");
    }

    tamo::testing::ConnectionValues server;
};

TEST_F(PrivateDomainJoinDatabaseTest, EachLevelIsFoundBelowThePreviousOne) {
    LogInAsNewAccount("joiner_a");
    // 센서 (4) exists only below Nav (1) and Pos (2): the third call can find it only with the id of the second.
    EXPECT_EQ(JoinPrivateDomainPath("Nav\\Pos\\센서", "data"), 0);
    EXPECT_EQ(Applications("joiner_a"), "1,2,4\n");
}

TEST_F(PrivateDomainJoinDatabaseTest, ADoubleBackslashMakesNoEmptyLevel) {
    LogInAsNewAccount("joiner_b");
    EXPECT_EQ(JoinPrivateDomainPath("Ship\\\\조타실", "system"), 0);
    EXPECT_EQ(Applications("joiner_b"), "9,10\n");
}

TEST_F(PrivateDomainJoinDatabaseTest, StopsAtTheFirstRefusedLevelWithTheServersText) {
    LogInAsNewAccount("joiner_c");
    // Pos is a data domain: the method tree has no such level, so nothing below it is asked for.
    EXPECT_EQ(JoinPrivateDomainPath("NavService\\Pos\\위치서비스", "method"), -1);
    EXPECT_EQ(CMysqlQuery::GetInstance()->GetLastErrorText(), "경로에 없는 도메인입니다: Pos");
    EXPECT_EQ(Applications("joiner_c"), "6\n");
}

}  // namespace
