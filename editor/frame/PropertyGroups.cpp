#include "PropertyGroups.h"

#include <algorithm>
#include <utility>

#include "SessionRecords.h"
#include "TreeNodeData.h"

namespace {

PropertyRow Row(std::string name, std::string value, std::string description = "") {
    PropertyRow row;
    row.name = std::move(name);
    row.value = std::move(value);
    row.description = std::move(description);
    return row;
}

// The short description row, which describes itself with its own text.
PropertyRow DescriptionRow(const std::string& description) { return Row("간략설명", description, description); }

// A chooser: a prompt as its value and the options it offers, each once.
PropertyRow Chooser(std::string name, std::string prompt, std::string description, DWORD_PTR data,
                    const std::vector<std::string>& keys) {
    PropertyRow row = Row(std::move(name), std::move(prompt), std::move(description));
    row.data = data;
    for (const std::string& key : keys)
        if (std::find(row.options.begin(), row.options.end(), key) == row.options.end()) row.options.push_back(key);
    return row;
}

// Refills `table` from the rows under the key of each; the first row of a key stays. Returns the keys in row order.
template <class Record, class KeyOf>
std::vector<std::string> FillTable(const std::vector<Record>& rows, std::map<std::string, Record>& table, KeyOf keyOf) {
    table.clear();
    std::vector<std::string> keys;
    for (const Record& row : rows) {
        keys.push_back(keyOf(row));
        table.emplace(keys.back(), row);
    }
    return keys;
}

// Proxy and stub classes share their layout and their rows.
template <class ClassRecord>
PropertyGroup InterfaceClassGroup(std::string name, const ClassRecord& relation) {
    return {std::move(name),
            {Row("클래스명", relation.class_name, "상위 interface를 상속 받은 Class입니다"),
             Row("메서드도메인명", relation.method_domain_name, "Interface가 속한 MethodDomain 입니다"),
             Row("인터페이스명", relation.interface_name,
                 "Method Domain에서 정의 후 Component에 정의 한 Interface입니다")}};
}

}  // namespace

std::string MemberMethodCodeDigits(const std::string& hexCode) { return hexCode.size() > 2 ? hexCode.substr(2) : ""; }

PropertyGroup UserPropertyGroup(const std::vector<account_row>& accounts) {
    PropertyGroup group{"사용자 정보", {}};
    for (const account_row& account : accounts) {
        const bool mayCreateAccounts = account.may_create_account != "0";
        const bool mayCreateDomains = account.may_create_domain != "0";
        group.rows.push_back(Row("사용자ID", account.user_id.str(), "사용자 ID입니다"));
        group.rows.push_back(Row("관리자계정권한", account.administrator == "0" ? "일반사용자" : "관리자"));
        group.rows.push_back(Row("신규계정권한", mayCreateAccounts ? "있음" : "없음",
                                 mayCreateAccounts ? "이 계정은 다른 계정을 생성할 수 있습니다"
                                                   : "이 계정은 다른 계정을 생성할 수 없습니다."));
        group.rows.push_back(Row("도메인계정권한", mayCreateDomains ? "있음" : "없음",
                                 mayCreateDomains ? "이 계정은 도메인을 생성할 수 있습니다"
                                                  : "이 계정은 도메인을 생성할 수 없습니다."));
    }
    return group;
}

PropertyGroup DomainPropertyGroup(const class_domain_info& domain) {
    return {"도메인 정보",
            {Row("도메인명", domain.name, "도메인 이름"),
             Row("Port", std::to_string(domain.standard_port), "Method Domain의 표준 포트 번호입니다"),
             Row("등록자", domain.user_id, "Domain을 생성한 사용자명 입니다"),
             Row("생성날짜", domain.create_date, "Domain을 생성한 날짜 입니다"),
             Row("수정날짜", domain.last_update, "Domain을 마지막 수정 날짜 입니다"),
             Row("공개여부", domain.is_public != 0 ? "public" : "Private", "비공개, 공개 여부를 결정합니다"),
             DescriptionRow(domain.description)}};
}

PropertyGroup DataPropertyGroup(const class_metadata_info& data) {
    return {"Data 정보",
            {Row("데이터", data.name, "선택하신 Data Name입니다"), Row("타입", data.type, "Data Type"),
             Row("RealDomain", data.real_domain_name, "Real InDomain Name"),
             Row("RealData", data.real_data, "Real MetaData Name"), Row("최소값", data.scmin, "scmin"),
             Row("최대값", data.scmax, "scmax"), Row("User_ID", data.user_id, "Method User_ID"),
             DescriptionRow(data.description)}};
}

PropertyGroup DataFieldPropertyGroup(const class_datafield_info& field, int treeKind) {
    PropertyGroup group{"DataField 상세정보", {Row("Name", field.member_name)}};
    if (field.type == "alias") {
        group.rows.push_back(Row("RealDomain명", field.real_domain_name));
        group.rows.push_back(Row("RealData명", field.real_data));
    }
    if (treeKind == TREE_ENUM_CONSTANT) {
        group.rows.push_back(Row("상수값", field.scmin));
    } else {
        group.rows.insert(group.rows.end(),
                          {Row("Type", field.type), Row("Physical", field.physical),
                           Row("Bitsize", std::to_string(field.bitsize)), Row("Scimin", field.scmin),
                           Row("Scimax", field.scmax), Row("Arraytype", field.arraytype),
                           Row("Arraysize", std::to_string(field.arraysize))});
    }
    group.rows.push_back(Row("수정날짜", field.last_update));
    group.rows.push_back(DescriptionRow(field.description));
    return group;
}

PropertyGroup MethodPropertyGroup(const class_method_info& method, const std::string& codeDigits) {
    return {"Method 정보",
            {Row("Method명", method.name, "메서드 이름"), Row("코드", codeDigits, "메서드 코드"),
             Row("타입", method.type, "메서드 타입"), Row("In도메인", method.in_domain_name, "In도메인명"),
             Row("In데이타", method.in_data, "In데이타명"), Row("Out도메인", method.out_domain_name, "Out도메인명"),
             Row("Out데이타", method.out_data, "out데이타명"), Row("생성자명", method.user_id, "최초 생성자"),
             DescriptionRow(method.description)}};
}

PropertyGroup InterfacePropertyGroup(const class_interface_info& iface) {
    return {"Interface 정보",
            {Row("Interface명", iface.name, "선택하신 Interface Name입니다"),
             Row("수정날짜", iface.last_update, "Interface 수정날짜"), Row("생성자명", iface.user_id, "생성자명"),
             DescriptionRow(iface.description)}};
}

PropertyGroup SwitchPropertyGroup(const class_node_info& node) {
    return {"SWITCH 정보",
            {Row("SWITCH_NAME", node.name, "SWITCH Name입니다"), Row("SWITCH_TYPE", node.type, "Node 타입입니다"),
             DescriptionRow(node.description)}};
}

PropertyGroup NodePropertyGroup(const class_node_info& node) {
    return {"NODE 정보",
            {Row("노드명", node.name, "Node Name입니다"), Row("노드타입", node.type, "Node 타입입니다"),
             DescriptionRow(node.description)}};
}

PropertyGroup ComponentPropertyGroup(const class_component_info& component) {
    return {"컴포넌트 정보",
            {Row("컴포넌트명", component.name, "선택하신 컴포넌트 Name입니다"),
             Row("수정날짜", component.last_update, "최종수정날짜"), DescriptionRow(component.description)}};
}

PropertyGroup ProxyPropertyGroup(const class_proxy_interface_relation_info& proxy) {
    return InterfaceClassGroup("Proxy 정보", proxy);
}

PropertyGroup StubPropertyGroup(const class_stub_interface_relation_info& stub) {
    return InterfaceClassGroup("Stub 정보", stub);
}

PropertyGroup ComponentInterfacePropertyGroup(const class_custum_table& entry, int treeKind) {
    PropertyGroup group{"Component_Interface 정보",
                        {Row("Method_Domain명", entry.method_domain_name, "method_domain Name입니다"),
                         Row("인터페이스명", entry.interface_name, "Interface Name입니다"),
                         Row("클래스명", entry.class_name, "FrameWork Class Name입니다"),
                         Row("객체명", entry.object_name, "자신 object_name입니다"),
                         Row("object_id", entry.object_id, "자신 object_id 입니다"),
                         Row("pubilc", std::to_string(entry.is_public), "object 공개 or 비공개 입니다")}};
    if (treeKind == TREE_INSTALLED_PROXY) {
        group.rows.push_back(Row("stub_object_id", entry.stub_object_id, "서버 objectid 입니다"));
        group.rows.push_back(Row("stub_ip", entry.stub_ip, "서버 ip입니다"));
    }
    return group;
}

PropertyGroup IpChooserGroup(const std::vector<class_network_info>& addresses,
                             std::map<std::string, class_network_info>& table) {
    const std::vector<std::string> keys =
        FillTable(addresses, table, [](const class_network_info& address) { return address.ip; });
    return {"IP 정보", {Chooser("IP_Info", "IP를 선택해 주세요", "IP주소", PROPERTY_IP_CHOOSER, keys)}};
}

PropertyGroup IpDetailGroup(const class_network_info& address) {
    return {"ip 상세정보",
            {Row("Mask", address.mask), Row("Port", address.port), Row("Gateway", address.gateway),
             Row("DNS", address.dns), Row("설명", address.description)}};
}

PropertyGroup DeployedComponentPropertyGroup(const class_component_info& component,
                                             const std::vector<class_network_info>& bindings) {
    PropertyGroup group{"배치 컴포넌트 정보",
                        {Row("컴포넌트명", component.name, "선택하신 컴포넌트 Name입니다"),
                         Row("배치ID", std::to_string(component.deployment_id), "선택하신 배치 ID입니다")}};
    for (const class_network_info& binding : bindings) {
        group.rows.push_back(Row("설정 port", binding.port, "설정 PORT"));
        group.rows.push_back(Row("설정 IP", binding.ip, "설정 IP"));
    }
    group.rows.push_back(Row("수정날짜", component.last_update, "최종수정날짜"));
    group.rows.push_back(DescriptionRow(component.description));
    return group;
}

PropertyGroup InterfaceChooserGroup(const std::vector<class_stub_interface_relation_info>& interfaces,
                                    std::map<std::string, class_stub_interface_relation_info>& table) {
    const std::vector<std::string> keys = FillTable(
        interfaces, table, [](const class_stub_interface_relation_info& iface) { return iface.interface_name; });
    return {"Interface 정보",
            {Chooser("interface_Info", "Interface를 선택해 주세요", "Interface 정보", PROPERTY_INTERFACE_CHOOSER, keys)}};
}

PropertyGroup MethodDomainGroup(const class_stub_interface_relation_info& iface) {
    return {"Method Domain", {Row("Method_Domain명", iface.method_domain_name)}};
}

PropertyGroup MemberMethodGroup(const std::vector<class_method_info>& methods) {
    PropertyGroup group{"Method Type / Method_name (in, out)", {}};
    for (const class_method_info& method : methods)
        group.rows.push_back(
            Row(" Type : " + method.type, method.name + " ( " + method.in_data + " , " + method.out_data + ")"));
    return group;
}
