#pragma once

// Copies a system domain with every domain below it into another system domain: the domains, their ports and
// port groups, their components with their proxy and stub classes and objects, their nodes with node ports, IP
// rows and deployments, the network links between the nodes, the addresses of sub-system and sensor nodes and
// the public entries they take over. The server gives every copy a new id; the maps below translate old ids to
// new ones, so that the copy refers to copies wherever the source referred to something inside the copied
// sub-tree, and keeps every other reference.
//
// The steps run in this order, each with its own copy of the domain id map that copy_domain filled:
// copy_domain, copy_ports, copy_components, copy_network. There is no transaction: a failing call shows the
// server's text and the copy goes on with the next item; what was created stays. A domain that cannot be
// created takes its sub-tree with it.
//
// One object serves one copy; it holds no window and talks to the server through CMysqlQuery.

#include <map>
#include <set>
#include <tuple>

#include "SessionRecords.h"

class class_copy_system_domain_data {
public:
    // Old domain id -> new domain id.
    using DomainIdMap = std::map<int, int>;
    // Upper domain id -> domain, in tree order: the domain to copy under its own upper id and every domain
    // below it under its parent's id.
    using DomainSnapshot = std::multimap<int, class_domain_info>;

    virtual ~class_copy_system_domain_data() = default;

    // Copies the snapshot's domains below `parentKey` under `newParentId`, depth first, and records each copy
    // in `domainIds`. The first call passes the copied domain's upper id and the destination's id.
    void copy_domain(const DomainSnapshot& snapshot, int parentKey, int newParentId, DomainIdMap& domainIds);
    void copy_ports(DomainIdMap domainIds);
    void copy_components(DomainIdMap domainIds);
    void copy_network(DomainIdMap domainIds);

    // Makes `moved` a sub-domain of `destination` (the server refuses a move into the moved domain's own
    // sub-tree). 0, or -1 after the server's text was shown.
    int relink_upper_domain(const class_domain_info& destination, const class_domain_info& moved);

    // Copies the IP rows of one node to another. 0; -1 when the rows could not be read (shown); a row that
    // cannot be stored is shown and skipped.
    static int copy_node_networks(int sourceNodeId, int newNodeId);

private:
    // {old node's domain id, old node id, new domain id, new node id}, ordered by the old ids.
    using NodeCopy = std::tuple<int, int, int, int>;

    void copy_domain_components(int oldDomainId, int newDomainId);
    void copy_proxy_interfaces(int oldComponentId, int newComponentId);
    void copy_stub_interfaces(int oldComponentId, int newComponentId);
    void copy_proxy_objects(int oldRelationId, int newRelationId, int newComponentId);
    void copy_stub_objects(int oldRelationId, int newRelationId, int newComponentId);

    void copy_nodes(int oldDomainId, int newDomainId, const DomainIdMap& domainIds, std::set<NodeCopy>& copies);
    void copy_deployments(const NodeCopy& copy, const DomainIdMap& domainIds);
    void copy_links(int oldDomainId, int newDomainId);
    // The copy of an old node; null after "node id 정보를 찾지 못했습니다." when it has none.
    const class_node_info* find_copied_node(int oldNodeId) const;
    void copy_subsystem_interfaces(int newNodeId);

    std::map<int, class_node_info> m_copiedNodes;  // old node id -> the new node
    std::map<int, int> m_subsystemNodes;           // old -> new id of the sub_system and sensor nodes
    std::map<int, int> m_componentIds;             // old -> new component id
};
