#include "CTreeSystemDomainControl.h"

#include <vector>

#include "CMysqlQuery.h"
#include "CWnd.h"
#include "DomainCommands.h"
#include "SessionRecords.h"

CTreeSystemDomainControl* g_pTreeSystemDomainControl = nullptr;

namespace {

const char* const kSystem = "system";

const char* const kComponentLocked =
    "*삭제 불가*\n SubsystemNode에 설치되어 있으며, SubsystemNode가 Lock상태입니다. ";
const char* const kClassLocked =
    "*삭제 불가*\n 외부 시스템과 연결된 Class 입니다. 현재 외수 시스템은 Lock 상태 입니다.";

// Inserts a copy of every class of a class list with the call that `insertCall` formats for it. False when the
// list cannot be read (shown); a class that cannot be inserted is shown and skipped.
template <class Relation, class InsertCall>
bool CopyClasses(int (CMysqlQuery::*load)(const CString&, std::vector<Relation>&), const CString& listCall,
                 InsertCall insertCall) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<Relation> classes;
    if ((db->*load)(listCall, classes) != 0) {
        db->ShowLastError();
        return false;
    }
    for (const Relation& relation : classes)
        if (db->QueryNewId(insertCall(relation)) == -1) db->ShowLastError();
    return true;
}

}  // namespace

int CTreeSystemDomainControl::AskLock(const CString& lockCall, const char* refusal) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int locked = db->CheckSystemLock(lockCall);
    if (locked == 1)
        AfxMessageBox(refusal);
    else if (locked == -1)
        db->ShowLastError();
    return locked;
}

// ---- Domains -----------------------------------------------------------------------------------------------

int CTreeSystemDomainControl::NewDomain(class_domain_info* parent) {
    // The pane reloads the parent's sub-domains; the new id is not needed.
    return NewDomainThroughDialog(kSystem, parent->id) == -1 ? -1 : 0;
}

int CTreeSystemDomainControl::EditDomain(class_domain_info* domain) { return EditDomainThroughDialog(kSystem, *domain); }

int CTreeSystemDomainControl::DeleteDomain(class_domain_info* domain) { return DeleteDomainOfKind(kSystem, *domain); }

void CTreeSystemDomainControl::ShowDomainAccounts(class_domain_info* domain) {
    ShowDomainAccountsOfKind(kSystem, *domain);
}

// ---- Nodes -------------------------------------------------------------------------------------------------

int CTreeSystemDomainControl::DeleteNode(class_node_info* node) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call nodeDeleteNodes(%d)", node->id)) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

int CTreeSystemDomainControl::CopyNodeInto(const class_node_info& source, const class_domain_info& domain,
                                           class_node_info* node) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int newId = db->QueryInt(db->FormatCall("call nodeNewNodes(%d,'%s','%s','%s', %d)", domain.id, source.name,
                                                  source.type, source.description, source.sub_system_domain_id));
    if (newId == -1) {
        db->ShowLastError();
        return -1;
    }
    node->id = newId;
    node->domain_id = domain.id;
    node->name = source.name;
    node->type = source.type;
    node->description = source.description;
    node->sub_system_domain_id = source.sub_system_domain_id;
    node->sub_system_domain_name = source.sub_system_domain_name;

    std::vector<class_network_info> addresses;
    if (db->SelectNetworkList(db->FormatCall("call networkViewList(%d)", source.id), addresses) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_network_info& row : addresses) {
        if (db->ExecuteProc(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", newId, row.ip,
                                           row.mask, row.network, row.gateway, row.dns, row.port,
                                           row.description)) != 0)
            db->ShowLastError();
    }
    return 0;
}

// ---- Components, classes and objects ------------------------------------------------------------------------

int CTreeSystemDomainControl::DeleteComponent(class_component_info* component) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int locked = AskLock(db->FormatCall("call check_system_lock_component(%d, %d)", component->systemdomain_id,
                                              component->component_id),
                               kComponentLocked);
    if (locked != 0) return locked;
    if (db->ExecuteUpdate(db->FormatCall("call componentViewDeletecomponent(%d,%d)", component->component_id,
                                         component->systemdomain_id)) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

int CTreeSystemDomainControl::DeleteProxyClass(class_proxy_interface_relation_info* relation) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (AskLock(db->FormatCall("call check_system_lock_proxy_class(%d)", relation->id), kClassLocked) != 0) return -1;
    if (db->ExecuteUpdate(db->FormatCall("call proxyInterfaceRalationDeleteInterface(%d)", relation->id)) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

int CTreeSystemDomainControl::DeleteStubClass(class_stub_interface_relation_info* relation) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (AskLock(db->FormatCall("call check_system_lock_stub_class(%d)", relation->id), kClassLocked) != 0) return -1;
    if (db->ExecuteUpdate(db->FormatCall("call stubInterfaceRalationDeleteInterface(%d)", relation->id)) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

int CTreeSystemDomainControl::AddObjectToDeployments(int domainId, int componentId, int classId, int classKind,
                                                     const std::string& objectName) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<int> deployments;
    if (db->SelectIdList(db->FormatCall("call deploymentsViewDeploymentslist(%d, %d)", domainId, componentId),
                         deployments) != 0) {
        db->ShowLastError();
        return -1;
    }
    int result = 0;
    for (const int deployment : deployments) {
        const CString call =
            classKind == CLASS_KIND_PROXY
                ? db->FormatCall("call coustum_proxyViewNewobjectid(%d, %d, NULL, '%s')", deployment, classId,
                                 objectName)
                : db->FormatCall("call coustum_stubViewNewobjectid(%d, %d, NULL, '%s')", deployment, classId,
                                 objectName);
        if (db->ExecuteProc(call) != 0) {
            db->ShowLastError();
            result = -1;
        }
    }
    return result;
}

int CTreeSystemDomainControl::CopyComponentInto(const class_component_info& source, const class_domain_info& domain,
                                                class_component_info* component) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int newId = db->QueryInt(
        db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", domain.id, source.name, source.description));
    if (newId == -1) {
        db->ShowLastError();
        return -1;
    }
    component->component_id = newId;
    component->systemdomain_id = domain.id;
    component->name = source.name;
    component->description = source.description;

    const bool proxiesCopied = CopyClasses(
        &CMysqlQuery::SelectProxyInterfaceList,
        db->FormatCall("call proxyInterfaceViewList(%d)", source.component_id),
        [db, newId](const class_proxy_interface_relation_info& relation) {
            return db->FormatCall("call proxyInterfaceRalationViewNewInterface(%d, %d,'%s','%s')", newId,
                                  relation.method_domain_id, relation.interface_name, relation.class_name);
        });
    if (!proxiesCopied) return -1;
    const bool stubsCopied = CopyClasses(
        &CMysqlQuery::SelectStubInterfaceList, db->FormatCall("call stubInterfaceViewList(%d)", source.component_id),
        [db, newId](const class_stub_interface_relation_info& relation) {
            return db->FormatCall("call stubInterfaceRalationViewNewInterface(%d, %d,'%s','%s')", newId,
                                  relation.method_domain_id, relation.interface_name, relation.class_name);
        });
    return stubsCopied ? 0 : -1;
}
