#pragma once

#include <string>

// A custom proxy or stub entry of a deployed component: an interface object with the server object and
// address it connects to.
class class_custum_table {
public:
    class_custum_table() = default;
    class_custum_table(const class_custum_table&) = default;
    class_custum_table& operator=(const class_custum_table&) = default;
    virtual ~class_custum_table() = default;

    int id = 0;                      // the entry's own id (its "first id")
    int second_id = 0;               // the entry's "second id"
    int third_id = 0;
    std::string object_id;           // the entry's own object id
    std::string interface_name;      // "인터페이스명"
    std::string class_name;          // "클래스명"
    std::string stub_object_id;      // object id of the server (stub) side
    std::string stub_ip;             // IP address of the server side
    std::string method_domain_name;  // "Method_Domain명"
    int method_domain_id = 0;
    int method_domain_port = 0;      // the method domain's standard port
    std::string object_name;         // "객체명"
    int is_public = 0;               // public flag of the object (the subsystem set-up list: 1 = to insert)
};
