#include "DomainListImport.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "CMysqlQuery.h"
#include "SessionMessageBox.h"
#include "class_xmldocumentdata.h"

namespace {

const char* const kMethodDomainKeyError = "methoddomainkey값 error()";
const char* const kMethodError = "import method error()";
const char* const kInterfaceError = "import interface error()";
const char* const kNothingChanged = "가져오기를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다.";
const char* const kLost = "서버와의 연결이 끊어져 가져오기를 멈췄습니다.";
const char* const kLostNothingChanged = " 서버가 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다.";

// What a step does after a failed row (in merge mode; in replace mode every failure ends the import).
enum class AfterFailure { next_row, skip_step, end_import };

// What a step shows for a failed row: the server's text, its own text, or both in this order.
struct FailureMessage {
    bool serverText;
    const char* text;
};

class DomainListImport {
public:
    explicit DomainListImport(class_xmldocumentdata& data)
        : m_data(data), m_rows(data.m_import), m_db(*CMysqlQuery::GetInstance()),
          m_replace(data.m_nMode == class_xmldocumentdata::MODE_REPLACE) {}

    int Run() {
        if (m_replace) {
            if (!Succeeded(m_db.BeginTransaction())) return -1;
            delete_replaced_items();
        }
        const bool completed = !m_lost && import_methoddomains() && import_datadomains() && import_data() &&
                               import_datafields() && import_methods() && import_interfaces() &&
                               import_membermethods();
        if (m_lost) return ReportLostConnection();
        if (m_replace) return completed ? Commit() : RollBack();
        return m_failed ? -1 : 0;
    }

private:
    bool import_methoddomains() {
        return RunStep("메소드 도메인", m_rows.method_domains, m_rows.faults.method_domains,
                       AfterFailure::end_import, {true, kMethodDomainKeyError},
                       [&](const class_domain_info& domain) {
                           return m_db.ExecuteUpdate(m_db.FormatCall(
                               "call xmldocumentViewimportDomain(%d, %d, '%s', '%s', %d, %d,'%s')", domain.id,
                               domain.upper_id, "method", domain.name, domain.standard_port, domain.is_public,
                               domain.description));
                       });
    }

    // The document carries no port for a data domain.
    bool import_datadomains() {
        return RunStep("데이타 도메인", m_rows.data_domains, m_rows.faults.data_domains,
                       AfterFailure::skip_step, {true, nullptr},
                       [&](const class_domain_info& domain) {
                           return m_db.ExecuteUpdate(m_db.FormatCall(
                               "call xmldocumentViewimportDomain(%d, %d, 'data', '%s', %d, %d,'%s')", domain.id,
                               domain.upper_id, domain.name, 0, domain.is_public, domain.description));
                       });
    }

    bool import_data() {
        return RunStep("데이타", m_rows.data_items, m_rows.faults.data_items,
                       AfterFailure::skip_step, {true, nullptr},
                       [&](const class_metadata_info& item) {
                           return m_db.ExecuteUpdate(m_db.FormatCall(
                               "call xmldocumentViewimportData(%d,'%s','%s','%s',%d,'%s','%s','%s','%s')",
                               item.domain_id, item.name, item.type, item.physical, item.real_domain_id,
                               item.real_data, item.scmin, item.scmax, item.description));
                       });
    }

    bool import_datafields() {
        return RunStep("필드", m_rows.fields, m_rows.faults.fields,
                       AfterFailure::next_row, {true, nullptr}, [&](const class_datafield_info& f) {
            return m_db.ExecuteProc(m_db.FormatCall(
                "call xmldocumentViewimportDatafield(%d,'%s','%s',%d,'%s','%s',%d,'%s','%s','%s','%s',%d,'%s')",
                f.domain_id, f.data_name, f.member_name, f.bitsize, f.type, f.physical, f.real_domain_id, f.real_data,
                f.scmin, f.scmax, f.arraytype, f.arraysize, f.description));
        });
    }

    bool import_methods() {
        return RunStep("메소드", m_rows.methods, m_rows.faults.methods,
                       AfterFailure::end_import, {true, kMethodError},
                       [&](const class_method_info& method) {
                           return m_db.ExecuteProc(m_db.FormatCall(
                               "call xmldocumentViewimportMethod(%d,'%s','%s','%u',%d,'%s',%d,'%s','%s')",
                               method.domain_id, method.name, method.type, ImportedMethodCode(method.code),
                               method.in_domain_id, method.in_data, method.out_domain_id, method.out_data,
                               method.description));
                       });
    }

    bool import_interfaces() {
        return RunStep("인터페이스", m_rows.interfaces, m_rows.faults.interfaces,
                       AfterFailure::end_import, {false, kInterfaceError},
                       [&](const class_interface_info& item) {
                           return m_db.ExecuteProc(m_db.FormatCall("call xmldocumentViewimportInterface(%d,'%s','%s')",
                                                                   item.domain_id, item.name, item.description));
                       });
    }

    bool import_membermethods() {
        return RunStep("멤버 메소드", m_rows.member_methods, m_rows.faults.member_methods,
                       AfterFailure::next_row, {true, nullptr},
                       [&](const class_xmlmembermethod_info& member) {
                           return m_db.ExecuteProc(
                               m_db.FormatCall("call xmldocumentViewimportInterfacemembermethod(%d,'%s','%s','')",
                                               member.domain_id, member.interface_name, member.member_name));
                       });
    }

    // Each method-domain row deletes what that domain holds now, gathered afresh for it.
    void delete_replaced_items() {
        for (const auto& domain : m_rows.method_domains) {
            if (m_lost) return;
            m_data.clear_export_lists();
            m_data.load_methoddomain(domain.id);
            const class_xmlexport_lists& gathered = m_data.m_export;
            for (const auto& item : gathered.interfaces)
                Delete(m_db.FormatCall("call interfaceViewDeleteInterface(%d,'%s')", item.domain_id, item.name));
            for (const auto& method : gathered.methods)
                Delete(m_db.FormatCall("call methodViewDeleteMethod(%d,'%s')", method.domain_id, method.name));
            for (const auto& [key, items] : gathered.data_items)
                for (const auto& item : items)
                    Delete(m_db.FormatCall("call metadataViewDeleteMetadata(%d,'%s')", item.domain_id, item.name));
        }
    }

    // A refused delete is shown; the import then writes over what stayed. After a lost connection nothing more
    // is sent.
    void Delete(const CString& text) {
        if (m_lost || m_db.ExecuteProc(text) == 0) return;
        if (m_db.LostConnection()) m_lost = true;
        else m_db.ShowLastError();
    }

    // A row whose numbers do not fit their fields is not sent: it fails with the reader's text in place of the
    // server's.
    template <typename Record, typename Send>
    bool RunStep(const char* kind, const std::vector<Record>& rows, const class_xmlimport_faults& faults,
                 AfterFailure after, FailureMessage message, Send send) {
        const size_t step = m_written.size();
        m_written.emplace_back(kind, 0);
        for (std::size_t index = 0; index < rows.size(); ++index) {
            const auto fault = faults.find(index);
            if (fault == faults.end() && send(rows[index]) == 0) {
                ++m_written[step].second;
                continue;
            }
            m_failed = true;
            if (fault == faults.end() && m_db.LostConnection()) {
                m_lost = true;
                m_lostKind = kind;
                return false;
            }
            if (fault != faults.end()) SessionMessageBox(fault->second.c_str());
            else if (message.serverText) m_db.ShowLastError();
            if (message.text) SessionMessageBox(message.text);
            if (m_replace || after == AfterFailure::end_import) return false;
            if (after == AfterFailure::skip_step) return true;
        }
        return true;
    }

    // A transaction step that failed is shown.
    bool Succeeded(int result) {
        if (result == 0) return true;
        m_db.ShowLastError();
        return false;
    }

    int Commit() { return Succeeded(m_db.CommitTransaction()) ? 0 : -1; }

    int RollBack() {
        if (Succeeded(m_db.RollbackTransaction())) SessionMessageBox(kNothingChanged);
        return -1;
    }

    // Replace mode: the server has undone the transaction as the connection ended. Merge mode: what was written
    // before stays, and the row that was on its way may or may not have arrived.
    int ReportLostConnection() {
        std::string text = kLost;
        if (m_replace) {
            m_db.RollbackTransaction();
            text += kLostNothingChanged;
        } else {
            text += " 그때까지 데이타베이스에 쓴 것:";
            for (size_t i = 0; i < m_written.size(); ++i)
                text += (i ? ", " : " ") + std::string(m_written[i].first) + " " + std::to_string(m_written[i].second);
            text += ".";
            if (m_lostKind) text += " 연결이 끊어질 때 보내던 " + std::string(m_lostKind) + " 한 줄은 쓰였는지 알 수 없습니다.";
        }
        SessionMessageBox(text.c_str());
        return -1;
    }

    class_xmldocumentdata& m_data;
    const class_xmlimport_lists& m_rows;
    CMysqlQuery& m_db;
    const bool m_replace;
    bool m_failed = false;
    bool m_lost = false;                // the connection to the server was lost: the import stopped
    const char* m_lostKind = nullptr;   // the kind of row that was on its way then
    std::vector<std::pair<const char*, int>> m_written;  // rows written, per step that ran
};

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

}  // namespace

int ImportDomainList(class_xmldocumentdata& data) { return DomainListImport(data).Run(); }

unsigned ImportedMethodCode(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (text.size() - at >= 2 && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) at += 2;
    std::uint64_t code = 0;
    for (; at < text.size() && HexDigit(text[at]) >= 0; ++at)
        code = std::min<std::uint64_t>(code * 16 + static_cast<unsigned>(HexDigit(text[at])), UINT32_MAX);
    return static_cast<unsigned>(code);
}
