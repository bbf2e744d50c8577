// Which column fills which record field, for every loader: each answer has one row whose column i holds
// 100 + i (so every field shows the column it came from) and one row of NULLs (the substitutions).

#include <optional>

#include "SessionTestSupport.h"

namespace {

using session_test::SessionTest;

using Cell = std::optional<std::string>;
using Row = std::vector<Cell>;

Row Distinct(int columns) {
    Row row;
    for (int i = 0; i < columns; ++i) row.emplace_back(std::to_string(100 + i));
    return row;
}

Row Nulls(int columns) { return Row(static_cast<std::size_t>(columns)); }

Row With(Row row, int column, Cell value) {
    row[static_cast<std::size_t>(column)] = std::move(value);
    return row;
}

std::string Literal(const Cell& cell) {
    if (!cell) return "NULL";
    std::string quoted = "'";
    for (char c : *cell) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

// The answer of a data procedure: the status set 1 (unless there is none), then one data set of these rows.
CString DataAnswer(const std::vector<Row>& rows, bool withStatus = true) {
    std::string text = "BEGIN NOT ATOMIC ";
    if (withStatus) text += "SELECT 1 AS test; ";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        text += r == 0 ? "SELECT " : " UNION ALL SELECT ";
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c) text += ", ";
            text += Literal(rows[r][c]);
            if (r == 0) text += " AS c" + std::to_string(c);
        }
    }
    return CString(text + "; END");
}

std::string T(int column) { return std::to_string(100 + column); }
int V(int column) { return 100 + column; }

TEST_F(SessionTest, MemberDomainAndAccountRows) {
    std::vector<class_member_domain> members{class_member_domain()};
    ASSERT_EQ(db->SelectMemberDomainList(DataAnswer({Distinct(3), Nulls(3)}), members), 0);
    ASSERT_EQ(members.size(), 3u);  // appends to what the caller passed
    EXPECT_EQ(members[1].user_id, T(0));
    EXPECT_EQ(members[1].grade, T(1));
    EXPECT_EQ(members[1].user_info, T(2));
    EXPECT_EQ(members[2].user_id, "");

    std::vector<account_row> accounts;
    ASSERT_EQ(db->SelectAccountRows(DataAnswer({Distinct(5), Nulls(5)}), accounts), 0);
    ASSERT_EQ(accounts.size(), 2u);
    EXPECT_EQ(accounts[0].user_id, T(0).c_str());
    EXPECT_EQ(accounts[0].second_text, "");
    EXPECT_EQ(accounts[0].administrator, T(1).c_str());
    EXPECT_EQ(accounts[0].may_create_account, T(2).c_str());
    EXPECT_EQ(accounts[0].may_create_domain, T(3).c_str());
    EXPECT_EQ(accounts[0].description, T(4).c_str());
    EXPECT_EQ(accounts[1].description, "");
}

TEST_F(SessionTest, DomainInfoListReadsThePortOnlyForMethodDomains) {
    const auto rows = DataAnswer({Distinct(9), Nulls(9), With(Distinct(9), 0, "0")});
    std::vector<class_domain_info> list(2);
    ASSERT_EQ(db->SelectDomainInfoList(rows, "method", list), 0);
    ASSERT_EQ(list.size(), 1u);  // cleared first; the NULL row and the row of id 0 are skipped
    EXPECT_EQ(list[0].id, V(0));
    EXPECT_EQ(list[0].upper_id, V(1));
    EXPECT_EQ(list[0].name, T(2));
    EXPECT_EQ(list[0].user_id, T(3));
    EXPECT_EQ(list[0].is_public, V(4));
    EXPECT_EQ(list[0].standard_port, V(5));
    EXPECT_EQ(list[0].create_date, T(6));
    EXPECT_EQ(list[0].last_update, T(7));
    EXPECT_EQ(list[0].description, T(8));
    EXPECT_EQ(list[0].kind, "");

    for (const char* kind : {"data", "system"}) {
        SCOPED_TRACE(kind);
        ASSERT_EQ(db->SelectDomainInfoList(rows, kind, list), 0);
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0].is_public, V(4));
        EXPECT_EQ(list[0].standard_port, 0);
        EXPECT_EQ(list[0].create_date, T(5));
        EXPECT_EQ(list[0].last_update, T(6));
        EXPECT_EQ(list[0].description, T(7));
    }

    // The inheritance lists shift for "data" only.
    ASSERT_EQ(db->SelectDataDomainList(rows, "data", list), 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].standard_port, 0);
    EXPECT_EQ(list[0].description, T(7));
    ASSERT_EQ(db->SelectDataDomainList(DataAnswer({With(Distinct(9), 5, "65537")}), "method", list), 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].standard_port, 1);
    EXPECT_EQ(list[0].description, T(8));
}

TEST_F(SessionTest, DomainAllListIsKeyedByTheParent) {
    // Name comes before the parent here; rows of one parent keep their order; the port keeps its low 16 bits.
    std::multimap<int, class_domain_info> domains;
    const Row first = With(With(Distinct(9), 5, "65536"), 2, "7");
    const Row second = With(With(Distinct(9), 0, "300"), 2, "7");
    ASSERT_EQ(db->SelectDomainAllList(DataAnswer({first, Nulls(9), second, With(Distinct(9), 0, "abc")}), domains), 0);
    ASSERT_EQ(domains.size(), 2u);
    ASSERT_EQ(domains.count(7), 2u);
    const auto& domain = domains.find(7)->second;
    EXPECT_EQ(domain.id, V(0));
    EXPECT_EQ(domain.name, T(1));
    EXPECT_EQ(domain.upper_id, 7);
    EXPECT_EQ(domain.user_id, T(3));
    EXPECT_EQ(domain.is_public, V(4));
    EXPECT_EQ(domain.standard_port, 0);
    EXPECT_EQ(domain.create_date, T(6));
    EXPECT_EQ(domain.last_update, T(7));
    EXPECT_EQ(domain.description, T(8));
    EXPECT_EQ(std::next(domains.find(7))->second.id, 300);
}

TEST_F(SessionTest, RealDomainAndRealDataLists) {
    std::vector<class_domain_info> domains;
    ASSERT_EQ(db->SelectRealDomainList(DataAnswer({Distinct(9), Nulls(9)}), domains), 0);
    ASSERT_EQ(domains.size(), 2u);  // no row is skipped
    EXPECT_EQ(domains[0].id, V(0));
    EXPECT_EQ(domains[0].kind, T(1));
    EXPECT_EQ(domains[0].upper_id, V(2));
    EXPECT_EQ(domains[0].name, T(3));
    EXPECT_EQ(domains[0].user_id, T(4));
    EXPECT_EQ(domains[0].is_public, V(5));
    EXPECT_EQ(domains[0].create_date, T(6));
    EXPECT_EQ(domains[0].last_update, T(7));
    EXPECT_EQ(domains[0].description, T(8));

    std::vector<class_metadata_info> items;
    ASSERT_EQ(db->SelectRealMetadataList(DataAnswer({Distinct(10), Nulls(10)}), items), 0);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, V(0));
    EXPECT_EQ(items[0].domain_id, V(1));
    EXPECT_EQ(items[0].name, T(2));
    EXPECT_EQ(items[0].type, T(3));
    EXPECT_EQ(items[0].real_data_id, V(4));
    EXPECT_EQ(items[0].scmin, T(5));
    EXPECT_EQ(items[0].scmax, T(6));
    EXPECT_EQ(items[0].listed_physical, T(7));
    EXPECT_EQ(items[0].description, T(8));
    EXPECT_EQ(items[0].user_id, T(9));
    EXPECT_EQ(items[0].real_domain_name, "");
    EXPECT_EQ(items[1].real_data_id, 0);
}

TEST_F(SessionTest, DataFieldLists) {
    std::vector<class_datafield_info> fields;
    ASSERT_EQ(db->SelectDatafieldList(DataAnswer({Distinct(15), Nulls(15)}), fields), 0);
    ASSERT_EQ(fields.size(), 2u);
    const class_datafield_info& f = fields[0];
    EXPECT_EQ(f.domain_id, V(0));
    EXPECT_EQ(f.data_name, T(1));
    EXPECT_EQ(f.member_name, T(2));
    EXPECT_EQ(f.real_domain_id, V(3));
    EXPECT_EQ(f.real_domain_name, T(4));
    EXPECT_EQ(f.real_data, T(5));
    EXPECT_EQ(f.listed_physical, T(6));
    EXPECT_EQ(f.type, T(7));
    EXPECT_EQ(f.bitsize, V(8));
    EXPECT_EQ(f.scmin, T(9));
    EXPECT_EQ(f.scmax, T(10));
    EXPECT_EQ(f.arraytype, T(11));
    EXPECT_EQ(f.arraysize, V(12));
    EXPECT_EQ(f.last_update, T(13));
    EXPECT_EQ(f.description, T(14));
    EXPECT_EQ(f.physical, "");
    EXPECT_EQ(fields[1].real_domain_id, 0);
    EXPECT_EQ(fields[1].real_domain_name, "NULL");
    EXPECT_EQ(fields[1].real_data, "NULL");
    EXPECT_EQ(fields[1].member_name, "");

    std::vector<class_datafield_info> constants;
    ASSERT_EQ(db->SelectDatafieldSummaryList(DataAnswer({Distinct(15)}), constants), 0);
    ASSERT_EQ(constants.size(), 1u);
    EXPECT_EQ(constants[0].member_name, T(2));
    EXPECT_EQ(constants[0].scmin, T(9));
    EXPECT_EQ(constants[0].description, T(14));
    EXPECT_EQ(constants[0].domain_id, 0);
    EXPECT_EQ(constants[0].type, "");
}

TEST_F(SessionTest, MethodAndInterfaceLists) {
    std::vector<class_method_info> methods;
    ASSERT_EQ(db->SelectMethodList(DataAnswer({Distinct(12), Nulls(12)}), methods), 0);
    ASSERT_EQ(methods.size(), 2u);
    const class_method_info& m = methods[0];
    EXPECT_EQ(m.type, T(0));
    EXPECT_EQ(m.code, T(1));
    EXPECT_EQ(m.name, T(2));
    EXPECT_EQ(m.in_domain_id, V(3));
    EXPECT_EQ(m.in_data, T(4));
    EXPECT_EQ(m.out_domain_id, V(5));
    EXPECT_EQ(m.out_data, T(6));
    EXPECT_EQ(m.user_id, T(7));
    EXPECT_EQ(m.description, T(8));
    EXPECT_EQ(m.domain_id, V(9));
    EXPECT_EQ(m.in_domain_name, T(10));
    EXPECT_EQ(m.out_domain_name, T(11));
    EXPECT_EQ(m.member_text, "");
    EXPECT_EQ(methods[1].in_domain_id, 0);
    EXPECT_EQ(methods[1].in_domain_name, "");
    EXPECT_EQ(methods[1].out_data, "");

    std::vector<class_method_info> members;
    ASSERT_EQ(db->SelectMemberMethodList(DataAnswer({Distinct(13), Nulls(13), With(Distinct(13), 3, "4097")}),
                                         members),
              0);
    ASSERT_EQ(members.size(), 3u);
    const class_method_info& mm = members[0];
    EXPECT_EQ(mm.member_text, T(0));
    EXPECT_EQ(mm.name, T(1));
    EXPECT_EQ(mm.type, T(2));
    EXPECT_EQ(mm.code, "0x0067");
    EXPECT_EQ(mm.in_domain_id, V(4));
    EXPECT_EQ(mm.in_domain_name, T(5));
    EXPECT_EQ(mm.in_data, T(6));
    EXPECT_EQ(mm.out_domain_id, V(7));
    EXPECT_EQ(mm.out_domain_name, T(8));
    EXPECT_EQ(mm.out_data, T(9));
    EXPECT_EQ(mm.user_id, T(10));
    EXPECT_EQ(mm.description, T(11));
    EXPECT_EQ(mm.domain_id, V(12));
    EXPECT_EQ(members[1].code, "0x0000");
    EXPECT_EQ(members[2].code, "0x1001");

    std::vector<class_method_info> candidates;
    ASSERT_EQ(db->SelectRealMethodList(DataAnswer({Distinct(3)}), candidates), 0);
    ASSERT_EQ(candidates.size(), 1u);
    EXPECT_EQ(candidates[0].domain_id, V(0));
    EXPECT_EQ(candidates[0].name, T(1));
    EXPECT_EQ(candidates[0].type, T(2));

    std::vector<class_interface_info> interfaces;
    ASSERT_EQ(db->SelectInterfaceList(DataAnswer({Distinct(5), Nulls(5)}), interfaces), 0);
    ASSERT_EQ(interfaces.size(), 2u);
    EXPECT_EQ(interfaces[0].name, T(0));
    EXPECT_EQ(interfaces[0].user_id, T(1));
    EXPECT_EQ(interfaces[0].description, T(2));
    EXPECT_EQ(interfaces[0].domain_id, V(3));
    EXPECT_EQ(interfaces[0].last_update, T(4));
    EXPECT_EQ(interfaces[1].domain_id, 0);
}

TEST_F(SessionTest, NodeLists) {
    std::vector<class_node_info> nodes;
    ASSERT_EQ(db->SelectNodeList(DataAnswer({Distinct(8), Nulls(8), With(Distinct(8), 7, "Y"),
                                             With(Distinct(8), 7, "y"), With(Distinct(8), 6, "")}),
                                 nodes),
              0);
    ASSERT_EQ(nodes.size(), 5u);
    EXPECT_EQ(nodes[0].id, V(0));
    EXPECT_EQ(nodes[0].domain_id, V(1));
    EXPECT_EQ(nodes[0].name, T(2));
    EXPECT_EQ(nodes[0].type, T(3));
    EXPECT_EQ(nodes[0].description, T(4));
    EXPECT_EQ(nodes[0].sub_system_domain_id, V(5));
    EXPECT_EQ(nodes[0].sub_system_domain_name, T(6));
    EXPECT_EQ(nodes[0].locked, 0);
    EXPECT_EQ(nodes[1].sub_system_domain_id, 0);
    EXPECT_EQ(nodes[1].sub_system_domain_name, "(Null)");
    EXPECT_EQ(nodes[1].locked, 0);
    EXPECT_EQ(nodes[2].locked, 1);
    EXPECT_EQ(nodes[3].locked, 0);
    EXPECT_EQ(nodes[4].sub_system_domain_name, "");

    class_node_info node;
    node.sub_system_domain_id = 9;
    ASSERT_EQ(db->SelectNodeInfo(DataAnswer({Distinct(8), With(Distinct(8), 2, "last")}), node), 0);
    EXPECT_EQ(node.id, V(0));
    EXPECT_EQ(node.domain_id, V(1));
    EXPECT_EQ(node.name, "last");
    EXPECT_EQ(node.type, T(3));
    EXPECT_EQ(node.description, T(4));
    EXPECT_EQ(node.sub_system_domain_id, 9);
}

TEST_F(SessionTest, ComponentLists) {
    std::vector<class_component_info> installed;
    ASSERT_EQ(db->SelectInstalledComponentList(DataAnswer({Distinct(6)}), installed), 0);
    ASSERT_EQ(installed.size(), 1u);
    EXPECT_EQ(installed[0].deployment_id, V(0));
    EXPECT_EQ(installed[0].component_id, V(1));
    EXPECT_EQ(installed[0].systemdomain_id, V(2));
    EXPECT_EQ(installed[0].name, T(3));
    EXPECT_EQ(installed[0].last_update, T(4));
    EXPECT_EQ(installed[0].description, T(5));

    std::vector<class_component_info> components;
    ASSERT_EQ(db->SelectComponentList(DataAnswer({Distinct(5)}), components), 0);
    ASSERT_EQ(components.size(), 1u);
    EXPECT_EQ(components[0].deployment_id, 0);
    EXPECT_EQ(components[0].component_id, V(0));
    EXPECT_EQ(components[0].systemdomain_id, V(1));
    EXPECT_EQ(components[0].name, T(2));
    EXPECT_EQ(components[0].last_update, T(3));
    EXPECT_EQ(components[0].description, T(4));

    class_component_info component;
    std::string text;
    ASSERT_EQ(db->SelectComponentInfo(DataAnswer({With(Distinct(11), 3, "first"), Distinct(11)}), component, text),
              0);
    EXPECT_EQ(text, T(3));
    EXPECT_EQ(component.component_id, V(4));
    EXPECT_EQ(component.systemdomain_id, V(5));
    EXPECT_EQ(component.name, T(6));
    EXPECT_EQ(component.last_update, T(7));
    EXPECT_EQ(component.description, T(8));
    EXPECT_EQ(component.deployment_id, V(10));

    class_custum_table table;
    std::vector<class_component_info> proxies;
    ASSERT_EQ(db->SelectProxyComponentList(DataAnswer({With(Distinct(9), 5, "first ip"), Distinct(9)}), proxies,
                                           &table),
              0);
    ASSERT_EQ(proxies.size(), 2u);
    EXPECT_EQ(proxies[0].component_id, V(0));
    EXPECT_EQ(proxies[0].systemdomain_id, V(1));
    EXPECT_EQ(proxies[0].name, T(2));
    EXPECT_EQ(proxies[0].last_update, T(3));
    EXPECT_EQ(proxies[0].description, T(4));
    EXPECT_EQ(proxies[0].deployment_id, V(8));
    EXPECT_EQ(proxies[0].custom_table, &table);
    EXPECT_EQ(proxies[1].custom_table, &table);
    EXPECT_EQ(table.stub_ip, T(5));  // the last row's
    EXPECT_EQ(table.stub_object_id, T(6));
}

TEST_F(SessionTest, InterfaceRelationLists) {
    std::vector<class_proxy_interface_relation_info> proxies;
    ASSERT_EQ(db->SelectProxyInterfaceList(DataAnswer({Distinct(6)}), proxies), 0);
    ASSERT_EQ(proxies.size(), 1u);
    EXPECT_EQ(proxies[0].id, V(0));
    EXPECT_EQ(proxies[0].method_domain_id, V(1));
    EXPECT_EQ(proxies[0].component_id, V(2));
    EXPECT_EQ(proxies[0].interface_name, T(3));
    EXPECT_EQ(proxies[0].method_domain_name, T(4));
    EXPECT_EQ(proxies[0].class_name, T(5));
    EXPECT_EQ(proxies[0].extra_text, "");

    std::vector<class_stub_interface_relation_info> stubs;
    ASSERT_EQ(db->SelectStubInterfaceList(DataAnswer({Distinct(6)}), stubs), 0);
    ASSERT_EQ(stubs.size(), 1u);
    EXPECT_EQ(stubs[0].id, V(0));
    EXPECT_EQ(stubs[0].method_domain_id, V(1));
    EXPECT_EQ(stubs[0].component_id, V(2));
    EXPECT_EQ(stubs[0].class_name, T(5));

    std::vector<class_interface_object_info> objects;
    ASSERT_EQ(db->SelectInterfaceObjectList(DataAnswer({Distinct(3)}), objects), 0);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].relation_id, V(0));
    EXPECT_EQ(objects[0].object_name, T(1));
    EXPECT_EQ(objects[0].component_id, V(2));
}

TEST_F(SessionTest, NetworkLists) {
    std::vector<class_network_info> ips;
    ASSERT_EQ(db->SelectNetworkList(DataAnswer({Distinct(11), Nulls(11), With(Nulls(11), 7, "a")}), ips), 0);
    ASSERT_EQ(ips.size(), 3u);
    EXPECT_EQ(ips[0].ip, T(0));
    EXPECT_EQ(ips[0].mask, T(1));
    EXPECT_EQ(ips[0].gateway, T(2));
    EXPECT_EQ(ips[0].dns, T(3));
    EXPECT_EQ(ips[0].port, T(4));
    EXPECT_EQ(ips[0].description, T(5));
    EXPECT_EQ(ips[0].node_name, T(6));
    EXPECT_EQ(ips[0].link_info, "107 / 108 / 109");
    EXPECT_EQ(ips[0].network, T(10));
    EXPECT_EQ(ips[0].id, 0);
    EXPECT_EQ(ips[1].link_info, "");
    EXPECT_EQ(ips[2].link_info, "a /  / ");

    std::vector<class_network_info> overlaps;
    ASSERT_EQ(db->SelectOverlapIpList(DataAnswer({Distinct(5)}, false), overlaps), 0);
    ASSERT_EQ(overlaps.size(), 1u);
    EXPECT_EQ(overlaps[0].node_name, T(0));
    EXPECT_EQ(overlaps[0].port, T(1));
    EXPECT_EQ(overlaps[0].ip, T(2));
    EXPECT_EQ(overlaps[0].mask, T(3));
    EXPECT_EQ(overlaps[0].description, T(4));

    std::vector<class_network_info> bindings;
    ASSERT_EQ(db->SelectDeployBindNetworkList(DataAnswer({Distinct(3)}), bindings), 0);
    ASSERT_EQ(bindings.size(), 1u);
    EXPECT_EQ(bindings[0].id, V(0));
    EXPECT_EQ(bindings[0].port, T(1));
    EXPECT_EQ(bindings[0].ip, T(2));

    std::vector<class_network_info> switches;
    ASSERT_EQ(db->SelectSwitchNetworkList(DataAnswer({Distinct(5)}), switches), 0);
    ASSERT_EQ(switches.size(), 1u);
    EXPECT_EQ(switches[0].id, V(0));
    EXPECT_EQ(switches[0].ip, T(1));
    EXPECT_EQ(switches[0].mask, T(2));
    EXPECT_EQ(switches[0].port, T(3));
    EXPECT_EQ(switches[0].network, T(4));

    std::vector<class_network_link_info> links;
    ASSERT_EQ(db->SelectNetworkLinkList(DataAnswer({Distinct(6), Nulls(6)}), links), 0);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].s_node_id, V(0));
    EXPECT_EQ(links[0].s_node_name, T(1));
    EXPECT_EQ(links[0].s_port_id, V(2));
    EXPECT_EQ(links[0].d_node_id, V(3));
    EXPECT_EQ(links[0].d_node_name, T(4));
    EXPECT_EQ(links[0].d_port_id, V(5));
    EXPECT_EQ(links[1].d_node_name, "");
}

TEST_F(SessionTest, CustomTables) {
    std::vector<class_custum_table> proxies;
    ASSERT_EQ(db->SelectCustomProxyTable(DataAnswer({Distinct(13)}), proxies), 0);
    ASSERT_EQ(proxies.size(), 1u);
    const class_custum_table& p = proxies[0];
    EXPECT_EQ(p.id, V(0));
    EXPECT_EQ(p.second_id, V(1));
    EXPECT_EQ(p.third_id, V(2));
    EXPECT_EQ(p.interface_name, T(3));
    EXPECT_EQ(p.class_name, T(4));
    EXPECT_EQ(p.object_id, T(5));
    EXPECT_EQ(p.stub_object_id, T(6));
    EXPECT_EQ(p.stub_ip, T(7));
    EXPECT_EQ(p.method_domain_name, T(8));
    EXPECT_EQ(p.method_domain_id, V(9));
    EXPECT_EQ(p.method_domain_port, V(10));
    EXPECT_EQ(p.object_name, T(11));
    EXPECT_EQ(p.is_public, V(12));

    std::vector<class_custum_table> stubs;
    ASSERT_EQ(db->SelectCustomStubTable(DataAnswer({Distinct(11)}), stubs), 0);
    ASSERT_EQ(stubs.size(), 1u);
    const class_custum_table& s = stubs[0];
    EXPECT_EQ(s.id, V(0));
    EXPECT_EQ(s.second_id, V(1));
    EXPECT_EQ(s.third_id, V(2));
    EXPECT_EQ(s.object_id, T(3));
    EXPECT_EQ(s.interface_name, T(4));
    EXPECT_EQ(s.class_name, T(5));
    EXPECT_EQ(s.method_domain_name, T(6));
    EXPECT_EQ(s.method_domain_id, V(7));
    EXPECT_EQ(s.method_domain_port, V(8));
    EXPECT_EQ(s.object_name, T(9));
    EXPECT_EQ(s.is_public, V(10));
    EXPECT_EQ(s.stub_object_id, "");
    EXPECT_EQ(s.stub_ip, "");

    std::vector<class_custum_table> setup;
    ASSERT_EQ(db->SelectSubsystemCustomTable(DataAnswer({Distinct(3)}), setup), 0);
    ASSERT_EQ(setup.size(), 1u);
    EXPECT_EQ(setup[0].id, V(0));
    EXPECT_EQ(setup[0].second_id, V(1));
    EXPECT_EQ(setup[0].is_public, V(2));
    EXPECT_EQ(setup[0].third_id, 0);
}

TEST_F(SessionTest, PortListsAndPlainColumns) {
    std::vector<class_system_domain_port_info> domainPorts;
    ASSERT_EQ(db->SelectSystemDomainPortList(DataAnswer({Distinct(4)}), domainPorts), 0);
    ASSERT_EQ(domainPorts.size(), 1u);
    EXPECT_EQ(domainPorts[0].seq, V(0));
    EXPECT_EQ(domainPorts[0].port_num, V(1));
    EXPECT_EQ(domainPorts[0].port_group, V(2));
    EXPECT_EQ(domainPorts[0].description, T(3));

    std::vector<class_node_port_info> nodePorts;
    ASSERT_EQ(db->SelectNodePortList(DataAnswer({Distinct(4)}), nodePorts), 0);
    ASSERT_EQ(nodePorts.size(), 1u);
    EXPECT_EQ(nodePorts[0].id, V(0));
    EXPECT_EQ(nodePorts[0].node_id, V(1));
    EXPECT_EQ(nodePorts[0].port_num, V(2));
    EXPECT_EQ(nodePorts[0].port_group, V(3));

    std::vector<std::pair<int, std::string>> ports;
    ASSERT_EQ(db->SelectNodeNetworkPortList(DataAnswer({Distinct(2), Nulls(2)}), ports), 0);
    EXPECT_EQ(ports, (std::vector<std::pair<int, std::string>>{{V(0), T(1)}, {0, ""}}));

    std::vector<std::string> names;
    ASSERT_EQ(db->SelectClassNameList(DataAnswer({Distinct(1), Nulls(1)}), names), 0);
    EXPECT_EQ(names, (std::vector<std::string>{T(0), ""}));

    const auto numbers = DataAnswer({Distinct(1), Nulls(1), Row{Cell("-5")}, Row{Cell("12abc")}, Row{Cell("x")}});
    std::vector<int> ids;
    ASSERT_EQ(db->SelectIdList(numbers, ids), 0);
    EXPECT_EQ(ids, (std::vector<int>{V(0), 0, -5, 12, 0}));
    std::vector<int> groups{1};
    ASSERT_EQ(db->SelectDomainLogicalList(numbers, groups), 0);
    EXPECT_EQ(groups, (std::vector<int>{1, V(0), 0, -5, 12, 0}));
}

TEST_F(SessionTest, AnswersWithFewerColumnsReadAsEmpty) {
    // A procedure that answers fewer columns than the loader reads: the missing ones read as empty and 0.
    std::vector<class_custum_table> entries;
    ASSERT_EQ(db->SelectCustomProxyTable(DataAnswer({Distinct(2)}), entries), 0);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].second_id, V(1));
    EXPECT_EQ(entries[0].third_id, 0);
    EXPECT_EQ(entries[0].object_name, "");
}

TEST_F(SessionTest, AFailingLoaderAppendsNothing) {
    std::vector<class_node_info> nodes(1);
    EXPECT_EQ(db->SelectNodeList("call fx_no_such_procedure(9)", nodes), -1);
    EXPECT_EQ(nodes.size(), 1u);
    class_node_info node;
    node.name = "kept";
    EXPECT_EQ(db->SelectNodeInfo("BEGIN NOT ATOMIC SELECT 0 AS test; END", node), -1);
    EXPECT_EQ(node.name, "kept");
}

}  // namespace
