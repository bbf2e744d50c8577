#pragma once

// The tests of the diagram builders and elements: the editor's own elements in the test frame's diagram
// windows, the editor's session logged in as admin to the suite's design database (with the sample design), and
// ways to add systems to it through the procedures as the system tree's dialogs do.

#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "CUmlEntity.h"
#include "DiagramWindowFixture.h"
#include "TestDatabase.h"
#include "TreeNodeData.h"
#include "class_component_info.h"
#include "class_domain_info.h"
#include "class_node_info.h"

class DiagramBuilderTest : public DiagramWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A name no other test uses (the suite shares its database, also across runs of the same server).
    std::string unique(const std::string& suffix) const;

    // Changes as admin; a failing call fails the test.
    void call(const CString& text);
    // A top-level system domain with the external ports 1 and 2.
    class_domain_info new_system_domain(const std::string& suffix);
    class_component_info new_component(const class_domain_info& domain, const std::string& name);
    // A node with the ports 1 to 4 of the sample's port template.
    class_node_info new_node(const class_domain_info& domain, const std::string& name, const char* type);
    void new_ip(const class_node_info& node, const std::string& ip);
    void new_link(const class_node_info& source, int sourcePort, const class_node_info* destination,
                  int destinationPort);
    // A proxy or stub class of the component bound to an interface of the sample's NavService (6), with its
    // object.
    void new_class(const class_component_info& component, bool proxy, const std::string& interfaceName,
                   const std::string& objectName);
    void deploy(const class_node_info& node, const class_component_info& component);
    // Sets the object id of an installed object; for a proxy also the stub object it calls and where.
    void set_stub_object(const class_node_info& node, const class_component_info& component,
                         const std::string& objectName, int objectId);
    void set_proxy_object(const class_node_info& node, const class_component_info& component,
                          const std::string& objectName, int objectId, int stubObjectId, const std::string& stubIp);

    // Records of the sample design.
    class_domain_info sample_domain(int id, const char* name) const;
    class_component_info sample_component(int domainId, const char* name);
    class_node_info sample_node(int domainId, const char* name);
    // The installed component on a node, as the system tree lists it (its first number the deployment).
    class_component_info installed_component(const class_node_info& node, const char* name);

    // Opens a new diagram window of that name and answers its view (null when none opened).
    class_diagramscrollview* open(const std::string& name);
    template <class Element>
    static std::vector<Element*> elements(class_diagramscrollview* view, int kind) {
        std::vector<Element*> found;
        for (CUmlEntity* element : document_of(view)->GetElements())
            if (element->GetEntityKind() == kind) found.push_back(dynamic_cast<Element*>(element));
        return found;
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> box_texts() const;

    CMysqlQuery* db = nullptr;
    tamo::testing::ConnectionValues m_server;
    int m_portTemplate = 0;  // the sample's 표준장비
};
