// What the properties pane shows of each item kind: the rows that depend on the record, the code formatting
// and the choosers' tables.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PropertyGroups.h"
#include "SessionRecords.h"
#include "TreeNodeData.h"

namespace {

// The rows as "name=value", or "name=value|description" when `withDescriptions`.
std::vector<std::string> Lines(const PropertyGroup& group, bool withDescriptions = false) {
    std::vector<std::string> lines;
    for (const PropertyRow& row : group.rows)
        lines.push_back(row.name + "=" + row.value + (withDescriptions ? "|" + row.description : ""));
    return lines;
}

TEST(PropertyGroupsTest, MethodCodesShowFourOrMoreHexDigits) {
    const struct {
        const char* stored;
        const char* shown;
    } methods[] = {{"26", "001A"}, {"4660", "1234"}, {"65536", "10000"}, {"", "0000"}, {"Code", "0000"},
                   {"-1", "FFFFFFFF"}};
    for (const auto& method : methods) EXPECT_EQ(MethodCodeDigits(method.stored), method.shown) << method.stored;
    // A member method's code comes written already.
    EXPECT_EQ(MemberMethodCodeDigits("0x001A"), "001A");
    EXPECT_EQ(MemberMethodCodeDigits("0x10000"), "10000");
    EXPECT_EQ(MemberMethodCodeDigits("0x"), "");

    class_method_info method;
    method.name = "Open";
    const PropertyGroup group = MethodPropertyGroup(method, MethodCodeDigits("26"));
    EXPECT_EQ(group.name, "Method 정보");
    EXPECT_EQ(Lines(group)[1], "코드=001A");
}

TEST(PropertyGroupsTest, DomainShowsItsPortInDecimalAndItsVisibility) {
    class_domain_info domain;
    domain.name = "NavService";
    domain.user_id = "admin";
    domain.standard_port = 65535;
    domain.create_date = "2024-01-02 03:04:05";
    domain.last_update = "2024-02-03 04:05:06";
    domain.description = "항법 서비스";
    domain.is_public = 0;
    EXPECT_EQ(Lines(DomainPropertyGroup(domain), true),
              (std::vector<std::string>{"도메인명=NavService|도메인 이름",
                                        "Port=65535|Method Domain의 표준 포트 번호입니다",
                                        "등록자=admin|Domain을 생성한 사용자명 입니다",
                                        "생성날짜=2024-01-02 03:04:05|Domain을 생성한 날짜 입니다",
                                        "수정날짜=2024-02-03 04:05:06|Domain을 마지막 수정 날짜 입니다",
                                        "공개여부=Private|비공개, 공개 여부를 결정합니다",
                                        "간략설명=항법 서비스|항법 서비스"}));
    for (int flag : {1, 7, -1}) {
        domain.is_public = flag;
        EXPECT_EQ(Lines(DomainPropertyGroup(domain))[5], "공개여부=public") << flag;
    }
}

TEST(PropertyGroupsTest, FieldRowsFollowTheFieldType) {
    class_datafield_info field;
    field.member_name = "heading";
    field.type = "alias";
    field.real_domain_name = "기본형";
    field.real_data = "각도";
    field.bitsize = 16;
    field.arraytype = "FIX";
    field.arraysize = 4;
    field.scmin = "-180.0";
    field.last_update = "2024-01-01 00:00:00";
    field.description = "방향";
    EXPECT_EQ(Lines(DataFieldPropertyGroup(field, TREE_STRUCT_FIELD)),
              (std::vector<std::string>{"Name=heading", "RealDomain명=기본형", "RealData명=각도", "Type=alias",
                                        "Physical=", "Bitsize=16", "Scimin=-180.0", "Scimax=", "Arraytype=FIX",
                                        "Arraysize=4", "수정날짜=2024-01-01 00:00:00", "간략설명=방향"}));

    // An enumeration constant carries its value in the minimum; "Alias" is no alias.
    field.type = "Alias";
    field.scmin = "3";
    EXPECT_EQ(Lines(DataFieldPropertyGroup(field, TREE_ENUM_CONSTANT)),
              (std::vector<std::string>{"Name=heading", "상수값=3", "수정날짜=2024-01-01 00:00:00", "간략설명=방향"}));
}

TEST(PropertyGroupsTest, EveryAccountRowGivesFourRows) {
    account_row admin{"admin", "", "1", "1", "1", "관리자"};
    account_row user{"user", "", "0", "0", "0", "일반 사용자"};
    const PropertyGroup group = UserPropertyGroup({admin, user});
    EXPECT_EQ(group.name, "사용자 정보");
    EXPECT_EQ(Lines(group, true),
              (std::vector<std::string>{"사용자ID=admin|사용자 ID입니다", "관리자계정권한=관리자|",
                                        "신규계정권한=있음|이 계정은 다른 계정을 생성할 수 있습니다",
                                        "도메인계정권한=있음|이 계정은 도메인을 생성할 수 있습니다",
                                        "사용자ID=user|사용자 ID입니다", "관리자계정권한=일반사용자|",
                                        "신규계정권한=없음|이 계정은 다른 계정을 생성할 수 없습니다.",
                                        "도메인계정권한=없음|이 계정은 도메인을 생성할 수 없습니다."}));
}

TEST(PropertyGroupsTest, ChoosersListEachKeyOnceAndKeepItsFirstRow) {
    std::vector<class_network_info> addresses(3);
    addresses[0].ip = "192.168.1.1";
    addresses[0].mask = "255.255.255.0";
    addresses[1].ip = "10.0.0.1";
    addresses[1].mask = "255.0.0.0";
    addresses[2].ip = "192.168.1.1";
    addresses[2].mask = "255.255.0.0";
    std::map<std::string, class_network_info> table;
    table["172.16.0.5"] = class_network_info();  // a node shown before
    const PropertyGroup group = IpChooserGroup(addresses, table);
    EXPECT_EQ(group.name, "IP 정보");
    ASSERT_EQ(group.rows.size(), 1u);
    const PropertyRow& chooser = group.rows[0];
    EXPECT_EQ(chooser.name + "=" + chooser.value + "|" + chooser.description, "IP_Info=IP를 선택해 주세요|IP주소");
    EXPECT_EQ(chooser.data, static_cast<DWORD_PTR>(PROPERTY_IP_CHOOSER));
    EXPECT_EQ(chooser.options, (std::vector<std::string>{"192.168.1.1", "10.0.0.1"}));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.at("192.168.1.1").mask, "255.255.255.0");

    // A node without IPs: a chooser with nothing to offer, and nothing left to choose from.
    EXPECT_TRUE(IpChooserGroup({}, table).rows[0].options.empty());
    EXPECT_TRUE(table.empty());

    std::vector<class_stub_interface_relation_info> interfaces(2);
    interfaces[0].interface_name = "IHeartbeat";
    interfaces[1].interface_name = "I위치";
    std::map<std::string, class_stub_interface_relation_info> interfaceTable;
    const PropertyRow interfaceChooser = InterfaceChooserGroup(interfaces, interfaceTable).rows[0];
    EXPECT_EQ(interfaceChooser.name + "=" + interfaceChooser.value, "interface_Info=Interface를 선택해 주세요");
    EXPECT_EQ(interfaceChooser.data, static_cast<DWORD_PTR>(PROPERTY_INTERFACE_CHOOSER));
    EXPECT_EQ(interfaceChooser.options, (std::vector<std::string>{"IHeartbeat", "I위치"}));
    EXPECT_EQ(interfaceTable.size(), 2u);
}

TEST(PropertyGroupsTest, InstalledComponentShowsOnePairPerBinding) {
    class_component_info component;
    component.name = "항법 관리자";
    component.deployment_id = 12;
    component.last_update = "2024-01-01 00:00:00";
    std::vector<class_network_info> bindings(2);
    bindings[0].port = "1";
    bindings[0].ip = "192.168.1.1";
    bindings[1].port = "3";
    bindings[1].ip = "10.0.0.1";
    EXPECT_EQ(Lines(DeployedComponentPropertyGroup(component, bindings)),
              (std::vector<std::string>{"컴포넌트명=항법 관리자", "배치ID=12", "설정 port=1", "설정 IP=192.168.1.1",
                                        "설정 port=3", "설정 IP=10.0.0.1", "수정날짜=2024-01-01 00:00:00",
                                        "간략설명="}));
    EXPECT_EQ(Lines(DeployedComponentPropertyGroup(component, {})),
              (std::vector<std::string>{"컴포넌트명=항법 관리자", "배치ID=12", "수정날짜=2024-01-01 00:00:00",
                                        "간략설명="}));
}

TEST(PropertyGroupsTest, MemberMethodsShowTypeNameAndData) {
    std::vector<class_method_info> methods(2);
    methods[0].type = "CALL";
    methods[0].name = "Open";
    methods[0].in_data = "A";
    methods[0].out_data = "B";
    methods[1].type = "SIGNAL";
    methods[1].name = "Ping";
    const PropertyGroup group = MemberMethodGroup(methods);
    EXPECT_EQ(group.name, "Method Type / Method_name (in, out)");
    EXPECT_EQ(Lines(group), (std::vector<std::string>{" Type : CALL=Open ( A , B)", " Type : SIGNAL=Ping (  , )"}));
    EXPECT_TRUE(MemberMethodGroup({}).rows.empty());
}

TEST(PropertyGroupsTest, CustomProxyEntriesAlsoShowTheServerSide) {
    class_custum_table entry;
    entry.method_domain_name = "NavService";
    entry.interface_name = "IWaypoint";
    entry.class_name = "class_Waypoint";
    entry.object_name = "object_proxy_wp";
    entry.object_id = "103";
    entry.is_public = 1;
    entry.stub_object_id = "201";
    entry.stub_ip = "192.168.1.10";
    const std::vector<std::string> stub = {"Method_Domain명=NavService", "인터페이스명=IWaypoint",
                                           "클래스명=class_Waypoint",    "객체명=object_proxy_wp",
                                           "object_id=103",              "pubilc=1"};
    EXPECT_EQ(Lines(ComponentInterfacePropertyGroup(entry, TREE_INSTALLED_STUB)), stub);
    std::vector<std::string> proxy = stub;
    proxy.insert(proxy.end(), {"stub_object_id=201", "stub_ip=192.168.1.10"});
    EXPECT_EQ(Lines(ComponentInterfacePropertyGroup(entry, TREE_INSTALLED_PROXY)), proxy);
}

}  // namespace
