// The network link dialog: the links of a system domain, their filter, and adding, changing and deleting
// them under the lock rules.

#include "SystemDialogsTestSupport.h"
#include "class_network_link_dialog.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

class NetworkLinkDialogTest : public system_dialogs_test::SystemDialogsTest {
protected:
    void SetUpDialog(class_network_link_dialog& dialog, int domainId) { dialog.m_DomainInfo.id = domainId; }
    // The links from a node as the server holds them: source port, destination node, destination port.
    std::vector<std::string> LinksFrom(int nodeId) const {
        return AdminRows("SELECT s_port, COALESCE(d_node_id, 0), d_port FROM network_link WHERE s_node_id = " +
                         std::to_string(nodeId) + " ORDER BY s_port");
    }
    std::string AllLinks(int domainId) const {
        return AdminValue("SELECT GROUP_CONCAT(CONCAT_WS(':', l.s_node_id, l.s_port, COALESCE(l.d_node_id, 0), "
                          "l.d_port) ORDER BY l.id) FROM network_link l JOIN node n ON n.id = l.s_node_id "
                          "WHERE n.domain_id = " +
                          std::to_string(domainId));
    }
};

const int IDC_EDIT = 1073, IDC_DELETE = 1074, IDC_LINK_LIST = 1188, IDC_START_NODE = 1189, IDC_START_PORT = 1190,
          IDC_DESTINATION_NODE = 1191, IDC_DESTINATION_PORT = 1192, IDC_ADD = 1193, IDC_FILTER = 1206;
enum { COLUMN_S_NODE_NAME = 1, COLUMN_S_PORT = 2, COLUMN_D_NODE_NAME = 4, COLUMN_D_PORT = 5 };

const char* const kLockedAdd = "상위 Subsystem Node가 LOCK 상태이므로,\n Networklink를 추가 할 수 없습니다.";
const char* const kLockedEdit = "상위 Subsystem Node가 LOCK 상태이므로,\n Networklink를 수정 할 수 없습니다.";
const char* const kLockedDelete = "상위 Subsystem Node가 LOCK 상태이므로,\n Networklink를 삭제 할 수 없습니다.";

TEST_F(NetworkLinkDialogTest, TheFilterListsTheLinksOfOneNodeAndAnExternalEndShowsAsExternalPort) {
    class_network_link_dialog dialog;
    SetUpDialog(dialog, DomainId("system", "Ship"));
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(417, [&](CDialog& d) {
        CListCtrl& list = List(d, IDC_LINK_LIST);
        // By source node id: the nodes in the order they were made.
        EXPECT_EQ(ListColumn(list, COLUMN_S_NODE_NAME),
                  (std::vector<std::string>{"주 라우터", "스위치 A", "항해 컴퓨터", "조타실 시스템", "기관 센서",
                                            "Captain's PC"}));
        EXPECT_EQ(ListColumn(list, COLUMN_D_NODE_NAME),
                  (std::vector<std::string>{"외부포트", "주 라우터", "스위치 A", "스위치 A", "주 라우터", "스위치 A"}));
        EXPECT_EQ(list.GetColumnWidth(0), 0);
        EXPECT_EQ(list.GetColumnWidth(3), 0);
        // Nodes by type word: computer, sensor, sub_system, switch, urouter.
        const std::vector<std::string> nodes{"항해 컴퓨터",  "Captain's PC", "기관 센서",
                                             "조타실 시스템", "스위치 A",     "주 라우터"};
        EXPECT_EQ(ComboEntries(d, IDC_START_NODE), nodes);
        std::vector<std::string> destinations = nodes;
        destinations.push_back("외부포트");
        EXPECT_EQ(ComboEntries(d, IDC_DESTINATION_NODE), destinations);
        std::vector<std::string> filter{"전체보기"};
        filter.insert(filter.end(), nodes.begin(), nodes.end());
        EXPECT_EQ(ComboEntries(d, IDC_FILTER), filter);

        Choose(d, IDC_FILTER, "스위치 A");
        EXPECT_EQ(ListColumn(list, COLUMN_S_NODE_NAME),
                  (std::vector<std::string>{"스위치 A", "항해 컴퓨터", "조타실 시스템", "Captain's PC"}));
        Choose(d, IDC_FILTER, "전체보기");
        EXPECT_EQ(list.GetItemCount(), 6);

        Choose(d, IDC_DESTINATION_NODE, "외부포트");
        EXPECT_EQ(ComboEntries(d, IDC_DESTINATION_PORT),
                  (std::vector<std::string>{"1 : 외부 LAN", "2 : 외부 LAN 예비", "3 : 위성 링크"}));

        TestDriver::ClickListRow(list, 0);  // 주 라우터:3 to the external port 3
        EXPECT_EQ(Selected(d, IDC_START_NODE), "주 라우터");
        EXPECT_EQ(Selected(d, IDC_DESTINATION_NODE), "외부포트");
        EXPECT_EQ(Text(d, IDC_START_PORT), "3");
        EXPECT_EQ(Text(d, IDC_DESTINATION_PORT), "3");
        EXPECT_EQ(Selected(d, IDC_START_PORT), "");
        EXPECT_EQ(ComboEntries(d, IDC_START_PORT).size(), 4u);
        TestDriver::Click(d, IDC_ADD);  // the ports are typed, not chosen
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"start port 가 선택 되지 않았습니다"});
}

TEST_F(NetworkLinkDialogTest, LinksAreAddedChangedAndDeletedByTheirSourcePort) {
    const int domain = NewSystemDomain(UniqueName());
    const int a = NewNode(domain, "A");
    const int b = NewNode(domain, "B");
    const int c = NewNode(domain, "C");
    class_network_link_dialog dialog;
    SetUpDialog(dialog, domain);
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(417, [&](CDialog& d) {
        CListCtrl& list = List(d, IDC_LINK_LIST);
        // Each missing choice is named, in the order of the combos.
        TestDriver::Click(d, IDC_ADD);
        Choose(d, IDC_START_NODE, "A");
        TestDriver::Click(d, IDC_ADD);
        Choose(d, IDC_START_PORT, "1 : LAN1");
        TestDriver::Click(d, IDC_ADD);
        Choose(d, IDC_DESTINATION_NODE, "B");
        TestDriver::Click(d, IDC_ADD);
        Choose(d, IDC_DESTINATION_PORT, "1 : LAN1");
        TestDriver::Click(d, IDC_ADD);
        EXPECT_EQ(Selected(d, IDC_START_NODE), "");
        EXPECT_EQ(Selected(d, IDC_DESTINATION_PORT), "");

        Choose(d, IDC_START_NODE, "A");
        Choose(d, IDC_START_PORT, "2 : LAN2");
        Choose(d, IDC_DESTINATION_NODE, "C");
        Choose(d, IDC_DESTINATION_PORT, "1 : LAN1");
        TestDriver::Click(d, IDC_ADD);
        ASSERT_EQ(list.GetItemCount(), 2);

        TestDriver::Click(d, IDC_EDIT);  // no row selected
        TestDriver::Click(d, IDC_DELETE);

        TestDriver::ClickListRow(list, 0);  // A:1 to B:1
        Choose(d, IDC_DESTINATION_NODE, "C");
        TestDriver::Type(d, IDC_DESTINATION_PORT, "2");
        TestDriver::Click(d, IDC_EDIT);
        EXPECT_EQ(ListColumn(list, COLUMN_D_NODE_NAME), (std::vector<std::string>{"C", "C"}));

        for (int row = 0; row < list.GetItemCount(); ++row)
            if (list.GetItemText(row, COLUMN_S_PORT) == "2") TestDriver::ClickListRow(list, row);
        TestDriver::Click(d, IDC_DELETE);
        EXPECT_EQ(list.GetItemCount(), 1);
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "start node 가 선택 되지 않았습니다", "start port 가 선택 되지 않았습니다",
                              "destination node 가 선택 되지 않았습니다", "destination port 가 선택 되지 않았습니다",
                              "선택된 필드가 없습니다.", "선택된 필드가 없습니다."}));
    EXPECT_EQ(LinksFrom(a), std::vector<std::string>{"1\t" + std::to_string(c) + "\t2"});
    EXPECT_TRUE(LinksFrom(b).empty());
}

// A row shows its own nodes, found by id: "pc" and "PC" are two nodes, and "수정" on a row that the user did not
// change stores the link as it was.
TEST_F(NetworkLinkDialogTest, ARowShowsItsOwnNodesAndAnUnchangedEditKeepsItsLink) {
    const int domain = NewSystemDomain(UniqueName("_대소문자"));
    Call(db->FormatCall("call domainPortViewNewPort(%d, %d, %d, '%s')", domain, 1, 1, "외부"));
    const int lower = NewNode(domain, "pc"), upper = NewNode(domain, "PC");
    Call(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", lower, 0, 1, 0, domain, 1));
    Call(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", upper, 0, 2, lower, 0, 2));
    const std::string before = AllLinks(domain);
    class_network_link_dialog dialog;
    SetUpDialog(dialog, domain);
    driver.OnDialog(417, [&](CDialog& d) {
        CListCtrl& list = List(d, IDC_LINK_LIST);
        ASSERT_EQ(ListColumn(list, COLUMN_S_NODE_NAME), (std::vector<std::string>{"pc", "PC"}));
        TestDriver::ClickListRow(list, 0);
        EXPECT_EQ(Selected(d, IDC_START_NODE), "pc");
        EXPECT_EQ(Selected(d, IDC_DESTINATION_NODE), "외부포트");
        TestDriver::Click(d, IDC_EDIT);
        TestDriver::ClickListRow(list, 1);
        EXPECT_EQ(Selected(d, IDC_START_NODE), "PC");
        EXPECT_EQ(Selected(d, IDC_DESTINATION_NODE), "pc");
        TestDriver::Click(d, IDC_EDIT);
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
    EXPECT_EQ(AllLinks(domain), before);
}

TEST_F(NetworkLinkDialogTest, ALockedEndOrAFailedLockCheckRefusesTheChange) {
    // Ship's locked 조타실 시스템 stands for 조타실: its external ports and the node port that reaches them are
    // locked; 조타 컴퓨터:1 to 조타 스위치:1 is free.
    const int domain = DomainId("system", "조타실");
    const std::string before = AllLinks(domain);
    class_network_link_dialog dialog;
    SetUpDialog(dialog, domain);
    driver.SetDefaultMessageBoxAnswer(IDOK);
    size_t boxesBeforeFailure = 0;
    driver.OnDialog(417, [&](CDialog& d) {
        CListCtrl& list = List(d, IDC_LINK_LIST);
        ASSERT_EQ(ListColumn(list, COLUMN_S_NODE_NAME), (std::vector<std::string>{"조타 컴퓨터", "조타 스위치"}));

        TestDriver::ClickListRow(list, 1);  // 조타 스위치:2 to the external port 1
        Choose(d, IDC_START_NODE, "조타 컴퓨터");
        TestDriver::Click(d, IDC_DELETE);
        EXPECT_EQ(Selected(d, IDC_START_NODE), "조타 스위치");  // the refused row is shown again
        EXPECT_EQ(Text(d, IDC_START_PORT), "2");

        TestDriver::ClickListRow(list, 0);
        Choose(d, IDC_DESTINATION_NODE, "외부포트");
        Choose(d, IDC_DESTINATION_PORT, "2 : 조타 예비");
        TestDriver::Click(d, IDC_EDIT);  // the new end is external, and locked

        Choose(d, IDC_START_NODE, "조타 컴퓨터");
        Choose(d, IDC_START_PORT, "3 : LAN3");
        Choose(d, IDC_DESTINATION_NODE, "외부포트");
        Choose(d, IDC_DESTINATION_PORT, "2 : 조타 예비");
        TestDriver::Click(d, IDC_ADD);

        // A lock check that fails refuses as a lock does.
        TestDriver::ClickListRow(list, 1);
        TestDriver::ClickListRow(list, 0);
        Choose(d, IDC_DESTINATION_NODE, "조타 컴퓨터");
        Choose(d, IDC_DESTINATION_PORT, "3 : LAN3");
        boxesBeforeFailure = driver.MessageBoxes().size();
        ASSERT_EQ(db->Execute("SET @tamopassword = 'not the password'"), 0);
        TestDriver::Click(d, IDC_EDIT);
        ASSERT_EQ(db->Execute("SET @tamopassword = 'admin'"), 0);
        TestDriver::Click(d, IDCANCEL);
    });
    dialog.DoModal();
    const std::vector<std::string> boxes = BoxTexts();
    ASSERT_GE(boxes.size(), boxesBeforeFailure + 2);
    EXPECT_EQ(std::vector<std::string>(boxes.begin(), boxes.begin() + static_cast<long>(boxesBeforeFailure)),
              (std::vector<std::string>{kLockedDelete, kLockedEdit, kLockedAdd}));
    EXPECT_NE(boxes[boxesBeforeFailure], "");  // the server's reason
    EXPECT_EQ(boxes.back(), kLockedEdit);
    EXPECT_EQ(AllLinks(domain), before);
}

}  // namespace
