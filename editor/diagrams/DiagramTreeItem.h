#pragma once

#include "TreeNodeData.h"

// What a diagram window keeps of the tree item it was built for, so that it can be built again: a copy of the
// item's TreeNodeData (kind, tree item, record, path). The record belongs to the tree pane that made the
// TreeNodeData; the copy neither copies nor frees it. The help window keeps an empty path.
using DiagramTreeItem = TreeNodeData;
