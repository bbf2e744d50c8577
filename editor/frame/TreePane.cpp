#include "TreePane.h"

#include <set>

#include "CDC.h"
#include "CTreeView.h"
#include "TreeRootDomain.h"
#include "class_domain_info.h"

void LayoutPaneTree(CWnd& pane, CViewTree& tree) {
    if (!pane.GetSafeHwnd()) return;
    CRect client;
    pane.GetClientRect(client);
    tree.SetWindowPos(nullptr, client.left + 1, client.top + 1, client.Width() - 2, client.Height() - 2,
                      SWP_NOACTIVATE | SWP_NOZORDER);
}

void PaintPaneTreeFrame(CWnd& pane, CViewTree& tree) {
    CPaintDC dc(&pane);
    CRect frame;
    tree.GetWindowRect(frame);
    pane.ScreenToClient(frame);
    frame.InflateRect(1, 1);
    dc.Draw3dRect(frame, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DSHADOW));
}

bool AttachRootDomain(CViewTree& tree, HTREEITEM root, int kind,
                      std::vector<std::unique_ptr<class_domain_info>>& domains,
                      std::vector<std::unique_ptr<TreeNodeData>>& itemData) {
    class_domain_info rootDomain;
    rootDomain.name = "root";
    rootDomain.description = "최상의 폴더";
    class_domain_info* domain = Own(domains, std::move(rootDomain));
    TreeNodeData* data = Own(itemData, TreeNodeData(kind, root, domain, "root\\"));
    return tree.SetItemData(root, reinterpret_cast<DWORD_PTR>(data)) != FALSE;
}

HTREEITEM InsertTreeItemWithData(CViewTree& tree, std::vector<std::unique_ptr<TreeNodeData>>& itemData,
                                 const std::string& text, int image, int selectedImage, HTREEITEM hParent,
                                 HTREEITEM hAfter, int kind, void* record, const std::string& path) {
    HTREEITEM hItem = tree.InsertItem(text.c_str(), image, selectedImage, hParent, hAfter);
    TreeNodeData* data = Own(itemData, TreeNodeData(kind, hItem, record, path));
    tree.SetItemData(hItem, reinterpret_cast<DWORD_PTR>(data));
    return hItem;
}

TreeNodeData* TreeItemData(const CViewTree& tree, HTREEITEM hItem) {
    return hItem ? reinterpret_cast<TreeNodeData*>(tree.GetItemData(hItem)) : nullptr;
}

void DeleteTreeChildrenOfKind(CViewTree& tree, HTREEITEM hItem, int kind) {
    HTREEITEM hChild = tree.GetChildItem(hItem);
    while (hChild != nullptr) {
        HTREEITEM hNext = tree.GetNextSiblingItem(hChild);
        const TreeNodeData* data = TreeItemData(tree, hChild);
        if (data != nullptr && data->kind == kind) tree.DeleteItem(hChild);
        hChild = hNext;
    }
}

HTREEITEM TreeItemAtMenuPoint(CViewTree& tree, CPoint screenPoint) {
    if (screenPoint.x == -1 && screenPoint.y == -1) return nullptr;
    CPoint treePoint = screenPoint;
    tree.ScreenToClient(&treePoint);
    UINT flags = 0;
    return tree.HitTest(treePoint, &flags);
}

HTREEITEM SelectItemAtMenuPoint(CViewTree& tree, CPoint screenPoint) {
    HTREEITEM hit = TreeItemAtMenuPoint(tree, screenPoint);
    if (hit == nullptr) return nullptr;
    if (tree.GetSelectedItem() != hit)
        tree.SelectItem(hit);
    else if (CTreeView* owner = tree.GetOwnerView())
        owner->OnSelectTreeItem(&hit);
    tree.SetFocus();
    return hit;
}

std::string DomainIdArray(const std::vector<int>& domainIds) {
    std::string array = "[";
    for (int id : domainIds) {
        if (array.size() > 1) array += ',';
        array += std::to_string(id);
    }
    return array + "]";
}

std::string ChildDomainPath(const TreeNodeData* parent) {
    if (parent == nullptr || IsTreeRootDomain(*parent)) return "";
    return parent->path;
}

namespace {

void BuildDomainLevel(
    const std::multimap<int, class_domain_info>& list, int parentId, HTREEITEM hParent, const std::string& parentPath,
    int depth, std::set<int>& placed,
    const std::function<HTREEITEM(const class_domain_info&, HTREEITEM, const std::string&)>& insertDomain,
    const std::function<void(const class_domain_info&, HTREEITEM, const std::string&, int)>& fillDomain) {
    const auto range = list.equal_range(parentId);
    for (auto entry = range.first; entry != range.second; ++entry) {
        const class_domain_info& row = entry->second;
        if (!placed.insert(row.id).second) continue;
        const std::string path = parentPath + row.name + "\\";
        HTREEITEM hItem = insertDomain(row, hParent, path);
        if (depth != 0) BuildDomainLevel(list, row.id, hItem, path, depth - 1, placed, insertDomain, fillDomain);
        fillDomain(row, hItem, path, depth - 1);
    }
}

}  // namespace

void BuildDomainLevels(
    const std::multimap<int, class_domain_info>& list, int parentId, HTREEITEM hParent, const std::string& parentPath,
    int depth, const std::function<HTREEITEM(const class_domain_info&, HTREEITEM, const std::string&)>& insertDomain,
    const std::function<void(const class_domain_info&, HTREEITEM, const std::string&, int)>& fillDomain) {
    std::set<int> placed;
    BuildDomainLevel(list, parentId, hParent, parentPath, depth, placed, insertDomain, fillDomain);
}

std::vector<std::pair<const class_domain_info*, int>> DomainLevelFillOrder(
    const std::multimap<int, class_domain_info>& list, int parentId, int depth) {
    std::vector<std::pair<const class_domain_info*, int>> order;
    BuildDomainLevels(
        list, parentId, nullptr, "", depth,
        [](const class_domain_info&, HTREEITEM, const std::string&) -> HTREEITEM { return nullptr; },
        [&order](const class_domain_info& row, HTREEITEM, const std::string&, int depthBelow) {
            order.emplace_back(&row, depthBelow);
        });
    return order;
}
