// What the system tree shows of its records: node images, labels, the order of nodes and the context menu of
// each kind of item.

#include <gtest/gtest.h>

#include "SessionRecords.h"
#include "SystemTreeItems.h"

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
