#pragma once

// What the properties pane shows of each item kind, without the grid: a group is a name and its rows in
// order, a row a name, a value text and a description. CPropertiesWnd turns these into grid properties.

#include <map>
#include <string>
#include <vector>

#include "MethodRules.h"
#include "WinDef.h"

class class_component_info;
class class_custum_table;
class class_datafield_info;
class class_domain_info;
class class_interface_info;
class class_metadata_info;
class class_method_info;
class class_network_info;
class class_node_info;
class class_proxy_interface_relation_info;
class class_stub_interface_relation_info;
struct account_row;

// The item data of the grid's rows: plain rows carry 0, the two choosers their own number.
enum : DWORD_PTR {
    PROPERTY_PLAIN_ROW = 0,
    PROPERTY_IP_CHOOSER = 200,
    PROPERTY_INTERFACE_CHOOSER = 300,
};

struct PropertyRow {
    std::string name;
    std::string value;
    std::string description;
    // A chooser carries data other than PROPERTY_PLAIN_ROW: it takes no typing, only one of its options (each
    // listed once, in the order given; the prompt in `value` is none of them).
    DWORD_PTR data = PROPERTY_PLAIN_ROW;
    std::vector<std::string> options;
};

struct PropertyGroup {
    std::string name;
    std::vector<PropertyRow> rows;
};

// The code row of a method: MethodCodeDigits (MethodRules.h) of its stored decimal text.
// The code row of a member method, whose code the member list already wrote as "0x%04X": without the "0x".
std::string MemberMethodCodeDigits(const std::string& hexCode);

// The groups of the fillers that only read their record.
PropertyGroup UserPropertyGroup(const std::vector<account_row>& accounts);
PropertyGroup DomainPropertyGroup(const class_domain_info& domain);
PropertyGroup DataPropertyGroup(const class_metadata_info& data);
// `treeKind`: the item's kind; an enumeration constant shows its value instead of the type rows.
PropertyGroup DataFieldPropertyGroup(const class_datafield_info& field, int treeKind);
// `codeDigits`: the code row's value (MethodCodeDigits or MemberMethodCodeDigits).
PropertyGroup MethodPropertyGroup(const class_method_info& method, const std::string& codeDigits);
PropertyGroup InterfacePropertyGroup(const class_interface_info& iface);
PropertyGroup SwitchPropertyGroup(const class_node_info& node);
PropertyGroup NodePropertyGroup(const class_node_info& node);
PropertyGroup ComponentPropertyGroup(const class_component_info& component);
PropertyGroup ProxyPropertyGroup(const class_proxy_interface_relation_info& proxy);
PropertyGroup StubPropertyGroup(const class_stub_interface_relation_info& stub);
// A custom proxy entry (TREE_INSTALLED_PROXY) adds the server side's object id and IP; a stub entry does not.
PropertyGroup ComponentInterfacePropertyGroup(const class_custum_table& entry, int treeKind);

// A node's IPs: the group with the IP chooser, and the table it chooses from (IP text to its row; the first
// row of an IP text stays).
PropertyGroup IpChooserGroup(const std::vector<class_network_info>& addresses,
                             std::map<std::string, class_network_info>& table);
PropertyGroup IpDetailGroup(const class_network_info& address);

// A component installed in a node, with one "설정 port", "설정 IP" pair per network binding.
PropertyGroup DeployedComponentPropertyGroup(const class_component_info& component,
                                             const std::vector<class_network_info>& bindings);
// Its interfaces: the group with the interface chooser, and the table it chooses from (as the IP table).
PropertyGroup InterfaceChooserGroup(const std::vector<class_stub_interface_relation_info>& interfaces,
                                    std::map<std::string, class_stub_interface_relation_info>& table);
// The chosen interface: its method domain, and one row per member method.
PropertyGroup MethodDomainGroup(const class_stub_interface_relation_info& iface);
PropertyGroup MemberMethodGroup(const std::vector<class_method_info>& methods);
