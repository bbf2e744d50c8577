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
    if (data != 0) {
        if (CWnd* mainWindow = AfxGetMainWnd())
            mainWindow->SendMessage(WM_SHOW_ITEM_PROPERTIES, 1, static_cast<LPARAM>(data));
    }
    *pResult = 0;
}

void CViewTree::OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult) {
    HTREEITEM item = reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem;
    if (m_pOwnerView) m_pOwnerView->OnSelectTreeItem(&item);
    *pResult = 0;
}

HTREEITEM CViewTree::FindSiblingByText(HTREEITEM first, const std::string& text, bool beforeColon) const {
    for (HTREEITEM item = first; item; item = GetNextSiblingItem(item)) {
        std::string itemText = GetItemText(item).str();
        if (beforeColon) itemText = itemText.substr(0, itemText.find(':'));
        if (itemText == text) return item;
    }
    return nullptr;
}

HTREEITEM CViewTree::SelectByReferenceLine(const std::string& line, bool beforeColon) {
    std::string name, path, type;
    SplitReferenceLine(name, path, line, type);

    HTREEITEM reached = GetRootItem();
    HTREEITEM selected = nullptr;
    std::vector<std::string> levels = SplitTreePath(path);
    if (type != "domain") levels.push_back(name);
    for (const std::string& level : levels) {
        HTREEITEM item = reached ? FindSiblingByText(GetChildItem(reached), level, beforeColon) : nullptr;
        if (!item) break;
        SelectItem(item);
        selected = reached = item;
    }
    return selected;
}
