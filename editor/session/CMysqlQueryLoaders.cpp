// The typed loaders of CMysqlQuery: which column of each procedure's data set fills which record field.

#include <cstdio>

#include "CMysqlQuery.h"

namespace {

bool IsKind(LPCTSTR kind, std::string_view word) { return kind && word == kind; }

// The shared layout of the domain-info lists: 0 id, 1 upper id, 2 name, 3 author, 4 public flag, then the
// standard port (only when `withPort`), creation date, last update and description.
class_domain_info ReadDomainInfo(const CMysqlResult& row, bool withPort) {
    class_domain_info domain;
    domain.id = row.GetInt(0);
    domain.upper_id = row.GetInt(1);
    domain.name = row.GetText(2);
    domain.user_id = row.GetText(3);
    domain.is_public = row.GetInt(4);
    const int dates = withPort ? 6 : 5;
    if (withPort) domain.standard_port = static_cast<std::uint16_t>(row.GetInt(5));
    domain.create_date = row.GetText(dates);
    domain.last_update = row.GetText(dates + 1);
    domain.description = row.GetText(dates + 2);
    return domain;
}

// 0 id, 1 domain id, 2 name, 3 author, 4 type, 5 real domain id, 6 real data, 7 minimum, 8 maximum,
// 9 description, 10 real domain name, 11 real data id.
class_metadata_info ReadMetadata(const CMysqlResult& row) {
    class_metadata_info item;
    item.id = row.GetInt(0);
    item.domain_id = row.GetInt(1);
    item.name = row.GetText(2);
    item.user_id = row.GetText(3);
    item.type = row.GetText(4);
    item.real_domain_id = row.GetInt(5);
    item.real_data = row.GetTextOr(6, "NULL");
    item.scmin = row.GetText(7);
    item.scmax = row.GetText(8);
    item.description = row.GetText(9);
    item.real_domain_name = row.GetTextOr(10, "NULL");
    item.real_data_id = row.GetInt(11);
    return item;
}

// 0 relation id, 1 method domain id, 2 component id, 3 interface name, 4 method domain name, 5 class name.
template <typename Relation>
Relation ReadInterfaceRelation(const CMysqlResult& row) {
    Relation relation;
    relation.id = row.GetInt(0);
    relation.method_domain_id = row.GetInt(1);
    relation.component_id = row.GetInt(2);
    relation.interface_name = row.GetText(3);
    relation.method_domain_name = row.GetText(4);
    relation.class_name = row.GetText(5);
    return relation;
}

// 0 id, 1 domain id, 2 name, 3 type, 4 description: the head that the node list and the node info share.
void ReadNodeHead(const CMysqlResult& row, class_node_info& node) {
    node.id = row.GetInt(0);
    node.domain_id = row.GetInt(1);
    node.name = row.GetText(2);
    node.type = row.GetText(3);
    node.description = row.GetText(4);
}

// 0 component id, 1 system domain id, 2 name, 3 last update, 4 description: the head of the component lists.
void ReadComponentHead(const CMysqlResult& row, class_component_info& component) {
    component.component_id = row.GetInt(0);
    component.systemdomain_id = row.GetInt(1);
    component.name = row.GetText(2);
    component.last_update = row.GetText(3);
    component.description = row.GetText(4);
}

// 0 domain id, 1 data name, 2 member name, 3 real domain id, 4 real domain name ("NULL" when NULL), 5 real
// data ("NULL"), 6 physical, 7 type, 8 bit size, 9 minimum, 10 maximum, 11 array type, 12 array size,
// 13 last update, 14 description.
class_datafield_info ReadDatafield(const CMysqlResult& row) {
    class_datafield_info field;
    field.domain_id = row.GetInt(0);
    field.data_name = row.GetText(1);
    field.member_name = row.GetText(2);
    field.real_domain_id = row.GetInt(3);
    field.real_domain_name = row.GetTextOr(4, "NULL");
    field.real_data = row.GetTextOr(5, "NULL");
    field.listed_physical = row.GetText(6);
    field.type = row.GetText(7);
    field.bitsize = row.GetInt(8);
    field.scmin = row.GetText(9);
    field.scmax = row.GetText(10);
    field.arraytype = row.GetText(11);
    field.arraysize = row.GetInt(12);
    field.last_update = row.GetText(13);
    field.description = row.GetText(14);
    return field;
}

std::string MethodCodeText(int code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(code));
    return text;
}

// 0 qualifier of the method's domain, 1 name, 2 type, 3 code (written "0x%04X"), 4 input domain id, 5 input
// domain name, 6 input data, 7 output domain id, 8 output domain name, 9 output data, 10 author,
// 11 description, 12 the method's domain id.
class_method_info ReadMemberMethod(const CMysqlResult& row) {
    class_method_info method;
    method.member_text = row.GetText(0);
    method.name = row.GetText(1);
    method.type = row.GetText(2);
    method.code = MethodCodeText(row.GetInt(3));
    method.in_domain_id = row.GetInt(4);
    method.in_domain_name = row.GetText(5);
    method.in_data = row.GetText(6);
    method.out_domain_id = row.GetInt(7);
    method.out_domain_name = row.GetText(8);
    method.out_data = row.GetText(9);
    method.user_id = row.GetText(10);
    method.description = row.GetText(11);
    method.domain_id = row.GetInt(12);
    return method;
}

}  // namespace

int CMysqlQuery::SelectMemberDomainList(const CString& text, std::vector<class_member_domain>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_member_domain member;
        member.user_id = row.GetText(0);
        member.grade = row.GetText(1);
        member.user_info = row.GetText(2);
        list.push_back(member);
    });
}

int CMysqlQuery::SelectAccountRows(const CString& text, std::vector<account_row>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        account_row account;
        account.user_id = row.GetText(0);
        account.administrator = row.GetText(1);
        account.may_create_account = row.GetText(2);
        account.may_create_domain = row.GetText(3);
        account.description = row.GetText(4);
        list.push_back(account);
    });
}

int CMysqlQuery::SelectDomainInfoList(const CString& text, LPCTSTR kind, std::vector<class_domain_info>& list) {
    list.clear();
    const bool withPort = IsKind(kind, "method");
    return LoadRows(text, [&](const CMysqlResult& row) {
        if (row.GetInt(0) != 0) list.push_back(ReadDomainInfo(row, withPort));
    });
}

CString CMysqlQuery::MetadataListCall(int domainId, LPCTSTR name) {
    const char* search = name ? name : "";
    if (*search) return FormatCall("call metadataViewMetadataList(%d,'%s', 'data')", domainId, search);
    return FormatCall("call metadataViewMetadataList(%d,'%%%s%%', 'data')", domainId, search);
}

int CMysqlQuery::SelectMetadataList(int domainId, LPCTSTR name, std::vector<class_metadata_info>& list) {
    list.clear();
    m_strQuery = MetadataListCall(domainId, name);
    return LoadRows(m_strQuery, [&](const CMysqlResult& row) { list.push_back(ReadMetadata(row)); });
}

CString CMysqlQuery::FirstMetadataCall(int domainId) {
    return FormatCall("call metadataViewFirstMetadata(%d)", domainId);
}

int CMysqlQuery::SelectFirstMetadata(int domainId, std::vector<class_metadata_info>& list) {
    list.clear();
    return LoadRows(FirstMetadataCall(domainId), [&](const CMysqlResult& row) { list.push_back(ReadMetadata(row)); });
}

int CMysqlQuery::SelectMetadataListByTypeSort(int domainId, std::vector<class_metadata_info>& list) {
    list.clear();
    m_strQuery = FormatCall("call metadataViewMetadataListByTypeSort(%d,'%%%%', 'data')", domainId);
    return LoadRows(m_strQuery, [&](const CMysqlResult& row) { list.push_back(ReadMetadata(row)); });
}

int CMysqlQuery::SelectRealDomainList(const CString& text, std::vector<class_domain_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_domain_info domain;
        domain.id = row.GetInt(0);
        domain.kind = row.GetText(1);
        domain.upper_id = row.GetInt(2);
        domain.name = row.GetText(3);
        domain.user_id = row.GetText(4);
        domain.is_public = row.GetInt(5);
        domain.create_date = row.GetText(6);
        domain.last_update = row.GetText(7);
        domain.description = row.GetText(8);
        list.push_back(domain);
    });
}

int CMysqlQuery::SelectRealMetadataList(const CString& text, std::vector<class_metadata_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_metadata_info item;
        item.id = row.GetInt(0);
        item.domain_id = row.GetInt(1);
        item.name = row.GetText(2);
        item.type = row.GetText(3);
        item.real_data_id = row.GetInt(4);
        item.scmin = row.GetText(5);
        item.scmax = row.GetText(6);
        item.listed_physical = row.GetText(7);
        item.description = row.GetText(8);
        item.user_id = row.GetText(9);
        list.push_back(item);
    });
}

int CMysqlQuery::SelectDatafieldList(const CString& text, std::vector<class_datafield_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) { list.push_back(ReadDatafield(row)); });
}

class_datafield_info CMysqlQuery::DatafieldSummary(const class_datafield_info& field) {
    class_datafield_info constant;
    constant.member_name = field.member_name;
    constant.scmin = field.scmin;
    constant.description = field.description;
    return constant;
}

int CMysqlQuery::SelectDatafieldSummaryList(const CString& text, std::vector<class_datafield_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) { list.push_back(DatafieldSummary(ReadDatafield(row))); });
}

CString CMysqlQuery::FirstDatafieldsCall(int domainId) {
    return FormatCall("call metadataViewFirstMetafields(%d)", domainId);
}

int CMysqlQuery::SelectFirstDatafields(int domainId, std::vector<class_datafield_info>& list) {
    list.clear();
    return LoadRows(FirstDatafieldsCall(domainId), [&](const CMysqlResult& row) { list.push_back(ReadDatafield(row)); });
}

int CMysqlQuery::SelectDomainAllList(const CString& text, std::multimap<int, class_domain_info>& domains) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_domain_info domain;
        domain.id = row.GetInt(0);
        if (domain.id == 0) return;
        domain.name = row.GetText(1);
        domain.upper_id = row.GetInt(2);
        domain.user_id = row.GetText(3);
        domain.is_public = row.GetInt(4);
        domain.standard_port = static_cast<std::uint16_t>(row.GetInt(5));
        domain.create_date = row.GetText(6);
        domain.last_update = row.GetText(7);
        domain.description = row.GetText(8);
        domains.emplace(domain.upper_id, domain);
    });
}

int CMysqlQuery::SelectDataDomainList(const CString& text, LPCTSTR kind, std::vector<class_domain_info>& list) {
    list.clear();
    const bool withPort = !IsKind(kind, "data");
    return LoadRows(text, [&](const CMysqlResult& row) {
        if (row.GetInt(0) != 0) list.push_back(ReadDomainInfo(row, withPort));
    });
}

int CMysqlQuery::SelectMethodList(const CString& text, std::vector<class_method_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_method_info method;
        method.type = row.GetText(0);
        method.code = row.GetText(1);
        method.name = row.GetText(2);
        method.in_domain_id = row.GetInt(3);
        method.in_data = row.GetText(4);
        method.out_domain_id = row.GetInt(5);
        method.out_data = row.GetText(6);
        method.user_id = row.GetText(7);
        method.description = row.GetText(8);
        method.domain_id = row.GetInt(9);
        method.in_domain_name = row.GetText(10);
        method.out_domain_name = row.GetText(11);
        list.push_back(method);
    });
}

int CMysqlQuery::SelectInterfaceList(const CString& text, std::vector<class_interface_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_interface_info item;
        item.name = row.GetText(0);
        item.user_id = row.GetText(1);
        item.description = row.GetText(2);
        item.domain_id = row.GetInt(3);
        item.last_update = row.GetText(4);
        list.push_back(item);
    });
}

int CMysqlQuery::SelectMemberMethodList(const CString& text, std::vector<class_method_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) { list.push_back(ReadMemberMethod(row)); });
}

CString CMysqlQuery::FirstMemberMethodsCall(int domainId) {
    return FormatCall("call interfaceViewFirstMemberMethods(%d)", domainId);
}

// Columns 0-12 as the member list, then 13 the interface's name.
int CMysqlQuery::SelectFirstMemberMethods(int domainId, std::vector<std::pair<std::string, class_method_info>>& list) {
    list.clear();
    return LoadRows(FirstMemberMethodsCall(domainId),
                    [&](const CMysqlResult& row) { list.emplace_back(row.GetText(13), ReadMemberMethod(row)); });
}

int CMysqlQuery::SelectRealMethodList(const CString& text, std::vector<class_method_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_method_info method;
        method.domain_id = row.GetInt(0);
        method.name = row.GetText(1);
        method.type = row.GetText(2);
        list.push_back(method);
    });
}

int CMysqlQuery::SelectNodeList(const CString& text, std::vector<class_node_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_node_info node;
        ReadNodeHead(row, node);
        node.sub_system_domain_id = row.GetInt(5);
        node.sub_system_domain_name = row.GetTextOr(6, "(Null)");
        node.locked = row.GetTextOr(7, "N") == "Y" ? 1 : 0;
        list.push_back(node);
    });
}

int CMysqlQuery::SelectNodeInfo(const CString& text, class_node_info& node) {
    return LoadRows(text, [&](const CMysqlResult& row) { ReadNodeHead(row, node); });
}

int CMysqlQuery::SelectInstalledComponentList(const CString& text, std::vector<class_component_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_component_info component;
        component.deployment_id = row.GetInt(0);
        component.component_id = row.GetInt(1);
        component.systemdomain_id = row.GetInt(2);
        component.name = row.GetText(3);
        component.last_update = row.GetText(4);
        component.description = row.GetText(5);
        list.push_back(component);
    });
}

int CMysqlQuery::SelectComponentList(const CString& text, std::vector<class_component_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_component_info component;
        ReadComponentHead(row, component);
        list.push_back(component);
    });
}

int CMysqlQuery::SelectComponentInfo(const CString& text, class_component_info& component, std::string& columnText) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        columnText = row.GetText(3);
        component.component_id = row.GetInt(4);
        component.systemdomain_id = row.GetInt(5);
        component.name = row.GetText(6);
        component.last_update = row.GetText(7);
        component.description = row.GetText(8);
        component.deployment_id = row.GetInt(10);
    });
}

int CMysqlQuery::SelectProxyComponentList(const CString& text, std::vector<class_component_info>& list,
                                          class_custum_table* table) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_component_info component;
        ReadComponentHead(row, component);
        component.deployment_id = row.GetInt(8);
        component.custom_table = table;
        if (table) {
            table->stub_ip = row.GetText(5);
            table->stub_object_id = row.GetText(6);
        }
        list.push_back(component);
    });
}

int CMysqlQuery::SelectProxyInterfaceList(const CString& text,
                                          std::vector<class_proxy_interface_relation_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        list.push_back(ReadInterfaceRelation<class_proxy_interface_relation_info>(row));
    });
}

int CMysqlQuery::SelectStubInterfaceList(const CString& text, std::vector<class_stub_interface_relation_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        list.push_back(ReadInterfaceRelation<class_stub_interface_relation_info>(row));
    });
}

int CMysqlQuery::SelectNetworkList(const CString& text, std::vector<class_network_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_network_info network;
        network.ip = row.GetText(0);
        network.mask = row.GetText(1);
        network.gateway = row.GetText(2);
        network.dns = row.GetText(3);
        network.port = row.GetText(4);
        network.description = row.GetText(5);
        network.node_name = row.GetText(6);
        if (!row.IsNull(7)) network.link_info = row.GetText(7) + " / " + row.GetText(8) + " / " + row.GetText(9);
        network.network = row.GetText(10);
        list.push_back(network);
    });
}

int CMysqlQuery::SelectOverlapIpList(const CString& text, std::vector<class_network_info>& list) {
    return LoadRows(
        text,
        [&](const CMysqlResult& row) {
            class_network_info network;
            network.node_name = row.GetText(0);
            network.port = row.GetText(1);
            network.ip = row.GetText(2);
            network.mask = row.GetText(3);
            network.description = row.GetText(4);
            list.push_back(network);
        },
        false);
}

int CMysqlQuery::SelectDeployBindNetworkList(const CString& text, std::vector<class_network_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_network_info network;
        network.id = row.GetInt(0);
        network.port = row.GetText(1);
        network.ip = row.GetText(2);
        list.push_back(network);
    });
}

int CMysqlQuery::SelectSwitchNetworkList(const CString& text, std::vector<class_network_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_network_info network;
        network.id = row.GetInt(0);
        network.ip = row.GetText(1);
        network.mask = row.GetText(2);
        network.port = row.GetText(3);
        network.network = row.GetText(4);
        list.push_back(network);
    });
}

int CMysqlQuery::SelectCustomProxyTable(const CString& text, std::vector<class_custum_table>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_custum_table entry;
        entry.id = row.GetInt(0);
        entry.second_id = row.GetInt(1);
        entry.third_id = row.GetInt(2);
        entry.interface_name = row.GetText(3);
        entry.class_name = row.GetText(4);
        entry.object_id = row.GetText(5);
        entry.stub_object_id = row.GetText(6);
        entry.stub_ip = row.GetText(7);
        entry.method_domain_name = row.GetText(8);
        entry.method_domain_id = row.GetInt(9);
        entry.method_domain_port = row.GetInt(10);
        entry.object_name = row.GetText(11);
        entry.is_public = row.GetInt(12);
        list.push_back(entry);
    });
}

int CMysqlQuery::SelectCustomStubTable(const CString& text, std::vector<class_custum_table>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_custum_table entry;
        entry.id = row.GetInt(0);
        entry.second_id = row.GetInt(1);
        entry.third_id = row.GetInt(2);
        entry.object_id = row.GetText(3);
        entry.interface_name = row.GetText(4);
        entry.class_name = row.GetText(5);
        entry.method_domain_name = row.GetText(6);
        entry.method_domain_id = row.GetInt(7);
        entry.method_domain_port = row.GetInt(8);
        entry.object_name = row.GetText(9);
        entry.is_public = row.GetInt(10);
        list.push_back(entry);
    });
}

int CMysqlQuery::SelectSubsystemCustomTable(const CString& text, std::vector<class_custum_table>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_custum_table entry;
        entry.id = row.GetInt(0);
        entry.second_id = row.GetInt(1);
        entry.is_public = row.GetInt(2);
        list.push_back(entry);
    });
}

int CMysqlQuery::SelectNetworkLinkList(const CString& text, std::vector<class_network_link_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_network_link_info link;
        link.s_node_id = row.GetInt(0);
        link.s_node_name = row.GetText(1);
        link.s_port_id = row.GetInt(2);
        link.d_node_id = row.GetInt(3);
        link.d_node_name = row.GetText(4);
        link.d_port_id = row.GetInt(5);
        list.push_back(link);
    });
}

int CMysqlQuery::SelectSystemDomainPortList(const CString& text, std::vector<class_system_domain_port_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_system_domain_port_info port;
        port.seq = row.GetInt(0);
        port.port_num = row.GetInt(1);
        port.port_group = row.GetInt(2);
        port.description = row.GetText(3);
        list.push_back(port);
    });
}

int CMysqlQuery::SelectInterfaceObjectList(const CString& text, std::vector<class_interface_object_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_interface_object_info object;
        object.relation_id = row.GetInt(0);
        object.object_name = row.GetText(1);
        object.component_id = row.GetInt(2);
        list.push_back(object);
    });
}

int CMysqlQuery::SelectNodePortList(const CString& text, std::vector<class_node_port_info>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) {
        class_node_port_info port;
        port.id = row.GetInt(0);
        port.node_id = row.GetInt(1);
        port.port_num = row.GetInt(2);
        port.port_group = row.GetInt(3);
        list.push_back(port);
    });
}

int CMysqlQuery::SelectNodeNetworkPortList(const CString& text, std::vector<std::pair<int, std::string>>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) { list.emplace_back(row.GetInt(0), row.GetText(1)); });
}

int CMysqlQuery::SelectClassNameList(const CString& text, std::vector<std::string>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) { list.push_back(row.GetText(0)); });
}

int CMysqlQuery::SelectIdList(const CString& text, std::vector<int>& list) {
    return LoadRows(text, [&](const CMysqlResult& row) { list.push_back(row.GetInt(0)); });
}

// The logical groups of a domain are ids in the first column like any other id list.
int CMysqlQuery::SelectDomainLogicalList(const CString& text, std::vector<int>& list) {
    return SelectIdList(text, list);
}
