#pragma once

// What the system dialogs' tests share: the data tree's session and driver fixture on a design database of
// their own (with the sample design), the sample's ids looked up by name, and fresh system domains, nodes and
// components for tests that change what they show.

#include <string>
#include <vector>

#include "DataTreeTestSupport.h"
#include "DialogTestControls.h"

namespace system_dialogs_test {

class SystemDialogsTest : public datatree_test::DataTreeTest {
protected:
    SystemDialogsTest() : DataTreeTest("system_dialogs") {}

    // The sample's ids, by name (node and component names are unique in the sample).
    int SampleId(const std::string& sql) const;
    int NodeId(const std::string& name) const;
    int ComponentId(const std::string& name) const;
    int DomainId(const std::string& kind, const std::string& name) const;
    // The deployment of a component on the node it was installed on (not a clone).
    int DeploymentId(const std::string& component) const;

    // New things, through the procedures as admin; a failure fails the test.
    int NewSystemDomain(const std::string& name, int parentId = 0);
    // A node with the ports of the sample's port template (1-4) unless another domain is given.
    int NewNode(int domainId, const std::string& name, const std::string& type = "computer", int portDomainId = 0);
    int NewComponent(int domainId, const std::string& name);

    // The node record as the system tree holds it.
    class_node_info Node(int nodeId) const;
};

}  // namespace system_dialogs_test
