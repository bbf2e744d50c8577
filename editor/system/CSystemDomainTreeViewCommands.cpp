// The system pane's commands on domains, nodes, components and installations: each runs through the command
// object and then brings the pane's items up to date.

#include "CSystemDomainTreeView.h"

#include "CTreeSystemDomainControl.h"
#include "CopyTransaction.h"
#include "SystemTreeItems.h"
#include "TreePane.h"

namespace {

// Help topics of the help window.
const int HELP_SYSTEM_DOMAIN = 0;
const int HELP_MOVE_OR_COPY_DOMAIN = 33;
const int HELP_NODE = 34;
const int HELP_DEPLOYMENT = 36;
const int HELP_COMPONENT = 38;

}  // namespace

// ---- Commands ----------------------------------------------------------------------------------------------

TreeNodeData* CSystemDomainTreeView::CurrentItemOfKind(int kind) const {
    if (m_pCurrentItem == nullptr || m_pCurrentItem->kind != kind || m_pCurrentItem->record == nullptr) return nullptr;
    return IsInTree(m_pCurrentItem) ? m_pCurrentItem : nullptr;
}

void CSystemDomainTreeView::OnAddDomain() {
    ShowHelp(HELP_SYSTEM_DOMAIN);
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr) return;
    auto* domain = static_cast<class_domain_info*>(current->record);
    if (SystemControl()->NewDomain(domain) == -1) return;
    DomainList subtree;
    if (!ReadDomainList(DomainListCall(domain->id), subtree)) return;
    DeleteChildItemsOfKind(current->item, TREE_SYSTEM_DOMAIN);
    FillDomainLevel(subtree, domain->id, current->item, 1, ChildPath(current));
    m_wndTree.Expand(current->item, TVE_EXPAND);
}

void CSystemDomainTreeView::OnEditDomain() {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr) return;
    auto* domain = static_cast<class_domain_info*>(current->record);
    if (domain->id == 0) return;
    // The dialog shows the domain as the server holds it now, and the tree what the edit left.
    if (ShowDomainAsStored(*current) == StoredItem::gone) return;
    const int edited = SystemControl()->EditDomain(domain);
    if (ShowDomainAsStored(*current) == StoredItem::gone) return;
    if (edited == 0) m_wndTree.SelectItem(current->item);
    PostProperties(current);
}

void CSystemDomainTreeView::OnDeleteDomain() {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr || static_cast<class_domain_info*>(current->record)->id == 0) return;
    if (!ConfirmDelete("도메인을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n 도메인관련 데이타,메서드,인터페이스, "
                       "사용자가 삭제됩니다.\n그래도 삭제하시겠습니까?"))
        return;
    if (SystemControl()->DeleteDomain(static_cast<class_domain_info*>(current->record)) != 0) {
        ShowDomainAsStored(*current);
        return;
    }
    m_wndTree.DeleteItem(current->item);
}

void CSystemDomainTreeView::OnMoveOrCopyDomain() {
    ShowHelp(HELP_MOVE_OR_COPY_DOMAIN);
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr) return;
    class_domain_info receiver = *static_cast<class_domain_info*>(current->record);
    const int result = SystemControl()->MoveOrCopyDomain(&receiver);
    if (result == -1) return;
    if (receiver.id == 0) {
        OnRefresh();
        return;
    }
    // A move leaves its old place (never above the receiver: the dialog refuses moving an ancestor).
    if (result != 0) {
        if (HTREEITEM moved = FindDomainItem(m_wndTree.GetRootItem(), result)) m_wndTree.DeleteItem(moved);
    }
    m_mapDomainList.clear();
    if (!ReadDomainList(CMysqlQuery::GetInstance()->FormatCall("call mainViewDomainList('%d','system')", receiver.id),
                        m_mapDomainList))
        return;
    HTREEITEM item = current->item;
    const std::string path = ChildPath(current);
    DeleteChildItems(item);
    FillNodes(LoadNodeList(NodeListCall(receiver.id)), AddNodesFolder(path, item), path);
    FillComponents(path, receiver.id, AddComponentsFolder(path, item));
    FillDomainLevel(m_mapDomainList, receiver.id, item, 1, path);
    m_wndTree.Expand(item, TVE_EXPAND);
}

HTREEITEM CSystemDomainTreeView::SelectedFolderOf(const TreeNodeData* current, SystemFolder folder) const {
    HTREEITEM selected = SelectedItem();
    if (current == nullptr || selected == nullptr || m_wndTree.GetParentItem(selected) != current->item ||
        SystemFolderOf(m_wndTree.GetItemText(selected).str(), ItemData(selected)) != folder)
        return nullptr;
    return selected;
}

void CSystemDomainTreeView::OnAddNode() {
    ShowHelp(HELP_NODE);
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    HTREEITEM folder = SelectedFolderOf(current, SystemFolder::nodes);
    if (folder == nullptr) return;
    const int domainId = static_cast<class_domain_info*>(current->record)->id;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (;;) {
        const int nodeId = SystemControl()->NewNode(domainId);
        if (nodeId == -1) return;
        FillNodes(LoadNodeList(db->FormatCall("call nodeViewListnodeKey(%d)", nodeId)), folder, ChildPath(current));
        m_wndTree.SelectItem(folder);
        if (MessageBox("새로은 Node를 계속 추가 하시겠습니까?", "Tamo", MB_OKCANCEL) != IDOK) return;
    }
}

void CSystemDomainTreeView::OnEditNode() {
    ShowHelp(HELP_NODE);
    TreeNodeData* current = CurrentItemOfKind(TREE_NODE);
    if (current == nullptr) return;
    auto* node = static_cast<class_node_info*>(current->record);
    // The dialog shows the node as the server holds it now (its sub-system domain and lock included), and the
    // tree what the edit left.
    if (ShowNodeAsStored(*current) == StoredItem::gone) return;
    const int edited = SystemControl()->EditNode(node);
    if (ShowNodeAsStored(*current) == StoredItem::gone) return;
    if (edited != -1) m_wndTree.SelectItem(current->item);
    PostProperties(current);
}

void CSystemDomainTreeView::OnDeleteNode() {
    TreeNodeData* current = CurrentItemOfKind(TREE_NODE);
    if (current == nullptr) return;
    if (!ConfirmDelete("NODE을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n그래도 삭제하시겠습니까?")) return;
    if (SystemControl()->DeleteNode(static_cast<class_node_info*>(current->record)) != 0) {
        ShowNodeAsStored(*current);
        return;
    }
    m_wndTree.DeleteItem(current->item);
}

void CSystemDomainTreeView::OnImportNode() {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    HTREEITEM folder = SelectedFolderOf(current, SystemFolder::nodes);
    if (folder == nullptr) return;
    class_node_info copy;
    auto* domain = static_cast<class_domain_info*>(current->record);
    const int imported = SystemControl()->ImportNode(&copy, domain);
    if (imported == CopyTransaction::OUTCOME_UNKNOWN) {
        // Whether the server kept the copy is not known: the folder shows what it holds.
        DeleteChildItems(folder);
        FillNodes(LoadNodeList(NodeListCall(domain->id)), folder, ChildPath(current));
        m_wndTree.Expand(folder, TVE_EXPAND);
        return;
    }
    if (imported != 0) return;
    class_node_info* node = Own(m_nodes, copy);
    const std::string path = ChildPath(current) + node->name;
    HTREEITEM item = InsertDataItem(node->name, NodeImageIndex(node->type), folder, TVI_LAST, TREE_NODE, node, path);
    m_wndTree.Expand(folder, TVE_EXPAND);
    // A sub-system or sensor node got the installed components of its domain's public entries on the server.
    if (StandsForSubSystem(node->type)) FillInstalledComponents(path, node->domain_id, node->id, item);
}

void CSystemDomainTreeView::OnAddComponent() {
    ShowHelp(HELP_COMPONENT);
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    HTREEITEM folder = SelectedFolderOf(current, SystemFolder::components);
    if (folder == nullptr) return;
    class_component_info* component = Own(m_components, class_component_info());
    if (SystemControl()->NewComponent(component, static_cast<class_domain_info*>(current->record)) == -1) return;
    HTREEITEM item = InsertDataItem(component->name, SYSTEM_IMAGE_COMPONENT, folder, TVI_LAST, TREE_COMPONENT,
                                    component, ChildPath(current) + component->name);
    m_wndTree.Expand(folder, TVE_EXPAND);
    InsertFolder(kProxyFolder, SYSTEM_IMAGE_PROXY_FOLDER, item);
    InsertFolder(kStubFolder, SYSTEM_IMAGE_STUB_FOLDER, item);
}

void CSystemDomainTreeView::OnImportComponent() {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    HTREEITEM folder = SelectedFolderOf(current, SystemFolder::components);
    if (folder == nullptr) return;
    class_component_info copy;
    auto* domain = static_cast<class_domain_info*>(current->record);
    const int imported = SystemControl()->ImportComponent(&copy, domain);
    if (imported == CopyTransaction::OUTCOME_UNKNOWN) {
        // Whether the server kept the copy is not known: the folder shows what it holds.
        DeleteChildItems(folder);
        FillComponents(ChildPath(current), domain->id, folder);
        m_wndTree.Expand(folder, TVE_EXPAND);
        return;
    }
    if (imported != 0) return;
    class_component_info* component = Own(m_components, copy);
    const std::string path = ChildPath(current) + component->name;
    HTREEITEM item =
        InsertDataItem(component->name, SYSTEM_IMAGE_COMPONENT, folder, TVI_LAST, TREE_COMPONENT, component, path);
    m_wndTree.Expand(folder, TVE_EXPAND);
    AddClassFolders(path, component->component_id, item);
}

void CSystemDomainTreeView::OnEditComponent() {
    ShowHelp(HELP_COMPONENT);
    TreeNodeData* current = CurrentItemOfKind(TREE_COMPONENT);
    if (current == nullptr) return;
    auto* component = static_cast<class_component_info*>(current->record);
    // The dialog shows the component as the server holds it now, and the tree what the edit left.
    if (ShowComponentAsStored(*current) == StoredItem::gone) return;
    const std::string shownName = component->name;
    const int edited = SystemControl()->EditComponent(component);
    if (ShowComponentAsStored(*current) == StoredItem::gone) return;
    if (edited != -1) m_wndTree.SelectItem(current->item);
    PostProperties(current);
    if (edited == -1 && component->name == shownName) return;
    if (HTREEITEM owningDomain = OwningDomainItem(current->item))
        RefreshNodesWithComponent(owningDomain, component->component_id);
}

void CSystemDomainTreeView::OnDeleteComponent() {
    TreeNodeData* current = CurrentItemOfKind(TREE_COMPONENT);
    if (current == nullptr) return;
    if (!ConfirmDelete("Component을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n그래도 삭제하시겠습니까?")) return;
    auto* component = static_cast<class_component_info*>(current->record);
    if (SystemControl()->DeleteComponent(component) != 0) {
        ShowComponentAsStored(*current);
        return;
    }
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    if (owningDomain == nullptr) {
        AfxMessageBox("Component의 도메인을 찾지 못했습니다. TreeView를 확인 해주세요");
        return;
    }
    m_wndTree.DeleteItem(current->item);
    RefreshNodesWithComponent(owningDomain, component->component_id);
}

void CSystemDomainTreeView::OnInstallComponents() {
    ShowHelp(HELP_DEPLOYMENT);
    TreeNodeData* current = CurrentItemOfKind(TREE_NODE);
    if (current == nullptr) return;
    auto* node = static_cast<class_node_info*>(current->record);
    // The tree is filled again from the server; the list of new installations is not needed.
    std::vector<class_component_info> installed;
    if (SystemControl()->InstallComponents(node, installed) != 0) return;
    DeleteChildItems(current->item);
    FillInstalledComponents(current->path, node->domain_id, node->id, current->item);
    m_wndTree.SelectItem(current->item);
}

void CSystemDomainTreeView::OnReinstall() {
    TreeNodeData* current = CurrentItemOfKind(TREE_INSTALLED_COMPONENT);
    if (current == nullptr) return;
    RebuildInstalledFolders(current->item, static_cast<class_component_info*>(current->record)->component_id);
}
