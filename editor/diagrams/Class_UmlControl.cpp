#include "Class_UmlControl.h"

#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CView.h"
#include "DiagramDocument.h"
#include "DiagramMainFrame.h"
#include "class_diagramscrollview.h"
#include "class_component_diagram_builder.h"
#include "class_explan_dialog_data.h"
#include "class_network_diagram_builder.h"

namespace {

Class_UmlControl* g_instance = nullptr;

}  // namespace

Class_UmlControl* Class_UmlControl::get_instance() {
    if (!g_instance) g_instance = new Class_UmlControl;
    return g_instance;
}

Class_UmlControl::~Class_UmlControl() {
    if (g_instance == this) g_instance = nullptr;
}

void Class_UmlControl::bind_active_frame() {
    m_pMainFrame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    m_pActiveDocument = nullptr;
    m_pActiveView = nullptr;
    if (!m_pMainFrame) return;
    CMDIChildWnd* child = m_pMainFrame->MDIGetActive();
    if (!child) return;
    m_pActiveDocument = dynamic_cast<DiagramDocument*>(child->GetActiveDocument());
    m_pActiveView = dynamic_cast<class_diagramscrollview*>(child->GetActiveView());
}

int Class_UmlControl::create_childframe(const std::string& name) {
    bind_active_frame();
    auto* frame = dynamic_cast<DiagramMainFrame*>(m_pMainFrame);
    if (frame && frame->ActivateDocumentFrame(name) == 0) return 0;

    const LRESULT reply = m_pMainFrame
        ? m_pMainFrame->SendMessage(WM_CREATE_DIAGRAM_FRAME, 1, reinterpret_cast<LPARAM>(name.c_str()))
        : -1;
    if (reply == 0) bind_active_frame();
    if (reply != 0 || !m_pActiveDocument) {
        AfxMessageBox("error :create_childframe() 프레임을 생성하지 못했습니다");
        return 0;
    }
    m_pActiveDocument->SetDiagramName(name);
    return -1;
}

void Class_UmlControl::set_explanation_text(int topic) {
    std::string text;
    class_explan_dialog_data().get_explanation(text, static_cast<unsigned int>(topic));

    // Before the first binding the help window can only belong to the thread's main window.
    CWnd* mainWindow = m_pMainFrame ? m_pMainFrame : AfxGetMainWnd();
    auto* frame = dynamic_cast<DiagramMainFrame*>(mainWindow);
    CMDIChildWnd* helpFrame = frame ? frame->FindHelpFrame() : nullptr;
    if (!helpFrame) return;
    auto* document = dynamic_cast<DiagramDocument*>(helpFrame->GetActiveDocument());
    if (!document) return;
    document->SetExplanationText(text);
    if (CView* view = helpFrame->GetActiveView()) view->Invalidate(TRUE);
}

void Class_UmlControl::draw_proxy_interface_diagram(const TreeNodeData& proxyClass) {
    class_component_diagram_builder(*this).draw_interface(0, proxyClass);
}

void Class_UmlControl::draw_stub_interface_diagram(const TreeNodeData& stubClass) {
    class_component_diagram_builder(*this).draw_interface(1, stubClass);
}

void Class_UmlControl::draw_component_interface_diagram(const TreeNodeData& component) {
    class_component_diagram_builder(*this).draw_component_interfaces(component);
}

void Class_UmlControl::draw_domain_component_diagram(const TreeNodeData& componentsFolder) {
    class_component_diagram_builder(*this).draw_domain_components(componentsFolder);
}

void Class_UmlControl::draw_node_component_deploy_diagram(const TreeNodeData& installedComponent,
                                                          const TreeNodeData& node) {
    class_component_diagram_builder(*this).draw_node_component_deploy(installedComponent, node);
}

void Class_UmlControl::draw_deploy_diagram(const TreeNodeData& systemDomain) {
    class_component_diagram_builder(*this).draw_deployed_components(systemDomain);
}

void Class_UmlControl::draw_node_diagram(const TreeNodeData& node) {
    class_network_diagram_builder(*this).draw_node(node);
}

void Class_UmlControl::draw_system_diagram(const TreeNodeData& systemDomain) {
    class_network_diagram_builder(*this).draw_network(systemDomain);
}

void Class_UmlControl::draw_diagram(int kind, const DiagramTreeItem& item, const DiagramTreeItem& second) {
    switch (kind) {
    case 0: draw_proxy_interface_diagram(item); break;
    case 1: draw_stub_interface_diagram(item); break;
    case 2: draw_component_interface_diagram(item); break;
    case 3: draw_domain_component_diagram(item); break;
    case 4: draw_node_component_deploy_diagram(item, second); break;
    case 5: draw_node_diagram(item); break;
    case 8: draw_system_diagram(item); break;
    case 9: draw_deploy_diagram(item); break;
    default: break;
    }
}
