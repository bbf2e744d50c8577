// The main frame's messages, its diagram windows by name, and its account commands.

#include "EditorTestSupport.h"

#include <filesystem>

#include "CMysqlQuery.h"
#include "CTamoZELK_MDIDoc.h"
#include "FrameMessages.h"
#include "FrameTestDatabase.h"
#include "class_domain_info.h"
#include "class_interface_info.h"
#include "class_node_info.h"
#include "class_proxy_interface_relation_info.h"
#include "class_stub_interface_relation_info.h"

namespace {

using tamo::platform::TestDriver;
using tamo::testing::TestDatabase;

class MainFrameTest : public frame_test::EditorTest {
protected:
    // The rows of the properties grid as "group/name=value".
    std::vector<std::string> GridRows() {
        std::vector<std::string> rows;
        CMFCPropertyGridCtrl& grid = MainFrame()->GetPropertiesWnd().GetGrid();
        for (int g = 0; g < grid.GetPropertyCount(); ++g) {
            CMFCPropertyGridProperty* group = grid.GetProperty(g);
            for (int r = 0; r < group->GetSubItemsCount(); ++r) {
                CMFCPropertyGridProperty* row = group->GetSubItem(r);
                rows.push_back(std::string(group->GetName()) + "/" + row->GetName() + "=" +
                               row->GetValue().ToString().str());
            }
        }
        return rows;
    }

    LRESULT Send(UINT message, WPARAM wParam, const void* lParam) {
        return MainFrame()->SendMessage(message, wParam, reinterpret_cast<LPARAM>(lParam));
    }

    CString TitleOf(CMDIChildWnd* frame) {
        CString title;
        if (frame) frame->GetWindowText(title);
        return title;
    }
};

TEST_F(MainFrameTest, SelectingATreeRootShowsTheLoggedInAccount) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    CViewTree& tree = frame->GetSystemDomainView().GetTreeCtrl();
    TestDriver::ClickTreeItem(tree, tree.GetRootItem());
    const std::vector<std::string> account = {"사용자 정보/사용자ID=admin", "사용자 정보/관리자계정권한=관리자",
                                              "사용자 정보/신규계정권한=있음", "사용자 정보/도메인계정권한=있음"};
    EXPECT_EQ(GridRows(), account);

    // A node element's message with a wParam other than 10 leaves the grid as it is.
    class_node_info node;
    EXPECT_EQ(Send(WM_SHOW_NODE_PROPERTIES, 9, &node), 0);
    EXPECT_EQ(GridRows(), account);
    // The "Nodes" folder (kind 10 without a record) answers -1 and shows nothing, not the item shown before.
    TreeNodeData nodesFolder(TREE_NODE, nullptr, nullptr, "Ship\\Nodes");
    EXPECT_EQ(Send(WM_SHOW_ITEM_PROPERTIES, 1, &nodesFolder), -1);
    EXPECT_EQ(GridRows(), std::vector<std::string>{});

    // The record of a tree's root (id 0) shows the account as well; a domain of the server named "root" shows
    // itself.
    class_domain_info root;
    root.name = "root";
    frame->GetPropertiesWnd().GetGrid().RemoveAll();
    TreeNodeData dataRoot(TREE_DATA_DOMAIN, nullptr, &root, "root\\");
    EXPECT_EQ(Send(WM_SHOW_ITEM_PROPERTIES, 1, &dataRoot), 0);
    EXPECT_EQ(GridRows(), account);
    root.id = 12;
    EXPECT_EQ(Send(WM_SHOW_ITEM_PROPERTIES, 1, &dataRoot), 0);
    ASSERT_FALSE(GridRows().empty());
    EXPECT_EQ(GridRows().front(), "도메인 정보/도메인명=root");
}

// The tooltip that shows the whole text of a cut tree item is a top-most window of its own, which the tree raises
// when it shows: it stays above the docked panes that the text reaches into.
TEST_F(MainFrameTest, ATreeTooltipStaysAboveTheDockedPanes) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    CViewTree& tree = frame->GetSystemDomainView().GetTreeCtrl();
    HTREEITEM item = tree.InsertItem(("긴 이름 " + std::string(150, 'x')).c_str(), tree.GetRootItem());
    tree.EnsureVisible(item);
    TestDriver::HoverTreeItem(tree, item);
    CToolTipCtrl* tip = tree.GetToolTips();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->IsWindowVisible());
    EXPECT_TRUE(tip->GetExStyle() & WS_EX_TOPMOST);
    EXPECT_FALSE(tip->GetStyle() & WS_CHILD);
    CRect tipRect, paneRect;
    tip->GetWindowRect(&tipRect);
    frame->GetSystemDomainView().GetWindowRect(&paneRect);
    EXPECT_GT(tipRect.right, paneRect.right);
}

TEST_F(MainFrameTest, DiagramWindowsOpenByNameAndTheLowerIdWinsForTwins) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    CMDIChildWnd* help = frame->MDIGetActive();

    EXPECT_EQ(Send(WM_CREATE_DIAGRAM_FRAME, 1, "Ship\\조타실\\"), 0);
    CMDIChildWnd* first = frame->MDIGetActive();
    ASSERT_NE(first, help);
    EXPECT_EQ(TitleOf(first), "Ship\\조타실\\");
    EXPECT_EQ(Send(WM_CREATE_DIAGRAM_FRAME, 1, "second"), 0);
    CMDIChildWnd* second = frame->MDIGetActive();
    ASSERT_NE(second, first);
    EXPECT_EQ(TitleOf(second), "second");

    // The frame opens the window; the diagram builder names the document. Two windows with one name: the
    // one opened first (lower child id) is found.
    dynamic_cast<CTamoZELK_MDIDoc*>(first->GetActiveDocument())->SetDiagramName("twin");
    dynamic_cast<CTamoZELK_MDIDoc*>(second->GetActiveDocument())->SetDiagramName("twin");
    EXPECT_EQ(frame->ActivateDocumentFrame("twin"), 0);
    EXPECT_EQ(frame->MDIGetActive(), first);
    EXPECT_EQ(frame->ActivateDocumentFrame("도움말"), 0);
    EXPECT_EQ(frame->MDIGetActive(), help);
    EXPECT_EQ(frame->ActivateDocumentFrame("Twin"), -1);
    EXPECT_EQ(frame->MDIGetActive(), help);

    // Closing the help window leaves no help frame to find.
    help->DestroyWindow();
    TestDriver::PumpPostedMessages();
    EXPECT_EQ(frame->FindHelpFrame(), nullptr);
}

TEST_F(MainFrameTest, OnlyTheFirst255DiagramWindowsAreFoundByName) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    // The help window is the first; 255 more make the last one's child id 0xFFFF.
    for (int window = 1; window <= 255; ++window) {
        const std::string name = "window " + std::to_string(window);
        ASSERT_EQ(Send(WM_CREATE_DIAGRAM_FRAME, 1, name.c_str()), 0);
        dynamic_cast<CTamoZELK_MDIDoc*>(frame->MDIGetActive()->GetActiveDocument())->SetDiagramName(name);
    }
    EXPECT_EQ(frame->ActivateDocumentFrame("window 254"), 0);
    EXPECT_EQ(TitleOf(frame->MDIGetActive()), "window 254");
    EXPECT_EQ(frame->ActivateDocumentFrame("window 255"), -1);
    EXPECT_EQ(TitleOf(frame->MDIGetActive()), "window 254");
}

TEST_F(MainFrameTest, TheHelpCommandReopensTheHelpWindowAndTheAboutBoxShows) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    frame->MDIGetActive()->DestroyWindow();
    TestDriver::PumpPostedMessages();
    ASSERT_EQ(frame->FindHelpFrame(), nullptr);
    frame->SendMessage(WM_COMMAND, 33052, 0);
    CMDIChildWnd* help = frame->FindHelpFrame();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(frame->MDIGetActive(), help);
    EXPECT_FALSE(dynamic_cast<CTamoZELK_MDIDoc*>(help->GetActiveDocument())->GetExplanationText().empty());

    driver.OnDialog(100, [](CDialog& about) {
        CString caption;
        about.GetWindowText(caption);
        EXPECT_EQ(caption, "TamoZELK_MDI 정보");
        TestDriver::Click(about, IDOK);
    });
    frame->SendMessage(WM_COMMAND, ID_APP_ABOUT, 0);
}

TEST_F(MainFrameTest, TheUnusedMessageAndTheInterfaceMessageAnswerZero) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->SendMessage(WM_USER + 126, 7, 7), 0);
    class_interface_info iface;
    iface.domain_id = 6;
    iface.name = "INavigation";
    EXPECT_EQ(Send(WM_INTERFACE_CHANGED, 1, &iface), 0);
    CViewTree& tree = frame->GetSystemDomainView().GetTreeCtrl();
    EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), "SystemDomain");
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(MainFrameTest, TheWayToEachClassOfTheChangedInterfaceIsExpanded) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    CSystemDomainTreeView& pane = frame->GetSystemDomainView();
    CViewTree& tree = pane.GetTreeCtrl();
    class_proxy_interface_relation_info proxy;
    proxy.method_domain_id = 6;
    proxy.interface_name = "INavigation";
    class_stub_interface_relation_info otherStub;
    otherStub.method_domain_id = 7;
    otherStub.interface_name = "INavigation";
    TreeNodeData proxyItem(TREE_PROXY_CLASS, nullptr, &proxy, "");
    TreeNodeData stubItem(TREE_STUB_CLASS, nullptr, &otherStub, "");

    HTREEITEM root = tree.GetRootItem();
    tree.Expand(root, TVE_COLLAPSE);
    HTREEITEM ship = tree.InsertItem("Ship", root);
    HTREEITEM component = tree.InsertItem("조타 제어기", tree.InsertItem("Components", ship));
    HTREEITEM proxies = tree.InsertItem("proxy", component);
    tree.SetItemData(tree.InsertItem("NavProxy:INavigation", proxies), reinterpret_cast<DWORD_PTR>(&proxyItem));
    HTREEITEM stubs = tree.InsertItem("stub", component);
    tree.SetItemData(tree.InsertItem("NavStub:INavigation", stubs), reinterpret_cast<DWORD_PTR>(&stubItem));

    class_interface_info iface;
    iface.domain_id = 6;
    iface.name = "INavigation";
    pane.ExpandCheckedClassItems(root, iface);
    for (HTREEITEM item : {root, ship, tree.GetParentItem(component), component, proxies})
        EXPECT_TRUE(tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) << tree.GetItemText(item).str();
    EXPECT_FALSE(tree.GetItemState(stubs, TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(MainFrameTest, JoiningAPrivateDomainPathStopsAtTheFirstRefusalWithTheServersText) {
    NewAccount("frame_joiner", "pw");
    CMainFrame* frame = StartEditor("frame_joiner", "pw");
    ASSERT_NE(frame, nullptr);
    auto joinPath = [this](const char* path, int kindButton) {
        driver.OnDialog(392, [path, kindButton](CDialog& dialog) {
            TestDriver::Type(dialog, 1095, path);
            if (kindButton) TestDriver::Click(dialog, kindButton);
            TestDriver::Click(dialog, IDOK);
        });
    };
    auto applications = [this] {
        return TestDatabase::AdminQuery(m_server.database,
                                        "SELECT GROUP_CONCAT(domain_id ORDER BY domain_id) FROM domain_member "
                                        "WHERE user_id = 'frame_joiner'");
    };

    joinPath("Nav\\Pos\\센서", 0);
    frame->SendMessage(WM_COMMAND, 32958, 0);
    EXPECT_TRUE(driver.MessageBoxes().empty());
    EXPECT_EQ(applications(), "1,2,4\n");

    joinPath("Ship\\없는곳\\조타실", 1164);
    driver.AnswerMessageBox(IDOK);
    frame->SendMessage(WM_COMMAND, 32958, 0);
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{"경로에 없는 도메인입니다: 없는곳"});
    EXPECT_EQ(applications(), "1,2,4,9\n");
}

TEST_F(MainFrameTest, ThePasswordChangeKeepsTheNewPasswordForTheExporters) {
    NewAccount("frame_password", "old");
    CMainFrame* frame = StartEditor("frame_password", "old");
    ASSERT_NE(frame, nullptr);
    driver.OnDialog(1010, [](CDialog& dialog) {
        CString description;
        dialog.GetDlgItemText(1010, description);
        EXPECT_EQ(description, "frame_password");
        TestDriver::Type(dialog, 1107, "old");
        TestDriver::Type(dialog, 1108, "new");
        TestDriver::Type(dialog, 1109, "new");
        TestDriver::Type(dialog, 1010, "바뀐 설명");
        TestDriver::Click(dialog, IDOK);
    });
    frame->SendMessage(WM_COMMAND, 32884, 0);
    EXPECT_TRUE(driver.MessageBoxes().empty());
    EXPECT_STREQ(frame_test::EditorApp().m_LoginDlg.UserPassword(), "new");
    EXPECT_EQ(TestDatabase::AdminQuery(m_server.database,
                                       "SELECT description FROM account WHERE user_id = 'frame_password'"),
              "바뀐 설명\n");
    tamo::testing::TestConnection check(m_server);
    EXPECT_TRUE(check.Login("frame_password", "new"));

    // A wrong old password: the server's refusal is shown and the login values stay.
    driver.OnDialog(1010, [](CDialog& dialog) {
        TestDriver::Type(dialog, 1107, "wrong");
        TestDriver::Type(dialog, 1108, "newer");
        TestDriver::Type(dialog, 1109, "newer");
        TestDriver::Click(dialog, IDOK);
    });
    driver.AnswerMessageBox(IDOK);
    frame->SendMessage(WM_COMMAND, 32884, 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"이전 비밀번호가 맞지 않습니다."});
    EXPECT_STREQ(frame_test::EditorApp().m_LoginDlg.UserPassword(), "new");
}

// A server that answers the account query without a row: the dialog starts with an empty description.
TEST_F(MainFrameTest, ThePasswordChangeWithoutAnAccountRowStartsEmpty) {
    m_server = frame_test::SampleDatabase("frame_no_account_row");
    TestDatabase::AdminQuery(m_server.database,
                             "CREATE OR REPLACE PROCEDURE acountInfoAccessUser() CALL account_rows('-', 0)");
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    driver.OnDialog(1010, [](CDialog& dialog) {
        CString description;
        dialog.GetDlgItemText(1010, description);
        EXPECT_EQ(description, "");
        TestDriver::Click(dialog, IDCANCEL);
    });
    frame->SendMessage(WM_COMMAND, 32884, 0);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(MainFrameTest, ANewAccountOfTheServerAccountDialogLogsInAtOnce) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    driver.OnDialog(364, [this](CDialog& accounts) {
        driver.OnDialog(365, [](CDialog& dialog) {
            TestDriver::Type(dialog, 1099, "frame_fresh");
            TestDriver::Type(dialog, 1107, "fresh");
            TestDriver::Type(dialog, 1108, "fresh");
            TestDriver::Type(dialog, 1010, "새 사용자");
            TestDriver::Click(dialog, IDOK);
        });
        driver.AnswerMessageBox(IDOK);  // "새 계정으로 로그인 하시겠습니까?"
        AnswerLogin("frame_fresh", "fresh");
        TestDriver::Click(accounts, 1103);
        TestDriver::PressEscape(accounts);
    });
    frame->SendMessage(WM_COMMAND, 32882, 0);
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{"새 계정을 생성하였습니다.\n새 계정으로 로그인 하시겠습니까?"});
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "타모");
    EXPECT_EQ(CMysqlQuery::GetInstance()->GetLoginUser(), "frame_fresh");
    std::vector<account_row> rows;
    ASSERT_EQ(CMysqlQuery::GetInstance()->SelectAccountRows("call acountViewUserinfo()", rows), 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].user_id, "frame_fresh");
}

TEST_F(MainFrameTest, SavingAllDomainHeadersWritesBelowTheChosenFolder) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    const std::filesystem::path folder = std::filesystem::current_path() / "headers";
    std::filesystem::create_directories(folder);
    driver.AnswerFolderDialog(folder.string().c_str());
    driver.AnswerMessageBox(IDOK);
    frame->SendMessage(WM_COMMAND, 32872, 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"저장을 완료했습니다"});
    EXPECT_TRUE(std::filesystem::exists(folder / "Tamo" / "Data" / "Nav" / "Pos" / "Pos.h"));
    EXPECT_TRUE(std::filesystem::exists(folder / "Tamo" / "Method" / "NavService" / "NavService.h"));
}

TEST_F(MainFrameTest, TheXmlImportAndServerAccountCommandsAreEnabled) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    CCmdUI state;
    state.m_nID = 32951;
    state.DoUpdate(frame, TRUE);
    EXPECT_TRUE(state.m_bEnabled);
    state.m_nID = 32882;
    state.DoUpdate(frame, TRUE);
    EXPECT_TRUE(state.m_bEnabled);
}

}  // namespace
