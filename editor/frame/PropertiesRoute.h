#pragma once

#include "TreeNodeData.h"

// Which filler of the properties pane shows a selected item.
enum class PropertiesFiller {
    None,  // nothing is shown: the main frame empties the grid and answers -1
    User,  // the logged-in account: tree roots (IsTreeRootDomain), folders and every kind without a filler of its own
    Domain,
    Data,
    DataFieldItem,
    Method,
    MethodItem,
    Interface,
    Switch,
    Node,
    Component,
    Proxy,
    Stub,
    DeployedComponent,
    ComponentInterface,
};

// The filler for the item's kind and record. A kind that needs a record and carries none gets None.
PropertiesFiller RoutePropertiesFiller(const TreeNodeData& item);
