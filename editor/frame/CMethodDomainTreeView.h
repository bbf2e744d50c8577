#pragma once

// The method-domain pane "MethodDomainView". For now it holds the tree's root item "Method_Domain"; the method
// domains, interfaces, methods and member methods, and the commands of its context menus, come with the
// method tree.

#include <string>
#include <vector>

#include "CDockablePane.h"
#include "CTreeView.h"
#include "CViewTree.h"
#include "TreeNodeData.h"

class class_domain_info;

class CMethodDomainTreeView : public CDockablePane, public CTreeView {
public:
    CMethodDomainTreeView() = default;
    ~CMethodDomainTreeView() override = default;

    void AdjustLayout() override;

    // CTreeView
    void OnSelectTreeItem(HTREEITEM* item) override;
    void OnOpenTreeItem() override {}

    // Selects the item that a search result line names.
    void SelectItemByPath(const std::string& line);

    CViewTree& GetTreeCtrl() { return m_wndTree; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Inserts the root item "Method_Domain" with its record; 0, or -1 (shown) when its data cannot be set.
    int FillRootNode(HTREEITEM& root);
    void ReleaseItemData();

    std::vector<TreeNodeData*> m_itemData;       // owned: one per item ever inserted
    std::vector<class_domain_info*> m_domains;   // owned: the records behind the domain items
    CViewTree m_wndTree;
    TreeNodeData* m_pSelectedItem = nullptr;     // points into m_itemData
};
