// The system pane while another engineer works on the same design through a session of their own: the node dialog
// opens on the node as the server holds it (its sub-system domain and lock), what the colleague deleted leaves
// the tree when the user touches it, and an imported sub-system node shows what the server gave it.

#include "DialogTestControls.h"
#include "SystemTreeItems.h"
#include "SystemTreeTestSupport.h"
#include "class_copy_node_dialog.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

const int IDC_NODE_DESCRIPTION = 1067, IDC_SUB_SYSTEM = 1199, IDC_LOCK = 1240;
const char* const kRemovedText = "서버에서 찾을 수 없는 항목이라 트리에서 지웁니다. 다른 사용자가 삭제했거나 이름을 바꾸었습니다.\n";

class SystemTreeSharedDesignTest : public systemtree_test::SystemTreeTest {
protected:
    void SetUp() override {
        SystemTreeTest::SetUp();
        // The messages are read from the driver's record; each is acknowledged.
        driver.SetDefaultMessageBoxAnswer(IDOK);
    }

    // The domain S with a computer that runs a component whose stub object is a public entry: a node that stands
    // for S gets that entry.
    void BuildSubsystemDomain() {
        subName = UniqueName("_S");
        subId = NewSystemDomain(subName);
        const int pcId = NewNode(subId, "pc", "computer");
        const int componentId = NewComponent(subId, "부품");
        NewClassObject("stub", subId, componentId, "IWaypoint", "class_s", "s1");
        const int deploymentId = Install(pcId, componentId, subId);
        const std::string entry =
            AdminValue("SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref WHERE "
                       "e.deployment_id = " + std::to_string(deploymentId) + " AND o.object_name = 's1'");
        Call(db->FormatCall("call coustum_ViewEditobjectid(%d, %d, %d, %d)", std::stoi(entry), 7, 1, 1));
    }
    std::string StoredNode(int nodeId) {
        return AdminValue("SELECT CONCAT_WS('|', n.name, n.description, COALESCE(s.name, '-'), n.lock_flag) "
                          "FROM node n LEFT JOIN domain s ON s.id = n.sub_system_domain_id WHERE n.id = " +
                          std::to_string(nodeId));
    }

    std::string subName;
    int subId = 0;
};

// The colleague locked the sub-system node and gave it another domain after the user's tree read it: the dialog
// shows both, and the user's change of the description keeps them.
TEST_F(SystemTreeSharedDesignTest, TheNodeDialogShowsTheSubsystemDomainAndLockTheServerHolds) {
    const std::string domainName = UniqueName("_노드");
    const int domainId = NewSystemDomain(domainName);
    const int firstSub = NewSystemDomain(UniqueName("_첫"));
    const int secondSub = NewSystemDomain(UniqueName("_둘"));
    const int nodeId = NewNode(domainId, "sub", "sub_system", firstSub);
    pane.OnRefresh();
    Select(ItemAt({domainName}));
    HTREEITEM node = ItemAt({domainName, "Nodes", "sub:" + UniqueName("_첫")});
    ASSERT_TRUE(node);
    Colleague("call NodeViewEditNode(" + std::to_string(nodeId) + ", " + std::to_string(domainId) +
              ",'sub','sub_system','동료', " + std::to_string(secondSub) + ", 1)");

    Select(node);
    driver.OnDialog(341, [&](CDialog& d) {
        EXPECT_EQ(Selected(d, IDC_SUB_SYSTEM), UniqueName("_둘"));
        EXPECT_EQ(d.GetCheckedRadioButton(IDC_LOCK, IDC_LOCK + 1), IDC_LOCK + 1) << "LOCK";
        EXPECT_EQ(Text(d, IDC_NODE_DESCRIPTION), "동료");
        TestDriver::Type(d, IDC_NODE_DESCRIPTION, "나");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditNode();
    EXPECT_EQ(StoredNode(nodeId), "sub|나|" + UniqueName("_둘") + "|Y");
    EXPECT_EQ(Tree().GetItemText(node), "sub:" + UniqueName("_둘"));
    const auto* record = static_cast<const class_node_info*>(Data(node)->record);
    EXPECT_EQ(record->sub_system_domain_id, secondSub);
    EXPECT_EQ(record->locked, 1);
    EXPECT_EQ(record->description, "나");
}

// "Node 가져오기" of a sub-system node: the new node shows the installed component it got from the public entries
// of its domain at once.
TEST_F(SystemTreeSharedDesignTest, AnImportedSubsystemNodeShowsWhatTheServerGaveIt) {
    BuildSubsystemDomain();
    const std::string sourceName = UniqueName("_원본"), targetName = UniqueName("_대상");
    const int sourceId = NewSystemDomain(sourceName);
    NewSystemDomain(targetName);
    NewNode(sourceId, "sub", "sub_system", subId);
    pane.OnRefresh();
    Select(ItemAt({targetName}));
    HTREEITEM nodes = ItemAt({targetName, "Nodes"});
    Select(nodes);
    driver.OnDialog(414, [&](CDialog& d) {
        Choose(d, 1182, sourceName);
        CListCtrl& rows = dynamic_cast<class_copy_node_dialog&>(d).m_listRows;
        ASSERT_EQ(ListNames(rows), std::vector<std::string>{"sub"});
        TestDriver::ClickListRow(rows, 0);
        TestDriver::Click(d, IDOK);
    });
    pane.OnImportNode();

    // The node's name alone, as an imported node shows it until the next reload.
    const std::string label = "sub";
    ASSERT_EQ(Children(nodes), std::vector<std::string>{label});
    HTREEITEM node = Child(nodes, label);
    EXPECT_EQ(Image(node), NodeImageIndex("sub_system"));
    HTREEITEM installed = Tree().GetChildItem(node);
    ASSERT_TRUE(installed) << "the installed component comes without 새로 고침";
    EXPECT_EQ(Data(installed)->kind, TREE_INSTALLED_COMPONENT);
    EXPECT_EQ(Children(Child(installed, "installed_stub")), std::vector<std::string>{"s1:class_s:IWaypoint(7)"});
    // The same as a refresh shows.
    const std::vector<std::string> shown = Children(node);
    pane.OnRefresh();
    Select(ItemAt({targetName}));
    HTREEITEM again = ItemAt({targetName, "Nodes", "sub:" + subName});
    ASSERT_TRUE(again);
    EXPECT_EQ(Children(again), shown);
}

// A node, component or class the colleague deleted leaves the tree when the user edits or deletes it, after the
// server's refusal where there is one; nothing else changes.
TEST_F(SystemTreeSharedDesignTest, WhatTheColleagueDeletedLeavesTheTreeWhenTouched) {
    const std::string domainName = UniqueName("_삭제");
    const int domainId = NewSystemDomain(domainName);
    const int nodeId = NewNode(domainId, "pc", "computer", domainId);
    const int componentId = NewComponent(domainId, "지운부품");
    const int keptId = NewComponent(domainId, "남은부품");
    NewClassObject("proxy", domainId, keptId, "INavigation", "class_p", "p1");
    pane.OnRefresh();
    Select(ItemAt({domainName}));
    HTREEITEM node = ItemAt({domainName, "Nodes", "pc"});
    HTREEITEM component = ItemAt({domainName, "Components", "지운부품"});
    HTREEITEM proxyFolder = ItemAt({domainName, "Components", "남은부품", "proxy"});
    ASSERT_TRUE(node && component && proxyFolder);
    HTREEITEM proxyClass = Tree().GetChildItem(proxyFolder);
    ASSERT_TRUE(proxyClass);
    const std::string classLabel = Tree().GetItemText(proxyClass).str();
    const int classId = static_cast<const class_proxy_interface_relation_info*>(Data(proxyClass)->record)->id;

    Colleague("call nodeDeleteNodes(" + std::to_string(nodeId) + ")");
    Colleague("call componentViewDeletecomponent(" + std::to_string(componentId) + "," + std::to_string(domainId) +
              ")");
    Colleague("call proxyInterfaceRalationDeleteInterface(" + std::to_string(classId) + ")");

    Select(node);
    pane.OnEditNode();  // no dialog is scripted: none may open
    EXPECT_EQ(ItemAt({domainName, "Nodes", "pc"}), nullptr);
    EXPECT_TRUE(Shown(kRemovedText + std::string("pc")));

    Select(component);
    pane.OnEditComponent();
    EXPECT_EQ(ItemAt({domainName, "Components", "지운부품"}), nullptr);
    EXPECT_TRUE(Shown(kRemovedText + std::string("지운부품")));

    Select(proxyClass);
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteProxyClass();
    EXPECT_TRUE(Children(proxyFolder).empty());
    EXPECT_TRUE(Shown(kRemovedText + classLabel));
    EXPECT_TRUE(ItemAt({domainName, "Components", "남은부품"}));
}

// The colleague removed an installation while the user's deployment dialog was open: the user's removal is
// refused with the server's reason, the dialog lists what the server holds, and so does the node afterwards.
TEST_F(SystemTreeSharedDesignTest, TheDeploymentDialogListsWhatTheServerHoldsAfterARefusal) {
    const std::string domainName = UniqueName("_설치");
    const int domainId = NewSystemDomain(domainName);
    const int nodeId = NewNode(domainId, "pc", "computer", domainId);
    const int componentId = NewComponent(domainId, "부품");
    const int deploymentId = Install(nodeId, componentId, domainId);
    pane.OnRefresh();
    Select(ItemAt({domainName}));
    HTREEITEM node = ItemAt({domainName, "Nodes", "pc"});
    ASSERT_TRUE(node);
    ASSERT_EQ(Children(node).size(), 1u);
    Select(node);

    driver.OnDialog(358, [&](CDialog& d) {
        CListCtrl& installed = List(d, 1082);
        ASSERT_EQ(installed.GetItemCount(), 1);
        Colleague("call nodeDeploymentViewDeleteComponent(" + std::to_string(deploymentId) + ")");
        TestDriver::ClickListRow(installed, 0);
        TestDriver::Click(d, 1085);
        EXPECT_EQ(installed.GetItemCount(), 0);
        TestDriver::PressCloseBox(d);
    });
    pane.OnInstallComponents();
    EXPECT_TRUE(Shown("설치된 컴포넌트가 없습니다."));
    EXPECT_TRUE(Children(node).empty());
}

}  // namespace
