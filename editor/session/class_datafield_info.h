#pragma once

#include <string>

// A field of a structure, or a constant of an enumeration.
class class_datafield_info {
public:
    class_datafield_info() = default;
    class_datafield_info(const class_datafield_info&) = default;
    class_datafield_info& operator=(const class_datafield_info&) = default;
    virtual ~class_datafield_info() = default;

    int domain_id = 0;             // data domain of the owning data item
    std::string data_name;         // the owning data item
    std::string member_name;       // field or constant name
    int real_domain_id = 0;        // domain of the field's data type (0 when there is none)
    std::string real_domain_name;  // "NULL" when there is none
    std::string real_data;         // the field's data type, "NULL" when there is none
    std::string listed_physical;   // column 6 of the field list (the physical quantity the server keeps)
    std::string type;              // data type keyword ("const" for a constant)
    std::string physical;          // physical quantity; no list fills it
    int bitsize = 0;
    std::string scmin;             // minimum, or a constant's value
    std::string scmax;
    std::string arraytype;         // "NO", "FIX" or "VARIABLE"
    int arraysize = 0;
    std::string last_update;       // "수정날짜"
    std::string description;
};
