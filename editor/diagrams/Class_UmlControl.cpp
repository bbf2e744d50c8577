#include "Class_UmlControl.h"

#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CView.h"
#include "DiagramDocument.h"
#include "DiagramMainFrame.h"
#include "class_diagramscrollview.h"
#include "class_explan_dialog_data.h"

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

void Class_UmlControl::set_diagram_builder(int kind, diagram_builder builder) {
    m_builders[kind] = std::move(builder);
}

void Class_UmlControl::draw_diagram(int kind, const DiagramTreeItem& item, const DiagramTreeItem& second) {
    const auto builder = m_builders.find(kind);
    if (builder != m_builders.end() && builder->second) builder->second(*this, item, second);
}
