#include "InterfaceInfoCollection.h"

#include <vector>

#include "CMysqlQuery.h"
#include "SessionRows.h"

using namespace tamo::codegen;

int CollectParentInterfaces(CMysqlQuery& session, ParentInterfaceSet& collected, int domainId,
                            const std::string& interfaceName) {
    if (!collected.insert({domainId, interfaceName}).second) return 0;
    std::vector<CodegenRow> parents;
    if (QueryRows(session,
                  session.FormatCall("call interfaceViewParentInterfaceList(%d,'method','%s')", domainId,
                             interfaceName),
                  parents) != 0) {
        return -1;
    }
    int result = 0;
    for (const CodegenRow& parent : parents) {
        if (CollectParentInterfaces(session, collected, ReadDecimal(Column(parent, 2)), Column(parent, 1)) != 0) {
            result = -1;
        }
    }
    return result;
}

class_InterfaceInfo InterfaceInfoFromRow(const std::vector<std::string>& row) {
    class_InterfaceInfo info;
    info.domain_path = Column(row, 0);
    info.method_name = Column(row, 1);
    info.method_type = Column(row, 2);
    info.code = Column(row, 3);
    info.in_domain_id = Column(row, 4);
    info.in_domain_name = Column(row, 5);
    info.in_data_name = Column(row, 6);
    info.out_domain_id = Column(row, 7);
    info.out_domain_name = Column(row, 8);
    info.out_data_name = Column(row, 9);
    info.user_id = Column(row, 10);
    info.description = Column(row, 11);
    info.method_domain_id = ReadDecimal(Column(row, 12));
    return info;
}

int SelectInterfaceInfoMap(const std::string& statement, CMysqlQuery& session, InterfaceInfoMap& map) {
    std::vector<CodegenRow> rows;
    if (QueryRows(session, CString(statement), rows) != 0) return -1;
    for (const CodegenRow& row : rows) {
        class_InterfaceInfo info = InterfaceInfoFromRow(row);
        InterfaceInfoKey key{info.domain_path, info.code};
        map.emplace(std::move(key), std::move(info));
    }
    return 0;
}

int LoadInterfaceInfoMap(CMysqlQuery& session, int domainId, const std::string& interfaceName, InterfaceInfoMap& map) {
    ParentInterfaceSet& collected = session.ParentInterfaces();
    collected.clear();
    int result = 0;
    if (CollectParentInterfaces(session, collected, domainId, interfaceName) != 0) {
        session.ShowLastError();
        result = -1;
    }
    map.clear();
    for (const auto& [id, name] : collected) {
        if (SelectInterfaceInfoMap(
                std::string(session.FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')", id, name)),
                session, map) != 0) {
            session.ShowLastError();
            result = -1;
        }
    }
    return result;
}
