#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TestDatabase.h"

using tamo::testing::ConnectionValues;
using tamo::testing::TestConnection;
using tamo::testing::TestDatabase;

namespace {

struct Command {
    int status;
    std::string output;
};

Command RunTool(const std::string& arguments) {
    std::string command = '\'' + TestDatabase::Tool() + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    char buffer[256];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    int status = pclose(pipe);
    return {status, text};
}

TEST(ServerFixture, TheRunsServerAnswersOnItsPort) {
    Command port = RunTool("port '" + TestDatabase::ServerDir() + "'");
    ASSERT_EQ(port.status, 0) << port.output;
    EXPECT_EQ(std::stoi(port.output), TestDatabase::ServerPort());
    EXPECT_NE(TestDatabase::ServerPort(), 3306);
    TestConnection db(TestDatabase::Prepare("fixture", false));
    EXPECT_TRUE(db.connected()) << db.connectError();
}

TEST(ServerFixture, TwoServersRunSideBySideAndStop) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(TestDatabase::ServerDir()) / ("side-by-side-" + std::to_string(getpid()));
    const std::string first = (root / "a").string(), second = (root / "b").string();
    for (const auto& dir : {first, second}) {
        Command init = RunTool("init '" + dir + "'");
        ASSERT_EQ(init.status, 0) << init.output;
    }
    Command a = RunTool("start '" + first + "'"), b = RunTool("start '" + second + "'");
    ASSERT_EQ(a.status, 0) << a.output;
    ASSERT_EQ(b.status, 0) << b.output;
    EXPECT_NE(std::stoi(a.output), std::stoi(b.output));

    for (const auto& dir : {first, second}) {
        ASSERT_EQ(RunTool("create '" + dir + "' side").status, 0);
        ConnectionValues values{"127.0.0.1", std::stoi(RunTool("port '" + dir + "'").output), "tamo", "tamo", "side"};
        TestConnection db(values);
        ASSERT_TRUE(db.connected()) << db.connectError();
        EXPECT_TRUE(db.Login("admin", "admin"));
    }
    for (const auto& dir : {first, second}) {
        EXPECT_EQ(RunTool("stop '" + dir + "'").status, 0);
        EXPECT_NE(RunTool("port '" + dir + "'").status, 0) << "still running: " << dir;
    }

    // A pid file that outlived its server and names a live process that is no server of the directory (here
    // this test): no server runs there, and start starts one.
    {
        std::FILE* pidFile = std::fopen((fs::path(first) / "mysqld.pid").c_str(), "w");
        ASSERT_TRUE(pidFile);
        std::fprintf(pidFile, "%d\n", static_cast<int>(getpid()));
        std::fclose(pidFile);
    }
    EXPECT_NE(RunTool("port '" + first + "'").status, 0);
    Command restarted = RunTool("start '" + first + "'");
    ASSERT_EQ(restarted.status, 0) << restarted.output;
    EXPECT_EQ(RunTool("port '" + first + "'").output, restarted.output);
    EXPECT_EQ(RunTool("stop '" + first + "'").status, 0);
    fs::remove_all(root);
}

TEST(ServerFixture, ARunningServerIsStartedOnlyOnce) {
    Command again = RunTool("start '" + TestDatabase::ServerDir() + "'");
    ASSERT_EQ(again.status, 0) << again.output;
    EXPECT_EQ(std::stoi(again.output), TestDatabase::ServerPort());
}

}  // namespace

// A server that hands out ids from another start and in other steps (a cluster steps by its node count) loads
// the same sample design: the sample looks every id up by name.
TEST(ServerFixture, TheSampleLoadsWhereIdsStartAndStepOtherwise) {
    const ConnectionValues usual = TestDatabase::Prepare("sample", true);
    const ConnectionValues stepped = TestDatabase::Prepare("sample_stepped_ids", false);
    const std::filesystem::path samples = std::filesystem::path(TestDatabase::Tool()).parent_path() / "sample";
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(samples))
        if (entry.path().extension() == ".sql") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        const Command load = RunTool("sql '" + TestDatabase::ServerDir() + "' " + stepped.database +
                                     " --init-command='SET SESSION auto_increment_increment = 3, "
                                     "auto_increment_offset = 2' <'" + file.string() + "' >/dev/null");
        ASSERT_EQ(load.status, 0) << file << ": " << load.output;
    }
    EXPECT_EQ(TestDatabase::AdminQuery(stepped.database, "SELECT COUNT(*) FROM domain WHERE id % 3 <> 2"), "0\n");
    // The same design: every domain under the same parent, and as much of everything else.
    const std::string design =
        "SELECT d.kind, d.name, COALESCE(p.name, '-'), d.public FROM domain d LEFT JOIN domain p ON p.id = d.upper_id "
        "ORDER BY d.kind, d.name; SELECT (SELECT COUNT(*) FROM data_item), (SELECT COUNT(*) FROM data_field), "
        "(SELECT COUNT(*) FROM method), (SELECT COUNT(*) FROM domain_member), (SELECT COUNT(*) FROM domain_parent), "
        "(SELECT COUNT(*) FROM node), (SELECT COUNT(*) FROM custom_entry), (SELECT COUNT(*) FROM account)";
    EXPECT_EQ(TestDatabase::AdminQuery(stepped.database, design), TestDatabase::AdminQuery(usual.database, design));
}
