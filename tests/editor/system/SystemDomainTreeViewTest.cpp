// The system pane on the sample design: the first fill (order, labels, images, kinds, paths), lazy loading, the
// context menus through the tree, and the walks that select or expand over levels that reload on the way.

#include <algorithm>
#include <optional>
#include <set>

#include "CContextMenuManager.h"
#include "CMysqlConnection.h"
#include "CMysqlReadAhead.h"
#include "ReadAheadAnswers.h"
#include "SystemTreeItems.h"
#include "SystemTreeTestSupport.h"

using tamo::platform::TestDriver;

namespace {

class SystemDomainTreeViewTest : public systemtree_test::SystemTreeTest {};

std::vector<std::string> Only(const std::vector<std::string>& texts, const std::vector<std::string>& wanted) {
    std::vector<std::string> kept;
    for (const std::string& text : texts)
        if (std::find(wanted.begin(), wanted.end(), text) != wanted.end()) kept.push_back(text);
    return kept;
}

TEST_F(SystemDomainTreeViewTest, TheFirstFillShowsTheSampleInThePanesOrder) {
    HTREEITEM root = Root();
    EXPECT_EQ(Tree().GetItemText(root), "SystemDomain");
    EXPECT_EQ(Image(root), 1);
    EXPECT_EQ(SelectedImage(root), 2);
    ASSERT_TRUE(Data(root));
    EXPECT_EQ(Data(root)->kind, TREE_SYSTEM_DOMAIN);
    EXPECT_EQ(Data(root)->path, "root\\");
    EXPECT_EQ(static_cast<class_domain_info*>(Data(root)->record)->description, "최상의 폴더");
    EXPECT_TRUE(IsExpanded(root));
    // The server lists a level by descending name and each domain goes in first: the tree shows it ascending.
    EXPECT_EQ(Only(Children(root), {"Operator's Console", "Ship", "표준장비"}),
              (std::vector<std::string>{"Operator's Console", "Ship", "표준장비"}));

    HTREEITEM ship = Child(root, "Ship");
    ASSERT_TRUE(ship);
    EXPECT_EQ(Image(ship), 3);
    EXPECT_EQ(SelectedImage(ship), 4);
    EXPECT_EQ(Data(ship)->path, "Ship\\");
    EXPECT_EQ(Children(ship), (std::vector<std::string>{"기관실", "조타실", "Nodes", "Components"}));
    EXPECT_EQ(Data(Child(ship, "조타실"))->path, "Ship\\조타실\\");

    HTREEITEM nodes = Child(ship, "Nodes");
    EXPECT_EQ(Image(nodes), 10);
    EXPECT_EQ(Data(nodes)->kind, TREE_NODE);
    EXPECT_EQ(Data(nodes)->record, nullptr);
    EXPECT_EQ(Data(nodes)->path, "Ship\\Nodes");
    EXPECT_EQ(Children(nodes), (std::vector<std::string>{"주 라우터", "스위치 A", "조타실 시스템:조타실",
                                                         "기관 센서:기관실", "항해 컴퓨터", "Captain's PC"}));
    std::vector<int> images;
    for (HTREEITEM node = Tree().GetChildItem(nodes); node; node = Tree().GetNextSiblingItem(node)) {
        images.push_back(Image(node));
        EXPECT_EQ(SelectedImage(node), images.back());
    }
    EXPECT_EQ(images, (std::vector<int>{8, 7, 24, 23, 6, 6}));

    // Installed components only below computers, sub-systems and sensors.
    EXPECT_TRUE(Children(Child(nodes, "주 라우터")).empty());
    EXPECT_TRUE(Children(Child(nodes, "스위치 A")).empty());
    for (const auto& [node, component] : std::vector<std::pair<std::string, std::string>>{
             {"항해 컴퓨터", "항법 관리자"}, {"Captain's PC", "위치 표시기"},
             {"조타실 시스템:조타실", "조타 제어기"}, {"기관 센서:기관실", "기관 감시기"}}) {
        HTREEITEM nodeItem = Child(nodes, node);
        ASSERT_EQ(Children(nodeItem).size(), 1u) << node;
        HTREEITEM installed = Tree().GetChildItem(nodeItem);
        const TreeNodeData* data = Data(installed);
        ASSERT_TRUE(data && data->record) << node;
        const auto* record = static_cast<const class_component_info*>(data->record);
        EXPECT_GT(record->deployment_id, 0);
        EXPECT_EQ(Tree().GetItemText(installed).str(), std::to_string(record->deployment_id) + ":" + component);
        EXPECT_EQ(data->kind, TREE_INSTALLED_COMPONENT);
        EXPECT_EQ(Image(installed), 17);
        EXPECT_EQ(Children(installed), (std::vector<std::string>{"installed_proxy", "installed_stub"}));
    }

    HTREEITEM navPc = Child(nodes, "항해 컴퓨터");
    EXPECT_EQ(Data(navPc)->path, "Ship\\항해 컴퓨터");
    HTREEITEM installed = Tree().GetChildItem(navPc);
    EXPECT_EQ(Data(installed)->path, "Ship\\항해 컴퓨터\\항법 관리자");
    HTREEITEM proxyEntries = Child(installed, "installed_proxy");
    EXPECT_EQ(Data(proxyEntries), nullptr);
    EXPECT_EQ(Image(proxyEntries), 16);
    EXPECT_EQ(Children(proxyEntries), std::vector<std::string>{"object_proxy_nav:class_Navigation:INavigation(101)"});
    HTREEITEM proxyEntry = Tree().GetChildItem(proxyEntries);
    EXPECT_EQ(Data(proxyEntry)->kind, TREE_INSTALLED_PROXY);
    EXPECT_EQ(Data(proxyEntry)->path, "");
    EXPECT_EQ(Image(proxyEntry), 20);
    HTREEITEM stubEntries = Child(installed, "installed_stub");
    EXPECT_EQ(Image(stubEntries), 18);
    EXPECT_EQ(Children(stubEntries), std::vector<std::string>{"object_stub_wp:class_Waypoint:IWaypoint(201)"});
    EXPECT_EQ(Data(Tree().GetChildItem(stubEntries))->kind, TREE_INSTALLED_STUB);

    HTREEITEM components = Child(ship, "Components");
    EXPECT_EQ(Image(components), 15);
    EXPECT_EQ(Data(components)->kind, TREE_COMPONENTS_FOLDER);
    EXPECT_EQ(Data(components)->path, "Ship\\Components");
    EXPECT_EQ(Children(components), (std::vector<std::string>{"항법 관리자", "위치 표시기"}));
    HTREEITEM manager = Child(components, "항법 관리자");
    EXPECT_EQ(Data(manager)->kind, TREE_COMPONENT);
    EXPECT_EQ(Data(manager)->path, "Ship\\항법 관리자");
    EXPECT_EQ(Children(manager), (std::vector<std::string>{"proxy", "stub"}));
    HTREEITEM proxyClass = ItemAt({"Ship", "Components", "항법 관리자", "proxy", "class_Navigation:INavigation"});
    ASSERT_TRUE(proxyClass);
    EXPECT_EQ(Data(proxyClass)->kind, TREE_PROXY_CLASS);
    EXPECT_EQ(Image(proxyClass), 20);
    EXPECT_EQ(Data(proxyClass)->path, "Ship\\항법 관리자\\proxy\\INavigation");
    HTREEITEM proxyObject = Child(proxyClass, "object_proxy_nav");
    ASSERT_TRUE(proxyObject);
    EXPECT_EQ(Data(proxyObject)->kind, TREE_PROXY_OBJECT);
    EXPECT_EQ(Image(proxyObject), 14);
    EXPECT_EQ(Data(proxyObject)->path, "Ship\\항법 관리자\\proxy\\INavigation\\object_proxy_nav");
    HTREEITEM stubClass = ItemAt({"Ship", "Components", "항법 관리자", "stub", "class_Waypoint:IWaypoint"});
    ASSERT_TRUE(stubClass);
    EXPECT_EQ(Image(stubClass), 19);
    EXPECT_EQ(Data(Child(stubClass, "object_stub_wp"))->kind, TREE_STUB_OBJECT);

    // The second level has its folders too.
    EXPECT_EQ(Children(ItemAt({"Ship", "조타실", "Nodes"})),
              (std::vector<std::string>{"조타 스위치", "기관 감시 센서:기관실", "조타 컴퓨터"}));
    EXPECT_EQ(Children(ItemAt({"Ship", "조타실", "Components"})), std::vector<std::string>{"조타 제어기"});
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

using tree_test::Alone;
using tree_test::CellsOf;

// A level comes in one statement, its domain list; a domain's folders come in one more, the bundle of every list
// they show, when they are first needed. The bundle answers each list call exactly as the call alone, for the
// sample's domains (sub-systems, clones, switches, a private domain) and for empty lists of every kind.
TEST_F(SystemDomainTreeViewTest, ALevelComesInOneBundleThatAnswersEachListAsTheCallAlone) {
    const std::string top = UniqueName("_묶음");
    const int topId = NewSystemDomain(top);
    const int emptyId = NewSystemDomain("빈 도메인", topId);
    const int fullId = NewSystemDomain("채운 도메인", topId);
    NewNode(fullId, "빈 센서", "sensor");
    NewNode(fullId, "스위치", "switch");
    const int pc = NewNode(fullId, "PC", "computer");
    const int bare = NewComponent(fullId, "빈 컴포넌트");
    Install(pc, bare, fullId);
    pane.OnRefresh();
    HTREEITEM topItem = Child(Root(), top);
    ASSERT_TRUE(topItem);
    EXPECT_EQ(CallsOf([&] { Select(topItem); }), 1);
    HTREEITEM full = ItemAt({top, "채운 도메인"});
    ASSERT_TRUE(full);
    std::vector<std::string> nodes;
    EXPECT_EQ(CallsOf([&] { nodes = Children(Child(full, "Nodes")); }), 1);
    EXPECT_EQ(nodes, (std::vector<std::string>{"스위치", "빈 센서", "PC"}));
    EXPECT_EQ(CallsOf([&] { Children(Child(full, "Components")); }), 0);
    EXPECT_EQ(Children(ItemAt({top, "채운 도메인", "Components", "빈 컴포넌트"})),
              (std::vector<std::string>{"proxy", "stub"}));

    const std::vector<int> domains = {9, 10, 11, 12, emptyId, fullId};
    CMysqlReadAhead ahead({}, CSystemDomainTreeView::LevelListsCall(domains), CSystemDomainTreeView::LevelListSets());
    std::set<std::string> procedures;
    for (const CMysqlReadAhead::Answer& answer : ahead.Answers()) {
        SCOPED_TRACE(answer.text);
        EXPECT_EQ(CellsOf(answer.results), CellsOf(Alone(db, answer.text)));
        procedures.insert(answer.text.substr(0, answer.text.find('(')));
    }
    EXPECT_EQ(procedures.size(), CSystemDomainTreeView::LevelListSets().size()) << "every list is answered";
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(SystemDomainTreeViewTest, ADomainLoadsItsLevelsTheFirstTimeOnly) {
    // Three levels of the test's own: the first fill shows two below the root.
    const std::string top = UniqueName("_상");
    const int topId = NewSystemDomain(top);
    const int middleId = NewSystemDomain("가운데", topId);
    const int lowId = NewSystemDomain("아래", middleId);
    NewNode(lowId, "맨 아래 PC", "computer");
    pane.OnRefresh();
    HTREEITEM topItem = Child(Root(), top);
    ASSERT_TRUE(topItem);
    EXPECT_EQ(Children(Child(topItem, "가운데")), (std::vector<std::string>{"Nodes", "Components"}));

    // Selecting the root loads nothing.
    const TreeNodeData* middleBefore = Data(Child(topItem, "가운데"));
    Select(Root());
    EXPECT_EQ(Data(Child(topItem, "가운데")), middleBefore);

    // The first selection replaces the sub-domains by a fresh fill three levels deep.
    Select(topItem);
    const TreeNodeData* middleAfter = Data(Child(topItem, "가운데"));
    ASSERT_TRUE(middleAfter);
    EXPECT_NE(middleAfter, middleBefore);
    EXPECT_EQ(middleAfter->path, top + "\\가운데\\");
    EXPECT_EQ(Children(ItemAt({top, "가운데", "아래", "Nodes"})), std::vector<std::string>{"맨 아래 PC"});
    EXPECT_EQ(Data(ItemAt({top, "가운데", "아래", "Nodes", "맨 아래 PC"}))->path, top + "\\가운데\\아래\\맨 아래 PC");
    EXPECT_EQ(Children(topItem), (std::vector<std::string>{"가운데", "Nodes", "Components"}));

    // The second selection loads nothing.
    Select(Child(topItem, "Nodes"));
    Select(topItem);
    EXPECT_EQ(Data(Child(topItem, "가운데")), middleAfter);
}

TEST_F(SystemDomainTreeViewTest, TheCurrentSelectionFollowsTheKindOfTheSelectedItem) {
    HTREEITEM installedEntry = ItemAt({"Ship", "Nodes", "항해 컴퓨터"});
    ASSERT_TRUE(installedEntry);
    installedEntry = Tree().GetChildItem(installedEntry);
    Select(Child(installedEntry, "installed_proxy"));
    EXPECT_EQ(pane.GetCurrentItem()->kind, TREE_INSTALLED_COMPONENT);
    EXPECT_EQ(pane.GetCurrentComponent()->name, "항법 관리자");
    Select(Tree().GetChildItem(Child(installedEntry, "installed_proxy")));
    EXPECT_EQ(pane.GetCurrentInstalledEntry()->object_id, "101");
    Select(ItemAt({"Ship", "Components", "항법 관리자", "proxy", "class_Navigation:INavigation", "object_proxy_nav"}));
    EXPECT_EQ(pane.GetCurrentInstalledEntry(), nullptr);
    EXPECT_EQ(pane.GetCurrentProxyClass()->class_name, "class_Navigation");
    Select(ItemAt({"Ship", "Nodes", "스위치 A"}));
    EXPECT_EQ(pane.GetCurrentNode()->type, "switch");
    Select(ItemAt({"Ship", "Components", "항법 관리자", "stub"}));
    EXPECT_EQ(pane.GetCurrentItem()->kind, TREE_COMPONENT);
    EXPECT_EQ(pane.GetCurrentStubClass(), nullptr);
}

TEST_F(SystemDomainTreeViewTest, ARightClickShowsTheMenuOfTheItemUnderIt) {
    CContextMenuManager menus;
    for (UINT menu : {339u, 340u, 342u, 344u, 347u, 349u, 354u, 357u, 359u, 368u, 369u, 371u, 373u, 396u, 420u, 422u,
                      423u, 424u})
        ASSERT_TRUE(menus.AddMenu("편집", menu)) << menu;
    CContextMenuManager* previous = afxContextMenuManager;
    afxContextMenuManager = &menus;
    auto rightClick = [this](HTREEITEM item) {
        Tree().EnsureVisible(item);
        CRect rect;
        Tree().GetItemRect(item, &rect, TRUE);
        TestDriver::RightClickAt(Tree(), rect.CenterPoint());
    };

    driver.AnswerPopupMenu(0);
    rightClick(Root());
    HTREEITEM navPc = ItemAt({"Ship", "Nodes", "항해 컴퓨터"});
    ASSERT_TRUE(navPc);
    driver.AnswerPopupMenu(0);
    rightClick(navPc);
    EXPECT_EQ(pane.GetCurrentNode()->name, "항해 컴퓨터");
    // No menu on an installed entries folder or beside every item.
    HTREEITEM installed = Tree().GetChildItem(navPc);
    rightClick(Child(installed, "installed_proxy"));
    // Below the last item: with the root collapsed nothing reaches the bottom of the pane.
    Tree().Expand(Root(), TVE_COLLAPSE);
    CRect client;
    Tree().GetClientRect(client);
    TestDriver::RightClickAt(Tree(), CPoint(client.right - 2, client.bottom - 2));
    afxContextMenuManager = previous;

    ASSERT_EQ(driver.PopupMenus().size(), 2u);
    EXPECT_EQ(driver.PopupMenus()[0].menuId, 339u);
    EXPECT_EQ(driver.PopupMenus()[1].menuId, 344u);
    // Commands whose dialogs come with other work stay disabled; those of this pane work.
    std::vector<std::string> enabled;
    for (const auto& item : driver.PopupMenus()[0].items)
        if (item.enabled) enabled.push_back(item.text.str());
    EXPECT_EQ(enabled, (std::vector<std::string>{"도메인 추가", "새로 고침", "도메인 이동및복사"}));
}

TEST_F(SystemDomainTreeViewTest, SelectingByPathLoadsEachLevelOnTheWay) {
    // Three levels of the test's own, so that the walk goes below what the first fill shows.
    const std::string top = UniqueName("_길");
    const int topId = NewSystemDomain(top);
    const int middleId = NewSystemDomain("중간", topId);
    const int lowId = NewSystemDomain("하단", middleId);
    NewNode(lowId, "끝 PC", "computer");
    pane.OnRefresh();

    SelectSystemTreeItemByPath(pane, "[타입]computer [이름]끝 PC [경로]" + top + "\\중간\\하단\\Nodes\\");
    HTREEITEM selected = Tree().GetSelectedItem();
    ASSERT_TRUE(selected);
    EXPECT_EQ(Tree().GetItemText(selected), "끝 PC");
    EXPECT_EQ(pane.GetCurrentNode()->name, "끝 PC");

    // A node shown with its sub-system's name is found by its own name.
    SelectSystemTreeItemByPath(pane, "[타입]sub_system [이름]조타실 시스템 [경로]Ship\\Nodes\\");
    EXPECT_EQ(Tree().GetItemText(Tree().GetSelectedItem()), "조타실 시스템:조타실");

    // A path that names no item stops at the last level that matched.
    SelectSystemTreeItemByPath(pane, "[타입]domain [이름]없음 [경로]" + top + "\\중간\\없음\\");
    EXPECT_EQ(Tree().GetItemText(Tree().GetSelectedItem()), "중간");
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

// Every item that a search finds is reached by its path, whatever its name holds: a ":" (which the labels of
// nodes and installed components also use), the markers of the result line, the text of a folder.
TEST_F(SystemDomainTreeViewTest, AnItemIsReachedByItsPathWhateverItsNameHolds) {
    const std::string top = UniqueName("_경로");
    const int topId = NewSystemDomain(top);
    const int colonId = NewSystemDomain("A:B", topId);
    const int markerId = NewSystemDomain("x [경로]y", colonId);
    const int nodesId = NewSystemDomain("Nodes", topId);
    const int pc = NewNode(nodesId, "pc", "computer", markerId);
    const int colonComponent = NewComponent(colonId, "c:d");
    const int nodesComponent = NewComponent(topId, "Nodes");
    pane.OnRefresh();

    const struct {
        const char* word;
        const char* type;
        int id;
    } cases[] = {
        {"A:B", "domain", colonId},     {"x [경로]y", "domain", markerId},     {"Nodes", "domain", nodesId},
        {"pc", "computer", pc},         {"c:d", "component", colonComponent}, {"Nodes", "component", nodesComponent},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.word) + " " + c.type);
        std::vector<std::string> lines;
        db->QueryReferenceList(db->FormatCall("call select_search_system_name('%s')", c.word), lines);
        const auto hit = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.rfind(std::string("[타입]") + c.type + " ", 0) == 0 && line.find(top) != std::string::npos;
        });
        ASSERT_NE(hit, lines.end());
        Select(Root());
        SelectSystemTreeItemByPath(pane, *hit);
        const TreeNodeData* selected = Data(Tree().GetSelectedItem());
        ASSERT_TRUE(selected && selected->record);
        int id = 0;
        if (selected->kind == TREE_SYSTEM_DOMAIN) id = static_cast<const class_domain_info*>(selected->record)->id;
        if (selected->kind == TREE_NODE) id = static_cast<const class_node_info*>(selected->record)->id;
        if (selected->kind == TREE_COMPONENT)
            id = static_cast<const class_component_info*>(selected->record)->component_id;
        EXPECT_EQ(id, c.id);
    }
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(SystemDomainTreeViewTest, ExpandingTheWayToClassesSurvivesTheDomainsThatReloadOnTheWay) {
    // IHeartbeat is bound in Ship's two sub-systems: expanding Ship on the way loads its sub-domains afresh,
    // which replaces the items where both classes were found.
    pane.OnRefresh();
    class_interface_info heartbeat;
    heartbeat.domain_id = 6;
    heartbeat.name = "IHeartbeat";
    pane.ExpandCheckedClassItems(Root(), heartbeat);

    for (const std::vector<std::string>& way :
         {std::vector<std::string>{"Ship", "조타실", "Components", "조타 제어기", "proxy"},
          std::vector<std::string>{"Ship", "기관실", "Components", "기관 감시기", "stub"}}) {
        HTREEITEM item = Root();
        for (const std::string& text : way) {
            EXPECT_TRUE(IsExpanded(item)) << Tree().GetItemText(item).str();
            item = Child(item, text);
            ASSERT_TRUE(item) << text;
        }
        EXPECT_TRUE(IsExpanded(item)) << Tree().GetItemText(item).str();
    }
    // The classes of other interfaces stay closed.
    HTREEITEM managerStubs = ItemAt({"Ship", "Components", "항법 관리자", "stub"});
    ASSERT_TRUE(managerStubs);
    EXPECT_FALSE(IsExpanded(managerStubs));
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

}  // namespace
