#pragma once

// What the three tree panes share: the tree fills the pane inside a one-pixel frame, the root item carries the
// domain record "root", and a context menu asks for the item under the cursor.

#include <vector>

#include "CPoint.h"
#include "CViewTree.h"
#include "TreeNodeData.h"

class CWnd;
class class_domain_info;

// Places the tree over the pane's client area, one pixel in from each edge; nothing before the pane exists.
void LayoutPaneTree(CWnd& pane, CViewTree& tree);
// Paints the pane's frame around its tree (for WM_PAINT).
void PaintPaneTreeFrame(CWnd& pane, CViewTree& tree);

// Gives the root item its record, the domain "root" ("최상의 폴더"), and its TreeNodeData of `kind` with the path
// "root\"; both are appended to the pane's lists, which own them. False when the item data cannot be set.
bool AttachRootDomain(CViewTree& tree, HTREEITEM root, int kind, std::vector<class_domain_info*>& domains,
                      std::vector<TreeNodeData*>& itemData);

// The item under a context menu's screen point; null for a menu called from the keyboard (-1, -1) or a point
// beside every item.
HTREEITEM TreeItemAtMenuPoint(CViewTree& tree, CPoint screenPoint);
