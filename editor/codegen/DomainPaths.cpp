#include "DomainPaths.h"

#include "CodeText.h"
#include "SessionRows.h"

using namespace tamo::codegen;

std::string HeaderPath(CMysqlQuery& session, const std::string& kind, int domainId) {
    return DomainPathOf(session, kind, domainId);
}

void ReplaceAll(std::string& text, const std::string& replacement) { text = ReplaceText(text, "\\", replacement); }

int DomainIdToQualifier(std::string& qualifier, const std::string& kind, const std::string& domainIdText,
                        CMysqlQuery& session) {
    qualifier = HeaderPath(session, kind, ReadDecimal(domainIdText));
    ReplaceAll(qualifier, "::");
    qualifier.erase(qualifier.size() >= 2 ? qualifier.size() - 2 : 0);
    return 0;
}

namespace tamo::codegen {

std::string DataDomainQualifier(CMysqlQuery& session, int domainId) {
    std::string qualifier;
    DomainIdToQualifier(qualifier, "data", std::to_string(domainId), session);
    return qualifier;
}

}  // namespace tamo::codegen
