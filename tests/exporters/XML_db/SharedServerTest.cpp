// The exporters among the other sessions of the shared database account: their login password never shows in
// the process list, a server that never answers ends the run, and a port that is no port is refused.

#include <gtest/gtest.h>

#include <chrono>

#include "CommandLine.h"
#include "DesignFixture.h"
#include "ExportError.h"
#include "ExportFiles.h"
#include "ProcessListWatch.h"
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
