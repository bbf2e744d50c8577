#pragma once

#include <string>
#include <utility>

#include "WinDef.h"

// The item kinds of the three trees (TreeNodeData::kind).
enum : int {
    TREE_SYSTEM_DOMAIN = 0,      // class_domain_info; the system tree's root has a domain of id 0, named "root"
    TREE_METHOD_DOMAIN = 1,      // class_domain_info; the root "Method_Domain" has a domain of id 0, named "root"
    TREE_DATA_DOMAIN = 2,        // class_domain_info; the root "Data_Domain" has a domain of id 0, named "root"
    TREE_DATA_ITEM = 3,          // class_metadata_info
    TREE_STRUCT_FIELD = 4,       // class_datafield_info
    TREE_ENUM_CONSTANT = 5,      // class_datafield_info
    TREE_METHOD = 6,             // class_method_info
    TREE_INTERFACE = 8,          // class_interface_info
    TREE_MEMBER_METHOD = 9,      // class_membermethod_info
    TREE_NODE = 10,              // class_node_info; the "Nodes" folder has no record
    TREE_COMPONENTS_FOLDER = 13,
    TREE_COMPONENT = 14,         // class_component_info
    TREE_PROXY_CLASS = 15,       // class_proxy_interface_relation_info
    TREE_STUB_CLASS = 16,        // class_stub_interface_relation_info
    TREE_INSTALLED_COMPONENT = 17,  // class_component_info with its deployment id
    TREE_INSTALLED_PROXY = 21,   // class_custum_table
    TREE_INSTALLED_STUB = 22,    // class_custum_table
    TREE_PROXY_OBJECT = 23,      // class_interface_object_info
    TREE_STUB_OBJECT = 24,       // class_interface_object_info
};

// The record behind every tree item, set as the item's data. The pane that inserts the item keeps it in an
// owning list until the pane is destroyed, not only while the item is there, so a TreeNodeData that a pane
// handed to the main frame or a dialog stays valid while the editor runs. The record it points to belongs to
// that pane as well.
struct TreeNodeData {
    TreeNodeData() = default;
    TreeNodeData(int kind, HTREEITEM item, void* record, std::string path)
        : kind(kind), item(item), record(record), path(std::move(path)) {}

    int kind = 0;
    HTREEITEM item = nullptr;
    void* record = nullptr;  // the record of the kind, null for folders; not owned
    std::string path;        // "root\" for a tree root; see the panes for the others
};
