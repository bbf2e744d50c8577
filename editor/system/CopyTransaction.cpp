#include "CopyTransaction.h"

#include "CMysqlQuery.h"
#include "SessionMessageBox.h"

namespace {

const char* const kNothingKept = "복사를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다.";

}  // namespace

CopyTransaction::CopyTransaction() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_open = db->Execute("START TRANSACTION") == 0;
    if (!m_open) db->ShowLastError();
}

CopyTransaction::~CopyTransaction() {
    if (m_open) CMysqlQuery::GetInstance()->Execute("ROLLBACK");
}

int CopyTransaction::Commit() {
    if (!m_open) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->Execute("COMMIT") == 0) {
        m_open = false;
        return 0;
    }
    db->ShowLastError();
    RollBack();
    return -1;
}

void CopyTransaction::RollBack() {
    if (!m_open) return;
    m_open = false;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->Execute("ROLLBACK") == 0)
        SessionMessageBox(kNothingKept);
    else
        db->ShowLastError();
}

int CopyTransaction::Run(const std::function<int()>& copy) {
    CopyTransaction transaction;
    if (!transaction.IsOpen()) return -1;
    if (copy() != 0) {
        transaction.RollBack();
        return -1;
    }
    return transaction.Commit();
}
