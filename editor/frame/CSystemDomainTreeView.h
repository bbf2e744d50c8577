#pragma once

// The system-domain pane "SystemDomainView". For now it holds the tree's root item "SystemDomain" and the
// operations the main frame calls; the system domains with their nodes and components, and the commands of
// its context menus, come with the system tree.

#include <string>
#include <vector>

#include "CDockablePane.h"
#include "CTreeView.h"
#include "CViewTree.h"
#include "TreeNodeData.h"

class class_domain_info;
class class_interface_info;

// The command of the pane's and the main frame's menus that saves the headers of all domains.
#define ID_SAVE_ALL_DOMAIN_HEADERS 32872

class CSystemDomainTreeView : public CDockablePane, public CTreeView {
public:
    CSystemDomainTreeView() = default;
    ~CSystemDomainTreeView() override = default;

    void AdjustLayout() override;

    // CTreeView
    void OnSelectTreeItem(HTREEITEM* item) override;
    void OnOpenTreeItem() override {}

    // Deletes every item and builds the tree again.
    void OnRefresh();
    // Expands the way from the root to every proxy or stub class item below `start` whose record names the
    // interface (method domain id and interface name).
    void ExpandCheckedClassItems(HTREEITEM start, const class_interface_info& iface);
    // "All DomainHeader 코드 저장": the headers of all data and method domains into a chosen folder.
    afx_msg void OnSaveAllDomainHeaders();

    CViewTree& GetTreeCtrl() { return m_wndTree; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Inserts the root item "SystemDomain" with its record; 0, or -1 (shown) when its data cannot be set.
    int FillRootNode(HTREEITEM& root);
    void ReleaseItems();
    void ExpandAncestors(HTREEITEM item);

    std::vector<TreeNodeData*> m_itemData;       // owned: one per item ever inserted
    std::vector<class_domain_info*> m_domains;   // owned: the records behind the domain items
    CViewTree m_wndTree;
    TreeNodeData* m_pSelectedItem = nullptr;     // points into m_itemData
};

// Selects, level by level, the system tree item that a search result line names (item texts compared before
// their first ":").
void SelectSystemTreeItemByPath(CSystemDomainTreeView& pane, const std::string& line);
