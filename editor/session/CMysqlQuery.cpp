#include "CMysqlQuery.h"

#include <poll.h>

#include <random>
#include <thread>

#include "CrtCompat.h"
#include "DatabaseClient.h"
#include "SessionMessageBox.h"
#include "TextFieldLimits.h"

namespace {

// CLIENT_FOUND_ROWS | CLIENT_INTERACTIVE | CLIENT_MULTI_STATEMENTS | CLIENT_MULTI_RESULTS
constexpr unsigned long CONNECT_FLAGS = 0x30402;
constexpr my_ulonglong AFFECTED_ROWS_ERROR = static_cast<my_ulonglong>(-1);

constexpr const char* LOGIN_REFUSED_TEXT = "보안 통과 실패";
// The texts of failures that the server does not describe itself.
constexpr const char* NOT_CONNECTED_TEXT = "서버에 연결되어 있지 않습니다.";
constexpr const char* NO_ROW_TEXT = "서버의 응답에 결과 행이 없습니다.";
constexpr const char* CHANGE_REFUSED_TEXT = "서버가 변경을 거부했습니다.";
// A lost connection, and what the session does about it.
constexpr const char* SERVER_CLOSED_TEXT = "서버가 연결을 닫았습니다";
constexpr const char* REOPEN_NEXT_TEXT = " 다음 호출 때 다시 연결합니다.";
constexpr const char* TRANSACTION_UNDONE_TEXT = " 진행 중이던 작업의 변경은 서버가 모두 되돌렸습니다.";
// The commit reached the server, but its answer did not come back: the server may have kept the work or not.
constexpr const char* COMMIT_UNKNOWN_TEXT =
    " 저장하던 중이어서 진행 중이던 작업이 저장되었는지 알 수 없습니다. 새로 고침으로 확인해 주세요.";
constexpr const char* REOPEN_FAILED_TEXT = "서버와의 연결이 끊어져 다시 연결하지 못했습니다: ";
constexpr const char* REOPENED_TEXT = "서버와의 연결이 끊어져 다시 연결하고 로그인했습니다.";
// A failed attempt to open the connection again is not repeated sooner than this: the calls that follow at
// once (the rest of a tree level) fail with its text instead of waiting for the server each.
constexpr std::chrono::seconds REOPEN_PAUSE{1};
// The pause before a call that lost a conflict is sent again grows with each attempt, and varies, so that the
// sessions that met do not meet again at once.
constexpr std::chrono::milliseconds RESEND_PAUSE{20};

}  // namespace

CMysqlQuery* CMysqlQuery::GetInstance() {
    static const std::unique_ptr<CMysqlQuery> instance(new CMysqlQuery);
    if (!instance->m_pConnection) instance->PrepareConnectionBlock();
    return instance.get();
}

CMysqlQuery::~CMysqlQuery() { Close(); }

void CMysqlQuery::PrepareConnectionBlock() {
    m_pConnection = new CMysqlConnection;
    m_bResultPending = false;
    m_strStatementError.clear();
}

void CMysqlQuery::CloseBlock() {
    if (!m_pConnection) return;
    m_pConnection->Close();
    delete m_pConnection;
    m_pConnection = nullptr;
    m_bResultPending = false;
}

void CMysqlQuery::Close() {
    CloseBlock();
    m_login.reset();
    m_bLost = false;
    m_bInTransaction = false;
    m_bTransactionUndone = false;
    m_bLossTold = false;
}

void CMysqlQuery::ShowLastError() {
    if (m_bLastFailureLost) {
        if (m_strLastError == m_strShownLoss && m_nSends == m_nShownLossSends) return;
        m_strShownLoss = m_strLastError;
        m_nShownLossSends = m_nSends;
    }
    SessionMessageBox(m_strLastError.c_str(), MB_OK);
}

void CMysqlQuery::SetLoginPassword(std::string_view password) {
    if (m_login) m_login->SetField(LOGIN_USER_PASSWORD, password);
}

std::string CMysqlQuery::EscapeText(std::string_view text) {
    std::string escaped(text.size() * 2 + 1, '\0');
    MYSQL* mysql = Handle();
    const unsigned long length =
        mysql && IsConnected()
            ? mysql_real_escape_string(mysql, escaped.data(), text.data(), static_cast<unsigned long>(text.size()))
            : mysql_escape_string(escaped.data(), text.data(), static_cast<unsigned long>(text.size()));
    escaped.resize(length < escaped.size() ? length : 0);
    return escaped;
}

// ---- Connection --------------------------------------------------------------------------------------------

CString CMysqlQuery::Connect(const CLoginValues& login) {
    return ConnectAs(login, tamo::database::LoginConnection::first);
}

CString CMysqlQuery::ConnectAs(const CLoginValues& login, tamo::database::LoginConnection connection) {
    if (!m_pConnection) PrepareConnectionBlock();
    int port = 0;
    sscanf_s(login.Port(), "%d", &port);
    MYSQL* mysql = Handle();
    tamo::database::SetConnectionTimeouts(mysql, m_nWaitBoundSeconds);
    if (!mysql_real_connect(mysql, login.ServerAddress(), login.DatabaseId(), login.DatabasePassword(),
                            login.DatabaseName(), static_cast<unsigned>(port), nullptr, CONNECT_FLAGS)) {
        m_pConnection->m_bConnected = false;
        return CString(mysql_error(mysql));
    }
    m_pConnection->m_bConnected = true;
    mysql_set_character_set(mysql, "utf8mb4");

    m_bLoggingIn = true;
    if (SendLogin(login, connection) != 0) {
        m_bLoggingIn = false;
        const CString error(m_strLastError);
        CloseBlock();
        return error;
    }
    m_bLoggingIn = false;
    CMysqlResult answer(StoreCurrent());
    const bool accepted = answer.FetchRow() && answer.GetInt(0) == 1;
    if (!accepted) {
        answer.Reset();
        CloseBlock();
        return CString(LOGIN_REFUSED_TEXT);
    }
    NextResult();
    m_strLoginUser = login.UserId();
    m_login = login;
    m_bLost = false;
    m_bInTransaction = false;
    m_bTransactionUndone = false;
    answer.Reset();
    DrainResults();
    return CString();
}

int CMysqlQuery::SendLogin(const CLoginValues& login, tamo::database::LoginConnection connection) {
    // On a cluster even these have been seen to lose a conflict (the node answers a deadlock while it catches
    // up with the others' changes): they are sent again as any call would be.
    for (unsigned resent = 0;; ++resent) {
        m_bLastFailureResendable = false;
        m_strLastError =
            tamo::database::SetLoginVariables(Handle(), login.UserId(), login.UserPassword(), connection);
        if (m_strLastError.empty()) {
            if (Send("call loginResult()") == 0) return 0;
        } else if (m_strLastError == tamo::database::CONFLICT_TEXT) {
            m_bLastFailureResendable = true;
        }
        if (!m_bLastFailureResendable || resent == CONFLICT_RESENDS) return -1;
        PauseBeforeResend(resent);
    }
}

bool CMysqlQuery::ServerHungUp() {
    const my_socket socket = mysql_get_socket(Handle());
    if (socket == MARIADB_INVALID_SOCKET) return true;
    pollfd watched{socket, POLLIN | POLLRDHUP, 0};
    return poll(&watched, 1, 0) != 0;
}

void CMysqlQuery::MarkLost(const std::string& text) {
    m_bLost = true;
    const char* outcome = m_bCommitSent ? COMMIT_UNKNOWN_TEXT
                          : m_bInTransaction ? TRANSACTION_UNDONE_TEXT
                                             : REOPEN_NEXT_TEXT;
    m_strLossText = text + outcome;
}

bool CMysqlQuery::NoteLostConnection() {
    MYSQL* mysql = Handle();
    if (m_bLoggingIn || !m_login || !mysql || !tamo::database::IsConnectionLost(mysql_errno(mysql))) return false;
    if (!m_bLost) {
        const bool waitedTheBound =
            std::chrono::steady_clock::now() - m_callStarted >= std::chrono::seconds(m_nWaitBoundSeconds);
        MarkLost(tamo::database::LostConnectionText(waitedTheBound, m_nWaitBoundSeconds, mysql_error(mysql)));
    }
    m_strLastError = m_strLossText;
    m_bLossTold = true;
    m_bLastFailureLost = true;
    return true;
}

bool CMysqlQuery::Reopen() {
    if (!m_bLost && m_login && IsConnected() && ServerHungUp())
        MarkLost(tamo::database::LostConnectionText(false, m_nWaitBoundSeconds, SERVER_CLOSED_TEXT));
    if (!m_bLost) return true;
    m_bLastFailureLost = true;
    if (m_bInTransaction) {
        m_strLastError = m_strLossText;
        m_bLossTold = true;
        return false;
    }
    if (std::chrono::steady_clock::now() - m_reopenFailed < REOPEN_PAUSE) {
        m_strLastError = m_strLossText;
        return false;
    }
    ++m_nSends;
    const CLoginValues login = *m_login;
    CloseBlock();
    PrepareConnectionBlock();
    // What the trees and dialogs show was read through the connection that is gone, which the server does not
    // know on this one: it refuses an edit of a row until this connection has read it.
    const CString error = ConnectAs(login, tamo::database::LoginConnection::reopened);
    if (!error.IsEmpty()) {
        m_reopenFailed = std::chrono::steady_clock::now();
        m_strLossText = REOPEN_FAILED_TEXT + error.str();
        m_strLastError = m_strLossText;
        m_bLossTold = true;
        return false;
    }
    if (!m_bLossTold) SessionMessageBox(REOPENED_TEXT, MB_OK);
    m_bLossTold = false;
    m_bLastFailureLost = false;
    return true;
}

// ---- Transactions -----------------------------------------------------------------------------------------

int CMysqlQuery::BeginTransaction() {
    if (Execute("START TRANSACTION") != 0) return -1;
    m_bInTransaction = true;
    m_bTransactionUndone = false;
    return 0;
}

int CMysqlQuery::CommitTransaction() {
    m_bCommitOutcomeUnknown = false;
    if (m_bTransactionUndone) {
        EndUndoneTransaction();
        return -1;
    }
    // A loss found before the COMMIT goes out has undone the work; once it is out, the answer alone can say.
    m_bCommitting = true;
    const int result = Execute("COMMIT");
    m_bCommitOutcomeUnknown = result != 0 && m_bCommitSent && m_bLastFailureLost;
    m_bCommitting = false;
    m_bCommitSent = false;
    m_bInTransaction = false;
    m_bTransactionUndone = false;
    return result;
}

int CMysqlQuery::RollbackTransaction() {
    if (m_bTransactionUndone) {
        EndUndoneTransaction();
        return 0;
    }
    const int result = Execute("ROLLBACK");
    m_bInTransaction = false;
    return result == 0 || m_bLost ? 0 : -1;
}

void CMysqlQuery::EndUndoneTransaction() {
    const std::string refusal = m_strLastError;
    m_bTransactionUndone = false;
    // The server has undone the transaction already; what a refused call might have left of it after a
    // conflict goes as well.
    Execute("ROLLBACK");
    m_bInTransaction = false;
    m_strLastError = refusal;
}

// ---- Statement steps -------------------------------------------------------------------------------------

void CMysqlQuery::TakeError() {
    if (NoteLostConnection()) return;
    MYSQL* mysql = Handle();
    const char* text = mysql ? mysql_error(mysql) : NOT_CONNECTED_TEXT;
    // Advancing clears the library's error text, so an error that an earlier advance of the same statement
    // met is kept until the statement ends.
    if (*text) {
        m_strLastError = text;
        NoteConflict(mysql_errno(mysql), mysql_sqlstate(mysql));
    } else {
        m_strLastError = m_strStatementError;
        NoteConflict(m_nStatementErrno, m_strStatementState.c_str());
    }
}

void CMysqlQuery::NoteConflict(unsigned errorNumber, const char* sqlState) {
    const tamo::database::Conflict conflict = tamo::database::ConflictOf(errorNumber, sqlState);
    if (conflict == tamo::database::Conflict::none) return;
    m_strLastError = tamo::database::CONFLICT_TEXT;
    if (conflict != tamo::database::Conflict::undone) return;
    if (m_bInTransaction) {
        m_bTransactionUndone = true;
        m_strLastError += TRANSACTION_UNDONE_TEXT;
    } else {
        m_bLastFailureResendable = true;
    }
}

void CMysqlQuery::PauseBeforeResend(unsigned resent) {
    static thread_local std::minstd_rand jitter(std::random_device{}());
    const auto step = RESEND_PAUSE * (resent + 1);
    std::this_thread::sleep_for(step + std::chrono::milliseconds(jitter() % step.count()));
}

int CMysqlQuery::Query(const CString& text) {
    m_bLastFailureLost = false;
    m_bLastFailureResendable = false;
    const std::string refusal = tamo::database::RefuseOverlongTexts(text.str());
    if (!refusal.empty()) {
        m_strLastError = refusal;
        return -1;
    }
    if (m_bInTransaction && m_bTransactionUndone) {
        m_strLastError = std::string(tamo::database::CONFLICT_TEXT) + TRANSACTION_UNDONE_TEXT;
        return -1;
    }
    if (!Reopen()) return -1;
    return Send(text);
}

int CMysqlQuery::Send(const CString& text) {
    MYSQL* mysql = Handle();
    if (!mysql) {
        SetError(NOT_CONNECTED_TEXT);
        return -1;
    }
    DrainResults();
    m_strStatementError.clear();
    m_nStatementErrno = 0;
    m_strStatementState.clear();
    m_callStarted = std::chrono::steady_clock::now();
    ++m_nSends;
    m_bCommitSent = m_bCommitting;
    if (mysql_real_query(mysql, text.GetString(), static_cast<unsigned long>(text.GetLength())) != 0) {
        m_bResultPending = false;
        TakeError();
        return -1;
    }
    m_bResultPending = mysql_field_count(mysql) != 0;
    return 0;
}

MYSQL_RES* CMysqlQuery::StoreCurrent() {
    if (!m_bResultPending) return nullptr;
    m_bResultPending = false;
    return mysql_store_result(Handle());
}

int CMysqlQuery::NextResult() {
    MYSQL* mysql = Handle();
    if (!mysql) return -1;
    if (m_bResultPending) mysql_free_result(StoreCurrent());
    const int status = mysql_next_result(mysql);
    m_bResultPending = status == 0 && mysql_field_count(mysql) != 0;
    if (status > 0) {
        m_strStatementError = NoteLostConnection() ? m_strLossText : mysql_error(mysql);
        m_nStatementErrno = mysql_errno(mysql);
        m_strStatementState = mysql_sqlstate(mysql);
    }
    return status;
}

void CMysqlQuery::DrainResults() {
    MYSQL* mysql = Handle();
    if (!mysql) return;
    if (m_bResultPending) mysql_free_result(StoreCurrent());
    while (mysql_more_results(mysql)) {
        if (NextResult() != 0) break;
        if (m_bResultPending) mysql_free_result(StoreCurrent());
    }
}

bool CMysqlQuery::CheckResult() {
    CMysqlResult status(StoreCurrent());
    if (!status.HasResult()) {
        NextResult();
        TakeError();
        return false;
    }
    const int value = status.FetchRow() ? status.GetInt(0) : 0;
    NextResult();
    if (value < 1) {
        TakeError();
        return false;
    }
    return true;
}

int CMysqlQuery::StoreResult(MYSQL_RES** result) {
    *result = StoreCurrent();
    if (*result) return 0;
    NextResult();
    TakeError();
    return -1;
}

// ---- Statement runners ------------------------------------------------------------------------------------

int CMysqlQuery::ExecuteProc(const CString& text) {
    return Resending([&] {
        int result = -1;
        if (Query(text) == 0 && CheckResult()) {
            if (mysql_affected_rows(Handle()) == AFFECTED_ROWS_ERROR) TakeError();
            else result = 0;
        }
        DrainResults();
        return result;
    });
}

int CMysqlQuery::ExecuteProcStatus(const CString& text) {
    return Resending([&] {
        int result = -1;
        if (Query(text) == 0 && CheckResult()) {
            CMysqlResult second(StoreCurrent());
            if (second.HasResult()) {
                const int value = second.FetchRow() ? second.GetInt(0) : 0;
                NextResult();
                if (value == 2) SetError(CHANGE_REFUSED_TEXT);
                else result = 0;
            } else if (mysql_affected_rows(Handle()) == AFFECTED_ROWS_ERROR) {
                TakeError();
            } else {
                result = 0;
            }
        }
        DrainResults();
        return result;
    });
}

int CMysqlQuery::ExecuteUpdate(const CString& text) {
    return Resending([&] {
        int result = -1;
        if (Query(text) == 0 && CheckResult()) {
            if (mysql_affected_rows(Handle()) == AFFECTED_ROWS_ERROR) {
                TakeError();
            } else {
                NextResult();
                result = 0;
            }
        }
        DrainResults();
        return result;
    });
}

int CMysqlQuery::Execute(const CString& text) {
    return Resending([&] {
        if (Query(text) != 0) return -1;
        const my_ulonglong rows = mysql_affected_rows(Handle());
        DrainResults();
        return rows == AFFECTED_ROWS_ERROR ? -1 : 0;
    });
}

int CMysqlQuery::ExecuteStatus(const CString& text) {
    return Resending([&] {
        if (Query(text) != 0) return -1;
        CMysqlResult first(StoreCurrent());
        if (!first.HasResult()) {
            DrainResults();
            return 0;
        }
        DrainResults();
        TakeError();
        return -1;
    });
}

int CMysqlQuery::OpenShownDataSet(const CString& text, CMysqlResult& result) {
    MYSQL_RES* stored = nullptr;
    const bool opened = Resending([&] {
        if (Query(text) == 0 && CheckResult() && StoreResult(&stored) == 0) return true;
        DrainResults();
        return false;
    });
    if (!opened) {
        ShowLastError();
        return -1;
    }
    result.Reset(stored);
    NextResult();
    return 0;
}

void CMysqlQuery::QueryReferenceList(const CString& text, std::vector<std::string>& lines) {
    CMysqlResult rows;
    if (OpenShownDataSet(text, rows) != 0) return;
    while (rows.FetchRow())
        lines.push_back("[타입]" + rows.GetText(1) + " [이름]" + rows.GetText(2) + " [경로]" + rows.GetText(3));
    rows.Reset();
    DrainResults();
}

int CMysqlQuery::CountResultRows(const CString& text) {
    CMysqlResult rows;
    if (OpenShownDataSet(text, rows) != 0) return -1;
    const int count = static_cast<int>(rows.RowCount());
    while (rows.FetchRow()) {
    }
    rows.Reset();
    DrainResults();
    return count;
}

int CMysqlQuery::QueryFirstInt(const CString& text) {
    return Resending([&] {
        int value = -1;
        MYSQL_RES* stored = nullptr;
        if (Query(text) == 0 && CheckResult() && StoreResult(&stored) == 0) {
            CMysqlResult rows(stored);
            NextResult();
            if (rows.FetchRow()) value = rows.GetInt(0);
            else SetError(NO_ROW_TEXT);
        }
        DrainResults();
        return value;
    });
}

int CMysqlQuery::QueryNewId(const CString& text) { return QueryFirstInt(text); }

int CMysqlQuery::QueryInt(const CString& text) { return QueryFirstInt(text); }

// ---- Checks -----------------------------------------------------------------------------------------------

// The shape shared by the checks that answer a status set: the status, then the data set read whole, one call
// of `readRow` per row of it; the row count, -1 on failure (nothing is read then).
template <typename ReadRow>
int CMysqlQuery::CountCheckRows(const CString& text, ReadRow&& readRow) {
    return Resending([&] {
        int count = -1;
        MYSQL_RES* stored = nullptr;
        if (Query(text) == 0 && CheckResult() && StoreResult(&stored) == 0) {
            CMysqlResult rows(stored);
            count = static_cast<int>(rows.RowCount());
            while (rows.FetchRow()) readRow(rows);
            NextResult();
        }
        DrainResults();
        return count;
    });
}

int CMysqlQuery::CheckMethodCode(const CString& text, CString& report) {
    CString found = "* Codde 중복 *\n";
    const int count = CountCheckRows(text, [&](CMysqlResult& rows) {
        found += rows.GetText(0);
        found += "\n";
    });
    if (count >= 0) report = found;
    return count;
}

int CMysqlQuery::CollectCheckReport(const CString& text, CString& report) {
    return CountCheckRows(text, [&](CMysqlResult& rows) {
        if (rows.GetInt(0) == 0) return;
        report += "  " + rows.GetText(1) + " : " + rows.GetText(2) + " : " + rows.GetText(3) + "\n";
    });
}

int CMysqlQuery::CheckInstalledInSubsystem(const CString& text, CString& report) {
    return Resending([&] {
        int count = -1;
        MYSQL_RES* stored = nullptr;
        if (Query(text) == 0 && StoreResult(&stored) == 0) {
            CMysqlResult rows(stored);
            count = static_cast<int>(rows.RowCount());
            std::string built = "Subsystem에 설치된 항목이 있습니다. 삭제 후 변경하세요\n\n ";
            while (rows.FetchRow()) built += "도메인 : " + rows.GetText(0) + " / 노드 : " + rows.GetText(1) + "\n ";
            report = built;
            NextResult();
        }
        DrainResults();
        return count;
    });
}

int CMysqlQuery::CheckSystemLock(const CString& text) {
    return Resending([&] {
        int result = -1;
        MYSQL_RES* stored = nullptr;
        if (Query(text) == 0 && StoreResult(&stored) == 0) {
            CMysqlResult rows(stored);
            if (rows.FetchRow()) result = rows.GetInt(0) == 1 ? 1 : 0;
            else SetError(NO_ROW_TEXT);
            NextResult();
        }
        DrainResults();
        return result;
    });
}

// ---- Domains ------------------------------------------------------------------------------------------------

void CMysqlQuery::SetDomainIdList(const std::map<int, std::string>& entries, LPCTSTR kind) {
    std::map<int, std::string>* list = nullptr;
    const std::string_view word = kind ? kind : "";
    if (word == "method") list = &m_mapMethodDomain;
    else if (word == "data") list = &m_mapDataDomain;
    else if (word == "system") list = &m_mapSystemDomain;
    if (list) list->insert(entries.begin(), entries.end());
}

const std::map<int, std::string>& CMysqlQuery::GetDomainIdList(LPCTSTR kind) const {
    static const std::map<int, std::string> none;
    const std::string_view word = kind ? kind : "";
    if (word == "method") return m_mapMethodDomain;
    if (word == "data") return m_mapDataDomain;
    if (word == "system") return m_mapSystemDomain;
    return none;
}

int CMysqlQuery::GetDomainPath(LPCTSTR kind, int domainId, std::string& path) {
    const std::string_view word = kind ? kind : "";
    path = word == "method" ? "Tamo\\Method\\" : "Tamo\\Data\\";
    MYSQL_RES* stored = nullptr;
    if (Query(FormatCall("call get_domain_path(%d,'%s')", domainId, kind ? kind : "")) == 0 && CheckResult() &&
        StoreResult(&stored) == 0) {
        CMysqlResult rows(stored);
        if (rows.FetchRow()) path += rows.GetText(0);
        NextResult();
        rows.Reset();
        DrainResults();
        return 0;
    }
    DrainResults();
    ShowLastError();
    return -1;
}

// ---- Read-ahead ---------------------------------------------------------------------------------------------

namespace {

// A batch stays well below the smallest packet limit a server is configured with.
constexpr size_t READ_AHEAD_BATCH_BYTES = 256 * 1024;

}  // namespace

void CMysqlQuery::SendReadAhead(const std::vector<CString>& all, std::vector<CMysqlReadAhead::Answer>& answers,
                                bool evenOne) {
    if (!Handle() || !IsConnected()) return;
    std::vector<CString> texts;
    // A text that is too long for its field is left to its loader, which meets the refusal.
    for (const CString& text : all)
        if (!HasReadAhead(text.str()) && tamo::database::RefuseOverlongTexts(text.str()).empty())
            texts.push_back(text);
    if (texts.empty() || (texts.size() < 2 && !evenOne)) return;
    if (!Reopen()) return;
    DrainResults();
    size_t next = 0;
    while (next < texts.size()) {
        const size_t first = next;
        std::string batch;
        while (next < texts.size() &&
               (batch.empty() || batch.size() + 1 + texts[next].GetLength() <= READ_AHEAD_BATCH_BYTES)) {
            if (!batch.empty()) batch += ';';
            batch.append(texts[next].GetString(), texts[next].GetLength());
            ++next;
        }
        if (!SendReadAheadBatch(batch, texts, first, next, answers)) break;
    }
    m_bResultPending = false;
}

bool CMysqlQuery::SendReadAheadBatch(const std::string& batch, const std::vector<CString>& texts, size_t first,
                                     size_t last, std::vector<CMysqlReadAhead::Answer>& answers) {
    MYSQL* mysql = Handle();
    size_t call = first;
    answers.push_back({std::string(texts[call].GetString(), texts[call].GetLength()), {}, {}, false});
    m_callStarted = std::chrono::steady_clock::now();
    ++m_nSends;
    if (mysql_real_query(mysql, batch.data(), static_cast<unsigned long>(batch.size())) != 0) {
        answers.back().error = ReadAheadError();
        return false;
    }
    bool callEnded = false;
    for (;;) {
        if (callEnded) {
            // The results that follow the end of a call belong to the next text of the batch.
            if (++call == last) break;
            answers.push_back({std::string(texts[call].GetString(), texts[call].GetLength()), {}, {}, false});
            callEnded = false;
        }
        if (mysql_field_count(mysql) != 0) {
            CMysqlRows rows;
            if (!rows.ReadFrom(mysql)) {
                answers.back().error = ReadAheadError();
                DrainResults();
                return false;
            }
            answers.back().results.push_back(std::move(rows));
        } else {
            // A result without a set ends a CALL (and any other statement).
            answers.back().results.emplace_back();
            callEnded = true;
        }
        if (!mysql_more_results(mysql)) break;
        const int status = mysql_next_result(mysql);
        if (status > 0) {
            if (callEnded && call + 1 < last) {
                answers.push_back({std::string(texts[call + 1].GetString(), texts[call + 1].GetLength()), {}, {},
                                   false});
            }
            answers.back().error = ReadAheadError();
            return false;
        }
        if (status != 0) break;
    }
    return true;
}

std::string CMysqlQuery::ReadAheadError() {
    return NoteLostConnection() ? m_strLossText : std::string(tamo::database::StatementErrorText(Handle()));
}

CMysqlReadAhead::Answer* CMysqlQuery::TakeReadAhead(const CString& text) {
    if (m_readAheads.empty()) return nullptr;
    for (CMysqlReadAhead* ahead : m_readAheads)
        if (CMysqlReadAhead::Answer* answer = ahead->Find(text.str(), true)) return answer;
    return nullptr;
}

bool CMysqlQuery::HasReadAhead(std::string_view text) {
    for (CMysqlReadAhead* ahead : m_readAheads)
        if (ahead->Find(text, false)) return true;
    return false;
}

const CMysqlRows* CMysqlQuery::OpenReadAheadRows(const CMysqlReadAhead::Answer& answer, bool withStatus) {
    const auto& results = answer.results;
    size_t next = 0;
    bool statusPassed = !results.empty();
    if (statusPassed && withStatus) {
        const std::optional<CMysqlRows>& statusSet = results[next++];
        CMysqlResult status(statusSet ? &*statusSet : nullptr);
        statusPassed = status.HasResult() && status.FetchRow() && status.GetInt(0) >= 1;
    }
    const CMysqlRows* data = statusPassed && next < results.size() && results[next] ? &*results[next] : nullptr;
    if (!data) m_strLastError = answer.error;
    return data;
}
