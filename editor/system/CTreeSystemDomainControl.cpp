#include "CTreeSystemDomainControl.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "CComponentInNode.h"
#include "CMysqlQuery.h"
#include "CNewComponentDlg.h"
#include "CNewComponentInterfaceDlg.h"
#include "CNewNodeDlg.h"
#include "CNewObjectId.h"
#include "CNodeViewDlg.h"
#include "CWnd.h"
#include "CurrentRecords.h"
#include "ComponentClassCopy.h"
#include "CopyTransaction.h"
#include "DomainCommands.h"
#include "SessionRecords.h"
#include "class_copy_component_dlg.h"
#include "class_copy_node_dialog.h"
#include "class_copy_system_domain_data.h"
#include "class_copy_system_domain_dialog.h"
#include "class_network_link_dialog.h"
#include "class_node_info.h"
#include "class_nodeproxy_stubinfo_dlg.h"
#include "class_port_disign_dialog.h"

CTreeSystemDomainControl* g_pTreeSystemDomainControl = nullptr;

namespace {

const char* const kSystem = "system";

const char* const kComponentLocked =
    "*삭제 불가*\n SubsystemNode에 설치되어 있으며, SubsystemNode가 Lock상태입니다. ";
const char* const kClassLocked =
    "*삭제 불가*\n 외부 시스템과 연결된 Class 입니다. 현재 외수 시스템은 Lock 상태 입니다.";
const char* const kDomainPortsLocked = "상위 도메인의 Subsystem Node에 Lock이 설정되어있어,\n 수정할 수 없습니다.";

bool IsProxy(const char* kind) { return std::strcmp(kind, "proxy") == 0; }

// What an import copies is read by its id when it runs, not taken from the list the dialog showed.
const char* const kImportedComponentGone = "가져올 컴포넌트가 없습니다. 다른 사용자가 지웠습니다.";
const char* const kImportedNodeGone = "가져올 노드가 없습니다. 다른 사용자가 지웠습니다.";

// The class dialog preset with a class of the component (edit-class and object modes).
template <class Relation>
void PresetClass(CNewComponentInterfaceDlg& dialog, const Relation& relation, const char* kind) {
    dialog.m_strKind = kind;
    dialog.m_nId = relation.id;
    dialog.m_nComponentId = relation.component_id;
    dialog.m_nMethodDomainId = relation.method_domain_id;
    dialog.m_strMethodDomainName = relation.method_domain_name;
    dialog.m_strInterfaceName = relation.interface_name;
    dialog.m_strClassName = relation.class_name;
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

void CTreeSystemDomainControl::EditDomainPorts(class_domain_info* domain) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (AskLock(db->FormatCall("call check_system_lock_domain(%d)", domain->id), kDomainPortsLocked) != 0) return;
    class_port_disign_dialog dialog;
    dialog.m_DomainInfo = *domain;
    dialog.DoModal();
}

void CTreeSystemDomainControl::EditNetworkLinks(class_domain_info* domain) {
    class_network_link_dialog dialog;
    dialog.m_DomainInfo = *domain;
    dialog.DoModal();
}

int CTreeSystemDomainControl::MoveOrCopyDomain(class_domain_info* domain) {
    class_copy_system_domain_dialog dialog;
    dialog.m_nDestinationDomainId = domain->id;
    if (dialog.DoModal() != IDOK || dialog.m_pChosenDomain == nullptr) return -1;
    const class_domain_info chosen = *dialog.m_pChosenDomain;
    class_copy_system_domain_data copier;
    if (dialog.m_nMove != 0) return copier.relink_upper_domain(*domain, chosen) == 0 ? chosen.id : -1;
    class_copy_system_domain_data::DomainIdMap domainIds;
    const int copied = copier.copy_current_into(chosen.id, domain->id, domainIds);
    // Whether the server kept a copy whose commit lost its answer is not known: the receiver is shown as the
    // server holds it, as after a copy.
    return copied == CopyTransaction::OUTCOME_UNKNOWN ? 0 : copied;
}

// ---- Nodes -------------------------------------------------------------------------------------------------

int CTreeSystemDomainControl::NewNode(int domainId) {
    CNewNodeDlg dialog;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int nodeId = db->QueryInt(db->FormatCall("call nodeNewNodes(%d,'%s','%s','%s', %d)", domainId,
                                                   dialog.m_strName, dialog.m_strType, dialog.m_strDescription,
                                                   dialog.m_nSubSystemDomainId));
    if (nodeId == -1) {
        db->ShowLastError();
        return -1;
    }
    if (db->ExecuteProc(db->FormatCall("call nodeportViewNewNode(%d, %d, %d)", nodeId, domainId,
                                       dialog.m_nSubSystemDomainId)) != 0) {
        db->ShowLastError();
        return -1;
    }
    if (StandsForSubSystem(dialog.m_strType.str())) {
        // What the node stands for: its addresses and the domain's public entries. Their results are not used.
        db->Execute(db->FormatCall("call select_network(%d)", nodeId));
        db->ExecuteProc(
            db->FormatCall("call insert_subsystem_public_proxy_interface_loop(%d)", dialog.m_nSubSystemDomainId));
        db->ExecuteProc(
            db->FormatCall("call insert_subsystem_public_stub_interface_loop(%d)", dialog.m_nSubSystemDomainId));
    }
    return nodeId;
}

int CTreeSystemDomainControl::EditNode(class_node_info* node) {
    CNewNodeDlg dialog;
    dialog.m_strName = node->name;
    dialog.m_strType = node->type;
    dialog.m_strDescription = node->description;
    dialog.m_nSubSystemDomainId = node->sub_system_domain_id;
    dialog.m_strSubSystemDomainName = node->sub_system_domain_name;
    dialog.m_nLock = node->locked;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProcStatus(db->FormatCall("call NodeViewEditNode(%d, %d,'%s','%s','%s', %d, %d)", node->id,
                                             node->domain_id, dialog.m_strName, dialog.m_strType,
                                             dialog.m_strDescription, dialog.m_nSubSystemDomainId,
                                             dialog.m_nLock)) != 0) {
        db->ShowLastError();
        return -1;
    }
    node->name = dialog.m_strName.str();
    // The dialog says "router" where the database and the tree keep "urouter".
    node->type = dialog.m_strType == "router" ? "urouter" : dialog.m_strType.str();
    node->description = dialog.m_strDescription.str();
    node->sub_system_domain_id = dialog.m_nSubSystemDomainId;
    node->sub_system_domain_name = dialog.m_strSubSystemDomainName.str();
    node->locked = dialog.m_nLock;
    return 0;
}

int CTreeSystemDomainControl::DeleteNode(class_node_info* node) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call nodeDeleteNodes(%d)", node->id)) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

void CTreeSystemDomainControl::EditNodeIps(class_node_info* node) {
    CNodeViewDlg dialog;
    dialog.m_strName = node->name;
    dialog.m_strType = node->type;
    dialog.m_nNodeId = node->id;
    dialog.m_nDomainId = node->domain_id;
    dialog.m_nSubSystemDomainId = node->sub_system_domain_id;
    dialog.m_NodeInfo = *node;
    dialog.DoModal();
}

int CTreeSystemDomainControl::InstallComponents(class_node_info* node, std::vector<class_component_info>& installed) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> before;
    if (db->SelectInstalledComponentList(
            db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", node->domain_id, node->id), before) != 0) {
        db->ShowLastError();
        return -1;
    }
    CComponentInNode dialog;
    dialog.m_nDomainId = node->domain_id;
    dialog.m_nNodeId = node->id;
    dialog.m_strTitle = CString("component install view :: ") + node->name.c_str();
    dialog.DoModal();
    for (const class_component_info& component : dialog.m_vecComponents) {
        const bool wasInstalled = std::any_of(before.begin(), before.end(), [&component](const auto& old) {
            return old.component_id == component.component_id;
        });
        if (!wasInstalled) installed.push_back(component);
    }
    return 0;
}

int CTreeSystemDomainControl::EditStubInfo(class_custum_table* entry) {
    class_nodeproxy_stubinfo_dlg dialog;
    dialog.m_nEntryId = entry->id;
    dialog.m_nDeploymentId = entry->second_id;
    dialog.m_strStubObjectId = entry->stub_object_id;
    dialog.m_strStubIp = entry->stub_ip;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call nodeproxyViewNewstubinfo(%d, %d, '%s')", entry->id,
                                       string_to_int(dialog.m_strStubObjectId), dialog.m_strStubIp)) != 0) {
        db->ShowLastError();
        return -1;
    }
    entry->stub_object_id = dialog.m_strStubObjectId.str();
    entry->stub_ip = dialog.m_strStubIp.str();
    return 0;
}

int CTreeSystemDomainControl::CopyNodeInto(const class_node_info& source, const class_domain_info& domain,
                                           class_node_info* node) {
    class_node_info copy;
    class_copy_system_domain_data copier;
    const int result = CopyTransaction::Run([&] {
        class_node_info current;
        if (!ReadCurrentNode(source.id, current, kImportedNodeGone)) return -1;
        return copier.copy_node_into(current, domain.id, copy);
    });
    if (result != 0) return result;
    *node = copy;
    return 0;
}

int CTreeSystemDomainControl::ImportNode(class_node_info* node, class_domain_info* domain) {
    class_copy_node_dialog dialog;
    if (dialog.DoModal() != IDOK || dialog.m_pSelectedNode == nullptr) return -1;
    return CopyNodeInto(*dialog.m_pSelectedNode, *domain, node);
}

// ---- Components, classes and objects ------------------------------------------------------------------------

int CTreeSystemDomainControl::NewComponent(class_component_info* component, class_domain_info* domain) {
    CNewComponentDlg dialog;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int componentId = db->QueryInt(db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", domain->id,
                                                        dialog.m_strName, dialog.m_strDescription));
    if (componentId == -1) {
        db->ShowLastError();
        return -1;
    }
    component->component_id = componentId;
    component->systemdomain_id = domain->id;
    component->name = dialog.m_strName.str();
    component->description = dialog.m_strDescription.str();
    return componentId;
}

int CTreeSystemDomainControl::EditComponent(class_component_info* component) {
    CNewComponentDlg dialog;
    dialog.m_strName = component->name;
    dialog.m_strDescription = component->description;
    dialog.m_nSystemDomainId = component->systemdomain_id;
    dialog.m_nComponentId = component->component_id;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteUpdate(db->FormatCall("call ComponentViewEditComponent(%d,%d,'%s','%s')", component->component_id,
                                         component->systemdomain_id, dialog.m_strName,
                                         dialog.m_strDescription)) != 0) {
        db->ShowLastError();
        return -1;
    }
    component->name = dialog.m_strName.str();
    component->description = dialog.m_strDescription.str();
    return 0;
}

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

void CTreeSystemDomainControl::NewProxyClass(class_component_info* component) { NewClasses(component, "proxy"); }

void CTreeSystemDomainControl::NewStubClass(class_component_info* component) { NewClasses(component, "stub"); }

void CTreeSystemDomainControl::NewClasses(class_component_info* component, const char* kind) {
    CNewComponentInterfaceDlg dialog;
    dialog.m_strKind = kind;
    dialog.m_nComponentId = component->component_id;
    dialog.m_nSystemDomainId = component->systemdomain_id;
    dialog.DoModal();
}

template <class Relation>
int CTreeSystemDomainControl::EditClass(Relation* relation, const char* kind) {
    CNewComponentInterfaceDlg dialog;
    PresetClass(dialog, *relation, kind);
    dialog.m_bEditClassMode = TRUE;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString call =
        IsProxy(kind)
            ? db->FormatCall("call proxyInterfaceRalationViewEditInterface(%d, %d,'%s','%s')", relation->id,
                             dialog.m_nMethodDomainId, dialog.m_strInterfaceName, dialog.m_strClassName)
            : db->FormatCall("call stubInterfaceRalationViewEditInterface(%d, %d,'%s','%s')", relation->id,
                             dialog.m_nMethodDomainId, dialog.m_strInterfaceName, dialog.m_strClassName);
    if (db->ExecuteUpdate(call) != 0) {
        db->ShowLastError();
        return -1;
    }
    relation->method_domain_id = dialog.m_nMethodDomainId;
    relation->method_domain_name = dialog.m_strMethodDomainName.str();
    relation->interface_name = dialog.m_strInterfaceName.str();
    relation->class_name = dialog.m_strClassName.str();
    return 0;
}

int CTreeSystemDomainControl::EditProxyClass(class_proxy_interface_relation_info* relation) {
    return EditClass(relation, "proxy");
}

int CTreeSystemDomainControl::EditStubClass(class_stub_interface_relation_info* relation) {
    return EditClass(relation, "stub");
}

template <class Relation>
int CTreeSystemDomainControl::NewObject(Relation* relation, const char* kind, std::string& objectName) {
    CNewComponentInterfaceDlg dialog;
    PresetClass(dialog, *relation, kind);
    dialog.m_bObjectMode = TRUE;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString call =
        IsProxy(kind) ? db->FormatCall("call proxyInterfaceObjectViewNewObjectName(%d, '%s','%d')", relation->id,
                                       dialog.m_strObjectName, relation->component_id)
                      : db->FormatCall("call stubInterfaceObjectViewNewObjectName(%d, '%s','%d')", relation->id,
                                       dialog.m_strObjectName, relation->component_id);
    if (db->ExecuteProc(call) != 0) {
        db->ShowLastError();
        return -1;
    }
    objectName = dialog.m_strObjectName.str();
    return 0;
}

int CTreeSystemDomainControl::NewProxyObject(class_proxy_interface_relation_info* relation,
                                             std::string& objectName) {
    return NewObject(relation, "proxy", objectName);
}

int CTreeSystemDomainControl::NewStubObject(class_stub_interface_relation_info* relation, std::string& objectName) {
    return NewObject(relation, "stub", objectName);
}

template <class Relation>
int CTreeSystemDomainControl::EditObject(Relation* relation, const char* kind, class_interface_object_info* object) {
    CNewComponentInterfaceDlg dialog;
    PresetClass(dialog, *relation, kind);
    dialog.m_bObjectMode = TRUE;
    dialog.m_nId = object->relation_id;
    dialog.m_strObjectName = object->object_name;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString call =
        IsProxy(kind) ? db->FormatCall("call proxyInterfaceObjectViewEditObjectName(%d, '%s', %d, '%s')", relation->id,
                                       object->object_name, relation->component_id, dialog.m_strObjectName)
                      : db->FormatCall("call stubInterfaceObjectViewEditObjectName(%d, '%s', %d, '%s')", relation->id,
                                       object->object_name, relation->component_id, dialog.m_strObjectName);
    if (db->ExecuteUpdate(call) != 0) {
        db->ShowLastError();
        return -1;
    }
    object->object_name = dialog.m_strObjectName.str();
    return 0;
}

int CTreeSystemDomainControl::EditProxyObject(class_proxy_interface_relation_info* relation,
                                              class_interface_object_info* object) {
    return EditObject(relation, "proxy", object);
}

int CTreeSystemDomainControl::EditStubObject(class_stub_interface_relation_info* relation,
                                             class_interface_object_info* object) {
    return EditObject(relation, "stub", object);
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
    int newId = -1;
    class_component_info current;
    const int result = CopyTransaction::Run([&] {
        if (!ReadCurrentComponent(source.component_id, current, kImportedComponentGone)) return -1;
        newId = db->QueryInt(
            db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", domain.id, current.name, current.description));
        if (newId == -1) {
            db->ShowLastError();
            return -1;
        }
        // The classes without their objects.
        const auto noObjects = [](int, int) { return 0; };
        return CopyProxyClasses(current.component_id, newId, noObjects) &&
                       CopyStubClasses(current.component_id, newId, noObjects)
                   ? 0
                   : -1;
    });
    if (result != 0) return result;
    component->component_id = newId;
    component->systemdomain_id = domain.id;
    component->name = current.name;
    component->description = current.description;
    return 0;
}

int CTreeSystemDomainControl::ImportComponent(class_component_info* component, class_domain_info* domain) {
    class_copy_component_dlg dialog;
    if (dialog.DoModal() != IDOK || dialog.m_pSelectedComponent == nullptr) return -1;
    return CopyComponentInto(*dialog.m_pSelectedComponent, *domain, component);
}

// ---- Installed entries ---------------------------------------------------------------------------------------

int CTreeSystemDomainControl::EditObjectId(int kindFlag, class_custum_table* entry, const std::string& objectId) {
    CNewObjectId dialog;
    dialog.SetInitialObjectId(objectId.c_str());
    dialog.m_nPublic = entry->is_public != 0 ? 1 : 0;
    dialog.m_nLockId = entry->second_id;
    if (dialog.DoModal() != IDOK) return -1;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    int isPublic = dialog.m_nPublic != 0 ? 1 : 0;
    if (isPublic == 0 && entry->is_public != 0) {
        if (::MessageBox(nullptr, "서브시스템에 설치된 해당 object가 같이 삭제됩니다.", "알림", MB_OKCANCEL) != IDOK) {
            isPublic = 1;
        } else if (db->ExecuteProc(db->FormatCall("call delete_subsystem_object(%d, %d, %d)", entry->id,
                                                  entry->second_id, kindFlag)) != 0) {
            db->ShowLastError();
        }
    }
    if (db->ExecuteUpdate(db->FormatCall("call coustum_ViewEditobjectid(%d, %d, %d, %d)", entry->id,
                                         string_to_int(dialog.m_strObjectId), kindFlag, isPublic)) != 0) {
        db->ShowLastError();
        return -1;
    }
    if (isPublic == 1 && entry->is_public == 0)
        db->ExecuteProc(db->FormatCall("call insert_subsystem_custum_interface_loop(%d, %d, %d)", entry->id,
                                       entry->second_id, kindFlag));
    entry->object_id = dialog.m_strObjectId.str();
    entry->is_public = isPublic;
    return 0;
}
