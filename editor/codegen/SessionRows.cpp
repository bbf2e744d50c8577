#include "SessionRows.h"

#include "SessionMessageBox.h"

namespace tamo::codegen {

int QueryRows(CMysqlQuery& session, const CString& call, std::vector<CodegenRow>& rows) {
    MYSQL_RES* stored = nullptr;
    if (session.Query(call) != 0 || !session.CheckResult() || session.StoreResult(&stored) != 0) {
        session.DrainResults();
        return -1;
    }
    CMysqlResult result(stored);
    const int columns = static_cast<int>(mysql_num_fields(stored));
    while (result.FetchRow()) {
        CodegenRow row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column) row.push_back(result.GetText(column));
        rows.push_back(std::move(row));
    }
    result.Reset();
    session.DrainResults();
    return 0;
}

std::string DomainPathOf(CMysqlQuery& session, const std::string& kind, int domainId) {
    std::string path;
    session.GetDomainPath(kind.c_str(), domainId, path);
    return path;
}

int LoadDomainRecord(CMysqlQuery& session, int domainId, const std::string& kind,
                     std::vector<class_domain_info>& records) {
    if (kind == "method") {
        return session.SelectDomainInfoList(session.FormatCall("call domainMethodInfo(%d,'method')", domainId),
                                            "method", records);
    }
    return session.SelectDomainInfoList(session.FormatCall("call domainDataInfo(%d,'data')", domainId), "data",
                                        records);
}

void ShowCodegenMessage(const std::string& text) { SessionMessageBox(text.c_str()); }

}  // namespace tamo::codegen
