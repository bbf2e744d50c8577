#pragma once

// What the gathering reads of one method domain (the export lists): the domain record, its methods, its
// interfaces with their member methods, and every data item its methods carry with the fields and data
// domains of those items. A map entry, once inserted, is never replaced.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "SessionRecords.h"

struct class_xmlexport_lists {
    using DataItemKey = std::pair<int, std::string>;  // (data-domain id, data name); names compare byte by byte

    std::vector<class_domain_info> method_domains;
    std::vector<class_method_info> methods;
    std::vector<class_interface_info> interfaces;
    std::map<std::string, std::vector<class_method_info>> member_methods;  // by interface name
    std::map<int, std::vector<class_domain_info>> data_domains;            // by data-domain id
    std::map<DataItemKey, std::vector<class_metadata_info>> data_items;
    std::vector<class_datafield_info> fields;                              // in gathering order

    void clear() { *this = class_xmlexport_lists(); }
};
