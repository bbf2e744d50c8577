#include "CurrentRecords.h"

#include <vector>

#include "CMysqlQuery.h"
#include "SessionMessageBox.h"

namespace {

// The one record of a list read by id; false after a message when the read fails or finds none.
template <class Record>
bool TakeOnly(int result, const std::vector<Record>& rows, const char* gone, Record& current) {
    if (result != 0) {
        CMysqlQuery::GetInstance()->ShowLastError();
        return false;
    }
    if (rows.empty()) {
        SessionMessageBox(gone);
        return false;
    }
    current = rows.front();
    return true;
}

}  // namespace

bool ReadCurrentMethodDomain(int domainId, class_domain_info& current) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_domain_info> rows;
    const int result =
        db->SelectDomainInfoList(db->FormatCall("call domainMethodInfo(%d,'method')", domainId), "method", rows);
    return TakeOnly(result, rows, "도메인이 없습니다. 다른 사용자가 지웠습니다.", current);
}

bool ReadCurrentMethodDomainPath(int domainId, std::string& path) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<std::string> rows;
    const int result = db->SelectClassNameList(db->FormatCall("call get_domain_path(%d,'%s')", domainId, "method"), rows);
    return TakeOnly(result, rows, "도메인이 없습니다. 다른 사용자가 지웠습니다.", path);
}

bool ReadCurrentComponent(int componentId, class_component_info& current) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> rows;
    const int result =
        db->SelectComponentList(db->FormatCall("call componentEntityViewcomponentinfoList(%d)", componentId), rows);
    return TakeOnly(result, rows, "컴포넌트가 없습니다. 다른 사용자가 지웠습니다.", current);
}
