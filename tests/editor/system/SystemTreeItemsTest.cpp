// What the system tree shows of its records: node images, labels, the order of nodes, the context menu of each
// kind of item, and the items its refreshes look for.

#include <gtest/gtest.h>

#include "SessionRecords.h"
#include "SystemTreeItems.h"
#include "class_node_info.h"

namespace {

TEST(SystemTreeItems, NodeTypesHaveTheirImagesAndOthersNone) {
    const std::pair<const char*, int> cases[] = {
        {"switch", 7}, {"urouter", 8}, {"computer", 6}, {"sub_system", 24}, {"sensor", 23},
        {"router", -1}, {"Computer", -1}, {"", -1},
    };
    for (const auto& [type, image] : cases) EXPECT_EQ(NodeImageIndex(type), image) << type;
}

TEST(SystemTreeItems, LabelsOfNodesClassesAndEntries) {
    class_node_info node;
    node.name = "조타실 시스템";
    node.sub_system_domain_name = "조타실";
    EXPECT_EQ(NodeLabel(node), "조타실 시스템");
    node.sub_system_domain_id = 10;
    EXPECT_EQ(NodeLabel(node), "조타실 시스템:조타실");

    class_proxy_interface_relation_info proxy;
    proxy.class_name = "class_Navigation";
    proxy.interface_name = "INavigation";
    EXPECT_EQ(BuildClassLabel(proxy), "class_Navigation:INavigation");
    proxy.extra_text = "old";
    EXPECT_EQ(BuildClassLabel(proxy), "old:class_Navigation:INavigation");

    class_custum_table entry;
    entry.object_name = "object_proxy_nav";
    entry.class_name = "class_Navigation";
    entry.interface_name = "INavigation";
    const std::tuple<const char*, bool, const char*> ids[] = {
        {"", true, ""}, {"0", true, ""}, {"17", true, "(17)"}, {"0", false, "(0)"}, {"", false, ""},
    };
    for (const auto& [id, hideZero, suffix] : ids) {
        entry.object_id = id;
        EXPECT_EQ(EntryLabel(entry, hideZero), std::string("object_proxy_nav:class_Navigation:INavigation") + suffix)
            << "'" << id << "' " << hideZero;
    }
}

TEST(SystemTreeItems, NodesAreOrderedByTypeDescendingAndKeepTheirOrderWithinAType) {
    std::vector<class_node_info> nodes;
    for (const auto& [name, type] : std::vector<std::pair<const char*, const char*>>{
             {"pc1", "computer"}, {"r", "urouter"}, {"s", "sensor"}, {"pc2", "computer"}, {"sw", "switch"},
             {"sub", "sub_system"}, {"odd", "Zeppelin"}}) {
        class_node_info node;
        node.name = name;
        node.type = type;
        nodes.push_back(node);
    }
    SortNodesByType(nodes);
    std::vector<std::string> names;
    for (const class_node_info& node : nodes) names.push_back(node.name);
    EXPECT_EQ(names, (std::vector<std::string>{"r", "sw", "sub", "s", "pc1", "pc2", "odd"}));
}

TEST(SystemTreeItems, OnlyComputersSubSystemsAndSensorsHoldInstalledComponents) {
    const std::pair<const char*, bool> cases[] = {
        {"computer", true}, {"sub_system", true}, {"sensor", true},
        {"switch", false}, {"urouter", false}, {"Computer", false}, {"", false},
    };
    for (const auto& [type, holds] : cases) EXPECT_EQ(HasInstalledComponents(type), holds) << type;
}

TEST(SystemTreeItems, ClassIdsAreReadFromAProxyOrAStubRecord) {
    class_proxy_interface_relation_info proxy;
    proxy.id = 5;
    proxy.component_id = 50;
    class_stub_interface_relation_info stub;
    stub.id = 6;
    stub.component_id = 60;
    EXPECT_EQ(ClassIds(TreeNodeData(TREE_PROXY_CLASS, nullptr, &proxy, "")), std::make_pair(5, 50));
    EXPECT_EQ(ClassIds(TreeNodeData(TREE_STUB_CLASS, nullptr, &stub, "")), std::make_pair(6, 60));
}

// The refreshes after a change find items by kind and record; items of another kind, folders without a record
// and records of other components, interfaces or domains are left alone.
TEST(SystemTreeItems, RefreshesFindInstalledCopiesClassesOfAnInterfaceAndNodesStandingForADomain) {
    class_component_info installed;
    installed.component_id = 7;
    class_proxy_interface_relation_info proxy;
    proxy.method_domain_id = 3;
    proxy.interface_name = "INavigation";
    class_stub_interface_relation_info stub;
    stub.method_domain_id = 3;
    stub.interface_name = "INavigation";
    class_stub_interface_relation_info otherStub;  // the same name in another method domain
    otherStub.method_domain_id = 4;
    otherStub.interface_name = "INavigation";
    class_proxy_interface_relation_info otherProxy;  // another interface of the method domain
    otherProxy.method_domain_id = 3;
    otherProxy.interface_name = "IWaypoint";
    class_node_info subsystem, sensor, computer;
    subsystem.type = "sub_system";
    subsystem.sub_system_domain_id = 9;
    sensor.type = "sensor";
    sensor.sub_system_domain_id = 9;
    computer.type = "computer";
    computer.sub_system_domain_id = 9;
    class_interface_info iface;
    iface.domain_id = 3;
    iface.name = "INavigation";

    struct Case {
        int kind;  // -1: no data
        void* record;
        bool copyOf7, classOfInterface, standsFor9;
    };
    const Case cases[] = {
        {TREE_INSTALLED_COMPONENT, &installed, true, false, false},
        {TREE_COMPONENT, &installed, false, false, false},
        {TREE_INSTALLED_COMPONENT, nullptr, false, false, false},
        {TREE_PROXY_CLASS, &proxy, false, true, false},
        {TREE_STUB_CLASS, &stub, false, true, false},
        {TREE_STUB_CLASS, &otherStub, false, false, false},
        {TREE_PROXY_CLASS, &otherProxy, false, false, false},
        {TREE_PROXY_CLASS, nullptr, false, false, false},
        {TREE_NODE, &subsystem, false, false, true},
        {TREE_NODE, &sensor, false, false, true},
        {TREE_NODE, &computer, false, false, false},
        {TREE_NODE, nullptr, false, false, false},
        {-1, nullptr, false, false, false},
    };
    for (const Case& c : cases) {
        TreeNodeData data(c.kind, nullptr, c.record, "");
        const TreeNodeData* item = c.kind == -1 ? nullptr : &data;
        EXPECT_EQ(IsInstalledCopyOf(item, 7), c.copyOf7) << c.kind;
        EXPECT_EQ(IsClassOfInterface(item, iface), c.classOfInterface) << c.kind;
        EXPECT_EQ(IsNodeStandingFor(item, 9), c.standsFor9) << c.kind;
    }
    // Another component's copy, or a node of another domain, is not what is looked for.
    installed.component_id = 8;
    subsystem.sub_system_domain_id = 10;
    const TreeNodeData copy(TREE_INSTALLED_COMPONENT, nullptr, &installed, "");
    const TreeNodeData node(TREE_NODE, nullptr, &subsystem, "");
    EXPECT_FALSE(IsInstalledCopyOf(&copy, 7));
    EXPECT_FALSE(IsNodeStandingFor(&node, 9));
}

TEST(SystemTreeItems, EachItemGetsItsContextMenuByWhatItIs) {
    class_domain_info rootRecord, domain;
    rootRecord.name = "root";
    domain.id = 9;
    class_node_info node;
    struct Case {
        const char* text;
        int kind;  // -1: no data
        void* record;
        int image;
        UINT menu;
    };
    const Case cases[] = {
        {"SystemDomain", TREE_SYSTEM_DOMAIN, &rootRecord, 1, 339},
        {"Nodes", TREE_NODE, nullptr, 10, 342},
        {"Components", TREE_COMPONENTS_FOLDER, nullptr, 15, 347},
        {"proxy", -1, nullptr, 16, 354},
        {"stub", -1, nullptr, 18, 357},
        {"installed_proxy", -1, nullptr, 16, 0},
        {"installed_stub", -1, nullptr, 18, 0},
        {"Ship", TREE_SYSTEM_DOMAIN, &domain, 3, 340},
        // Items named like the root or a folder are what they are.
        {"SystemDomain", TREE_SYSTEM_DOMAIN, &domain, 3, 340},
        {"Nodes", TREE_SYSTEM_DOMAIN, &domain, 3, 340},
        {"installed_stub", TREE_SYSTEM_DOMAIN, &domain, 3, 340},
        {"proxy", TREE_COMPONENT, &domain, 17, 349},
        {"Components", TREE_NODE, &node, 6, 344},
        {"항해 컴퓨터", TREE_NODE, &node, 6, 344},
        {"주 라우터", TREE_NODE, &node, 8, 344},
        {"조타실 시스템:조타실", TREE_NODE, &node, 24, 420},
        {"기관 센서:기관실", TREE_NODE, &node, 23, 422},
        {"스위치 A", TREE_NODE, &node, 7, 359},
        {"이상한 노드", TREE_NODE, &node, -1, 359},
        {"항법 관리자", TREE_COMPONENT, &domain, 17, 349},
        {"class_Navigation:INavigation", TREE_PROXY_CLASS, &domain, 20, 368},
        {"class_Waypoint:IWaypoint", TREE_STUB_CLASS, &domain, 19, 369},
        {"3:항법 관리자", TREE_INSTALLED_COMPONENT, &domain, 17, 373},
        {"object_proxy_nav:class_Navigation:INavigation(101)", TREE_INSTALLED_PROXY, &domain, 20, 396},
        {"object_stub_wp:class_Waypoint:IWaypoint(201)", TREE_INSTALLED_STUB, &domain, 20, 371},
        {"object_proxy_nav", TREE_PROXY_OBJECT, &domain, 14, 423},
        {"object_stub_wp", TREE_STUB_OBJECT, &domain, 14, 424},
        {"folder without data", -1, nullptr, 0, 0},
        {"a data tree item", TREE_DATA_ITEM, &domain, 7, 0},
    };
    for (const Case& c : cases) {
        TreeNodeData data(c.kind, nullptr, c.record, "");
        EXPECT_EQ(ChooseContextMenu(c.text, c.kind == -1 ? nullptr : &data, c.image), c.menu)
            << c.text << " " << c.kind;
    }
}

}  // namespace
