#pragma once

#include "TreeNodeData.h"

// Whether the item is the root item of the data, method or system tree: a domain item whose record is the one
// AttachRootDomain gives the root, with the id 0 that no domain of the server has (their ids start at 1). The
// record's name "root" and the path "root\" tell nothing, since a domain at the top level may be named "root".
bool IsTreeRootDomain(const TreeNodeData& item);
