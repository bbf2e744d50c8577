// What the system procedures do, walked through as the system tree's commands run them. Every test builds
// its own system domains (named after the test), so the tests can run side by side on one database; each
// changing call is also checked for its one status set.
#include <gtest/gtest.h>

#include <unistd.h>

#include <set>

#include "SystemCalls.h"

using namespace tamo::testing;
using namespace tamo::testing::system;

namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("system_behaviour", true); }
const SampleIds& Ids() {
    static SampleIds ids("t_system_behaviour_sample");
    return ids;
}

std::string Q(const std::string& text) { return "'" + text + "'"; }
std::string N(long value) { return std::to_string(value); }

class SystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db_.connected()) << db_.connectError();
        ASSERT_TRUE(db_.Login("admin", "admin"));
        // Unique per process too, so that a run repeated against the same server starts afresh.
        prefix_ = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                  std::to_string(getpid()) + "_";
    }

    RunResult Run(const std::string& call) { return db_.Run(call); }
    void Done(const std::string& call) {
        SCOPED_TRACE(call);
        ExpectDone(db_.Run(call));
    }
    ResultSet Data(const std::string& call) {
        SCOPED_TRACE(call);
        return DataOf(db_.Run(call));
    }
    // A procedure that answers a new id in its data set.
    long NewId(const std::string& call) {
        ResultSet set = Data(call);
        EXPECT_EQ(set.rows.size(), 1u) << call;
        return set.rows.empty() ? -1 : std::stol(Cell(set, 0, 0));
    }
    long NewSystemDomain(const std::string& name, long upper = 0) {
        return NewId("call domainViewNewDomain('system'," + N(upper) + "," + Q(prefix_ + name) + ", 0,'1','')");
    }
    long NewNode(long domain, const std::string& name, const std::string& type, long portDomain) {
        return NewId("call nodeNewNodes(" + N(domain) + "," + Q(name) + "," + Q(type) + ",''," + N(portDomain) + ")");
    }
    void NewPorts(long domain, std::initializer_list<int> ports) {
        for (int port : ports) Done("call domainPortViewNewPort(" + N(domain) + ", " + N(port) + ", " + N(port) + ", '')");
    }
    std::string Scalar(const std::string& sql) { return Ids().Query(sql); }
    std::vector<std::string> NodePorts(long node) {
        return Column(Data("call nodeportViewNodeportInfo(" + N(node) + ")"), 2);
    }

    TestConnection db_{Sample()};
    std::string prefix_;
};

TEST_F(SystemTest, DomainPortsAndGroupsFollowIntoTheNodesStandingForTheDomain) {
    long parent = NewSystemDomain("상위");
    long sub = NewSystemDomain("하위", parent);
    NewPorts(sub, {1, 2});
    long standing = NewNode(parent, "서브", "sub_system", sub);
    long lending = NewNode(parent, "PC", "computer", sub);
    EXPECT_EQ(NodePorts(standing), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(NodePorts(lending), (std::vector<std::string>{"1", "2"}));

    Done("call domainLogicalPortViewNewPortGroup(" + N(sub) + ", 7)");
    Done("call nodeportViewNewPortGroup(" + N(sub) + ",7)");
    Done("call domainPortViewNewPort(" + N(sub) + ", 3, 7, '예비')");
    Done("call domainPortViewEditPort(" + N(sub) + ", 2, 4, 7, '바뀐 포트')");
    Done("call domainLogicalPortViewDeletePort(" + N(sub) + ", 2)");
    // The sub-system node follows; the computer only borrowed the ports when it was made.
    ResultSet ports = Data("call nodeportViewNodeportInfo(" + N(standing) + ")");
    EXPECT_EQ(Column(ports, 2), (std::vector<std::string>{"1", "3", "4"}));
    EXPECT_EQ(Column(ports, 3), (std::vector<std::string>{"1", "7", "7"}));
    EXPECT_EQ(NodePorts(lending), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(Data("call nodeViewNetworkPort(" + N(sub) + "," + N(standing) + ")"), 1),
              (std::vector<std::string>{"그룹 1", "예비", "바뀐 포트"}));

    // A group is dropped only when no port uses it any more.
    Done("call domainLogicalPortViewDeletePort(" + N(sub) + ", 7)");
    EXPECT_EQ(Column(Data("call domainLogicalViewlist(" + N(sub) + ")"), 0), (std::vector<std::string>{"1", "7"}));
    Done("call domainPortViewDeletePort(" + N(sub) + ", 3)");
    Done("call domainPortViewDeletePort(" + N(sub) + ", 4)");
    Done("call domainLogicalPortViewDeletePort(" + N(sub) + ", 7)");
    EXPECT_EQ(Column(Data("call domainLogicalViewlist(" + N(sub) + ")"), 0), (std::vector<std::string>{"1"}));
    EXPECT_EQ(NodePorts(standing), (std::vector<std::string>{"1"}));

    // Asking again for ports the node has changes nothing; a copy takes exactly the old node's ports, not those
    // its domain has now.
    Done("call nodeportViewNewNode(" + N(standing) + ", " + N(parent) + ", " + N(sub) + ")");
    EXPECT_EQ(NodePorts(standing), (std::vector<std::string>{"1"}));
    NewPorts(sub, {9});
    long copy = NewNode(parent, "복사", "computer", sub);
    EXPECT_EQ(NodePorts(copy), (std::vector<std::string>{"1", "9"}));
    Done("call copy_node_port_talble(" + N(lending) + ", " + N(parent) + ", " + N(sub) + ", " + N(copy) + ", " +
         N(parent) + ")");
    EXPECT_EQ(NodePorts(copy), (std::vector<std::string>{"1", "2"}));
    // A node that carries something on its ports keeps them.
    Done("call networkNewip(" + N(copy) + ", '10.0.0.9','255.0.0.0','10.X.X.X','0.0.0.0','0.0.0.0','1','')");
    ExpectRefusal(Run("call copy_node_port_talble(" + N(standing) + ", " + N(parent) + ", " + N(sub) + ", " + N(copy) +
                      ", " + N(parent) + ")"),
                  "링크나 IP, 설치된 컴포넌트가 있는 노드는 포트를 바꿀 수 없습니다.");
    EXPECT_EQ(NodePorts(copy), (std::vector<std::string>{"1", "2"}));
}

// A copy whose old node is gone (another session deleted it) or lies in a domain the account may not read is
// refused before the new node's ports change, both answered alike, as a missing node.
TEST_F(SystemTest, ACopyFromANodeThatIsGoneOrHiddenIsRefusedAndKeepsThePorts) {
    long sub = NewSystemDomain("포트", kShip);
    NewPorts(sub, {1, 2});
    long copy = NewNode(kShip, prefix_ + "사본", "computer", sub);
    long gone = NewNode(kShip, prefix_ + "지운 PC", "computer", sub);
    Done("call nodeDeleteNodes(" + N(gone) + ")");
    const std::string console = Scalar("SELECT id FROM node WHERE domain_id = " + N(kConsole) + " AND name = '콘솔 PC'");
    ASSERT_FALSE(console.empty());

    TestConnection member(Sample());  // `user` changes Ship and does not see the Operator's Console
    ASSERT_TRUE(member.Login("user", "user"));
    const auto copyFrom = [&](const std::string& oldNode, long oldDomain) {
        return member.Run("call copy_node_port_talble(" + oldNode + ", " + N(oldDomain) + ", " + N(sub) + ", " +
                          N(copy) + ", " + N(kShip) + ")");
    };
    const RunResult missing = copyFrom(N(gone), kShip);
    const RunResult hidden = copyFrom(console, kConsole);
    ExpectRefusal(missing, "노드가 없습니다.");
    ExpectRefusal(hidden, "노드가 없습니다.");
    EXPECT_EQ(hidden.errorNumber, missing.errorNumber);
    EXPECT_EQ(NodePorts(copy), (std::vector<std::string>{"1", "2"}));

    // The administrator reads the console's domain: its node lends its ports.
    Done("call copy_node_port_talble(" + console + ", " + N(kConsole) + ", " + N(sub) + ", " + N(copy) + ", " +
         N(kShip) + ")");
    EXPECT_EQ(NodePorts(copy), (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST_F(SystemTest, NodesKeepTheStoredTypeWordAndOnlySubsystemsStandForADomainOrLock) {
    long domain = NewSystemDomain("시스템");
    long sub = NewSystemDomain("서브시스템", domain);
    long router = NewNode(domain, "라우터", "router", 0);
    long computer = NewNode(domain, "PC", "computer", sub);
    long subsystem = NewNode(domain, "서브", "sub_system", sub);

    ResultSet row = Data("call nodeViewListnodeKey(" + N(router) + ")");
    EXPECT_EQ(Cell(row, 0, 3), "urouter");
    Done("call NodeViewEditNode(" + N(router) + ", " + N(domain) + ",'라우터 2','router','설명', 0, 1)");
    row = Data("call nodeViewnodeinfo(" + N(router) + ")");
    EXPECT_EQ((std::vector<std::string>{Cell(row, 0, 2), Cell(row, 0, 3), Cell(row, 0, 4), Cell(row, 0, 7)}),
              (std::vector<std::string>{"라우터 2", "urouter", "설명", "N"}));

    // A computer borrows the ports of the domain it was made with but stands for none and keeps no lock.
    NewPorts(sub, {1, 2});
    long pc2 = NewNode(domain, "PC 2", "computer", sub);
    EXPECT_EQ(NodePorts(pc2), (std::vector<std::string>{"1", "2"}));
    for (long node : {computer, pc2}) {
        row = Data("call nodeViewListnodeKey(" + N(node) + ")");
        EXPECT_EQ((std::vector<std::string>{Cell(row, 0, 5), Cell(row, 0, 6)}),
                  (std::vector<std::string>{"NULL", "NULL"}));
    }
    Done("call NodeViewEditNode(" + N(computer) + ", " + N(domain) + ",'PC','computer','', " + N(sub) + ", 1)");
    row = Data("call nodeViewListnodeKey(" + N(computer) + ")");
    EXPECT_EQ((std::vector<std::string>{Cell(row, 0, 5), Cell(row, 0, 6), Cell(row, 0, 7)}),
              (std::vector<std::string>{"NULL", "NULL", "N"}));

    // A computer that an earlier server stored with its ports' domain (and a lock) stands for nothing: it does
    // not lock the domain nor follow its ports, and its next edit clears the domain and keeps its own ports.
    Scalar("UPDATE node SET sub_system_domain_id = " + N(sub) + ", lock_flag = 'Y' WHERE id = " + N(pc2));
    EXPECT_EQ(LockAnswer(Run("call check_system_lock_domain(" + N(sub) + ")")), "0");
    NewPorts(sub, {3});
    EXPECT_EQ(NodePorts(pc2), (std::vector<std::string>{"1", "2"}));
    Data("call nodeViewListnodeKey(" + N(pc2) + ")");  // read again, as the tree shows it before its edit
    Done("call NodeViewEditNode(" + N(pc2) + ", " + N(domain) + ",'PC 2','computer','', " + N(sub) + ", 0)");
    row = Data("call nodeViewListnodeKey(" + N(pc2) + ")");
    EXPECT_EQ((std::vector<std::string>{Cell(row, 0, 5), Cell(row, 0, 6), Cell(row, 0, 7)}),
              (std::vector<std::string>{"NULL", "NULL", "N"}));
    EXPECT_EQ(NodePorts(pc2), (std::vector<std::string>{"1", "2"}));

    EXPECT_EQ(LockAnswer(Run("call check_system_lock_domain(" + N(sub) + ")")), "0");
    Done("call NodeViewEditNode(" + N(subsystem) + ", " + N(domain) + ",'서브','sub_system','', " + N(sub) + ", 1)");
    row = Data("call nodeViewListnodeKey(" + N(subsystem) + ")");
    EXPECT_EQ((std::vector<std::string>{Cell(row, 0, 5), Cell(row, 0, 6), Cell(row, 0, 7)}),
              (std::vector<std::string>{N(sub), prefix_ + "서브시스템", "Y"}));
    EXPECT_EQ(LockAnswer(Run("call check_system_lock_domain(" + N(sub) + ")")), "1");
    Done("call NodeViewEditNode(" + N(subsystem) + ", " + N(domain) + ",'서브','sub_system','', " + N(sub) + ", 0)");
    EXPECT_EQ(LockAnswer(Run("call check_system_lock_domain(" + N(sub) + ")")), "0");

    Done("call nodeDeleteNodes(" + N(computer) + ")");
    EXPECT_EQ(Data("call nodeViewList(" + N(domain) + ")").rows.size(), 3u);
}

TEST_F(SystemTest, LinksJoinNodePortsAndLeaveThroughTheDomainsOwnPorts) {
    long domain = NewSystemDomain("망");
    long ports = NewSystemDomain("포트", domain);
    NewPorts(ports, {1, 2, 3});
    NewPorts(domain, {9});
    long pc = NewNode(domain, "PC", "computer", ports);
    long hub = NewNode(domain, "스위치", "switch", ports);
    Done("call networkNewip(" + N(pc) + ", '10.1.2.3','255.255.240.0','10.1.0000xxxxn.X','0.0.0.0','0.0.0.0','1','')");

    Done("call NetworklinkViewNewNetworkink(" + N(pc) + ", 0, 1, " + N(hub) + ", 0, 1)");
    Done("call NetworklinkViewNewNetworkink(" + N(hub) + ", 0, 2, 0, " + N(domain) + ", 9)");
    ResultSet links = Data("call NetworklinkViewNetworkinkList(" + N(domain) + ")");
    ASSERT_EQ(links.rows.size(), 2u);
    EXPECT_EQ((std::vector<std::string>{Cell(links, 1, 0), Cell(links, 1, 2), Cell(links, 1, 3), Cell(links, 1, 4),
                                        Cell(links, 1, 5)}),
              (std::vector<std::string>{N(hub), "2", "0", "", "9"}));
    ResultSet connected = Data("call networkLinkViewConnectSwitch(" + N(hub) + ")");
    ASSERT_EQ(connected.rows.size(), 1u);
    EXPECT_EQ(connected.rows[0], (std::vector<std::optional<std::string>>{N(pc), "10.1.2.3", "255.255.240.0", "1", "PC"}));

    // The link is found by its old source port and may move to another one.
    Done("call NetworklinkViewEditNetworkink(" + N(pc) + ", 1, " + N(pc) + ", 0, 3, " + N(hub) + ", 0, 3)");
    links = Data("call NetworklinkViewNetworkinkList(" + N(domain) + ")");
    EXPECT_EQ((std::vector<std::string>{Cell(links, 0, 2), Cell(links, 0, 5)}), (std::vector<std::string>{"3", "3"}));
    Done("call netWorkLinkViewDeleteNetWorkLink(" + N(pc) + ", 3)");
    EXPECT_EQ(Data("call NetworklinkViewNetworkinkList(" + N(domain) + ")").rows.size(), 1u);
    ExpectRefusal(Run("call netWorkLinkViewDeleteNetWorkLink(" + N(pc) + ", 3)"), "지울 링크가 없습니다.");
}

TEST_F(SystemTest, IpRowsOfASubsystemNodeAreRebuiltFromTheLinksToItsDomainsPorts) {
    long parent = NewSystemDomain("상위");
    long sub = NewSystemDomain("하위", parent);
    long ports = NewSystemDomain("포트", parent);
    NewPorts(ports, {1, 2});
    NewPorts(sub, {5, 6});
    long inner = NewNode(sub, "내부 PC", "computer", ports);
    Done("call networkNewip(" + N(inner) + ", '192.168.7.2','255.255.255.0','192.168.7.X','192.168.7.1','0.0.0.0','2','내부')");
    Done("call networkNewip(" + N(inner) + ", '192.168.8.2','255.255.255.0','192.168.8.X','0.0.0.0','0.0.0.0','1','')");
    Done("call NetworklinkViewNewNetworkink(" + N(inner) + ", 0, 2, 0, " + N(sub) + ", 6)");
    long standing = NewNode(parent, "서브", "sensor", sub);
    Run("call networkNewip(" + N(standing) + ", '1.1.1.1','255.0.0.0','1.X.X.X','0.0.0.0','0.0.0.0','5','지워질 줄')");

    auto result = Run("call select_network(" + N(standing) + ")");
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(result.sets.empty());
    ResultSet rows = Data("call networkViewList(" + N(standing) + ")");
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.rows[0], (std::vector<std::optional<std::string>>{
                                "192.168.7.2", "255.255.255.0", "192.168.7.1", "0.0.0.0", "6", "내부", "서브",
                                prefix_ + "하위", "내부 PC", "2", "192.168.7.X"}));

    // The same address elsewhere in the parent domain is reported, not one in another domain.
    long pc = NewNode(parent, "PC", "computer", ports);
    Done("call networkNewip(" + N(pc) + ", '192.168.7.2','255.255.255.0','192.168.7.X','0.0.0.0','0.0.0.0','1','겹침')");
    ResultSet overlap = db_.Run("call check_overlap_ip(" + N(parent) + ", " + N(pc) + ", 1)").sets.at(0);
    ASSERT_EQ(overlap.rows.size(), 1u);
    EXPECT_EQ(overlap.rows[0], (std::vector<std::optional<std::string>>{"서브", "6", "192.168.7.2", "255.255.255.0", "내부"}));
    EXPECT_TRUE(db_.Run("call check_overlap_ip(" + N(ports) + ", " + N(pc) + ", 1)").sets.at(0).rows.empty());

    Done("call networkViewEditip(" + N(pc) + ", '192.168.7.2','192.168.9.9','255.255.255.0','192.168.9.X',"
         "'0.0.0.0','0.0.0.0','1','2','옮김')");
    EXPECT_EQ(Column(Data("call networkViewList(" + N(pc) + ")"), 4), (std::vector<std::string>{"2"}));
    Done("call networkViewDeleteip(" + N(pc) + ",'192.168.9.9')");
    EXPECT_TRUE(Data("call networkViewList(" + N(pc) + ")").rows.empty());
}

TEST_F(SystemTest, ClassesBindInterfacesByKeyAndKeepTheirObjects) {
    long domain = NewSystemDomain("컴포넌트");
    const std::string interface = prefix_ + "IFace";
    Done("call interfaceViewNewInterface('6','method'," + Q(interface) + ",'')");
    long component = NewId("call componentsNewcomponent(" + N(domain) + ",'부품','설명')");
    Done("call ComponentViewEditComponent(" + N(component) + "," + N(domain) + ",'부품 2','새 설명')");
    ResultSet info = Data("call componentEntityViewcomponentinfoList(" + N(component) + ")");
    EXPECT_EQ((std::vector<std::string>{Cell(info, 0, 2), Cell(info, 0, 4)}),
              (std::vector<std::string>{"부품 2", "새 설명"}));

    long proxy = NewId("call proxyInterfaceRalationViewNewInterface(" + N(component) + ", 6," + Q(interface) + ",'class_a')");
    Done("call insertProxyInserfaceRelation(" + N(domain) + ", " + N(component) + ", 6," + Q(interface) +
         ",'class_a', 'object_1')");
    Done("call insertStubInserfaceRelation(" + N(domain) + ", " + N(component) + ", 6," + Q(interface) +
         ",'class_s', 'object_s')");
    Done("call proxyInterfaceObjectViewNewObjectName(" + N(proxy) + ", 'object_2','" + N(component) + "')");
    Done("call proxyInterfaceObjectViewEditObjectName(" + N(proxy) + ", 'object_2', " + N(component) + ", 'object_3')");
    EXPECT_EQ(Column(Data("call proxyInterfaceObjectViewList(" + N(proxy) + ")"), 1),
              (std::vector<std::string>{"object_1", "object_3"}));
    EXPECT_EQ(Column(Data("call proxyInterfaceViewList(" + N(component) + ")"), 0), (std::vector<std::string>{N(proxy)}));
    EXPECT_EQ(Column(Data("call proxyInterfaceRelationViewClassNameList(" + N(component) + ", 6, " + Q(interface) + ")"), 0),
              (std::vector<std::string>{"class_a"}));

    // A renamed interface carries its classes along; one in use cannot be deleted.
    Done("call interfaceViewEditInterface('6'," + Q(interface) + "," + Q(interface + "2") + ",'')");
    EXPECT_EQ(Column(Data("call stubInterfaceViewList(" + N(component) + ")"), 3),
              (std::vector<std::string>{interface + "2"}));
    ExpectRefusal(Run("call interfaceViewDeleteInterface(6," + Q(interface + "2") + ")"),
                  "다른 곳에서 사용하고 있어 지우거나 바꿀 수 없습니다.");

    long stub = NewId("call stubInterfaceRalationViewNewInterface(" + N(component) + ", 6,'IHeartbeat','class_s2')");
    Done("call stubInterfaceRalationViewEditInterface(" + N(stub) + ", 6,'IWaypoint','class_wp')");
    Done("call stubInterfaceObjectViewNewObjectName(" + N(stub) + ", 'wp_1','" + N(component) + "')");
    Done("call stubInterfaceObjectViewEditObjectName(" + N(stub) + ", 'wp_1', " + N(component) + ", 'wp_2')");
    EXPECT_EQ(Column(Data("call stubInterfaceObjectViewList(" + N(stub) + ")"), 1), (std::vector<std::string>{"wp_2"}));
    EXPECT_EQ(Column(Data("call stubInterfaceRelationViewClassNameList(" + N(component) + ", 6, 'IWaypoint')"), 0),
              (std::vector<std::string>{"class_wp"}));
    Done("call stubInterfaceObjectViewDelete(" + N(stub) + ", 'wp_2', " + N(component) + ")");
    EXPECT_TRUE(Data("call stubInterfaceObjectViewList(" + N(stub) + ")").rows.empty());
    Done("call stubInterfaceRalationDeleteInterface(" + N(stub) + ")");

    Done("call proxyInterfaceRalationViewEditInterface(" + N(proxy) + ", 6,'IHeartbeat','class_hb')");
    EXPECT_EQ(Data("call proxyInterfaceViewList(" + N(component) + ")").rows[0],
              (std::vector<std::optional<std::string>>{N(proxy), "6", N(component), "IHeartbeat", "NavService", "class_hb"}));
    Done("call proxyInterfaceObjectViewDelete(" + N(proxy) + ", 'object_1', " + N(component) + ")");
    Done("call proxyInterfaceRalationDeleteInterface(" + N(proxy) + ")");
    Done("call stubInterfaceRalationDeleteInterface(" +
         Cell(Data("call stubInterfaceViewList(" + N(component) + ")"), 0, 0) + ")");
    Done("call interfaceViewDeleteInterface(6," + Q(interface + "2") + ")");
    Done("call componentViewDeletecomponent(" + N(component) + "," + N(domain) + ")");
    EXPECT_TRUE(Data("call componentViewList(" + N(domain) + ")").rows.empty());
}

TEST_F(SystemTest, InstalledComponentsGetAnEntryPerObjectWithObjectIdsAndStubs) {
    long domain = NewSystemDomain("배치");
    long pc = NewNode(domain, "PC", "computer", 0);
    long component = NewId("call componentsNewcomponent(" + N(domain) + ",'부품','')");
    Done("call insertProxyInserfaceRelation(" + N(domain) + ", " + N(component) + ", 6,'INavigation','class_nav', 'p1')");

    EXPECT_EQ(Column(Data("call nodeDeploymentViewComponentList(" + N(domain) + ", " + N(pc) + ")"), 0),
              (std::vector<std::string>{N(component)}));
    Done("call nodeDeploymentViewNewcomponent(" + N(pc) + ", " + N(component) + ", " + N(domain) + ", 0)");
    EXPECT_TRUE(Data("call nodeDeploymentViewComponentList(" + N(domain) + ", " + N(pc) + ")").rows.empty());
    ResultSet installed = Data("call nodeDeploymentViewInstallList(" + N(domain) + ", " + N(pc) + ")");
    ASSERT_EQ(installed.rows.size(), 1u);
    const std::string deployment = Cell(installed, 0, 0);
    EXPECT_EQ(Cell(installed, 0, 1), N(component));

    // A new object reaches the installed copies through the editor's two steps; a class with an object
    // entered in the class dialog reaches them at once.
    long klass = std::stol(Cell(Data("call proxyInterfaceViewList(" + N(component) + ")"), 0, 0));
    Done("call proxyInterfaceObjectViewNewObjectName(" + N(klass) + ", 'p2','" + N(component) + "')");
    for (const std::string& id : Column(Data("call deploymentsViewDeploymentslist(" + N(domain) + ", " + N(component) + ")"), 0))
        Done("call coustum_proxyViewNewobjectid(" + id + ", " + N(klass) + ", NULL, 'p2')");
    Done("call insertStubInserfaceRelation(" + N(domain) + ", " + N(component) + ", 6,'IWaypoint','class_wp', 's1')");
    long stub = std::stol(Cell(Data("call stubInterfaceViewList(" + N(component) + ")"), 0, 0));
    Done("call stubInterfaceObjectViewNewObjectName(" + N(stub) + ", 's2','" + N(component) + "')");
    Done("call coustum_stubViewNewobjectid(" + deployment + ", " + N(stub) + ", 12, 's2')");
    ResultSet proxies = Data("call coustim_proxyViewlistinfo(" + N(pc) + ", " + N(component) + ")");
    EXPECT_EQ(Column(proxies, 11), (std::vector<std::string>{"p1", "p2"}));
    EXPECT_EQ(Column(proxies, 5), (std::vector<std::string>{"0", "0"}));
    ResultSet stubs = Data("call coustim_stubViewlistinfo(" + N(pc) + ", " + N(component) + ")");
    EXPECT_EQ(Column(stubs, 9), (std::vector<std::string>{"s1", "s2"}));
    EXPECT_EQ(Column(stubs, 3), (std::vector<std::string>{"0", "12"}));
    EXPECT_EQ(Column(stubs, 8), (std::vector<std::string>{"10000", "10000"}));

    const std::string entry = Cell(proxies, 0, 0);
    Done("call coustum_ViewEditobjectid(" + entry + ", 17, 0, 0)");
    Done("call nodeproxyViewNewstubinfo(" + entry + ", 5, '192.168.0.9')");
    proxies = Data("call coustim_proxyViewlistinfo(" + N(pc) + ", " + N(component) + ")");
    EXPECT_EQ((std::vector<std::string>{Cell(proxies, 1, 0), Cell(proxies, 1, 5), Cell(proxies, 1, 6), Cell(proxies, 1, 7)}),
              (std::vector<std::string>{entry, "17", "5", "192.168.0.9"}));

    Done("call nodeDeploymentViewDeleteComponent(" + deployment + ")");
    EXPECT_TRUE(Data("call nodeDeploymentViewInstallList(" + N(domain) + ", " + N(pc) + ")").rows.empty());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM custom_entry WHERE deployment_id = " + deployment), "0");
}

TEST_F(SystemTest, PublicEntriesAreClonedOntoTheNodesStandingForTheirDomain) {
    long parent = NewSystemDomain("상위");
    long sub = NewSystemDomain("하위", parent);
    long first = NewNode(parent, "서브 1", "sub_system", sub);
    long inner = NewNode(sub, "내부", "computer", 0);
    long component = NewId("call componentsNewcomponent(" + N(sub) + ",'서버','')");
    Done("call insertStubInserfaceRelation(" + N(sub) + ", " + N(component) + ", 6,'IHeartbeat','class_hb', 'hb')");
    Done("call insertProxyInserfaceRelation(" + N(sub) + ", " + N(component) + ", 6,'INavigation','class_nav', 'nav')");
    Done("call nodeDeploymentViewNewcomponent(" + N(inner) + ", " + N(component) + ", " + N(sub) + ", 0)");
    ResultSet stubs = Data("call coustim_stubViewlistinfo(" + N(inner) + ", " + N(component) + ")");
    const std::string entry = Cell(stubs, 0, 0), deployment = Cell(stubs, 0, 1);

    Done("call coustum_ViewEditobjectid(" + entry + ", 42, 1, 1)");
    ResultSet clones = Data("call coustim_stubViewlistinfo(" + N(first) + ", " + N(component) + ")");
    ASSERT_EQ(clones.rows.size(), 1u);
    EXPECT_EQ((std::vector<std::string>{Cell(clones, 0, 3), Cell(clones, 0, 9), Cell(clones, 0, 10)}),
              (std::vector<std::string>{"42", "hb", "0"}));
    EXPECT_TRUE(Data("call coustim_proxyViewlistinfo(" + N(first) + ", " + N(component) + ")").rows.empty());
    EXPECT_EQ(Column(Data("call switchSubComponentInfo(" + N(first) + ")"), 0), (std::vector<std::string>{N(component)}));

    // A node that comes later gets the domain's public entries with the loops; the object id follows.
    long second = NewNode(parent, "서브 2", "sensor", sub);
    ResultSet pending = Data("call setup_public_interface_to_subsystem(" + N(second) + ", 1)");
    EXPECT_EQ(pending.rows, (std::vector<std::vector<std::optional<std::string>>>{{entry, deployment, "1"}}));
    Done("call insert_subsystem_public_proxy_interface_loop(" + N(sub) + ")");
    Done("call insert_subsystem_public_stub_interface_loop(" + N(sub) + ")");
    Done("call insert_subsystem_custum_interface_loop(" + entry + ", " + deployment + ", 0)");
    EXPECT_EQ(Cell(Data("call setup_public_interface_to_subsystem(" + N(second) + ", 1)"), 0, 2), "0");
    Done("call coustum_ViewEditobjectid(" + entry + ", 43, 1, 1)");
    EXPECT_EQ(Column(Data("call coustim_stubViewlistinfo(" + N(second) + ", " + N(component) + ")"), 3),
              (std::vector<std::string>{"43"}));

    // While cloned, the deployment stays; clearing Public takes the clones and their deployments away.
    std::set<std::string> places;
    RunResult clones_of = db_.Run("call check_clone_component(" + N(sub) + ", " + N(component) + ")");
    ASSERT_EQ(clones_of.sets.size(), 1u) << clones_of.error;
    for (const auto& row : clones_of.sets[0].rows) places.insert(*row.at(0) + "/" + *row.at(1));
    EXPECT_EQ(places, (std::set<std::string>{prefix_ + "상위/서브 1", prefix_ + "상위/서브 2"}));
    ExpectRefusal(Run("call nodeDeploymentViewDeleteComponent(" + deployment + ")"),
                  "Subsystem에 설치된 항목이 있습니다. 삭제 후 변경하세요");
    Done("call delete_subsystem_object(" + entry + ", " + deployment + ", 1)");
    EXPECT_TRUE(db_.Run("call check_clone_component(" + N(sub) + ", " + N(component) + ")").sets.at(0).rows.empty());
    EXPECT_TRUE(Data("call nodeDeploymentViewInstallList(" + N(parent) + ", " + N(first) + ")").rows.empty());
    EXPECT_EQ(Cell(Data("call coustim_stubViewlistinfo(" + N(inner) + ", " + N(component) + ")"), 0, 10), "0");
    Done("call nodeDeploymentViewDeleteComponent(" + deployment + ")");
}

TEST_F(SystemTest, DeletingASystemDomainTakesItsContentAndReleasesTheNodesStandingForIt) {
    long parent = NewSystemDomain("상위");
    long sub = NewSystemDomain("하위", parent);
    NewPorts(sub, {1});
    long standing = NewNode(parent, "서브", "sub_system", sub);
    long inner = NewNode(sub, "내부", "computer", sub);
    Done("call NetworklinkViewNewNetworkink(" + N(inner) + ", 0, 1, 0, " + N(sub) + ", 1)");
    Done("call networkNewip(" + N(inner) + ", '10.0.0.2','255.0.0.0','10.X.X.X','0.0.0.0','0.0.0.0','1','')");
    long component = NewId("call componentsNewcomponent(" + N(sub) + ",'서버','')");
    Done("call insertStubInserfaceRelation(" + N(sub) + ", " + N(component) + ", 6,'IHeartbeat','class_hb', 'hb')");
    Done("call nodeDeploymentViewNewcomponent(" + N(inner) + ", " + N(component) + ", " + N(sub) + ", 0)");
    const std::string entry = Cell(Data("call coustim_stubViewlistinfo(" + N(inner) + ", " + N(component) + ")"), 0, 0);
    Done("call coustum_ViewEditobjectid(" + entry + ", 1, 1, 1)");

    Done("call domainViewDeleteDomain(" + N(sub) + ",'system')");
    EXPECT_EQ(Scalar("SELECT CONCAT_WS(',', (SELECT COUNT(*) FROM node WHERE domain_id = " + N(sub) +
                     "), (SELECT COUNT(*) FROM component WHERE systemdomain_id = " + N(sub) +
                     "), (SELECT COUNT(*) FROM domain_system_port WHERE domain_id = " + N(sub) +
                     "), (SELECT COUNT(*) FROM deployment WHERE node_id = " + N(standing) + "))"),
              "0,0,0,0");
    ResultSet row = Data("call nodeViewListnodeKey(" + N(standing) + ")");
    EXPECT_EQ((std::vector<std::string>{Cell(row, 0, 5), Cell(row, 0, 6)}), (std::vector<std::string>{"NULL", "NULL"}));
}

// The whole-domain copy, as the copy command sends it: the new nodes take the old ones' ports and IP rows,
// the deployments lend their entries' values to the copies, and the sub-system node gets the public entries
// of the domain it stands for.
TEST_F(SystemTest, AWholeDomainCopyRebuildsNodesDeploymentsAndSubsystemEntries) {
    long source = NewSystemDomain("원본");
    long sub = NewSystemDomain("하위", source);
    NewPorts(sub, {1});
    long pc = NewNode(source, "PC", "computer", sub);
    Done("call networkNewip(" + N(pc) + ", '10.0.0.2','255.0.0.0','10.X.X.X','0.0.0.0','0.0.0.0','1','원본 IP')");
    long inner = NewNode(sub, "내부", "computer", sub);
    long component = NewId("call componentsNewcomponent(" + N(source) + ",'부품','')");
    Done("call insertProxyInserfaceRelation(" + N(source) + ", " + N(component) + ", 6,'INavigation','class_nav', 'p')");
    Done("call nodeDeploymentViewNewcomponent(" + N(pc) + ", " + N(component) + ", " + N(source) + ", 0)");
    const std::string old_deployment = Cell(Data("call nodeDeploymentViewInstallList(" + N(source) + ", " + N(pc) + ")"), 0, 0);
    Done("call nodeproxyViewNewstubinfo(" + Cell(Data("call coustim_proxyViewlistinfo(" + N(pc) + ", " + N(component) + ")"), 0, 0) +
         ", 9, '10.0.0.9')");
    long served = NewId("call componentsNewcomponent(" + N(sub) + ",'서버','')");
    Done("call insertStubInserfaceRelation(" + N(sub) + ", " + N(served) + ", 6,'IHeartbeat','class_hb', 'hb')");
    Done("call nodeDeploymentViewNewcomponent(" + N(inner) + ", " + N(served) + ", " + N(sub) + ", 0)");
    Done("call coustum_ViewEditobjectid(" + Cell(Data("call coustim_stubViewlistinfo(" + N(inner) + ", " + N(served) + ")"), 0, 0) +
         ", 7, 1, 1)");

    // The copy of the sub-domain first (domains are A's), then ports, components, nodes, deployments.
    long target = NewSystemDomain("사본");
    long sub_copy = NewSystemDomain("하위 사본", target);
    for (const auto& row : Data("call systemDomainPortViewList(" + N(sub) + ")").rows)
        Done("call domainPortViewNewPort(" + N(sub_copy) + ", " + *row[1] + ", " + *row[2] + ", '" + *row[3] + "')");
    long component_copy = NewId("call componentsNewcomponent(" + N(target) + ",'부품','')");
    long klass = std::stol(Cell(Data("call proxyInterfaceViewList(" + N(component) + ")"), 0, 0));
    long klass_copy = NewId("call proxyInterfaceRalationViewNewInterface(" + N(component_copy) + ", 6,'INavigation','class_nav')");
    for (const std::string& name : Column(Data("call proxyInterfaceObjectViewList(" + N(klass) + ")"), 1))
        Done("call proxyInterfaceObjectViewNewObjectName(" + N(klass_copy) + ", '" + name + "','" + N(component_copy) + "')");
    long pc_copy = NewNode(target, "PC", "computer", 0);
    Done("call copy_node_port_talble(" + N(pc) + ", " + N(source) + ", 0, " + N(pc_copy) + ", " + N(target) + ")");
    for (const auto& row : Data("call networkViewList(" + N(pc) + ")").rows)
        Done("call networkNewip(" + N(pc_copy) + ", '" + *row[0] + "','" + *row[1] + "','" + *row[10] + "','" + *row[2] +
             "','" + *row[3] + "','" + *row[4] + "','" + *row[5] + "')");
    Done("call nodeDeploymentViewNewcomponent(" + N(pc_copy) + ", " + N(component_copy) + ", " + N(target) + ", " +
         old_deployment + ")");
    long subsystem_copy = NewNode(target, "서브", "sub_system", sub);
    EXPECT_TRUE(Run("call select_network(" + N(subsystem_copy) + ")").sets.empty());
    for (int pass : {0, 1})
        for (const auto& row : Data("call setup_public_interface_to_subsystem(" + N(subsystem_copy) + ", " + N(pass) + ")").rows)
            if (row[2] == std::optional<std::string>("1"))
                Done("call insert_subsystem_custum_interface_loop(" + *row[0] + ", " + *row[1] + ", 0)");

    EXPECT_EQ(NodePorts(pc_copy), NodePorts(pc));
    EXPECT_EQ(Column(Data("call networkViewList(" + N(pc_copy) + ")"), 5), (std::vector<std::string>{"원본 IP"}));
    ResultSet copied = Data("call coustim_proxyViewlistinfo(" + N(pc_copy) + ", " + N(component_copy) + ")");
    ASSERT_EQ(copied.rows.size(), 1u);
    EXPECT_EQ((std::vector<std::string>{Cell(copied, 0, 6), Cell(copied, 0, 7), Cell(copied, 0, 11)}),
              (std::vector<std::string>{"9", "10.0.0.9", "p"}));
    EXPECT_EQ(Column(Data("call coustim_stubViewlistinfo(" + N(subsystem_copy) + ", " + N(served) + ")"), 3),
              (std::vector<std::string>{"7"}));
}

// The deployment diagrams follow a proxy entry to the stub entry with its stub object id on a node with its
// stub IP (the sample's 위치 표시기 calls 항법 관리자 and, through Ship's sub-system node, 조타 제어기).
TEST_F(SystemTest, DiagramReadsFollowProxyEntriesToTheStubsTheyCall) {
    ResultSet served = Data("call nodecomponentViewstubcomponentlist(301, '192.168.1.30', 9)");
    ASSERT_EQ(served.rows.size(), 1u);
    EXPECT_EQ((std::vector<std::string>{Cell(served, 0, 4), Cell(served, 0, 6), Cell(served, 0, 10)}),
              (std::vector<std::string>{Ids().Lookup("component", "조타 제어기"), "조타 제어기",
                                        Ids().Lookup("node", "조타실 시스템")}));
    EXPECT_TRUE(Data("call nodecomponentViewstubcomponentlist(301, '192.168.1.31', 9)").rows.empty());

    ResultSet callers = Data(Ids().Expand("call nodeComponentViewProxyComponentList({node:항해 컴퓨터}, 201, "
                                          "'IWaypoint', 9, {component:항법 관리자})"));
    ASSERT_EQ(callers.rows.size(), 1u);
    EXPECT_EQ((std::vector<std::string>{Cell(callers, 0, 2), Cell(callers, 0, 5), Cell(callers, 0, 6), Cell(callers, 0, 8)}),
              (std::vector<std::string>{"위치 표시기", "192.168.1.10", "201", Ids().Lookup("node", "Captain's PC")}));

    EXPECT_EQ(Column(Data("call select_all_deploy_component_only_proxy(9)"), 3), (std::vector<std::string>{"위치 표시기"}));
    ResultSet called = Data(Ids().Expand("call select_all_deploy_stub_component(9, {component:위치 표시기})"));
    EXPECT_EQ(Column(called, 3), (std::vector<std::string>{"항법 관리자", "조타 제어기"}));
    EXPECT_EQ(Column(called, 0), (std::vector<std::string>{Ids().Lookup("node", "항해 컴퓨터"),
                                                           Ids().Lookup("node", "조타실 시스템")}));
}

// The lists of a tree level at once: a domain the account may not read is left out (its own list calls then
// answer the refusal), an unknown one lists nothing, and every set keys its rows by the call they answer.
TEST_F(SystemTest, LevelListsLeaveOutTheDomainsTheAccountMayNotRead) {
    const auto domainsListed = [](const RunResult& result) {
        std::set<std::string> keys;
        if (result.sets.size() == 10)
            for (const auto& row : result.sets[1].rows) keys.insert(row[0].value_or("NULL"));
        return keys;
    };
    const std::string call = "call systemDomainViewLevelLists('[9, 12, 999999]')";
    const RunResult asAdmin = Run(call);
    ASSERT_TRUE(asAdmin.ok) << asAdmin.error;
    ASSERT_EQ(asAdmin.sets.size(), 10u) << "the status set and one set per list";
    EXPECT_EQ(Cell(asAdmin.sets[0], 0, 0), "1");
    EXPECT_EQ(domainsListed(asAdmin), (std::set<std::string>{"9", "12", "999999"}));
    // The unknown domain's single row marks an empty list.
    for (const auto& row : asAdmin.sets[1].rows)
        if (row[0] == "999999") {
            EXPECT_FALSE(row[1].has_value());
        }

    TestConnection user(Sample());
    ASSERT_TRUE(user.Login("user", "user"));
    EXPECT_EQ(domainsListed(user.Run(call)), (std::set<std::string>{"9"}));
}

}  // namespace
