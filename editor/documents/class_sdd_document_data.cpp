#include "class_sdd_document_data.h"

#include <span>

#include "CMysqlQuery.h"
#include "ReferencedDomainFailure.h"
#include "SessionMessageBox.h"

namespace {

const int kColumns[] = {10131, 6839, 14949, 10433};
const int kMethodRowHeight = 282;
const int kMemberFunctionRowHeight = 0;

// One member function that the generated classes give a method: its return type and its name, which is
// `prefix` alone or, when `suffix` is set, prefix + method name + suffix. The rows of a method's own handlers
// carry its code and description where `ownTexts` is set.
struct MemberFunction {
    const char* return_type;
    const char* prefix;
    const char* suffix;  // null: the name is the prefix alone
    bool ownTexts;
};

const MemberFunction kObjectRows[] = {
    {"void", "in_object_create()", nullptr, false},
    {"void", "on_object_destroy()", nullptr, false},
};
const MemberFunction kCallRows[] = {
    {"tamo_err_t", "on_", "call", true},
    {"void", "on_", "call_cancel", true},
};
const MemberFunction kEventRows[] = {
    {"void", "on_", "", false},
    {"void", "on_", "_disconnected()", false},
    {"void", "on_", "_shutdown()", false},
    {"tamo_err_t", "on_", "_connect()", false},
};
const MemberFunction kInformationRows[] = {
    {"void", "on_", "_sync()", false},
    {"void", "on_", "_disconnected()", false},
    {"void", "on_", "_shutdown()", false},
    {"tamo_err_t", "on_", "_connect()", false},
};
const MemberFunction kSignalRows[] = {
    {"void", "on_", "", false},
    {"void", "on_", "call_cancel", false},
};
const MemberFunction kDatagramRows[] = {
    {"void", "on_", "", false},
};
const MemberFunction kCommandRows[] = {
    {"void", "on_", "_disconnected()", false},
    {"void", "on_", "_sync()", false},
    {"tamo_err_t", "on_", "_connect()", false},
    {"void", "on_", "_shutdown()", false},
};

// The handlers of a method type (exact, case-sensitive), and the message for the types without any.
struct TypeRows {
    std::span<const MemberFunction> rows;
    const char* refusal;  // null for the types with handlers
};

TypeRows HandlersOf(const std::string& type) {
    if (type == "CALL") return {kCallRows, nullptr};
    if (type == "EVENT") return {kEventRows, nullptr};
    if (type == "INFORMATION") return {kInformationRows, nullptr};
    if (type == "SIGNAL") return {kSignalRows, nullptr};
    if (type == "DATAGRAM") return {kDatagramRows, nullptr};
    if (type == "COMMAND") return {kCommandRows, nullptr};
    if (type == "CALLBACK") return {{}, "class_sdd_document_data_417\n(CALLBACK method 타입 지원 불가)"};
    if (type == "SIGNALBACK") return {{}, "class_sdd_document_data_417\n(SIGNALBACK method 타입 지원 불가)"};
    return {{}, "class_sdd_document_data_417\n(tamo method 타입 분류 실패)"};
}

void ShowFailure(int result) {
    if (result == -1) CMysqlQuery::GetInstance()->ShowLastError();
}

}  // namespace

void class_sdd_document_data::gather_interfaces(int componentId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_proxy_interface_relation_info> proxies;
    ShowFailure(db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", componentId), proxies));
    std::vector<class_stub_interface_relation_info> stubs;
    ShowFailure(db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", componentId), stubs));
    for (const auto& proxy : proxies)
        gather_members(proxy.method_domain_id, proxy.method_domain_name, proxy.interface_name);
    for (const auto& stub : stubs) gather_members(stub.method_domain_id, stub.method_domain_name, stub.interface_name);
}

void class_sdd_document_data::gather_members(int methodDomainId, const std::string& methodDomainName,
                                             const std::string& interfaceName) {
    InterfaceKey key(interfaceName, methodDomainId);
    if (m_memberMethods.count(key) != 0) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_method_info> members;
    // The interface's method domain may be one that the account may not read.
    ShowReferencedDomainFailure(
        db->SelectMemberMethodList(
            db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')", methodDomainId, interfaceName),
            members),
        "메서드", methodDomainId, methodDomainName);
    m_memberMethods.emplace(std::move(key), std::move(members));
}

int class_sdd_document_data::count_function_rows() const {
    int rows = 0;
    for (const auto& [key, members] : m_memberMethods) {
        for (const auto& method : members) {
            ++rows;
            if (m_nOutputKind == SDD_DETAILED)
                rows += static_cast<int>(std::size(kObjectRows) + HandlersOf(method.type).rows.size());
        }
    }
    return rows;
}

void class_sdd_document_data::write_content(XmlNode section) { write_function_table(section); }

void class_sdd_document_data::write_function_table(XmlNode section) {
    add_line(section, m_strComponentName + " Component Interface 함수 목록(CSU 함수 목록)");
    add_table(add_table_text(section), count_function_rows(), 4);
    write_row(0, {"메서드타입", "코드", "메서드", "설명"}, kColumns, kMethodRowHeight);
    int row = 1;
    for (const auto& [key, members] : m_memberMethods) {
        for (const auto& method : members) {
            write_row(row++, {method.type, method.code, method.name, method.description}, kColumns,
                      kMethodRowHeight);
            if (m_nOutputKind == SDD_DETAILED) write_member_function_rows(method, row);
        }
    }
}

void class_sdd_document_data::write_member_function_rows(const class_method_info& method, int& row) {
    const TypeRows handlers = HandlersOf(method.type);
    for (std::span<const MemberFunction> rows : {std::span<const MemberFunction>(kObjectRows), handlers.rows}) {
        for (const MemberFunction& function : rows) {
            const std::string name =
                function.suffix ? function.prefix + method.name + function.suffix : std::string(function.prefix);
            const std::string none;
            write_row(row++,
                      {function.return_type, function.ownTexts ? method.code : none, name,
                       function.ownTexts ? method.description : none},
                      kColumns, kMemberFunctionRowHeight);
        }
    }
    if (handlers.refusal) SessionMessageBox(handlers.refusal);
}
