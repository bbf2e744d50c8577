#pragma once

#include "WinUser.h"

// The editor's own window messages to the main frame (WM_USER is 1024).

// An item was selected: wParam 1, lParam the item's TreeNodeData. Sent by the tree controls and the component
// element, posted by node and router elements.
#define WM_SHOW_ITEM_PROPERTIES (WM_USER + 123)
// A node or router element of a diagram was clicked: wParam 10, lParam its class_node_info. Always posted.
#define WM_SHOW_NODE_PROPERTIES (WM_USER + 124)
// Open a diagram window: wParam 1, lParam the window name as a NUL-terminated text. Always sent.
#ifndef WM_CREATE_DIAGRAM_FRAME
#define WM_CREATE_DIAGRAM_FRAME (WM_USER + 125)
#endif
// WM_USER + 126 is answered with 0 and sent by nobody.
// An interface was edited or deleted: wParam 1, lParam its class_interface_info. Always sent.
#define WM_INTERFACE_CHANGED (WM_USER + 127)
