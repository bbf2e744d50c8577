#include <filesystem>

#include "DiagramWindowFixture.h"
#include "class_umlline.h"

using tamo::platform::TestDriver;

namespace {

using DiagramScreenshotTest = DiagramWindowTest;

// Pictures for a person to look at (artifacts/diagram_help.png, artifacts/diagram_network.png): the help
// window with the start text, and a network with bars, boxes, node, sub-system and outer lines, ports and
// connectors between components.
TEST_F(DiagramScreenshotTest, HelpWindowAndNetworkDiagram) {
    class_diagramscrollview* help = open_diagram("도움말");
    ASSERT_NE(help, nullptr);
    Class_UmlControl::get_instance()->set_explanation_text(30);
    settle();
    const CString helpPng = TestDriver::ArtifactPath("diagram_help.png");
    ASSERT_TRUE(TestDriver::SaveWindowPng(*help->GetParentFrame(), helpPng));

    class_diagramscrollview* view = open_diagram("root\\plant\\");
    ASSERT_NE(view, nullptr);
    view->add_router(CPoint(150, 150), node(1, "router-1", "urouter"));
    view->add_switch(CPoint(150, 260), node(2, "switch-1", "switch"));
    int x = 150;
    for (const class_node_info& box : {node(3, "pc-1", "computer"), node(4, "sensor-1", "sensor"),
                                       node(5, "sub-A", "sub_system"), node(6, "sub-B", "sub_system")}) {
        view->add_inside_pc(CPoint(x, 370), box, 50, 250);
        view->resize_switches(x - 80);
        view->resize_routers(x - 80);
        x += 80;
    }
    view->grow_extent(x + 100, 370 + 250 + 200);
    view->add_link_with_out_line(link(1, 9, 0, 90), "urouter");
    view->add_link_with_out_line(link(3, 8, 0, 80), "computer");
    view->add_nodes_line(link(2, 1, 3, 11));
    view->add_nodes_line(link(2, 2, 4, 12));
    view->add_network_link_line(link(1, 3, 2, 13));
    int run = 10, widest = 0;
    view->add_sub_system_line(link(5, 4, 6, 14), 3, 3, run);
    widest = std::max(widest, run);
    run = 10;
    view->add_sub_system_line(link(5, 5, 6, 15), 18, 18, run);
    widest = std::max(widest, run);
    view->grow_extent(x + 100, 620 + widest + 200);
    view->add_out_line(CPoint(x, 620 + widest));

    // Components joined by connectors: an open head to a proxy, a closed one to a stub, none to a switch.
    auto* document = document_of(view);
    const auto component = [&](int id, CRect rect) {
        document->AddComponent();
        auto* box = dynamic_cast<TestComponentEntity*>(document->GetCurrentElement());
        box->m_component.component_id = id;
        box->SetPosition(rect.left, rect.top);
        box->SetSize(rect.Width(), rect.Height());
        box->CreateEntityWindow(view);
    };
    component(21, CRect(650, 150, 770, 220));
    component(22, CRect(900, 150, 1020, 220));
    component(23, CRect(900, 400, 1020, 470));
    component(24, CRect(650, 400, 770, 470));
    std::vector<CUmlEntity*> lines;
    view->add_component_line(21, 22, lines);
    view->add_component_line(21, 23, lines);
    view->add_component_line(21, 24, lines);
    dynamic_cast<class_umlline*>(lines[1])->set_end_kind(UML_STUB_INTERFACE);
    dynamic_cast<class_umlline*>(lines[2])->set_end_kind(UML_SWITCH);
    view->create_entity_windows({}, lines);
    settle();

    const CString networkPng = TestDriver::ArtifactPath("diagram_network.png");
    ASSERT_TRUE(TestDriver::SaveWindowPng(*view->GetParentFrame(), networkPng));
    EXPECT_GT(std::filesystem::file_size(helpPng.GetString()), 1000u);
    EXPECT_GT(std::filesystem::file_size(networkPng.GetString()), 1000u);
}

}  // namespace
