#include "DiagramBuilderFixture.h"

#include <unistd.h>

#include "SessionLogin.h"
#include "SessionMessageBox.h"

namespace {

// The session's boxes are the application's boxes, as in the editor, so that the driver sees them.
int ApplicationBox(LPCTSTR text, UINT type) { return AfxMessageBox(text, type); }

}  // namespace

void DiagramBuilderTest::SetUp() {
    DiagramWindowTest::SetUp();
    frame->m_realElements = true;
    SetSessionMessageBoxHandler(ApplicationBox);
    m_server = tamo::testing::TestDatabase::Prepare("diagrams", true);
    db = CMysqlQuery::GetInstance();
    db->Close();
    db = CMysqlQuery::GetInstance();
    ASSERT_EQ(db->Connect(tamo::testing::LoginFor(m_server, "admin", "admin")), "");
    m_portTemplate = std::stoi(tamo::testing::TestDatabase::AdminQuery(
        m_server.database, "SELECT id FROM domain WHERE kind = 'system' AND name = '표준장비'"));
}

void DiagramBuilderTest::TearDown() {
    DiagramWindowTest::TearDown();
    CMysqlQuery::GetInstance()->Close();
    SetSessionMessageBoxHandler(nullptr);
}

std::string DiagramBuilderTest::unique(const std::string& suffix) const {
    return std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()).substr(0, 40) + "_" +
           std::to_string(::getpid()) + suffix;
}

void DiagramBuilderTest::call(const CString& text) {
    EXPECT_EQ(db->ExecuteProc(text), 0) << text.str() << ": " << db->GetLastErrorText();
}

class_domain_info DiagramBuilderTest::new_system_domain(const std::string& suffix) {
    class_domain_info domain;
    domain.name = unique(suffix);
    domain.id = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "system", 0,
                                              domain.name, 0, "1", "diagram test"));
    EXPECT_GT(domain.id, 0) << db->GetLastErrorText();
    call(db->FormatCall("call domainLogicalPortViewNewPortGroup(%d, %d)", domain.id, 1));
    for (int port : {1, 2})
        call(db->FormatCall("call domainPortViewNewPort(%d, %d, %d, '%s')", domain.id, port, 1, "외부"));
    return domain;
}

class_component_info DiagramBuilderTest::new_component(const class_domain_info& domain, const std::string& name) {
    class_component_info component;
    component.systemdomain_id = domain.id;
    component.name = name;
    component.component_id =
        db->QueryNewId(db->FormatCall("call componentsNewcomponent(%d, '%s', '%s')", domain.id, name, ""));
    EXPECT_GT(component.component_id, 0) << db->GetLastErrorText();
    return component;
}

class_node_info DiagramBuilderTest::new_node(const class_domain_info& domain, const std::string& name,
                                             const char* type) {
    class_node_info node;
    node.domain_id = domain.id;
    node.name = name;
    node.type = std::string(type) == "router" ? "urouter" : type;
    node.id = db->QueryNewId(
        db->FormatCall("call nodeNewNodes(%d, '%s', '%s', '%s', %d)", domain.id, name, type, "", m_portTemplate));
    EXPECT_GT(node.id, 0) << db->GetLastErrorText();
    return node;
}

void DiagramBuilderTest::new_ip(const class_node_info& node, const std::string& ip) {
    call(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", node.id, ip, "255.255.0.0",
                        "10.X.X.X", "0.0.0.0", "0.0.0.0", "1", ""));
}

void DiagramBuilderTest::new_link(const class_node_info& source, int sourcePort, const class_node_info* destination,
                                  int destinationPort) {
    call(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", source.id, 0, sourcePort,
                        destination ? destination->id : 0, destination ? 0 : source.domain_id, destinationPort));
}

void DiagramBuilderTest::new_class(const class_component_info& component, bool proxy, const std::string& interfaceName,
                                   const std::string& objectName) {
    const std::string className = "class_" + objectName;
    if (proxy)
        call(db->FormatCall("call insertProxyInserfaceRelation(%d, %d, %d, '%s', '%s', '%s')",
                            component.systemdomain_id, component.component_id, 6, interfaceName, className,
                            objectName));
    else
        call(db->FormatCall("call insertStubInserfaceRelation(%d, %d, %d, '%s', '%s', '%s')", component.systemdomain_id,
                            component.component_id, 6, interfaceName, className, objectName));
}

void DiagramBuilderTest::deploy(const class_node_info& node, const class_component_info& component) {
    call(db->FormatCall("call nodeDeploymentViewNewcomponent(%d, %d, %d, %d)", node.id, component.component_id,
                        node.domain_id, 0));
}

namespace {

// The entry of the installed object of that name among a node's entries of a component.
int entry_id(const std::vector<class_custum_table>& entries, const std::string& objectName) {
    for (const class_custum_table& entry : entries)
        if (entry.object_name == objectName) return entry.id;
    ADD_FAILURE() << "no installed object " << objectName;
    return 0;
}

}  // namespace

void DiagramBuilderTest::set_stub_object(const class_node_info& node, const class_component_info& component,
                                         const std::string& objectName, int objectId) {
    std::vector<class_custum_table> entries;
    ASSERT_EQ(db->SelectCustomStubTable(
                  db->FormatCall("call coustim_stubViewlistinfo(%d, %d)", node.id, component.component_id), entries),
              0);
    call(
        db->FormatCall("call coustum_ViewEditobjectid(%d, %d, %d, %d)", entry_id(entries, objectName), objectId, 1, 0));
}

void DiagramBuilderTest::set_proxy_object(const class_node_info& node, const class_component_info& component,
                                          const std::string& objectName, int objectId, int stubObjectId,
                                          const std::string& stubIp) {
    std::vector<class_custum_table> entries;
    ASSERT_EQ(db->SelectCustomProxyTable(
                  db->FormatCall("call coustim_proxyViewlistinfo(%d, %d)", node.id, component.component_id), entries),
              0);
    const int entry = entry_id(entries, objectName);
    call(db->FormatCall("call coustum_ViewEditobjectid(%d, %d, %d, %d)", entry, objectId, 0, 0));
    call(db->FormatCall("call nodeproxyViewNewstubinfo(%d, %d, '%s')", entry, stubObjectId, stubIp));
}

class_domain_info DiagramBuilderTest::sample_domain(int id, const char* name) const {
    class_domain_info domain;
    domain.id = id;
    domain.name = name;
    return domain;
}

class_component_info DiagramBuilderTest::sample_component(int domainId, const char* name) {
    std::vector<class_component_info> components;
    EXPECT_EQ(db->SelectComponentList(db->FormatCall("call componentViewList(%d)", domainId), components), 0);
    for (const class_component_info& component : components)
        if (component.name == name) return component;
    ADD_FAILURE() << "no component " << name;
    return class_component_info();
}

class_node_info DiagramBuilderTest::sample_node(int domainId, const char* name) {
    std::vector<class_node_info> nodes;
    EXPECT_EQ(db->SelectNodeList(db->FormatCall("call nodeViewList(%d)", domainId), nodes), 0);
    for (const class_node_info& node : nodes)
        if (node.name == name) return node;
    ADD_FAILURE() << "no node " << name;
    return class_node_info();
}

class_component_info DiagramBuilderTest::installed_component(const class_node_info& node, const char* name) {
    std::vector<class_component_info> installed;
    EXPECT_EQ(db->SelectInstalledComponentList(
                  db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", node.domain_id, node.id), installed),
              0);
    for (const class_component_info& component : installed)
        if (component.name == name) return component;
    ADD_FAILURE() << "nothing named " << name << " installed on " << node.name;
    return class_component_info();
}

class_diagramscrollview* DiagramBuilderTest::open(const std::string& name) {
    Class_UmlControl* control = Class_UmlControl::get_instance();
    if (control->create_childframe(name) == 0) return nullptr;
    return control->get_active_view();
}

std::vector<std::string> DiagramBuilderTest::box_texts() const {
    std::vector<std::string> texts;
    for (const auto& box : driver.MessageBoxes()) texts.push_back(box.text.str());
    return texts;
}
