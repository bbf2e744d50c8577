#include "SystemTreeItems.h"

#include <algorithm>
#include <map>

#include "class_component_info.h"
#include "class_custum_table.h"
#include "class_domain_info.h"
#include "class_interface_info.h"
#include "class_node_info.h"
#include "class_proxy_interface_relation_info.h"
#include "class_stub_interface_relation_info.h"

SystemFolder SystemFolderOf(const std::string& text, const TreeNodeData* data) {
    if (data != nullptr) {
        if (data->kind == TREE_NODE && data->record == nullptr) return SystemFolder::nodes;
        if (data->kind == TREE_COMPONENTS_FOLDER) return SystemFolder::components;
        return SystemFolder::none;
    }
    if (text == kProxyFolder) return SystemFolder::proxy;
    if (text == kStubFolder) return SystemFolder::stub;
    if (text == kInstalledProxyFolder) return SystemFolder::installed_proxy;
    if (text == kInstalledStubFolder) return SystemFolder::installed_stub;
    return SystemFolder::none;
}

bool IsSystemRoot(const TreeNodeData* data) {
    return data != nullptr && data->kind == TREE_SYSTEM_DOMAIN && data->record != nullptr &&
           static_cast<const class_domain_info*>(data->record)->id == 0;
}

int NodeImageIndex(const std::string& type) {
    static const std::map<std::string, int> images = {
        {"switch", SYSTEM_IMAGE_SWITCH},       {"urouter", SYSTEM_IMAGE_ROUTER}, {"computer", SYSTEM_IMAGE_COMPUTER},
        {"sub_system", SYSTEM_IMAGE_SUB_SYSTEM}, {"sensor", SYSTEM_IMAGE_SENSOR},
    };
    const auto found = images.find(type);
    return found == images.end() ? -1 : found->second;
}

std::string NodeLabel(const class_node_info& node) {
    if (node.sub_system_domain_id == 0) return node.name;
    return node.name + ":" + node.sub_system_domain_name;
}

std::string BuildClassLabel(const std::string& first, const std::string& className, const std::string& interfaceName) {
    std::string label = first.empty() ? std::string() : first + ":";
    return label + className + ":" + interfaceName;
}

std::string BuildClassLabel(const class_proxy_interface_relation_info& relation) {
    return BuildClassLabel(relation.extra_text, relation.class_name, relation.interface_name);
}

std::string BuildClassLabel(const class_stub_interface_relation_info& relation) {
    return BuildClassLabel(relation.extra_text, relation.class_name, relation.interface_name);
}

std::string EntryLabel(const class_custum_table& entry, bool hideZero) {
    std::string label = BuildClassLabel(entry.object_name, entry.class_name, entry.interface_name);
    if (!entry.object_id.empty() && !(hideZero && entry.object_id == "0")) label += "(" + entry.object_id + ")";
    return label;
}

std::pair<int, int> ClassIds(const TreeNodeData& classData) {
    if (classData.kind == TREE_PROXY_CLASS) {
        const auto* relation = static_cast<const class_proxy_interface_relation_info*>(classData.record);
        return {relation->id, relation->component_id};
    }
    const auto* relation = static_cast<const class_stub_interface_relation_info*>(classData.record);
    return {relation->id, relation->component_id};
}

bool IsInstalledCopyOf(const TreeNodeData* data, int componentId) {
    return data && data->kind == TREE_INSTALLED_COMPONENT && data->record &&
           static_cast<const class_component_info*>(data->record)->component_id == componentId;
}

bool IsClassOfInterface(const TreeNodeData* data, const class_interface_info& iface) {
    if (data == nullptr || data->record == nullptr) return false;
    if (data->kind == TREE_PROXY_CLASS) {
        const auto* relation = static_cast<const class_proxy_interface_relation_info*>(data->record);
        return relation->method_domain_id == iface.domain_id && relation->interface_name == iface.name;
    }
    if (data->kind == TREE_STUB_CLASS) {
        const auto* relation = static_cast<const class_stub_interface_relation_info*>(data->record);
        return relation->method_domain_id == iface.domain_id && relation->interface_name == iface.name;
    }
    return false;
}

bool IsNodeStandingFor(const TreeNodeData* data, int domainId) {
    if (data == nullptr || data->kind != TREE_NODE || data->record == nullptr) return false;
    const auto* node = static_cast<const class_node_info*>(data->record);
    return node->sub_system_domain_id == domainId && StandsForSubSystem(node->type);
}

bool IsSystemItemNamed(const std::string& text, const TreeNodeData* data, const ReferenceLevel& level) {
    if (data == nullptr) return false;
    const bool component = level.hit.type == "component";
    if (level.isName) {
        if (component) return data->kind == TREE_COMPONENT && data->record != nullptr &&
                              static_cast<const class_component_info*>(data->record)->name == level.text;
        return data->kind == TREE_NODE && data->record != nullptr &&
               static_cast<const class_node_info*>(data->record)->name == level.text;
    }
    if (level.isLastPath && level.hit.type != "domain")
        return text == level.text &&
               SystemFolderOf(text, data) == (component ? SystemFolder::components : SystemFolder::nodes);
    return data->kind == TREE_SYSTEM_DOMAIN && data->record != nullptr && !IsSystemRoot(data) &&
           static_cast<const class_domain_info*>(data->record)->name == level.text;
}

void SortNodesByType(std::vector<class_node_info>& nodes) {
    std::stable_sort(nodes.begin(), nodes.end(),
                     [](const class_node_info& a, const class_node_info& b) { return a.type > b.type; });
}

UINT ChooseContextMenu(const std::string& text, const TreeNodeData* data, int image) {
    if (IsSystemRoot(data)) return MENU_SYSTEM_ROOT;
    switch (SystemFolderOf(text, data)) {
    case SystemFolder::nodes:
        return MENU_SYSTEM_NODES;
    case SystemFolder::components:
        return MENU_COMPONENTS;
    case SystemFolder::proxy:
        return MENU_PROXY_FOLDER;
    case SystemFolder::stub:
        return MENU_STUB_FOLDER;
    case SystemFolder::installed_proxy:
    case SystemFolder::installed_stub:
        return 0;
    case SystemFolder::none:
        break;
    }
    if (data == nullptr) return 0;
    switch (data->kind) {
    case TREE_SYSTEM_DOMAIN:
        return MENU_SYSTEM_DOMAIN;
    case TREE_NODE:
        if (image == SYSTEM_IMAGE_COMPUTER || image == SYSTEM_IMAGE_ROUTER) return MENU_NODE;
        if (image == SYSTEM_IMAGE_SUB_SYSTEM) return MENU_SUB_SYSTEM;
        if (image == SYSTEM_IMAGE_SENSOR) return MENU_SENSOR;
        return MENU_ROUTER_SWITCH;
    case TREE_COMPONENT:
        return MENU_COMPONENT;
    case TREE_PROXY_CLASS:
        return MENU_PROXY_CLASS;
    case TREE_STUB_CLASS:
        return MENU_STUB_CLASS;
    case TREE_INSTALLED_COMPONENT:
        return MENU_INSTALLED_COMPONENT;
    case TREE_INSTALLED_PROXY:
        return MENU_INSTALLED_PROXY;
    case TREE_INSTALLED_STUB:
        return MENU_INSTALLED_STUB;
    case TREE_PROXY_OBJECT:
        return MENU_PROXY_OBJECT;
    case TREE_STUB_OBJECT:
        return MENU_STUB_OBJECT;
    default:
        return 0;
    }
}
