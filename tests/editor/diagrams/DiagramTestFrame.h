#pragma once

// A main frame, child frame and document of diagram windows for the tests, standing in for the editor's own:
// they implement the diagram classes' two interfaces as the editor's frame does. Unless asked for the
// editor's own elements, the documents make two test elements for components and for the network nodes.

#include <string>
#include <vector>

#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CUmlEntity.h"
#include "DiagramDocument.h"
#include "DiagramMainFrame.h"
#include "class_component_info.h"
#include "class_node_info.h"

class CMultiDocTemplate;

// A box for a switch, router or PC of a network: its node's name in a rectangle; counts its clicks.
class TestNodeEntity : public CUmlEntity, public DiagramNodeEntity {
public:
    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    void set_network_node(const class_node_info& node) override { m_node = node, m_network = true; }
    const class_node_info& get_node_info() const override { return m_node; }

    bool m_network = false;
    int m_clicks = 0;

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    class_node_info m_node;
};

// A component box with its component record.
class TestComponentEntity : public CUmlEntity, public DiagramComponentEntity {
public:
    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    const class_component_info& get_component_info() const override { return m_component; }
    class_component_info m_component;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class TestDiagramDocument : public CDocument, public DiagramDocument {
    DECLARE_DYNCREATE(TestDiagramDocument)
public:
    TestDiagramDocument();
    ~TestDiagramDocument() override;

    const std::string& GetDiagramName() const override { return m_name; }
    void SetDiagramName(const std::string& name) override { m_name = name; }
    const std::string& GetExplanationText() const override { return m_text; }
    void SetExplanationText(const std::string& text) override { m_text = text; }
    CUmlEntity* GetCurrentElement() const override { return m_current; }
    const std::vector<CUmlEntity*>& GetElements() const override { return m_elements; }
    void ClearElements() override;

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

    // The editor's own elements for every kind; else test boxes stand for components, switches, routers and
    // PCs (they read nothing from a database).
    bool m_realElements = false;

    // Every document that lives, for the tests to look at.
    static std::vector<TestDiagramDocument*> s_documents;
    static int s_destroyed;

private:
    void add(CUmlEntity* element, int kind);
    // The element of the kind, or the test box instead of it.
    template <class TestBox>
    void add_or_test_box(int kind);

    std::string m_name;
    std::string m_text;
    CUmlEntity* m_current = nullptr;
    std::vector<CUmlEntity*> m_elements;
};

class TestChildFrame : public CMDIChildWndEx {
    DECLARE_DYNCREATE(TestChildFrame)
};

class TestMainFrame : public CMDIFrameWndEx, public DiagramMainFrame {
public:
    TestMainFrame();
    ~TestMainFrame() override;

    int ActivateDocumentFrame(const std::string& name) override;
    CMDIChildWnd* FindHelpFrame() override;

    // The diagram windows by their MDI child id order.
    std::vector<CMDIChildWnd*> diagram_frames() const;

    bool m_refuseFrames = false;  // answer WM_CREATE_DIAGRAM_FRAME with -1
    bool m_realElements = false;  // the documents of new windows make the editor's own elements
    std::vector<std::string> m_requestedNames;
    // What the elements asked the properties pane to show: the item's kind and record, and the node records.
    std::vector<std::pair<int, const void*>> m_shownItems;
    std::vector<const class_node_info*> m_shownNodes;

protected:
    afx_msg LRESULT OnCreateDiagramFrame(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnShowItemProperties(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnShowNodeProperties(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CMultiDocTemplate* m_template;
};
