#include "CSystemDomainTreeView.h"

#include "CCodeControl.h"
#include "Class_UmlControl.h"
#include "TreePane.h"
#include "class_domain_info.h"
#include "class_interface_info.h"
#include "class_proxy_interface_relation_info.h"
#include "class_stub_interface_relation_info.h"

namespace {

const UINT kTreeId = 4;

// The method domain id and interface name of a proxy or stub class item's record.
template <class Relation>
bool NamesInterface(const TreeNodeData& data, const class_interface_info& iface) {
    const auto* relation = static_cast<const Relation*>(data.record);
    return relation && relation->method_domain_id == iface.domain_id && relation->interface_name == iface.name;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSystemDomainTreeView, CDockablePane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
    ON_COMMAND(ID_SAVE_ALL_DOMAIN_HEADERS, &CSystemDomainTreeView::OnSaveAllDomainHeaders)
END_MESSAGE_MAP()

int CSystemDomainTreeView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDockablePane::OnCreate(lpCreateStruct) == -1) return -1;

    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_HASBUTTONS | TVS_HASLINES |
                        TVS_LINESATROOT | TVS_SHOWSELALWAYS;
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

int CSystemDomainTreeView::FillRootNode(HTREEITEM& root) {
    root = m_wndTree.InsertItem("SystemDomain", 1, 2, TVI_ROOT, TVI_LAST);
    if (!AttachRootDomain(m_wndTree, root, TREE_SYSTEM_DOMAIN, m_domains, m_itemData)) {
        AfxMessageBox("erro:CDataDomainTreeView:FillRootNode()->setitemData");
        return -1;
    }
    return 0;
}

void CSystemDomainTreeView::OnRefresh() {
    m_wndTree.DeleteAllItems();
    HTREEITEM root = nullptr;
    if (FillRootNode(root) == -1) {
        AfxMessageBox("root 노드 생성 실패");
        return;
    }
    m_wndTree.Expand(root, TVE_EXPAND);
}

void CSystemDomainTreeView::ExpandCheckedClassItems(HTREEITEM start, const class_interface_info& iface) {
    for (HTREEITEM item = start; item; item = m_wndTree.GetNextSiblingItem(item)) {
        const auto* data = reinterpret_cast<const TreeNodeData*>(m_wndTree.GetItemData(item));
        const bool matches = data && ((data->kind == TREE_PROXY_CLASS &&
                                       NamesInterface<class_proxy_interface_relation_info>(*data, iface)) ||
                                      (data->kind == TREE_STUB_CLASS &&
                                       NamesInterface<class_stub_interface_relation_info>(*data, iface)));
        if (matches) ExpandAncestors(item);
        if (HTREEITEM child = m_wndTree.GetChildItem(item)) ExpandCheckedClassItems(child, iface);
    }
}

void CSystemDomainTreeView::ExpandAncestors(HTREEITEM item) {
    for (HTREEITEM parent = m_wndTree.GetParentItem(item); parent; parent = m_wndTree.GetParentItem(parent))
        m_wndTree.Expand(parent, TVE_EXPAND);
}

void CSystemDomainTreeView::OnSaveAllDomainHeaders() {
    if (!g_pCodeControl) g_pCodeControl = new CCodeControl;
    g_pCodeControl->SaveAllDomainHeaders();
}

void CSystemDomainTreeView::AdjustLayout() { LayoutPaneTree(*this, m_wndTree); }

void CSystemDomainTreeView::OnSize(UINT nType, int cx, int cy) {
    CDockablePane::OnSize(nType, cx, cy);
    AdjustLayout();
}

void CSystemDomainTreeView::OnPaint() { PaintPaneTreeFrame(*this, m_wndTree); }

void CSystemDomainTreeView::OnSetFocus(CWnd* pOldWnd) {
    CDockablePane::OnSetFocus(pOldWnd);
    m_wndTree.SetFocus();
}

void CSystemDomainTreeView::OnSelectTreeItem(HTREEITEM* item) {
    if (!item || !*item) return;
    m_pSelectedItem = reinterpret_cast<TreeNodeData*>(m_wndTree.GetItemData(*item));
}

void CSystemDomainTreeView::OnDestroy() {
    CDockablePane::OnDestroy();
    ReleaseItems();
    // The pane owns the diagram builder's single instance.
    delete Class_UmlControl::get_instance();
}

void CSystemDomainTreeView::ReleaseItems() {
    for (class_domain_info* domain : m_domains) delete domain;
    m_domains.clear();
    for (TreeNodeData* data : m_itemData) delete data;
    m_itemData.clear();
    m_pSelectedItem = nullptr;
}

void SelectSystemTreeItemByPath(CSystemDomainTreeView& pane, const std::string& line) {
    pane.GetTreeCtrl().SelectByReferenceLine(line, true);
}
