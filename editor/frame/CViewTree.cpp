#include "CViewTree.h"

#include "CToolTipCtrl.h"
#include "CTreeView.h"
#include "CWinApp.h"
#include "FrameMessages.h"
#include "SplitReferenceLine.h"
#include "TreeNodeData.h"

BEGIN_MESSAGE_MAP(CViewTree, CTreeCtrl)
    ON_NOTIFY_REFLECT(TVN_SELCHANGED, &CViewTree::OnSelChanged)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDING, &CViewTree::OnItemExpanding)
END_MESSAGE_MAP()

BOOL CViewTree::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const BOOL handled = CTreeCtrl::OnNotify(wParam, lParam, pResult);
    // A tooltip over the tree stays above the docked panes.
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    CToolTipCtrl* tooltip = GetToolTips();
    if (header && header->code == TTN_SHOW && tooltip)
        tooltip->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return handled;
}

void CViewTree::OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    HTREEITEM item = reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem;
    // The data is read first: the pane may load children and so change the tree.
    const DWORD_PTR data = GetItemData(item);
    if (m_pOwnerView) m_pOwnerView->OnSelectTreeItem(&item);
    // An item without data (a folder of the system tree) is reported too, so that the properties pane shows
    // nothing instead of the item selected before.
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->SendMessage(WM_SHOW_ITEM_PROPERTIES, 1, static_cast<LPARAM>(data));
    *pResult = 0;
}

void CViewTree::OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult) {
    HTREEITEM item = reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem;
    if (m_pOwnerView) m_pOwnerView->OnSelectTreeItem(&item);
    *pResult = 0;
}

HTREEITEM CViewTree::SelectReference(const ReferenceLine& hit, const ReferenceMatch& matches, bool& complete) {
    std::vector<std::string> levels = SplitTreePath(hit.path);
    const size_t pathLevels = levels.size();
    if (hit.type != "domain") levels.push_back(hit.name);

    HTREEITEM reached = GetRootItem();
    HTREEITEM selected = nullptr;
    complete = false;
    for (size_t index = 0; index < levels.size(); ++index) {
        const ReferenceLevel level{hit, levels[index], index == pathLevels, index + 1 == pathLevels};
        HTREEITEM item = reached ? GetChildItem(reached) : nullptr;
        while (item && !matches(item, level)) item = GetNextSiblingItem(item);
        if (!item) return selected;
        SelectItem(item);
        selected = reached = item;
    }
    complete = true;
    return selected;
}

HTREEITEM CViewTree::SelectByReferenceLine(const std::string& line, const ReferenceMatch& matches) {
    const std::vector<ReferenceLine> readings = ReadReferenceLine(line);
    bool complete = false;
    for (const ReferenceLine& reading : readings) {
        HTREEITEM selected = SelectReference(reading, matches, complete);
        if (complete || readings.size() == 1) return selected;
    }
    return SelectReference(readings.front(), matches, complete);
}

bool CViewTree::IsDomainOrItemNamed(HTREEITEM item, const ReferenceLevel& level) const {
    const auto* data = reinterpret_cast<const TreeNodeData*>(GetItemData(item));
    if (data == nullptr || GetItemText(item).str() != level.text) return false;
    const bool domain =
        data->kind == TREE_DATA_DOMAIN || data->kind == TREE_METHOD_DOMAIN || data->kind == TREE_SYSTEM_DOMAIN;
    if (!level.isName) return domain;
    return !domain && (level.hit.type == "interface") == (data->kind == TREE_INTERFACE);
}

HTREEITEM CViewTree::SelectByReferenceLine(const std::string& line) {
    return SelectByReferenceLine(
        line, [this](HTREEITEM item, const ReferenceLevel& level) { return IsDomainOrItemNamed(item, level); });
}
