#include <gtest/gtest.h>

#include "TestDatabase.h"

using tamo::testing::TestConnection;
using tamo::testing::TestDatabase;

namespace {

// Two suites that ask for different databases never see each other's changes.
TEST(Isolation, SuitesDoNotShareTheirDesignDatabases) {
    TestConnection first(TestDatabase::Prepare("isolation_first", false));
    TestConnection second(TestDatabase::Prepare("isolation_second", false));
    ASSERT_TRUE(first.connected() && second.connected());

    ASSERT_TRUE(first.Login("admin", "admin"));
    auto created = first.Run("call acountlistViewNewAcount('only_in_first','secret','')");
    ASSERT_TRUE(created.ok) << created.error;

    EXPECT_TRUE(first.Login("only_in_first", "secret"));
    EXPECT_FALSE(second.Login("only_in_first", "secret"));
    EXPECT_TRUE(second.Login("admin", "admin"));
}

TEST(Isolation, ADatabaseIsPreparedOncePerRun) {
    auto values = TestDatabase::Prepare("isolation_once", false);
    TestConnection db(values);
    ASSERT_TRUE(db.Login("admin", "admin"));
    auto created = db.Run("call acountlistViewNewAcount('survivor','s','')");
    // A test process that runs this a second time in the same run finds the account already there.
    ASSERT_TRUE(created.ok || created.error.find("이미") != std::string::npos) << created.error;
    TestConnection again(TestDatabase::Prepare("isolation_once", false));
    EXPECT_TRUE(again.Login("survivor", "s"));
}

}  // namespace
