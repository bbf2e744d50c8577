// quorrin on the sample design: the golden document of the system Ship, what it shows of nodes, deployments
// and the domains they use, and its error paths.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "DesignFixture.h"
#include "ExportFiles.h"
#include "Golden.h"

using tamo::exporters::CommandLine;
using tamo::exporters::testing::DesignBuilder;
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

const char* const ship = "9";

std::string ExportShip(const std::string& file) {
    const ProgramRun run = RunTool("quorrin", ExporterArguments(Sample(), "admin", "admin", ship, file));
    EXPECT_EQ(run.exit_code, 0) << run.output;
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(WellFormed(file));
    return ReadFile(file);
}

TEST(Quorrin, GoldenDocumentOfTheSampleSystem) {
    ScratchFolder folder;
    EXPECT_TRUE(MatchesGolden(ExportShip(folder.file("ship.xml")), "quorrin-sample.xml"));
}

TEST(Quorrin, NodesShowTheirSubSystemsAndDeployedProcesses) {
    ScratchFolder folder;
    const std::string xml = ExportShip(folder.file("ship.xml"));
    const Texts types = Values(xml, "system/nodes/node/type");
    const Texts subsystems = Values(xml, "system/nodes/node/subsystem");
    ASSERT_EQ(types.size(), subsystems.size());
    for (std::size_t node = 0; node < types.size(); ++node) {
        // Only sub-system and sensor nodes stand for a system domain, a router never.
        const bool stands_for_domain = types[node] == "sub_system" || types[node] == "sensor";
        EXPECT_EQ(subsystems[node].rfind("Ship::", 0) == 0, stands_for_domain) << types[node];
    }
    // A process's component is the path of its component's system domain followed by the component id.
    for (const std::string& component : Values(xml, "system/nodes/node/processes/process/component"))
        EXPECT_TRUE(component.rfind("Ship", 0) == 0 && std::isdigit(static_cast<unsigned char>(component.back())))
            << component;
    // Every method domain a proxy or stub names is written once, and every written method domain is named.
    Texts used = Values(xml, "system/nodes/node/processes/process/proxies/proxy/interface_path");
    for (const std::string& path : Values(xml, "system/nodes/node/processes/process/stubes/stub/interface_path"))
        used.push_back(path);
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    Texts written = Values(xml, "method_domains/method_domain/path");
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, used);
    for (const std::string& code : Values(xml, "method_domains/method_domain/methods/method/code"))
        EXPECT_EQ(code.size(), 6u) << code;
}

// The sample's computers, router and switch took their ports from 표준장비 but stand for no domain: they write
// no sub-system and none of its ports, also after 표준장비 got a port more and became private, and an account
// that may not read 표준장비 exports Ship all the same.
TEST(Quorrin, NodesThatStandForNoDomainWriteNothingOfThePortTemplate) {
    const ConnectionValues values = PrepareDesign("quorrin_private_template", true, [](DesignBuilder& d) {
        const std::string templateId = d.DomainId("system", "표준장비");
        d.Call("call domainPortViewNewPort(" + templateId + ", 5, 5, 'LAN5')");
        d.Call("call domainViewEditDomain(" + templateId + ", 'system', '표준장비', 0, '0', '')");
    });
    for (const char* account : {"admin", "user"}) {
        SCOPED_TRACE(account);
        ScratchFolder folder;
        const std::string file = folder.file("ship.xml");
        const ProgramRun run = RunTool("quorrin", ExporterArguments(values, account, account, ship, file));
        ASSERT_EQ(run.exit_code, 0) << run.output;
        const std::string xml = ReadFile(file);
        const Texts types = Values(xml, "system/nodes/node/type");
        const Texts subsystems = Values(xml, "system/nodes/node/subsystem");
        ASSERT_EQ(types.size(), subsystems.size());
        Texts template_nodes;
        for (std::size_t node = 0; node < types.size(); ++node)
            if (types[node] != "sub_system" && types[node] != "sensor") template_nodes.push_back(subsystems[node]);
        EXPECT_EQ(template_nodes, Texts(4, ""));
        // Only the two sub-system nodes' domains have ports: 조타실's 1-2 and 기관실's 1.
        EXPECT_EQ(Values(xml, "system/nodes/node/ports/port/number"), (Texts{"1", "2", "1"}));
    }
}

TEST(Quorrin, ErrorPathsPrintTheirLineExitWithOneAndWriteNoFile) {
    const ConnectionValues values = Sample();
    ScratchFolder folder;
    const std::string out = folder.file("out.xml");
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        std::string output;
    };
    const std::vector<std::string> nine = ExporterArguments(values, "admin", "admin", ship, out);
    auto with = [&](int position, const std::string& value) {
        std::vector<std::string> arguments = nine;
        arguments[position] = value;
        return arguments;
    };
    const Case cases[] = {
        {"seven arguments", std::vector<std::string>(nine.begin(), nine.begin() + 7),
         "err : " + CommandLine::usage("quorrin") + "\n"},
        {"an unknown system", with(7, "999999"), "err : system don't exist\n"},
        {"a data domain's id", with(7, "1"), "err : system don't exist\n"},
        {"a wrong password", with(6, "user"), "err : login error\n"},
        {"an unreachable server", with(1, "1"), "err : failed to connect\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunTool("quorrin", c.arguments);
        EXPECT_EQ(run.exit_code, 1) << c.what;
        EXPECT_EQ(run.output, c.output) << c.what;
        EXPECT_TRUE(FolderEntries(folder.path()).empty()) << c.what;
    }
}

}  // namespace
