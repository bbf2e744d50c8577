// The loaders read the sample design through the call texts that the editor sends (see
// database/sample/README.md for what the sample holds).

#include <algorithm>

#include "SessionTestSupport.h"

namespace {

using session_test::SessionTest;

template <typename Record>
const Record* Named(const std::vector<Record>& list, const std::string& name) {
    auto found = std::find_if(list.begin(), list.end(), [&](const Record& r) { return r.name == name; });
    return found == list.end() ? nullptr : &*found;
}

template <typename Record, typename Field>
std::vector<std::string> Names(const std::vector<Record>& list, Field field) {
    std::vector<std::string> names;
    for (const Record& record : list) names.push_back(record.*field);
    return names;
}

TEST_F(SessionTest, SampleDomains) {
    std::multimap<int, class_domain_info> all;
    ASSERT_EQ(db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','%s')", "method"), all), 0)
        << db->GetLastErrorText();
    ASSERT_EQ(all.size(), 3u);
    ASSERT_EQ(all.count(6), 1u);
    const class_domain_info& child = all.find(6)->second;
    EXPECT_EQ(child.id, 7);
    EXPECT_EQ(child.name, "위치서비스");
    EXPECT_EQ(child.standard_port, 10001);
    EXPECT_EQ(child.user_id, "admin");

    std::multimap<int, class_domain_info> below;
    ASSERT_EQ(db->SelectDomainAllList(db->FormatCall("call mainViewDomainList('%d','data')", 1), below), 0);
    ASSERT_EQ(below.count(1), 1u);
    EXPECT_EQ(below.find(1)->second.name, "Pos");
    ASSERT_EQ(below.count(2), 1u);
    EXPECT_EQ(below.find(2)->second.name, "센서");

    std::vector<class_domain_info> info;
    ASSERT_EQ(db->SelectDomainInfoList(db->FormatCall("call domainMethodInfo(%d,'method')", 6), "method", info), 0);
    ASSERT_EQ(info.size(), 1u);
    EXPECT_EQ(info[0].name, "NavService");
    EXPECT_EQ(info[0].standard_port, 10000);
    EXPECT_EQ(info[0].is_public, 1);
    EXPECT_EQ(info[0].description, "항법 서비스");
    EXPECT_FALSE(info[0].create_date.empty());

    ASSERT_EQ(db->SelectDomainInfoList(db->FormatCall("call domainDataInfo(%d,'data')", 2), "data", info), 0);
    ASSERT_EQ(info.size(), 1u);
    EXPECT_EQ(info[0].upper_id, 1);
    EXPECT_EQ(info[0].standard_port, 0);
    EXPECT_EQ(info[0].description, "위치 데이타");
    ASSERT_EQ(db->SelectDomainInfoList(db->FormatCall("call domainDataInfo(%d,'data')", 0), "data", info), 0);
    EXPECT_TRUE(info.empty());

    std::vector<class_domain_info> parents;
    ASSERT_EQ(db->SelectDataDomainList(db->FormatCall("call inheritance_data_dataViewDomainList(%d)", 2), "data",
                                       parents),
              0);
    EXPECT_EQ(Names(parents, &class_domain_info::name), std::vector<std::string>{"기본형"});
    ASSERT_EQ(db->SelectDataDomainList(db->FormatCall("call inheritance_method_dataViewDomainList(%d)", 7), "data",
                                       parents),
              0);
    EXPECT_EQ(parents.size(), 2u);

    std::vector<class_domain_info> real;
    ASSERT_EQ(db->SelectRealDomainList(db->FormatCall("call metadataViewNewMetadataRealdomainList(%d)", 2), real), 0);
    EXPECT_EQ(Names(real, &class_domain_info::name), (std::vector<std::string>{"Pos", "기본형"}));
    EXPECT_EQ(real[0].kind, "data");

    // The kind's prefix, then the server's path of the domain (its ancestors first).
    std::string path;
    db->GetDomainPath("data", 4, path);
    EXPECT_EQ(path.rfind("Tamo\\Data\\Nav\\Pos\\", 0), 0u) << path;
    db->GetDomainPath("method", 7, path);
    EXPECT_EQ(path.rfind("Tamo\\Method\\NavService\\", 0), 0u) << path;
    db->GetDomainPath("data", 3, path);
    EXPECT_EQ(path.rfind("Tamo\\Data\\", 0), 0u) << path;
    EXPECT_EQ(path.find("Nav"), std::string::npos) << path;
    EXPECT_TRUE(boxes.Texts().empty());

    EXPECT_EQ(db->CountResultRows(
                  db->FormatCall("call domainviewCheckOverlapDomainName(%d, %d,'%s', '%s')", 0, 1, "Pos", "data")),
              1);
}

TEST_F(SessionTest, SampleDataItems) {
    std::vector<class_metadata_info> items;
    ASSERT_EQ(db->SelectMetadataList(2, "Latitude", items), 0) << db->GetLastErrorText();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].type, "alias");
    EXPECT_EQ(items[0].domain_id, 2);
    EXPECT_EQ(items[0].real_domain_id, 3);
    EXPECT_EQ(items[0].real_domain_name, "기본형");
    EXPECT_EQ(items[0].real_data, "각도");
    EXPECT_EQ(items[0].description, "위도");
    EXPECT_NE(items[0].real_data_id, 0);
    const int angleId = items[0].real_data_id;

    ASSERT_EQ(db->SelectMetadataList(3, "", items), 0);
    const class_metadata_info* angle = Named(items, "각도");
    ASSERT_NE(angle, nullptr);
    EXPECT_EQ(angle->id, angleId);
    EXPECT_EQ(angle->type, "scaled16_t");
    EXPECT_EQ(angle->scmin, "-180.0");
    EXPECT_EQ(angle->scmax, "180.0");
    EXPECT_EQ(angle->real_domain_id, 0);
    EXPECT_EQ(angle->real_domain_name, "NULL");
    EXPECT_EQ(angle->real_data, "NULL");
    EXPECT_EQ(angle->real_data_id, 0);

    std::vector<class_metadata_info> sorted;
    ASSERT_EQ(db->SelectMetadataListByTypeSort(3, sorted), 0);
    EXPECT_EQ(sorted.size(), items.size());

    std::vector<class_metadata_info> real;
    ASSERT_EQ(db->SelectRealMetadataList(db->FormatCall("call metadataViewNewMetadataRealmetadataList(%d)", 3), real),
              0);
    const class_metadata_info* speed = Named(real, "속도");
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->type, "u_scaled16_t");
    EXPECT_EQ(speed->scmax, "500.0");
    EXPECT_EQ(speed->description, "노트 단위 속도");
    EXPECT_EQ(speed->user_id, "admin");

    EXPECT_EQ(db->ExecuteStatus(db->FormatCall("call check_child_depth_limit_loop(%d, '%s', %d)", 2, "Latitude", 0)),
              0);
}

TEST_F(SessionTest, SampleFieldsAndConstants) {
    std::vector<class_datafield_info> fields;
    ASSERT_EQ(db->SelectDatafieldList(db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", 2, "위치"),
                                      fields),
              0);
    const std::vector<std::string> names = Names(fields, &class_datafield_info::member_name);
    ASSERT_GE(names.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 8),
              (std::vector<std::string>{"lat", "lon", "고도", "history", "samples", "flags", "quality", "speed"}));
    EXPECT_EQ(fields[0].type, "alias");
    EXPECT_EQ(fields[0].real_domain_id, 2);
    EXPECT_EQ(fields[0].real_domain_name, "Pos");
    EXPECT_EQ(fields[0].real_data, "Latitude");
    EXPECT_EQ(fields[2].real_domain_name, "NULL");
    EXPECT_EQ(fields[2].real_data, "NULL");
    EXPECT_EQ(fields[3].arraytype, "FIX");
    EXPECT_EQ(fields[3].arraysize, 8);
    EXPECT_EQ(fields[4].arraytype, "VARIABLE");
    EXPECT_EQ(fields[5].bitsize, 4);
    EXPECT_EQ(fields[7].scmax, "50.0");
    EXPECT_EQ(fields[1].data_name, "위치");
    EXPECT_EQ(fields[1].domain_id, 2);

    std::vector<class_datafield_info> constants;
    ASSERT_EQ(db->SelectDatafieldSummaryList(
                  db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", 3, "상태"), constants),
              0);
    ASSERT_EQ(constants.size(), 3u);
    EXPECT_EQ(constants[2].member_name, "정박");
    EXPECT_EQ(constants[2].scmin, "2");
    EXPECT_EQ(constants[2].description, "harbour's berth");
}

TEST_F(SessionTest, SampleMethodsAndInterfaces) {
    std::vector<class_method_info> methods;
    ASSERT_EQ(db->SelectMethodList(db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')", 6),
                                   methods),
              0);
    EXPECT_EQ(methods.size(), 10u);
    const class_method_info* get = Named(methods, "GetPosition");
    ASSERT_NE(get, nullptr);
    EXPECT_EQ(get->type, "CALL");
    EXPECT_EQ(get->code, "1");
    EXPECT_EQ(get->in_domain_id, 1);
    EXPECT_EQ(get->in_domain_name, "Nav");
    EXPECT_EQ(get->in_data, "Waypoint");
    EXPECT_EQ(get->out_domain_id, 2);
    EXPECT_EQ(get->out_domain_name, "Pos");
    EXPECT_EQ(get->out_data, "위치");
    EXPECT_EQ(get->domain_id, 6);
    const class_method_info* ping = Named(methods, "Ping");
    ASSERT_NE(ping, nullptr);
    EXPECT_EQ(ping->in_domain_id, 0);
    EXPECT_EQ(ping->in_domain_name, "");
    EXPECT_EQ(ping->out_data, "");

    std::vector<class_interface_info> interfaces;
    ASSERT_EQ(db->SelectInterfaceList(db->FormatCall("call interfaceViewInterfaceList('%d','method','%%')", 6),
                                      interfaces),
              0);
    ASSERT_EQ(interfaces.size(), 3u);
    const class_interface_info* navigation = Named(interfaces, "INavigation");
    ASSERT_NE(navigation, nullptr);
    EXPECT_EQ(navigation->domain_id, 6);
    EXPECT_EQ(navigation->description, "항법 인터페이스");

    std::vector<class_method_info> members;
    ASSERT_EQ(db->SelectMemberMethodList(
                  db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')", 6, "INavigation"), members),
              0);
    EXPECT_EQ(Names(members, &class_method_info::name),
              (std::vector<std::string>{"GetPosition", "PositionChanged", "NavInfo", "CourseChanged"}));
    EXPECT_EQ(members[0].code, "0x0001");
    EXPECT_EQ(members[3].code, "0x1001");
    EXPECT_EQ(members[3].type, "EVENT");
    EXPECT_EQ(members[3].out_data, "Course");
    EXPECT_EQ(members[0].domain_id, 6);

    std::vector<class_method_info> candidates;
    ASSERT_EQ(db->SelectRealMethodList(db->FormatCall("call interfaceViewNewMemberMethodRealmethodList(%d,%d,'%s')",
                                                      6, 6, "IWaypoint"),
                                       candidates),
              0);
    EXPECT_EQ(candidates.size(), 6u);
    EXPECT_EQ(Named(candidates, "SetWaypoint"), nullptr);

    CString report;
    EXPECT_EQ(db->CheckMethodCode(db->FormatCall("call check_method_code(%d, %ld,'%s' , '%s')", 6, 16L, "SIGNAL", ""),
                                  report),
              1);
    EXPECT_EQ(report.Find("* Codde 중복 *\n"), 0);
    EXPECT_NE(report.Find("SetWaypoint"), -1);
    EXPECT_EQ(db->CheckMethodCode(db->FormatCall("call check_method_code(%d, %ld,'%s' , '%s')", 6, 16L, "SIGNAL",
                                                 "SetWaypoint"),
                                  report),
              0);
}

TEST_F(SessionTest, SampleAccountsMembersAndSearch) {
    std::vector<account_row> accounts;
    ASSERT_EQ(db->SelectAccountRows(db->FormatCall("call acountlistViewAcountList('%%%s%%')", ""), accounts), 0);
    EXPECT_GE(accounts.size(), 4u);
    ASSERT_EQ(db->SelectAccountRows("call acountViewUserinfo()", accounts), 0);
    EXPECT_EQ(accounts.back().user_id, "admin");
    EXPECT_EQ(accounts.back().administrator, "1");

    std::vector<class_member_domain> members;
    ASSERT_EQ(db->SelectMemberDomainList(
                  db->FormatCall("call userViewUserList(%d,'%s','%%%s%%','%s')", 1, "data", "", "all"), members),
              0);
    EXPECT_EQ(members.size(), 3u);

    std::vector<std::string> lines;
    db->QueryReferenceList(db->FormatCall("call select_search_data_name('%s')", "Latitude"), lines);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[타입]alias [이름]Latitude [경로]Nav\\Pos\\"), lines.end())
        << (lines.empty() ? "" : lines[0]);

    CString report;
    EXPECT_GE(db->CollectCheckReport(db->FormatCall("call standard_portViewCheckPort('%s/%%')", "80"), report), 1);
    EXPECT_NE(report.Find("80/"), -1) << report.GetString();
    EXPECT_TRUE(boxes.Texts().empty());
}

// The sample's system domain Ship (9) with its sub-systems 조타실 (10) and 기관실 (11).
class SampleSystemTest : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        ASSERT_EQ(db->SelectNodeList(db->FormatCall("call nodeViewList(%d)", 9), shipNodes), 0)
            << db->GetLastErrorText();
        ASSERT_EQ(db->SelectComponentList(db->FormatCall("call componentViewList('%d')", 9), shipComponents), 0);
    }

    int NodeId(const std::string& name) const {
        const class_node_info* node = Named(shipNodes, name);
        return node ? node->id : 0;
    }
    int ComponentId(const std::string& name) const {
        const class_component_info* component = Named(shipComponents, name);
        return component ? component->component_id : 0;
    }

    std::vector<class_node_info> shipNodes;
    std::vector<class_component_info> shipComponents;
};

TEST_F(SampleSystemTest, NodesAndPorts) {
    const class_node_info* router = Named(shipNodes, "주 라우터");
    ASSERT_NE(router, nullptr);
    EXPECT_EQ(router->type, "urouter");
    EXPECT_EQ(router->domain_id, 9);
    EXPECT_EQ(router->sub_system_domain_id, 0);
    EXPECT_EQ(router->locked, 0);
    const class_node_info* bridge = Named(shipNodes, "조타실 시스템");
    ASSERT_NE(bridge, nullptr);
    EXPECT_EQ(bridge->type, "sub_system");
    EXPECT_EQ(bridge->sub_system_domain_id, 10);
    EXPECT_EQ(bridge->sub_system_domain_name, "조타실");
    EXPECT_EQ(bridge->locked, 1);
    const class_node_info* sensor = Named(shipNodes, "기관 센서");
    ASSERT_NE(sensor, nullptr);
    EXPECT_EQ(sensor->sub_system_domain_id, 11);
    EXPECT_EQ(sensor->locked, 0);
    ASSERT_NE(Named(shipNodes, "Captain's PC"), nullptr);

    class_node_info node;
    ASSERT_EQ(db->SelectNodeInfo(db->FormatCall("call nodeViewnodeinfo(%d)", router->id), node), 0);
    EXPECT_EQ(node.name, "주 라우터");
    EXPECT_EQ(node.description, "선박 주 라우터");
    std::vector<class_node_info> one;
    ASSERT_EQ(db->SelectNodeList(db->FormatCall("call nodeViewListnodeKey(%d)", bridge->id), one), 0);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].locked, 1);

    std::vector<class_system_domain_port_info> ports;
    ASSERT_EQ(db->SelectSystemDomainPortList(db->FormatCall("call systemDomainPortViewList(%d)", 9), ports), 0);
    ASSERT_EQ(ports.size(), 3u);
    EXPECT_EQ(ports[2].port_num, 3);
    EXPECT_EQ(ports[2].port_group, 3);
    EXPECT_EQ(ports[2].description, "위성 링크");
    std::vector<int> groups;
    ASSERT_EQ(db->SelectDomainLogicalList(db->FormatCall("call domainLogicalViewlist(%d)", 9), groups), 0);
    EXPECT_EQ(groups, (std::vector<int>{1, 3}));

    std::vector<class_node_port_info> nodePorts;
    ASSERT_EQ(db->SelectNodePortList(db->FormatCall("call nodeportViewNodeportInfo(%d)", NodeId("항해 컴퓨터")),
                                     nodePorts),
              0);
    ASSERT_FALSE(nodePorts.empty());
    EXPECT_EQ(nodePorts[0].node_id, NodeId("항해 컴퓨터"));
    EXPECT_EQ(nodePorts[0].port_num, 1);

    std::vector<std::pair<int, std::string>> linkPorts;
    ASSERT_EQ(db->SelectNodeNetworkPortList(db->FormatCall("call nodeViewNetworkPort(%d,%d)", 9, 0), linkPorts), 0);
    EXPECT_EQ(linkPorts.size(), 3u);
    EXPECT_EQ(linkPorts[0], (std::pair<int, std::string>{1, "외부 LAN"}));
}

TEST_F(SampleSystemTest, NetworksAndLinks) {
    std::vector<class_network_link_info> links;
    ASSERT_EQ(db->SelectNetworkLinkList(db->FormatCall("call NetworklinkViewNetworkinkList(%d)", 9), links), 0);
    EXPECT_EQ(links.size(), 6u);
    auto external = std::find_if(links.begin(), links.end(), [](const auto& l) { return l.d_node_id == 0; });
    ASSERT_NE(external, links.end());
    EXPECT_EQ(external->s_node_name, "주 라우터");
    EXPECT_EQ(external->s_port_id, 3);
    EXPECT_EQ(external->d_port_id, 3);

    std::vector<class_network_info> ips;
    ASSERT_EQ(db->SelectNetworkList(db->FormatCall("call networkViewList(%d)", NodeId("주 라우터")), ips), 0);
    ASSERT_EQ(ips.size(), 2u);
    EXPECT_EQ(ips[0].ip, "192.168.1.1");
    EXPECT_EQ(ips[0].mask, "255.255.255.0");
    EXPECT_EQ(ips[0].network, "192.168.1.X");
    EXPECT_EQ(ips[0].port, "1");
    EXPECT_EQ(ips[0].description, "선박 LAN 게이트웨이");

    std::vector<class_network_info> linked;
    ASSERT_EQ(db->SelectSwitchNetworkList(db->FormatCall("call networkLinkViewConnectSwitch(%d)", NodeId("스위치 A")),
                                          linked),
              0);
    auto nav = std::find_if(linked.begin(), linked.end(), [&](const auto& n) { return n.id == NodeId("항해 컴퓨터"); });
    ASSERT_NE(nav, linked.end());
    EXPECT_EQ(nav->ip, "192.168.1.10");
    EXPECT_EQ(nav->network, "항해 컴퓨터");

    std::vector<int> components;
    ASSERT_EQ(db->SelectIdList(db->FormatCall("call switchSubComponentInfo(%d)", NodeId("항해 컴퓨터")), components), 0);
    EXPECT_EQ(components, std::vector<int>{ComponentId("항법 관리자")});

    std::vector<class_network_info> overlaps;
    EXPECT_EQ(db->SelectOverlapIpList(db->FormatCall("call check_overlap_ip(%d, %d, %d)", 9, NodeId("항해 컴퓨터"), 1),
                                      overlaps),
              0)
        << db->GetLastErrorText();
    EXPECT_EQ(db->Execute(db->FormatCall("call select_network(%d)", NodeId("조타실 시스템"))), 0)
        << db->GetLastErrorText();
}

TEST_F(SampleSystemTest, ComponentsClassesAndObjects) {
    const int manager = ComponentId("항법 관리자");
    ASSERT_NE(manager, 0);
    EXPECT_EQ(shipComponents.size(), 2u);
    EXPECT_EQ(Named(shipComponents, "항법 관리자")->systemdomain_id, 9);

    std::vector<class_proxy_interface_relation_info> proxies;
    ASSERT_EQ(db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", manager), proxies), 0);
    ASSERT_EQ(proxies.size(), 1u);
    EXPECT_EQ(proxies[0].component_id, manager);
    EXPECT_EQ(proxies[0].method_domain_id, 6);
    EXPECT_EQ(proxies[0].interface_name, "INavigation");
    EXPECT_EQ(proxies[0].method_domain_name, "NavService");
    EXPECT_EQ(proxies[0].class_name, "class_Navigation");

    std::vector<class_stub_interface_relation_info> stubs;
    ASSERT_EQ(db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", manager), stubs), 0);
    ASSERT_EQ(stubs.size(), 1u);
    EXPECT_EQ(stubs[0].interface_name, "IWaypoint");
    std::vector<class_stub_interface_relation_info> deployed;
    ASSERT_EQ(db->SelectStubInterfaceList(db->FormatCall("call deployComponentViewInterfaceinfo(%d)", manager),
                                          deployed),
              0);

    std::vector<class_interface_object_info> objects;
    ASSERT_EQ(db->SelectInterfaceObjectList(db->FormatCall("call proxyInterfaceObjectViewList(%d)", proxies[0].id),
                                            objects),
              0);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].relation_id, proxies[0].id);
    EXPECT_EQ(objects[0].object_name, "object_proxy_nav");
    EXPECT_EQ(objects[0].component_id, manager);

    std::vector<std::string> classNames;
    ASSERT_EQ(db->SelectClassNameList(db->FormatCall("call proxyInterfaceRelationViewClassNameList(%d, %d, '%s')",
                                                     manager, 6, "INavigation"),
                                      classNames),
              0);
    EXPECT_EQ(classNames, std::vector<std::string>{"class_Navigation"});

    EXPECT_EQ(db->CheckSystemLock(db->FormatCall("call check_system_lock_component(%d, %d)", 9, manager)), 0);
    EXPECT_EQ(db->CheckSystemLock(db->FormatCall("call check_system_lock_proxy_class(%d)", proxies[0].id)), 0);
    EXPECT_EQ(db->CheckSystemLock(db->FormatCall("call check_system_lock_interface(%d, '%s')", 6, "IWaypoint")), 0);
}

TEST_F(SampleSystemTest, DeploymentsAndCustomEntries) {
    const int navPc = NodeId("항해 컴퓨터");
    const int captainPc = NodeId("Captain's PC");
    const int manager = ComponentId("항법 관리자");
    const int display = ComponentId("위치 표시기");

    std::vector<class_component_info> installed;
    ASSERT_EQ(db->SelectInstalledComponentList(db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", 9, navPc),
                                               installed),
              0);
    ASSERT_EQ(installed.size(), 1u);
    EXPECT_EQ(installed[0].component_id, manager);
    EXPECT_EQ(installed[0].name, "항법 관리자");
    EXPECT_NE(installed[0].deployment_id, 0);

    std::vector<int> deployments;
    ASSERT_EQ(db->SelectIdList(db->FormatCall("call deploymentsViewDeploymentslist(%d, %d)", 9, manager), deployments),
              0);
    EXPECT_EQ(deployments, std::vector<int>{installed[0].deployment_id});
    std::vector<class_network_info> bindings;
    ASSERT_EQ(db->SelectDeployBindNetworkList(
                  db->FormatCall("call deployments_bind_table_info(%d)", installed[0].deployment_id), bindings),
              0);

    std::vector<class_component_info> available;
    ASSERT_EQ(db->SelectComponentList(db->FormatCall("call nodeDeploymentViewComponentList(%d, %d)", 9, navPc),
                                      available),
              0);

    std::vector<class_custum_table> proxies;
    ASSERT_EQ(db->SelectCustomProxyTable(db->FormatCall("call coustim_proxyViewlistinfo(%d, %d)", captainPc, display),
                                         proxies),
              0);
    ASSERT_EQ(proxies.size(), 2u);
    const auto wp = std::find_if(proxies.begin(), proxies.end(),
                                 [](const auto& e) { return e.object_name == "object_proxy_wp"; });
    ASSERT_NE(wp, proxies.end());
    EXPECT_EQ(wp->interface_name, "IWaypoint");
    EXPECT_EQ(wp->class_name, "class_Waypoint");
    EXPECT_EQ(wp->object_id, "103");
    EXPECT_EQ(wp->stub_object_id, "201");
    EXPECT_EQ(wp->stub_ip, "192.168.1.10");
    EXPECT_EQ(wp->method_domain_name, "NavService");
    EXPECT_EQ(wp->method_domain_id, 6);
    std::vector<class_custum_table> drawn;
    ASSERT_EQ(db->SelectCustomProxyTable(
                  db->FormatCall("call draw_deployComponentProxyInterfaceList(%d, %d, %d)", 9, captainPc, display),
                  drawn),
              0);

    std::vector<class_custum_table> stubs;
    ASSERT_EQ(db->SelectCustomStubTable(db->FormatCall("call coustim_stubViewlistinfo(%d, %d)", navPc, manager), stubs),
              0);
    ASSERT_EQ(stubs.size(), 1u);
    EXPECT_EQ(stubs[0].object_id, "201");
    EXPECT_EQ(stubs[0].interface_name, "IWaypoint");
    EXPECT_EQ(stubs[0].class_name, "class_Waypoint");
    EXPECT_EQ(stubs[0].method_domain_name, "NavService");
    EXPECT_EQ(stubs[0].method_domain_id, 6);
    EXPECT_EQ(stubs[0].method_domain_port, 10000);
    EXPECT_EQ(stubs[0].object_name, "object_stub_wp");

    // The stub that the proxy entry calls, and the proxies that call the stub.
    class_component_info called;
    std::string text;
    ASSERT_EQ(db->SelectComponentInfo(db->FormatCall("call nodecomponentViewstubcomponentlist(%d, '%s', %d)",
                                                     string_to_int(wp->stub_object_id.c_str()), wp->stub_ip, 9),
                                      called, text),
              0)
        << db->GetLastErrorText();
    EXPECT_EQ(called.component_id, manager);
    class_custum_table table;
    std::vector<class_component_info> callers;
    ASSERT_EQ(db->SelectProxyComponentList(
                  db->FormatCall("call nodeComponentViewProxyComponentList(%d, %d, '%s', %d, %d)", navPc, 201,
                                 "IWaypoint", 9, manager),
                  callers, &table),
              0)
        << db->GetLastErrorText();
    ASSERT_FALSE(callers.empty());
    EXPECT_EQ(callers[0].component_id, display);
    EXPECT_EQ(callers[0].custom_table, &table);
    EXPECT_EQ(table.stub_ip, "192.168.1.10");

    std::vector<class_component_info> onlyProxies;
    ASSERT_EQ(db->SelectInstalledComponentList(
                  db->FormatCall("call select_all_deploy_component_only_proxy(%d)", 9), onlyProxies),
              0);
    ASSERT_EQ(onlyProxies.size(), 1u);
    EXPECT_EQ(onlyProxies[0].component_id, display);
    EXPECT_EQ(onlyProxies[0].deployment_id, captainPc);
    std::vector<class_component_info> calledStubs;
    ASSERT_EQ(db->SelectInstalledComponentList(
                  db->FormatCall("call select_all_deploy_stub_component(%d, %d)", 9, display), calledStubs),
              0);
}

TEST_F(SampleSystemTest, LocksAndSubsystems) {
    const int bridgeNode = NodeId("조타실 시스템");
    EXPECT_EQ(db->CheckSystemLock(db->FormatCall("call check_system_lock_domain(%d)", 10)), 1);
    EXPECT_EQ(db->CheckSystemLock(db->FormatCall("call check_system_lock_domain(%d)", 11)), 0);

    std::vector<class_custum_table> setup;
    ASSERT_EQ(db->SelectSubsystemCustomTable(
                  db->FormatCall("call setup_public_interface_to_subsystem(%d, %d)", bridgeNode, 0), setup),
              0)
        << db->GetLastErrorText();

    CString report;
    std::vector<class_component_info> bridgeComponents;
    ASSERT_EQ(db->SelectComponentList(db->FormatCall("call componentViewList(%d)", 10), bridgeComponents), 0);
    const class_component_info* helm = Named(bridgeComponents, "조타 제어기");
    ASSERT_NE(helm, nullptr);
    EXPECT_GE(db->CheckInstalledInSubsystem(
                  db->FormatCall("call check_clone_component(%d, %d)", 10, helm->component_id), report),
              1)
        << db->GetLastErrorText();
    EXPECT_NE(report.Find("도메인 : Ship / 노드 : 조타실 시스템\n "), -1) << report.GetString();
}

}  // namespace
