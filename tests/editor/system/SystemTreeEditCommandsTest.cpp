// The system pane's commands that open the system dialogs, against the server: nodes (a router stays "urouter",
// a sensor takes the public entries of its domain), components and their installation, classes and objects with
// the installed entries of every copy brought up to date, the object id with its Public flag, and the stub
// information of an installed proxy entry.

#include <algorithm>
#include <functional>

#include "CSearchDomainDlg.h"
#include "CTreeSystemDomainControl.h"
#include "DialogTestControls.h"
#include "SystemTreeItems.h"
#include "SystemTreeTestSupport.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

const int IDC_NODE_TYPE = 1062, IDC_NODE_NAME = 1063, IDC_NODE_DESCRIPTION = 1067, IDC_NODE_SEARCH = 1072;
const int IDC_COMPONENT_NAME = 1076, IDC_COMPONENT_DESCRIPTION = 1077;
const int IDC_AVAILABLE = 1083, IDC_INSTALL = 1084;
const int IDC_CLASS_SEARCH = 1072, IDC_INTERFACE = 1079, IDC_OBJECT_NAME = 1208, IDC_CLASS_NAME = 1209;
const int IDC_OBJECT_ID = 1114, IDC_PUBLIC = 1217;
const int IDC_STUB_OBJECT_ID = 1168;

// The next domain chooser ticks the domain of that name (at any level) and closes with OK.
void ChooseDomain(TestDriver& driver, const std::string& name) {
    driver.OnDialogOf<CSearchDomainDlg>(338, [name](CSearchDomainDlg& chooser) {
        CTreeCtrl& tree = chooser.m_ctrlTree;
        std::function<void(HTREEITEM)> tick = [&](HTREEITEM first) {
            for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
                if (tree.GetItemText(item).str() == name) tree.SetCheck(item, TRUE);
                tick(tree.GetChildItem(item));
            }
        };
        tick(tree.GetRootItem());
        TestDriver::Click(chooser, IDOK);
    });
}

class SystemTreeEditCommandsTest : public systemtree_test::SystemTreeTest {
protected:
    explicit SystemTreeEditCommandsTest(std::string database = "systemtree") : SystemTreeTest(std::move(database)) {}

    // The next node dialog gets the name and type, picks the sub-system domain with "검색" and closes with OK.
    void FillNodeDialog(const std::string& subsystem, const std::string& name, const std::string& type) {
        ChooseDomain(driver, subsystem);
        driver.OnDialog(341, [name, type](CDialog& d) {
            TestDriver::Type(d, IDC_NODE_NAME, name.c_str());
            Choose(d, IDC_NODE_TYPE, type);
            TestDriver::Click(d, IDC_NODE_SEARCH);
            TestDriver::Click(d, IDOK);
        });
    }

    // A top-level domain P with the sub-domain S; in S a computer with a component that has a proxy class
    // (object p1) and a stub class (object s1), installed on it.
    void BuildSubsystemDomains() {
        parentName = UniqueName("_P");
        parentId = NewSystemDomain(parentName);
        subName = "S'" + std::to_string(parentId);
        subId = NewSystemDomain(subName, parentId);
        pcId = NewNode(subId, "pc", "computer");
        componentId = NewComponent(subId, "부품");
        NewClassObject("proxy", subId, componentId, "INavigation", "class_p", "p1");
        NewClassObject("stub", subId, componentId, "IWaypoint", "class_s", "s1");
        deploymentId = Install(pcId, componentId, subId);
    }
    int EntryId(const std::string& objectName) {
        return std::stoi(AdminValue("SELECT e.id FROM custom_entry e JOIN class_object o ON o.id = e.object_ref "
                                    "WHERE e.deployment_id = " + std::to_string(deploymentId) +
                                    " AND o.object_name = " + datatree_test::SqlText(objectName)));
    }
    std::string EntryColumns(const std::string& objectName) {
        return AdminValue("SELECT CONCAT_WS('|', object_id, public, stub_object_id, stub_ip) FROM custom_entry "
                          "WHERE id = " + std::to_string(EntryId(objectName)));
    }
    // The installed component below a node, with its entries folder.
    HTREEITEM EntriesFolder(const std::vector<std::string>& node, const char* folder) {
        HTREEITEM nodeItem = ItemAt(node);
        HTREEITEM installed = nodeItem ? Tree().GetChildItem(nodeItem) : nullptr;
        return installed ? Child(installed, folder) : nullptr;
    }

    std::string parentName, subName;
    int parentId = 0, subId = 0, pcId = 0, componentId = 0, deploymentId = 0;
};

TEST_F(SystemTreeEditCommandsTest, NodesAreAddedOneByOneAndARouterStaysUrouter) {
    const std::string domainName = UniqueName("_노드");
    NewSystemDomain(domainName);
    pane.OnRefresh();
    HTREEITEM nodes = ItemAt({domainName, "Nodes"});
    Select(nodes);

    FillNodeDialog("표준장비", "라우터'1", "router");
    driver.AnswerMessageBox(IDOK);  // one more
    FillNodeDialog("표준장비", "pc", "computer");
    driver.AnswerMessageBox(IDCANCEL);
    pane.OnAddNode();

    EXPECT_EQ(Children(nodes), (std::vector<std::string>{"라우터'1", "pc"}));
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(BoxTexts()[0], "새로은 Node를 계속 추가 하시겠습니까?");
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "Tamo");
    HTREEITEM router = Child(nodes, "라우터'1");
    EXPECT_EQ(Image(router), 8);
    EXPECT_EQ(Data(router)->path, domainName + "\\라우터'1");
    const std::string where = "name = '라우터''1' AND domain_id = " +
                              std::to_string(static_cast<class_domain_info*>(Data(ItemAt({domainName}))->record)->id);
    EXPECT_EQ(AdminValue("SELECT type FROM node WHERE " + where), "urouter");
    // The router got the ports of the template it was created with.
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM node_port np JOIN node n ON n.id = np.node_id WHERE n." + where), "4");

    // Edited, the router is sent as the dialog shows it and kept as "urouter".
    Select(router);
    driver.OnDialog(341, [](CDialog& d) {
        EXPECT_EQ(Selected(d, IDC_NODE_TYPE), "router");
        TestDriver::Type(d, IDC_NODE_DESCRIPTION, "새 설명");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditNode();
    const auto* record = static_cast<class_node_info*>(Data(router)->record);
    EXPECT_EQ(record->type, "urouter");
    EXPECT_EQ(record->description, "새 설명");
    EXPECT_EQ(Image(router), 8);
    EXPECT_EQ(Tree().GetItemText(router), "라우터'1");
    EXPECT_EQ(AdminValue("SELECT CONCAT(type, '|', description) FROM node WHERE " + where), "urouter|새 설명");
}

// Domains may be named like the tree's own items. They are domains all the same: for their menu, for their
// selection (which loads their own levels) and for the commands on their folders; a top-level domain named
// "root" gives its items their paths.
TEST_F(SystemTreeEditCommandsTest, DomainsNamedLikeTheTreesOwnItemsAreDomains) {
    const std::string top = UniqueName("_폴더");
    const int topId = NewSystemDomain(top);
    const int nodesId = NewSystemDomain("Nodes", topId);
    const int innerId = NewSystemDomain("Components", nodesId);
    NewSystemDomain("installed_proxy", topId);
    pane.OnRefresh();
    HTREEITEM topItem = Child(Root(), top);
    Select(topItem);
    HTREEITEM nodesDomain = DomainChild(topItem, "Nodes");
    ASSERT_TRUE(nodesDomain);
    EXPECT_EQ(MenuOf(nodesDomain), 340u);
    EXPECT_EQ(pane.GetCurrentDomain()->id, nodesId);
    EXPECT_EQ(Children(nodesDomain), (std::vector<std::string>{"Components", "Nodes", "Components"}));
    HTREEITEM innerDomain = DomainChild(nodesDomain, "Components");
    ASSERT_TRUE(innerDomain);
    EXPECT_EQ(MenuOf(innerDomain), 340u);
    EXPECT_EQ(pane.GetCurrentDomain()->id, innerId);

    // "Node 추가" on the domain item itself adds nothing; on the domain's own "Nodes" folder the node goes into
    // that domain.
    Select(nodesDomain);
    pane.OnAddNode();
    HTREEITEM folder = nullptr;
    for (HTREEITEM item = Tree().GetChildItem(nodesDomain); item; item = Tree().GetNextSiblingItem(item))
        if (SystemFolderOf(Tree().GetItemText(item).str(), Data(item)) == SystemFolder::nodes) folder = item;
    ASSERT_TRUE(folder);
    EXPECT_EQ(MenuOf(folder), 342u);
    FillNodeDialog("표준장비", "pc", "computer");
    driver.AnswerMessageBox(IDCANCEL);
    pane.OnAddNode();
    EXPECT_EQ(AdminRows("SELECT domain_id FROM node WHERE name = 'pc' AND domain_id IN (" + std::to_string(topId) +
                        ", " + std::to_string(nodesId) + ")"),
              std::vector<std::string>{std::to_string(nodesId)});
    EXPECT_EQ(Children(folder), std::vector<std::string>{"pc"});

    HTREEITEM odd = DomainChild(topItem, "installed_proxy");
    ASSERT_TRUE(odd);
    EXPECT_EQ(MenuOf(odd), 340u);
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteDomain();
    EXPECT_EQ(DomainChild(topItem, "installed_proxy"), nullptr);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE name = 'installed_proxy' AND upper_id = " +
                         std::to_string(topId)),
              "0");

    const int rootNamedId = NewSystemDomain("root");
    NewNode(rootNamedId, "r1", "computer");
    pane.OnRefresh();
    HTREEITEM rootNamed = DomainChild(Root(), "root");
    ASSERT_TRUE(rootNamed);
    EXPECT_EQ(MenuOf(rootNamed), 340u);
    EXPECT_EQ(Data(rootNamed)->path, "root\\");
    EXPECT_EQ(Data(ItemAt({"root", "Nodes"}))->path, "root\\Nodes");
    EXPECT_EQ(Data(ItemAt({"root", "Nodes", "r1"}))->path, "root\\r1");
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteDomain();
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE id = " + std::to_string(rootNamedId)), "0");
    EXPECT_EQ(BoxTexts().size(), 3u);  // the question after the node and the two confirmations
}

TEST_F(SystemTreeEditCommandsTest, ASensorTakesThePublicEntriesOfTheDomainItStandsFor) {
    BuildSubsystemDomains();
    Call(db->FormatCall("call coustum_ViewEditobjectid(%d, %d, %d, %d)", EntryId("s1"), 7, 1, 1));
    pane.OnRefresh();
    Select(ItemAt({parentName}));
    HTREEITEM nodes = ItemAt({parentName, "Nodes"});
    Select(nodes);
    FillNodeDialog(subName, "센서'1", "sensor");
    driver.AnswerMessageBox(IDCANCEL);
    pane.OnAddNode();

    const std::string label = "센서'1:" + subName;
    ASSERT_EQ(Children(nodes), std::vector<std::string>{label});
    EXPECT_EQ(Image(Child(nodes, label)), 23);
    EXPECT_EQ(Children(EntriesFolder({parentName, "Nodes", label}, "installed_stub")),
              std::vector<std::string>{"s1:class_s:IWaypoint(7)"});
    EXPECT_TRUE(Children(EntriesFolder({parentName, "Nodes", label}, "installed_proxy")).empty());
}

TEST_F(SystemTreeEditCommandsTest, ComponentsAreAddedInstalledAndRenamedEverywhere) {
    const std::string domainName = UniqueName("_부품");
    const int domainId = NewSystemDomain(domainName);
    NewNode(domainId, "pc", "computer");
    pane.OnRefresh();
    HTREEITEM components = ItemAt({domainName, "Components"});
    Select(components);
    driver.OnDialog(348, [](CDialog& d) {
        TestDriver::Type(d, IDC_COMPONENT_NAME, "새'부품");
        TestDriver::Type(d, IDC_COMPONENT_DESCRIPTION, "설명");
        TestDriver::Click(d, IDOK);
    });
    pane.OnAddComponent();
    ASSERT_EQ(Children(components), std::vector<std::string>{"새'부품"});
    HTREEITEM component = Child(components, "새'부품");
    EXPECT_EQ(Children(component), (std::vector<std::string>{"proxy", "stub"}));
    EXPECT_EQ(Data(component)->path, domainName + "\\새'부품");
    EXPECT_TRUE(IsExpanded(components));
    const std::string componentId = AdminValue("SELECT id FROM component WHERE systemdomain_id = " +
                                               std::to_string(domainId));
    EXPECT_EQ(AdminValue("SELECT CONCAT(name, '|', description) FROM component WHERE id = " + componentId),
              "새'부품|설명");

    // Installed through the deployment dialog, the node shows it.
    HTREEITEM pc = ItemAt({domainName, "Nodes", "pc"});
    Select(pc);
    driver.OnDialog(358, [](CDialog& d) {
        TestDriver::ClickListRow(List(d, IDC_AVAILABLE), 0);
        TestDriver::Click(d, IDC_INSTALL);
        TestDriver::Click(d, IDOK);
    });
    pane.OnInstallComponents();
    const std::string deployment = AdminValue("SELECT id FROM deployment WHERE component_id = " + componentId);
    EXPECT_EQ(Children(pc), std::vector<std::string>{deployment + ":새'부품"});
    EXPECT_EQ(Tree().GetSelectedItem(), pc);

    // Renamed, the component's installed copies are shown again from the server.
    Select(component);
    driver.OnDialog(348, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_COMPONENT_NAME), "새'부품");
        TestDriver::Type(d, IDC_COMPONENT_NAME, "고친 부품");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditComponent();
    EXPECT_EQ(Tree().GetItemText(component), "고친 부품");
    EXPECT_EQ(Children(ItemAt({domainName, "Nodes", "pc"})), std::vector<std::string>{deployment + ":고친 부품"});
}

TEST_F(SystemTreeEditCommandsTest, ClassesAndObjectsKeepEveryInstalledCopyUpToDate) {
    BuildSubsystemDomains();
    const int secondPc = NewNode(subId, "pc2", "computer");
    Install(secondPc, componentId, subId);
    pane.OnRefresh();
    Select(ItemAt({parentName}));
    const std::vector<std::string> component = {parentName, subName, "Components", "부품"};
    auto below = [&component](std::vector<std::string> rest) {
        std::vector<std::string> way = component;
        way.insert(way.end(), rest.begin(), rest.end());
        return way;
    };
    const std::vector<std::string> pc = {parentName, subName, "Nodes", "pc"};
    const std::vector<std::string> pc2 = {parentName, subName, "Nodes", "pc2"};

    // A new proxy class with its object through the class dialog's new-class mode.
    Select(ItemAt(below({"proxy"})));
    ChooseDomain(driver, "NavService");
    driver.OnDialog(367, [](CDialog& d) {
        TestDriver::Click(d, IDC_CLASS_SEARCH);
        Choose(d, IDC_INTERFACE, "IHeartbeat");
        TestDriver::Type(d, IDC_CLASS_NAME, "class_hb");
        TestDriver::Type(d, IDC_OBJECT_NAME, "hb1");
        TestDriver::Click(d, IDOK);
        TestDriver::Click(d, IDCANCEL);
    });
    pane.OnAddProxyClass();
    EXPECT_EQ(Children(ItemAt(below({"proxy"}))),
              (std::vector<std::string>{"class_p:INavigation", "class_hb:IHeartbeat"}));
    for (const auto& node : {pc, pc2})
        EXPECT_EQ(Children(EntriesFolder(node, "installed_proxy")),
                  (std::vector<std::string>{"p1:class_p:INavigation", "hb1:class_hb:IHeartbeat"}));
    EXPECT_EQ(Tree().GetSelectedItem(), ItemAt(below({"proxy"})));

    // A new object of the stub class goes into every deployment.
    Select(ItemAt(below({"stub", "class_s:IWaypoint"})));
    driver.OnDialog(367, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDOK), "확인");
        TestDriver::Type(d, IDC_OBJECT_NAME, "s'2");
        TestDriver::Click(d, IDOK);
    });
    pane.OnAddStubObject();
    EXPECT_EQ(Children(ItemAt(below({"stub", "class_s:IWaypoint"}))), (std::vector<std::string>{"s1", "s'2"}));
    for (const auto& node : {pc, pc2})
        EXPECT_EQ(Children(EntriesFolder(node, "installed_stub")),
                  (std::vector<std::string>{"s1:class_s:IWaypoint", "s'2:class_s:IWaypoint"}));

    // A renamed class and a renamed object show in the installed entries too.
    Select(ItemAt(below({"proxy", "class_p:INavigation"})));
    driver.OnDialog(367, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDOK), "수정");
        TestDriver::Type(d, IDC_CLASS_NAME, "class_p2");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditProxyClass();
    EXPECT_TRUE(ItemAt(below({"proxy", "class_p2:INavigation"})));
    Select(ItemAt(below({"proxy", "class_p2:INavigation", "p1"})));
    driver.OnDialog(367, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_OBJECT_NAME), "p1");
        TestDriver::Type(d, IDC_OBJECT_NAME, "p'1");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditProxyObject();
    EXPECT_EQ(Children(ItemAt(below({"proxy", "class_p2:INavigation"}))), std::vector<std::string>{"p'1"});
    for (const auto& node : {pc, pc2})
        EXPECT_EQ(Children(EntriesFolder(node, "installed_proxy")),
                  (std::vector<std::string>{"p'1:class_p2:INavigation", "hb1:class_hb:IHeartbeat"}));
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(SystemTreeEditCommandsTest, AnObjectIdAndItsPublicFlagReachTheSubsystemsThatStandForTheDomain) {
    BuildSubsystemDomains();
    NewNode(parentId, "서브", "sub_system", subId);
    pane.OnRefresh();
    Select(ItemAt({parentName}));
    const std::vector<std::string> subsystem = {parentName, "Nodes", "서브:" + subName};
    auto entry = [this] {
        return Tree().GetChildItem(EntriesFolder({parentName, subName, "Nodes", "pc"}, "installed_proxy"));
    };
    ASSERT_TRUE(entry());
    EXPECT_TRUE(Children(ItemAt(subsystem)).empty());

    // Public: the entry is copied onto the sub-system node that stands for its domain.
    Select(entry());
    driver.OnDialog(372, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_OBJECT_ID), "");
        TestDriver::Type(d, IDC_OBJECT_ID, "55");
        TestDriver::Click(d, IDC_PUBLIC);
        TestDriver::Click(d, IDOK);
    });
    pane.OnObjectId();
    EXPECT_EQ(Tree().GetItemText(entry()), "p1:class_p:INavigation(55)");
    EXPECT_EQ(EntryColumns("p1"), "55|1|0|0.0.0.0");
    EXPECT_EQ(Children(EntriesFolder(subsystem, "installed_proxy")), std::vector<std::string>{"p1:class_p:INavigation(55)"});

    // Public cleared and the question cancelled: still public, and the new id (not a number: 0) is stored.
    Select(entry());
    driver.OnDialog(372, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_OBJECT_ID), "55");
        TestDriver::Type(d, IDC_OBJECT_ID, "abc");
        TestDriver::Click(d, IDC_PUBLIC);
        TestDriver::Click(d, IDOK);
    });
    driver.AnswerMessageBox(IDCANCEL);
    pane.OnObjectId();
    EXPECT_EQ(EntryColumns("p1"), "0|1|0|0.0.0.0");
    EXPECT_EQ(Tree().GetItemText(entry()), "p1:class_p:INavigation(abc)");
    EXPECT_EQ(Children(EntriesFolder(subsystem, "installed_proxy")), std::vector<std::string>{"p1:class_p:INavigation"});

    // Public cleared and confirmed: the copies go; "0" is shown in parentheses until the next reload.
    Select(entry());
    driver.OnDialog(372, [](CDialog& d) {
        TestDriver::Type(d, IDC_OBJECT_ID, "0");
        TestDriver::Click(d, IDC_PUBLIC);
        TestDriver::Click(d, IDOK);
    });
    driver.AnswerMessageBox(IDOK);
    pane.OnObjectId();
    EXPECT_EQ(EntryColumns("p1"), "0|0|0|0.0.0.0");
    EXPECT_EQ(Tree().GetItemText(entry()), "p1:class_p:INavigation(0)");
    EXPECT_TRUE(Children(ItemAt(subsystem)).empty());
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    for (const auto& box : driver.MessageBoxes()) {
        EXPECT_EQ(box.text, "서브시스템에 설치된 해당 object가 같이 삭제됩니다.");
        EXPECT_EQ(box.caption, "알림");
    }

    // The stub a proxy entry calls.
    Select(entry());
    driver.OnDialog(399, [](CDialog& d) {
        TestDriver::Type(d, IDC_STUB_OBJECT_ID, "77");
        TestDriver::Click(d, IDOK);
    });
    pane.OnStubInfo();
    EXPECT_EQ(pane.GetCurrentInstalledEntry()->stub_object_id, "77");
    EXPECT_EQ(pane.GetCurrentInstalledEntry()->stub_ip, "192.168.0.0");
    EXPECT_EQ(EntryColumns("p1"), "0|0|77|192.168.0.0");
}

// The stub information of an entry that a locked parent system uses: this suite's own copy of the sample cannot
// ask the lock, so the dialog lets the user try, and the server refuses.
class SystemTreeEditLockFailureTest : public SystemTreeEditCommandsTest {
protected:
    SystemTreeEditLockFailureTest() : SystemTreeEditCommandsTest("systemtree_nostublock") {}
};

TEST_F(SystemTreeEditLockFailureTest, RefusedStubInformationLeavesTheEntryAsItWas) {
    AdminRows("DROP PROCEDURE IF EXISTS check_system_lock_proxy_stub_ip");
    std::vector<class_custum_table> entries;
    const int node = std::stoi(AdminValue("SELECT id FROM node WHERE name = '조타 컴퓨터'"));
    const int component = std::stoi(AdminValue("SELECT id FROM component WHERE name = '조타 제어기'"));
    ASSERT_EQ(db->SelectCustomProxyTable(db->FormatCall("call coustim_proxyViewlistinfo(%d, %d)", node, component),
                                         entries),
              0);
    auto publicEntry = std::find_if(entries.begin(), entries.end(),
                                    [](const auto& row) { return row.object_name == "object_proxy_hb_public"; });
    ASSERT_NE(publicEntry, entries.end());
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(399, [](CDialog& d) {
        TestDriver::Type(d, IDC_STUB_OBJECT_ID, "999");
        TestDriver::Click(d, IDOK);
    });
    CTreeSystemDomainControl control;
    EXPECT_EQ(control.EditStubInfo(&*publicEntry), -1);
    EXPECT_EQ(publicEntry->stub_object_id, "401");
    EXPECT_EQ(publicEntry->stub_ip, "192.168.1.40");
    ASSERT_FALSE(BoxTexts().empty());
    EXPECT_EQ(BoxTexts().back(), "*상위 system과 연동 되어 있습니다* 현재 상위 system이 Lock 상태 입니다.");
}

}  // namespace
