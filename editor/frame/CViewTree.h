#pragma once

#include <functional>
#include <string>

#include "CTreeCtrl.h"
#include "SplitReferenceLine.h"

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

    // True when the item is what the level of a search result names.
    using ReferenceMatch = std::function<bool(HTREEITEM item, const ReferenceLevel& level)>;

    // Selects, level by level from the tree's first root item, the items that a search result line names: one
    // level per component of its path, then, unless the type is "domain", the item of its name below the last
    // level. At each level the first child that `matches` takes is selected; each selection goes through the
    // pane, so every level is loaded before the walk goes down into it. The walk stops at the first level that
    // has no such item and keeps the selection it reached; answers the last item selected (null for none).
    // A line that can be read more than one way (a name holding a marker) takes the first reading that
    // reaches its last level, else the first reading's walk.
    HTREEITEM SelectByReferenceLine(const std::string& line, const ReferenceMatch& matches);
    // The same as the data and method trees name their items: a level of the path is a domain item of that
    // text, the hit an item of that text that is no domain, an interface for the type "interface" and no
    // interface for any other type.
    HTREEITEM SelectByReferenceLine(const std::string& line);

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // Walks one reading of a search result; `complete` tells whether it reached the last level.
    HTREEITEM SelectReference(const ReferenceLine& hit, const ReferenceMatch& matches, bool& complete);
    bool IsDomainOrItemNamed(HTREEITEM item, const ReferenceLevel& level) const;

    CTreeView* m_pOwnerView = nullptr;  // the pane; not owned
};
