#pragma once

#include <string>

class class_custum_table;

// A component of a system domain, or a component deployed on a node.
class class_component_info {
public:
    class_component_info() = default;
    class_component_info(const class_component_info&) = default;
    class_component_info& operator=(const class_component_info&) = default;
    virtual ~class_component_info() = default;

    int deployment_id = 0;      // filled only by the deployment lists
    int component_id = 0;
    int systemdomain_id = 0;
    std::string name;           // "컴포넌트명"
    std::string last_update;
    std::string description;
    int extra_number = 0;       // no list fills it
    class_custum_table* custom_table = nullptr;  // set only by the proxy-component list; not owned
};
