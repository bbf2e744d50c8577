// The system tree's command object against the server: copying a node or a component into another domain,
// installing a new object in every deployment, and failures shown with the server's text.

#include "CTreeSystemDomainControl.h"
#include "SystemTreeTestSupport.h"

namespace {

const char* const kNothingKept = "복사를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다.";

class SystemDomainControlTest : public systemtree_test::SystemTreeTest {
protected:
    CTreeSystemDomainControl control;

    class_node_info NodeRecord(int nodeId) {
        std::vector<class_node_info> nodes;
        EXPECT_EQ(db->SelectNodeList(db->FormatCall("call nodeViewListnodeKey(%d)", nodeId), nodes), 0);
        return nodes.empty() ? class_node_info() : nodes.front();
    }
    std::vector<std::string> Addresses(int nodeId) {
        return AdminRows("SELECT CONCAT_WS('|', ip, mask, pattern, gateway, dns, port, description) FROM node_ip "
                         "WHERE node_id = " + std::to_string(nodeId) + " ORDER BY id");
    }
};

TEST_F(SystemDomainControlTest, ANodeIsCopiedWithItsAddresses) {
    const int from = NewSystemDomain(UniqueName("_from"));
    const int to = NewSystemDomain(UniqueName("_to"));
    const int inner = NewSystemDomain("안쪽", from);
    const int computer = NewNode(from, "노드'1", "computer");
    Call(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", computer, "10.1.2.3",
                        "255.255.240.0", "10.1.0000xxxxn.X", "10.1.0.1", "0.0.0.0", "1", "첫 'LAN'"));
    Call(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", computer, "192.168.7.9",
                        "255.255.255.0", "192.168.7.X", "0.0.0.0", "0.0.0.0", "2", ""));
    class_domain_info target;
    target.id = to;

    class_node_info copy;
    ASSERT_EQ(control.CopyNodeInto(NodeRecord(computer), target, &copy), 0);
    EXPECT_GT(copy.id, computer);
    EXPECT_EQ(copy.domain_id, to);
    EXPECT_EQ(copy.name, "노드'1");
    EXPECT_EQ(copy.type, "computer");
    EXPECT_EQ(Addresses(copy.id), Addresses(computer));
    EXPECT_EQ(Addresses(copy.id).size(), 2u);

    // A sub-system keeps the domain it stands for.
    const int subsystem = NewNode(from, "서브", "sub_system", inner);
    class_node_info subsystemCopy;
    ASSERT_EQ(control.CopyNodeInto(NodeRecord(subsystem), target, &subsystemCopy), 0);
    EXPECT_EQ(subsystemCopy.sub_system_domain_id, inner);
    EXPECT_EQ(AdminValue("SELECT sub_system_domain_id FROM node WHERE id = " + std::to_string(subsystemCopy.id)),
              std::to_string(inner));

    // The same name again: the server's text is shown, nothing is kept and the record stays as it was.
    class_node_info refused;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    EXPECT_EQ(control.CopyNodeInto(NodeRecord(computer), target, &refused), -1);
    EXPECT_EQ(refused.id, 0);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"같은 도메인에 같은 이름의 노드가 이미 있습니다.", kNothingKept}));
}

TEST_F(SystemDomainControlTest, AComponentIsCopiedWithItsClassesOnly) {
    const int from = NewSystemDomain(UniqueName("_from"));
    const int to = NewSystemDomain(UniqueName("_to"));
    const int component = NewComponent(from, "부품'복사");
    NewClassObject("proxy", from, component, "IWaypoint", "class_wp", "o1");
    NewClassObject("proxy", from, component, "IWaypoint", "class_wp", "o2");
    NewClassObject("stub", from, component, "IHeartbeat", "class_hb", "s1");
    const int empty = NewComponent(from, "빈 부품");
    class_domain_info target;
    target.id = to;
    std::vector<class_component_info> sources;
    ASSERT_EQ(db->SelectComponentList(db->FormatCall("call componentViewList('%d')", from), sources), 0);
    ASSERT_EQ(sources.size(), 2u);

    class_component_info copy;
    ASSERT_EQ(control.CopyComponentInto(sources[0], target, &copy), 0);
    EXPECT_EQ(copy.systemdomain_id, to);
    EXPECT_EQ(copy.name, "부품'복사");
    EXPECT_EQ(copy.description, "test");
    const std::string id = std::to_string(copy.component_id);
    EXPECT_EQ(AdminRows("SELECT CONCAT_WS('|', kind, method_domain_id, interface_name, class_name) FROM "
                        "component_class WHERE component_id = " + id + " ORDER BY kind"),
              (std::vector<std::string>{"proxy|6|IWaypoint|class_wp", "stub|6|IHeartbeat|class_hb"}));
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM class_object WHERE component_id = " + id), "0");

    class_component_info emptyCopy;
    ASSERT_EQ(control.CopyComponentInto(sources[1], target, &emptyCopy), 0);
    EXPECT_NE(emptyCopy.component_id, empty);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM component_class WHERE component_id = " +
                         std::to_string(emptyCopy.component_id)),
              "0");

    class_component_info refused;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    EXPECT_EQ(control.CopyComponentInto(sources[0], target, &refused), -1);
    EXPECT_EQ(refused.component_id, 0);
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"같은 도메인에 같은 이름의 컴포넌트가 이미 있습니다.", kNothingKept}));
}

TEST_F(SystemDomainControlTest, ANewObjectIsInstalledInEveryDeploymentAndFailuresGoOn) {
    const int domain = NewSystemDomain(UniqueName("_obj"));
    const int component = NewComponent(domain, "부품");
    NewClassObject("stub", domain, component, "IWaypoint", "class_wp", "first");
    Install(NewNode(domain, "pc1", "computer"), component, domain);
    Install(NewNode(domain, "pc2", "computer"), component, domain);
    const int classId = std::stoi(AdminValue("SELECT id FROM component_class WHERE component_id = " +
                                             std::to_string(component)));
    Call(db->FormatCall("call stubInterfaceObjectViewNewObjectName(%d, '%s','%d')", classId, "둘째'객체", component));
    const std::string entries = "SELECT COUNT(*) FROM custom_entry e JOIN class_object o ON o.id = e.object_ref "
                                "WHERE o.object_name = '둘째''객체' AND o.component_id = " +
                                std::to_string(component);
    EXPECT_EQ(AdminValue(entries), "0");

    EXPECT_EQ(control.AddObjectToDeployments(domain, component, classId, CLASS_KIND_STUB, "둘째'객체"), 0);
    EXPECT_EQ(AdminValue(entries), "2");
    EXPECT_TRUE(BoxTexts().empty());

    // Again: each deployment refuses, each refusal is shown, and the result is -1.
    driver.SetDefaultMessageBoxAnswer(IDOK);
    EXPECT_EQ(control.AddObjectToDeployments(domain, component, classId, CLASS_KIND_STUB, "둘째'객체"), -1);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"이미 설치된 객체입니다.", "이미 설치된 객체입니다."}));
}

TEST_F(SystemDomainControlTest, ARefusedNodeDeleteShowsTheServersText) {
    // 조타 스위치 reaches 조타실's external port, which the locked 조타실 시스템 of Ship freezes.
    const int node = std::stoi(AdminValue("SELECT id FROM node WHERE name = '조타 스위치'"));
    class_node_info record = NodeRecord(node);
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(control.DeleteNode(&record), -1);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0], db->GetLastErrorText());
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM node WHERE id = " + std::to_string(node)), "1");
}

TEST_F(SystemDomainControlTest, TheSamplesAddressClashIsReportedFromTheNodeIpDialog) {
    // Captain's PC's spare port has 항해 컴퓨터's address: storing that row again reports the clash.
    class_node_info node = NodeRecord(std::stoi(AdminValue("SELECT id FROM node WHERE name = 'Captain''s PC'")));
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(345, [](CDialog& d) {
        auto* list = dynamic_cast<CListCtrl*>(d.GetDlgItem(1071));
        ASSERT_EQ(list->GetItemCount(), 2);
        ASSERT_EQ(list->GetItemText(1, 1), "2");
        tamo::platform::TestDriver::ClickListRow(*list, 1);
        tamo::platform::TestDriver::Click(d, 1073);  // 수정
        tamo::platform::TestDriver::Click(d, 1075);  // 종료
    });
    control.EditNodeIps(&node);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "IP 중복");
    EXPECT_EQ(driver.MessageBoxes()[0].text,
              "Node 명 : 항해 컴퓨터 / Port : 1 / IP : 192.168.1.10 / Mask : 255.255.255.0\n");
}

TEST_F(SystemDomainControlTest, TheManagementDialogsOpenForTheirRecord) {
    class_domain_info ship;
    ship.id = 9;
    ship.name = "Ship";
    class_domain_info bridge;
    bridge.id = 10;
    bridge.name = "조타실";
    std::vector<int> opened;
    auto close = [&opened](int id, int button) {
        return [&opened, id, button](CDialog& d) {
            opened.push_back(id);
            tamo::platform::TestDriver::Click(d, button);
        };
    };
    driver.OnDialog(421, close(421, IDCANCEL));
    control.EditDomainPorts(&ship);
    // A parent system locks 조타실's ports: refused before the dialog.
    driver.AnswerMessageBox(IDOK);
    control.EditDomainPorts(&bridge);
    driver.OnDialog(417, close(417, IDCANCEL));
    control.EditNetworkLinks(&ship);
    driver.OnDialog(361, close(361, IDOK));
    control.ShowDomainAccounts(&ship);
    class_node_info node = NodeRecord(std::stoi(AdminValue("SELECT id FROM node WHERE name = '스위치 A'")));
    driver.OnDialog(345, [&opened](CDialog& d) {
        opened.push_back(345);
        CString name;
        d.GetDlgItemText(1063, name);
        EXPECT_EQ(name, "스위치 A");
        tamo::platform::TestDriver::Click(d, 1075);
    });
    control.EditNodeIps(&node);
    EXPECT_EQ(opened, (std::vector<int>{421, 417, 361, 345}));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"상위 도메인의 Subsystem Node에 Lock이 설정되어있어,\n 수정할 수 없습니다."});
}

}  // namespace
