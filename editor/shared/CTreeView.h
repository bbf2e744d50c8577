#pragma once

#include "WinDef.h"

// What a tree pane does for its tree control (CViewTree): each pane implements it as its second base.
class CTreeView {
public:
    virtual ~CTreeView() = default;

    // An item was selected or is expanding: load its children when they are not loaded yet and remember it.
    virtual void OnSelectTreeItem(HTREEITEM* item) = 0;
    // Nothing calls it; every pane answers 0.
    virtual int OnTreeItemNotify() { return 0; }
    // The pane's own open operation; nothing calls it.
    virtual void OnOpenTreeItem() = 0;
};
