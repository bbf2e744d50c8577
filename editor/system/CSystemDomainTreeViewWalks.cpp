// The system pane's walks: finding items below a start, the way to an item and back after a reload, and the
// refreshes of installed components, entries and nodes after a change elsewhere in the tree, and the item as the
// server holds it after a change to it.

#include "CSystemDomainTreeView.h"

#include <algorithm>

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

// ---- After a change ----------------------------------------------------------------------------------------

CTreePane::StoredItem CSystemDomainTreeView::ShowDomainAsStored(TreeNodeData& data) {
    const int id = static_cast<const class_domain_info*>(data.record)->id;
    return CTreePane::ShowDomainAsStored(
        data, CMysqlQuery::GetInstance()->FormatCall("call domainViewDomainInfo(%d,'system')", id), "system");
}

CTreePane::StoredItem CSystemDomainTreeView::ShowNodeAsStored(TreeNodeData& data) {
    auto* node = static_cast<class_node_info*>(data.record);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_node_info> rows;
    if (db->SelectNodeList(db->FormatCall("call nodeViewListnodeKey(%d)", node->id), rows) != 0) {
        db->ShowLastError();
        return StoredItem::unread;
    }
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const class_node_info& r) { return r.id == node->id; });
    if (row == rows.end()) {
        RemoveVanishedItem(data.item);
        return StoredItem::gone;
    }
    *node = *row;
    const int image = NodeImageIndex(node->type);
    m_wndTree.SetItemImage(data.item, image, image);
    m_wndTree.SetItemText(data.item, NodeLabel(*node).c_str());
    return StoredItem::found;
}

CTreePane::StoredItem CSystemDomainTreeView::ShowComponentAsStored(TreeNodeData& data) {
    auto* component = static_cast<class_component_info*>(data.record);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_component_info> rows;
    if (db->SelectComponentList(ComponentListCall(component->systemdomain_id), rows) != 0) {
        db->ShowLastError();
        return StoredItem::unread;
    }
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const class_component_info& r) {
        return r.component_id == component->component_id;
    });
    if (row == rows.end()) {
        RemoveVanishedItem(data.item);
        return StoredItem::gone;
    }
    *component = *row;
    m_wndTree.SetItemText(data.item, component->name.c_str());
    return StoredItem::found;
}

namespace {

template <class Relation>
bool TakeStoredClass(int (CMysqlQuery::*load)(const CString&, std::vector<Relation>&), const CString& call,
                     Relation& relation, bool& found) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<Relation> rows;
    if ((db->*load)(call, rows) != 0) {
        db->ShowLastError();
        return false;
    }
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const Relation& r) { return r.id == relation.id; });
    found = row != rows.end();
    if (found) relation = *row;
    return true;
}

}  // namespace

CTreePane::StoredItem CSystemDomainTreeView::ShowClassAsStored(TreeNodeData& data) {
    bool found = false;
    std::string label;
    if (data.kind == TREE_PROXY_CLASS) {
        auto* relation = static_cast<class_proxy_interface_relation_info*>(data.record);
        if (!TakeStoredClass(&CMysqlQuery::SelectProxyInterfaceList, ProxyClassesCall(relation->component_id),
                             *relation, found))
            return StoredItem::unread;
        label = BuildClassLabel(*relation);
    } else {
        auto* relation = static_cast<class_stub_interface_relation_info*>(data.record);
        if (!TakeStoredClass(&CMysqlQuery::SelectStubInterfaceList, StubClassesCall(relation->component_id),
                             *relation, found))
            return StoredItem::unread;
        label = BuildClassLabel(*relation);
    }
    if (!found) {
        RemoveVanishedItem(data.item);
        return StoredItem::gone;
    }
    m_wndTree.SetItemText(data.item, label.c_str());
    return StoredItem::found;
}

CTreePane::StoredItem CSystemDomainTreeView::ShowEntryAsStored(TreeNodeData& data, bool hideZero) {
    auto* entry = static_cast<class_custum_table*>(data.record);
    const TreeNodeData* installed = ItemData(m_wndTree.GetParentItem(m_wndTree.GetParentItem(data.item)));
    const TreeNodeData* node = installed ? ItemData(m_wndTree.GetParentItem(installed->item)) : nullptr;
    if (node == nullptr || node->kind != TREE_NODE || installed->record == nullptr) return StoredItem::unread;
    const int nodeId = static_cast<const class_node_info*>(node->record)->id;
    const int componentId = static_cast<const class_component_info*>(installed->record)->component_id;
    const bool proxy = data.kind == TREE_INSTALLED_PROXY;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_custum_table> rows;
    if ((proxy ? db->SelectCustomProxyTable(InstalledProxiesCall(nodeId, componentId), rows)
               : db->SelectCustomStubTable(InstalledStubsCall(nodeId, componentId), rows)) != 0) {
        db->ShowLastError();
        return StoredItem::unread;
    }
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const class_custum_table& r) { return r.id == entry->id; });
    if (row == rows.end()) {
        RemoveVanishedItem(data.item);
        return StoredItem::gone;
    }
    *entry = *row;
    m_wndTree.SetItemText(data.item, EntryLabel(*entry, hideZero).c_str());
    return StoredItem::found;
}
