#pragma once

// The rows read from a domain list document (the import lists), each in document order.

#include <vector>

#include "SessionRecords.h"

struct class_xmlimport_lists {
    std::vector<class_domain_info> method_domains;
    std::vector<class_method_info> methods;
    std::vector<class_interface_info> interfaces;
    std::vector<class_xmlmembermethod_info> member_methods;
    std::vector<class_domain_info> data_domains;
    std::vector<class_metadata_info> data_items;
    std::vector<class_datafield_info> fields;

    void clear() { *this = class_xmlimport_lists(); }
};
