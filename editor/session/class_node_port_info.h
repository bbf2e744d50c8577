#pragma once

// A port of a node.
class class_node_port_info {
public:
    class_node_port_info() = default;
    class_node_port_info(const class_node_port_info&) = default;
    class_node_port_info& operator=(const class_node_port_info&) = default;
    virtual ~class_node_port_info() = default;

    int id = 0;          // the node port's own id
    int node_id = 0;
    int port_num = 0;
    int port_group = 0;
};
