#include "TreeContextMenu.h"

#include "TreeRootDomain.h"
#include "class_metadata_info.h"

namespace {

UINT DataItemMenu(const std::string& type) {
    if (type == "struct") return MENU_DATA_STRUCT;
    if (type == "enum8_t" || type == "enum16_t" || type == "enum32_t") return MENU_DATA_ENUM;
    return MENU_DATA_OTHER;
}

}  // namespace

UINT ContextMenuIdOfItem(const TreeNodeData& item, bool copiedDataWaiting) {
    switch (item.kind) {
    case TREE_METHOD_DOMAIN:
        if (!item.record) return 0;
        return IsTreeRootDomain(item) ? MENU_METHOD_ROOT : MENU_METHOD_DOMAIN;
    case TREE_DATA_DOMAIN:
        if (!item.record) return 0;
        if (IsTreeRootDomain(item)) return MENU_DATA_ROOT;
        return copiedDataWaiting ? MENU_DATA_DOMAIN_PASTE : MENU_DATA_DOMAIN;
    case TREE_DATA_ITEM:
        if (!item.record) return 0;
        return DataItemMenu(static_cast<const class_metadata_info*>(item.record)->type);
    case TREE_METHOD:
        return MENU_METHOD;
    case TREE_INTERFACE:
        return MENU_INTERFACE;
    default:
        return 0;
    }
}
