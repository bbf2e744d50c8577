#include "CopyTransaction.h"

#include "CMysqlQuery.h"
#include "SessionMessageBox.h"

namespace {

const char* const kNothingKept = "복사를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다.";

}  // namespace

// Through the session's transaction calls, never as statement texts: inside a transaction the session opens no
// new connection when the server ended the old one, so a copy cut off in the middle cannot go on in autocommit,
// and the calls after the loss fail without being sent.
CopyTransaction::CopyTransaction() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_open = db->BeginTransaction() == 0;
    if (!m_open) db->ShowLastError();
}

CopyTransaction::~CopyTransaction() {
    if (m_open) CMysqlQuery::GetInstance()->RollbackTransaction();
}

int CopyTransaction::Commit() {
    if (!m_open) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->CommitTransaction() == 0) {
        m_open = false;
        return 0;
    }
    db->ShowLastError();
    if (db->LostConnection()) {
        m_open = false;
        // The COMMIT went out and its answer was lost: the session's text has said that nobody knows.
        if (db->CommitOutcomeUnknown()) return OUTCOME_UNKNOWN;
        // The transaction ended with the connection before it; the server has undone it.
        SessionMessageBox(kNothingKept);
        return -1;
    }
    RollBack();
    return -1;
}

void CopyTransaction::RollBack() {
    if (!m_open) return;
    m_open = false;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    // Also after a lost connection: the server undid the transaction as the connection ended.
    if (db->RollbackTransaction() == 0)
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
