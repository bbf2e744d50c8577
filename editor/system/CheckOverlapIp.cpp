#include "CheckOverlapIp.h"

#include <vector>

#include "CMysqlQuery.h"
#include "CWnd.h"
#include "NodeAddressRules.h"

void CheckOverlapIp(CWnd* owner, int domainId, int nodeId, int port) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_network_info> rows;
    if (db->SelectOverlapIpList(db->FormatCall("call check_overlap_ip(%d, %d, %d)", domainId, nodeId, port), rows) !=
        0) {
        db->ShowLastError();
        return;
    }
    if (rows.empty()) return;
    const std::string report = FormatOverlapIpReport(rows);
    if (owner != nullptr)
        owner->MessageBox(report.c_str(), "IP 중복", MB_OK);
    else
        ::MessageBox(nullptr, report.c_str(), "IP 중복", MB_OK);
}
