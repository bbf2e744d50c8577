#include "CurrentRecords.h"

#include <vector>

#include "CMysqlQuery.h"
#include "SessionMessageBox.h"

namespace {

// The record whose key matches among the rows a read answered; false after the message otherwise.
template <class Record, class Matches>
bool TakeCurrent(int result, const std::vector<Record>& rows, Matches matches, const char* goneText,
                 Record& current) {
    if (result != 0) {
        CMysqlQuery::GetInstance()->ShowLastError();
        return false;
    }
    for (const Record& row : rows) {
        if (!matches(row)) continue;
        current = row;
        return true;
    }
    SessionMessageBox(goneText);
    return false;
}

const auto kAnyRow = [](const auto&) { return true; };

}  // namespace

bool ReadCurrentDomain(const std::string& kind, int domainId, class_domain_info& current, const char* goneText) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_domain_info> rows;
    const int result =
        kind == "method"   ? db->SelectDomainInfoList(db->FormatCall("call domainMethodInfo(%d,'method')", domainId),
                                                      "method", rows)
        : kind == "system" ? db->SelectDomainInfoList(db->FormatCall("call domainViewDomainInfo(%d,'system')", domainId),
                                                      "system", rows)
                           : db->SelectDomainInfoList(db->FormatCall("call domainDataInfo(%d,'data')", domainId), "data",
                                                      rows);
    return TakeCurrent(result, rows, kAnyRow, goneText, current);
}

bool ReadCurrentComponent(int componentId, class_component_info& current, const char* goneText) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> rows;
    const int result =
        db->SelectComponentList(db->FormatCall("call componentEntityViewcomponentinfoList(%d)", componentId), rows);
    return TakeCurrent(result, rows, kAnyRow, goneText, current);
}

bool ReadCurrentNode(int nodeId, class_node_info& current, const char* goneText) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_node_info> rows;
    const int result = db->SelectNodeList(db->FormatCall("call nodeViewnodeinfo(%d)", nodeId), rows);
    return TakeCurrent(result, rows, kAnyRow, goneText, current);
}

bool ReadCurrentClass(const class_proxy_interface_relation_info& shown, class_proxy_interface_relation_info& current,
                      const char* goneText) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_proxy_interface_relation_info> rows;
    const int result =
        db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", shown.component_id), rows);
    return TakeCurrent(result, rows, [&shown](const auto& row) { return row.id == shown.id; }, goneText, current);
}

bool ReadCurrentClass(const class_stub_interface_relation_info& shown, class_stub_interface_relation_info& current,
                      const char* goneText) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_stub_interface_relation_info> rows;
    const int result =
        db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", shown.component_id), rows);
    return TakeCurrent(result, rows, [&shown](const auto& row) { return row.id == shown.id; }, goneText, current);
}
