// What the network diagram decides before it places anything, and the object ids the deployment diagram sends.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "StubObjectId.h"
#include "class_draw_uml_data.h"

namespace {

class_node_info node(int id, const char* type) {
    class_node_info record;
    record.id = id;
    record.name = 'n' + std::to_string(id);
    record.type = type;
    return record;
}

class_network_link_info link(int source, int destination) {
    class_network_link_info record;
    record.s_node_id = source;
    record.s_node_name = 'n' + std::to_string(source);
    record.d_node_id = destination;
    record.d_node_name = destination ? 'n' + std::to_string(destination) : "";
    return record;
}

std::vector<int> ids(const std::vector<class_node_info>& nodes) {
    std::vector<int> found;
    for (const class_node_info& record : nodes) found.push_back(record.id);
    return found;
}

const std::vector<class_node_info> kNodes = {node(1, "urouter"), node(2, "switch"),     node(3, "computer"),
                                             node(4, "sensor"),  node(5, "sub_system"), node(6, "computer")};

TEST(NetworkDiagramData, LinksAreClassifiedByTheTypesOfTheirNodes) {
    const class_draw_uml_data data;
    const struct {
        int first, second, expected;
    } cases[] = {{3, 2, 1}, {4, 1, 1}, {5, 2, 1}, {2, 3, 2},  {1, 6, 2},  {1, 2, 3},
                 {2, 2, 3}, {3, 6, 0}, {5, 4, 0}, {3, 99, 0}, {99, 2, 0}, {0, 2, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(data.classify_links(c.first, c.second, kNodes), c.expected) << c.first << " " << c.second;
    EXPECT_EQ(data.node_type_by_id(4, kNodes), "sensor");
    EXPECT_EQ(data.node_type_by_id(7, kNodes), "");
}

TEST(NetworkDiagramData, EndDevicesAreOrderedByTheirLinksToEachOtherAndWalkedFromThere) {
    const class_draw_uml_data data;
    std::vector<class_node_info> endDevices;
    for (const char* type : {"computer", "sensor", "sub_system"}) data.collect_nodes_by_type(kNodes, endDevices, type);
    EXPECT_EQ(ids(endDevices), (std::vector<int>{3, 6, 4, 5}));

    // 5 has two links among end devices, 3 and 6 one each (a link leaving the system and one to a switch do
    // not count), 4 none.
    const std::vector<class_network_link_info> links = {link(3, 2), link(5, 3), link(6, 5), link(6, 0), link(2, 4)};
    class_draw_uml_data::node_map linked;
    data.build_node_map(linked, links, kNodes, endDevices);
    std::vector<std::pair<int, int>> counts;
    for (const auto& [count, device] : linked) counts.emplace_back(count, device.id);
    EXPECT_EQ(counts, (std::vector<std::pair<int, int>>{{2, 5}, {1, 3}, {1, 6}, {0, 4}}));

    // From 5 into its first neighbour 3, whose walk meets the switch and 5 again but goes no further; then
    // the other neighbour 6 is appended without a walk of its own. 4, behind the switch, is not reached.
    std::vector<class_node_info> order = {node(5, "sub_system")};
    std::map<int, std::string> visited;
    data.walk_network_links(5, order, visited, links, endDevices);
    EXPECT_EQ(ids(order), (std::vector<int>{5, 3, 6}));
    EXPECT_TRUE(visited.contains(2));
}

TEST(NetworkDiagramData, SubSystemLinesFromOneNodeAreSetApartAndBusyBoxesWiden) {
    const class_draw_uml_data data;
    std::vector<std::pair<int, int>> pairs;
    int source = 0, destination = 0;
    data.next_sub_system_offsets(source, destination, link(3, 6), pairs);
    EXPECT_EQ(std::make_pair(source, destination), std::make_pair(3, 3));
    data.next_sub_system_offsets(source, destination, link(3, 5), pairs);
    EXPECT_EQ(std::make_pair(source, destination), std::make_pair(18, 3));
    data.next_sub_system_offsets(source, destination, link(4, 5), pairs);
    EXPECT_EQ(std::make_pair(source, destination), std::make_pair(3, 18));

    std::vector<class_node_info> nodes = kNodes;
    for (int id = 10; id < 15; ++id) nodes.push_back(node(id, "switch"));
    const auto width_for = [&](const std::vector<class_network_link_info>& links) {
        int width = 50;
        data.widen_for_links(width, links, 3, nodes);
        return width;
    };
    EXPECT_EQ(width_for({link(3, 10), link(11, 3), link(3, 12)}), 50);
    EXPECT_EQ(width_for({link(3, 10), link(11, 3), link(3, 12), link(13, 3), link(3, 14)}), 80);
    // Links leaving the system count with those to switches; links to routers count with neither.
    EXPECT_EQ(width_for({link(3, 10), link(3, 0), link(3, 0), link(3, 0), link(3, 1), link(1, 3)}), 65);
    EXPECT_EQ(width_for({link(3, 6), link(4, 3), link(3, 5), link(3, 6)}), 65);
}

TEST(StubObjectId, OnlyADecimalNumberIsAnObjectId) {
    const struct {
        const char* text;
        std::optional<int> expected;
    } cases[] = {{"301", 301},
                 {"0", 0},
                 {"-4", -4},
                 {"", std::nullopt},
                 {"30a", std::nullopt},
                 {" 301", std::nullopt},
                 {"301 ", std::nullopt},
                 {"1.5", std::nullopt},
                 {"99999999999", std::nullopt},
                 {"301); call x(1", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(parse_stub_object_id(c.text), c.expected) << c.text;
}

}  // namespace
