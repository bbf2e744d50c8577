// The deployment dialog and the port design dialog, driven as a user would against the sample design.

#include "CComponentInNode.h"
#include "SystemDialogsTestSupport.h"
#include "class_port_disign_dialog.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

class DeploymentAndPortDialogsTest : public system_dialogs_test::SystemDialogsTest {
protected:
    std::vector<std::string> Ports(int domainId) const {
        return AdminRows("SELECT port_num, port_group FROM domain_system_port WHERE domain_id = " +
                         std::to_string(domainId) + " ORDER BY port_num");
    }
};

const int IDC_INSTALLED = 1082, IDC_AVAILABLE = 1083, IDC_INSTALL = 1084, IDC_REMOVE = 1085;
const int IDC_PORT = 1201, IDC_DESCRIPTION = 1202, IDC_PORT_LIST = 1203, IDC_ADD = 1204, IDC_EDIT = 1205,
          IDC_DELETE = 1206, IDC_GROUP = 1208, IDC_FIXED = 1231;

// ---- The deployment dialog --------------------------------------------------------------------------------

TEST_F(DeploymentAndPortDialogsTest, ComponentsMoveBetweenTheListsAndTheLastListIsTheInstalledOne) {
    const int domain = NewSystemDomain(UniqueName());
    const int node = NewNode(domain, "노드");
    const int first = NewComponent(domain, "첫째");
    const int second = NewComponent(domain, "둘째");
    CComponentInNode dialog;
    dialog.m_nDomainId = domain;
    dialog.m_nNodeId = node;
    dialog.m_strTitle = "component install view :: 노드";
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(358, [&](CDialog& d) {
        CString title;
        d.GetWindowText(title);
        EXPECT_EQ(title, "component install view :: 노드");
        CListCtrl& available = List(d, IDC_AVAILABLE);
        CListCtrl& installed = List(d, IDC_INSTALLED);
        EXPECT_EQ(ListNames(available), (std::vector<std::string>{"첫째", "둘째"}));
        EXPECT_EQ(ListColumn(available, 1), (std::vector<std::string>{std::to_string(first), std::to_string(second)}));
        EXPECT_EQ(installed.GetItemCount(), 0);

        TestDriver::Click(d, IDC_INSTALL);  // nothing clicked yet: component 0, which the server refuses
        EXPECT_EQ(installed.GetItemCount(), 0);

        TestDriver::ClickListRow(available, 1);
        TestDriver::Click(d, IDC_INSTALL);
        EXPECT_EQ(ListNames(available), std::vector<std::string>{"첫째"});
        ASSERT_EQ(ListNames(installed), std::vector<std::string>{"둘째"});
        EXPECT_EQ(installed.GetItemText(0, 1), std::to_string(second));
        EXPECT_EQ(installed.GetItemText(0, 2), std::to_string(SampleId(
                                                   "SELECT id FROM deployment WHERE node_id = " + std::to_string(node))));

        TestDriver::ClickListRow(installed, 0);
        TestDriver::Click(d, IDC_REMOVE);
        EXPECT_EQ(installed.GetItemCount(), 0);
        EXPECT_EQ(available.GetItemCount(), 2);

        TestDriver::ClickListRow(available, 0);
        TestDriver::Click(d, IDC_INSTALL);
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);  // the refusal of component 0
    ASSERT_EQ(dialog.m_vecComponents.size(), 1u);
    EXPECT_EQ(dialog.m_vecComponents[0].component_id, first);
    EXPECT_EQ(dialog.m_vecComponents[0].name, "첫째");
}

TEST_F(DeploymentAndPortDialogsTest, AComponentCopiedIntoASubSystemIsNotRemoved) {
    const int node = NodeId("조타 컴퓨터");
    const std::string deployments = "SELECT COUNT(*) FROM deployment WHERE node_id = " + std::to_string(node);
    const std::string before = AdminValue(deployments);
    CComponentInNode dialog;
    dialog.m_nDomainId = DomainId("system", "조타실");
    dialog.m_nNodeId = node;
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(358, [&](CDialog& d) {
        CListCtrl& installed = List(d, IDC_INSTALLED);
        ASSERT_EQ(ListNames(installed), std::vector<std::string>{"조타 제어기"});
        TestDriver::ClickListRow(installed, 0);
        TestDriver::Click(d, IDC_REMOVE);
        EXPECT_EQ(ListNames(installed), std::vector<std::string>{"조타 제어기"});
        TestDriver::Click(d, IDOK);
    });
    dialog.DoModal();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "Subsystem 설치 Component Info");
    EXPECT_EQ(driver.MessageBoxes()[0].text,
              "Subsystem에 설치된 항목이 있습니다. 삭제 후 변경하세요\n\n 도메인 : Ship / 노드 : 조타실 시스템\n ");
    EXPECT_EQ(AdminValue(deployments), before);
}

// ---- The port design dialog -------------------------------------------------------------------------------

TEST_F(DeploymentAndPortDialogsTest, TheGroupFollowsThePortUnlessFixedAndAnExistingGroupIsReported) {
    const int domain = NewSystemDomain(UniqueName());
    class_port_disign_dialog dialog;
    dialog.m_DomainInfo.id = domain;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(421, [&](CDialog& d) {
        CListCtrl& list = List(d, IDC_PORT_LIST);
        TestDriver::FocusControl(*d.GetDlgItem(IDC_PORT));
        TestDriver::Type(d, IDC_PORT, "7");
        TestDriver::Type(d, IDC_DESCRIPTION, "첫 포트");
        TestDriver::Click(d, IDC_ADD);  // leaving the port edit made it group 7
        EXPECT_EQ(Text(d, IDC_GROUP), "7");
        EXPECT_EQ(ListColumn(list, 1), std::vector<std::string>{"7"});
        EXPECT_EQ(ListColumn(list, 3), std::vector<std::string>{"첫 포트"});

        TestDriver::Click(d, IDC_FIXED);
        TestDriver::FocusControl(*d.GetDlgItem(IDC_PORT));
        TestDriver::Type(d, IDC_PORT, "8");
        TestDriver::Click(d, IDC_ADD);  // "고정" keeps group 7, which exists: reported, the port is added
        EXPECT_EQ(Text(d, IDC_GROUP), "7");

        TestDriver::Click(d, IDC_EDIT);  // no row selected: nothing is sent
        TestDriver::Click(d, IDC_DELETE);

        TestDriver::ClickListRow(list, 1);
        EXPECT_EQ(Text(d, IDC_PORT), "8");
        EXPECT_EQ(Text(d, IDC_GROUP), "7");
        TestDriver::Click(d, IDC_FIXED);  // free again
        TestDriver::FocusControl(*d.GetDlgItem(IDC_PORT));
        TestDriver::Type(d, IDC_PORT, "9");
        TestDriver::Click(d, IDC_EDIT);
        EXPECT_EQ(ListColumn(list, 1), (std::vector<std::string>{"7", "9"}));
        EXPECT_EQ(ListColumn(list, 2), (std::vector<std::string>{"7", "9"}));

        TestDriver::ClickListRow(list, 0);
        TestDriver::Click(d, IDC_DELETE);
        EXPECT_EQ(ListColumn(list, 1), std::vector<std::string>{"9"});
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"7 port는 논리 포트 중복 입니다.", "선택된 필드가 없습니다.",
                                                    "선택된 필드가 없습니다."}));
    EXPECT_EQ(Ports(domain), std::vector<std::string>{"9\t9"});
    EXPECT_EQ(AdminRows("SELECT port_group FROM domain_logical_port WHERE domain_id = " + std::to_string(domain)),
              std::vector<std::string>{"9"});
}

}  // namespace
