// skarrow and its older build vandrel on the sample design: the golden component document, the depth-first
// data domain section, and the error paths.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "DesignFixture.h"
#include "ExportFiles.h"
#include "Golden.h"

using tamo::exporters::CommandLine;
using tamo::exporters::testing::ExporterArguments;
using tamo::exporters::testing::FolderEntries;
using tamo::exporters::testing::MatchesGolden;
using tamo::exporters::testing::PrepareDesign;
using tamo::exporters::testing::ProgramRun;
using tamo::exporters::testing::ReadFile;
using tamo::exporters::testing::RunTool;
using tamo::exporters::testing::ScratchFolder;
using tamo::exporters::testing::Values;
using tamo::exporters::testing::WellFormed;
using tamo::testing::ConnectionValues;
using Texts = std::vector<std::string>;

namespace {

ConnectionValues Sample() { return PrepareDesign("exporters_golden", true); }

// 조타 제어기 in 조타실: proxy and stub classes of two method domains.
const char* const steering = "3";

std::string ExportComponent(const std::string& program, const std::string& id, const std::string& file) {
    const ProgramRun run = RunTool(program, ExporterArguments(Sample(), "admin", "admin", id, file));
    EXPECT_EQ(run.exit_code, 0) << run.output;
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(WellFormed(file));
    return ReadFile(file);
}

TEST(Skarrow, GoldenDocumentOfTheSampleComponent) {
    ScratchFolder folder;
    EXPECT_TRUE(MatchesGolden(ExportComponent("skarrow", steering, folder.file("c.xml")), "skarrow-sample.xml"));
}

TEST(Skarrow, EveryDataDomainFollowsTheDomainsItsAliasesPointInto) {
    ScratchFolder folder;
    for (const char* component : {"1", "2", "3", "4"}) {
        const std::string xml = ExportComponent("skarrow", component, folder.file("c.xml"));
        const Texts ids = Values(xml, "datadomain/row/id");
        Texts written;
        for (const std::string& id : ids) {
            EXPECT_EQ(std::count(written.begin(), written.end(), id), 0) << component << ": " << id << " twice";
            written.push_back(id);
        }
        // Every parent a row lists is written in the section too.
        const Texts parents = Values(xml, "datadomain/row/parent_domain_list/row/parent_domain_id");
        for (const std::string& parent : parents)
            EXPECT_NE(std::find(ids.begin(), ids.end(), parent), ids.end()) << component << ": " << parent;
        for (const std::string& path : Values(xml, "methoddomain/row/path")) EXPECT_EQ(path[0], '/') << path;
    }
}

TEST(Skarrow, VandrelWritesTheSameDocument) {
    ScratchFolder folder;
    for (const char* component : {"1", "2", "3", "4"})
        EXPECT_EQ(ExportComponent("vandrel", component, folder.file("v.xml")),
                  ExportComponent("skarrow", component, folder.file("s.xml")))
            << component;
}

TEST(Skarrow, ErrorPathsPrintTheirLineExitWithOneAndWriteNoFile) {
    const ConnectionValues values = Sample();
    ScratchFolder folder;
    const std::string out = folder.file("out.xml");
    const std::vector<std::string> nine = ExporterArguments(values, "admin", "admin", steering, out);
    auto with = [&](int position, const std::string& value) {
        std::vector<std::string> arguments = nine;
        arguments[position] = value;
        return arguments;
    };
    struct Case {
        const char* program;
        const char* what;
        std::vector<std::string> arguments;
        std::string output;  // the beginning of the output
    };
    const std::string usage = "err : " + CommandLine::usage("vandrel") + "\n";
    const Case cases[] = {
        {"skarrow", "seven arguments", std::vector<std::string>(nine.begin(), nine.begin() + 7), usage},
        {"vandrel", "seven arguments", std::vector<std::string>(nine.begin(), nine.begin() + 7), usage},
        {"skarrow", "an unknown component", with(7, "999999"), "err : component don't exist\n"},
        {"vandrel", "an unknown component", with(7, "999999"), "err : component don't exist\n"},
        {"skarrow", "an id that is no number", with(7, "3,4"), "err : query err\n"},
        {"skarrow", "a wrong password", with(6, "x"), "err : login error\n"},
        {"skarrow", "an unreachable server", with(1, "1"), "err : failed to connect\n"},
        {"vandrel", "an unreachable server", with(1, "1"), "mysql error "},
        {"skarrow", "a missing folder", with(8, folder.file("no/out.xml")), "err : failed to save "},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunTool(c.program, c.arguments);
        EXPECT_EQ(run.exit_code, 1) << c.program << ", " << c.what;
        EXPECT_EQ(run.output.rfind(c.output, 0), 0u) << c.program << ", " << c.what << ": " << run.output;
        EXPECT_TRUE(FolderEntries(folder.path()).empty()) << c.program << ", " << c.what;
    }
    // vandrel names the client's reason, then fails as the others do; it connects to the host it is given.
    const ProgramRun vandrel = RunTool("vandrel", with(0, "127.0.0.2"));
    EXPECT_EQ(vandrel.exit_code, 1);
    EXPECT_NE(vandrel.output.find("127.0.0.2"), std::string::npos) << vandrel.output;
    EXPECT_EQ(vandrel.output.substr(vandrel.output.size() - 24), "err : failed to connect\n");
}

}  // namespace
