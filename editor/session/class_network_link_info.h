#pragma once

#include <string>

// A network link between two node ports.
class class_network_link_info {
public:
    class_network_link_info() = default;
    class_network_link_info(const class_network_link_info&) = default;
    class_network_link_info& operator=(const class_network_link_info&) = default;
    virtual ~class_network_link_info() = default;

    int s_node_id = 0;
    std::string s_node_name;
    int s_port_id = 0;
    int d_node_id = 0;        // 0: the link leaves the system domain through an external port
    std::string d_node_name;
    int d_port_id = 0;
};
