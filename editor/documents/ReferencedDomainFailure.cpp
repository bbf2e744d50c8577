#include "ReferencedDomainFailure.h"

#include "CMysqlQuery.h"
#include "SessionMessageBox.h"

void ShowReferencedDomainFailure(int result, const char* kind, int domainId, const std::string& domainName) {
    if (result != -1) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (domainName.empty()) return db->ShowLastError();
    const std::string text = std::string("참조하는 ") + kind + " 도메인 " + domainName + "(id " +
                             std::to_string(domainId) + ")을(를) 읽을 수 없습니다: " + db->GetLastErrorText();
    SessionMessageBox(text.c_str());
}
