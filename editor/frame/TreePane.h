#pragma once

// What the three tree panes share: the tree fills the pane inside a one-pixel frame, the root item carries the
// domain record "root", a context menu acts on the item under the cursor, and the domain levels are built with
// paths from the top level.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CPoint.h"
#include "CViewTree.h"
#include "TreeNodeData.h"

class CWnd;
class class_domain_info;

// A copy of the row, owned by the pane's list from now on; the pointer answered is the list's.
template <class Record>
Record* Own(std::vector<std::unique_ptr<Record>>& list, const Record& row) {
    list.push_back(std::make_unique<Record>(row));
    return list.back().get();
}

// The row itself, owned by the pane's list from now on.
template <class Record>
Record* Own(std::vector<std::unique_ptr<Record>>& list, Record&& row) {
    list.push_back(std::make_unique<Record>(std::move(row)));
    return list.back().get();
}

// Places the tree over the pane's client area, one pixel in from each edge; nothing before the pane exists.
void LayoutPaneTree(CWnd& pane, CViewTree& tree);
// Paints the pane's frame around its tree (for WM_PAINT).
void PaintPaneTreeFrame(CWnd& pane, CViewTree& tree);

// Gives the root item its record, the domain "root" ("최상의 폴더"), and its TreeNodeData of `kind` with the path
// "root\"; both are appended to the pane's lists, which own them. False when the item data cannot be set.
bool AttachRootDomain(CViewTree& tree, HTREEITEM root, int kind,
                      std::vector<std::unique_ptr<class_domain_info>>& domains,
                      std::vector<std::unique_ptr<TreeNodeData>>& itemData);

// Inserts an item with a new TreeNodeData (kind, record, path) as its data; `itemData` keeps it for the pane.
HTREEITEM InsertTreeItemWithData(CViewTree& tree, std::vector<std::unique_ptr<TreeNodeData>>& itemData,
                                 const std::string& text, int image, int selectedImage, HTREEITEM hParent,
                                 HTREEITEM hAfter, int kind, void* record, const std::string& path);
// The item's TreeNodeData; null for none.
TreeNodeData* TreeItemData(const CViewTree& tree, HTREEITEM hItem);
// Deletes the item's children whose TreeNodeData is of the kind; the others stay.
void DeleteTreeChildrenOfKind(CViewTree& tree, HTREEITEM hItem, int kind);

// The item under a context menu's screen point; null for a menu called from the keyboard (-1, -1) or a point
// beside every item.
HTREEITEM TreeItemAtMenuPoint(CViewTree& tree, CPoint screenPoint);

// The item under a context menu's screen point made the pane's current item (also when it was selected already:
// an expansion elsewhere may have made another item current), with the focus on the tree; null for none.
HTREEITEM SelectItemAtMenuPoint(CViewTree& tree, CPoint screenPoint);

// The ids of a level's domains as the JSON array that the level's bundle procedures take ("[1,2,3]").
std::string DomainIdArray(const std::vector<int>& domainIds);

// The path that domain items below the item begin with: the item's own path, empty below the root item
// (IsTreeRootDomain). A domain at the top level named "root" has the root's path "root\" and keeps it.
std::string ChildDomainPath(const TreeNodeData* parent);

// Inserts the domains of `list` below `parentId` under `hParent`, depth first, each domain once (a parent chain
// that loops in the rows is not followed again). `insertDomain` (row, parent item, path) inserts the item of one
// domain, whose path is `parentPath` followed by its name and "\", and answers it; its sub-domains follow down to
// `depth` more levels (0: none; negative: all); then `fillDomain` (row, item, path, depth - 1) adds what the domain
// holds.
void BuildDomainLevels(
    const std::multimap<int, class_domain_info>& list, int parentId, HTREEITEM hParent, const std::string& parentPath,
    int depth, const std::function<HTREEITEM(const class_domain_info&, HTREEITEM, const std::string&)>& insertDomain,
    const std::function<void(const class_domain_info&, HTREEITEM, const std::string&, int)>& fillDomain);

// The domains that BuildDomainLevels with the same arguments fills, in the order it fills them, each with the
// depth left below it: what a pane reads ahead before it builds.
std::vector<std::pair<const class_domain_info*, int>> DomainLevelFillOrder(
    const std::multimap<int, class_domain_info>& list, int parentId, int depth);
