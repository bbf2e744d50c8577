#include "class_network_diagram_builder.h"

#include <algorithm>

#include "CurrentRecords.h"
#include "class_diagramscrollview.h"
#include "class_domain_info.h"
#include "class_draw_uml_data.h"
#include "class_node.h"

void class_network_diagram_builder::draw_node(const TreeNodeData& node) {
    // The node as it stands now: its current name and what is installed on it; one that is gone draws nothing.
    const auto* shown = static_cast<const class_node_info*>(node.record);
    class_node_info current;
    if (shown && !ReadCurrentNode(shown->id, current, "노드가 없습니다. 다른 사용자가 지웠습니다.")) return;
    if (!bind()) return;
    remember(5, node);
    auto* box = add<class_node>(&DiagramDocument::AddNode);
    if (!box) return;
    box->SetItemInfo(item());
    if (shown) box->set_detailed_node(current);
    box->SetPosition(300, 100);
    box->SetSize(300, 80);
    box->CreateEntityWindow(m_pView);
}

void class_network_diagram_builder::draw_network(const TreeNodeData& systemDomain) {
    const auto* shown = static_cast<const class_domain_info*>(systemDomain.record);
    // The domain as it stands now: one that is gone, or that this account may no longer read, draws nothing.
    class_domain_info domain;
    if (!shown || !read_system_domain(*shown, domain)) return;
    const class_draw_uml_data data;
    std::vector<class_node_info> nodes, routers, switches, endDevices;
    data.load_nodes(domain.id, nodes);
    data.collect_nodes_by_type(nodes, routers, "urouter");
    data.collect_nodes_by_type(nodes, switches, "switch");
    for (const char* type : {"computer", "sensor", "sub_system"}) data.collect_nodes_by_type(nodes, endDevices, type);
    std::vector<class_network_link_info> links;
    data.load_network_links(domain.id, links);

    // The end devices along the row: the most linked first, each followed by those its links reach.
    class_draw_uml_data::node_map linked;
    data.build_node_map(linked, links, nodes, endDevices);
    std::vector<class_node_info> order;
    for (const auto& [count, device] : linked) {
        if (std::none_of(order.begin(), order.end(), [&](const class_node_info& n) { return n.id == device.id; }))
            order.push_back(device);
        std::map<int, std::string> visited;
        data.walk_network_links(device.id, order, visited, links, endDevices);
    }

    if (!bind()) return;
    remember(8, systemDomain);
    int x = 150, y = 150;
    for (const class_node_info& router : routers) {
        m_pView->add_router(CPoint(150, y), router);
        y += 110;
    }
    for (const class_node_info& networkSwitch : switches) {
        m_pView->add_switch(CPoint(150, y), networkSwitch);
        y += 110;
    }
    for (const class_node_info& device : order) {
        int width = 50;
        data.widen_for_links(width, links, device.id, nodes);
        m_pView->add_inside_pc(CPoint(x, y), device, width, 250);
        // The bars reach 70 past the left edge of the box just placed.
        m_pView->resize_switches(x - 80);
        m_pView->resize_routers(x - 80);
        x += width + 30;
    }
    y += 250;
    m_pView->grow_extent(x + 100, y + 200);

    int deepestRun = 0;
    std::vector<std::pair<int, int>> subSystemPairs;
    std::vector<class_network_link_info> betweenNetworkDevices;
    for (const class_network_link_info& link : links) {
        if (link.d_node_id == 0) {
            m_pView->add_link_with_out_line(link, data.node_type_by_id(link.s_node_id, nodes));
            continue;
        }
        switch (data.classify_links(link.d_node_id, link.s_node_id, nodes)) {
            case 1: {
                // Every node line runs from the end device to its router or switch: a node line stands at the x of
                // its first end, and only the end device's box puts it above that box (the bars span them all).
                class_network_link_info reversed = link;
                std::swap(reversed.s_node_id, reversed.d_node_id);
                std::swap(reversed.s_node_name, reversed.d_node_name);
                std::swap(reversed.s_port_id, reversed.d_port_id);
                m_pView->add_nodes_line(reversed);
                break;
            }
            case 2: m_pView->add_nodes_line(link); break;
            case 3: betweenNetworkDevices.push_back(link); break;
            default: {
                int sourceOffset = 0, destinationOffset = 0, run = 10;
                data.next_sub_system_offsets(sourceOffset, destinationOffset, link, subSystemPairs);
                m_pView->add_sub_system_line(link, sourceOffset, destinationOffset, run);
                deepestRun = std::max(deepestRun, run);
                break;
            }
        }
    }
    for (const class_network_link_info& link : betweenNetworkDevices) m_pView->add_network_link_line(link);

    m_pView->grow_extent(x + 100, y + deepestRun + 200);
    m_pView->add_out_line(CPoint(x, y + deepestRun));
}
