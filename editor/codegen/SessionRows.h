#pragma once

// What the generators use of the session object: statements read row by row as raw text, the domain path with
// its header prefix and the loader of one domain record.

#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "CodeText.h"

namespace tamo::codegen {

// Runs one stored-procedure call with the status-set convention and reads its data set raw: every column as
// text, NULL as the empty text. 0 on success; -1 on failure with the server's text kept in the session.
int QueryRows(CMysqlQuery& session, const CString& call, std::vector<CodegenRow>& rows);

// "Tamo\Method\" (kind "method") or "Tamo\Data\" followed by the server's path of the domain; a failed query
// is shown by the session and leaves the prefix alone.
std::string DomainPathOf(CMysqlQuery& session, const std::string& kind, int domainId);

// The record of one domain: "call domainMethodInfo(%d,'method')" for the kind "method", else
// "call domainDataInfo(%d,'data')". 0, or -1 with the server's text kept in the session.
int LoadDomainRecord(CMysqlQuery& session, int domainId, const std::string& kind,
                     std::vector<class_domain_info>& records);

// The application-wide message box of the widget-free modules.
void ShowCodegenMessage(const std::string& text);

}  // namespace tamo::codegen
