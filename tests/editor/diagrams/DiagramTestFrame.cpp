#include "DiagramTestFrame.h"

#include "CDC.h"
#include "CDocTemplate.h"
#include "FrameMessages.h"
#include "TreeNodeData.h"
#include "class_diagramscrollview.h"

// --- Test elements -----------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(TestNodeEntity, CUmlEntity)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL TestNodeEntity::CreateEntityWindow(CWnd* parent) {
    return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, GetRect(), parent, AFX_IDW_PANE_FIRST);
}

void TestNodeEntity::OnPaint() {
    CPaintDC dc(this);
    const COLORREF fill = m_node.type == "computer"     ? RGB(230, 255, 255)
                          : m_node.type == "sub_system" ? RGB(255, 255, 162)
                                                        : RGB(240, 240, 240);
    CBrush brush(fill);
    CBrush* old = dc.SelectObject(&brush);
    dc.Rectangle(0, 0, m_width, m_height);
    dc.SelectObject(old);
    dc.SetBkMode(TRANSPARENT);
    CRect text(0, 0, m_width, m_height);
    dc.DrawText(m_node.name.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TestNodeEntity::OnLButtonDown(UINT nFlags, CPoint point) {
    ++m_clicks;
    CUmlEntity::OnLButtonDown(nFlags, point);
}

BEGIN_MESSAGE_MAP(TestComponentEntity, CUmlEntity)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL TestComponentEntity::CreateEntityWindow(CWnd* parent) {
    return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, GetRect(), parent, AFX_IDW_PANE_FIRST);
}

void TestComponentEntity::OnPaint() {
    CPaintDC dc(this);
    dc.Rectangle(0, 0, m_width, m_height);
    CRect text(0, 0, m_width, m_height);
    const std::string name = "component " + std::to_string(m_component.component_id);
    dc.DrawText(name.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// --- Document ----------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(TestDiagramDocument, CDocument)

std::vector<TestDiagramDocument*> TestDiagramDocument::s_documents;
int TestDiagramDocument::s_destroyed = 0;

TestDiagramDocument::TestDiagramDocument() { s_documents.push_back(this); }

TestDiagramDocument::~TestDiagramDocument() {
    std::erase(s_documents, this);
    ++s_destroyed;
}

void TestDiagramDocument::ClearElements() {
    for (CUmlEntity*& element : m_elements) {
        if (!element) continue;
        if (element->GetSafeHwnd()) element->DestroyWindow();
        element->DeleteEntity();
        element = nullptr;
    }
    m_elements.clear();
}

void TestDiagramDocument::add(CUmlEntity* element, int kind) {
    m_current = nullptr;
    element->SetEntityKind(kind);
    m_current = element;
    m_elements.push_back(element);
}

template <class TestBox>
void TestDiagramDocument::add_or_test_box(int kind) {
    add(m_realElements ? make_diagram_element(kind) : new TestBox, kind);
}

void TestDiagramDocument::AddComponent() { add_or_test_box<TestComponentEntity>(UML_COMPONENT); }
void TestDiagramDocument::AddProxyInterface() { add(make_diagram_element(UML_PROXY_INTERFACE), UML_PROXY_INTERFACE); }
void TestDiagramDocument::AddStubInterface() { add(make_diagram_element(UML_STUB_INTERFACE), UML_STUB_INTERFACE); }
void TestDiagramDocument::AddLine() { add(make_diagram_element(UML_LINE), UML_LINE); }
void TestDiagramDocument::AddCircleStubInterface() {
    add(make_diagram_element(UML_CIRCLE_STUB_INTERFACE), UML_CIRCLE_STUB_INTERFACE);
}
void TestDiagramDocument::AddNode() { add(make_diagram_element(UML_NODE), UML_NODE); }
void TestDiagramDocument::AddSwitch() { add_or_test_box<TestNodeEntity>(UML_SWITCH); }
void TestDiagramDocument::AddRouter() { add_or_test_box<TestNodeEntity>(UML_ROUTER); }
void TestDiagramDocument::AddInsidePc() { add_or_test_box<TestNodeEntity>(UML_INSIDE_PC); }
void TestDiagramDocument::AddNodesLine() { add(make_diagram_element(UML_NODES_LINE), UML_NODES_LINE); }
void TestDiagramDocument::AddSubSystemLine() { add(make_diagram_element(UML_SUB_SYSTEM_LINE), UML_SUB_SYSTEM_LINE); }
void TestDiagramDocument::AddPort() { add(make_diagram_element(UML_PORT), UML_PORT); }
void TestDiagramDocument::AddOutLine() { add(make_diagram_element(UML_OUT_LINE), UML_OUT_LINE); }

// --- Frames ------------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(TestChildFrame, CMDIChildWndEx)

BEGIN_MESSAGE_MAP(TestMainFrame, CMDIFrameWndEx)
    ON_MESSAGE(WM_CREATE_DIAGRAM_FRAME, &TestMainFrame::OnCreateDiagramFrame)
    ON_MESSAGE(WM_SHOW_ITEM_PROPERTIES, &TestMainFrame::OnShowItemProperties)
    ON_MESSAGE(WM_SHOW_NODE_PROPERTIES, &TestMainFrame::OnShowNodeProperties)
END_MESSAGE_MAP()

LRESULT TestMainFrame::OnShowItemProperties(WPARAM, LPARAM lParam) {
    const auto* item = reinterpret_cast<const TreeNodeData*>(lParam);
    if (item) m_shownItems.emplace_back(item->kind, item->record);
    return 0;
}

LRESULT TestMainFrame::OnShowNodeProperties(WPARAM, LPARAM lParam) {
    m_shownNodes.push_back(reinterpret_cast<const class_node_info*>(lParam));
    return 0;
}

TestMainFrame::TestMainFrame()
    : m_template(new CMultiDocTemplate(130, RUNTIME_CLASS(TestDiagramDocument), RUNTIME_CLASS(TestChildFrame),
                                       RUNTIME_CLASS(class_diagramscrollview))) {}

TestMainFrame::~TestMainFrame() { delete m_template; }

LRESULT TestMainFrame::OnCreateDiagramFrame(WPARAM, LPARAM lParam) {
    const char* name = reinterpret_cast<const char*>(lParam);
    m_requestedNames.push_back(name);
    if (m_refuseFrames) return -1;
    auto* document = new TestDiagramDocument;
    document->m_realElements = m_realElements;
    CFrameWnd* frame = m_template->CreateNewFrame(document, nullptr);
    if (!frame) {
        delete document;
        return -1;
    }
    m_template->InitialUpdateFrame(frame, document, TRUE);
    frame->SetWindowText(name);
    return 0;
}

std::vector<CMDIChildWnd*> TestMainFrame::diagram_frames() const {
    std::vector<CMDIChildWnd*> frames;
    CWnd* client = CWnd::FromHandle(m_hWndMDIClient);
    if (!client) return frames;
    for (int id = 0xFF00; id <= 0xFFFE; ++id)
        if (auto* child = dynamic_cast<CMDIChildWnd*>(client->GetDlgItem(id)))
            if (dynamic_cast<DiagramDocument*>(child->GetActiveDocument())) frames.push_back(child);
    return frames;
}

int TestMainFrame::ActivateDocumentFrame(const std::string& name) {
    for (CMDIChildWnd* child : diagram_frames()) {
        if (dynamic_cast<DiagramDocument*>(child->GetActiveDocument())->GetDiagramName() != name) continue;
        MDIActivate(child);
        return 0;
    }
    return -1;
}

CMDIChildWnd* TestMainFrame::FindHelpFrame() {
    for (CMDIChildWnd* child : diagram_frames())
        if (dynamic_cast<DiagramDocument*>(child->GetActiveDocument())->GetDiagramName() == "도움말") return child;
    return nullptr;
}
