#pragma once

#include <string>

#include "WinDef.h"

// What a diagram window keeps of the tree item it was built for, so that it can be built again: a copy of
// the item's record (TreeNodeData): its kind, tree item, record and path. The record belongs to the tree pane
// that made the TreeNodeData; the copy neither copies nor frees it. The help window keeps an empty path.
struct DiagramTreeItem {
    int kind = 0;
    HTREEITEM item = nullptr;
    void* record = nullptr;
    std::string path;
};
