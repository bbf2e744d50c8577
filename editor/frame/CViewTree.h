#pragma once

#include <string>

#include "CTreeCtrl.h"

class CTreeView;

// The tree control of the three tree panes. It hands every selection and expansion to its pane (the CTreeView
// the pane set as owner) and reports every selection of an item with data to the main frame
// (WM_SHOW_ITEM_PROPERTIES with the item's TreeNodeData).
class CViewTree : public CTreeCtrl {
public:
    CViewTree() = default;

    // The pane sets itself before the tree is used; the tree does not own it.
    void SetOwnerView(CTreeView* owner) { m_pOwnerView = owner; }
    CTreeView* GetOwnerView() const { return m_pOwnerView; }

    // Selects, level by level from the tree's first root item, the items that a search result line names: one
    // level per component of its path, then, unless the type is "domain", the item of its name below the last
    // level. An item matches by its whole text, or with `beforeColon` by its text cut before its first ":".
    // Each selection goes through the pane, so every level is loaded before the walk goes down into it. The
    // walk stops at the first level that has no such item and keeps the selection it reached; answers the
    // last item selected (null for none).
    HTREEITEM SelectByReferenceLine(const std::string& line, bool beforeColon);

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // The first of the item and its following siblings whose text matches; null for none.
    HTREEITEM FindSiblingByText(HTREEITEM first, const std::string& text, bool beforeColon) const;

    CTreeView* m_pOwnerView = nullptr;  // the pane; not owned
};
