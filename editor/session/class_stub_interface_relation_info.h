#pragma once

#include <string>

// The binding of an interface to a component as its stub class.
class class_stub_interface_relation_info {
public:
    class_stub_interface_relation_info() = default;
    class_stub_interface_relation_info(const class_stub_interface_relation_info&) = default;
    class_stub_interface_relation_info& operator=(const class_stub_interface_relation_info&) = default;
    virtual ~class_stub_interface_relation_info() = default;

    int id = 0;                      // relation (class) id
    int component_id = 0;
    int method_domain_id = 0;        // method domain of the interface
    std::string interface_name;
    std::string method_domain_name;
    std::string class_name;          // "클래스명"
    std::string extra_text;          // no list fills it
};
