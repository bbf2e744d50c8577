#include <algorithm>
#include <vector>

#include "DiagramWindowFixture.h"
#include "class_nodes_line.h"
#include "class_sub_system_line.h"
#include "class_uml_out_line.h"
#include "class_uml_port.h"
#include "class_umlline.h"

using tamo::platform::TestDriver;

namespace {

class DiagramViewTest : public DiagramWindowTest {
protected:
    void SetUp() override {
        DiagramWindowTest::SetUp();
        view = open_diagram("root\\network\\");
        ASSERT_NE(view, nullptr);
        document = document_of(view);
    }

    template <class Element>
    std::vector<Element*> elements(int kind) const {
        std::vector<Element*> found;
        for (CUmlEntity* element : document->GetElements())
            if (element->GetEntityKind() == kind) found.push_back(dynamic_cast<Element*>(element));
        return found;
    }

    // The ports on the diagram as (text, anchor point) in creation order.
    std::vector<std::pair<std::string, CPoint>> ports() const {
        std::vector<std::pair<std::string, CPoint>> found;
        for (class_uml_port* port : elements<class_uml_port>(UML_PORT))
            found.emplace_back(port->get_port_text(), port->GetPosition());
        return found;
    }

    TestComponentEntity* add_component(int id, CRect rect) {
        document->AddComponent();
        auto* component = dynamic_cast<TestComponentEntity*>(document->GetCurrentElement());
        component->m_component.component_id = id;
        component->SetPosition(rect.left, rect.top);
        component->SetSize(rect.Width(), rect.Height());
        return component;
    }

    class_diagramscrollview* view = nullptr;
    TestDiagramDocument* document = nullptr;
};

using Ports = std::vector<std::pair<std::string, CPoint>>;

TEST_F(DiagramViewTest, NetworkNodesArePlacedInTheirNetworkFormAndTheExtentOnlyGrows) {
    view->add_router(CPoint(150, 150), node(1, "r1", "urouter"));
    view->add_switch(CPoint(150, 260), node(2, "s1", "switch"));
    view->add_inside_pc(CPoint(150, 370), node(3, "pc", "computer"), 50, 250);

    const auto& placed = document->GetElements();
    ASSERT_EQ(placed.size(), 3u);
    const std::vector<int> kinds = {UML_ROUTER, UML_SWITCH, UML_INSIDE_PC};
    const std::vector<CRect> rects = {CRect(150, 150, 650, 210), CRect(150, 260, 650, 320), CRect(150, 370, 200, 620)};
    for (std::size_t i = 0; i < placed.size(); ++i) {
        SCOPED_TRACE(i);
        auto* box = dynamic_cast<TestNodeEntity*>(placed[i]);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetEntityKind(), kinds[i]);
        EXPECT_TRUE(box->m_network);
        EXPECT_EQ(box->get_node_info().id, static_cast<int>(i) + 1);
        EXPECT_EQ(box->GetRect(), rects[i]);
        EXPECT_TRUE(box->GetSafeHwnd());
    }
    EXPECT_EQ(view->get_extent(), CSize(750, 570));
    EXPECT_EQ(view->GetTotalSize(), CSize(750, 570));

    // The bars follow the row of boxes; the width is set, not grown.
    view->resize_switches(300);
    view->resize_routers(300);
    EXPECT_EQ(placed[0]->GetSize(), CSize(300, 60));
    EXPECT_EQ(placed[1]->GetSize(), CSize(300, 60));
    EXPECT_EQ(placed[2]->GetSize(), CSize(50, 250));
    EXPECT_EQ(view->get_extent(), CSize(550, 570));

    // Growing keeps the larger values; resizing the window keeps the extent.
    view->grow_extent(100, 900);
    EXPECT_EQ(view->get_extent(), CSize(550, 900));
    frame->MoveWindow(0, 0, 900, 700);
    settle();
    EXPECT_EQ(view->get_extent(), CSize(550, 900));
    EXPECT_EQ(view->GetTotalSize(), CSize(550, 900));
}

TEST_F(DiagramViewTest, NodeSearchTakesTheFirstElementWithTheId) {
    add_component(7, CRect(10, 10, 110, 80));
    view->add_switch(CPoint(150, 260), node(7, "s7", "switch"));
    view->add_router(CPoint(150, 150), node(8, "r8", "urouter"));

    CRect rect;
    view->find_node_entity(7, rect);
    EXPECT_EQ(rect, CRect(10, 10, 110, 80));
    view->find_node_entity(8, rect);
    EXPECT_EQ(rect, CRect(150, 150, 650, 210));
    // Lines and ports are not searched; without a match the rectangle stays.
    view->add_port(8, CPoint(5, 5));
    rect = CRect(1, 2, 3, 4);
    view->find_node_entity(9, rect);
    EXPECT_EQ(rect, CRect(1, 2, 3, 4));
}

TEST_F(DiagramViewTest, NodeLinesKeepApartAndCarryTheirPorts) {
    view->add_switch(CPoint(150, 150), node(1, "s1", "switch"));
    view->add_inside_pc(CPoint(100, 400), node(2, "a", "computer"), 50, 250);
    view->add_inside_pc(CPoint(400, 400), node(3, "b", "computer"), 50, 250);

    // Two links between boxes on one level, the same way: 5 and 10 below the centre line.
    view->add_nodes_line(link(2, 3, 3, 4));
    view->add_nodes_line(link(2, 5, 3, 6));
    // A link down from the switch: the segment rule counts the line itself.
    view->add_nodes_line(link(1, 11, 2, 12));

    const auto lines = elements<class_nodes_line>(UML_NODES_LINE);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]->get_offset(), 5);
    EXPECT_EQ(lines[1]->get_offset(), 10);
    EXPECT_EQ(lines[2]->get_offset(), 15);
    EXPECT_EQ(lines[0]->get_end_kind(), UML_SWITCH);
    EXPECT_EQ(lines[2]->GetPosition(), CPoint(400, 180));
    EXPECT_EQ(lines[2]->get_line_ends().secondCentre, CPoint(125, 525));
    EXPECT_EQ(ports(), (Ports{{"3", CPoint(150, 530)},
                              {"4", CPoint(400, 530)},
                              {"5", CPoint(150, 535)},
                              {"6", CPoint(400, 535)},
                              {"11", CPoint(167, 210)},
                              {"12", CPoint(167, 400)}}));
}

TEST_F(DiagramViewTest, LinksBetweenNetworkDevicesMoveRightUntilClear) {
    view->add_router(CPoint(150, 150), node(1, "r1", "urouter"));
    view->add_switch(CPoint(150, 260), node(2, "s1", "switch"));
    view->add_network_link_line(link(1, 1, 2, 2));
    view->add_network_link_line(link(1, 3, 2, 4));

    const auto lines = elements<class_nodes_line>(UML_NODES_LINE);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->get_offset(), 0);
    EXPECT_EQ(lines[1]->get_offset(), 20);
    EXPECT_EQ(ports(), (Ports{{"1", CPoint(152, 210)}, {"2", CPoint(152, 260)}, {"3", CPoint(172, 210)},
                              {"4", CPoint(172, 260)}}));
}

TEST_F(DiagramViewTest, LinksLeavingTheSystemRunUpToTheTopBand) {
    view->add_switch(CPoint(150, 260), node(1, "s1", "switch"));
    view->add_inside_pc(CPoint(100, 400), node(2, "pc", "computer"), 50, 250);
    // From a network device with the vertical-run rule, from an end device with the segment rule.
    view->add_link_with_out_line(link(1, 7, 0, 70), "switch");
    view->add_link_with_out_line(link(2, 8, 0, 80), "computer");

    const auto lines = elements<class_nodes_line>(UML_NODES_LINE);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->get_line_ends().second, CRect(150, 60, 650, 50));
    EXPECT_EQ(lines[0]->get_line_ends().secondCentre, CPoint(400, 55));
    EXPECT_EQ(lines[0]->get_offset(), 0);
    EXPECT_EQ(lines[1]->get_offset(), 15);
    EXPECT_EQ(ports(), (Ports{{"7", CPoint(152, 260)}, {"70", CPoint(152, 50)}, {"8", CPoint(117, 400)},
                              {"80", CPoint(117, 50)}}));
}

TEST_F(DiagramViewTest, SubSystemLinesStackTheirRunsBelowTheBoxes) {
    view->add_inside_pc(CPoint(100, 400), node(1, "a", "sub_system"), 50, 250);
    view->add_inside_pc(CPoint(400, 400), node(2, "b", "sub_system"), 50, 250);

    int run = 10;
    view->add_sub_system_line(link(1, 1, 2, 2), 3, 3, run);
    EXPECT_EQ(run, 10);
    run = 10;
    view->add_sub_system_line(link(1, 3, 2, 4), 18, 18, run);
    EXPECT_EQ(run, 20);
    // A link without destination is not moved.
    run = 10;
    view->add_sub_system_line(link(1, 5, 0, 6), 33, 3, run);
    EXPECT_EQ(run, 10);

    const auto lines = elements<class_sub_system_line>(UML_SUB_SYSTEM_LINE);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]->get_end_kind(), UML_SUB_SYSTEM_LINE);
    EXPECT_EQ(lines[0]->get_points().p3, CPoint(147, 660));
    EXPECT_EQ(lines[0]->get_points().p4, CPoint(403, 660));
    EXPECT_EQ(lines[1]->get_points().p3, CPoint(132, 670));
    EXPECT_EQ(lines[1]->get_points().p4, CPoint(418, 670));
    EXPECT_EQ(ports(), (Ports{{"1", CPoint(147, 650)}, {"2", CPoint(403, 650)}, {"3", CPoint(132, 650)},
                              {"4", CPoint(418, 650)}, {"5", CPoint(117, 650)}, {"6", CPoint(3, 0)}}));
}

TEST_F(DiagramViewTest, OuterFrameStartsAtFiftyAndReachesPastTheFarCorner) {
    view->add_out_line(CPoint(800, 700));
    const auto frames = elements<class_uml_out_line>(UML_OUT_LINE);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0]->GetPosition(), CPoint(50, 50));
    const std::array<CPoint, 4> corners = {CPoint(50, 50), CPoint(850, 50), CPoint(850, 780), CPoint(50, 780)};
    EXPECT_EQ(frames[0]->get_corners(), corners);
}

TEST_F(DiagramViewTest, DeployedComponentsAreMovedAndJoinedBeforeTheirWindowsExist) {
    TestComponentEntity* first = add_component(1, CRect(50, 50, 150, 120));
    TestComponentEntity* second = add_component(2, CRect(50, 150, 150, 220));
    EXPECT_EQ(view->find_component_entity(2, CPoint(250, 50)), 1);
    EXPECT_EQ(second->GetPosition(), CPoint(250, 50));
    EXPECT_EQ(view->find_component_entity(1, CPoint(50, 400)), 1);
    EXPECT_EQ(first->GetPosition(), CPoint(50, 50));  // already in its column
    EXPECT_EQ(view->find_component_entity(3, CPoint(50, 400)), 0);

    std::vector<CUmlEntity*> lines;
    view->add_component_line(1, 2, lines);
    ASSERT_EQ(lines.size(), 1u);
    auto* line = dynamic_cast<class_umlline*>(lines[0]);
    EXPECT_EQ(line->GetEntityKind(), UML_LINE);
    EXPECT_FALSE(line->GetSafeHwnd());
    EXPECT_EQ(line->GetPosition(), CPoint(100, 85));
    EXPECT_EQ(line->get_line_ends().first, CRect(50, 50, 150, 120));
    EXPECT_EQ(line->get_line_ends().second, CRect(250, 50, 350, 120));

    view->create_entity_windows({first, second}, lines);
    EXPECT_EQ(view->get_diagram_kind(), 9);
    EXPECT_TRUE(first->GetSafeHwnd() && second->GetSafeHwnd() && line->GetSafeHwnd());
    EXPECT_EQ(line->get_start_anchor(), CPoint(150, 85));
    EXPECT_EQ(line->get_end_anchor(), CPoint(250, 85));
}

TEST_F(DiagramViewTest, ConnectorToAMissingElementIsReportedAndEndsAtTheOrigin) {
    add_component(1, CRect(100, 100, 200, 150))->CreateEntityWindow(view);
    std::vector<CUmlEntity*> lines;
    view->add_component_line(1, 99, lines);
    driver.AnswerMessageBox(IDOK);
    view->create_entity_windows({}, lines);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "End 접점을 찾지 못했습니다");
    auto* line = dynamic_cast<class_umlline*>(lines[0]);
    EXPECT_EQ(line->get_start_anchor(), CPoint(120, 100));
    EXPECT_EQ(line->get_end_anchor(), CPoint(0, 0));
}

TEST_F(DiagramViewTest, ClickedElementsHighlightTheirLinesAndHideTheOthers) {
    TestComponentEntity* a = add_component(1, CRect(50, 50, 150, 120));
    TestComponentEntity* b = add_component(2, CRect(300, 50, 400, 120));
    TestComponentEntity* c = add_component(3, CRect(300, 300, 400, 370));
    std::vector<CUmlEntity*> lines;
    view->add_component_line(1, 2, lines);
    view->add_component_line(2, 3, lines);
    view->create_entity_windows({a, b, c}, lines);
    view->add_inside_pc(CPoint(100, 400), node(11, "x", "sub_system"), 50, 250);
    view->add_inside_pc(CPoint(400, 400), node(12, "y", "sub_system"), 50, 250);
    view->add_inside_pc(CPoint(700, 400), node(13, "z", "sub_system"), 50, 250);
    int run = 10;
    view->add_sub_system_line(link(11, 1, 12, 2), 3, 3, run);
    view->add_sub_system_line(link(12, 3, 13, 4), 3, 3, run);
    settle();

    auto* ab = dynamic_cast<class_umlline*>(lines[0]);
    auto* bc = dynamic_cast<class_umlline*>(lines[1]);
    view->select_uml_lines(a->GetRect());
    EXPECT_TRUE(ab->IsWindowVisible());
    EXPECT_EQ(ab->get_line_colour(), RGB(192, 0, 0));
    EXPECT_FALSE(bc->IsWindowVisible());
    EXPECT_EQ(bc->get_line_colour(), RGB(0, 0, 0));
    view->select_uml_lines(b->GetRect());
    EXPECT_TRUE(ab->IsWindowVisible());
    EXPECT_TRUE(bc->IsWindowVisible());

    const auto runs = elements<class_sub_system_line>(UML_SUB_SYSTEM_LINE);
    view->highlight_sub_system_lines(700, 750);
    EXPECT_FALSE(runs[0]->IsWindowVisible());
    EXPECT_TRUE(runs[1]->IsWindowVisible());
    EXPECT_EQ(runs[1]->get_line_colour(), RGB(192, 0, 0));
    view->highlight_sub_system_lines(400, 450);
    EXPECT_TRUE(runs[0]->IsWindowVisible());
    EXPECT_TRUE(runs[1]->IsWindowVisible());
}

TEST_F(DiagramViewTest, ClosingTheWindowDeletesItsElements) {
    view->add_switch(CPoint(150, 150), node(1, "s1", "switch"));
    view->add_inside_pc(CPoint(100, 400), node(2, "a", "computer"), 50, 250);
    view->add_nodes_line(link(1, 1, 2, 2));
    view->add_out_line(CPoint(500, 700));
    ASSERT_EQ(document->GetElements().size(), 6u);

    const int destroyed = TestDiagramDocument::s_destroyed;
    Class_UmlControl::get_instance()->get_active_view()->GetParentFrame()->DestroyWindow();
    settle();
    EXPECT_EQ(TestDiagramDocument::s_destroyed, destroyed + 1);
    EXPECT_TRUE(TestDiagramDocument::s_documents.empty());
}

}  // namespace
