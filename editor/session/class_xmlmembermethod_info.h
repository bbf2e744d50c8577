#pragma once

#include <string>

// A member method read from an imported XML document of a method domain.
class class_xmlmembermethod_info {
public:
    class_xmlmembermethod_info() = default;
    class_xmlmembermethod_info(const class_xmlmembermethod_info&) = default;
    class_xmlmembermethod_info& operator=(const class_xmlmembermethod_info&) = default;
    virtual ~class_xmlmembermethod_info() = default;

    int domain_id = 0;           // the interface's method domain
    std::string member_name;     // the member method's name
    std::string interface_name;  // the interface it belongs to
};
