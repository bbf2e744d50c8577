#pragma once

// The editor's one database session: the connection, the login of the application account, the statement
// runners over the stored procedures, the checks, and the typed loaders that turn result rows into records.
// README.md in this folder states the conventions every caller relies on.

#include <array>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "CCallFormat.h"
#include "CLoginValues.h"
#include "CMysqlConnection.h"
#include "CMysqlReadAhead.h"
#include "CMysqlResult.h"
#include "CString.h"
#include "DatabaseClient.h"
#include "SessionRecords.h"

class CMysqlQuery {
public:
    // The one session, created on first use and destroyed at process exit. Whenever it holds no connection
    // block it prepares a fresh, unconnected one.
    static CMysqlQuery* GetInstance();
    virtual ~CMysqlQuery();
    CMysqlQuery(const CMysqlQuery&) = delete;
    CMysqlQuery& operator=(const CMysqlQuery&) = delete;

    // ---- Call texts ----------------------------------------------------------------------------------------

    // The call text of `format` with its arguments: every text argument escaped for the live connection,
    // integers written as printf writes them, "%%" as "%". The format is checked when it is compiled (see
    // CCallFormat.h). Every call text of the editor is formatted here.
    template <typename... Args>
    CString FormatCall(CCallFormat<std::decay_t<Args>...> format, const Args&... args) {
        const std::array<tamo_session_detail::CallArgument, sizeof...(Args)> arguments{MakeCallArgument(args)...};
        return tamo_session_detail::ComposeCallText(format.Get(), arguments.data(), arguments.size());
    }

    // ---- Connection ----------------------------------------------------------------------------------------

    // Connects with the login values and logs the application account in. Returns an empty text on success,
    // else the error text to show. After any failure past the connect the block is closed, so the next
    // attempt starts afresh. The session keeps the values of the last login, so that it can open a lost
    // connection again.
    CString Connect(const CLoginValues& login);
    // Clears the flag, closes the connection once and frees the block; harmless without a block. The session
    // forgets the login: it opens no connection of its own until the next Connect.
    void Close();
    bool IsConnected() const { return m_pConnection && m_pConnection->m_bConnected; }
    CMysqlConnection* GetConnection() const { return m_pConnection; }
    // The application password the session logs in with when it opens a lost connection again (after the
    // account's password was changed).
    void SetLoginPassword(std::string_view password);
    // The seconds any one wait of a call may last (tamo::database::WAIT_BOUND_SECONDS); taken by the next
    // connection. Tests shorten it.
    void SetWaitBound(unsigned seconds) { m_nWaitBoundSeconds = seconds; }
    // Whether the last call failed because the connection to the server was lost: the server went away or did
    // not answer within the wait bound, the connection could not be opened again, or a transaction ended with
    // the connection. Whether a change of such a call reached the server is not known.
    bool LostConnection() const { return m_bLastFailureLost; }
    // A call that the server undid whole because it lost a conflict with another session's change (a deadlock,
    // a cluster's certification) is sent again, after a short pause, this many times at most, when it ran
    // outside a transaction of the caller; then it fails with the conflict refusal.
    static constexpr unsigned CONFLICT_RESENDS = 3;

    // ---- Transactions ------------------------------------------------------------------------------------
    // A transaction is opened and ended through these, never through a statement text: inside one the session
    // does not open a lost connection again (the server has undone the transaction's changes as the
    // connection ended), so every call fails until the transaction is ended. So it is when a call or the
    // commit loses a conflict: the server has undone the whole transaction, the text says so, and nothing is
    // sent again. 0, or -1 with the error text.

    int BeginTransaction();
    // Fails when the connection was lost since the transaction began: nothing of it was kept. When it was lost
    // after the COMMIT went out, before its answer came, the server may have kept all of it: the text says that
    // this is not known, and CommitOutcomeUnknown tells so until the next commit.
    int CommitTransaction();
    bool CommitOutcomeUnknown() const { return m_bCommitOutcomeUnknown; }
    // Succeeds also when the connection was lost: the server has undone the transaction then.
    int RollbackTransaction();

    // The application-wide message box with the last error text. A lost connection is told once: the calls
    // that then fail without reaching the server say nothing new.
    void ShowLastError();
    const std::string& GetLastErrorText() const { return m_strLastError; }
    // The application account that passed the login; empty before.
    const std::string& GetLoginUser() const { return m_strLoginUser; }

    // ---- Statement steps, for callers that read a statement themselves ----------------------------------
    // Query, CheckResult, StoreResult, then the rows, NextResult and DrainResults: the order every runner
    // below follows. Sending a new text drains whatever the previous statement left unread.

    // Sends the text; 0, or -1 with the server's error text. A text that is longer than the field it goes
    // into is refused without being sent, naming the field; a connection that the server ended since the last
    // call is opened and logged in again first (outside a transaction), and the user is told once.
    int Query(const CString& text);
    // Reads the status set of the statement just sent: true when its column 0 reads 1 or more.
    bool CheckResult();
    // Stores the current data set into *result; -1 (with the error text) when there is none.
    int StoreResult(MYSQL_RES** result);
    // Advances to the next result of the statement: 0 there is one, -1 there is none, above 0 an error.
    int NextResult();
    // Reads and frees every result the current statement has left.
    void DrainResults();

    // ---- Statement runners: 0 on success, -1 with the server's error text -------------------------------

    // A procedure that changes data: status set, then the affected-row count must not be the error marker.
    int ExecuteProc(const CString& text);
    // As ExecuteProc; a further one-row set whose column 0 is 2 means failure.
    int ExecuteProcStatus(const CString& text);
    // As ExecuteProc, and on success also moves past the procedure's closing result (edits and deletes).
    int ExecuteUpdate(const CString& text);
    // A statement that answers no result set.
    int Execute(const CString& text);
    // A check judged only by whether it answers a result set: none passes (0), any refuses (-1).
    int ExecuteStatus(const CString& text);
    // Appends "[타입]" + column 1 + " [이름]" + column 2 + " [경로]" + column 3 per data row; shows a failure.
    void QueryReferenceList(const CString& text, std::vector<std::string>& lines);
    // The number of data rows, or -1 (shown).
    int CountResultRows(const CString& text);
    // Column 0 of the first data row (a new id, or any one integer); -1 on failure or without a row.
    int QueryNewId(const CString& text);
    int QueryInt(const CString& text);

    // ---- Checks ---------------------------------------------------------------------------------------------

    // "* Codde 중복 *\n" followed by column 0 and "\n" per row; returns the row count, -1 on failure.
    int CheckMethodCode(const CString& text, CString& report);
    // Appends "  " col 1 " : " col 2 " : " col 3 "\n" per row whose column 0 is not 0; returns the row count.
    int CollectCheckReport(const CString& text, CString& report);
    // No status set: the installed places as a report; returns the row count, -1 on failure.
    int CheckInstalledInSubsystem(const CString& text, CString& report);
    // No status set: 1 when column 0 of the first row reads exactly 1 (locked), else 0; -1 on failure.
    int CheckSystemLock(const CString& text);

    // ---- Domains ----------------------------------------------------------------------------------------

    // Copies the entries into the domain list of the kind ("method", "data" or "system"; others do nothing).
    void SetDomainIdList(const std::map<int, std::string>& entries, LPCTSTR kind);
    // The domain list of the kind; empty for any other kind.
    const std::map<int, std::string>& GetDomainIdList(LPCTSTR kind) const;
    // "Tamo\Method\" (kind "method") or "Tamo\Data\", followed by the server's path of the domain. A failure
    // is shown and leaves the prefix alone.
    int GetDomainPath(LPCTSTR kind, int domainId, std::string& path);
    // The (domain id, interface name) pairs that the parent-interface collection shares across its levels.
    std::set<std::pair<int, std::string>>& ParentInterfaces() { return m_setParentInterface; }

    // ---- Typed loaders: append one record per data row; 0, or -1 with the server's error text ------------
    // Marked "clears": the list is emptied first. Marked "skips 0": rows whose column 0 reads 0 are left out.

    int SelectMemberDomainList(const CString& text, std::vector<class_member_domain>& list);
    int SelectAccountRows(const CString& text, std::vector<account_row>& list);
    // Clears; skips 0. Kind "method" reads the standard port from column 5; "data" and "system" have none.
    int SelectDomainInfoList(const CString& text, LPCTSTR kind, std::vector<class_domain_info>& list);
    // Clears. Builds its own call: the item named `name` of the domain, or every item when `name` is empty.
    int SelectMetadataList(int domainId, LPCTSTR name, std::vector<class_metadata_info>& list);
    // The call text SelectMetadataList sends (for a read-ahead of it).
    CString MetadataListCall(int domainId, LPCTSTR name);
    // Clears. The first item of the domain's whole list alone (none when the domain has no item).
    int SelectFirstMetadata(int domainId, std::vector<class_metadata_info>& list);
    CString FirstMetadataCall(int domainId);
    // Clears. Every item of the domain, ordered by type.
    int SelectMetadataListByTypeSort(int domainId, std::vector<class_metadata_info>& list);
    int SelectRealDomainList(const CString& text, std::vector<class_domain_info>& list);
    int SelectRealMetadataList(const CString& text, std::vector<class_metadata_info>& list);
    int SelectDatafieldList(const CString& text, std::vector<class_datafield_info>& list);
    // Only member name, minimum (a constant's value) and description.
    int SelectDatafieldSummaryList(const CString& text, std::vector<class_datafield_info>& list);
    // What SelectDatafieldSummaryList keeps of a field's record.
    static class_datafield_info DatafieldSummary(const class_datafield_info& field);
    // Clears. The first field (or constant) of every item of the domain that has any, one record each in the
    // columns of SelectDatafieldList (`data_name` names the item).
    int SelectFirstDatafields(int domainId, std::vector<class_datafield_info>& list);
    CString FirstDatafieldsCall(int domainId);
    // Skips 0; keyed by the parent domain id, rows of one parent in row order.
    int SelectDomainAllList(const CString& text, std::multimap<int, class_domain_info>& domains);
    // Clears; skips 0. Kind "data" has no standard-port column; any other kind reads it from column 5.
    int SelectDataDomainList(const CString& text, LPCTSTR kind, std::vector<class_domain_info>& list);
    int SelectMethodList(const CString& text, std::vector<class_method_info>& list);
    int SelectInterfaceList(const CString& text, std::vector<class_interface_info>& list);
    int SelectMemberMethodList(const CString& text, std::vector<class_method_info>& list);
    // Clears. The first member of every interface of the domain that has members, as SelectMemberMethodList
    // reads it, with the interface's name.
    int SelectFirstMemberMethods(int domainId, std::vector<std::pair<std::string, class_method_info>>& list);
    CString FirstMemberMethodsCall(int domainId);
    int SelectRealMethodList(const CString& text, std::vector<class_method_info>& list);
    int SelectNodeList(const CString& text, std::vector<class_node_info>& list);
    // Every row overwrites the record; the last row wins.
    int SelectNodeInfo(const CString& text, class_node_info& node);
    int SelectInstalledComponentList(const CString& text, std::vector<class_component_info>& list);
    int SelectComponentList(const CString& text, std::vector<class_component_info>& list);
    // Every row overwrites the record and the text (column 3); the last row wins.
    int SelectComponentInfo(const CString& text, class_component_info& component, std::string& columnText);
    // Every record points at `table`, which each row overwrites with its stub IP and stub object id.
    int SelectProxyComponentList(const CString& text, std::vector<class_component_info>& list,
                                 class_custum_table* table);
    int SelectProxyInterfaceList(const CString& text, std::vector<class_proxy_interface_relation_info>& list);
    int SelectStubInterfaceList(const CString& text, std::vector<class_stub_interface_relation_info>& list);
    int SelectNetworkList(const CString& text, std::vector<class_network_info>& list);
    // No status set: the first result set is the data.
    int SelectOverlapIpList(const CString& text, std::vector<class_network_info>& list);
    int SelectDeployBindNetworkList(const CString& text, std::vector<class_network_info>& list);
    int SelectSwitchNetworkList(const CString& text, std::vector<class_network_info>& list);
    int SelectCustomProxyTable(const CString& text, std::vector<class_custum_table>& list);
    int SelectCustomStubTable(const CString& text, std::vector<class_custum_table>& list);
    int SelectSubsystemCustomTable(const CString& text, std::vector<class_custum_table>& list);
    int SelectNetworkLinkList(const CString& text, std::vector<class_network_link_info>& list);
    int SelectSystemDomainPortList(const CString& text, std::vector<class_system_domain_port_info>& list);
    int SelectInterfaceObjectList(const CString& text, std::vector<class_interface_object_info>& list);
    int SelectNodePortList(const CString& text, std::vector<class_node_port_info>& list);
    int SelectNodeNetworkPortList(const CString& text, std::vector<std::pair<int, std::string>>& list);
    int SelectClassNameList(const CString& text, std::vector<std::string>& list);
    int SelectIdList(const CString& text, std::vector<int>& list);
    int SelectDomainLogicalList(const CString& text, std::vector<int>& list);

private:
    friend class CMysqlReadAhead;
    CMysqlQuery() = default;

    template <typename T>
    tamo_session_detail::CallArgument MakeCallArgument(const T& value) {
        tamo_session_detail::CallArgument argument;
        if constexpr (tamo_session_detail::is_call_text_v<std::decay_t<T>>) {
            argument.kind = tamo_session_detail::CallArgumentKind::text;
            argument.text = EscapeText(std::string_view(TextOf(value)));
        } else if constexpr (std::is_enum_v<T>) {
            argument.bits = static_cast<unsigned long long>(static_cast<std::underlying_type_t<T>>(value));
        } else {
            argument.bits = static_cast<unsigned long long>(value);
        }
        return argument;
    }
    static std::string_view TextOf(const char* text) { return text ? std::string_view(text) : std::string_view(); }
    static std::string_view TextOf(const CString& text) { return text.str(); }
    static std::string_view TextOf(const std::string& text) { return text; }
    static std::string_view TextOf(std::string_view text) { return text; }

    // The text escaped for use between single quotes on the connection (its character set).
    std::string EscapeText(std::string_view text);

    MYSQL* Handle() const { return m_pConnection ? &m_pConnection->m_mysql : nullptr; }
    void PrepareConnectionBlock();
    // Closes and frees the block; the session's login and its knowledge of a lost connection stay.
    void CloseBlock();
    // Sends the text on the connection as it is.
    int Send(const CString& text);
    // Connect's work; a connection opened anew tells the server so at its login.
    CString ConnectAs(const CLoginValues& login, tamo::database::LoginConnection connection);
    // Hands the application account to the server and sends the login's check of it, again after a conflict
    // as Resending does.
    int SendLogin(const CLoginValues& login, tamo::database::LoginConnection connection);
    // Whether a statement can be sent: a connection found ended is opened and logged in again, outside a
    // transaction. False with the error text when it cannot be.
    bool Reopen();
    // Whether the server has ended the connection since its last answer: between calls nothing is left to
    // read, so anything that can be read (an end, an error packet) means it is gone.
    bool ServerHungUp();
    // Takes note of a failure of the client library that lost the connection: the session opens it again
    // before the next call, and the error text says what happened. False for any other failure.
    bool NoteLostConnection();
    void MarkLost(const std::string& text);
    void TakeError();
    // Takes note of a failure that lost a conflict with another session (tamo::database::ConflictOf): the
    // error text becomes the conflict refusal; a whole undone transaction of the caller is told as such and
    // refuses the calls until it ends; a call outside one may be sent again (m_bLastFailureResendable).
    void NoteConflict(unsigned errorNumber, const char* sqlState);
    // Ends a transaction that the server undid whole: ROLLBACK, keeping the error text.
    void EndUndoneTransaction();
    // Runs one call (the runner's whole work on it) again while it fails as a conflict that the server undid
    // whole outside the caller's transaction, at most CONFLICT_RESENDS times more.
    template <typename Run>
    auto Resending(Run&& run);
    void PauseBeforeResend(unsigned resent);
    void SetError(const char* text) { m_strLastError = text; }
    // Stores the current result set, if the statement is positioned on one.
    MYSQL_RES* StoreCurrent();

    // The shape shared by every loader: the status set (unless `withStatus` is false), the data set, one
    // call of `readRow` per row, then the rest of the statement's results.
    template <typename ReadRow>
    int LoadRows(const CString& text, ReadRow&& readRow, bool withStatus = true);
    // The checks' shape: the status set, the data set with one call of `readRow` per row; the row count or -1.
    template <typename ReadRow>
    int CountCheckRows(const CString& text, ReadRow&& readRow);

    // Sends the texts in as few round trips as fit the connection's packets and stores every result of each
    // call into `answers`, in order; stops after the first call that fails (the server runs none after it).
    // Fewer than two texts (unless `evenOne`), or no connection: nothing is sent.
    void SendReadAhead(const std::vector<CString>& texts, std::vector<CMysqlReadAhead::Answer>& answers,
                       bool evenOne = false);
    // One multi-statement text of texts[first, last); false when a call failed.
    bool SendReadAheadBatch(const std::string& batch, const std::vector<CString>& texts, size_t first, size_t last,
                            std::vector<CMysqlReadAhead::Answer>& answers);
    // The error text of a failed read-ahead call (a lost connection noted as such).
    std::string ReadAheadError();
    // The answer a read-ahead holds for the text, taken; null when none does.
    CMysqlReadAhead::Answer* TakeReadAhead(const CString& text);
    // Whether a live read-ahead holds an answer of the text that nobody took yet.
    bool HasReadAhead(std::string_view text);
    // The data set of a read-ahead answer as LoadRows reads it live: after the status set (unless
    // `withStatus` is false); the answer keeps it. Null with the call's error text on failure.
    const CMysqlRows* OpenReadAheadRows(const CMysqlReadAhead::Answer& answer, bool withStatus);

    // Status set, data set, column 0 of the first row.
    int QueryFirstInt(const CString& text);
    // Shared by QueryReferenceList and CountResultRows: send, status set, data set; shows a failure.
    int OpenShownDataSet(const CString& text, CMysqlResult& result);

    CMysqlConnection* m_pConnection = nullptr;  // owned; null after Close until the next GetInstance
    CString m_strQuery;                          // scratch text of the loaders that format their own call
    std::string m_strLoginUser;
    std::map<int, std::string> m_mapMethodDomain;
    std::map<int, std::string> m_mapDataDomain;
    std::map<int, std::string> m_mapSystemDomain;
    std::set<std::pair<int, std::string>> m_setParentInterface;
    std::string m_strLastError;
    bool m_bResultPending = false;     // the statement is positioned on a result set that nobody stored yet
    std::string m_strStatementError;   // the error an advance of the current statement met
    unsigned m_nStatementErrno = 0;    // and its number and SQLSTATE
    std::string m_strStatementState;
    bool m_bLastFailureResendable = false;  // the last call lost a conflict, was undone whole and may be resent
    bool m_bTransactionUndone = false;      // the server undid the open transaction after a lost conflict
    std::vector<CMysqlReadAhead*> m_readAheads;  // the live read-aheads, not owned (each removes itself)

    // The lost connection and how it is opened again.
    std::optional<CLoginValues> m_login;  // of the last login; none before it and after Close
    unsigned m_nWaitBoundSeconds = tamo::database::WAIT_BOUND_SECONDS;
    bool m_bLoggingIn = false;        // Connect is running: its failures are its own
    bool m_bLost = false;             // the connection is gone and must be opened again before the next call
    bool m_bInTransaction = false;    // between BeginTransaction and its end
    bool m_bCommitting = false;       // CommitTransaction sends its COMMIT
    bool m_bCommitSent = false;       // and the COMMIT has gone out
    bool m_bCommitOutcomeUnknown = false;  // the last commit lost its connection after its COMMIT went out
    bool m_bLossTold = false;         // a failed call's text has told of the loss
    bool m_bLastFailureLost = false;  // the last call failed because the connection was lost
    std::string m_strLossText;        // what the calls say while the loss lasts
    std::chrono::steady_clock::time_point m_callStarted;
    std::chrono::steady_clock::time_point m_reopenFailed;  // the last failed attempt to open it again
    unsigned long m_nSends = 0;       // statements sent and attempts to open the connection
    std::string m_strShownLoss;       // the loss text ShowLastError showed last, and at which send
    unsigned long m_nShownLossSends = 0;
};

template <typename Run>
auto CMysqlQuery::Resending(Run&& run) {
    for (unsigned resent = 0;; ++resent) {
        auto result = run();
        if (!m_bLastFailureResendable || resent == CONFLICT_RESENDS) return result;
        PauseBeforeResend(resent);
    }
}

template <typename ReadRow>
int CMysqlQuery::LoadRows(const CString& text, ReadRow&& readRow, bool withStatus) {
    if (CMysqlReadAhead::Answer* answer = TakeReadAhead(text)) {
        const CMysqlRows* data = OpenReadAheadRows(*answer, withStatus);
        if (!data) return -1;
        CMysqlResult rows(data);
        while (rows.FetchRow()) readRow(rows);
        return 0;
    }
    // Rows are read only from a data set that arrived whole, so a call sent again appends nothing twice.
    return Resending([&] {
        int result = -1;
        MYSQL_RES* stored = nullptr;
        if (Query(text) == 0 && (!withStatus || CheckResult()) && StoreResult(&stored) == 0) {
            CMysqlResult rows(stored);
            while (rows.FetchRow()) readRow(rows);
            NextResult();
            result = 0;
        }
        DrainResults();
        return result;
    });
}
