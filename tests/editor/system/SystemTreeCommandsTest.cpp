// The system pane's editing commands against the server: domains with quotes and Korean names, deletes of
// nodes, components, classes and objects with the tree brought up to date, and deletes refused under a lock,
// also when the lock itself cannot be asked.

#include "SystemTreeTestSupport.h"

using tamo::platform::TestDriver;

namespace {

class SystemTreeCommandsTest : public systemtree_test::SystemTreeTest {
protected:
    explicit SystemTreeCommandsTest(std::string database = "systemtree") : SystemTreeTest(std::move(database)) {}

    // A domain of the test's own at the top level with two computers, a component with a proxy class of two
    // objects and a stub class of one, installed on both computers; the tree shows it.
    void BuildInstalledComponent() {
        domainName = UniqueName("_설치");
        domainId = NewSystemDomain(domainName);
        const int first = NewNode(domainId, "첫 PC", "computer");
        const int second = NewNode(domainId, "둘째 PC", "computer");
        componentId = NewComponent(domainId, "부품'1");
        NewClassObject("proxy", domainId, componentId, "IWaypoint", "class_wp", "o1");
        NewClassObject("proxy", domainId, componentId, "IWaypoint", "class_wp", "o2");
        NewClassObject("stub", domainId, componentId, "INavigation", "class_nav", "s1");
        firstDeployment = Install(first, componentId, domainId);
        secondDeployment = Install(second, componentId, domainId);
        pane.OnRefresh();
    }
    HTREEITEM InstalledOn(const std::string& node) {
        HTREEITEM nodeItem = ItemAt({domainName, "Nodes", node});
        return nodeItem ? Tree().GetChildItem(nodeItem) : nullptr;
    }
    std::vector<std::string> InstalledEntries(const std::string& node, const char* folder) {
        HTREEITEM installed = InstalledOn(node);
        return installed ? Children(Child(installed, folder)) : std::vector<std::string>{};
    }

    std::string domainName;
    int domainId = 0;
    int componentId = 0;
    int firstDeployment = 0;
    int secondDeployment = 0;
};

TEST_F(SystemTreeCommandsTest, DomainsKeepQuotesAndKoreanThroughAddEditAndDelete) {
    const std::string parentName = UniqueName("_시스템'상위");
    const int parentId = NewSystemDomain(parentName);
    pane.OnRefresh();
    HTREEITEM parent = Child(Root(), parentName);
    ASSERT_TRUE(parent);
    Select(parent);

    driver.OnDialog(319, [](CDialog& d) {
        TestDriver::Type(d, 1007, "하위'도메인");
        TestDriver::Type(d, 1010, "설명 'ㄱ'");
        TestDriver::Click(d, IDOK);
    });
    pane.OnAddDomain();
    EXPECT_EQ(Children(parent), (std::vector<std::string>{"하위'도메인", "Nodes", "Components"}));
    HTREEITEM child = Child(parent, "하위'도메인");
    ASSERT_TRUE(child);
    EXPECT_EQ(Data(child)->path, parentName + "\\하위'도메인\\");
    EXPECT_EQ(Children(child), (std::vector<std::string>{"Nodes", "Components"}));
    EXPECT_TRUE(IsExpanded(parent));
    const std::string where = "kind = 'system' AND upper_id = " + std::to_string(parentId);
    EXPECT_EQ(AdminValue("SELECT CONCAT(name, '|', description) FROM domain WHERE " + where), "하위'도메인|설명 'ㄱ'");

    // A cancelled dialog changes nothing.
    driver.OnDialog(319, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    pane.OnAddDomain();
    EXPECT_EQ(Children(parent).size(), 3u);

    Select(child);
    driver.OnDialog(319, [](CDialog& d) {
        TestDriver::Type(d, 1007, "고친'이름");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditDomain();
    EXPECT_EQ(Tree().GetItemText(child), "고친'이름");
    EXPECT_EQ(static_cast<class_domain_info*>(Data(child)->record)->name, "고친'이름");
    EXPECT_FALSE(static_cast<class_domain_info*>(Data(child)->record)->last_update.empty());
    EXPECT_EQ(AdminValue("SELECT name FROM domain WHERE " + where), "고친'이름");

    driver.AnswerMessageBox(IDCANCEL);
    pane.OnDeleteDomain();
    EXPECT_TRUE(Child(parent, "고친'이름"));
    driver.AnswerMessageBox(IDOK);
    Select(child);
    pane.OnDeleteDomain();
    EXPECT_EQ(Children(parent), (std::vector<std::string>{"Nodes", "Components"}));
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE " + where), "0");
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(BoxTexts()[0].rfind("도메인을 삭제하면", 0), 0u);
}

TEST_F(SystemTreeCommandsTest, DeletingANodeOrAComponentBringsTheTreeUpToDate) {
    BuildInstalledComponent();
    HTREEITEM component = ItemAt({domainName, "Components", "부품'1"});
    ASSERT_TRUE(component);
    Select(component);
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteComponent();
    EXPECT_TRUE(Children(ItemAt({domainName, "Components"})).empty());
    // Both nodes that had it installed were refilled from the server.
    EXPECT_TRUE(Children(ItemAt({domainName, "Nodes", "첫 PC"})).empty());
    EXPECT_TRUE(Children(ItemAt({domainName, "Nodes", "둘째 PC"})).empty());
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM component WHERE id = " + std::to_string(componentId)), "0");

    HTREEITEM node = ItemAt({domainName, "Nodes", "첫 PC"});
    Select(node);
    driver.AnswerMessageBox(IDCANCEL);
    pane.OnDeleteNode();
    EXPECT_TRUE(ItemAt({domainName, "Nodes", "첫 PC"}));
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteNode();
    EXPECT_EQ(Children(ItemAt({domainName, "Nodes"})), std::vector<std::string>{"둘째 PC"});
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM node WHERE domain_id = " + std::to_string(domainId)), "1");
}

TEST_F(SystemTreeCommandsTest, DeletingAnObjectRebuildsEveryInstalledCopy) {
    BuildInstalledComponent();
    EXPECT_EQ(InstalledEntries("첫 PC", "installed_proxy"),
              (std::vector<std::string>{"o1:class_wp:IWaypoint", "o2:class_wp:IWaypoint"}));
    HTREEITEM classItem = ItemAt({domainName, "Components", "부품'1", "proxy", "class_wp:IWaypoint"});
    ASSERT_TRUE(classItem);
    Select(Child(classItem, "o1"));
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteProxyObject();

    EXPECT_EQ(Children(classItem), std::vector<std::string>{"o2"});
    EXPECT_TRUE(IsExpanded(classItem));
    for (const char* node : {"첫 PC", "둘째 PC"})
        EXPECT_EQ(InstalledEntries(node, "installed_proxy"), std::vector<std::string>{"o2:class_wp:IWaypoint"})
            << node;
    // The folder of the last copy rebuilt stays selected.
    HTREEITEM selected = Tree().GetSelectedItem();
    EXPECT_EQ(Tree().GetItemText(selected), "installed_proxy");
    EXPECT_EQ(Tree().GetParentItem(selected), InstalledOn("둘째 PC"));
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM class_object WHERE component_id = " + std::to_string(componentId)),
              "2");

    // A stub object: the installed stub folders are rebuilt and the last one selected.
    HTREEITEM stubClass = ItemAt({domainName, "Components", "부품'1", "stub", "class_nav:INavigation"});
    ASSERT_TRUE(stubClass);
    Select(Child(stubClass, "s1"));
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteStubObject();
    EXPECT_TRUE(Children(stubClass).empty());
    EXPECT_TRUE(InstalledEntries("첫 PC", "installed_stub").empty());
    EXPECT_EQ(Tree().GetItemText(Tree().GetSelectedItem()), "installed_stub");
    EXPECT_EQ(BoxTexts().size(), 2u);  // the two confirmations
}

TEST_F(SystemTreeCommandsTest, DeletingAClassAndReinstallingRebuildTheInstalledEntries) {
    BuildInstalledComponent();
    HTREEITEM proxyClass = ItemAt({domainName, "Components", "부품'1", "proxy", "class_wp:IWaypoint"});
    Select(proxyClass);
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteProxyClass();
    EXPECT_TRUE(Children(ItemAt({domainName, "Components", "부품'1", "proxy"})).empty());
    EXPECT_TRUE(InstalledEntries("둘째 PC", "installed_proxy").empty());

    // An object added behind the tree's back shows once the installed component is installed again.
    NewClassObject("stub", domainId, componentId, "INavigation", "class_nav", "s2");
    HTREEITEM installed = InstalledOn("첫 PC");
    Select(installed);
    pane.OnReinstall();
    EXPECT_EQ(InstalledEntries("첫 PC", "installed_stub"),
              (std::vector<std::string>{"s1:class_nav:INavigation", "s2:class_nav:INavigation"}));
    EXPECT_EQ(InstalledEntries("둘째 PC", "installed_stub"), std::vector<std::string>{"s1:class_nav:INavigation"});

    HTREEITEM stubClass = ItemAt({domainName, "Components", "부품'1", "stub", "class_nav:INavigation"});
    Select(stubClass);
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteStubClass();
    EXPECT_TRUE(Children(ItemAt({domainName, "Components", "부품'1", "stub"})).empty());
    EXPECT_TRUE(InstalledEntries("첫 PC", "installed_stub").empty());
}

TEST_F(SystemTreeCommandsTest, WhatALockedSubsystemUsesIsNotDeleted) {
    // 조타실 시스템 of Ship stands for 조타실 and is locked: 조타 제어기 with its classes and objects is frozen.
    Select(ItemAt({"Ship"}));
    Select(ItemAt({"Ship", "조타실"}));
    const std::vector<std::string> helm = {"Ship", "조타실", "Components", "조타 제어기"};
    auto below = [&helm](std::vector<std::string> rest) {
        std::vector<std::string> way = helm;
        way.insert(way.end(), rest.begin(), rest.end());
        return way;
    };
    driver.SetDefaultMessageBoxAnswer(IDOK);

    Select(ItemAt(helm));
    pane.OnDeleteComponent();
    Select(ItemAt(below({"proxy", "class_Heartbeat:IHeartbeat"})));
    pane.OnDeleteProxyClass();
    Select(ItemAt(below({"proxy", "class_Heartbeat:IHeartbeat", "object_proxy_hb_public"})));
    pane.OnDeleteProxyObject();
    Select(ItemAt(below({"stub", "class_위치:I위치"})));
    pane.OnDeleteStubClass();

    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "Component을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n그래도 삭제하시겠습니까?",
                  "*삭제 불가*\n SubsystemNode에 설치되어 있으며, SubsystemNode가 Lock상태입니다. ",
                  "Class를 삭제하겠습니까?.\n",
                  "*삭제 불가*\n 외부 시스템과 연결된 Class 입니다. 현재 외수 시스템은 Lock 상태 입니다.",
                  "객체를 삭제하겠습니까?.\n",
                  "*삭제 불가*\n 외부 시스템과 연결된 object 입니다. 현재 외부 시스템은 Lock 상태 입니다.",
                  "인터페이스을 삭제하겠습니까?.\n",
                  "*삭제 불가*\n 외부 시스템과 연결된 Class 입니다. 현재 외수 시스템은 Lock 상태 입니다.",
              }));
    EXPECT_TRUE(ItemAt(below({"proxy", "class_Heartbeat:IHeartbeat", "object_proxy_hb_public"})));
    EXPECT_TRUE(ItemAt(below({"stub", "class_위치:I위치"})));
    // The refused stub class still rebuilds the installed entries of its component (조타 컴퓨터's copy).
    HTREEITEM selected = Tree().GetSelectedItem();
    EXPECT_EQ(Tree().GetItemText(selected), "installed_stub");
    EXPECT_EQ(Tree().GetItemText(Tree().GetParentItem(Tree().GetParentItem(selected))), "조타 컴퓨터");
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM component WHERE name = '조타 제어기'"), "1");
}

// Lock checks that cannot be asked refuse as well: this suite's own copy of the sample has no lock procedures
// for components, classes and objects.
class SystemTreeLockFailureTest : public SystemTreeCommandsTest {
protected:
    SystemTreeLockFailureTest() : SystemTreeCommandsTest("systemtree_nolocks") {}
};

TEST_F(SystemTreeLockFailureTest, ALockThatCannotBeAskedRefusesTheDelete) {
    for (const char* procedure : {"check_system_lock_component", "check_system_lock_proxy_class",
                                  "check_system_lock_stub_class", "check_system_lock_proxy_object",
                                  "check_system_lock_stub_object"})
        AdminRows(std::string("DROP PROCEDURE IF EXISTS ") + procedure);
    BuildInstalledComponent();
    driver.SetDefaultMessageBoxAnswer(IDOK);
    const std::vector<std::string> component = {domainName, "Components", "부품'1"};
    auto below = [&component](std::vector<std::string> rest) {
        std::vector<std::string> way = component;
        way.insert(way.end(), rest.begin(), rest.end());
        return way;
    };

    Select(ItemAt(component));
    pane.OnDeleteComponent();
    Select(ItemAt(below({"proxy", "class_wp:IWaypoint"})));
    pane.OnDeleteProxyClass();
    Select(ItemAt(below({"stub", "class_nav:INavigation"})));
    pane.OnDeleteStubClass();
    Select(ItemAt(below({"proxy", "class_wp:IWaypoint", "o1"})));
    pane.OnDeleteProxyObject();
    Select(ItemAt(below({"stub", "class_nav:INavigation", "s1"})));
    pane.OnDeleteStubObject();

    // Each confirmation is followed by the server's text of the failed check, and nothing is deleted.
    const std::vector<std::string> boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 10u);
    for (size_t i = 1; i < boxes.size(); i += 2) EXPECT_NE(boxes[i].find("check_system_lock_"), std::string::npos) << boxes[i];
    EXPECT_TRUE(ItemAt(below({"proxy", "class_wp:IWaypoint", "o1"})));
    EXPECT_TRUE(ItemAt(below({"stub", "class_nav:INavigation", "s1"})));
    const std::string id = std::to_string(componentId);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM component WHERE id = " + id), "1");
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM component_class WHERE component_id = " + id), "2");
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM class_object WHERE component_id = " + id), "3");
}

}  // namespace
