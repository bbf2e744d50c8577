#pragma once

#include <string>

// An interface object of a proxy or stub class.
class class_interface_object_info {
public:
    class_interface_object_info() = default;
    class_interface_object_info(const class_interface_object_info&) = default;
    class_interface_object_info& operator=(const class_interface_object_info&) = default;
    virtual ~class_interface_object_info() = default;

    int relation_id = 0;  // the proxy or stub class
    std::string object_name;
    int component_id = 0;
};
