#include "TreePane.h"

#include "CDC.h"
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

bool AttachRootDomain(CViewTree& tree, HTREEITEM root, int kind, std::vector<class_domain_info*>& domains,
                      std::vector<TreeNodeData*>& itemData) {
    auto* domain = new class_domain_info;
    domain->name = "root";
    domain->description = "최상의 폴더";
    domains.push_back(domain);
    auto* data = new TreeNodeData(kind, root, domain, "root\\");
    itemData.push_back(data);
    return tree.SetItemData(root, reinterpret_cast<DWORD_PTR>(data)) != FALSE;
}

HTREEITEM TreeItemAtMenuPoint(CViewTree& tree, CPoint screenPoint) {
    if (screenPoint.x == -1 && screenPoint.y == -1) return nullptr;
    CPoint treePoint = screenPoint;
    tree.ScreenToClient(&treePoint);
    UINT flags = 0;
    return tree.HitTest(treePoint, &flags);
}
