#pragma once

// What the system tree shows of its records, without touching a window: the item texts, the image of a node
// type, the order of a node list, the context menu of an item and the items its refreshes look for.

#include <string>
#include <utility>
#include <vector>

#include "SplitReferenceLine.h"
#include "TreeNodeData.h"
#include "WinDef.h"

class class_custum_table;
class class_interface_info;
class class_node_info;
class class_proxy_interface_relation_info;
class class_stub_interface_relation_info;

// Images of the tree's strip (bitmap 311).
enum : int {
    SYSTEM_IMAGE_ROOT = 1,
    SYSTEM_IMAGE_ROOT_SELECTED = 2,
    SYSTEM_IMAGE_DOMAIN = 3,
    SYSTEM_IMAGE_DOMAIN_SELECTED = 4,
    SYSTEM_IMAGE_COMPUTER = 6,
    SYSTEM_IMAGE_SWITCH = 7,
    SYSTEM_IMAGE_ROUTER = 8,
    SYSTEM_IMAGE_NODES_FOLDER = 10,
    SYSTEM_IMAGE_OBJECT = 14,
    SYSTEM_IMAGE_COMPONENTS_FOLDER = 15,
    SYSTEM_IMAGE_PROXY_FOLDER = 16,
    SYSTEM_IMAGE_COMPONENT = 17,
    SYSTEM_IMAGE_STUB_FOLDER = 18,
    SYSTEM_IMAGE_STUB_CLASS = 19,
    SYSTEM_IMAGE_PROXY_CLASS = 20,  // also the installed entries
    SYSTEM_IMAGE_SENSOR = 23,
    SYSTEM_IMAGE_SUB_SYSTEM = 24,
};

// The popup menus of the system tree (registered by the application).
enum : UINT {
    MENU_SYSTEM_ROOT = 339,
    MENU_SYSTEM_DOMAIN = 340,
    MENU_SYSTEM_NODES = 342,
    MENU_NODE = 344,
    MENU_COMPONENTS = 347,
    MENU_COMPONENT = 349,
    MENU_PROXY_FOLDER = 354,
    MENU_STUB_FOLDER = 357,
    MENU_ROUTER_SWITCH = 359,
    MENU_PROXY_CLASS = 368,
    MENU_STUB_CLASS = 369,
    MENU_INSTALLED_STUB = 371,
    MENU_INSTALLED_COMPONENT = 373,
    MENU_INSTALLED_PROXY = 396,
    MENU_SUB_SYSTEM = 420,
    MENU_SENSOR = 422,
    MENU_PROXY_OBJECT = 423,
    MENU_STUB_OBJECT = 424,
};

// The texts of the folder items and of the root.
inline constexpr const char* kSystemRootText = "SystemDomain";
inline constexpr const char* kNodesFolder = "Nodes";
inline constexpr const char* kComponentsFolder = "Components";
inline constexpr const char* kProxyFolder = "proxy";
inline constexpr const char* kStubFolder = "stub";
inline constexpr const char* kInstalledProxyFolder = "installed_proxy";
inline constexpr const char* kInstalledStubFolder = "installed_stub";

// The folders of the tree. An item is a folder by its data, never by its text alone, since a domain (or a
// component) may be named like one: "Nodes" and "Components" carry an item record of their kind without a
// record, and the four folders of components are the only items without any data.
enum class SystemFolder { none, nodes, components, proxy, stub, installed_proxy, installed_stub };
SystemFolder SystemFolderOf(const std::string& text, const TreeNodeData* data);
// A folder stands for its parent when it is selected.
inline bool IsSystemFolder(const std::string& text, const TreeNodeData* data) {
    return SystemFolderOf(text, data) != SystemFolder::none;
}
// The root item: the domain record with id 0 (a domain may be named "SystemDomain" or "root").
bool IsSystemRoot(const TreeNodeData* data);

// The image of a node type word (exact comparison); -1, no image, for any other word.
int NodeImageIndex(const std::string& type);
// The node name, followed by ":" and its sub-system domain's name when the record names one (the server keeps
// one for sub-system and sensor nodes only).
std::string NodeLabel(const class_node_info& node);
// The first text and ":" when it is not empty, then the class name, ":" and the interface name.
std::string BuildClassLabel(const std::string& first, const std::string& className, const std::string& interfaceName);
std::string BuildClassLabel(const class_proxy_interface_relation_info& relation);
std::string BuildClassLabel(const class_stub_interface_relation_info& relation);
// An installed entry: object name, class name and interface name, then the object id in parentheses unless it
// is empty or, with `hideZero`, "0".
std::string EntryLabel(const class_custum_table& entry, bool hideZero);

// The nodes by type word in descending byte order ("urouter", "switch", "sub_system", "sensor", "computer");
// nodes of one type keep the server's order.
void SortNodesByType(std::vector<class_node_info>& nodes);

// The class id and the component id of a proxy or stub class item's record.
std::pair<int, int> ClassIds(const TreeNodeData& classData);

// The items that the pane looks for to bring up to date after a change, each by its data (null for none) and its
// record: an installed copy of the component; a proxy or stub class of the interface (its method domain id and
// name); a sub-system or sensor node that stands for the domain (other nodes keep a sub-system domain only as the
// domain of their ports).
bool IsInstalledCopyOf(const TreeNodeData* data, int componentId);
bool IsClassOfInterface(const TreeNodeData* data, const class_interface_info& iface);
bool IsNodeStandingFor(const TreeNodeData* data, int domainId);

// Whether an item (its text and data) is what a level of a system search result names: a domain of that name
// at a level of the path; at the last level of a node's or component's path the "Nodes" or "Components"
// folder; the node or component of that name itself. Names are compared whole, whatever they hold; the texts
// that add to a name (a node's ":" and sub-system domain) do not count.
bool IsSystemItemNamed(const std::string& text, const TreeNodeData* data, const ReferenceLevel& level);

// The context menu of an item by its data (null for the data-less folders), its text (which tells those folders
// apart) and its image; 0 for none.
UINT ChooseContextMenu(const std::string& text, const TreeNodeData* data, int image);
