#pragma once

#include <string>

// A method of a method domain, or a member method of an interface.
class class_method_info {
public:
    class_method_info() = default;
    class_method_info(const class_method_info&) = default;
    class_method_info& operator=(const class_method_info&) = default;
    virtual ~class_method_info() = default;

    int domain_id = 0;
    std::string member_text;       // column 0 of the member-method list (the member's method domain); empty otherwise
    std::string name;
    std::string type;              // method type keyword
    std::string code;              // decimal text from the method list, "0x%04X" from the member-method list
    int in_domain_id = 0;          // 0 when there is no input data
    std::string in_domain_name;
    std::string in_data;
    int out_domain_id = 0;         // 0 when there is no output data
    std::string out_domain_name;
    std::string out_data;
    std::string user_id;           // the account that created the method ("생성자명")
    std::string description;
};
