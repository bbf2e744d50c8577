// The properties pane in the running editor: every item kind through the main frame's message, the IP and
// interface choosers through the grid, failed loads, and pictures of the pane.

#include "EditorTestSupport.h"

#include <unistd.h>

#include <algorithm>

#include "CMysqlQuery.h"
#include "FrameMessages.h"
#include "FrameTestDatabase.h"
#include "PropertyGroups.h"
#include "SessionRecords.h"
#include "TreeItems.h"

namespace {

using tamo::platform::TestDriver;

constexpr int kShip = 9;
constexpr int kNavService = 6;
constexpr int kPositionService = 7;

// The first record whose field equals the value; fails the test when there is none.
template <class Record, class Field>
Record Find(const std::vector<Record>& records, Field Record::*field, const std::string& value) {
    const auto found = std::find_if(records.begin(), records.end(),
                                    [&](const Record& record) { return record.*field == value; });
    EXPECT_NE(found, records.end()) << "no record " << value;
    return found == records.end() ? Record() : *found;
}

class PropertiesPaneTest : public frame_test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // A design database of this suite's own: its tests add components.
        m_server = frame_test::SampleDatabase("frame_properties");
        frame = StartEditor();
        ASSERT_NE(frame, nullptr);
        db = CMysqlQuery::GetInstance();
    }

    CMFCPropertyGridCtrl& Grid() { return frame->GetPropertiesWnd().GetGrid(); }

    LRESULT ShowItem(int kind, void* record) {
        TreeNodeData item(kind, nullptr, record, "");
        return frame->SendMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(&item));
    }

    std::vector<std::string> GroupNames() {
        std::vector<std::string> names;
        for (int g = 0; g < Grid().GetPropertyCount(); ++g) names.push_back(Grid().GetProperty(g)->GetName());
        return names;
    }

    // The rows of the group as "name=value".
    std::vector<std::string> Rows(const std::string& groupName) {
        std::vector<std::string> rows;
        for (int g = 0; g < Grid().GetPropertyCount(); ++g) {
            CMFCPropertyGridProperty* group = Grid().GetProperty(g);
            if (group->GetName() != groupName) continue;
            for (int r = 0; r < group->GetSubItemsCount(); ++r)
                rows.push_back(std::string(group->GetSubItem(r)->GetName()) + "=" +
                               group->GetSubItem(r)->GetValue().ToString().str());
        }
        return rows;
    }

    std::vector<std::string> AllRows() {
        std::vector<std::string> rows;
        for (const std::string& name : GroupNames())
            for (const std::string& row : Rows(name)) rows.push_back(name + "/" + row);
        return rows;
    }

    void Choose(DWORD_PTR chooser, const char* option) {
        CMFCPropertyGridProperty* row = Grid().FindItemByData(chooser);
        ASSERT_NE(row, nullptr) << "no chooser " << chooser;
        TestDriver::ChooseProperty(Grid(), row, option);
    }

    class_node_info ShipNode(const std::string& name) {
        std::vector<class_node_info> nodes;
        EXPECT_EQ(db->SelectNodeList(db->FormatCall("call nodeViewList(%d)", kShip), nodes), 0);
        return Find(nodes, &class_node_info::name, name);
    }

    class_component_info ShipComponent(const std::string& name) {
        std::vector<class_component_info> components;
        EXPECT_EQ(db->SelectComponentList(db->FormatCall("call componentViewList(%d)", kShip), components), 0);
        return Find(components, &class_component_info::name, name);
    }

    class_component_info Installed(int nodeId, const std::string& name) {
        std::vector<class_component_info> installed;
        EXPECT_EQ(db->SelectInstalledComponentList(
                      db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", kShip, nodeId), installed),
                  0);
        return Find(installed, &class_component_info::name, name);
    }

    void Call(const CString& text) { ASSERT_EQ(db->ExecuteProc(text), 0) << text.GetString() << ": " << db->GetLastErrorText(); }

    CMainFrame* frame = nullptr;
    CMysqlQuery* db = nullptr;
};

TEST_F(PropertiesPaneTest, EveryItemKindShowsItsGroups) {
    std::multimap<int, class_domain_info> systemDomains;
    ASSERT_EQ(db->SelectDomainAllList("call mainViewDomainAllList('%%%%','system')", systemDomains), 0);
    class_domain_info ship;
    for (const auto& [parent, domain] : systemDomains)
        if (domain.name == "Ship") ship = domain;
    std::vector<class_metadata_info> posItems;
    ASSERT_EQ(db->SelectMetadataList(2, "Latitude", posItems), 0);
    std::vector<class_datafield_info> fields, constants;
    ASSERT_EQ(db->SelectDatafieldList(db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", 2, "위치"), fields), 0);
    ASSERT_EQ(db->SelectDatafieldList(db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", 3, "상태"), constants), 0);
    std::vector<class_method_info> methods, members;
    ASSERT_EQ(db->SelectMethodList(db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')", kNavService), methods), 0);
    ASSERT_EQ(db->SelectMemberMethodList(db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')", kNavService, "INavigation"), members), 0);
    std::vector<class_interface_info> interfaces;
    ASSERT_EQ(db->SelectInterfaceList(db->FormatCall("call interfaceViewInterfaceList(%d,'method','%%')", kNavService), interfaces), 0);
    class_method_info courseChanged = Find(methods, &class_method_info::name, "CourseChanged");
    class_membermethod_info member;
    member.domain_id = kNavService;
    member.interface_name = "INavigation";
    member.method = &members.at(0);

    class_node_info router = ShipNode("주 라우터"), switchA = ShipNode("스위치 A"), navPc = ShipNode("항해 컴퓨터");
    class_component_info navManager = ShipComponent("항법 관리자");
    std::vector<class_proxy_interface_relation_info> proxies;
    std::vector<class_stub_interface_relation_info> stubs;
    ASSERT_EQ(db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", navManager.component_id), proxies), 0);
    ASSERT_EQ(db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", navManager.component_id), stubs), 0);
    class_component_info installed = Installed(navPc.id, "항법 관리자");
    std::vector<class_custum_table> proxyEntries, stubEntries;
    ASSERT_EQ(db->SelectCustomProxyTable(db->FormatCall("call coustim_proxyViewlistinfo(%d, %d)", navPc.id, navManager.component_id), proxyEntries), 0);
    ASSERT_EQ(db->SelectCustomStubTable(db->FormatCall("call coustim_stubViewlistinfo(%d, %d)", navPc.id, navManager.component_id), stubEntries), 0);
    ASSERT_FALSE(proxyEntries.empty() || stubEntries.empty() || proxies.empty() || stubs.empty());

    const std::vector<std::string> account = {"사용자 정보"};
    const struct {
        int kind;
        void* record;
        std::vector<std::string> groups;
        std::string row;  // one row of the first group that shows it is this record's
    } items[] = {
        {TREE_SYSTEM_DOMAIN, &ship, {"도메인 정보"}, "도메인명=Ship"},
        {TREE_DATA_ITEM, &posItems.at(0), {"Data 정보"}, "RealDomain=기본형"},
        {TREE_STRUCT_FIELD, &fields.at(0), {"DataField 상세정보"}, "RealData명=Latitude"},
        {TREE_ENUM_CONSTANT, &constants.at(1), {"DataField 상세정보"}, "상수값=1"},
        {TREE_METHOD, &courseChanged, {"Method 정보"}, "코드=1001"},
        {TREE_INTERFACE, &interfaces.at(0), {"Interface 정보"}, "생성자명=admin"},
        {TREE_MEMBER_METHOD, &member, {"Method 정보"}, "코드=0001"},
        {TREE_NODE, &switchA, {"SWITCH 정보"}, "SWITCH_NAME=스위치 A"},
        {TREE_NODE, &router, {"NODE 정보", "IP 정보"}, "노드타입=urouter"},
        {TREE_COMPONENTS_FOLDER, nullptr, account, "사용자ID=admin"},
        {TREE_COMPONENT, &navManager, {"컴포넌트 정보"}, "컴포넌트명=항법 관리자"},
        {TREE_PROXY_CLASS, &proxies.at(0), {"Proxy 정보"}, "클래스명=class_Navigation"},
        {TREE_STUB_CLASS, &stubs.at(0), {"Stub 정보"}, "인터페이스명=IWaypoint"},
        {TREE_INSTALLED_COMPONENT, &installed, {"배치 컴포넌트 정보", "Interface 정보"}, "설정 IP=192.168.1.10"},
        {TREE_INSTALLED_PROXY, &proxyEntries.at(0), {"Component_Interface 정보"}, "object_id=101"},
        {TREE_INSTALLED_STUB, &stubEntries.at(0), {"Component_Interface 정보"}, "object_id=201"},
        {TREE_PROXY_OBJECT, &proxies.at(0), account, "사용자ID=admin"},
    };
    for (const auto& item : items) {
        Grid().RemoveAll();
        EXPECT_EQ(ShowItem(item.kind, item.record), 0) << item.kind;
        EXPECT_EQ(GroupNames(), item.groups) << item.kind;
        const std::vector<std::string> rows = Rows(item.groups[0]);
        EXPECT_NE(std::find(rows.begin(), rows.end(), item.row), rows.end()) << item.kind << ": " << item.row;
    }

    // A tree root shows the account; the folders and items that need a record and carry none answer -1 and
    // show nothing, not the item shown before.
    class_domain_info root;
    root.name = "root";
    for (int kind : {TREE_NODE, TREE_COMPONENT, TREE_INSTALLED_COMPONENT}) {
        EXPECT_EQ(ShowItem(TREE_DATA_DOMAIN, &root), 0);
        EXPECT_EQ(GroupNames(), account);
        EXPECT_EQ(ShowItem(kind, nullptr), -1) << kind;
        EXPECT_EQ(AllRows(), std::vector<std::string>{}) << kind;
    }
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(PropertiesPaneTest, SelectingDataTreeItemsShowsTheirProperties) {
    CViewTree& tree = frame->GetDataDomainView().GetTreeCtrl();
    const auto select = [&tree](HTREEITEM parent, const std::string& text) {
        const HTREEITEM item = frame_test::ChildWithText(tree, parent, text);
        EXPECT_NE(item, nullptr) << "no tree item " << text;
        if (item) tree.SelectItem(item);
        return item;
    };
    const HTREEITEM nav = select(tree.GetRootItem(), "Nav");
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"도메인 정보"}));
    EXPECT_EQ(Rows("도메인 정보").at(0), "도메인명=Nav");
    const HTREEITEM pos = select(nav, "Pos");
    select(pos, "Latitude");
    EXPECT_EQ(Rows("Data 정보").at(2), "RealDomain=기본형");
    select(select(pos, "위치"), "lat");
    EXPECT_EQ(Rows("DataField 상세정보").at(0), "Name=lat");
}

TEST_F(PropertiesPaneTest, ThePaneShowsTheItemOfTheTreeWhoseTabIsActive) {
    // The user brings the pane's tab up and clicks a domain under the tree's root.
    const auto choose = [](CDockablePane& pane, CViewTree& tree, const char* domain) {
        ASSERT_TRUE(TestDriver::ClickPaneTab(pane));
        const HTREEITEM item = frame_test::ChildWithText(tree, tree.GetRootItem(), domain);
        ASSERT_NE(item, nullptr) << domain;
        TestDriver::ClickTreeItem(tree, item);
    };
    choose(frame->GetDataDomainView(), frame->GetDataDomainView().GetTreeCtrl(), "Nav");
    EXPECT_EQ(Rows("도메인 정보").at(0), "도메인명=Nav");

    // The method tree has nothing selected: the data tree's item does not stay.
    ASSERT_TRUE(TestDriver::ClickPaneTab(frame->GetMethodDomainView()));
    EXPECT_EQ(frame->GetMethodDomainView().GetTreeCtrl().GetSelectedItem(), nullptr);
    EXPECT_TRUE(GroupNames().empty());

    choose(frame->GetSystemDomainView(), frame->GetSystemDomainView().GetTreeCtrl(), "Ship");
    EXPECT_EQ(Rows("도메인 정보").at(0), "도메인명=Ship");
    ASSERT_TRUE(TestDriver::ClickPaneTab(frame->GetDataDomainView()));
    EXPECT_EQ(Rows("도메인 정보").at(0), "도메인명=Nav");
    ASSERT_TRUE(TestDriver::ClickPaneTab(frame->GetSystemDomainView()));
    EXPECT_EQ(Rows("도메인 정보").at(0), "도메인명=Ship");
    EXPECT_TRUE(BoxTexts().empty());
}

// Clicking a folder of the system tree after a domain shows what the folder's kind gives: nothing for "Nodes" and
// for the folders without data, the account for "Components"; never the domain clicked before.
TEST_F(PropertiesPaneTest, SystemTreeFoldersNeverShowTheItemSelectedBefore) {
    ASSERT_TRUE(TestDriver::ClickPaneTab(frame->GetSystemDomainView()));
    CViewTree& tree = frame->GetSystemDomainView().GetTreeCtrl();
    const HTREEITEM ship = frame_test::ChildWithText(tree, tree.GetRootItem(), "Ship");
    ASSERT_NE(ship, nullptr);
    const HTREEITEM nodes = frame_test::ChildWithText(tree, ship, "Nodes");
    const HTREEITEM components = frame_test::ChildWithText(tree, ship, "Components");
    ASSERT_TRUE(nodes && components);
    const HTREEITEM component = tree.GetChildItem(components);
    ASSERT_NE(component, nullptr);
    const HTREEITEM proxyFolder = frame_test::ChildWithText(tree, component, "proxy");
    ASSERT_NE(proxyFolder, nullptr);
    tree.EnsureVisible(proxyFolder);
    struct Case {
        HTREEITEM folder;
        std::vector<std::string> groups;
    };
    for (const Case& c : {Case{nodes, {}}, Case{components, {"사용자 정보"}}, Case{proxyFolder, {}}}) {
        SCOPED_TRACE(tree.GetItemText(c.folder).GetString());
        TestDriver::ClickTreeItem(tree, ship);
        ASSERT_EQ(GroupNames(), std::vector<std::string>{"도메인 정보"});
        TestDriver::ClickTreeItem(tree, c.folder);
        EXPECT_EQ(GroupNames(), c.groups);
    }
    TestDriver::ClickTreeItem(tree, nodes);
    EXPECT_TRUE(TestDriver::SaveWindowPng(*frame, frame_test::ArtifactFile("nodes-folder-selected.png").c_str()));
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(PropertiesPaneTest, ADataItemOfTheRootShowsNullAndKeepsIt) {
    class_metadata_info data;
    data.name = "Raw";
    data.real_domain_name = "root()";
    EXPECT_EQ(ShowItem(TREE_DATA_ITEM, &data), 0);
    EXPECT_EQ(data.real_domain_name, "NULL");
    EXPECT_EQ(Rows("Data 정보").at(2), "RealDomain=NULL");
    // Other names, and a real domain of the server named "root()" (it has an id), are shown as they are.
    const struct {
        int id;
        const char* name;
    } shown[] = {{0, "root()x"}, {0, "ROOT()"}, {14, "root()"}};
    for (const auto& realDomain : shown) {
        data.real_domain_id = realDomain.id;
        data.real_domain_name = realDomain.name;
        ShowItem(TREE_DATA_ITEM, &data);
        EXPECT_EQ(data.real_domain_name, realDomain.name);
        EXPECT_EQ(Rows("Data 정보").at(2), std::string("RealDomain=") + realDomain.name);
    }
}

TEST_F(PropertiesPaneTest, TheIpChooserShowsTheDetailsOfTheLastChoiceOnly) {
    class_node_info router = ShipNode("주 라우터");
    ASSERT_EQ(ShowItem(TREE_NODE, &router), 0);
    CMFCPropertyGridProperty* chooser = Grid().FindItemByData(PROPERTY_IP_CHOOSER);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(Rows("IP 정보"), (std::vector<std::string>{"IP_Info=IP를 선택해 주세요"}));
    EXPECT_FALSE(chooser->IsAllowEdit());
    EXPECT_EQ(chooser->GetOptionCount(), 2);

    Choose(PROPERTY_IP_CHOOSER, "192.168.1.1");
    Choose(PROPERTY_IP_CHOOSER, "10.0.0.1");
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"NODE 정보", "IP 정보", "ip 상세정보"}));
    EXPECT_EQ(Rows("ip 상세정보"), (std::vector<std::string>{"Mask=255.0.0.0", "Port=3", "Gateway=0.0.0.0",
                                                             "DNS=0.0.0.0", "설명=위성 링크"}));

    // Typing over a plain row changes its display only: nothing is stored, the groups stay.
    TestDriver::ChooseProperty(Grid(), Grid().GetProperty(0)->GetSubItem(0), "다른 이름");
    EXPECT_EQ(Rows("NODE 정보").at(0), "노드명=다른 이름");
    EXPECT_EQ(router.name, "주 라우터");
    EXPECT_EQ(GroupNames().size(), 3u);

    // Another filler empties the grid, details included; a node clicked in a diagram shows its IPs whatever
    // its type, and a choice there adds one detail group again.
    class_domain_info ship;
    ship.name = "Ship";
    ShowItem(TREE_SYSTEM_DOMAIN, &ship);
    class_node_info bridgeSwitch;
    std::vector<class_node_info> bridgeNodes;
    ASSERT_EQ(db->SelectNodeList(db->FormatCall("call nodeViewList(%d)", 10), bridgeNodes), 0);
    bridgeSwitch = Find(bridgeNodes, &class_node_info::name, "조타 스위치");
    ASSERT_TRUE(frame->PostMessage(WM_SHOW_NODE_PROPERTIES, 10, reinterpret_cast<LPARAM>(&bridgeSwitch)));
    TestDriver::PumpPostedMessages();
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"NODE 정보", "IP 정보"}));
    Choose(PROPERTY_IP_CHOOSER, "192.168.1.30");
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"NODE 정보", "IP 정보", "ip 상세정보"}));
    EXPECT_EQ(Rows("ip 상세정보").at(0), "Mask=255.255.255.0");

    // A node without IPs offers nothing to choose.
    class_node_info switchA = ShipNode("스위치 A");
    frame->SendMessage(WM_SHOW_NODE_PROPERTIES, 10, reinterpret_cast<LPARAM>(&switchA));
    EXPECT_EQ(Grid().FindItemByData(PROPERTY_IP_CHOOSER)->GetOptionCount(), 0);
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"NODE 정보", "IP 정보"}));
    EXPECT_TRUE(TestDriver::QtWarnings().empty()) << TestDriver::QtWarnings().front().GetString();
}

TEST_F(PropertiesPaneTest, TheInterfaceChooserReplacesItsGroupsAndAFailedLoadKeepsThem) {
    // A component with stub classes of two method domains, installed on 항해 컴퓨터.
    const std::string name = "속성 시험 " + std::to_string(getpid());
    const int component = db->QueryNewId(db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", kShip, name, "시험"));
    ASSERT_GT(component, 0) << db->GetLastErrorText();
    Call(db->FormatCall("call insertStubInserfaceRelation(%d, %d, %d,'%s','%s','%s')", kShip, component, kNavService,
                        "IHeartbeat", "class_Heartbeat", "object_hb"));
    Call(db->FormatCall("call insertStubInserfaceRelation(%d, %d, %d,'%s','%s','%s')", kShip, component,
                        kPositionService, "I위치", "class_위치", "object_위치"));
    const int navPc = ShipNode("항해 컴퓨터").id;
    Call(db->FormatCall("call nodeDeploymentViewNewcomponent(%d, %d, %d, %d)", navPc, component, kShip, 0));
    class_component_info installed = Installed(navPc, name);

    ASSERT_EQ(ShowItem(TREE_INSTALLED_COMPONENT, &installed), 0);
    EXPECT_EQ(Rows("배치 컴포넌트 정보"),
              (std::vector<std::string>{"컴포넌트명=" + name, "배치ID=" + std::to_string(installed.deployment_id),
                                        "설정 port=1", "설정 IP=192.168.1.10", "수정날짜=" + installed.last_update,
                                        "간략설명=시험"}));
    Choose(PROPERTY_INTERFACE_CHOOSER, "I위치");
    Choose(PROPERTY_INTERFACE_CHOOSER, "IHeartbeat");
    const std::vector<std::string> heartbeat = {"배치 컴포넌트 정보", "Interface 정보", "Method Domain",
                                                "Method Type / Method_name (in, out)"};
    EXPECT_EQ(GroupNames(), heartbeat);
    EXPECT_EQ(Rows("Method Domain"), (std::vector<std::string>{"Method_Domain명=NavService"}));
    EXPECT_EQ(Rows("Method Type / Method_name (in, out)"),
              (std::vector<std::string>{" Type : BROADCAST=Heartbeat (  , )", " Type : SIGNAL=Ping (  , )"}));

    // Without the server: the member list fails, its text is shown and the groups stay; so does the account.
    const std::vector<std::string> shown = AllRows();
    db->Close();
    driver.AnswerMessageBox(IDOK);
    Choose(PROPERTY_INTERFACE_CHOOSER, "I위치");
    EXPECT_EQ(AllRows().size(), shown.size());
    EXPECT_EQ(Rows("Method Domain"), (std::vector<std::string>{"Method_Domain명=NavService"}));
    driver.AnswerMessageBox(IDOK);
    class_domain_info root;
    root.name = "root";
    ShowItem(TREE_SYSTEM_DOMAIN, &root);
    EXPECT_EQ(GroupNames(), heartbeat);
    const std::string failure = db->GetLastErrorText();
    EXPECT_FALSE(failure.empty());
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{failure, failure}));
}

TEST_F(PropertiesPaneTest, PicturesOfTheDomainAndTheNode) {
    std::multimap<int, class_domain_info> methodDomains;
    ASSERT_EQ(db->SelectDomainAllList("call mainViewDomainAllList('%%%%','method')", methodDomains), 0);
    class_domain_info navService;
    for (const auto& [parent, domain] : methodDomains)
        if (domain.name == "NavService") navService = domain;
    CPropertiesWnd& pane = frame->GetPropertiesWnd();
    ShowItem(TREE_METHOD_DOMAIN, &navService);
    Grid().SetCurSel(Grid().GetProperty(0)->GetSubItem(1));
    EXPECT_TRUE(TestDriver::SaveWindowPng(pane, frame_test::ArtifactFile("properties-domain.png").c_str()));

    class_node_info router = ShipNode("주 라우터");
    ShowItem(TREE_NODE, &router);
    Choose(PROPERTY_IP_CHOOSER, "192.168.1.1");
    EXPECT_TRUE(TestDriver::SaveWindowPng(pane, frame_test::ArtifactFile("properties-node.png").c_str()));

    // The longest names of the pane, whole beside their values.
    class_domain_info root;
    root.name = "root";
    ShowItem(TREE_SYSTEM_DOMAIN, &root);
    EXPECT_TRUE(TestDriver::SaveWindowPng(pane, frame_test::ArtifactFile("properties-user.png").c_str()));
}

}  // namespace
