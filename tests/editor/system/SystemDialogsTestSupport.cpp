#include "SystemDialogsTestSupport.h"

namespace system_dialogs_test {

int SystemDialogsTest::SampleId(const std::string& sql) const {
    const std::string value = AdminValue(sql);
    EXPECT_FALSE(value.empty()) << sql;
    return std::atoi(value.c_str());
}

int SystemDialogsTest::NodeId(const std::string& name) const {
    return SampleId("SELECT id FROM node WHERE name = " + datatree_test::SqlText(name));
}

int SystemDialogsTest::ComponentId(const std::string& name) const {
    return SampleId("SELECT id FROM component WHERE name = " + datatree_test::SqlText(name));
}

int SystemDialogsTest::DomainId(const std::string& kind, const std::string& name) const {
    return SampleId("SELECT id FROM domain WHERE kind = " + datatree_test::SqlText(kind) +
                    " AND name = " + datatree_test::SqlText(name));
}

int SystemDialogsTest::DeploymentId(const std::string& component) const {
    return SampleId("SELECT dp.id FROM deployment dp JOIN component c ON c.id = dp.component_id WHERE c.name = " +
                    datatree_test::SqlText(component) + " AND dp.source_deployment_id IS NULL");
}

int SystemDialogsTest::NewSystemDomain(const std::string& name, int parentId) {
    const int id = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "system",
                                                 parentId, name, 0, "1", "test"));
    EXPECT_GT(id, 0) << db->GetLastErrorText();
    return id;
}

int SystemDialogsTest::NewNode(int domainId, const std::string& name, const std::string& type, int portDomainId) {
    if (portDomainId == 0) portDomainId = DomainId("system", "표준장비");
    const int id = db->QueryInt(db->FormatCall("call nodeNewNodes(%d,'%s','%s','%s', %d)", domainId, name, type, "test",
                                               portDomainId));
    EXPECT_GT(id, 0) << db->GetLastErrorText();
    return id;
}

int SystemDialogsTest::NewComponent(int domainId, const std::string& name) {
    const int id = db->QueryInt(db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", domainId, name, "test"));
    EXPECT_GT(id, 0) << db->GetLastErrorText();
    return id;
}

class_node_info SystemDialogsTest::Node(int nodeId) const {
    class_node_info node;
    EXPECT_EQ(db->SelectNodeInfo(db->FormatCall("call nodeViewnodeinfo(%d)", nodeId), node), 0);
    return node;
}

}  // namespace system_dialogs_test
