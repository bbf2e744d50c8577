#include "CTamoZELK_MDIDoc.h"

#include "CUmlEntity.h"
#include "class_component_info.h"
#include "class_nodes_line.h"
#include "class_sub_system_line.h"
#include "class_uml_out_line.h"
#include "class_uml_port.h"
#include "class_umlline.h"

IMPLEMENT_DYNCREATE(CTamoZELK_MDIDoc, CDocument)

BEGIN_MESSAGE_MAP(CTamoZELK_MDIDoc, CDocument)
END_MESSAGE_MAP()

BOOL CTamoZELK_MDIDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

void CTamoZELK_MDIDoc::ClearElements() {
    for (CUmlEntity*& element : m_elements) {
        if (!element) continue;
        element->DestroyWindow();
        element->DeleteEntity();
        element = nullptr;
    }
    m_elements.clear();
}

void CTamoZELK_MDIDoc::AppendElement(CUmlEntity* element, int kind) {
    element->SetEntityKind(kind);
    m_pCurrentElement = element;
    m_elements.push_back(element);
}

template <class Element>
void CTamoZELK_MDIDoc::AddElement(int kind) {
    m_pCurrentElement = nullptr;
    AppendElement(new Element, kind);
}

void CTamoZELK_MDIDoc::AddLine() { AddElement<class_umlline>(UML_LINE); }
void CTamoZELK_MDIDoc::AddNodesLine() { AddElement<class_nodes_line>(UML_NODES_LINE); }
void CTamoZELK_MDIDoc::AddSubSystemLine() { AddElement<class_sub_system_line>(UML_SUB_SYSTEM_LINE); }
void CTamoZELK_MDIDoc::AddPort() { AddElement<class_uml_port>(UML_PORT); }
void CTamoZELK_MDIDoc::AddOutLine() { AddElement<class_uml_out_line>(UML_OUT_LINE); }

CUmlEntity* CTamoZELK_MDIDoc::FindComponentEntity(const class_component_info& component) const {
    for (CUmlEntity* element : m_elements) {
        if (!element || element->GetEntityKind() != UML_COMPONENT) continue;
        const auto* shown = dynamic_cast<const DiagramComponentEntity*>(element);
        if (shown && shown->get_component_info().component_id == component.component_id) return element;
    }
    return nullptr;
}
