// The exporters among the other sessions of the shared database account: their login password never shows in
// the process list, a server that never answers or stops answering ends the run within a bound, and a port
// that is no port is refused.

#include <gtest/gtest.h>

#include <chrono>

#include "CommandLine.h"
#include "DesignFixture.h"
#include "ExportError.h"
#include "ExportFiles.h"
#include "ProcessListWatch.h"
#include "ServerProxy.h"
#include "SilentServer.h"
#include "XML_db_core.h"

using tamo::exporters::CommandLine;
using tamo::exporters::ExportError;
using tamo::exporters::XML_db_core;
using tamo::exporters::testing::ExporterArguments;
using tamo::exporters::testing::FolderEntries;
using tamo::exporters::testing::ProgramRun;
using tamo::exporters::testing::RunTool;
using tamo::exporters::testing::ScratchFolder;
using tamo::testing::ConnectionValues;
using tamo::testing::TestDatabase;

namespace {

const char* const kPrograms[] = {"pelvane", "quorrin", "skarrow"};

TEST(SharedServer, TheLoginPasswordNeverShowsInTheProcessList) {
    const ConnectionValues server = TestDatabase::Prepare("exporter_secrecy", false);
    const std::string password = "exporter-pw-only-the-run-knows-2c9d";
    tamo::testing::ProcessListWatch::AddAccount(server, "exporting", password);
    tamo::testing::ProcessListWatch watch(server, password);
    // At least 200 logins, and as many more (within bounds) as the watch needs to read the list 200 times.
    for (int run = 0; run < 200 || (watch.Polls() < 200 && run < 5000); ++run) {
        XML_db_core db;
        ASSERT_EQ(db.connect(server.host, std::to_string(server.port), server.database, server.user, server.password),
                  nullptr);
        EXPECT_NO_THROW(db.log_in("exporting", password)) << run;
    }
    EXPECT_EQ(watch.Stop(), 0);
}

TEST(SharedServer, AServerThatNeverAnswersEndsTheRunWithAnError) {
    tamo::testing::SilentServer silent;
    ConnectionValues server;
    server.port = silent.Port();
    server.user = server.password = server.database = "tamo";
    ScratchFolder folder;
    for (const char* program : kPrograms) {
        const auto started = std::chrono::steady_clock::now();
        const ProgramRun run = RunTool(program, ExporterArguments(server, "admin", "admin", "1", folder.file("out.xml")));
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(15)) << program;
        EXPECT_EQ(run.exit_code, 1) << program;
        EXPECT_NE(run.output.find("err : failed to connect"), std::string::npos) << program << ": " << run.output;
    }
    EXPECT_TRUE(FolderEntries(folder.path()).empty());
}

// A statement whose connection is lost ends the run, saying why: every later statement would fail as well.
TEST(SharedServer, AServerThatStopsAnsweringOrEndsTheConnectionEndsTheRunSayingSo) {
    const ConnectionValues server = TestDatabase::Prepare("exporter_secrecy", false);
    const unsigned bound = 2;
    const struct {
        const char* what;
        void (tamo::testing::ServerProxy::*end)();
        std::string error;
    } ends[] = {
        {"paused", &tamo::testing::ServerProxy::Pause, "서버가 2초 동안 응답하지 않아 호출을 멈췄습니다."},
        {"cut", &tamo::testing::ServerProxy::CutAll, "서버와의 연결이 끊어졌습니다 ("},
    };
    for (const auto& end : ends) {
        tamo::testing::ServerProxy proxy(server.host, server.port);
        XML_db_core db;
        db.set_wait_bound(bound);
        ASSERT_EQ(db.connect(server.host, std::to_string(proxy.Port()), server.database, server.user, server.password),
                  nullptr);
        db.log_in("admin", "admin");
        (proxy.*end.end)();
        const auto started = std::chrono::steady_clock::now();
        tamo::exporters::ResultSets results;
        try {
            db.query(results, "call acountViewUserinfo()");
            ADD_FAILURE() << end.what << ": the statement did not fail";
        } catch (const ExportError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(end.error, 0), 0u) << end.what << ": " << error.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(bound + 2)) << end.what;
    }
}

TEST(SharedServer, APortThatIsNoPortIsRefusedWithTheUsage) {
    ScratchFolder folder;
    ConnectionValues server = TestDatabase::Prepare("exporter_secrecy", false);
    for (const char* program : kPrograms) {
        std::vector<std::string> arguments = ExporterArguments(server, "admin", "admin", "1", folder.file("out.xml"));
        for (const std::string& port : std::vector<std::string>{"", "-0", "abc", "3306x", std::to_string(server.port + 65536)}) {
            arguments[1] = port;
            const ProgramRun run = RunTool(program, arguments);
            EXPECT_EQ(run.exit_code, 1) << program << " '" << port << "'";
            EXPECT_EQ(run.output, "err : " + CommandLine::usage(program == std::string("skarrow") ? "vandrel" : "quorrin") +
                                      "\n")
                << program << " '" << port << "'";
        }
    }
    EXPECT_TRUE(FolderEntries(folder.path()).empty());
}

}  // namespace
