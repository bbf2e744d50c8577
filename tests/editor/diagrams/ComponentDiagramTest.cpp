// The interface and component diagrams (kinds 0 to 4 and 9) and their elements, drawn from the design database.

#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "CRgn.h"
#include "Class_ComponentEntity.h"
#include "DiagramBuilderFixture.h"
#include "class_circle_stub_interface.h"
#include "class_node.h"
#include "class_uml_proxyinterface.h"
#include "class_uml_stubinterface.h"
#include "class_umlline.h"

using tamo::platform::TestDriver;

namespace {

// The texts of a tree, depth first, each child indented by two blanks.
void collect_tree(CTreeCtrl& tree, HTREEITEM item, const std::string& indent, std::vector<std::string>& texts) {
    for (; item; item = tree.GetNextSiblingItem(item)) {
        texts.push_back(indent + tree.GetItemText(item).str());
        collect_tree(tree, tree.GetChildItem(item), indent + "  ", texts);
    }
}

std::vector<std::string> tree_texts(CTreeCtrl& tree) {
    std::vector<std::string> texts;
    collect_tree(tree, tree.GetRootItem(), "", texts);
    return texts;
}

CRect window_in_view(CWnd& window, class_diagramscrollview* view) {
    CRect rect;
    window.GetWindowRect(&rect);
    view->ScreenToClient(&rect);
    return rect;
}

CRect region_box(CWnd& window) {
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    CRect box;
    if (window.GetWindowRgn(region) != ERROR) region.GetRgnBox(&box);
    return box;
}

bool drew(CWnd& window, const std::string& start) {
    const std::vector<CString> log = TestDriver::DrawingLog(window);
    return std::any_of(log.begin(), log.end(), [&](const CString& entry) { return entry.Find(start.c_str()) == 0; });
}

class ComponentDiagramTest : public DiagramBuilderTest {
protected:
    // A class record of a component of the sample as the system tree keeps it.
    template <class Relation>
    Relation sample_class(const class_component_info& component, const char* interfaceName, bool proxy) {
        std::vector<Relation> classes;
        if constexpr (std::is_same_v<Relation, class_proxy_interface_relation_info>)
            EXPECT_EQ(db->SelectProxyInterfaceList(
                          db->FormatCall("call proxyInterfaceViewList(%d)", component.component_id), classes),
                      0);
        else
            EXPECT_EQ(db->SelectStubInterfaceList(
                          db->FormatCall("call stubInterfaceViewList(%d)", component.component_id), classes),
                      0);
        (void)proxy;
        for (const Relation& relation : classes)
            if (relation.interface_name == interfaceName) return relation;
        ADD_FAILURE() << "no class of " << interfaceName;
        return Relation();
    }

    // Three computers of a new system domain, and three components that call each other through stub objects
    // of the sample's NavService interfaces: A calls B twice and C once, B calls C, C calls B.
    void make_calling_components() {
        domain = new_system_domain("_calls");
        const std::vector<std::string> ips = {"10.9.0.1", "10.9.0.2", "10.9.0.3"};
        for (int i = 0; i < 3; ++i) {
            nodes.push_back(new_node(domain, "컴퓨터 " + std::to_string(i + 1), "computer"));
            new_ip(nodes.back(), ips[i]);
        }
        a = new_component(domain, "발신기");
        b = new_component(domain, "중계기");
        c = new_component(domain, "수신기");
        new_class(a, true, "IWaypoint", "a_wp");
        new_class(a, true, "IHeartbeat", "a_hb");
        new_class(a, true, "INavigation", "a_nav");
        new_class(b, false, "IWaypoint", "b_wp");
        new_class(b, false, "IHeartbeat", "b_hb");
        new_class(b, true, "INavigation", "b_nav");
        new_class(c, false, "INavigation", "c_nav");
        new_class(c, true, "IWaypoint", "c_wp");
        deploy(nodes[0], a);
        deploy(nodes[1], b);
        deploy(nodes[2], c);
        set_proxy_object(nodes[0], a, "a_wp", 501, 601, ips[1]);
        set_proxy_object(nodes[0], a, "a_hb", 502, 602, ips[1]);
        set_proxy_object(nodes[0], a, "a_nav", 503, 701, ips[2]);
        set_stub_object(nodes[1], b, "b_wp", 601);
        set_stub_object(nodes[1], b, "b_hb", 602);
        set_proxy_object(nodes[1], b, "b_nav", 603, 701, ips[2]);
        set_stub_object(nodes[2], c, "c_nav", 701);
        set_proxy_object(nodes[2], c, "c_wp", 702, 601, ips[1]);
    }

    Class_ComponentEntity* component_named(class_diagramscrollview* view, const std::string& name) {
        for (auto* box : elements<Class_ComponentEntity>(view, UML_COMPONENT))
            if (box->get_component_info().name == name) return box;
        ADD_FAILURE() << "no component element " << name;
        return nullptr;
    }

    class_domain_info domain;
    std::vector<class_node_info> nodes;
    class_component_info a, b, c;
};

TEST_F(ComponentDiagramTest, InterfaceClassListsItsMembersByTypeAndSizesItselfByThem) {
    const class_component_info manager = sample_component(9, "항법 관리자");
    auto proxy = sample_class<class_proxy_interface_relation_info>(manager, "INavigation", true);
    auto stub = sample_class<class_stub_interface_relation_info>(manager, "IWaypoint", false);
    const TreeNodeData proxyItem(TREE_PROXY_CLASS, nullptr, &proxy, "root\\Ship\\Components\\항법 관리자\\proxy\\");
    const TreeNodeData stubItem(TREE_STUB_CLASS, nullptr, &stub, "root\\Ship\\Components\\항법 관리자\\stub\\");

    class_diagramscrollview* proxyView = open(proxyItem.path);
    ASSERT_NE(proxyView, nullptr);
    Class_UmlControl::get_instance()->draw_proxy_interface_diagram(proxyItem);
    settle();
    EXPECT_EQ(proxyView->get_diagram_kind(), 0);

    // CALLBACK and SIGNALBACK members are listed nowhere; INFORMATION only on the stub side, COMMAND only on
    // the proxy side.
    auto* proxyBox = elements<class_uml_proxyinterface>(proxyView, UML_PROXY_INTERFACE).at(0);
    EXPECT_EQ(proxyBox->get_relation().interface_name, "INavigation");
    EXPECT_EQ(tree_texts(proxyBox->get_tree()),
              (std::vector<std::string>{"<< call >> \n", "  GetPosition(in,out):tamo_err_t", "<< event >> \n",
                                        "  PositionChanged event(out):void", "  CourseChanged event(out):void"}));

    // 10 per character of the longest member, the item height for every member in each of the four passes
    // and for every group; the group texts keep the rows one line high.
    const int itemHeight = proxyBox->get_tree().GetItemHeight();
    EXPECT_EQ(proxyBox->GetSize(), CSize(310, itemHeight * (4 * 4 + 2)));
    EXPECT_EQ(window_in_view(*proxyBox, proxyView), CRect(100, 100, 410, 100 + itemHeight * 18));
    CRect treeRect = window_in_view(proxyBox->get_tree(), proxyView);
    EXPECT_EQ(treeRect.TopLeft(), CPoint(111, 151));  // (10, 50) of the client area inside the frame
    TestDriver::RecordDrawing(*proxyBox);
    TestDriver::Repaint(*proxyBox);
    EXPECT_TRUE(drew(*proxyBox, "DrawText \"<< proxy_interface >> \n\" 0,0,310,37"));
    EXPECT_TRUE(drew(*proxyBox, "DrawText \"INavigation\" 0,20,310,37"));

    class_diagramscrollview* stubView = open(stubItem.path);
    ASSERT_NE(stubView, nullptr);
    Class_UmlControl::get_instance()->draw_stub_interface_diagram(stubItem);
    settle();
    EXPECT_EQ(stubView->get_diagram_kind(), 1);
    auto* stubBox = elements<class_uml_stubinterface>(stubView, UML_STUB_INTERFACE).at(0);
    EXPECT_EQ(tree_texts(stubBox->get_tree()),
              (std::vector<std::string>{"<< signal >> \n", "  SetWaypoint(in,out):void"}));
    EXPECT_EQ(stubBox->GetSize(), CSize(240, itemHeight * (4 * 4 + 1)));
}

TEST_F(ComponentDiagramTest, ComponentWithItsInterfacesInARowAboveAndBelow) {
    const class_domain_info system = new_system_domain("_c");
    // A Korean name measures 2 per character, as the original code page did.
    const std::string longName = "I항법상태" + std::to_string(::getpid());
    call(db->FormatCall("call interfaceViewNewInterface('%d','%s','%s','%s')", 6, "method", longName, ""));
    class_component_info component = new_component(system, "관리자");
    new_class(component, true, "IWaypoint", "p1");
    new_class(component, true, longName, "p2");
    new_class(component, false, "INavigation", "s1");
    class_component_info lonely = new_component(system, "혼자");
    const TreeNodeData item(TREE_COMPONENT, nullptr, &component, "root\\" + system.name + "\\Components\\관리자\\");
    const TreeNodeData lonelyItem(TREE_COMPONENT, nullptr, &lonely, "root\\" + system.name + "\\Components\\혼자\\");

    class_diagramscrollview* view = open(item.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_component_interface_diagram(item);
    settle();

    const auto proxies = elements<class_uml_proxyinterface>(view, UML_PROXY_INTERFACE);
    const auto stubs = elements<class_uml_stubinterface>(view, UML_STUB_INTERFACE);
    ASSERT_EQ(proxies.size(), 2u);
    ASSERT_EQ(stubs.size(), 1u);
    const int longWidth = 10 * static_cast<int>(longName.size() - 4);  // 4 characters of 3 bytes count 2 each
    EXPECT_EQ(proxies[0]->GetRect(), CRect(100, 100, 210, 150));
    EXPECT_EQ(proxies[1]->GetRect(), CRect(300, 100, 300 + longWidth, 150));
    EXPECT_EQ(stubs[0]->GetRect(), CRect(100, 500, 210, 550));
    EXPECT_EQ(window_in_view(*proxies[1], view), proxies[1]->GetRect());
    auto* box = elements<Class_ComponentEntity>(view, UML_COMPONENT).at(0);
    EXPECT_EQ(box->GetRect(), CRect(300, 300, 400, 370));
    EXPECT_EQ(view->get_extent(), CSize(600, 700));
    EXPECT_EQ(view->get_diagram_kind(), 2);

    // Lines from the component: an open head to each proxy, a closed one to the stub.
    const auto lines = elements<class_umlline>(view, UML_LINE);
    ASSERT_EQ(lines.size(), 3u);
    for (class_umlline* line : lines) EXPECT_EQ(line->get_line_ends().first, box->GetRect());
    EXPECT_EQ(lines[2]->get_line_ends().second, stubs[0]->GetRect());
    EXPECT_EQ(lines[2]->get_end_kind(), UML_STUB_INTERFACE);
    EXPECT_EQ(lines[0]->get_end_kind(), 0);

    // The component window covers the view but is cut to its box; a click on it shows the component (as a
    // component of the tree) and highlights its lines.
    EXPECT_EQ(region_box(*box), box->GetRect());
    TestDriver::ClickAt(*view, CPoint(350, 340));
    ASSERT_EQ(frame->m_shownItems.size(), 1u);
    EXPECT_EQ(frame->m_shownItems[0].first, TREE_COMPONENT);
    EXPECT_EQ(static_cast<const class_component_info*>(frame->m_shownItems[0].second)->component_id,
              component.component_id);
    for (class_umlline* line : lines) EXPECT_EQ(line->get_line_colour(), RGB(192, 0, 0));

    // Without classes: only the component.
    class_diagramscrollview* lonelyView = open(lonelyItem.path);
    ASSERT_NE(lonelyView, nullptr);
    Class_UmlControl::get_instance()->draw_component_interface_diagram(lonelyItem);
    ASSERT_EQ(document_of(lonelyView)->GetElements().size(), 1u);
    EXPECT_EQ(document_of(lonelyView)->GetElements()[0]->GetRect(), CRect(300, 300, 400, 370));
    EXPECT_TRUE(box_texts().empty());
}

TEST_F(ComponentDiagramTest, DomainComponentsInRowsShareTheirInterfaces) {
    class_domain_info system = new_system_domain("_d");
    std::vector<class_component_info> components;
    for (const char* name : {"c1", "c2", "c3", "c4", "c5"}) components.push_back(new_component(system, name));
    new_class(components[0], true, "IWaypoint", "o1");
    new_class(components[1], false, "IWaypoint", "o2");
    new_class(components[2], true, "INavigation", "o3");
    new_class(components[4], false, "IHeartbeat", "o5");
    const TreeNodeData folder(TREE_COMPONENTS_FOLDER, nullptr, &system, "root\\" + system.name + "\\Components\\");

    class_diagramscrollview* view = open(folder.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_domain_component_diagram(folder);
    settle();
    EXPECT_EQ(view->get_diagram_kind(), 3);

    // Three in the first row (a new row starts when more than half are placed), two 500 lower.
    const auto boxes = elements<Class_ComponentEntity>(view, UML_COMPONENT);
    ASSERT_EQ(boxes.size(), 5u);
    const std::vector<CPoint> places = {CPoint(200, 100), CPoint(400, 100), CPoint(600, 100), CPoint(200, 670),
                                        CPoint(400, 670)};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i]->GetPosition(), places[i]) << i;
        EXPECT_EQ(boxes[i]->get_reported_item_kind(), TREE_COMPONENT);
    }

    // IWaypoint, proxy of c1 and stub of c2, is one box that both lines reach.
    std::vector<CUmlEntity*> interfaces;
    for (CUmlEntity* element : document_of(view)->GetElements())
        if (element->GetEntityKind() == UML_PROXY_INTERFACE || element->GetEntityKind() == UML_STUB_INTERFACE)
            interfaces.push_back(element);
    ASSERT_EQ(interfaces.size(), 3u);
    EXPECT_EQ(interfaces[0]->GetRect(), CRect(100, 400, 210, 450));
    EXPECT_EQ(interfaces[1]->GetRect(), CRect(260, 400, 370, 450));
    EXPECT_EQ(interfaces[2]->GetRect(), CRect(420, 400, 525, 450));
    EXPECT_EQ(interfaces[2]->GetEntityKind(), UML_STUB_INTERFACE);
    const auto lines = elements<class_umlline>(view, UML_LINE);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]->get_line_ends().second, interfaces[0]->GetRect());
    EXPECT_EQ(lines[1]->get_line_ends().second, interfaces[0]->GetRect());
    EXPECT_EQ(lines[1]->get_line_ends().first, boxes[1]->GetRect());
    EXPECT_EQ(lines[1]->get_end_kind(), UML_STUB_INTERFACE);
    EXPECT_EQ(lines[3]->get_line_ends().first, boxes[4]->GetRect());

    // The boxes of a domain's components leave out the proxy_/stub_ prefix.
    TestDriver::RecordDrawing(*interfaces[0]);
    TestDriver::Repaint(*interfaces[0]);
    EXPECT_TRUE(drew(*interfaces[0], "DrawText \"<< interface >> \n\""));
    EXPECT_TRUE(box_texts().empty());
}

TEST_F(ComponentDiagramTest, DeployedComponentWithTheComponentsItCallsAndThatCallIt) {
    make_calling_components();
    // A on the first computer calls B twice (two lollipops 30 apart) and C once.
    class_component_info installedA = installed_component(nodes[0], "발신기");
    const TreeNodeData item(TREE_INSTALLED_COMPONENT, nullptr, &installedA,
                            "root\\" + domain.name + "\\Nodes\\컴퓨터 1\\발신기\\");
    const TreeNodeData nodeItem(TREE_NODE, nullptr, &nodes[0], "root\\" + domain.name + "\\Nodes\\컴퓨터 1\\");
    class_diagramscrollview* view = open(item.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_node_component_deploy_diagram(item, nodeItem);
    settle();
    EXPECT_EQ(view->get_diagram_kind(), 4);
    EXPECT_EQ(view->get_second_item().path, nodeItem.path);

    Class_ComponentEntity* central = component_named(view, "발신기");
    Class_ComponentEntity* called = component_named(view, "중계기");
    Class_ComponentEntity* last = component_named(view, "수신기");
    ASSERT_TRUE(central && called && last);
    EXPECT_EQ(elements<Class_ComponentEntity>(view, UML_COMPONENT).size(), 3u);
    EXPECT_EQ(central->GetPosition(), CPoint(500, 200));
    // The central component is installed on the node of the parent item.
    EXPECT_EQ(central->get_node_info().name, "컴퓨터 1");
    EXPECT_EQ(called->GetPosition(), CPoint(20, 100));
    EXPECT_EQ(called->get_node_info().name, "컴퓨터 2");
    EXPECT_EQ(last->GetPosition(), CPoint(20, 240));
    EXPECT_EQ(central->get_reported_item_kind(), TREE_INSTALLED_COMPONENT);

    const auto circles = elements<class_circle_stub_interface>(view, UML_CIRCLE_STUB_INTERFACE);
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(circles[0]->get_head_box(), CRect(140, 100, 160, 120));
    EXPECT_EQ(circles[0]->get_stick_start(), CPoint(120, 110));
    EXPECT_EQ(circles[1]->get_head_box(), CRect(140, 130, 160, 150));
    EXPECT_EQ(circles[2]->get_head_box(), CRect(140, 240, 160, 260));
    EXPECT_EQ(circles[0]->get_interface_text(), "601");
    EXPECT_EQ(circles[0]->get_interface_name(), "IWaypoint");
    EXPECT_EQ(circles[0]->get_method_domain_id(), 6);
    EXPECT_EQ(circles[1]->get_component_text(), "중계기");
    const auto lines = elements<class_umlline>(view, UML_LINE);
    ASSERT_EQ(lines.size(), 3u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]->get_line_ends().first, central->GetRect());
        EXPECT_EQ(lines[i]->get_line_ends().second, circles[i]->get_head_box());
    }

    // B on the second computer: it calls C, and A and C call it; A reaches two of its stub objects, so B
    // carries two lollipops, the callers' lines meet at them.
    class_component_info installedB = installed_component(nodes[1], "중계기");
    const TreeNodeData itemB(TREE_INSTALLED_COMPONENT, nullptr, &installedB,
                             "root\\" + domain.name + "\\Nodes\\컴퓨터 2\\중계기\\");
    const TreeNodeData nodeItemB(TREE_NODE, nullptr, &nodes[1], "root\\" + domain.name + "\\Nodes\\컴퓨터 2\\");
    class_diagramscrollview* viewB = open(itemB.path);
    ASSERT_NE(viewB, nullptr);
    Class_UmlControl::get_instance()->draw_node_component_deploy_diagram(itemB, nodeItemB);
    settle();
    EXPECT_EQ(elements<Class_ComponentEntity>(viewB, UML_COMPONENT).size(), 3u);
    Class_ComponentEntity* callerA = component_named(viewB, "발신기");
    Class_ComponentEntity* calledC = component_named(viewB, "수신기");
    ASSERT_TRUE(callerA && calledC);
    EXPECT_EQ(calledC->GetPosition(), CPoint(20, 100));
    EXPECT_EQ(callerA->GetPosition(), CPoint(800, 100));
    const auto circlesB = elements<class_circle_stub_interface>(viewB, UML_CIRCLE_STUB_INTERFACE);
    ASSERT_EQ(circlesB.size(), 3u);
    EXPECT_EQ(circlesB[1]->get_head_box(), CRect(620, 200, 640, 220));
    EXPECT_EQ(circlesB[2]->get_head_box(), CRect(620, 230, 640, 250));
    EXPECT_EQ(circlesB[1]->get_interface_text(), "601");
    EXPECT_EQ(circlesB[1]->get_component_text(), "중계기");
    const auto linesB = elements<class_umlline>(viewB, UML_LINE);
    ASSERT_EQ(linesB.size(), 4u);
    EXPECT_EQ(linesB[1]->get_line_ends().first, callerA->GetRect());
    EXPECT_EQ(linesB[2]->get_line_ends().first, calledC->GetRect());
    EXPECT_EQ(linesB[2]->get_line_ends().second, circlesB[1]->get_head_box());
    EXPECT_EQ(linesB[3]->get_line_ends().second, circlesB[2]->get_head_box());
    EXPECT_TRUE(box_texts().empty());
    EXPECT_TRUE(TestDriver::SaveWindowPng(*viewB->GetParentFrame(), TestDriver::ArtifactPath("deployment_calls.png")));

    // Once painted, the circles that bring themselves to the top in every paint and the lines they cross
    // stay quiet.
    for (CUmlEntity* element : document_of(viewB)->GetElements()) TestDriver::RecordDrawing(*element);
    settle();
    for (CUmlEntity* element : document_of(viewB)->GetElements())
        EXPECT_TRUE(TestDriver::DrawingLog(*element).empty()) << element->GetEntityKind();
}

TEST_F(ComponentDiagramTest, CircleStubOpensTheInterfaceMembersAtTheCursorAndClosesThemAgain) {
    make_calling_components();
    class_component_info installedA = installed_component(nodes[0], "발신기");
    const TreeNodeData item(TREE_INSTALLED_COMPONENT, nullptr, &installedA, "root\\" + domain.name + "\\a\\");
    const TreeNodeData nodeItem(TREE_NODE, nullptr, &nodes[0], "root\\" + domain.name + "\\n\\");
    class_diagramscrollview* view = open(item.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_node_component_deploy_diagram(item, nodeItem);
    settle();
    class_circle_stub_interface* circle = elements<class_circle_stub_interface>(view, UML_CIRCLE_STUB_INTERFACE).at(0);
    const CRect head = circle->get_head_box();
    // Cut to the stick (2 above and below it) and the circle.
    EXPECT_EQ(region_box(*circle), CRect(120, 100, 160, 120));
    TestDriver::RecordDrawing(*circle);
    TestDriver::Repaint(*circle);
    EXPECT_TRUE(drew(*circle, "Ellipse 140,100,160,120 pen=solid/1/#000000"));
    EXPECT_TRUE(drew(*circle, "DrawText \"601\" 140,100,160,120 format=0x25"));

    // The square below and right of the circle, where lines to the central component run.
    const CRect square(head.right, head.bottom, head.right + 300, head.bottom + 300);
    const std::vector<COLORREF> before = TestDriver::PixelsIn(*view, square);
    TestDriver::ClickAt(*view, CPoint(150, 110));
    ASSERT_TRUE(circle->is_popup_shown());
    class_stub_circle_method_pop_up& popup = circle->get_popup();
    ASSERT_TRUE(popup.GetSafeHwnd());
    CString caption;
    popup.GetWindowText(caption);
    EXPECT_EQ(caption, "중계기 : 601");
    CPoint cursor;
    GetCursorPos(&cursor);
    CRect outer;
    popup.GetWindowRect(&outer);
    EXPECT_EQ(outer.TopLeft(), cursor);
    // 10 per character of the longest member, 10 per row (2, every member in each of the four passes, and
    // the group).
    EXPECT_EQ(outer.Size(), CSize(270, 10 * (2 + 4 * 4 + 1)));
    EXPECT_EQ(tree_texts(popup.get_tree()),
              (std::vector<std::string>{"[Metod_Domain] : NavService", "  [Interface] : IWaypoint",
                                        "    << signal >> \n", "      on_SetWaypoint(in,out):void"}));
    settle();
    // The pop-up is a window of its own: the circle's window covers nothing more while it is open, and the
    // view shows what it showed under the square.
    EXPECT_EQ(region_box(*circle), CRect(120, 100, 160, 120));
    EXPECT_TRUE(TestDriver::PixelsIn(*view, square) == before);

    TestDriver::ClickAt(*view, CPoint(150, 110));
    EXPECT_FALSE(circle->is_popup_shown());
    EXPECT_FALSE(popup.GetSafeHwnd());
    settle();
    EXPECT_EQ(region_box(*circle), CRect(120, 100, 160, 120));
}

TEST_F(ComponentDiagramTest, DeployedComponentsInCallOrderMoveRatherThanRepeat) {
    make_calling_components();
    const TreeNodeData item(TREE_SYSTEM_DOMAIN, nullptr, &domain, domain.name + "\\_deploy_component");
    class_diagramscrollview* view = open(item.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_deploy_diagram(item);
    settle();
    EXPECT_EQ(view->get_diagram_kind(), 9);
    EXPECT_EQ(view->get_diagram_item().path, item.path);

    // A calls B and C; B calls C and C calls B: both move on to the third column, once each.
    const auto boxes = elements<Class_ComponentEntity>(view, UML_COMPONENT);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(component_named(view, "발신기")->GetPosition(), CPoint(50, 50));
    EXPECT_EQ(component_named(view, "수신기")->GetPosition(), CPoint(450, 50));
    EXPECT_EQ(component_named(view, "중계기")->GetPosition(), CPoint(450, 150));
    EXPECT_EQ(component_named(view, "중계기")->get_node_info().name, "컴퓨터 2");
    for (Class_ComponentEntity* box : boxes) {
        EXPECT_TRUE(box->GetSafeHwnd());
        EXPECT_EQ(region_box(*box), box->GetRect());
    }
    const auto lines = elements<class_umlline>(view, UML_LINE);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]->get_line_ends().first, component_named(view, "발신기")->GetRect());
    EXPECT_EQ(lines[3]->get_line_ends().second, component_named(view, "중계기")->GetRect());
    EXPECT_GE(view->get_extent().cx, 550);

    // A click on a deployed component shows it as a component installed on a node.
    TestDriver::ClickAt(*view, CPoint(100, 80));
    ASSERT_EQ(frame->m_shownItems.size(), 1u);
    EXPECT_EQ(frame->m_shownItems[0].first, TREE_INSTALLED_COMPONENT);
}

TEST_F(ComponentDiagramTest, ComponentAtTheLeftEdgePaintsNothing) {
    class_diagramscrollview* view = open("root\\edge\\");
    ASSERT_NE(view, nullptr);
    document_of(view)->AddComponent();
    auto* box = dynamic_cast<Class_ComponentEntity*>(document_of(view)->GetCurrentElement());
    class_component_info component;
    component.component_id = 1;
    component.name = "가나다라마바사아자";  // 9 characters of 2: 180 wide
    box->set_component_info(component);
    EXPECT_EQ(box->GetSize(), CSize(180, 70));
    component.name = "abcdefghi";
    box->set_component_info(component);
    EXPECT_EQ(box->GetSize(), CSize(100, 70));
    box->SetPosition(0, 40);
    ASSERT_TRUE(box->CreateEntityWindow(view));
    TestDriver::RecordDrawing(*box);
    TestDriver::Repaint(*box);
    EXPECT_TRUE(TestDriver::DrawingLog(*box).empty());
}

}  // namespace

namespace {

// Another user of the design database runs the call in a session of its own.
void colleague(const tamo::testing::ConnectionValues& server, const std::string& call) {
    tamo::testing::TestConnection other(server);
    ASSERT_TRUE(other.Login("admin", "admin"));
    ASSERT_TRUE(other.Run(call).ok) << call;
}

}  // namespace

// A diagram is drawn from what the server holds when it opens, not from the record the tree read: a component,
// an interface or a node that another user renamed shows its current name; one that it deleted is refused with a
// message and nothing is drawn.
TEST_F(ComponentDiagramTest, DiagramsShowWhatTheServerHoldsWhenTheyOpen) {
    const class_domain_info system = new_system_domain("_stale");
    const std::string face = "I옛이름" + std::to_string(::getpid()), renamedFace = "I새이름" + std::to_string(::getpid());
    call(db->FormatCall("call interfaceViewNewInterface('%d','%s','%s','%s')", 6, "method", face, ""));
    class_component_info component = new_component(system, "옛 부품");
    new_class(component, true, face, "p1");
    class_proxy_interface_relation_info proxy =
        sample_class<class_proxy_interface_relation_info>(component, face.c_str(), true);
    class_node_info node = new_node(system, "옛 노드", "computer");
    deploy(node, component);
    class_component_info installed = installed_component(node, "옛 부품");
    const std::string systemId = std::to_string(system.id), componentId = std::to_string(component.component_id);
    colleague(m_server, "call ComponentViewEditComponent(" + componentId + "," + systemId + ",'새 부품','')");
    colleague(m_server, "call interfaceViewEditInterface(6,'" + face + "','" + renamedFace + "','')");
    colleague(m_server, "call NodeViewEditNode(" + std::to_string(node.id) + ", " + systemId +
                            ",'새 노드','computer','', " + std::to_string(m_portTemplate) + ", 0)");

    const TreeNodeData componentItem(TREE_COMPONENT, nullptr, &component, "root\\" + system.name + "\\c\\");
    const TreeNodeData proxyItem(TREE_PROXY_CLASS, nullptr, &proxy, "root\\" + system.name + "\\p\\");
    const TreeNodeData nodeItem(TREE_NODE, nullptr, &node, "root\\" + system.name + "\\n\\");
    const TreeNodeData installedItem(TREE_INSTALLED_COMPONENT, nullptr, &installed, "root\\" + system.name + "\\i\\");
    class_diagramscrollview* view = open(componentItem.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_component_interface_diagram(componentItem);
    EXPECT_EQ(elements<Class_ComponentEntity>(view, UML_COMPONENT).at(0)->get_component_info().name, "새 부품");
    EXPECT_EQ(elements<class_uml_proxyinterface>(view, UML_PROXY_INTERFACE).at(0)->get_relation().interface_name,
              renamedFace);
    view = open(proxyItem.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_proxy_interface_diagram(proxyItem);
    EXPECT_EQ(elements<class_uml_proxyinterface>(view, UML_PROXY_INTERFACE).at(0)->get_relation().interface_name,
              renamedFace);
    view = open(nodeItem.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_node_diagram(nodeItem);
    EXPECT_EQ(elements<class_node>(view, UML_NODE).at(0)->get_node_info().name, "새 노드");
    // A click on it shows the node as the diagram shows it, not the tree's older record.
    TestDriver::ClickAt(*view, CPoint(450, 120));
    TestDriver::PumpPostedMessages();
    ASSERT_EQ(frame->m_shownItems.size(), 1u);
    EXPECT_EQ(frame->m_shownItems[0].first, TREE_NODE);
    EXPECT_EQ(static_cast<const class_node_info*>(frame->m_shownItems[0].second)->name, "새 노드");
    view = open(installedItem.path);
    ASSERT_NE(view, nullptr);
    Class_UmlControl::get_instance()->draw_node_component_deploy_diagram(installedItem, nodeItem);
    EXPECT_EQ(component_named(view, "새 부품")->get_node_info().name, "새 노드");
    EXPECT_TRUE(box_texts().empty());

    driver.SetDefaultMessageBoxAnswer(IDOK);
    const struct {
        const TreeNodeData& item;
        std::string colleagueCall;
        std::function<void()> draw;
    } gone[] = {
        {installedItem, "call nodeDeploymentViewDeleteComponent(" + std::to_string(installed.deployment_id) + ")",
         [&] { Class_UmlControl::get_instance()->draw_node_component_deploy_diagram(installedItem, nodeItem); }},
        {proxyItem, "call proxyInterfaceRalationDeleteInterface(" + std::to_string(proxy.id) + ")",
         [&] { Class_UmlControl::get_instance()->draw_proxy_interface_diagram(proxyItem); }},
        {componentItem, "call componentViewDeletecomponent(" + componentId + "," + systemId + ")",
         [&] { Class_UmlControl::get_instance()->draw_component_interface_diagram(componentItem); }},
        {nodeItem, "call nodeDeleteNodes(" + std::to_string(node.id) + ")",
         [&] { Class_UmlControl::get_instance()->draw_node_diagram(nodeItem); }},
    };
    for (const auto& g : gone) {
        colleague(m_server, g.colleagueCall);
        view = open(g.item.path + "gone\\");
        ASSERT_NE(view, nullptr);
        g.draw();
        EXPECT_TRUE(document_of(view)->GetElements().empty()) << g.item.path;
    }
    EXPECT_EQ(box_texts(), (std::vector<std::string>{"설치된 컴포넌트가 없습니다. 다른 사용자가 지웠습니다.",
                                                     "Proxy Class가 없습니다. 다른 사용자가 지웠습니다.",
                                                     "컴포넌트가 없습니다. 다른 사용자가 지웠습니다.",
                                                     "노드가 없습니다. 다른 사용자가 지웠습니다."}));
}
