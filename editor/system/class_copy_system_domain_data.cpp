#include "class_copy_system_domain_data.h"

#include <algorithm>
#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "ComponentClassCopy.h"
#include "CopyTransaction.h"
#include "SessionMessageBox.h"
#include "class_node_info.h"

namespace {

// The id that a reference to `oldId` takes in the copy: the copy's id inside the copied sub-tree, else the same.
int MappedDomainId(const class_copy_system_domain_data::DomainIdMap& domainIds, int oldId) {
    const auto found = domainIds.find(oldId);
    return found == domainIds.end() ? oldId : found->second;
}

// Runs a change; 0, or -1 after the server's text was shown.
int Change(const CString& call) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(call) == 0) return 0;
    db->ShowLastError();
    return -1;
}

// Runs the call that `newCall` formats for each object name that `listCall` lists; stops at the first failure.
template <class NewCall>
int CopyObjects(const CString& listCall, NewCall newCall) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_interface_object_info> objects;
    if (db->SelectInterfaceObjectList(listCall, objects) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_interface_object_info& object : objects)
        if (Change(newCall(object.object_name)) != 0) return -1;
    return 0;
}

}  // namespace

int class_copy_system_domain_data::copy_into(const DomainSnapshot& snapshot, int parentKey, int newParentId,
                                             DomainIdMap& domainIds) {
    const int result =
        CopyTransaction::Run([&] { return copy_steps(snapshot, parentKey, newParentId, domainIds); });
    if (result != 0) domainIds.clear();
    return result;
}

int class_copy_system_domain_data::copy_current_into(int domainId, int newParentId, DomainIdMap& domainIds) {
    const int result = CopyTransaction::Run([&] {
        DomainSnapshot snapshot;
        int upperId = 0;
        if (read_current_subtree(domainId, snapshot, upperId) != 0) return -1;
        return copy_steps(snapshot, upperId, newParentId, domainIds);
    });
    if (result != 0) domainIds.clear();
    return result;
}

int class_copy_system_domain_data::copy_steps(const DomainSnapshot& snapshot, int parentKey, int newParentId,
                                              DomainIdMap& domainIds) {
    if (copy_domain(snapshot, parentKey, newParentId, domainIds) != 0) return -1;
    if (copy_ports(domainIds) != 0 || copy_components(domainIds) != 0) return -1;
    return copy_network(domainIds);
}

int class_copy_system_domain_data::read_current_subtree(int domainId, DomainSnapshot& snapshot, int& upperId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::multimap<int, class_domain_info> all;
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','system')"), all) != 0) {
        db->ShowLastError();
        return -1;
    }
    const auto chosen = std::find_if(all.begin(), all.end(), [domainId](const auto& entry) {
        return entry.second.id == domainId;
    });
    if (chosen == all.end()) {
        SessionMessageBox("복사할 도메인이 없습니다. 다른 사용자가 지웠습니다.");
        return -1;
    }
    upperId = chosen->first;
    snapshot.emplace(upperId, chosen->second);
    // Depth first, each domain once, so that rows that loop cannot hold the walk.
    std::set<int> taken{domainId};
    std::vector<int> open{domainId};
    while (!open.empty()) {
        const int parentId = open.back();
        open.pop_back();
        const auto range = all.equal_range(parentId);
        for (auto entry = range.first; entry != range.second; ++entry) {
            if (!taken.insert(entry->second.id).second) continue;
            snapshot.emplace(parentId, entry->second);
            open.push_back(entry->second.id);
        }
    }
    return 0;
}

// ---- Domains -------------------------------------------------------------------------------------------------

int class_copy_system_domain_data::copy_domain(const DomainSnapshot& snapshot, int parentKey, int newParentId,
                                               DomainIdMap& domainIds) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const auto range = snapshot.equal_range(parentKey);
    for (auto entry = range.first; entry != range.second; ++entry) {
        const class_domain_info& domain = entry->second;
        // A snapshot whose rows loop is copied once: a domain already copied is not entered again.
        if (domainIds.count(domain.id) != 0) continue;
        const int newId = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')",
                                                        "system", newParentId, domain.name, 0,
                                                        domain.is_public != 0 ? "1" : "0", domain.description));
        if (newId == -1) {
            db->ShowLastError();
            return -1;
        }
        domainIds[domain.id] = newId;
        if (copy_domain(snapshot, domain.id, newId, domainIds) != 0) return -1;
    }
    return 0;
}

int class_copy_system_domain_data::relink_upper_domain(const class_domain_info& destination,
                                                       const class_domain_info& moved) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call domainViewEditUpperIDDomain(%d, %d,'system')", moved.id,
                                         destination.id)) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

int class_copy_system_domain_data::copy_ports(const DomainIdMap& domainIds) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (const auto& [oldId, newId] : domainIds) {
        std::vector<int> groups;
        if (db->SelectDomainLogicalList(db->FormatCall("call domainLogicalViewlist(%d)", oldId), groups) != 0) {
            db->ShowLastError();
            return -1;
        }
        for (int group : groups)
            if (Change(db->FormatCall("call domainLogicalPortViewNewPortGroup(%d, %d)", newId, group)) != 0) return -1;
        std::vector<class_system_domain_port_info> ports;
        if (db->SelectSystemDomainPortList(db->FormatCall("call systemDomainPortViewList(%d)", oldId), ports) != 0) {
            db->ShowLastError();
            return -1;
        }
        for (const class_system_domain_port_info& port : ports)
            if (Change(db->FormatCall("call domainPortViewNewPort(%d, %d, %d, '%s')", newId, port.port_num,
                                      port.port_group, port.description)) != 0)
                return -1;
    }
    return 0;
}

// ---- Components ----------------------------------------------------------------------------------------------

int class_copy_system_domain_data::copy_components(const DomainIdMap& domainIds) {
    m_componentIds.clear();
    for (const auto& [oldId, newId] : domainIds)
        if (copy_domain_components(oldId, newId) != 0) return -1;
    for (const auto& [oldId, newId] : m_componentIds)
        if (copy_proxy_interfaces(oldId, newId) != 0 || copy_stub_interfaces(oldId, newId) != 0) return -1;
    return 0;
}

int class_copy_system_domain_data::copy_domain_components(int oldDomainId, int newDomainId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> components;
    if (db->SelectComponentList(db->FormatCall("call componentViewList('%d')", oldDomainId), components) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_component_info& component : components) {
        const int newId = db->QueryInt(db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", newDomainId,
                                                      component.name, component.description));
        if (newId == -1) {
            db->ShowLastError();
            return -1;
        }
        m_componentIds[component.component_id] = newId;
    }
    return 0;
}

int class_copy_system_domain_data::copy_proxy_interfaces(int oldComponentId, int newComponentId) {
    return CopyProxyClasses(oldComponentId, newComponentId,
                            [this, newComponentId](int oldRelationId, int newRelationId) {
                                return copy_proxy_objects(oldRelationId, newRelationId, newComponentId);
                            })
               ? 0
               : -1;
}

int class_copy_system_domain_data::copy_stub_interfaces(int oldComponentId, int newComponentId) {
    return CopyStubClasses(oldComponentId, newComponentId,
                           [this, newComponentId](int oldRelationId, int newRelationId) {
                               return copy_stub_objects(oldRelationId, newRelationId, newComponentId);
                           })
               ? 0
               : -1;
}

int class_copy_system_domain_data::copy_proxy_objects(int oldRelationId, int newRelationId, int newComponentId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    return CopyObjects(db->FormatCall("call proxyInterfaceObjectViewList(%d)", oldRelationId),
                       [db, newRelationId, newComponentId](const std::string& name) {
                           return db->FormatCall("call proxyInterfaceObjectViewNewObjectName(%d, '%s','%d')",
                                                 newRelationId, name, newComponentId);
                       });
}

int class_copy_system_domain_data::copy_stub_objects(int oldRelationId, int newRelationId, int newComponentId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    return CopyObjects(db->FormatCall("call stubInterfaceObjectViewList(%d)", oldRelationId),
                       [db, newRelationId, newComponentId](const std::string& name) {
                           return db->FormatCall("call stubInterfaceObjectViewNewObjectName(%d, '%s','%d')",
                                                 newRelationId, name, newComponentId);
                       });
}

// ---- Network ---------------------------------------------------------------------------------------------------

int class_copy_system_domain_data::copy_network(const DomainIdMap& domainIds) {
    m_copiedNodes.clear();
    m_subsystemNodes.clear();
    std::set<NodeCopy> copies;
    for (const auto& [oldId, newId] : domainIds)
        if (copy_nodes(oldId, newId, domainIds, copies) != 0) return -1;
    // Sub-system and sensor nodes take their addresses and entries from the domains they stand for.
    for (const NodeCopy& copy : copies) {
        if (m_subsystemNodes.count(std::get<1>(copy)) != 0) continue;
        if (copy_node_networks(std::get<1>(copy), std::get<3>(copy)) != 0 || copy_deployments(copy) != 0) return -1;
    }
    for (const auto& [oldId, newId] : domainIds)
        if (copy_links(oldId, newId) != 0) return -1;
    for (const auto& [oldNodeId, newNodeId] : m_subsystemNodes)
        if (take_subsystem_network(newNodeId) != 0) return -1;
    for (const NodeCopy& copy : copies)
        if (copy_subsystem_interfaces(std::get<3>(copy)) != 0) return -1;
    // Last, when nothing more is added to what the locks freeze.
    for (const auto& [oldNodeId, copy] : m_copiedNodes)
        if (copy.locked != 0 && lock_node(copy) != 0) return -1;
    return 0;
}

int class_copy_system_domain_data::copy_nodes(int oldDomainId, int newDomainId, const DomainIdMap& domainIds,
                                              std::set<NodeCopy>& copies) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_node_info> nodes;
    if (db->SelectNodeList(db->FormatCall("call nodeViewList('%d')", oldDomainId), nodes) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_node_info& node : nodes) {
        class_node_info copy;
        if (copy_node(node, newDomainId, MappedDomainId(domainIds, node.sub_system_domain_id), copy) != 0) return -1;
        copies.emplace(oldDomainId, node.id, newDomainId, copy.id);
        m_copiedNodes[node.id] = copy;
        if (StandsForSubSystem(node.type)) m_subsystemNodes[node.id] = copy.id;
    }
    return 0;
}

int class_copy_system_domain_data::copy_node(const class_node_info& node, int newDomainId, int subsystemDomainId,
                                             class_node_info& copy) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int newNodeId = db->QueryInt(db->FormatCall("call nodeNewNodes(%d,'%s','%s','%s', %d)", newDomainId,
                                                      node.name, node.type, node.description, subsystemDomainId));
    if (newNodeId == -1) {
        db->ShowLastError();
        return -1;
    }
    if (Change(db->FormatCall("call copy_node_port_talble(%d, %d, %d, %d, %d)", node.id, node.domain_id,
                              subsystemDomainId, newNodeId, newDomainId)) != 0)
        return -1;
    // A copied sub-system domain keeps its name.
    copy = node;
    copy.id = newNodeId;
    copy.domain_id = newDomainId;
    copy.sub_system_domain_id = subsystemDomainId;
    return 0;
}

int class_copy_system_domain_data::copy_node_into(const class_node_info& source, int domainId,
                                                  class_node_info& copy) {
    class_node_info made;
    if (copy_node(source, domainId, source.sub_system_domain_id, made) != 0) return -1;
    // A node that stands for a domain takes what a new node takes from it (no own deployments are copied, so
    // there are no own public entries either).
    if (StandsForSubSystem(source.type)) {
        if (take_subsystem_network(made.id) != 0 || take_public_entries(made.sub_system_domain_id) != 0) return -1;
    } else if (copy_node_networks(source.id, made.id) != 0) {
        return -1;
    }
    if (made.locked != 0 && lock_node(made) != 0) return -1;
    copy = made;
    return 0;
}

int class_copy_system_domain_data::copy_node_networks(int sourceNodeId, int newNodeId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_network_info> addresses;
    if (db->SelectNetworkList(db->FormatCall("call networkViewList(%d)", sourceNodeId), addresses) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_network_info& row : addresses)
        if (Change(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", newNodeId, row.ip,
                                  row.mask, row.network, row.gateway, row.dns, row.port, row.description)) != 0)
            return -1;
    return 0;
}

int class_copy_system_domain_data::copy_deployments(const NodeCopy& copy) {
    const auto& [oldDomainId, oldNodeId, newDomainId, newNodeId] = copy;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> installed;
    if (db->SelectInstalledComponentList(
            db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", oldDomainId, oldNodeId), installed) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_component_info& deployment : installed) {
        // A node carries components of its own domain, which the copy has copied.
        const auto mapped = m_componentIds.find(deployment.component_id);
        if (mapped == m_componentIds.end()) continue;
        if (Change(db->FormatCall("call nodeDeploymentViewNewcomponent(%d, %d, %d, %d)", newNodeId, mapped->second,
                                  newDomainId, deployment.deployment_id)) != 0)
            return -1;
    }
    return 0;
}

const class_node_info* class_copy_system_domain_data::find_copied_node(int oldNodeId) const {
    const auto found = m_copiedNodes.find(oldNodeId);
    if (found != m_copiedNodes.end()) return &found->second;
    SessionMessageBox("node id 정보를 찾지 못했습니다.");
    return nullptr;
}

int class_copy_system_domain_data::copy_links(int oldDomainId, int newDomainId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_network_link_info> links;
    if (db->SelectNetworkLinkList(db->FormatCall("call NetworklinkViewNetworkinkList(%d)", oldDomainId), links) !=
        0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_network_link_info& link : links) {
        // Every node of a copied domain has its copy; one without (another session's new node) ends the copy
        // rather than leaving a link out.
        const class_node_info* source = find_copied_node(link.s_node_id);
        if (source == nullptr) return -1;
        int destinationId = 0;
        int destinationDomainId = newDomainId;  // an external port of the domain
        if (link.d_node_id != 0) {
            const class_node_info* destination = find_copied_node(link.d_node_id);
            if (destination == nullptr) return -1;
            destinationId = destination->id;
            destinationDomainId = destination->sub_system_domain_id;
        }
        if (Change(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", source->id,
                                  source->sub_system_domain_id, link.s_port_id, destinationId, destinationDomainId,
                                  link.d_port_id)) != 0)
            return -1;
    }
    return 0;
}

int class_copy_system_domain_data::take_subsystem_network(int newNodeId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->Execute(db->FormatCall("call select_network(%d)", newNodeId)) == 0) return 0;
    db->ShowLastError();
    return -1;
}

int class_copy_system_domain_data::take_public_entries(int subsystemDomainId) {
    if (subsystemDomainId == 0) return 0;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (Change(db->FormatCall("call insert_subsystem_public_proxy_interface_loop(%d)", subsystemDomainId)) != 0)
        return -1;
    return Change(db->FormatCall("call insert_subsystem_public_stub_interface_loop(%d)", subsystemDomainId));
}

int class_copy_system_domain_data::copy_subsystem_interfaces(int newNodeId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (int pass = 0; pass <= 1; ++pass) {
        std::vector<class_custum_table> entries;
        if (db->SelectSubsystemCustomTable(
                db->FormatCall("call setup_public_interface_to_subsystem(%d, %d)", newNodeId, pass), entries) != 0) {
            db->ShowLastError();
            return -1;
        }
        for (const class_custum_table& entry : entries)
            if (entry.is_public == 1 &&
                Change(db->FormatCall("call insert_subsystem_custum_interface_loop(%d, %d, %d)", entry.id,
                                      entry.second_id, 0)) != 0)
                return -1;
    }
    return 0;
}

int class_copy_system_domain_data::lock_node(const class_node_info& copy) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProcStatus(db->FormatCall("call NodeViewEditNode(%d, %d,'%s','%s','%s', %d, %d)", copy.id,
                                             copy.domain_id, copy.name, copy.type, copy.description,
                                             copy.sub_system_domain_id, 1)) == 0)
        return 0;
    db->ShowLastError();
    return -1;
}
