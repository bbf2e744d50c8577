#pragma once

// Looking at a tree's items by their texts, for the tests of the tree panes and dialogs.

#include <string>
#include <vector>

#include "CTreeCtrl.h"

namespace frame_test {

// The first child of the item with that text, or null.
inline HTREEITEM ChildWithText(CTreeCtrl& tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        if (tree.GetItemText(item).str() == text) return item;
    return nullptr;
}

// The texts of the item's children, in tree order.
inline std::vector<std::string> ChildTexts(CTreeCtrl& tree, HTREEITEM parent) {
    std::vector<std::string> texts;
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        texts.push_back(tree.GetItemText(item).str());
    return texts;
}

}  // namespace frame_test
