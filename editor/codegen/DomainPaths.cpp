#include "DomainPaths.h"

#include <map>
#include <memory>

#include "CodeText.h"
#include "SessionRows.h"

using namespace tamo::codegen;

std::string HeaderPath(CMysqlQuery& session, const std::string& kind, int domainId) {
    return DomainPathOf(session, kind, domainId);
}

void ReplaceAll(std::string& text, const std::string& replacement) { text = ReplaceText(text, "\\", replacement); }

namespace {

std::string QualifierOfPath(std::string path) {
    ReplaceAll(path, "::");
    path.erase(path.size() >= 2 ? path.size() - 2 : 0);
    return path;
}

}  // namespace

int DomainIdToQualifier(std::string& qualifier, const std::string& kind, const std::string& domainIdText,
                        CMysqlQuery& session) {
    qualifier = QualifierOfPath(HeaderPath(session, kind, ReadDecimal(domainIdText)));
    return 0;
}

namespace tamo::codegen {

std::function<std::string(int domainId)> RememberedDataHeaderPaths(CMysqlQuery& session) {
    auto read = std::make_shared<std::map<int, std::string>>();
    return [&session, read](int domainId) {
        if (const auto known = read->find(domainId); known != read->end()) return known->second;
        std::string path;
        if (session.GetDomainPath("data", domainId, path) == 0) read->emplace(domainId, path);
        return path;
    };
}

std::function<std::string(int domainId)> RememberedDataQualifiers(CMysqlQuery& session) {
    return [paths = RememberedDataHeaderPaths(session)](int domainId) { return QualifierOfPath(paths(domainId)); };
}

}  // namespace tamo::codegen
