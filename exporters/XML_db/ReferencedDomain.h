#pragma once

#include <string>

#include "ResultSets.h"
#include "XML_db_core.h"

namespace tamo::exporters {

// A domain that an exported row refers to (an alias's data, a method's data, an installed interface, a
// sub-system): its id, its kind ("데이타", "메서드", "시스템") and its name as the referring row gives it.
struct ReferencedDomain {
    const std::string& id;
    const char* kind;
    const std::string& name;
};

// Runs a read of a referenced domain as the lists are run: a failed statement ends the run with
// `statement_error`, a failed status test with `status_error` (not tested when null). A refusal of the server
// (the status row 0, then its reason) means that the account may not read that domain, which a colleague may have
// made private after the reference was made: the run ends with a text that names the domain and gives the
// server's reason.
ResultSets read_referenced_domain(XML_db_core& db, const std::string& call, const ReferencedDomain& domain,
                                  const char* statement_error, const char* status_error, bool* status_ok = nullptr);

// "참조하는 데이타 도메인 Secret(id 5)을(를) 읽을 수 없습니다: <reason>"
std::string unreadable_domain_text(const ReferencedDomain& domain, const std::string& reason);

}  // namespace tamo::exporters
