#pragma once

#include "TreeNodeData.h"
#include "WinDef.h"

// The popup menus of the data and method trees (registered by the application, shown by the panes).
enum : UINT {
    MENU_DATA_ROOT = 314,
    MENU_DATA_DOMAIN = 315,
    MENU_DATA_DOMAIN_PASTE = 425,  // a data domain while a copied data item waits to be pasted
    MENU_DATA_STRUCT = 316,
    MENU_DATA_ENUM = 317,
    MENU_DATA_OTHER = 318,
    MENU_METHOD_ROOT = 374,
    MENU_METHOD_DOMAIN = 330,
    MENU_INTERFACE = 332,
    MENU_METHOD = 333,
};

// The context menu of a data or method tree item, by its kind, its record and whether a copied data item waits
// to be pasted; 0 for the items that have none (fields, constants, member methods, the system tree's kinds).
UINT ContextMenuIdOfItem(const TreeNodeData& item, bool copiedDataWaiting);
