#pragma once

#include <cstdint>
#include <string>

// A data, method or system domain.
class class_domain_info {
public:
    class_domain_info() = default;
    class_domain_info(const class_domain_info&) = default;
    class_domain_info& operator=(const class_domain_info&) = default;
    virtual ~class_domain_info() = default;

    int id = 0;
    std::string kind;         // column 1 of the real-domain lists (the domain's kind word); no other list fills it
    int upper_id = 0;         // parent domain, 0 at the top level
    std::string name;         // one path component
    std::string user_id;      // the account that created the domain ("등록자")
    int is_public = 0;        // 0 private, anything else public ("공개여부")
    std::uint16_t standard_port = 0;  // method domains only
    std::string create_date;  // "생성날짜", as the server formats it
    std::string last_update;  // "수정날짜"
    std::string description;
    int loaded = 0;           // set by the trees once the domain's children are loaded
    int extra_number = 0;     // copied with the record; no list fills it
};
