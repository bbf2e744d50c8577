// The node and network diagrams (kinds 5 and 8), their node, router, switch and PC elements, and the commands
// around a diagram window (the same command twice, the redraw, the context menu).

#include <algorithm>
#include <string>
#include <vector>

#include "CMenu.h"
#include "DiagramBuilderFixture.h"
#include "class_node.h"
#include "class_nodes_line.h"
#include "class_sub_system_line.h"
#include "class_switch.h"
#include "class_uml_inside_pc.h"
#include "class_uml_out_line.h"
#include "class_uml_port.h"
#include "class_uml_router.h"

using tamo::platform::TestDriver;

namespace {

// The centre colours of the diagram icons.
constexpr COLORREF kNodeIconCentre = RGB(0x2F, 0x6F, 0xBF);
constexpr COLORREF kSwitchIconCentre = RGB(0x2E, 0x8B, 0x57);
constexpr COLORREF kRouterIconCentre = RGB(0xFF, 0xFF, 0xFF);

// The centre of the icon an element draws at its top right.
CPoint icon_centre(const CUmlEntity& element) {
    const CRect rect = element.GetRect();
    return CPoint(rect.right - 40 + 16, rect.top + 5 + 16);
}

class NetworkDiagramTest : public DiagramBuilderTest {
protected:
    // Two routers and a switch above two computers: PC 1 to the switch (stored from the computer), the switch
    // to PC 2, router 1 to the switch, router 2 to router 1, PC 1 to PC 2, and the switch and PC 2 out of the
    // system. A component with a stub object is installed on PC 1, three without on PC 2.
    void make_network() {
        domain = new_system_domain("_net");
        router1 = new_node(domain, "라우터 1", "router");
        router2 = new_node(domain, "라우터 2", "router");
        hub = new_node(domain, "스위치", "switch");
        pc1 = new_node(domain, "PC 1", "computer");
        pc2 = new_node(domain, "PC 2", "computer");
        new_ip(pc1, "10.8.0.1");
        new_ip(pc2, "10.8.0.2");
        new_link(pc1, 1, &hub, 1);
        new_link(hub, 2, &pc2, 1);
        new_link(router1, 1, &hub, 3);
        new_link(router2, 1, &router1, 2);
        new_link(pc1, 2, &pc2, 2);
        new_link(hub, 4, nullptr, 1);
        new_link(pc2, 3, nullptr, 2);
        const class_component_info server = new_component(domain, "항법 서버");
        new_class(server, false, "IWaypoint", "k_wp");
        deploy(pc1, server);
        set_stub_object(pc1, server, "k_wp", 901);
        for (const char* name : {"표시 1", "표시 2", "표시 3"}) deploy(pc2, new_component(domain, name));
    }

    class_diagramscrollview* draw_network() {
        item = TreeNodeData(TREE_SYSTEM_DOMAIN, nullptr, &domain, "root\\" + domain.name + "\\");
        class_diagramscrollview* view = open(item.path);
        if (view) Class_UmlControl::get_instance()->draw_system_diagram(item);
        settle();
        return view;
    }

    template <class Element>
    static Element* node_element(class_diagramscrollview* view, int kind, const class_node_info& node) {
        for (Element* element : elements<Element>(view, kind))
            if (element->get_node_info().id == node.id) return element;
        ADD_FAILURE() << "no element of " << node.name;
        return nullptr;
    }

    static std::vector<std::pair<std::string, CPoint>> ports(class_diagramscrollview* view) {
        std::vector<std::pair<std::string, CPoint>> found;
        for (class_uml_port* port : elements<class_uml_port>(view, UML_PORT))
            found.emplace_back(port->get_port_text(), port->GetPosition());
        return found;
    }

    class_domain_info domain;
    class_node_info router1, router2, hub, pc1, pc2;
    TreeNodeData item;
};

TEST_F(NetworkDiagramTest, BarsRowLinksPortsAndFrameOfASystemNetwork) {
    make_network();
    class_diagramscrollview* view = draw_network();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->get_diagram_kind(), 8);
    EXPECT_TRUE(box_texts().empty());

    // Routers, then switches, 110 apart from y 150; the end devices in a row below them; the bars reach 70
    // past the left edge of the last box.
    EXPECT_EQ(node_element<class_uml_router>(view, UML_ROUTER, router1)->GetRect(), CRect(150, 150, 300, 210));
    EXPECT_EQ(node_element<class_uml_router>(view, UML_ROUTER, router2)->GetRect(), CRect(150, 260, 300, 320));
    class_switch* bar = node_element<class_switch>(view, UML_SWITCH, hub);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetRect(), CRect(150, 370, 300, 430));
    EXPECT_FALSE(bar->is_detailed());
    class_uml_inside_pc* box1 = node_element<class_uml_inside_pc>(view, UML_INSIDE_PC, pc1);
    class_uml_inside_pc* box2 = node_element<class_uml_inside_pc>(view, UML_INSIDE_PC, pc2);
    ASSERT_TRUE(box1 && box2);
    EXPECT_EQ(box1->GetRect(), CRect(150, 480, 200, 730));
    EXPECT_EQ(box2->GetRect(), CRect(230, 480, 280, 730));
    CRect barWindow;
    bar->GetWindowRect(&barWindow);
    EXPECT_EQ(barWindow.Width(), 150);

    // Node lines run between a box and its bar, standing over the box; the link stored from the switch to
    // PC 2 as well as the one stored from PC 1.
    const auto lines = elements<class_nodes_line>(view, UML_NODES_LINE);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0]->get_line_ends().first, box1->GetRect());
    EXPECT_EQ(lines[0]->get_line_ends().second, bar->GetRect());
    EXPECT_EQ(lines[0]->get_start_anchor(), CPoint(167, 480));
    EXPECT_EQ(lines[0]->get_end_anchor(), CPoint(167, 430));
    EXPECT_EQ(lines[1]->get_line_ends().first, box2->GetRect());
    EXPECT_EQ(lines[1]->get_start_anchor(), CPoint(247, 480));
    // Out of the system: from the switch by the vertical-run rule, from a computer by the segment rule.
    EXPECT_EQ(lines[2]->get_offset(), 0);
    EXPECT_EQ(lines[2]->get_end_anchor(), CPoint(152, 50));
    EXPECT_EQ(lines[3]->get_offset(), 30);
    EXPECT_EQ(lines[3]->get_end_anchor(), CPoint(262, 50));
    // Between routers and switches, after the others, each moved clear of the vertical runs before it.
    EXPECT_EQ(lines[4]->get_start_anchor(), CPoint(172, 210));
    EXPECT_EQ(lines[4]->get_end_anchor(), CPoint(172, 370));
    EXPECT_EQ(lines[5]->get_start_anchor(), CPoint(192, 260));
    const auto runs = elements<class_sub_system_line>(view, UML_SUB_SYSTEM_LINE);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]->get_points().p3, CPoint(197, 740));
    EXPECT_EQ(runs[0]->get_points().p4, CPoint(233, 740));

    // Every line carries its two port numbers.
    using Ports = std::vector<std::pair<std::string, CPoint>>;
    EXPECT_EQ(ports(view), (Ports{{"1", CPoint(167, 480)},
                                  {"1", CPoint(167, 430)},
                                  {"1", CPoint(247, 480)},
                                  {"2", CPoint(247, 430)},
                                  {"2", CPoint(197, 730)},
                                  {"2", CPoint(233, 730)},
                                  {"4", CPoint(152, 370)},
                                  {"1", CPoint(152, 50)},
                                  {"3", CPoint(262, 480)},
                                  {"2", CPoint(262, 50)},
                                  {"1", CPoint(172, 210)},
                                  {"3", CPoint(172, 370)},
                                  {"1", CPoint(192, 260)},
                                  {"2", CPoint(192, 210)}}));

    // The red frame round it all; the ports of the links leaving the system sit on its edge, above it.
    auto* frameLine = elements<class_uml_out_line>(view, UML_OUT_LINE).at(0);
    EXPECT_EQ(frameLine->get_corners()[2], CPoint(360, 820));
    EXPECT_EQ(view->get_extent(), CSize(410, 940));
    EXPECT_EQ(TestDriver::PixelAt(*view, CPoint(100, 50)), RGB(255, 0, 0));
    EXPECT_EQ(TestDriver::PixelAt(*view, CPoint(147, 50)), RGB(255, 255, 255));
}

TEST_F(NetworkDiagramTest, NetworkElementsShowTheirNodesAndAnswerClicks) {
    make_network();
    class_diagramscrollview* view = draw_network();
    ASSERT_NE(view, nullptr);
    class_switch* bar = node_element<class_switch>(view, UML_SWITCH, hub);
    auto* router = node_element<class_uml_router>(view, UML_ROUTER, router1);
    ASSERT_TRUE(bar && router);

    // The switch names the nodes linked to it, once each, and shows icon 411; a router icon 412.
    std::vector<std::string> connected;
    for (const auto& [name, node] : bar->get_connections()) connected.push_back(name);
    EXPECT_EQ(connected, (std::vector<std::string>{"PC 1", "PC 2", "라우터 1"}));
    EXPECT_EQ(TestDriver::PixelAt(*view, icon_centre(*bar)), kSwitchIconCentre);
    EXPECT_EQ(TestDriver::PixelAt(*view, icon_centre(*router)), kRouterIconCentre);
    TestDriver::RecordDrawing(*bar);
    TestDriver::Repaint(*bar);
    const std::vector<CString> log = TestDriver::DrawingLog(*bar);
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const CString& entry) {
        return entry.Find("DrawText \"( PC 1 ) ( PC 2 ) ( 라우터 1 ) \" 0,32,150,60") == 0;
    }));

    // A click on the switch lists the stub objects behind it below the point clicked; the next removes it.
    TestDriver::ClickAt(*view, CPoint(280, 400));
    ASSERT_TRUE(bar->is_list_shown());
    class_uml_switch_stub_interface& list = bar->get_list_window();
    ASSERT_TRUE(list.GetSafeHwnd());
    EXPECT_EQ(list.get_lines(), std::vector<std::string>{"(IP)10.8.0.1 (Interface) IWaypoint  : (ID) 901"});
    settle();
    CRect listRect;
    list.GetWindowRect(&listRect);
    view->ScreenToClient(&listRect);
    EXPECT_EQ(listRect, CRect(280, 400, 280 + 7 * 46, 400 + 22));
    TestDriver::ClickAt(*view, CPoint(200, 400));
    EXPECT_FALSE(bar->is_list_shown());
    EXPECT_FALSE(list.GetSafeHwnd());

    // A router reports its node; a PC highlights the sub-system lines under it.
    TestDriver::ClickAt(*view, CPoint(280, 180));
    TestDriver::PumpPostedMessages();
    ASSERT_EQ(frame->m_shownNodes.size(), 1u);
    EXPECT_EQ(frame->m_shownNodes[0]->name, "라우터 1");
    auto* run = elements<class_sub_system_line>(view, UML_SUB_SYSTEM_LINE).at(0);
    TestDriver::ClickAt(*view, CPoint(175, 600));
    EXPECT_EQ(run->get_line_colour(), RGB(192, 0, 0));

    // A switch of a type written otherwise shows the icon of other nodes.
    document_of(view)->AddSwitch();
    auto* other = dynamic_cast<class_switch*>(document_of(view)->GetCurrentElement());
    class_node_info written = hub;
    written.type = "Switch";
    other->set_network_node(written);
    other->SetPosition(500, 600);
    other->SetSize(300, 60);
    ASSERT_TRUE(other->CreateEntityWindow(view));
    EXPECT_EQ(TestDriver::PixelAt(*view, icon_centre(*other)), kRouterIconCentre);
}

TEST_F(NetworkDiagramTest, NodeDiagramListsTheComponentsInstalledOnTheNode) {
    make_network();
    const TreeNodeData busy(TREE_NODE, nullptr, &pc2, "root\\" + domain.name + "\\Nodes\\PC 2\\");
    const TreeNodeData idle(TREE_NODE, nullptr, &router2, "root\\" + domain.name + "\\Nodes\\라우터 2\\");
    class_diagramscrollview* busyView = open(busy.path);
    ASSERT_NE(busyView, nullptr);
    Class_UmlControl::get_instance()->draw_node_diagram(busy);
    settle();
    EXPECT_EQ(busyView->get_diagram_kind(), 5);

    auto* node = elements<class_node>(busyView, UML_NODE).at(0);
    EXPECT_TRUE(node->is_detailed());
    EXPECT_EQ(node->get_node_info().name, "PC 2");
    EXPECT_EQ(node->get_installed_components().size(), 3u);
    EXPECT_EQ(node->GetRect(), CRect(300, 100, 600, 540));
    CRect window;
    node->GetWindowRect(&window);
    EXPECT_EQ(window.Height(), 440);
    EXPECT_EQ(TestDriver::PixelAt(*busyView, icon_centre(*node)), kNodeIconCentre);
    TestDriver::RecordDrawing(*node);
    TestDriver::Repaint(*node);
    const std::vector<CString> log = TestDriver::DrawingLog(*node);
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const CString& entry) {
        return entry.Find("DrawText \"표시 3\" 10,240,290,290 format=0x29") == 0;
    }));

    // A click shows the node's tree item, with the node as the diagram shows it.
    TestDriver::ClickAt(*busyView, CPoint(450, 120));
    TestDriver::PumpPostedMessages();
    ASSERT_EQ(frame->m_shownItems.size(), 1u);
    EXPECT_EQ(frame->m_shownItems[0].first, TREE_NODE);
    EXPECT_EQ(frame->m_shownItems[0].second, &node->get_node_info());
    EXPECT_EQ(static_cast<const class_node_info*>(frame->m_shownItems[0].second)->id, pc2.id);

    // Without components 200 high; a router node shows icon 412.
    class_diagramscrollview* idleView = open(idle.path);
    ASSERT_NE(idleView, nullptr);
    Class_UmlControl::get_instance()->draw_node_diagram(idle);
    settle();
    auto* empty = elements<class_node>(idleView, UML_NODE).at(0);
    EXPECT_EQ(empty->GetSize(), CSize(300, 200));
    EXPECT_EQ(empty->get_icon_kind(), 8);
    EXPECT_EQ(TestDriver::PixelAt(*idleView, icon_centre(*empty)), kRouterIconCentre);

    // A node of the network form grows by its text entries beyond five.
    for (int entries : {5, 7}) {
        document_of(idleView)->AddNode();
        auto* networkNode = dynamic_cast<class_node*>(document_of(idleView)->GetCurrentElement());
        networkNode->set_network_node(pc1);
        for (int i = 0; i < entries; ++i) networkNode->add_text_entry("entry " + std::to_string(i));
        networkNode->SetPosition(700, 100);
        networkNode->SetSize(100, 80);
        ASSERT_TRUE(networkNode->CreateEntityWindow(idleView));
        EXPECT_EQ(networkNode->GetSize().cy, entries == 5 ? 80 : 100);
    }
}

TEST_F(NetworkDiagramTest, SameCommandTwiceKeepsOneWindowAndRedrawBuildsAgainAlsoAfterANewController) {
    make_network();
    class_diagramscrollview* view = draw_network();
    ASSERT_NE(view, nullptr);
    const std::vector<CUmlEntity*> first = document_of(view)->GetElements();
    ASSERT_FALSE(first.empty());

    // The same command again activates the window and draws nothing.
    EXPECT_EQ(Class_UmlControl::get_instance()->create_childframe(item.path), 0);
    EXPECT_EQ(frame->diagram_frames().size(), 1u);
    EXPECT_EQ(document_of(view)->GetElements(), first);

    // The context menu opens at the cursor, also when the keyboard asks for it (the point is then -1, -1);
    // its redraw command builds the diagram again from the database.
    driver.AnswerPopupMenu(REDROW_DIAGRAM);
    TestDriver::RightClickAt(*view, CPoint(700, 300));
    ASSERT_EQ(driver.PopupMenus().size(), 1u);
    CPoint cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(driver.PopupMenus()[0].point, cursor);
    EXPECT_EQ(driver.PopupMenus()[0].items.at(0).id, static_cast<UINT>(REDROW_DIAGRAM));
    settle();
    const std::vector<CUmlEntity*> second = document_of(view)->GetElements();
    EXPECT_EQ(second.size(), first.size());
    EXPECT_NE(second.front(), first.front());
    driver.AnswerPopupMenu(0);
    view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view->m_hWnd), MAKELPARAM(-1, -1));
    ASSERT_EQ(driver.PopupMenus().size(), 2u);
    EXPECT_EQ(driver.PopupMenus()[1].point, cursor);

    // The system pane deletes the controller when it goes; a new one draws as the first did.
    delete Class_UmlControl::get_instance();
    frame->SendMessage(WM_COMMAND, REDROW_DIAGRAM);
    EXPECT_EQ(document_of(view)->GetElements().size(), first.size());
    EXPECT_EQ(view->get_diagram_kind(), 8);
    EXPECT_TRUE(box_texts().empty());
}

}  // namespace
