#include "class_draw_uml_data.h"

#include <algorithm>

#include "CMysqlQuery.h"
#include "class_node_info.h"

namespace {

bool is_network_device_type(const std::string& type) { return type == "switch" || type == "urouter"; }

bool contains_node(const std::vector<class_node_info>& nodes, int id) {
    return std::any_of(nodes.begin(), nodes.end(), [id](const class_node_info& node) { return node.id == id; });
}

}  // namespace

void class_draw_uml_data::load_nodes(int domainId, std::vector<class_node_info>& nodes) const {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNodeList(db->FormatCall("call nodeViewList(%d)", domainId), nodes) != 0) db->ShowLastError();
}

void class_draw_uml_data::load_network_links(int domainId, std::vector<class_network_link_info>& links) const {
    links.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNetworkLinkList(db->FormatCall("call NetworklinkViewNetworkinkList(%d)", domainId), links) != 0)
        db->ShowLastError();
}

void class_draw_uml_data::collect_nodes_by_type(const std::vector<class_node_info>& nodes,
                                                std::vector<class_node_info>& out, const std::string& type) const {
    for (const class_node_info& node : nodes)
        if (node.type == type) out.push_back(node);
}

const class_node_info* class_draw_uml_data::find_node(int id, const std::vector<class_node_info>& nodes) const {
    const auto found =
        std::find_if(nodes.rbegin(), nodes.rend(), [id](const class_node_info& node) { return node.id == id; });
    return found == nodes.rend() ? nullptr : &*found;
}

std::string class_draw_uml_data::node_type_by_id(int id, const std::vector<class_node_info>& nodes) const {
    const class_node_info* node = find_node(id, nodes);
    return node ? node->type : std::string();
}

int class_draw_uml_data::classify_links(int firstId, int secondId, const std::vector<class_node_info>& nodes) const {
    const class_node_info* first = find_node(firstId, nodes);
    const class_node_info* second = find_node(secondId, nodes);
    if (!first || !second) return 0;
    if (HasInstalledComponents(first->type) && is_network_device_type(second->type)) return 1;
    if (is_network_device_type(first->type) && HasInstalledComponents(second->type)) return 2;
    if (is_network_device_type(first->type) && is_network_device_type(second->type)) return 3;
    return 0;
}

void class_draw_uml_data::build_node_map(node_map& map, const std::vector<class_network_link_info>& links,
                                         const std::vector<class_node_info>& nodes,
                                         const std::vector<class_node_info>& endDevices) const {
    for (const class_node_info& device : endDevices) {
        int count = 0;
        for (const class_network_link_info& link : links) {
            const bool touches = link.s_node_id == device.id || link.d_node_id == device.id;
            if (touches && link.d_node_id != 0 && classify_links(link.d_node_id, link.s_node_id, nodes) == 0) ++count;
        }
        map.emplace(count, device);
    }
}

void class_draw_uml_data::walk_network_links(int startId, std::vector<class_node_info>& order,
                                             std::map<int, std::string>& visited,
                                             const std::vector<class_network_link_info>& links,
                                             const std::vector<class_node_info>& endDevices) const {
    for (const class_network_link_info& link : links) {
        int neighbour = 0;
        std::string neighbourName;
        if (link.s_node_id == startId && link.d_node_id != 0) {
            if (classify_links(link.d_node_id, link.s_node_id, endDevices) != 0) continue;
            neighbour = link.d_node_id;
            neighbourName = link.d_node_name;
        } else if (link.d_node_id == startId) {
            if (classify_links(link.s_node_id, link.d_node_id, endDevices) != 0) continue;
            neighbour = link.s_node_id;
            neighbourName = link.s_node_name;
        } else {
            continue;
        }
        visited.emplace(neighbour, neighbourName);
        if (!visited.contains(startId)) walk_network_links(neighbour, order, visited, links, endDevices);
        if (const class_node_info* device = find_node(neighbour, endDevices);
            device && !contains_node(order, neighbour))
            order.push_back(*device);
    }
}

void class_draw_uml_data::next_sub_system_offsets(int& sourceOffset, int& destinationOffset,
                                                  const class_network_link_info& link,
                                                  std::vector<std::pair<int, int>>& pairs) const {
    const auto sameSource = std::count_if(
        pairs.begin(), pairs.end(), [&](const std::pair<int, int>& pair) { return pair.first == link.s_node_id; });
    const auto sameDestination = std::count_if(
        pairs.begin(), pairs.end(), [&](const std::pair<int, int>& pair) { return pair.second == link.d_node_id; });
    sourceOffset = 3 + 15 * static_cast<int>(sameSource);
    destinationOffset = 3 + 15 * static_cast<int>(sameDestination);
    pairs.emplace_back(link.s_node_id, link.d_node_id);
}

void class_draw_uml_data::widen_for_links(int& width, const std::vector<class_network_link_info>& links, int nodeId,
                                          const std::vector<class_node_info>& nodes) const {
    int toEndDevices = 0;
    int toSwitches = 0;
    for (const class_network_link_info& link : links) {
        int other = 0;
        if (link.s_node_id == nodeId) {
            if (link.d_node_id == 0) {
                ++toSwitches;
                continue;
            }
            other = link.d_node_id;
        } else if (link.d_node_id == nodeId) {
            other = link.s_node_id;
        } else {
            continue;
        }
        const std::string type = node_type_by_id(other, nodes);
        if (HasInstalledComponents(type)) ++toEndDevices;
        if (type == "switch") ++toSwitches;
    }
    if (toEndDevices > 3 || toSwitches > 3) width += 15 * std::max(toEndDevices, toSwitches) - 45;
}
