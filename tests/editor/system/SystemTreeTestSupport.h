#pragma once

// What the system tree's tests share: the data tree tests' session and driver (logged in as admin to the suite's
// copy of the sample design), a system pane in a frame of its own, ways to find and look at its items, and a
// design of the test's own entered through the procedures.

#include <string>
#include <vector>

#include "CFrameWnd.h"
#include "CSystemDomainTreeView.h"
#include "DataTreeTestSupport.h"

namespace systemtree_test {

class SystemTreeTest : public datatree_test::DataTreeTest {
protected:
    // `database`: the suite's design database with the sample design (one per name and test run).
    explicit SystemTreeTest(std::string database = "systemtree") : DataTreeTest(std::move(database)) {}

    void SetUp() override;
    void TearDown() override;

    CViewTree& Tree() { return pane.GetTreeCtrl(); }
    HTREEITEM Root() { return Tree().GetRootItem(); }
    HTREEITEM Child(HTREEITEM parent, const std::string& text);
    // The item reached from the root through the children of these texts; null when one is missing.
    HTREEITEM ItemAt(const std::vector<std::string>& texts);
    std::vector<std::string> Children(HTREEITEM parent);
    TreeNodeData* Data(HTREEITEM item);
    int Image(HTREEITEM item);
    int SelectedImage(HTREEITEM item);
    bool IsExpanded(HTREEITEM item);
    // Selects the item (opening the items above it) and checks that the pane took it (a folder stands for its
    // parent). Opening a domain above it for the first time replaces the item: select from the top down.
    void Select(HTREEITEM item);
    // The child that is a domain of that name (beside a folder of the same text); null when there is none.
    HTREEITEM DomainChild(HTREEITEM parent, const std::string& name);
    // Right-clicks an item that has a menu, with the system tree's menus registered; the menu the pane showed.
    UINT MenuOf(HTREEITEM item);

    // A design of the test's own, as admin through the procedures; each answers the new id.
    int NewSystemDomain(const std::string& name, int parentId = 0);
    int NewNode(int domainId, const std::string& name, const std::string& type, int subDomainId = 0);
    int NewComponent(int domainId, const std::string& name);
    // A proxy or stub class of the component with one object (a second call adds another object).
    void NewClassObject(const char* kind, int domainId, int componentId, const std::string& interfaceName,
                        const std::string& className, const std::string& objectName);
    // Installs the component on the node; answers the deployment id.
    int Install(int nodeId, int componentId, int domainId);

    // What the server holds, ids aside and every reference by name, so that an original and its copy compare
    // row by row. A node: name, type, description, sub-system domain, lock flag, ports, IP rows with their linked
    // information, the clones of public entries on it and, when asked, what is installed on it itself.
    std::vector<std::string> NodeContent(int nodeId, bool withOwnDeployments = true);
    // A domain: name, public flag, description, ports and port groups, components with their classes and
    // objects, its nodes (NodeContent) and the links between them.
    std::vector<std::string> DomainContent(int domainId);
    // Every row (ids included) of the system tables that belongs to these domains or the domains below them:
    // equal before and after a change that must leave them alone.
    std::vector<std::string> SubtreeRows(const std::vector<int>& topDomainIds);

    CFrameWnd* host = nullptr;  // deletes itself when its window goes
    CSystemDomainTreeView pane;
};

}  // namespace systemtree_test
