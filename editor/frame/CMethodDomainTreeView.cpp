#include "CMethodDomainTreeView.h"

#include "CContextMenuManager.h"
#include "TreeContextMenu.h"
#include "TreePane.h"
#include "class_domain_info.h"

namespace {

const UINT kTreeId = 2;

}  // namespace

BEGIN_MESSAGE_MAP(CMethodDomainTreeView, CDockablePane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

int CMethodDomainTreeView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDockablePane::OnCreate(lpCreateStruct) == -1) return -1;

    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS;
    if (!m_wndTree.Create(style, CRect(0, 0, 0, 0), this, kTreeId)) return -1;
    m_wndTree.SetOwnerView(this);

    HTREEITEM root = nullptr;
    if (FillRootNode(root) == -1) {
        AfxMessageBox("root 노드 생성 실패");
        return -1;
    }
    m_wndTree.Expand(root, TVE_EXPAND);
    AdjustLayout();
    return 0;
}

int CMethodDomainTreeView::FillRootNode(HTREEITEM& root) {
    root = m_wndTree.InsertItem("Method_Domain", 5, 6, TVI_ROOT, TVI_LAST);
    m_wndTree.SetItemState(root, TVIS_BOLD, TVIS_BOLD);
    if (!AttachRootDomain(m_wndTree, root, TREE_METHOD_DOMAIN, m_domains, m_itemData)) {
        AfxMessageBox("erro:CMethodDomainTreeView:FillRootNode()->setitemData");
        return -1;
    }
    return 0;
}

void CMethodDomainTreeView::AdjustLayout() { LayoutPaneTree(*this, m_wndTree); }

void CMethodDomainTreeView::OnSize(UINT nType, int cx, int cy) {
    CDockablePane::OnSize(nType, cx, cy);
    AdjustLayout();
}

void CMethodDomainTreeView::OnPaint() { PaintPaneTreeFrame(*this, m_wndTree); }

void CMethodDomainTreeView::OnSetFocus(CWnd* pOldWnd) {
    CDockablePane::OnSetFocus(pOldWnd);
    m_wndTree.SetFocus();
}

void CMethodDomainTreeView::OnSelectTreeItem(HTREEITEM* item) {
    if (!item || !*item) return;
    m_pSelectedItem = reinterpret_cast<TreeNodeData*>(m_wndTree.GetItemData(*item));
}

// The menu of the item under the cursor; its commands stay disabled until the method tree's handlers exist.
void CMethodDomainTreeView::OnContextMenu(CWnd* pWnd, CPoint point) {
    if (pWnd != &m_wndTree) {
        CDockablePane::OnContextMenu(pWnd, point);
        return;
    }
    HTREEITEM hit = TreeItemAtMenuPoint(m_wndTree, point);
    if (!hit) return;
    m_wndTree.SelectItem(hit);
    const auto* data = reinterpret_cast<const TreeNodeData*>(m_wndTree.GetItemData(hit));
    const UINT menu = data ? ContextMenuIdOfItem(*data, false) : 0;
    m_wndTree.SetFocus();
    if (menu != 0 && afxContextMenuManager)
        afxContextMenuManager->ShowPopupMenu(menu, point.x, point.y, this, TRUE);
}

void CMethodDomainTreeView::SelectItemByPath(const std::string& line) { m_wndTree.SelectByReferenceLine(line, false); }

void CMethodDomainTreeView::OnDestroy() {
    CDockablePane::OnDestroy();
    ReleaseItemData();
}

void CMethodDomainTreeView::ReleaseItemData() {
    for (class_domain_info* domain : m_domains) delete domain;
    m_domains.clear();
    for (TreeNodeData* data : m_itemData) delete data;
    m_itemData.clear();
    m_pSelectedItem = nullptr;
}
