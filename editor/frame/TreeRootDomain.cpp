#include "TreeRootDomain.h"

#include "class_domain_info.h"

bool IsTreeRootDomain(const TreeNodeData& item) {
    const bool domain =
        item.kind == TREE_DATA_DOMAIN || item.kind == TREE_METHOD_DOMAIN || item.kind == TREE_SYSTEM_DOMAIN;
    return domain && item.record != nullptr && static_cast<const class_domain_info*>(item.record)->id == 0;
}
