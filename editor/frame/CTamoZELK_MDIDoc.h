#pragma once

#include <string>
#include <vector>

#include "CDocument.h"
#include "DiagramDocument.h"

// The document of a diagram window (and of the help window "도움말"): its diagram name, the help text and the
// diagram's elements in creation order. Nothing of it is saved or loaded. The elements are destroyed by
// ClearElements, which the diagram view calls when it is destroyed and before it draws anew; the destructor
// frees only the list.
class CTamoZELK_MDIDoc : public CDocument, public DiagramDocument {
    DECLARE_DYNCREATE(CTamoZELK_MDIDoc)
public:
    CTamoZELK_MDIDoc() = default;
    ~CTamoZELK_MDIDoc() override = default;

    BOOL OnNewDocument() override;

    const std::string& GetDiagramName() const override { return m_strDiagramName; }
    void SetDiagramName(const std::string& name) override { m_strDiagramName = name; }
    const std::string& GetExplanationText() const override { return m_strExplanation; }
    void SetExplanationText(const std::string& text) override { m_strExplanation = text; }
    CUmlEntity* GetCurrentElement() const override { return m_pCurrentElement; }
    const std::vector<CUmlEntity*>& GetElements() const override { return m_elements; }

    // For each element in order: destroy its window, delete it; then the list is empty. The current element
    // stays as it is.
    void ClearElements() override;

    // Element factories: each makes a new element of its class the current element and appends it; the caller
    // sets its record, position and size and creates its window.
    void AddComponent() override;
    void AddProxyInterface() override;
    void AddStubInterface() override;
    void AddLine() override;
    void AddCircleStubInterface() override;
    void AddNode() override;
    void AddSwitch() override;
    void AddRouter() override;
    void AddInsidePc() override;
    void AddNodesLine() override;
    void AddSubSystemLine() override;
    void AddPort() override;
    void AddOutLine() override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    void AddElement(int kind);

    std::string m_strDiagramName;
    std::string m_strExplanation;
    CUmlEntity* m_pCurrentElement = nullptr;  // the last element a factory made; not owned here
    std::vector<CUmlEntity*> m_elements;      // destroyed by ClearElements
};
