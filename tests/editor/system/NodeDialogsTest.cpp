// The node dialog, the node IP dialog with its duplicate report, and the stub information dialog, driven as a
// user would against the sample design.

#include <algorithm>

#include "CNewNodeDlg.h"
#include "CNodeViewDlg.h"
#include "CSearchDomainDlg.h"
#include "SystemDialogsTestSupport.h"
#include "class_nodeproxy_stubinfo_dlg.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

class NodeDialogsTest : public system_dialogs_test::SystemDialogsTest {
protected:
    // The node's IP rows as the server holds them: port, IP, mask, pattern.
    std::vector<std::string> IpRows(int nodeId) const {
        return AdminRows("SELECT port, ip, mask, pattern FROM node_ip WHERE node_id = " + std::to_string(nodeId) +
                         " ORDER BY port");
    }
    void NewIp(int nodeId, const std::string& ip, const std::string& port) {
        Call(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", nodeId, ip, "255.255.255.0",
                            "", "0.0.0.0", "0.0.0.0", port, "row " + port));
    }
    // The IP dialog of a node, as the system tree's command opens it.
    void SetUpIpDialog(CNodeViewDlg& dialog, int nodeId) {
        const class_node_info node = Node(nodeId);
        dialog.m_nNodeId = node.id;
        dialog.m_nDomainId = node.domain_id;
        dialog.m_nSubSystemDomainId = node.sub_system_domain_id;
        dialog.m_strName = node.name.c_str();
        dialog.m_strType = node.type.c_str();
        dialog.m_NodeInfo = node;
    }
};

const int IDC_NODE_TYPE = 1062, IDC_NODE_NAME = 1063, IDC_DESCRIPTION = 1067, IDC_SEARCH = 1072,
          IDC_SUB_SYSTEM = 1199, IDC_UNLOCK = 1240, IDC_LOCK = 1241, IDC_LOCK_LABEL = 1242;
const int IDC_IP = 1061, IDC_MASK = 1064, IDC_GATEWAY = 1065, IDC_DNS = 1068, IDC_IP_LIST = 1071, IDC_ADD = 1072,
          IDC_EDIT = 1073, IDC_DELETE = 1074, IDC_CLOSE = 1075, IDC_PORT = 1205, IDC_RESET_IPS = 1218;

const char* const kNoRow = "선택된 필드가 없습니다.";

// ---- The node dialog --------------------------------------------------------------------------------------

TEST_F(NodeDialogsTest, NewNodeNeedsASubSystemANameWithoutColonAndLocksOnlySubSystemsAndSensors) {
    CNewNodeDlg dialog;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialogOf<CSearchDomainDlg>(338, [](CSearchDomainDlg& chooser) {
        CTreeCtrl& tree = chooser.m_ctrlTree;
        for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item; item = tree.GetNextSiblingItem(item))
            if (tree.GetItemText(item) == "표준장비") tree.SetCheck(item, TRUE);
        TestDriver::Click(chooser, IDOK);
    });
    driver.OnDialog(341, [&](CDialog& d) {
        EXPECT_EQ(Text(d, IDOK), "생성");
        EXPECT_TRUE(ComboEntries(d, IDC_SUB_SYSTEM).empty());
        TestDriver::Type(d, IDC_NODE_NAME, "노드-1");
        Choose(d, IDC_NODE_TYPE, "sensor");
        EXPECT_TRUE(Visible(d, IDC_LOCK_LABEL) && Visible(d, IDC_LOCK) && Visible(d, IDC_UNLOCK));
        TestDriver::Click(d, IDOK);  // no sub-system yet
        EXPECT_TRUE(d.IsModalRunning());

        TestDriver::Click(d, IDC_SEARCH);
        EXPECT_EQ(Selected(d, IDC_SUB_SYSTEM), "표준장비");
        for (const char* name : {":노드", "노:드", "노드:"}) {
            TestDriver::Type(d, IDC_NODE_NAME, name);
            TestDriver::Click(d, IDOK);
            EXPECT_TRUE(d.IsModalRunning()) << name;
        }
        TestDriver::Type(d, IDC_NODE_NAME, "노드-1");
        TestDriver::Click(d, IDC_LOCK);
        Choose(d, IDC_NODE_TYPE, "computer");  // hides the lock and unlocks
        EXPECT_FALSE(Visible(d, IDC_LOCK) || Visible(d, IDC_UNLOCK) || Visible(d, IDC_LOCK_LABEL));
        TestDriver::Type(d, IDC_DESCRIPTION, "설명");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"서브시스템을 입력 하세요.", ": 특수문자는 입력 할 수 없습니다.",
                                                    ": 특수문자는 입력 할 수 없습니다.",
                                                    ": 특수문자는 입력 할 수 없습니다."}));
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "입력오류");
    EXPECT_EQ(dialog.m_strName, "노드-1");
    EXPECT_EQ(dialog.m_strType, "computer");
    EXPECT_EQ(dialog.m_strDescription, "설명");
    EXPECT_EQ(dialog.m_strSubSystemDomainName, "표준장비");
    EXPECT_EQ(dialog.m_nSubSystemDomainId, DomainId("system", "표준장비"));
    EXPECT_EQ(dialog.m_nLock, 0);
}

TEST_F(NodeDialogsTest, EditingFixesTypeAndSubSystemAndShowsTheStoredLock) {
    struct Case {
        const char* type;
        int lock;
        const char* shownType;
        bool lockShown;
    };
    for (const Case& c : {Case{"urouter", 0, "router", false}, Case{"sub_system", 1, "sub_system", true}}) {
        CNewNodeDlg dialog;
        dialog.m_strName = "이름";
        dialog.m_strType = c.type;
        dialog.m_nLock = c.lock;
        dialog.m_nSubSystemDomainId = 10;
        dialog.m_strSubSystemDomainName = "조타실";
        driver.OnDialog(341, [&](CDialog& d) {
            EXPECT_EQ(Selected(d, IDC_NODE_TYPE), c.shownType);
            EXPECT_FALSE(Enabled(d, IDC_NODE_TYPE) || Enabled(d, IDC_SUB_SYSTEM) || Enabled(d, IDC_SEARCH));
            EXPECT_EQ(Selected(d, IDC_SUB_SYSTEM), "조타실");
            EXPECT_EQ(Visible(d, IDC_LOCK), c.lockShown);
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_LOCK), static_cast<UINT>(c.lock));
            TestDriver::Click(d, IDOK);
        });
        ASSERT_EQ(dialog.DoModal(), IDOK) << c.type;
        EXPECT_EQ(dialog.m_strType, c.shownType);
        EXPECT_EQ(dialog.m_nSubSystemDomainId, 10);
        EXPECT_EQ(dialog.m_nLock, c.lock);
    }
}

// ---- The node IP dialog -----------------------------------------------------------------------------------

TEST_F(NodeDialogsTest, AddPresetsTheClassMaskAndReportsTheSameAddressElsewhere) {
    const int domain = NewSystemDomain(UniqueName());
    const int other = NewNode(domain, "다른 노드");
    Call(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", other, "172.16.0.5",
                        "255.255.0.0", "172.16.X.X", "0.0.0.0", "0.0.0.0", "3", ""));
    const int node = NewNode(domain, "새 노드");
    CNodeViewDlg dialog;
    SetUpIpDialog(dialog, node);
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(345, [&](CDialog& d) {
        EXPECT_EQ(ComboEntries(d, IDC_PORT), (std::vector<std::string>{"1", "2", "3", "4"}));
        EXPECT_TRUE(Visible(d, IDC_ADD));
        EXPECT_FALSE(Visible(d, IDC_RESET_IPS));
        TestDriver::Type(d, IDC_IP, "172.16.0.5");
        EXPECT_EQ(Text(d, IDC_MASK), "255.255.0.0");  // shown as the address is typed
        TestDriver::Type(d, IDC_MASK, "0.0.0.0");     // and preset again on "추가"
        Choose(d, IDC_PORT, "2");
        TestDriver::Click(d, IDC_ADD);
        EXPECT_EQ(ListColumn(List(d, IDC_IP_LIST), 2), (std::vector<std::string>{"172.16.0.5"}));
        TestDriver::Click(d, IDC_CLOSE);
    });
    dialog.DoModal();
    EXPECT_EQ(IpRows(node), (std::vector<std::string>{"2\t172.16.0.5\t255.255.0.0\t172.16.X.X"}));
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "IP 중복");
    EXPECT_EQ(driver.MessageBoxes()[0].text, "Node 명 : 다른 노드 / Port : 3 / IP : 172.16.0.5 / Mask : 255.255.0.0\n");
}

// The addresses typed key by key into the fields that show "0.0.0.0" and the class mask are the ones stored.
TEST_F(NodeDialogsTest, AddressesTypedKeyByKeyAreStoredAsTyped) {
    const int domain = NewSystemDomain(UniqueName());
    const int node = NewNode(domain, "새 노드");
    CNodeViewDlg dialog;
    SetUpIpDialog(dialog, node);
    driver.OnDialog(345, [&](CDialog& d) {
        const auto typeInto = [&d](int id, const char* keys) {
            CWnd& address = *d.GetDlgItem(id);
            CRect area;
            address.GetClientRect(&area);
            TestDriver::ClickAt(address, CPoint(area.Width() / 8, area.Height() / 2));
            TestDriver::TypeKeys(address, keys);
        };
        typeInto(IDC_IP, "10.1.2.3");
        EXPECT_EQ(Text(d, IDC_MASK), "255.0.0.0");
        typeInto(IDC_MASK, "255.255.255.0");
        typeInto(IDC_GATEWAY, "10.1.2.254");
        Choose(d, IDC_PORT, "1");
        EXPECT_TRUE(TestDriver::SaveWindowPng(d, TestDriver::ArtifactPath("node-ip-typed.png")));
        TestDriver::Click(d, IDC_ADD);
        TestDriver::Click(d, IDC_CLOSE);
    });
    dialog.DoModal();
    EXPECT_EQ(IpRows(node), (std::vector<std::string>{"1\t10.1.2.3\t255.255.255.0\t10.1.2.X"}));
    EXPECT_EQ(AdminRows("SELECT gateway FROM node_ip WHERE node_id = " + std::to_string(node)),
              std::vector<std::string>{"10.1.2.254"});
}

TEST_F(NodeDialogsTest, RowsAreListedByPortTextAndEditAndDeleteActOnTheClickedRowOnly) {
    const int node = NewNode(NewSystemDomain(UniqueName()), "노드");
    NewIp(node, "10.0.0.2", "2");
    NewIp(node, "10.0.0.10", "10");
    NewIp(node, "10.0.0.1", "1");
    CNodeViewDlg dialog;
    SetUpIpDialog(dialog, node);
    driver.AnswerMessageBox(IDOK);  // 수정 before a click
    driver.AnswerMessageBox(IDOK);  // 삭제 before a click
    driver.AnswerMessageBox(IDOK);  // the delete's question
    driver.AnswerMessageBox(IDOK);  // 삭제 again: the deleted row is no key
    driver.OnDialog(345, [&](CDialog& d) {
        CListCtrl& list = List(d, IDC_IP_LIST);
        EXPECT_EQ(ListColumn(list, 1), (std::vector<std::string>{"1", "10", "2"}));
        EXPECT_EQ(ListColumn(list, 0), (std::vector<std::string>{"0", "1", "2"}));
        TestDriver::Click(d, IDC_EDIT);
        TestDriver::Click(d, IDC_DELETE);

        TestDriver::ClickListRow(list, 1);
        EXPECT_EQ(Text(d, IDC_IP), "10.0.0.10");
        EXPECT_EQ(Text(d, IDC_PORT), "10");  // typed, since the node has no port 10
        EXPECT_EQ(Text(d, IDC_DESCRIPTION), "row 10");
        TestDriver::Type(d, IDC_IP, "10.0.0.11");
        TestDriver::Type(d, IDC_MASK, "255.255.240.0");
        TestDriver::Click(d, IDC_EDIT);
        EXPECT_EQ(ListColumn(list, 2), (std::vector<std::string>{"10.0.0.1", "10.0.0.11", "10.0.0.2"}));

        TestDriver::Click(d, IDC_DELETE);  // the edited row, by its new address
        EXPECT_EQ(Text(d, IDC_IP), "0.0.0.0");
        EXPECT_EQ(Text(d, IDC_DESCRIPTION), "");
        TestDriver::Click(d, IDC_DELETE);
        TestDriver::Click(d, IDC_CLOSE);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kNoRow, kNoRow, "선택된 IP를 삭제하시겠습니까?", kNoRow}));
    EXPECT_EQ(driver.MessageBoxes()[2].caption, "클라이언트");
    EXPECT_EQ(IpRows(node), (std::vector<std::string>{"1\t10.0.0.1\t255.255.255.0\t", "2\t10.0.0.2\t255.255.255.0\t"}));
}

// Another engineer's session changes the rows while the dialog is open: a refused edit or delete shows the rows
// as the server holds them.
TEST_F(NodeDialogsTest, ARefusedEditOrDeleteShowsTheRowsTheServerHolds) {
    const int node = NewNode(NewSystemDomain(UniqueName()), "노드");
    NewIp(node, "10.0.0.1", "1");
    NewIp(node, "10.0.0.2", "2");
    const auto colleague = [&](const std::string& call) {
        tamo::testing::TestConnection other(m_server);
        ASSERT_TRUE(other.Login("admin", "admin"));
        const tamo::testing::RunResult result = other.Run(call);
        ASSERT_TRUE(result.ok) << result.error;
    };
    CNodeViewDlg dialog;
    SetUpIpDialog(dialog, node);
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(345, [&](CDialog& d) {
        CListCtrl& list = List(d, IDC_IP_LIST);
        ASSERT_EQ(ListColumn(list, 2), (std::vector<std::string>{"10.0.0.1", "10.0.0.2"}));
        colleague("call networkViewDeleteip(" + std::to_string(node) + ",'10.0.0.1')");
        colleague("call networkNewip(" + std::to_string(node) +
                  ", '10.0.0.3','255.255.255.0','','0.0.0.0','0.0.0.0','3','row 3')");
        TestDriver::ClickListRow(list, 0);
        TestDriver::Type(d, IDC_DESCRIPTION, "바꿈");
        TestDriver::Click(d, IDC_EDIT);
        EXPECT_EQ(ListColumn(list, 2), (std::vector<std::string>{"10.0.0.2", "10.0.0.3"}));
        colleague("call networkViewDeleteip(" + std::to_string(node) + ",'10.0.0.2')");
        TestDriver::ClickListRow(list, 0);
        TestDriver::Click(d, IDC_DELETE);
        EXPECT_EQ(ListColumn(list, 2), std::vector<std::string>{"10.0.0.3"});
        TestDriver::Click(d, IDC_CLOSE);
    });
    dialog.DoModal();
    const std::vector<std::string> boxes = BoxTexts();
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "바꿀 IP가 없습니다. 목록에서 IP를 선택하세요."), boxes.end());
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "지울 IP가 없습니다. 목록에서 IP를 선택하세요."), boxes.end());
}

TEST_F(NodeDialogsTest, APortThatALockedParentUsesRefusesAddAndEdit) {
    // 조타 스위치 port 2 reaches the external port of 조타실, which Ship's locked 조타실 시스템 stands for.
    const int node = NodeId("조타 스위치");
    const std::vector<std::string> before = IpRows(node);
    const char* locked = "*수정 불가*\n Node port는 상위 System과 연결 되어있습니다.\n System은 Lock 상태입니다.";
    CNodeViewDlg dialog;
    SetUpIpDialog(dialog, node);
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(345, [&](CDialog& d) {
        TestDriver::Type(d, IDC_IP, "192.168.1.31");
        Choose(d, IDC_PORT, "2");
        TestDriver::Click(d, IDC_ADD);
        TestDriver::ClickListRow(List(d, IDC_IP_LIST), 0);  // the row on port 2
        TestDriver::Click(d, IDC_EDIT);
        Choose(d, IDC_PORT, "1");
        TestDriver::Click(d, IDC_EDIT);  // the remembered port is still 2
        TestDriver::Click(d, IDC_CLOSE);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{locked, locked, locked}));
    EXPECT_EQ(IpRows(node), before);
}

TEST_F(NodeDialogsTest, ASubSystemNodeShowsItsLinkedNodesAndRebuildsInsteadOfAdding) {
    CNodeViewDlg dialog;
    SetUpIpDialog(dialog, NodeId("조타실 시스템"));
    driver.OnDialog(345, [&](CDialog& d) {
        CListCtrl& list = List(d, IDC_IP_LIST);
        EXPECT_EQ(list.GetColumnCount(), 8);
        EXPECT_FALSE(Visible(d, IDC_ADD));
        EXPECT_TRUE(Visible(d, IDC_RESET_IPS));
        EXPECT_FALSE(Enabled(d, IDC_NODE_NAME) || Enabled(d, IDC_NODE_TYPE));
        const std::vector<std::string> rows = ListColumn(list, 2);
        const std::vector<std::string> links = ListColumn(list, 7);
        TestDriver::Click(d, IDC_RESET_IPS);
        EXPECT_EQ(ListColumn(list, 2), rows);
        EXPECT_EQ(ListColumn(list, 7), links);
        ASSERT_FALSE(links.empty());
        EXPECT_NE(links[0], "");
        // A larger window gives the list its width and height less 50 pixels.
        d.SetWindowPos(nullptr, 0, 0, 1500, 700, SWP_NOMOVE | SWP_NOZORDER);
        CRect client, listRect;
        d.GetClientRect(&client);
        list.GetWindowRect(&listRect);
        EXPECT_EQ(listRect.Width(), client.Width() - 50);
        EXPECT_EQ(listRect.Height(), client.Height() - 50);
        TestDriver::FocusControl(*d.GetDlgItem(IDC_DESCRIPTION));
        TestDriver::PressEnter(d);  // does nothing
        EXPECT_TRUE(d.IsModalRunning());
        TestDriver::Click(d, IDC_CLOSE);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

// ---- The stub information dialog --------------------------------------------------------------------------

TEST_F(NodeDialogsTest, StubInformationStartsFromThePrivateNetworkAndReturnsWhatWasEntered) {
    const int entry = SampleId(
        "SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref "
        "WHERE o.object_name = 'object_proxy_nav'");
    class_nodeproxy_stubinfo_dlg dialog;
    dialog.m_nEntryId = entry;
    dialog.m_nDeploymentId = DeploymentId("항법 관리자");
    dialog.m_strStubObjectId = "";
    driver.OnDialog(399, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1169), "192.168.0.0");
        EXPECT_TRUE(Enabled(d, IDOK));
        TestDriver::Type(d, 1168, "777");
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strStubObjectId, "777");
    EXPECT_EQ(dialog.m_strStubIp, "192.168.0.0");
}

}  // namespace
