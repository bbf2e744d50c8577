#include "CTamoZELK_MDIDoc.h"

#include "CUmlEntity.h"

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

void CTamoZELK_MDIDoc::AddElement(int kind) {
    m_pCurrentElement = nullptr;
    CUmlEntity* element = make_diagram_element(kind);
    element->SetEntityKind(kind);
    m_pCurrentElement = element;
    m_elements.push_back(element);
}

void CTamoZELK_MDIDoc::AddComponent() { AddElement(UML_COMPONENT); }
void CTamoZELK_MDIDoc::AddProxyInterface() { AddElement(UML_PROXY_INTERFACE); }
void CTamoZELK_MDIDoc::AddStubInterface() { AddElement(UML_STUB_INTERFACE); }
void CTamoZELK_MDIDoc::AddLine() { AddElement(UML_LINE); }
void CTamoZELK_MDIDoc::AddCircleStubInterface() { AddElement(UML_CIRCLE_STUB_INTERFACE); }
void CTamoZELK_MDIDoc::AddNode() { AddElement(UML_NODE); }
void CTamoZELK_MDIDoc::AddSwitch() { AddElement(UML_SWITCH); }
void CTamoZELK_MDIDoc::AddRouter() { AddElement(UML_ROUTER); }
void CTamoZELK_MDIDoc::AddInsidePc() { AddElement(UML_INSIDE_PC); }
void CTamoZELK_MDIDoc::AddNodesLine() { AddElement(UML_NODES_LINE); }
void CTamoZELK_MDIDoc::AddSubSystemLine() { AddElement(UML_SUB_SYSTEM_LINE); }
void CTamoZELK_MDIDoc::AddPort() { AddElement(UML_PORT); }
void CTamoZELK_MDIDoc::AddOutLine() { AddElement(UML_OUT_LINE); }
