#pragma once

#include <string>

// A node of a system domain.
class class_node_info {
public:
    class_node_info() = default;
    class_node_info(const class_node_info&) = default;
    class_node_info& operator=(const class_node_info&) = default;
    virtual ~class_node_info() = default;

    int id = 0;
    int domain_id = 0;                   // the owning system domain (second argument of the node edit call)
    std::string name;                    // "노드명"
    std::string type;                    // "urouter", "switch", "computer", "sub_system" or "sensor"
    std::string description;
    int sub_system_domain_id = 0;        // sub_system and sensor nodes: the domain they stand for (0: none)
    std::string sub_system_domain_name;  // "(Null)" when there is none
    int extra_number = 0;                // no list fills it
    std::string extra_text;              // no list fills it
    int locked = 0;                      // 1 when the node list says exactly "Y"
};

// Whether nodes of the type word stand for their sub-system domain ("sub_system", "sensor"): they take its
// lock, its addresses and its public entries, and their IP rows carry the linked node.
inline bool StandsForSubSystem(const std::string& type) { return type == "sub_system" || type == "sensor"; }

// Whether nodes of the type word hold installed components: computer, sub-system and sensor nodes (the end
// devices of a network, beside its routers and switches).
inline bool HasInstalledComponents(const std::string& type) { return type == "computer" || StandsForSubSystem(type); }
