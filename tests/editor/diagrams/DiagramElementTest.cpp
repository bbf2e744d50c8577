#include <algorithm>
#include <vector>

#include "DiagramWindowFixture.h"
#include "class_network_link_info.h"
#include "class_nodes_line.h"
#include "class_sub_system_line.h"
#include "class_uml_out_line.h"
#include "class_uml_port.h"
#include "class_umlline.h"

using tamo::platform::TestDriver;

namespace {

class DiagramElementTest : public DiagramWindowTest {
protected:
    void SetUp() override {
        DiagramWindowTest::SetUp();
        view = open_diagram("root\\elements\\");
        ASSERT_NE(view, nullptr);
        document = document_of(view);
    }

    // A connector from the first box to the second, its window created.
    class_umlline* connector(const CRect& from, const CRect& to, int endKind = 0) {
        document->AddLine();
        auto* line = dynamic_cast<class_umlline*>(document->GetCurrentElement());
        const CPoint position = line_geometry::rect_centre(from);
        line->SetPosition(position.x, position.y);
        line->set_line_ends(from, to, line_geometry::rect_centre(to));
        if (endKind) line->set_end_kind(endKind);
        line->CreateEntityWindow(view);
        return line;
    }

    TestNodeEntity* box(const CRect& rect) {
        document->AddSwitch();
        auto* element = dynamic_cast<TestNodeEntity*>(document->GetCurrentElement());
        element->SetPosition(rect.left, rect.top);
        element->SetSize(rect.Width(), rect.Height());
        element->CreateEntityWindow(view);
        return element;
    }

    // The lines the element drew in its last paint, as "MoveTo"/"LineTo" entries with their pens.
    static std::vector<std::string> strokes(CWnd& element) {
        std::vector<std::string> found;
        for (const CString& entry : TestDriver::DrawingLog(element)) {
            if (entry.Find("Rectangle") == 0) found.clear();  // a paint starts by clearing its bands
            if (entry.Find("MoveTo") == 0 || entry.Find("LineTo") == 0) found.push_back(entry.GetString());
        }
        return found;
    }

    class_diagramscrollview* view = nullptr;
    TestDiagramDocument* document = nullptr;
};

TEST_F(DiagramElementTest, EveryFactoryMakesItsElementWithItsKind) {
    document->AddLine();
    document->AddNodesLine();
    document->AddSubSystemLine();
    document->AddPort();
    document->AddOutLine();
    const auto& made = document->GetElements();
    ASSERT_EQ(made.size(), 5u);
    EXPECT_NE(dynamic_cast<class_umlline*>(made[0]), nullptr);
    EXPECT_NE(dynamic_cast<class_nodes_line*>(made[1]), nullptr);
    EXPECT_NE(dynamic_cast<class_sub_system_line*>(made[2]), nullptr);
    EXPECT_NE(dynamic_cast<class_uml_port*>(made[3]), nullptr);
    EXPECT_NE(dynamic_cast<class_uml_out_line*>(made[4]), nullptr);
    const std::vector<int> kinds = {1242, 1248, 1249, 1251, 1252};
    for (std::size_t i = 0; i < made.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(made[i]->GetEntityKind(), kinds[i]);
        EXPECT_EQ(made[i]->GetRect(), CRect(0, 0, 0, 0));
        EXPECT_EQ(made[i]->GetItemInfo(), nullptr);
    }
    EXPECT_EQ(document->GetCurrentElement(), made[4]);
    EXPECT_EQ(dynamic_cast<class_uml_port*>(made[3])->get_port_text(), "0");

    // The accessors; the three operations that do nothing change nothing.
    CUmlEntity* port = made[3];
    int record = 0;
    port->SetItemInfo(&record);
    port->SetPosition(5, 7);
    EXPECT_EQ(port->GetRect(), CRect(5, 7, 5, 7));
    port->SetSize(12, 20);
    port->RefreshEntity();
    port->UpdateEntity();
    port->SetEntityOption(3);
    EXPECT_EQ(port->GetPosition(), CPoint(5, 7));
    EXPECT_EQ(port->GetSize(), CSize(12, 20));
    EXPECT_EQ(port->GetRect(), CRect(5, 7, 17, 27));
    EXPECT_EQ(port->GetItemInfo(), &record);
    EXPECT_EQ(port->GetEntityKind(), UML_PORT);

    // Elements whose windows were never created go the same way as the others.
    document->ClearElements();
    EXPECT_TRUE(document->GetElements().empty());
}

TEST_F(DiagramElementTest, ConnectorHeadsByTheKindAtTheSecondEnd) {
    const CRect top(100, 100, 200, 150), bottom(100, 300, 200, 350);
    class_umlline* open = connector(top, bottom);
    class_umlline* closed = connector(CRect(300, 100, 400, 150), CRect(300, 300, 400, 350), UML_STUB_INTERFACE);
    class_umlline* plain = connector(CRect(500, 100, 600, 150), CRect(500, 300, 600, 350), UML_SWITCH);
    const std::vector<CWnd*> lines = {open, closed, plain};
    settle();
    // Once painted, the lines stay quiet: cutting and raising themselves does not make them paint again.
    for (CWnd* line : lines) TestDriver::RecordDrawing(*line);
    settle();
    for (CWnd* line : lines) EXPECT_TRUE(TestDriver::DrawingLog(*line).empty());
    for (CWnd* line : lines) {
        TestDriver::RecordDrawing(*line);
        TestDriver::Repaint(*line);
    }

    EXPECT_EQ(open->get_start_anchor(), CPoint(150, 150));
    EXPECT_EQ(open->get_end_anchor(), CPoint(150, 300));
    EXPECT_EQ(strokes(*open), (std::vector<std::string>{
                                  "MoveTo 150,150", "LineTo 150,300 pen=dot/1/#000000", "MoveTo 150,300",
                                  "LineTo 144,280 pen=solid/1/#000000", "MoveTo 150,300",
                                  "LineTo 155,280 pen=solid/1/#000000"}));
    const auto head = strokes(*closed);
    ASSERT_EQ(head.size(), 8u);
    EXPECT_EQ(head[6], "MoveTo 355,280");
    EXPECT_EQ(head[7], "LineTo 344,280 pen=solid/1/#000000");
    EXPECT_EQ(strokes(*plain), (std::vector<std::string>{"MoveTo 550,150", "LineTo 550,300 pen=solid/1/#000000"}));
}

TEST_F(DiagramElementTest, ClickBesideALineReachesTheElementBelow) {
    TestNodeEntity* below = box(CRect(100, 100, 400, 200));
    class_umlline* line = connector(CRect(50, 150, 60, 160), CRect(600, 150, 610, 160));
    class_sub_system_line* run = nullptr;
    {
        document->AddSubSystemLine();
        run = dynamic_cast<class_sub_system_line*>(document->GetCurrentElement());
        run->set_line_ends(CRect(100, 300, 150, 400), CRect(400, 300, 450, 400), CPoint(425, 350));
        run->set_run(3, 3, 20);
        run->CreateEntityWindow(view);
    }
    settle();
    // The line's window covers the whole view, yet only the line itself takes clicks.
    CRect lineWindow;
    line->GetWindowRect(&lineWindow);
    view->ScreenToClient(&lineWindow);
    EXPECT_TRUE(lineWindow.PtInRect(CPoint(250, 120)));

    TestDriver::ClickAt(*view, CPoint(250, 120));
    EXPECT_EQ(below->m_clicks, 1);
    EXPECT_FALSE(line->is_selected());

    // On the line: it turns red, and black again on the second click; the box hears nothing.
    TestDriver::ClickAt(*view, CPoint(250, 155));
    EXPECT_TRUE(line->is_selected());
    EXPECT_EQ(line->get_line_colour(), RGB(255, 0, 0));
    settle();
    TestDriver::ClickAt(*view, CPoint(250, 155));
    EXPECT_FALSE(line->is_selected());
    EXPECT_EQ(line->get_line_colour(), RGB(0, 0, 0));
    EXPECT_EQ(below->m_clicks, 1);

    // A sub-system line turns blue and stays blue.
    TestDriver::ClickAt(*view, CPoint(250, 420));
    EXPECT_EQ(run->get_line_colour(), RGB(0, 0, 255));
    settle();
    TestDriver::ClickAt(*view, CPoint(250, 420));
    EXPECT_EQ(run->get_line_colour(), RGB(0, 0, 255));
    TestDriver::ClickAt(*view, CPoint(250, 440));
    EXPECT_EQ(below->m_clicks, 1);
}

TEST_F(DiagramElementTest, CrossingLinesAndNeighbouringPortsStayQuietOncePainted) {
    class_node_info pc;
    pc.type = "computer";
    pc.id = 1;
    view->add_inside_pc(CPoint(100, 400), pc, 50, 250);
    pc.id = 2;
    view->add_inside_pc(CPoint(400, 400), pc, 50, 250);
    class_network_link_info link;
    link.s_node_id = 1;
    link.d_node_id = 2;
    view->add_nodes_line(link);
    view->add_nodes_line(link);  // 5 below the first: the ports overlap
    view->add_out_line(CPoint(500, 700));
    connector(CRect(90, 380, 110, 390), CRect(500, 600, 520, 620));
    connector(CRect(90, 620, 110, 630), CRect(500, 380, 520, 390));
    settle();

    for (CUmlEntity* element : document->GetElements()) TestDriver::RecordDrawing(*element);
    settle();
    for (CUmlEntity* element : document->GetElements()) {
        SCOPED_TRACE(element->GetEntityKind());
        EXPECT_TRUE(TestDriver::DrawingLog(*element).empty());
    }
}

TEST_F(DiagramElementTest, PortIsATwelveUnitBoxAroundItsAnchor) {
    view->add_port(5, CPoint(100, 60));
    auto* port = dynamic_cast<class_uml_port*>(document->GetCurrentElement());
    ASSERT_NE(port, nullptr);
    CRect window;
    port->GetWindowRect(&window);
    view->ScreenToClient(&window);
    EXPECT_EQ(window, CRect(94, 54, 106, 66));
    EXPECT_EQ(port->GetSize(), CSize(12, 12));
    EXPECT_EQ(port->get_port_text(), "5");

    TestDriver::RecordDrawing(*port);
    TestDriver::Repaint(*port);
    const auto log = TestDriver::DrawingLog(*port);
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const CString& entry) {
        return entry.Find("DrawText \"5\" 0,0,12,12 format=0x15 ") == 0;
    }));
}

}  // namespace
