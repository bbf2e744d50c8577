#pragma once

#include <string>

// A port of a system domain.
class class_system_domain_port_info {
public:
    class_system_domain_port_info() = default;
    class_system_domain_port_info(const class_system_domain_port_info&) = default;
    class_system_domain_port_info& operator=(const class_system_domain_port_info&) = default;
    virtual ~class_system_domain_port_info() = default;

    int seq = 0;
    int port_num = 0;
    int port_group = 0;
    std::string description;
};
