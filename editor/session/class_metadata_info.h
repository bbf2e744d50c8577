#pragma once

#include <string>

// A data item of a data domain: a structure, alias, enumeration or scalar type.
class class_metadata_info {
public:
    class_metadata_info() = default;
    class_metadata_info(const class_metadata_info&) = default;
    class_metadata_info& operator=(const class_metadata_info&) = default;
    virtual ~class_metadata_info() = default;

    int id = 0;
    int domain_id = 0;
    std::string name;
    std::string user_id;           // the account that created the item ("User_ID")
    std::string type;              // data type keyword
    std::string physical;          // physical quantity; no list fills it
    int real_data_id = 0;          // alias: id of the real data item (0 when there is none)
    int real_domain_id = 0;        // alias: domain of the real data (0 when there is none)
    std::string real_domain_name;  // "NULL" when there is none
    std::string real_data;         // name of the real data, "NULL" when there is none
    std::string scmin;             // scaled types: minimum, as text
    std::string scmax;             // scaled types: maximum, as text
    std::string listed_physical;   // the physical quantity as the real-data lists give it (their column 7)
    std::string description;
    std::string extra_text;        // no list fills it
    int loaded = 0;                // set by the data tree once the item's children are loaded
};
