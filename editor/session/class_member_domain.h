#pragma once

#include <string>

// A row of the domain member list.
class class_member_domain {
public:
    class_member_domain() = default;
    class_member_domain(const class_member_domain&) = default;
    class_member_domain& operator=(const class_member_domain&) = default;
    virtual ~class_member_domain() = default;

    std::string user_id;    // the member account
    std::string grade;      // its grade in the domain
    std::string user_info;  // the account's information
};
