#pragma once

#include <string>

// An interface of a method domain.
class class_interface_info {
public:
    class_interface_info() = default;
    class_interface_info(const class_interface_info&) = default;
    class_interface_info& operator=(const class_interface_info&) = default;
    virtual ~class_interface_info() = default;

    int domain_id = 0;          // the method domain
    std::string name;
    std::string user_id;        // "생성자명"
    std::string last_update;    // "수정날짜"
    std::string description;
    int loaded = 0;             // set by the method tree once the interface's members are loaded
};
