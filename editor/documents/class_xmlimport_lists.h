#pragma once

// The rows read from a domain list document (the import lists), each in document order.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "SessionRecords.h"

// Rows of one list whose numbers do not fit their fields, by their index in the list, each with the refusal that
// names the row and the field. The import refuses such a row instead of sending it.
using class_xmlimport_faults = std::map<std::size_t, std::string>;

struct class_xmlimport_lists {
    std::vector<class_domain_info> method_domains;
    std::vector<class_method_info> methods;
    std::vector<class_interface_info> interfaces;
    std::vector<class_xmlmembermethod_info> member_methods;
    std::vector<class_domain_info> data_domains;
    std::vector<class_metadata_info> data_items;
    std::vector<class_datafield_info> fields;

    struct Faults {
        class_xmlimport_faults method_domains, methods, interfaces, member_methods, data_domains, data_items, fields;
    } faults;

    void clear() { *this = class_xmlimport_lists(); }
};
