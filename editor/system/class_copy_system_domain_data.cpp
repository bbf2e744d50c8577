#include "class_copy_system_domain_data.h"

#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "ComponentClassCopy.h"
#include "SessionMessageBox.h"

namespace {

bool IsSubsystemType(const std::string& type) { return type == "sub_system" || type == "sensor"; }

// The id that a reference to `oldId` takes in the copy: the copy's id inside the copied sub-tree, else the same.
int MappedDomainId(const class_copy_system_domain_data::DomainIdMap& domainIds, int oldId) {
    const auto found = domainIds.find(oldId);
    return found == domainIds.end() ? oldId : found->second;
}

// Runs the call that `newCall` formats for each object name that `listCall` lists; failures are shown.
template <class NewCall>
void CopyObjects(const CString& listCall, NewCall newCall) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_interface_object_info> objects;
    if (db->SelectInterfaceObjectList(listCall, objects) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_interface_object_info& object : objects)
        if (db->ExecuteProc(newCall(object.object_name)) != 0) db->ShowLastError();
}

}  // namespace

// ---- Domains -------------------------------------------------------------------------------------------------

void class_copy_system_domain_data::copy_domain(const DomainSnapshot& snapshot, int parentKey, int newParentId,
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
            continue;
        }
        domainIds[domain.id] = newId;
        copy_domain(snapshot, domain.id, newId, domainIds);
    }
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

void class_copy_system_domain_data::copy_ports(DomainIdMap domainIds) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (const auto& [oldId, newId] : domainIds) {
        std::vector<int> groups;
        if (db->SelectDomainLogicalList(db->FormatCall("call domainLogicalViewlist(%d)", oldId), groups) == 0) {
            for (int group : groups)
                db->ExecuteProc(db->FormatCall("call domainLogicalPortViewNewPortGroup(%d, %d)", newId, group));
        } else {
            db->ShowLastError();
        }
        std::vector<class_system_domain_port_info> ports;
        if (db->SelectSystemDomainPortList(db->FormatCall("call systemDomainPortViewList(%d)", oldId), ports) != 0) {
            db->ShowLastError();
            continue;
        }
        for (const class_system_domain_port_info& port : ports)
            if (db->ExecuteProc(db->FormatCall("call domainPortViewNewPort(%d, %d, %d, '%s')", newId, port.port_num,
                                               port.port_group, port.description)) != 0)
                db->ShowLastError();
    }
}

// ---- Components ----------------------------------------------------------------------------------------------

void class_copy_system_domain_data::copy_components(DomainIdMap domainIds) {
    m_componentIds.clear();
    for (const auto& [oldId, newId] : domainIds) copy_domain_components(oldId, newId);
    for (const auto& [oldId, newId] : m_componentIds) {
        copy_proxy_interfaces(oldId, newId);
        copy_stub_interfaces(oldId, newId);
    }
}

void class_copy_system_domain_data::copy_domain_components(int oldDomainId, int newDomainId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> components;
    if (db->SelectComponentList(db->FormatCall("call componentViewList('%d')", oldDomainId), components) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_component_info& component : components) {
        const int newId = db->QueryInt(db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", newDomainId,
                                                      component.name, component.description));
        if (newId == -1)
            db->ShowLastError();
        else
            m_componentIds[component.component_id] = newId;
    }
}

void class_copy_system_domain_data::copy_proxy_interfaces(int oldComponentId, int newComponentId) {
    CopyProxyClasses(oldComponentId, newComponentId, [this, newComponentId](int oldRelationId, int newRelationId) {
        copy_proxy_objects(oldRelationId, newRelationId, newComponentId);
    });
}

void class_copy_system_domain_data::copy_stub_interfaces(int oldComponentId, int newComponentId) {
    CopyStubClasses(oldComponentId, newComponentId, [this, newComponentId](int oldRelationId, int newRelationId) {
        copy_stub_objects(oldRelationId, newRelationId, newComponentId);
    });
}

void class_copy_system_domain_data::copy_proxy_objects(int oldRelationId, int newRelationId, int newComponentId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    CopyObjects(db->FormatCall("call proxyInterfaceObjectViewList(%d)", oldRelationId),
                [db, newRelationId, newComponentId](const std::string& name) {
                    return db->FormatCall("call proxyInterfaceObjectViewNewObjectName(%d, '%s','%d')", newRelationId,
                                          name, newComponentId);
                });
}

void class_copy_system_domain_data::copy_stub_objects(int oldRelationId, int newRelationId, int newComponentId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    CopyObjects(db->FormatCall("call stubInterfaceObjectViewList(%d)", oldRelationId),
                [db, newRelationId, newComponentId](const std::string& name) {
                    return db->FormatCall("call stubInterfaceObjectViewNewObjectName(%d, '%s','%d')", newRelationId,
                                          name, newComponentId);
                });
}

// ---- Network ---------------------------------------------------------------------------------------------------

void class_copy_system_domain_data::copy_network(DomainIdMap domainIds) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_copiedNodes.clear();
    m_subsystemNodes.clear();
    std::set<NodeCopy> copies;
    for (const auto& [oldId, newId] : domainIds) copy_nodes(oldId, newId, domainIds, copies);
    // Sub-system and sensor nodes take their addresses and entries from the domains they stand for.
    for (const NodeCopy& copy : copies) {
        if (m_subsystemNodes.count(std::get<1>(copy)) != 0) continue;
        copy_node_networks(std::get<1>(copy), std::get<3>(copy));
        copy_deployments(copy, domainIds);
    }
    for (const auto& [oldId, newId] : domainIds) copy_links(oldId, newId);
    for (const auto& [oldNodeId, newNodeId] : m_subsystemNodes)
        if (db->Execute(db->FormatCall("call select_network(%d)", newNodeId)) != 0) db->ShowLastError();
    for (const NodeCopy& copy : copies) copy_subsystem_interfaces(std::get<3>(copy));
}

void class_copy_system_domain_data::copy_nodes(int oldDomainId, int newDomainId, const DomainIdMap& domainIds,
                                               std::set<NodeCopy>& copies) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_node_info> nodes;
    if (db->SelectNodeList(db->FormatCall("call nodeViewList('%d')", oldDomainId), nodes) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_node_info& node : nodes) {
        const int subsystemDomainId = MappedDomainId(domainIds, node.sub_system_domain_id);
        const int newNodeId = db->QueryInt(db->FormatCall("call nodeNewNodes(%d,'%s','%s','%s', %d)", newDomainId,
                                                          node.name, node.type, node.description, subsystemDomainId));
        if (newNodeId == -1) {
            db->ShowLastError();
            continue;
        }
        db->ExecuteProc(db->FormatCall("call copy_node_port_talble(%d, %d, %d, %d, %d)", node.id, oldDomainId,
                                       subsystemDomainId, newNodeId, newDomainId));
        copies.emplace(oldDomainId, node.id, newDomainId, newNodeId);
        class_node_info copy;
        copy.id = newNodeId;
        copy.domain_id = newDomainId;
        copy.name = node.name;
        copy.type = node.type;
        copy.description = node.description;
        copy.sub_system_domain_id = subsystemDomainId;
        copy.extra_text = node.extra_text;
        m_copiedNodes[node.id] = copy;
        if (IsSubsystemType(node.type)) m_subsystemNodes[node.id] = newNodeId;
    }
}

int class_copy_system_domain_data::copy_node_networks(int sourceNodeId, int newNodeId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_network_info> addresses;
    if (db->SelectNetworkList(db->FormatCall("call networkViewList(%d)", sourceNodeId), addresses) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_network_info& row : addresses)
        if (db->ExecuteProc(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", newNodeId,
                                           row.ip, row.mask, row.network, row.gateway, row.dns, row.port,
                                           row.description)) != 0)
            db->ShowLastError();
    return 0;
}

void class_copy_system_domain_data::copy_deployments(const NodeCopy& copy, const DomainIdMap& domainIds) {
    const auto& [oldDomainId, oldNodeId, newDomainId, newNodeId] = copy;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> installed;
    if (db->SelectInstalledComponentList(
            db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", oldDomainId, oldNodeId), installed) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_component_info& deployment : installed) {
        int componentId = deployment.component_id;
        const auto mapped = m_componentIds.find(componentId);
        if (mapped != m_componentIds.end()) {
            componentId = mapped->second;
        } else if (domainIds.count(deployment.systemdomain_id) != 0) {
            // A component of the copied sub-tree that could not be copied (shown then): nothing to install.
            continue;
        }
        if (db->ExecuteProc(db->FormatCall("call nodeDeploymentViewNewcomponent(%d, %d, %d, %d)", newNodeId,
                                           componentId, newDomainId, deployment.deployment_id)) != 0)
            db->ShowLastError();
    }
}

const class_node_info* class_copy_system_domain_data::find_copied_node(int oldNodeId) const {
    const auto found = m_copiedNodes.find(oldNodeId);
    if (found != m_copiedNodes.end()) return &found->second;
    SessionMessageBox("node id 정보를 찾지 못했습니다.");
    return nullptr;
}

void class_copy_system_domain_data::copy_links(int oldDomainId, int newDomainId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_network_link_info> links;
    if (db->SelectNetworkLinkList(db->FormatCall("call NetworklinkViewNetworkinkList(%d)", oldDomainId), links) !=
        0) {
        db->ShowLastError();
        return;
    }
    for (const class_network_link_info& link : links) {
        const class_node_info* source = find_copied_node(link.s_node_id);
        if (source == nullptr) continue;
        int destinationId = 0;
        int destinationDomainId = newDomainId;  // an external port of the domain
        if (link.d_node_id != 0) {
            const class_node_info* destination = find_copied_node(link.d_node_id);
            // A link to a node that was not copied would point at nothing: it is left out.
            if (destination == nullptr) continue;
            destinationId = destination->id;
            destinationDomainId = destination->sub_system_domain_id;
        }
        if (db->ExecuteProc(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", source->id,
                                           source->sub_system_domain_id, link.s_port_id, destinationId,
                                           destinationDomainId, link.d_port_id)) != 0)
            db->ShowLastError();
    }
}

void class_copy_system_domain_data::copy_subsystem_interfaces(int newNodeId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (int pass = 0; pass <= 1; ++pass) {
        std::vector<class_custum_table> entries;
        if (db->SelectSubsystemCustomTable(
                db->FormatCall("call setup_public_interface_to_subsystem(%d, %d)", newNodeId, pass), entries) != 0)
            continue;
        for (const class_custum_table& entry : entries)
            if (entry.is_public == 1)
                db->ExecuteProc(db->FormatCall("call insert_subsystem_custum_interface_loop(%d, %d, %d)", entry.id,
                                               entry.second_id, 0));
    }
}
