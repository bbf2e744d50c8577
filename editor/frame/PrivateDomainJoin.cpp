#include "PrivateDomainJoin.h"

#include "CMysqlQuery.h"

std::vector<std::string> SplitJoinPath(std::string_view path) {
    std::vector<std::string> names;
    std::string_view::size_type start = 0;
    while (start <= path.size()) {
        std::string_view::size_type end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) names.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

int JoinPrivateDomainPath(std::string_view path, const CString& kind) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    int upperId = 0;
    for (const std::string& name : SplitJoinPath(path)) {
        upperId = db->QueryNewId(db->FormatCall("call domainAccountViewJoinPrivateDomain('%s',%d,'%s')", name,
                                                upperId, kind));
        if (upperId == -1) return -1;
    }
    return 0;
}
