#include "ReferencedDomain.h"

#include "ExportError.h"

namespace tamo::exporters {

std::string unreadable_domain_text(const ReferencedDomain& domain, const std::string& reason) {
    return std::string("참조하는 ") + domain.kind + " 도메인 " + domain.name + "(id " + domain.id +
           ")을(를) 읽을 수 없습니다: " + reason;
}

ResultSets read_referenced_domain(XML_db_core& db, const std::string& call, const ReferencedDomain& domain,
                                  const char* statement_error, const char* status_error, bool* status_ok) {
    ResultSets results;
    const char* error = db.query(results, call);
    // A refusal: the status row 0 came before the server's reason.
    if (error && results.size() == 1 && !results.status_ok()) throw ExportError(unreadable_domain_text(domain, error));
    if (error) throw ExportError(statement_error);
    if (status_error && !results.status_ok()) throw ExportError(status_error);
    if (status_ok) *status_ok = results.status_ok();
    return results;
}

}  // namespace tamo::exporters
