#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "class_network_link_info.h"
#include "class_node_info.h"

// What the network diagram reads and decides before it places anything: the nodes and network links of a
// system domain, the class of a link by the types of its two nodes, the order of the end devices (computers,
// sensors, sub-systems) along the diagram's row, and how wide each end device's box must be. No state of its
// own: every operation works on the lists it is given.
class class_draw_uml_data {
public:
    // End devices by the number of links among end devices that touch them, the largest first; equal counts
    // keep their order of insertion.
    using node_map = std::multimap<int, class_node_info, std::greater<int>>;

    class_draw_uml_data() = default;
    virtual ~class_draw_uml_data() = default;

    // The nodes of the domain (appended); a failure is reported and leaves the list as it was.
    void load_nodes(int domainId, std::vector<class_node_info>& nodes) const;
    // The network links of the domain (the list emptied first); a failure is reported.
    void load_network_links(int domainId, std::vector<class_network_link_info>& links) const;
    // Appends every node of the type, in list order.
    void collect_nodes_by_type(const std::vector<class_node_info>& nodes, std::vector<class_node_info>& out,
                               const std::string& type) const;
    // The type of the node of that id (the last one if several); empty when there is none.
    std::string node_type_by_id(int id, const std::vector<class_node_info>& nodes) const;
    // 1: the first node is an end device and the second a router or switch; 2: the other way round; 3: both
    // routers or switches; 0: anything else, or a node not found.
    int classify_links(int firstId, int secondId, const std::vector<class_node_info>& nodes) const;
    void build_node_map(node_map& map, const std::vector<class_network_link_info>& links,
                        const std::vector<class_node_info>& nodes,
                        const std::vector<class_node_info>& endDevices) const;
    // Walks the links from a node, depth first, appending the end devices it reaches to the order (each once);
    // `visited` holds the nodes met (id to name) across all levels of one walk. A link is classified against
    // the end devices alone, so a link to a router or switch is walked as well.
    void walk_network_links(int startId, std::vector<class_node_info>& order, std::map<int, std::string>& visited,
                            const std::vector<class_network_link_info>& links,
                            const std::vector<class_node_info>& endDevices) const;
    // The insets of a sub-system line: 3, then 15 more for every earlier line from the same source (to the
    // same destination); the link's pair is remembered.
    void next_sub_system_offsets(int& sourceOffset, int& destinationOffset, const class_network_link_info& link,
                                 std::vector<std::pair<int, int>>& pairs) const;
    // Widens an end device's box for more than three links to end devices or to switches: 15 for each link
    // beyond three.
    void widen_for_links(int& width, const std::vector<class_network_link_info>& links, int nodeId,
                         const std::vector<class_node_info>& nodes) const;

private:
    // Every node of the list with the id, the last if several (null when none).
    const class_node_info* find_node(int id, const std::vector<class_node_info>& nodes) const;
};
