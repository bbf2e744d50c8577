// The system pane's walks: finding items below a start, the way to an item and back after a reload, and the
// refreshes of installed components, entries and nodes after a change elsewhere in the tree.

#include "CSystemDomainTreeView.h"

#include "SystemTreeItems.h"

// ---- Walks -------------------------------------------------------------------------------------------------

std::vector<HTREEITEM> CSystemDomainTreeView::CollectItems(
    HTREEITEM start, const std::function<bool(HTREEITEM, const TreeNodeData*)>& take) const {
    std::vector<HTREEITEM> found;
    if (start == nullptr) return found;
    std::vector<HTREEITEM> pending = {start};
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        if (take(item, ItemData(item))) found.push_back(item);
        // Children go on the stack last first, so that the first child is visited next.
        std::vector<HTREEITEM> children;
        for (HTREEITEM child = m_wndTree.GetChildItem(item); child; child = m_wndTree.GetNextSiblingItem(child))
            children.push_back(child);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return found;
}

CSystemDomainTreeView::ItemWay CSystemDomainTreeView::WayTo(HTREEITEM item) const {
    ItemWay way;
    for (; item; item = m_wndTree.GetParentItem(item)) {
        const TreeNodeData* data = ItemData(item);
        way.insert(way.begin(), WayStep{m_wndTree.GetItemText(item).str(), data ? data->kind : -1});
    }
    return way;
}

HTREEITEM CSystemDomainTreeView::FollowWay(const ItemWay& way, const std::function<void(HTREEITEM)>& beforeDown) {
    HTREEITEM item = nullptr;
    for (const WayStep& step : way) {
        HTREEITEM candidate = item ? m_wndTree.GetChildItem(item) : m_wndTree.GetRootItem();
        for (; candidate; candidate = m_wndTree.GetNextSiblingItem(candidate)) {
            const TreeNodeData* data = ItemData(candidate);
            if ((data ? data->kind : -1) == step.kind && m_wndTree.GetItemText(candidate).str() == step.text) break;
        }
        if (candidate == nullptr) return nullptr;
        item = candidate;
        if (beforeDown) beforeDown(item);
    }
    return item;
}

void CSystemDomainTreeView::ExpandCheckedClassItems(HTREEITEM start, const class_interface_info& iface) {
    // Expanding a domain may load its sub-domains afresh, which replaces the items below it: every class is
    // reached again from the root, each domain on the way expanded (and so loaded) before the walk goes down.
    std::vector<ItemWay> ways;
    for (HTREEITEM item : CollectItems(start, [&iface](HTREEITEM, const TreeNodeData* data) {
             return IsClassOfInterface(data, iface);
         }))
        ways.push_back(WayTo(m_wndTree.GetParentItem(item)));
    for (const ItemWay& way : ways) FollowWay(way, [this](HTREEITEM item) { m_wndTree.Expand(item, TVE_EXPAND); });
}

void CSystemDomainTreeView::RebuildInstalledFolders(HTREEITEM installedItem, int componentId) {
    const TreeNodeData* nodeData = ItemData(m_wndTree.GetParentItem(installedItem));
    if (nodeData == nullptr || nodeData->record == nullptr) return;
    DeleteChildItems(installedItem);
    AddInstalledFolders(static_cast<const class_node_info*>(nodeData->record)->id, componentId, installedItem);
}

void CSystemDomainTreeView::RefreshInstalledEntries(HTREEITEM start, int componentId, int classKind) {
    // Selecting a folder opens the closed items above it, which may load (and so replace) the domains on the
    // way: each installed copy is found again before it is rebuilt.
    std::vector<ItemWay> ways;
    for (HTREEITEM item : CollectItems(start, [componentId](HTREEITEM, const TreeNodeData* data) {
             return IsInstalledCopyOf(data, componentId);
         }))
        ways.push_back(WayTo(item));
    for (const ItemWay& way : ways) {
        HTREEITEM item = FollowWay(way);
        if (item == nullptr) continue;
        RebuildInstalledFolders(item, componentId);
        HTREEITEM folder = m_wndTree.GetChildItem(item);
        if (folder && classKind == TREE_STUB_CLASS) folder = m_wndTree.GetNextSiblingItem(folder);
        if (folder) m_wndTree.SelectItem(folder);
    }
}

void CSystemDomainTreeView::RefillNodeInstallations(HTREEITEM nodeItem) {
    const TreeNodeData* data = ItemData(nodeItem);
    if (data == nullptr || data->record == nullptr) return;
    const auto* node = static_cast<const class_node_info*>(data->record);
    DeleteChildItems(nodeItem);
    FillInstalledComponents(data->path, node->domain_id, node->id, nodeItem);
}

void CSystemDomainTreeView::RefreshNodesWithComponent(HTREEITEM start, int componentId) {
    // Refilling a node replaces only its own children, so the other nodes found stay in the tree.
    const std::vector<HTREEITEM> nodes = CollectItems(start, [this, componentId](HTREEITEM item,
                                                                                const TreeNodeData* data) {
        if (data == nullptr || data->kind != TREE_NODE || data->record == nullptr) return false;
        for (HTREEITEM child = m_wndTree.GetChildItem(item); child; child = m_wndTree.GetNextSiblingItem(child))
            if (IsInstalledCopyOf(ItemData(child), componentId)) return true;
        return false;
    });
    for (HTREEITEM node : nodes) RefillNodeInstallations(node);
}

void CSystemDomainTreeView::RefreshSubsystemNodes(HTREEITEM start, int domainId) {
    const std::vector<HTREEITEM> nodes = CollectItems(
        start, [domainId](HTREEITEM, const TreeNodeData* data) { return IsNodeStandingFor(data, domainId); });
    for (HTREEITEM node : nodes) RefillNodeInstallations(node);
}
