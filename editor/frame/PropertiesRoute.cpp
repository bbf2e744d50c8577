#include "PropertiesRoute.h"

#include "TreeRootDomain.h"
#include "class_node_info.h"

namespace {

PropertiesFiller DomainFiller(const TreeNodeData& item) {
    return IsTreeRootDomain(item) ? PropertiesFiller::User : PropertiesFiller::Domain;
}

PropertiesFiller NodeFiller(const TreeNodeData& item) {
    const auto* node = static_cast<const class_node_info*>(item.record);
    return node->type == "switch" ? PropertiesFiller::Switch : PropertiesFiller::Node;
}

// The filler of a kind whose items carry a record; PropertiesFiller::User for the others.
PropertiesFiller FillerOfRecordKind(int kind) {
    switch (kind) {
    case TREE_DATA_ITEM: return PropertiesFiller::Data;
    case TREE_STRUCT_FIELD:
    case TREE_ENUM_CONSTANT: return PropertiesFiller::DataFieldItem;
    case TREE_METHOD: return PropertiesFiller::Method;
    case TREE_INTERFACE: return PropertiesFiller::Interface;
    case TREE_MEMBER_METHOD: return PropertiesFiller::MethodItem;
    case TREE_COMPONENT: return PropertiesFiller::Component;
    case TREE_PROXY_CLASS: return PropertiesFiller::Proxy;
    case TREE_STUB_CLASS: return PropertiesFiller::Stub;
    case TREE_INSTALLED_COMPONENT: return PropertiesFiller::DeployedComponent;
    case TREE_INSTALLED_PROXY:
    case TREE_INSTALLED_STUB: return PropertiesFiller::ComponentInterface;
    default: return PropertiesFiller::User;
    }
}

}  // namespace

PropertiesFiller RoutePropertiesFiller(const TreeNodeData& item) {
    switch (item.kind) {
    case TREE_SYSTEM_DOMAIN:
    case TREE_METHOD_DOMAIN:
    case TREE_DATA_DOMAIN:
        return item.record ? DomainFiller(item) : PropertiesFiller::None;
    case TREE_NODE:
        return item.record ? NodeFiller(item) : PropertiesFiller::None;
    default: {
        const PropertiesFiller filler = FillerOfRecordKind(item.kind);
        if (filler != PropertiesFiller::User && !item.record) return PropertiesFiller::None;
        return filler;
    }
    }
}
