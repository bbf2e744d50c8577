// The shape of every reading procedure of the system area against the sample design: the number of result
// sets, the status value, the column count, and the keys where the exporters read cells by key. The changing
// procedures are walked through in SystemBehaviourTest.cpp, each checked for its one status set.
#include <gtest/gtest.h>

#include "SystemCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::system;

namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("system_contract", true); }
const SampleIds& Ids() {
    static SampleIds ids("t_system_contract_sample");
    return ids;
}

struct ReaderCase {
    const char* call;
    size_t columns;
    std::vector<std::string> keys;  // empty: read by position only
    int rows = -1;                  // -1: any number of rows
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.call; }

const std::vector<std::string> kPortKeys = {"domain_system_port.seq", "domain_system_port.port_num",
                                            "domain_system_port.port_group", "domain_system_port.description"};
const std::vector<std::string> kLinkKeys = {"x.s_node_id", "x.sname", "x.s_port_id",
                                            "x.d_node_id", "x.dname", "x.d_port_id"};
const std::vector<std::string> kNodeKeys = {"xxx.Id", "xxx.domain_id", "xxx.aname", "xxx.type", "xxx.description",
                                            "xxx.sub_system_domain_id", "s.sub_system_name", "xxx.lock_flag"};
const std::vector<std::string> kInstalledKeys = {"A.id", "A.component_id", "A.systemdomain_id",
                                                 "A.name", "A.seq", "A.description"};
const std::vector<std::string> kProxyEntryKeys = {
    "a.id", "a.deployment_id", "a.class_id", "b.interface_name", "b.class_name", "a.object_id", "a.stub_object_id",
    "a.stub_ip", "c.name", "c.id", "c.standard_port", "a.object_name", "a.public"};
const std::vector<std::string> kStubEntryKeys = {
    "a.id", "a.deployment_id", "a.class_id", "a.object_id", "b.interface_name", "b.class_name", "c.name", "c.id",
    "c.standard_port", "a.object_name", "a.public"};
const std::vector<std::string> kComponentKeys = {"component.id", "component.systemdomain_id", "component.name",
                                                 "component.seq", "component.description"};
const std::vector<std::string> kClassKeys = {"a.id", "a.method_domain_id", "a.component_id",
                                             "a.interface_name", "b.method_domain_name", "a.class_name"};
const std::vector<std::string> kProxyObjectKeys = {"proxy_interface_object.proxy_interface_id",
                                                   "proxy_interface_object.object_name",
                                                   "proxy_interface_object.component_id"};
const std::vector<std::string> kStubObjectKeys = {"stub_interface_object.stub_interface_id",
                                                  "stub_interface_object.object_name",
                                                  "stub_interface_object.component_id"};

class Readers : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(Readers, AnswerStatusOneAndOneDataSetOfTheirLayout) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    auto result = db.Run(Ids().Expand(GetParam().call));
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.sets.size(), 2u);
    EXPECT_EQ(result.sets[0].keys, std::vector<std::string>{"test"});
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "1");
    EXPECT_EQ(result.sets[1].keys.size(), GetParam().columns);
    if (!GetParam().keys.empty()) {
        EXPECT_EQ(result.sets[1].keys, GetParam().keys);
    }
    if (GetParam().rows >= 0) {
        EXPECT_EQ(result.sets[1].rows.size(), size_t(GetParam().rows));
    }
}

INSTANTIATE_TEST_SUITE_P(
    ExporterReads, Readers,
    ::testing::Values(
        // quorrin's reads, with its spacing, and with a node's "(null)" sub-system id.
        ReaderCase{"call systemDomainPortViewList(9)", 4, kPortKeys, 3},
        ReaderCase{"call systemDomainPortViewList((null))", 4, kPortKeys, 0},
        ReaderCase{"call systemDomainPortViewList(0)", 4, kPortKeys, 0},
        ReaderCase{"call NetworklinkViewNetworkinkList(9)", 6, kLinkKeys, 6},
        ReaderCase{"call nodeViewList(9)", 8, kNodeKeys, 6},
        ReaderCase{"call nodeDeploymentViewInstallList(9,{node:항해 컴퓨터})", 6, kInstalledKeys, 1},
        ReaderCase{"call coustim_proxyViewlistinfo({node:Captain's PC},{component:위치 표시기})", 13, kProxyEntryKeys, 2},
        ReaderCase{"call coustim_stubViewlistinfo({node:조타실 시스템},{component:조타 제어기})", 11, kStubEntryKeys, 1},
        // skarrow's reads.
        ReaderCase{"call componentEntityViewcomponentinfoList({component:항법 관리자})", 5, kComponentKeys, 1},
        ReaderCase{"call componentEntityViewcomponentinfoList(0)", 5, kComponentKeys, 0},
        ReaderCase{"call proxyInterfaceViewList({component:위치 표시기})", 6, kClassKeys, 2},
        ReaderCase{"call stubInterfaceViewList({component:항법 관리자})", 6, kClassKeys, 1},
        ReaderCase{"call proxyInterfaceObjectViewList({class:위치 표시기/proxy/class_위치})", 3, kProxyObjectKeys, 1},
        ReaderCase{"call stubInterfaceObjectViewList({class:항법 관리자/stub/class_Waypoint})", 3, kStubObjectKeys,
                   1}));

INSTANTIATE_TEST_SUITE_P(
    EditorReads, Readers,
    ::testing::Values(
        ReaderCase{"call nodeViewList('9')", 8, {}, 6},
        ReaderCase{"call nodeViewListnodeKey({node:스위치 A})", 8, {}, 1},
        ReaderCase{"call nodeViewnodeinfo({node:스위치 A})", 8, {}, 1},
        ReaderCase{"call nodeViewnodeinfo(0)", 8, {}, 0},
        ReaderCase{"call componentViewList(9)", 5, {}, 2},
        ReaderCase{"call componentViewList('10')", 5, {}, 1},
        ReaderCase{"call nodeDeploymentViewComponentList(9, {node:항해 컴퓨터})", 5, {}, 1},
        ReaderCase{"call deployComponentViewInterfaceinfo({component:조타 제어기})", 6, {}, 1},
        ReaderCase{"call proxyInterfaceRelationViewClassNameList({component:위치 표시기}, 6, 'IWaypoint')", 1, {}, 1},
        ReaderCase{"call stubInterfaceRelationViewClassNameList({component:위치 표시기}, 6, 'IWaypoint')", 1, {}, 0},
        ReaderCase{"call networkViewList({node:주 라우터})", 11, {}, 2},
        ReaderCase{"call deployments_bind_table_info({deployment:항해 컴퓨터/항법 관리자})", 3, {}, 1},
        ReaderCase{"call networkLinkViewConnectSwitch({node:스위치 A})", 5, {}, 4},
        ReaderCase{"call draw_deployComponentProxyInterfaceList(9, {node:Captain's PC}, {component:위치 표시기})", 13,
                   {}, 2},
        ReaderCase{"call setup_public_interface_to_subsystem({node:조타실 시스템}, 1)", 3, {}, 1},
        ReaderCase{"call setup_public_interface_to_subsystem({node:조타실 시스템}, 0)", 3, {}, 1},
        ReaderCase{"call nodeportViewNodeportInfo({node:조타실 시스템})", 4, {}, 2},
        ReaderCase{"call nodeViewNetworkPort(10,{node:조타실 시스템})", 2, {}, 2},
        ReaderCase{"call nodeViewNetworkPort(9,0)", 2, {}, 3},
        ReaderCase{"call switchSubComponentInfo({node:조타실 시스템})", 1, {}, 1},
        ReaderCase{"call deploymentsViewDeploymentslist(10, {component:조타 제어기})", 1, {}, 1},
        ReaderCase{"call domainLogicalViewlist(9)", 1, {}, 2},
        // The diagrams' reads, also with ids that name nothing.
        ReaderCase{"call select_all_deploy_component_only_proxy(9)", 6, {}, 1},
        ReaderCase{"call select_all_deploy_stub_component(9, {component:위치 표시기})", 6, {}, 2},
        ReaderCase{"call select_all_deploy_stub_component(0, 0)", 6, {}, 0},
        ReaderCase{"call nodecomponentViewstubcomponentlist(301, '192.168.1.30', 9)", 11, {}, 1},
        ReaderCase{"call nodecomponentViewstubcomponentlist(0, '0.0.0.0', 9)", 11, {}, 0},
        ReaderCase{"call nodeComponentViewProxyComponentList({node:조타실 시스템}, 301, 'I위치', 9, "
                   "{component:조타 제어기})",
                   9, {}, 1}));

struct CheckCase {
    const char* call;
    size_t columns;
    std::vector<std::vector<std::string>> rows;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.call; }

class Checks : public ::testing::TestWithParam<CheckCase> {};

// Lock checks, the overlap check and the clone check answer their rows as the first and only set.
TEST_P(Checks, AnswerTheirRowsWithoutAStatusSet) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    auto result = db.Run(Ids().Expand(GetParam().call));
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.sets.size(), 1u);
    EXPECT_EQ(result.sets[0].keys.size(), GetParam().columns);
    std::vector<std::vector<std::string>> rows;
    for (size_t row = 0; row < result.sets[0].rows.size(); ++row) {
        rows.emplace_back();
        for (size_t column = 0; column < result.sets[0].keys.size(); ++column)
            rows.back().push_back(Cell(result.sets[0], row, column));
    }
    EXPECT_EQ(rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    SampleDesign, Checks,
    ::testing::Values(
        CheckCase{"call check_system_lock_domain(10)", 1, {{"1"}}},
        CheckCase{"call check_system_lock_domain(11)", 1, {{"0"}}},
        CheckCase{"call check_system_lock_domain(0)", 1, {{"0"}}},
        CheckCase{"call check_system_lock_networklink({node:조타 스위치}, 2, 10)", 1, {{"1"}}},
        CheckCase{"call check_system_lock_networklink({node:조타 스위치}, 1, 10)", 1, {{"0"}}},
        CheckCase{"call check_system_lock_networklink(0, 1, 10)", 1, {{"1"}}},
        CheckCase{"call check_system_lock_node_port({node:조타 스위치}, 2)", 1, {{"1"}}},
        CheckCase{"call check_system_lock_node_port({node:기관 컴퓨터}, 1)", 1, {{"0"}}},
        CheckCase{"call check_system_lock_component(10, {component:조타 제어기})", 1, {{"1"}}},
        CheckCase{"call check_system_lock_component(11, {component:기관 감시기})", 1, {{"0"}}},
        CheckCase{"call check_system_lock_stub_class({class:조타 제어기/stub/class_위치})", 1, {{"1"}}},
        CheckCase{"call check_system_lock_proxy_class({class:조타 제어기/proxy/class_Heartbeat})", 1, {{"1"}}},
        CheckCase{"call check_system_lock_proxy_class({class:위치 표시기/proxy/class_위치})", 1, {{"0"}}},
        CheckCase{"call check_system_lock_stub_object({class:조타 제어기/stub/class_위치}, 'object_stub_위치')", 1,
                  {{"1"}}},
        CheckCase{"call check_system_lock_proxy_object({class:위치 표시기/proxy/class_위치}, 'object_proxy_위치')", 1,
                  {{"0"}}},
        CheckCase{"call check_system_lock_proxy_object({class:조타 제어기/proxy/class_Heartbeat}, "
                  "'object_proxy_hb_public')",
                  1, {{"1"}}},
        CheckCase{"call check_system_lock_proxy_object({class:조타 제어기/proxy/class_Heartbeat}, 'object_proxy_hb')", 1,
                  {{"0"}}},
        CheckCase{"call check_system_lock_interface(7, 'I위치')", 1, {{"1"}}},
        CheckCase{"call check_system_lock_interface(6, 'IHeartbeat')", 1, {{"1"}}},
        CheckCase{"call check_system_lock_interface(6, 'IWaypoint')", 1, {{"0"}}},
        CheckCase{"call check_system_lock_objct({deployment:조타 컴퓨터/조타 제어기})", 1, {{"1"}}},
        CheckCase{"call check_system_lock_objct({deployment:기관 컴퓨터/기관 감시기})", 1, {{"0"}}},
        CheckCase{"call check_system_lock_proxy_stub_ip({entry:조타 컴퓨터/object_stub_위치}, "
                  "{deployment:조타 컴퓨터/조타 제어기})",
                  1, {{"1"}}},
        CheckCase{"call check_system_lock_proxy_stub_ip({entry:조타 컴퓨터/object_proxy_hb}, "
                  "{deployment:조타 컴퓨터/조타 제어기})",
                  1, {{"0"}}},
        CheckCase{"call check_system_lock_proxy_stub_ip({entry:조타 컴퓨터/object_proxy_hb_public}, "
                  "{deployment:조타 컴퓨터/조타 제어기})",
                  1, {{"1"}}},
        CheckCase{"call check_clone_component(10, {component:조타 제어기})", 2, {{"Ship", "조타실 시스템"}}},
        CheckCase{"call check_clone_component(9, {component:항법 관리자})", 2, {}},
        CheckCase{"call check_overlap_ip(9, {node:항해 컴퓨터}, 1)", 5,
                  {{"Captain's PC", "2", "192.168.1.10", "255.255.255.0", "예비 LAN"}}},
        CheckCase{"call check_overlap_ip(9, {node:주 라우터}, 3)", 5, {}}));

// The two statements that the editor runs without reading anything answer no result set at all.
TEST(Statements, AnswerNoResultSet) {
    TestConnection db(Sample());
    ASSERT_TRUE(db.Login("admin", "admin"));
    for (const std::string call : {"call select_group(10, 1, {node:스위치 A}, 4)", "call select_network({node:기관 센서})",
                                   "call select_network({node:스위치 A})"}) {
        auto result = db.Run(Ids().Expand(call));
        EXPECT_TRUE(result.ok) << call << ": " << result.error;
        EXPECT_TRUE(result.sets.empty()) << call;
    }
}

// A check refused for a session without a valid login answers no set at all, only the reason.
TEST(Statements, RefuseQuietlyWithoutALogin) {
    TestConnection db(Sample());
    for (const char* call : {"call check_system_lock_domain(10)", "call check_overlap_ip(9, 1, 1)",
                             "call check_clone_component(10, 1)", "call select_group(1, 1, 1, 1)"}) {
        auto result = db.Run(call);
        EXPECT_FALSE(result.ok) << call;
        EXPECT_TRUE(result.sets.empty()) << call;
        EXPECT_EQ(result.error, "로그인 정보가 올바르지 않습니다.") << call;
    }
}

}  // namespace
