// Pictures for a person to look at: every diagram kind of the sample design, each saved as
// artifacts/sample_<name>.png.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Class_ComponentEntity.h"
#include "DiagramBuilderFixture.h"

using tamo::platform::TestDriver;

namespace {

class SampleDiagramScreenshotTest : public DiagramBuilderTest {
protected:
    // Opens a window for the item, draws it and saves the window; answers the view.
    class_diagramscrollview* picture(const std::string& name, const TreeNodeData& item,
                                     const std::function<void(Class_UmlControl&)>& draw) {
        class_diagramscrollview* view = open(item.path);
        EXPECT_NE(view, nullptr) << name;
        if (!view) return nullptr;
        draw(*Class_UmlControl::get_instance());
        settle();
        const CString png = TestDriver::ArtifactPath(("sample_" + name + ".png").c_str());
        EXPECT_TRUE(TestDriver::SaveWindowPng(*view->GetParentFrame(), png)) << name;
        EXPECT_GT(std::filesystem::file_size(png.GetString()), 1000u) << name;
        EXPECT_FALSE(document_of(view)->GetElements().empty()) << name;
        return view;
    }

    template <class Relation>
    Relation* relation_of(std::vector<Relation>& classes, const char* interfaceName) {
        for (Relation& relation : classes)
            if (relation.interface_name == interfaceName) return &relation;
        ADD_FAILURE() << "no class of " << interfaceName;
        return nullptr;
    }
};

TEST_F(SampleDiagramScreenshotTest, EveryDiagramKindOfTheSample) {
    class_domain_info ship = sample_domain(9, "Ship");
    class_domain_info bridge = sample_domain(10, "조타실");
    class_component_info manager = sample_component(9, "항법 관리자");
    class_component_info display = sample_component(9, "위치 표시기");
    class_component_info helm = sample_component(10, "조타 제어기");
    class_node_info navPc = sample_node(9, "항해 컴퓨터");
    class_node_info captainPc = sample_node(9, "Captain's PC");
    class_node_info bridgePc = sample_node(10, "조타 컴퓨터");

    std::vector<class_proxy_interface_relation_info> proxies;
    ASSERT_EQ(
        db->SelectProxyInterfaceList(db->FormatCall("call proxyInterfaceViewList(%d)", manager.component_id), proxies),
        0);
    std::vector<class_stub_interface_relation_info> stubs;
    ASSERT_EQ(db->SelectStubInterfaceList(db->FormatCall("call stubInterfaceViewList(%d)", helm.component_id), stubs),
              0);
    auto* navigation = relation_of(proxies, "INavigation");
    auto* position = relation_of(stubs, "I위치");
    ASSERT_TRUE(navigation && position);

    const TreeNodeData proxyItem(TREE_PROXY_CLASS, nullptr, navigation, "root\\Ship\\항법 관리자\\proxy\\");
    picture("proxy_interface", proxyItem, [&](Class_UmlControl& c) { c.draw_proxy_interface_diagram(proxyItem); });
    const TreeNodeData stubItem(TREE_STUB_CLASS, nullptr, position, "root\\Ship\\조타실\\조타 제어기\\stub\\");
    picture("stub_interface", stubItem, [&](Class_UmlControl& c) { c.draw_stub_interface_diagram(stubItem); });

    const TreeNodeData managerItem(TREE_COMPONENT, nullptr, &manager, "root\\Ship\\Components\\항법 관리자\\");
    picture("component", managerItem, [&](Class_UmlControl& c) { c.draw_component_interface_diagram(managerItem); });

    const TreeNodeData shipComponents(TREE_COMPONENTS_FOLDER, nullptr, &ship, "root\\Ship\\Components\\");
    picture("domain_components", shipComponents,
            [&](Class_UmlControl& c) { c.draw_domain_component_diagram(shipComponents); });

    class_component_info installedDisplay = installed_component(captainPc, "위치 표시기");
    const TreeNodeData displayItem(TREE_INSTALLED_COMPONENT, nullptr, &installedDisplay,
                                   "root\\Ship\\Nodes\\Captain's PC\\위치 표시기\\");
    const TreeNodeData captainItem(TREE_NODE, nullptr, &captainPc, "root\\Ship\\Nodes\\Captain's PC\\");
    picture("deployment_display", displayItem,
            [&](Class_UmlControl& c) { c.draw_node_component_deploy_diagram(displayItem, captainItem); });

    class_component_info installedManager = installed_component(navPc, "항법 관리자");
    const TreeNodeData managerOnPc(TREE_INSTALLED_COMPONENT, nullptr, &installedManager,
                                   "root\\Ship\\Nodes\\항해 컴퓨터\\항법 관리자\\");
    const TreeNodeData navPcItem(TREE_NODE, nullptr, &navPc, "root\\Ship\\Nodes\\항해 컴퓨터\\");
    picture("deployment_manager", managerOnPc,
            [&](Class_UmlControl& c) { c.draw_node_component_deploy_diagram(managerOnPc, navPcItem); });

    // 조타 제어기 calls the heartbeat at 192.168.1.40: the sensor of 조타실 that stands for 기관실 serves it.
    class_component_info installedHelm = installed_component(bridgePc, "조타 제어기");
    const TreeNodeData helmItem(TREE_INSTALLED_COMPONENT, nullptr, &installedHelm,
                                "root\\Ship\\조타실\\Nodes\\조타 컴퓨터\\조타 제어기\\");
    const TreeNodeData bridgePcItem(TREE_NODE, nullptr, &bridgePc, "root\\Ship\\조타실\\Nodes\\조타 컴퓨터\\");
    class_diagramscrollview* helmView = picture("deployment_helm", helmItem, [&](Class_UmlControl& c) {
        c.draw_node_component_deploy_diagram(helmItem, bridgePcItem);
    });
    ASSERT_NE(helmView, nullptr);
    std::vector<std::string> partners;
    for (auto* box : elements<Class_ComponentEntity>(helmView, UML_COMPONENT))
        partners.push_back(box->get_component_info().name + " @ " + box->get_node_info().name);
    EXPECT_EQ(partners, (std::vector<std::string>{"조타 제어기 @ 조타 컴퓨터", "기관 감시기 @ 기관 감시 센서"}));

    const TreeNodeData navPcNode(TREE_NODE, nullptr, &navPc, "root\\Ship\\Nodes\\항해 컴퓨터\\node\\");
    picture("node", navPcNode, [&](Class_UmlControl& c) { c.draw_node_diagram(navPcNode); });

    const TreeNodeData shipItem(TREE_SYSTEM_DOMAIN, nullptr, &ship, "root\\Ship\\");
    picture("network_ship", shipItem, [&](Class_UmlControl& c) { c.draw_system_diagram(shipItem); });
    const TreeNodeData bridgeItem(TREE_SYSTEM_DOMAIN, nullptr, &bridge, "root\\Ship\\조타실\\");
    picture("network_bridge", bridgeItem, [&](Class_UmlControl& c) { c.draw_system_diagram(bridgeItem); });

    const TreeNodeData deployItem(TREE_SYSTEM_DOMAIN, nullptr, &ship, "Ship\\_deploy_component");
    picture("deployed_components", deployItem, [&](Class_UmlControl& c) { c.draw_deploy_diagram(deployItem); });
    EXPECT_TRUE(box_texts().empty()) << (box_texts().empty() ? "" : box_texts().front());
}

}  // namespace
