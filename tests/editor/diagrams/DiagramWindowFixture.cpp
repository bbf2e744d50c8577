#include "DiagramWindowFixture.h"

#include "CWinApp.h"
#include "EditorResources.h"

namespace {

CWinApp& test_application() {
    static CWinApp application("TamoZELK_MDI");
    return application;
}

}  // namespace

void DiagramWindowTest::SetUp() {
    std::string error;
    ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
    frame = new TestMainFrame;
    ASSERT_TRUE(frame->Create(nullptr, "TamoZELK_MDI", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1280, 960)));
    test_application().m_pMainWnd = frame;
    tamo::platform::TestDriver::ShowTopLevel(*frame);
}

void DiagramWindowTest::TearDown() {
    delete Class_UmlControl::get_instance();
    if (frame && frame->GetSafeHwnd()) frame->DestroyWindow();
    test_application().m_pMainWnd = nullptr;
    tamo::platform::TestDriver::PumpPostedMessages();
}

class_diagramscrollview* DiagramWindowTest::open_diagram(const std::string& name) {
    Class_UmlControl* control = Class_UmlControl::get_instance();
    if (control->create_childframe(name) == 0) return nullptr;
    settle();
    return control->get_active_view();
}

TestDiagramDocument* DiagramWindowTest::document_of(class_diagramscrollview* view) {
    return view ? dynamic_cast<TestDiagramDocument*>(view->GetDocument()) : nullptr;
}

void DiagramWindowTest::settle() {
    tamo::platform::TestDriver::ShowTopLevel(*frame);
    // A line paints only once the windows above it have cut themselves down, one round after another.
    for (int round = 0; round < 5; ++round) tamo::platform::TestDriver::PumpPostedMessages();
}

class_node_info node(int id, const char* name, const char* type) {
    class_node_info record;
    record.id = id;
    record.name = name;
    record.type = type;
    return record;
}

class_network_link_info link(int source, int sourcePort, int destination, int destinationPort) {
    class_network_link_info record;
    record.s_node_id = source;
    record.s_port_id = sourcePort;
    record.d_node_id = destination;
    record.d_port_id = destinationPort;
    return record;
}
