// Pictures for a person to look at: every diagram kind of the sample design, each saved as
// artifacts/sample_<name>.png, and each again in a small window scrolled to its far corner
// (artifacts/small_<name>.png), where every element must be within reach of the scroll bars.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <list>
#include <string>
#include <tuple>
#include <vector>

#include "CRgn.h"
#include "Class_ComponentEntity.h"
#include "DiagramBuilderFixture.h"

using tamo::platform::TestDriver;

namespace {

// One diagram of the sample: its picture's name, the item it is drawn for and how.
struct SampleDiagram {
    std::string name;
    const TreeNodeData* item;
    std::function<void(Class_UmlControl&)> draw;
};

class SampleDiagramScreenshotTest : public DiagramBuilderTest {
protected:
    // Every diagram kind of the sample design, with the records its items point to kept in the fixture.
    std::vector<SampleDiagram> sample_diagrams() {
        class_domain_info& ship = keep(sample_domain(9, "Ship"));
        class_domain_info& bridge = keep(sample_domain(10, "조타실"));
        class_component_info& manager = keep(sample_component(9, "항법 관리자"));
        class_node_info& navPc = keep(sample_node(9, "항해 컴퓨터"));
        class_node_info& captainPc = keep(sample_node(9, "Captain's PC"));
        class_node_info& bridgePc = keep(sample_node(10, "조타 컴퓨터"));
        class_component_info& helm = keep(sample_component(10, "조타 제어기"));

        std::vector<class_proxy_interface_relation_info> proxies;
        EXPECT_EQ(db->SelectProxyInterfaceList(
                      db->FormatCall("call proxyInterfaceViewList(%d)", manager.component_id), proxies),
                  0);
        std::vector<class_stub_interface_relation_info> stubs;
        EXPECT_EQ(
            db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", helm.component_id), stubs),
            0);
        auto& navigation = keep(relation_of(proxies, "INavigation"));
        auto& position = keep(relation_of(stubs, "I위치"));

        std::vector<SampleDiagram> diagrams;
        const auto add = [&](const std::string& name, const TreeNodeData& item,
                             std::function<void(Class_UmlControl&, const TreeNodeData&)> draw) {
            const TreeNodeData& kept = keep(item);
            diagrams.push_back({name, &kept, [draw, &kept](Class_UmlControl& c) { draw(c, kept); }});
        };
        add("proxy_interface", TreeNodeData(TREE_PROXY_CLASS, nullptr, &navigation, "root\\Ship\\항법 관리자\\proxy\\"),
            [](Class_UmlControl& c, const TreeNodeData& i) { c.draw_proxy_interface_diagram(i); });
        add("stub_interface",
            TreeNodeData(TREE_STUB_CLASS, nullptr, &position, "root\\Ship\\조타실\\조타 제어기\\stub\\"),
            [](Class_UmlControl& c, const TreeNodeData& i) { c.draw_stub_interface_diagram(i); });
        add("component", TreeNodeData(TREE_COMPONENT, nullptr, &manager, "root\\Ship\\Components\\항법 관리자\\"),
            [](Class_UmlControl& c, const TreeNodeData& i) { c.draw_component_interface_diagram(i); });
        add("domain_components", TreeNodeData(TREE_COMPONENTS_FOLDER, nullptr, &ship, "root\\Ship\\Components\\"),
            [](Class_UmlControl& c, const TreeNodeData& i) { c.draw_domain_component_diagram(i); });

        // A component on its node: the node's item goes with it.
        const auto add_deployment = [&](const std::string& name, class_node_info& node, const char* component,
                                        const std::string& nodePath) {
            class_component_info& installed = keep(installed_component(node, component));
            const TreeNodeData& nodeItem = keep(TreeNodeData(TREE_NODE, nullptr, &node, nodePath));
            add(name, TreeNodeData(TREE_INSTALLED_COMPONENT, nullptr, &installed, nodePath + component + "\\"),
                [&nodeItem](Class_UmlControl& c, const TreeNodeData& i) {
                    c.draw_node_component_deploy_diagram(i, nodeItem);
                });
        };
        add_deployment("deployment_display", captainPc, "위치 표시기", "root\\Ship\\Nodes\\Captain's PC\\");
        add_deployment("deployment_manager", navPc, "항법 관리자", "root\\Ship\\Nodes\\항해 컴퓨터\\");
        // 조타 제어기 calls the heartbeat at 192.168.1.40: the sensor of 조타실 that stands for 기관실 serves it.
        add_deployment("deployment_helm", bridgePc, "조타 제어기", "root\\Ship\\조타실\\Nodes\\조타 컴퓨터\\");

        add("node", TreeNodeData(TREE_NODE, nullptr, &navPc, "root\\Ship\\Nodes\\항해 컴퓨터\\node\\"),
            [](Class_UmlControl& c, const TreeNodeData& i) { c.draw_node_diagram(i); });
        add("network_ship", TreeNodeData(TREE_SYSTEM_DOMAIN, nullptr, &ship, "root\\Ship\\"),
            [](Class_UmlControl& c, const TreeNodeData& i) { c.draw_system_diagram(i); });
        add("network_bridge", TreeNodeData(TREE_SYSTEM_DOMAIN, nullptr, &bridge, "root\\Ship\\조타실\\"),
            [](Class_UmlControl& c, const TreeNodeData& i) { c.draw_system_diagram(i); });
        add("deployed_components", TreeNodeData(TREE_SYSTEM_DOMAIN, nullptr, &ship, "Ship\\_deploy_component"),
            [](Class_UmlControl& c, const TreeNodeData& i) { c.draw_deploy_diagram(i); });
        return diagrams;
    }

    // Opens a window for the diagram and draws it; answers the view (null when none opened).
    class_diagramscrollview* draw(const SampleDiagram& diagram) {
        class_diagramscrollview* view = open(diagram.item->path);
        EXPECT_NE(view, nullptr) << diagram.name;
        if (!view) return nullptr;
        diagram.draw(*Class_UmlControl::get_instance());
        settle();
        EXPECT_FALSE(document_of(view)->GetElements().empty()) << diagram.name;
        return view;
    }

    void save_picture(class_diagramscrollview* view, const std::string& name) {
        const CString png = TestDriver::ArtifactPath((name + ".png").c_str());
        EXPECT_TRUE(TestDriver::SaveWindowPng(*view->GetParentFrame(), png)) << name;
        EXPECT_GT(std::filesystem::file_size(png.GetString()), 1000u) << name;
    }

    template <class Record>
    Record& keep(const Record& record) {
        auto& kept = std::get<std::list<Record>>(m_kept);
        kept.push_back(record);
        return kept.back();
    }

    template <class Relation>
    Relation relation_of(std::vector<Relation>& classes, const char* interfaceName) {
        for (Relation& relation : classes)
            if (relation.interface_name == interfaceName) return relation;
        ADD_FAILURE() << "no class of " << interfaceName;
        return Relation();
    }

private:
    std::tuple<std::list<class_domain_info>, std::list<class_component_info>, std::list<class_node_info>,
               std::list<class_proxy_interface_relation_info>, std::list<class_stub_interface_relation_info>,
               std::list<TreeNodeData>>
        m_kept;
};

// What an element shows of itself, in the view's client coordinates: its window, cut to its region if it
// has one (lines, circles and components cover the view and cut themselves down).
CRect shown_rect(CWnd& element, CWnd& view) {
    CRect window;
    element.GetWindowRect(&window);
    view.ScreenToClient(&window);
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    if (element.GetWindowRgn(region) == ERROR) return window;
    CRect box;
    region.GetRgnBox(&box);
    box.OffsetRect(window.TopLeft());
    return box;
}

TEST_F(SampleDiagramScreenshotTest, EveryDiagramKindOfTheSample) {
    for (const SampleDiagram& diagram : sample_diagrams()) {
        class_diagramscrollview* view = draw(diagram);
        if (!view) continue;
        save_picture(view, "sample_" + diagram.name);
        if (diagram.name != "deployment_helm") continue;
        std::vector<std::string> partners;
        for (auto* box : elements<Class_ComponentEntity>(view, UML_COMPONENT))
            partners.push_back(box->get_component_info().name + " @ " + box->get_node_info().name);
        EXPECT_EQ(partners, (std::vector<std::string>{"조타 제어기 @ 조타 컴퓨터", "기관 감시기 @ 기관 감시 센서"}));
    }
    EXPECT_TRUE(box_texts().empty()) << (box_texts().empty() ? "" : box_texts().front());
}

TEST_F(SampleDiagramScreenshotTest, EveryElementCanBeScrolledIntoViewInASmallWindow) {
    frame->MoveWindow(0, 0, 360, 300);
    for (const SampleDiagram& diagram : sample_diagrams()) {
        SCOPED_TRACE(diagram.name);
        class_diagramscrollview* view = draw(diagram);
        if (!view) continue;
        CRect client;
        view->GetClientRect(&client);
        ASSERT_LT(client.Width(), 360);

        // Everything an element shows lies within the extent, and the farthest of it is reached by scrolling.
        const CSize extent = view->get_extent();
        CPoint farthest(0, 0);
        for (CUmlEntity* element : document_of(view)->GetElements()) {
            if (!element->GetSafeHwnd() || !element->IsWindowVisible()) continue;
            const CRect shown = shown_rect(*element, *view);
            if (shown.IsRectEmpty()) continue;
            EXPECT_LE(shown.right, extent.cx) << element->GetEntityKind();
            EXPECT_LE(shown.bottom, extent.cy) << element->GetEntityKind();
            farthest.x = std::max<int>(farthest.x, shown.right);
            farthest.y = std::max<int>(farthest.y, shown.bottom);
        }
        view->ScrollToPosition(CPoint(extent.cx, extent.cy));
        settle();
        const CPoint scrolled = view->GetScrollPosition();
        EXPECT_GE(scrolled.x + client.Width(), farthest.x);
        EXPECT_GE(scrolled.y + client.Height(), farthest.y);
        save_picture(view, "small_" + diagram.name);
    }
    EXPECT_TRUE(box_texts().empty()) << (box_texts().empty() ? "" : box_texts().front());
}

}  // namespace
