#pragma once

// Copies a system domain with every domain below it into another system domain: the domains, their ports and
// port groups, their components with their proxy and stub classes and objects, their nodes with node ports, IP
// rows and deployments, the network links between the nodes, the addresses of sub-system and sensor nodes and
// the public entries they take over, and last the lock flags of the nodes. The server gives every copy a new
// id; the maps below translate old ids to new ones, so that the copy refers to copies wherever the source
// referred to something inside the copied sub-tree, and keeps every other reference.
//
// The steps run in this order, each with the domain id map that copy_domain filled: copy_domain, copy_ports,
// copy_components, copy_network. A step stops at the first call that fails, after the server's text was shown,
// and answers -1; copy_into runs the four in one transaction of the session (CopyTransaction), so that a copy
// lands whole or not at all.
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

    // The whole copy in one transaction: the snapshot's domains below `parentKey` (the copied domain's upper
    // id) under `newParentId`, with everything in them. 0, or -1 with nothing kept, or
    // CopyTransaction::OUTCOME_UNKNOWN when the server may hold all of it or none (`domainIds` then empty).
    int copy_into(const DomainSnapshot& snapshot, int parentKey, int newParentId, DomainIdMap& domainIds);
    // As copy_into, for the domain `domainId` with the sub-tree the server holds when the copy runs (read in the
    // same transaction): what another user moved away or deleted since the tree was read is not copied, what
    // was renamed is copied under its current name, and a domain that is gone is refused.
    int copy_current_into(int domainId, int newParentId, DomainIdMap& domainIds);

    // Copies the snapshot's domains below `parentKey` under `newParentId`, depth first, and records each copy
    // in `domainIds`. The first call passes the copied domain's upper id and the destination's id.
    int copy_domain(const DomainSnapshot& snapshot, int parentKey, int newParentId, DomainIdMap& domainIds);
    int copy_ports(const DomainIdMap& domainIds);
    int copy_components(const DomainIdMap& domainIds);
    int copy_network(const DomainIdMap& domainIds);

    // Makes `moved` a sub-domain of `destination` (the server refuses a move into the moved domain's own
    // sub-tree). 0, or -1 after the server's text was shown.
    int relink_upper_domain(const class_domain_info& destination, const class_domain_info& moved);

    // A copy of one node in the domain, as the whole-domain copy makes it: the same sub-system domain, the
    // source's ports, and the source's IP rows or, for a node that stands for a domain, the addresses and
    // public entries it takes from that domain; locked when the source is. `copy` takes the new node. No
    // transaction of its own: 0, or -1 at the first call that fails (shown).
    int copy_node_into(const class_node_info& source, int domainId, class_node_info& copy);

private:
    // The four steps of a copy, inside the caller's transaction.
    int copy_steps(const DomainSnapshot& snapshot, int parentKey, int newParentId, DomainIdMap& domainIds);
    // The domain with the system domains below it as the server lists them now, in the snapshot's layout, and
    // its upper id; -1 after a message when the domain is gone or the list fails.
    static int read_current_subtree(int domainId, DomainSnapshot& snapshot, int& upperId);

    // {old node's domain id, old node id, new domain id, new node id}, ordered by the old ids.
    using NodeCopy = std::tuple<int, int, int, int>;

    int copy_domain_components(int oldDomainId, int newDomainId);
    int copy_proxy_interfaces(int oldComponentId, int newComponentId);
    int copy_stub_interfaces(int oldComponentId, int newComponentId);
    int copy_proxy_objects(int oldRelationId, int newRelationId, int newComponentId);
    int copy_stub_objects(int oldRelationId, int newRelationId, int newComponentId);

    int copy_nodes(int oldDomainId, int newDomainId, const DomainIdMap& domainIds, std::set<NodeCopy>& copies);
    // The node with its ports in the new domain, standing for (or taking its ports from) `subsystemDomainId`.
    int copy_node(const class_node_info& node, int newDomainId, int subsystemDomainId, class_node_info& copy);
    // Copies the IP rows of one node to another.
    static int copy_node_networks(int sourceNodeId, int newNodeId);
    int copy_deployments(const NodeCopy& copy);
    int copy_links(int oldDomainId, int newDomainId);
    // The copy of an old node; null after "node id 정보를 찾지 못했습니다." when it has none.
    const class_node_info* find_copied_node(int oldNodeId) const;
    // The addresses that a sub-system or sensor node takes from the domain it stands for, and the public
    // entries of that domain, which go onto every node that stands for it.
    static int take_subsystem_network(int newNodeId);
    static int take_public_entries(int subsystemDomainId);
    int copy_subsystem_interfaces(int newNodeId);
    // Locks the new node (a sub-system or sensor node whose source was locked).
    static int lock_node(const class_node_info& copy);

    std::map<int, class_node_info> m_copiedNodes;  // old node id -> the new node
    std::map<int, int> m_subsystemNodes;           // old -> new id of the sub_system and sensor nodes
    std::map<int, int> m_componentIds;             // old -> new component id
};
