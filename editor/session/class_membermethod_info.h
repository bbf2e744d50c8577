#pragma once

#include <string>

class class_method_info;

// The record behind a member-method item of the method tree.
class class_membermethod_info {
public:
    class_membermethod_info() = default;
    class_membermethod_info(const class_membermethod_info&) = default;
    class_membermethod_info& operator=(const class_membermethod_info&) = default;
    virtual ~class_membermethod_info() = default;

    int domain_id = 0;                  // the method domain
    std::string interface_name;         // the interface the member belongs to
    class_method_info* method = nullptr;  // the pane's copy of the member method; not owned
};
