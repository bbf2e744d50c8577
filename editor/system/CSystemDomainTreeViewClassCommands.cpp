// The system pane's commands on proxy and stub classes, their objects and the installed entries: each runs
// through the command object (or its procedure) and then refills the class and the installed copies of its
// component.

#include "CSystemDomainTreeView.h"

#include "CTreeSystemDomainControl.h"
#include "SystemTreeItems.h"

namespace {

const char* const kObjectLocked = "*삭제 불가*\n 외부 시스템과 연결된 object 입니다. 현재 외부 시스템은 Lock 상태 입니다.";

}  // namespace

// ---- Class and object commands -----------------------------------------------------------------------------

void CSystemDomainTreeView::OnAddProxyClass() { AddClasses(TREE_PROXY_CLASS); }

void CSystemDomainTreeView::OnAddStubClass() { AddClasses(TREE_STUB_CLASS); }

void CSystemDomainTreeView::AddClasses(int classKind) {
    const bool proxy = classKind == TREE_PROXY_CLASS;
    TreeNodeData* current = CurrentItemOfKind(TREE_COMPONENT);
    HTREEITEM folder = SelectedFolderOf(current, proxy ? SystemFolder::proxy : SystemFolder::stub);
    if (folder == nullptr) return;
    auto* component = static_cast<class_component_info*>(current->record);
    if (proxy)
        SystemControl()->NewProxyClass(component);
    else
        SystemControl()->NewStubClass(component);
    DeleteChildItems(folder);
    if (proxy)
        FillProxyClasses(current->path, component->component_id, folder);
    else
        FillStubClasses(current->path, component->component_id, folder);
    m_wndTree.SelectItem(folder);
    if (proxy) m_wndTree.Expand(folder, TVE_EXPAND);
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    if (owningDomain == nullptr) return;
    // Selecting the installed folders may load the domains above them: the class folder is found again.
    const ItemWay wayToFolder = WayTo(folder);
    RefreshInstalledEntries(owningDomain, component->component_id, current->kind);
    if (proxy) {
        if (HTREEITEM again = FollowWay(wayToFolder)) m_wndTree.SelectItem(again);
    }
}

void CSystemDomainTreeView::OnEditProxyClass() { EditClass(TREE_PROXY_CLASS); }

void CSystemDomainTreeView::OnEditStubClass() { EditClass(TREE_STUB_CLASS); }

void CSystemDomainTreeView::EditClass(int classKind) {
    TreeNodeData* current = CurrentItemOfKind(classKind);
    if (current == nullptr) return;
    // The dialog shows the class as the server holds it now, and the tree what the edit left.
    if (ShowClassAsStored(*current) == StoredItem::gone) return;
    const int edited =
        classKind == TREE_PROXY_CLASS
            ? SystemControl()->EditProxyClass(static_cast<class_proxy_interface_relation_info*>(current->record))
            : SystemControl()->EditStubClass(static_cast<class_stub_interface_relation_info*>(current->record));
    if (ShowClassAsStored(*current) == StoredItem::gone) return;
    if (edited != 0) {
        PostProperties(current);
        return;
    }
    m_wndTree.SelectItem(current->item);
    if (HTREEITEM owningDomain = OwningDomainItem(current->item))
        RefreshInstalledEntries(owningDomain, ClassIds(*current).second, classKind);
    PostProperties(current);
}

void CSystemDomainTreeView::OnDeleteProxyClass() {
    TreeNodeData* current = CurrentItemOfKind(TREE_PROXY_CLASS);
    if (current == nullptr) return;
    if (!ConfirmDelete("Class를 삭제하겠습니까?.\n")) return;
    auto* relation = static_cast<class_proxy_interface_relation_info*>(current->record);
    if (SystemControl()->DeleteProxyClass(relation) != 0) {
        ShowClassAsStored(*current);
        return;
    }
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    m_wndTree.DeleteItem(current->item);
    if (owningDomain) RefreshInstalledEntries(owningDomain, relation->component_id, TREE_PROXY_CLASS);
}

void CSystemDomainTreeView::OnDeleteStubClass() {
    TreeNodeData* current = CurrentItemOfKind(TREE_STUB_CLASS);
    if (current == nullptr) return;
    if (!ConfirmDelete("인터페이스을 삭제하겠습니까?.\n")) return;
    auto* relation = static_cast<class_stub_interface_relation_info*>(current->record);
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    if (SystemControl()->DeleteStubClass(relation) == 0)
        m_wndTree.DeleteItem(current->item);
    else
        ShowClassAsStored(*current);
    if (owningDomain) RefreshInstalledEntries(owningDomain, relation->component_id, TREE_STUB_CLASS);
}

void CSystemDomainTreeView::OnAddProxyObject() { AddObject(TREE_PROXY_CLASS); }

void CSystemDomainTreeView::OnAddStubObject() { AddObject(TREE_STUB_CLASS); }

void CSystemDomainTreeView::AddObject(int classKind) {
    TreeNodeData* current = CurrentItemOfKind(classKind);
    if (current == nullptr) return;
    const bool proxy = classKind == TREE_PROXY_CLASS;
    std::string objectName;
    const int added =
        proxy ? SystemControl()->NewProxyObject(static_cast<class_proxy_interface_relation_info*>(current->record),
                                                objectName)
              : SystemControl()->NewStubObject(static_cast<class_stub_interface_relation_info*>(current->record),
                                               objectName);
    if (added == -1) return;
    const auto [classId, componentId] = ClassIds(*current);
    DeleteChildItems(current->item);
    if (proxy)
        FillProxyObjects(current->path, classId, current->item);
    else
        FillStubObjects(current->path, classId, current->item);
    m_wndTree.Expand(current->item, TVE_EXPAND);
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    if (owningDomain == nullptr) return;
    const int domainId = static_cast<const class_domain_info*>(ItemData(owningDomain)->record)->id;
    // A deployment that refused the object leaves the entries the others took: the installed copies show what
    // the server holds either way.
    SystemControl()->AddObjectToDeployments(domainId, componentId, classId, classKind, objectName);
    RefreshInstalledEntries(owningDomain, componentId, classKind);
}

class_interface_object_info* CSystemDomainTreeView::SelectedObject(int objectKind, HTREEITEM& classItem) const {
    HTREEITEM objectItem = SelectedItem();
    const TreeNodeData* objectData = ItemData(objectItem);
    if (objectData == nullptr || objectData->kind != objectKind || objectData->record == nullptr) return nullptr;
    classItem = m_wndTree.GetParentItem(objectItem);
    const TreeNodeData* classData = ItemData(classItem);
    const int classKind = objectKind == TREE_PROXY_OBJECT ? TREE_PROXY_CLASS : TREE_STUB_CLASS;
    if (classData == nullptr || classData->kind != classKind || classData->record == nullptr) return nullptr;
    return static_cast<class_interface_object_info*>(objectData->record);
}

void CSystemDomainTreeView::OnEditProxyObject() { EditObject(TREE_PROXY_OBJECT); }

void CSystemDomainTreeView::OnEditStubObject() { EditObject(TREE_STUB_OBJECT); }

void CSystemDomainTreeView::EditObject(int objectKind) {
    HTREEITEM classItem = nullptr;
    auto* object = SelectedObject(objectKind, classItem);
    if (object == nullptr) return;
    const TreeNodeData* classData = ItemData(classItem);
    const bool proxy = objectKind == TREE_PROXY_OBJECT;
    const int edited =
        proxy ? SystemControl()->EditProxyObject(
                    static_cast<class_proxy_interface_relation_info*>(classData->record), object)
              : SystemControl()->EditStubObject(static_cast<class_stub_interface_relation_info*>(classData->record),
                                                object);
    if (edited != -1) {
        RefillObjects(classItem);
        return;
    }
    // Refused (or cancelled): the class shows its objects as the server holds them now.
    ShowObjectsAsStored(classItem);
}

void CSystemDomainTreeView::OnDeleteProxyObject() { DeleteObject(TREE_PROXY_OBJECT); }

void CSystemDomainTreeView::OnDeleteStubObject() { DeleteObject(TREE_STUB_OBJECT); }

void CSystemDomainTreeView::DeleteObject(int objectKind) {
    HTREEITEM classItem = nullptr;
    const class_interface_object_info* object = SelectedObject(objectKind, classItem);
    if (object == nullptr) return;
    if (!ConfirmDelete("객체를 삭제하겠습니까?.\n")) return;

    const bool proxy = objectKind == TREE_PROXY_OBJECT;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int locked = db->CheckSystemLock(
        proxy ? db->FormatCall("call check_system_lock_proxy_object(%d, '%s')", object->relation_id, object->object_name)
              : db->FormatCall("call check_system_lock_stub_object(%d, '%s')", object->relation_id,
                               object->object_name));
    if (locked == 1) {
        AfxMessageBox(kObjectLocked);
        return;
    }
    // A lock that cannot be asked refuses as well.
    if (locked == -1) {
        db->ShowLastError();
        return;
    }
    const CString deletion =
        proxy ? db->FormatCall("call proxyInterfaceObjectViewDelete(%d, '%s', %d)", object->relation_id,
                               object->object_name, object->component_id)
              : db->FormatCall("call stubInterfaceObjectViewDelete(%d, '%s', %d)", object->relation_id,
                               object->object_name, object->component_id);
    if (db->ExecuteProc(deletion) != 0) {
        db->ShowLastError();
        ShowObjectsAsStored(classItem);
        return;
    }
    RefillObjects(classItem);
}

void CSystemDomainTreeView::ShowObjectsAsStored(HTREEITEM classItem) {
    const TreeNodeData* classData = ItemData(classItem);
    const int classId = ClassIds(*classData).first;
    DeleteChildItems(classItem);
    if (classData->kind == TREE_PROXY_CLASS)
        FillProxyObjects(classData->path, classId, classItem);
    else
        FillStubObjects(classData->path, classId, classItem);
    m_wndTree.Expand(classItem, TVE_EXPAND);
}

void CSystemDomainTreeView::RefillObjects(HTREEITEM classItem) {
    ShowObjectsAsStored(classItem);
    const int componentId = ClassIds(*ItemData(classItem)).second;
    if (HTREEITEM owningDomain = OwningDomainItem(classItem))
        RefreshInstalledEntries(owningDomain, componentId, ItemData(classItem)->kind);
}

void CSystemDomainTreeView::OnObjectId() {
    TreeNodeData* current = m_pCurrentItem;
    if (current == nullptr || (current->kind != TREE_INSTALLED_PROXY && current->kind != TREE_INSTALLED_STUB) ||
        current->record == nullptr || !IsInTree(current))
        return;
    auto* entry = static_cast<class_custum_table*>(current->record);
    const int kindFlag = current->kind == TREE_INSTALLED_STUB ? 1 : 0;
    // The dialog shows the entry as the server holds it now, and the tree what the edit left.
    if (ShowEntryAsStored(*current, true) == StoredItem::gone) return;
    if (SystemControl()->EditObjectId(kindFlag, entry, entry->object_id) == -1) {
        ShowEntryAsStored(*current, true);
        return;
    }
    m_wndTree.SetItemText(current->item, EntryLabel(*entry, false).c_str());
    m_wndTree.SelectItem(current->item);
    PostProperties(current);
    // The copies of a public entry stand below the nodes that stand for the component's domain.
    const TreeNodeData* installed = ItemData(m_wndTree.GetParentItem(m_wndTree.GetParentItem(current->item)));
    if (installed && installed->record)
        RefreshSubsystemNodes(m_wndTree.GetRootItem(),
                              static_cast<const class_component_info*>(installed->record)->systemdomain_id);
}

void CSystemDomainTreeView::OnStubInfo() {
    TreeNodeData* current = CurrentItemOfKind(TREE_INSTALLED_PROXY);
    if (current == nullptr) return;
    if (ShowEntryAsStored(*current, true) == StoredItem::gone) return;
    const int edited = SystemControl()->EditStubInfo(static_cast<class_custum_table*>(current->record));
    if (ShowEntryAsStored(*current, true) == StoredItem::gone) return;
    if (edited == 0) PostProperties(current);
}
