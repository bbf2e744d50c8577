#include "class_uml_proxyinterface.h"

#include "TreeNodeData.h"

void class_uml_proxyinterface::copy_relation_from_item() {
    if (m_bRelationGiven) return;
    const auto* item = static_cast<const TreeNodeData*>(GetItemInfo());
    if (item && item->record) m_relation = *static_cast<const class_proxy_interface_relation_info*>(item->record);
}
