#include "DiagramDocument.h"

#include "CUmlEntity.h"
#include "Class_ComponentEntity.h"
#include "class_circle_stub_interface.h"
#include "class_node.h"
#include "class_nodes_line.h"
#include "class_sub_system_line.h"
#include "class_switch.h"
#include "class_uml_inside_pc.h"
#include "class_uml_out_line.h"
#include "class_uml_port.h"
#include "class_uml_proxyinterface.h"
#include "class_uml_router.h"
#include "class_uml_stubinterface.h"
#include "class_umlline.h"

CUmlEntity* DiagramDocument::FindComponentEntity(const class_component_info& component) const {
    for (CUmlEntity* element : GetElements()) {
        if (!element || element->GetEntityKind() != UML_COMPONENT) continue;
        const auto* shown = dynamic_cast<const DiagramComponentEntity*>(element);
        if (shown && shown->get_component_info().component_id == component.component_id) return element;
    }
    return nullptr;
}

CUmlEntity* make_diagram_element(int kind) {
    switch (kind) {
    case UML_COMPONENT: return new Class_ComponentEntity;
    case UML_PROXY_INTERFACE: return new class_uml_proxyinterface;
    case UML_STUB_INTERFACE: return new class_uml_stubinterface;
    case UML_LINE: return new class_umlline;
    case UML_CIRCLE_STUB_INTERFACE: return new class_circle_stub_interface;
    case UML_NODE: return new class_node;
    case UML_SWITCH: return new class_switch;
    case UML_ROUTER: return new class_uml_router;
    case UML_INSIDE_PC: return new class_uml_inside_pc;
    case UML_NODES_LINE: return new class_nodes_line;
    case UML_SUB_SYSTEM_LINE: return new class_sub_system_line;
    case UML_PORT: return new class_uml_port;
    case UML_OUT_LINE: return new class_uml_out_line;
    default: return nullptr;
    }
}
