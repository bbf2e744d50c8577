#include "SystemTreeTestSupport.h"

#include <algorithm>

#include "CContextMenuManager.h"
#include "SystemTreeItems.h"
#include "TreeItems.h"

using tamo::platform::TestDriver;

namespace systemtree_test {

void SystemTreeTest::SetUp() {
    DataTreeTest::SetUp();
    if (HasFatalFailure()) return;
    host = new CFrameWnd;
    ASSERT_TRUE(host->Create(nullptr, "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 900)));
    ASSERT_TRUE(pane.Create("SystemDomainView", host, CRect(0, 0, 480, 880), TRUE, 2,
                            WS_CHILD | WS_VISIBLE | CBRS_LEFT));
    TestDriver::ShowTopLevel(pane);
}

void SystemTreeTest::TearDown() {
    if (pane.GetSafeHwnd()) pane.DestroyWindow();
    if (host && host->GetSafeHwnd()) host->DestroyWindow();
    DataTreeTest::TearDown();
}

HTREEITEM SystemTreeTest::Child(HTREEITEM parent, const std::string& text) {
    return frame_test::ChildWithText(Tree(), parent, text);
}

HTREEITEM SystemTreeTest::ItemAt(const std::vector<std::string>& texts) {
    HTREEITEM item = Root();
    for (const std::string& text : texts) {
        item = item ? Child(item, text) : nullptr;
        if (item == nullptr) return nullptr;
    }
    return item;
}

std::vector<std::string> SystemTreeTest::Children(HTREEITEM parent) { return frame_test::ChildTexts(Tree(), parent); }

TreeNodeData* SystemTreeTest::Data(HTREEITEM item) {
    return item ? reinterpret_cast<TreeNodeData*>(Tree().GetItemData(item)) : nullptr;
}

int SystemTreeTest::Image(HTREEITEM item) {
    int image = -2, selected = -2;
    Tree().GetItemImage(item, image, selected);
    return image;
}

int SystemTreeTest::SelectedImage(HTREEITEM item) {
    int image = -2, selected = -2;
    Tree().GetItemImage(item, image, selected);
    return selected;
}

bool SystemTreeTest::IsExpanded(HTREEITEM item) { return Tree().GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED; }

void SystemTreeTest::Select(HTREEITEM item) {
    ASSERT_NE(item, nullptr);
    Tree().SelectItem(item);
    const bool folder = IsSystemFolder(Tree().GetItemText(item).str(), Data(item));
    TreeNodeData* expected = folder ? Data(Tree().GetParentItem(item)) : Data(item);
    ASSERT_EQ(pane.GetCurrentItem(), expected) << Tree().GetItemText(item).str();
}

HTREEITEM SystemTreeTest::DomainChild(HTREEITEM parent, const std::string& name) {
    for (HTREEITEM item = Tree().GetChildItem(parent); item; item = Tree().GetNextSiblingItem(item)) {
        const TreeNodeData* data = Data(item);
        if (data && data->kind == TREE_SYSTEM_DOMAIN && Tree().GetItemText(item).str() == name) return item;
    }
    return nullptr;
}

UINT SystemTreeTest::MenuOf(HTREEITEM item) {
    CContextMenuManager menus;
    for (UINT menu : {339u, 340u, 342u, 344u, 347u, 349u, 354u, 357u, 359u, 368u, 369u, 371u, 373u, 396u, 420u, 422u,
                      423u, 424u})
        menus.AddMenu("편집", menu);
    CContextMenuManager* previous = afxContextMenuManager;
    afxContextMenuManager = &menus;
    const size_t shown = driver.PopupMenus().size();
    Tree().EnsureVisible(item);
    CRect rect;
    Tree().GetItemRect(item, &rect, TRUE);
    driver.AnswerPopupMenu(0);
    TestDriver::RightClickAt(Tree(), rect.CenterPoint());
    afxContextMenuManager = previous;
    EXPECT_EQ(driver.PopupMenus().size(), shown + 1) << Tree().GetItemText(item).str();
    return driver.PopupMenus().size() > shown ? driver.PopupMenus().back().menuId : 0;
}

int SystemTreeTest::NewSystemDomain(const std::string& name, int parentId) {
    const int id = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "system",
                                                 parentId, name, 0, "1", "test"));
    EXPECT_GT(id, 0) << db->GetLastErrorText();
    return id;
}

int SystemTreeTest::NewNode(int domainId, const std::string& name, const std::string& type, int subDomainId) {
    const int id = db->QueryInt(db->FormatCall("call nodeNewNodes(%d,'%s','%s','%s', %d)", domainId, name, type, "",
                                               subDomainId));
    EXPECT_GT(id, 0) << db->GetLastErrorText();
    return id;
}

int SystemTreeTest::NewComponent(int domainId, const std::string& name) {
    const int id = db->QueryInt(db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", domainId, name, "test"));
    EXPECT_GT(id, 0) << db->GetLastErrorText();
    return id;
}

void SystemTreeTest::NewClassObject(const char* kind, int domainId, int componentId, const std::string& interfaceName,
                                    const std::string& className, const std::string& objectName) {
    // The interfaces of the sample's method domain NavService (6).
    if (std::string(kind) == "proxy")
        Call(db->FormatCall("call insertProxyInserfaceRelation(%d, %d, %d, '%s','%s', '%s')", domainId, componentId, 6,
                            interfaceName, className, objectName));
    else
        Call(db->FormatCall("call insertStubInserfaceRelation(%d, %d, %d, '%s','%s', '%s')", domainId, componentId, 6,
                            interfaceName, className, objectName));
}

int SystemTreeTest::Install(int nodeId, int componentId, int domainId) {
    Call(db->FormatCall("call nodeDeploymentViewNewcomponent(%d, %d, %d, 0)", nodeId, componentId, domainId));
    return std::stoi(AdminValue("SELECT id FROM deployment WHERE node_id = " + std::to_string(nodeId) +
                                " AND component_id = " + std::to_string(componentId)));
}

std::vector<std::string> SystemTreeTest::NodeContent(int nodeId, bool withOwnDeployments) {
    const std::string node = std::to_string(nodeId);
    std::vector<std::string> rows =
        AdminRows("SELECT 'node', n.name, n.type, n.description, COALESCE(s.name, ''), n.lock_flag FROM node n "
                  "LEFT JOIN domain s ON s.id = n.sub_system_domain_id WHERE n.id = " + node);
    const auto add = [&rows](const std::vector<std::string>& more) { rows.insert(rows.end(), more.begin(), more.end()); };
    add(AdminRows("SELECT 'port', port_num, port_group, description FROM node_port WHERE node_id = " + node +
                  " ORDER BY port_num"));
    add(AdminRows("SELECT 'ip', ip, mask, pattern, gateway, dns, port, description, COALESCE(linked_domain, ''), "
                  "COALESCE(linked_node, ''), COALESCE(linked_port, '') FROM node_ip WHERE node_id = " + node +
                  " ORDER BY port, ip"));
    add(AdminRows("SELECT IF(dp.source_deployment_id IS NULL, 'installed', 'clone'), c.name, "
                  "COALESCE(sn.name, ''), k.kind, k.class_name, o.object_name, e.object_id, e.public, "
                  "e.stub_object_id, e.stub_ip FROM deployment dp JOIN component c ON c.id = dp.component_id "
                  "LEFT JOIN deployment sd ON sd.id = dp.source_deployment_id LEFT JOIN node sn ON sn.id = sd.node_id "
                  "LEFT JOIN custom_entry e ON e.deployment_id = dp.id LEFT JOIN class_object o ON o.id = e.object_ref "
                  "LEFT JOIN component_class k ON k.id = o.class_id WHERE dp.node_id = " + node +
                  (withOwnDeployments ? "" : " AND dp.source_deployment_id IS NOT NULL") +
                  " ORDER BY 1, c.name, 3, k.kind, k.class_name, o.object_name"));
    return rows;
}

std::vector<std::string> SystemTreeTest::DomainContent(int domainId) {
    const std::string domain = std::to_string(domainId);
    std::vector<std::string> rows = AdminRows(
        "SELECT 'domain', name, public, description, standard_port FROM domain WHERE id = " + domain);
    const auto add = [&rows](const std::vector<std::string>& more) { rows.insert(rows.end(), more.begin(), more.end()); };
    add(AdminRows("SELECT 'port', port_num, port_group, description FROM domain_system_port WHERE domain_id = " +
                  domain + " ORDER BY port_num"));
    add(AdminRows("SELECT 'group', port_group FROM domain_logical_port WHERE domain_id = " + domain +
                  " ORDER BY port_group"));
    add(AdminRows("SELECT 'component', c.name, c.description, COALESCE(k.kind, ''), COALESCE(k.method_domain_id, ''), "
                  "COALESCE(k.interface_name, ''), COALESCE(k.class_name, ''), COALESCE(o.object_name, '') "
                  "FROM component c LEFT JOIN component_class k ON k.component_id = c.id LEFT JOIN class_object o "
                  "ON o.class_id = k.id WHERE c.systemdomain_id = " + domain + " ORDER BY 2, 4, 7, 8"));
    for (const std::string& node :
         AdminRows("SELECT id FROM node WHERE domain_id = " + domain + " ORDER BY name"))
        add(NodeContent(std::stoi(node)));
    add(AdminRows("SELECT 'link', s.name, l.s_port, IF(l.d_node_id IS NULL, CONCAT('external ', x.name), d.name), "
                  "l.d_port FROM network_link l JOIN node s ON s.id = l.s_node_id LEFT JOIN node d ON d.id = l.d_node_id "
                  "LEFT JOIN domain x ON x.id = l.d_domain_id WHERE l.domain_id = " + domain + " ORDER BY 2, 3"));
    return rows;
}

std::vector<std::string> SystemTreeTest::SubtreeRows(const std::vector<int>& topDomainIds) {
    std::string tops;
    for (int id : topDomainIds) tops += (tops.empty() ? "" : ", ") + std::to_string(id);
    const std::string subtree = "WITH RECURSIVE t (id) AS (SELECT id FROM domain WHERE id IN (" + tops +
                                ") UNION SELECT d.id FROM domain d JOIN t ON d.upper_id = t.id) ";
    const std::string nodes = "(SELECT n.id FROM node n JOIN t ON n.domain_id = t.id)";
    const std::string deployments = "(SELECT dp.id FROM deployment dp WHERE dp.node_id IN " + nodes + ")";
    std::vector<std::string> rows;
    for (const std::string& query : {
             std::string("SELECT 'domain', d.* FROM domain d JOIN t ON d.id = t.id"),
             std::string("SELECT 'port', p.* FROM domain_system_port p JOIN t ON p.domain_id = t.id"),
             std::string("SELECT 'group', g.* FROM domain_logical_port g JOIN t ON g.domain_id = t.id"),
             std::string("SELECT 'component', c.* FROM component c JOIN t ON c.systemdomain_id = t.id"),
             std::string("SELECT 'class', k.* FROM component_class k JOIN component c ON c.id = k.component_id "
                         "JOIN t ON c.systemdomain_id = t.id"),
             std::string("SELECT 'object', o.* FROM class_object o JOIN component c ON c.id = o.component_id "
                         "JOIN t ON c.systemdomain_id = t.id"),
             std::string("SELECT 'node', n.* FROM node n JOIN t ON n.domain_id = t.id"),
             "SELECT 'node port', np.* FROM node_port np WHERE np.node_id IN " + nodes,
             "SELECT 'ip', ip.* FROM node_ip ip WHERE ip.node_id IN " + nodes,
             std::string("SELECT 'link', l.* FROM network_link l JOIN t ON l.domain_id = t.id"),
             "SELECT 'deployment', dp.* FROM deployment dp WHERE dp.node_id IN " + nodes,
             "SELECT 'entry', e.* FROM custom_entry e WHERE e.deployment_id IN " + deployments,
         }) {
        std::vector<std::string> table = AdminRows(subtree + query);
        std::sort(table.begin(), table.end());
        rows.insert(rows.end(), table.begin(), table.end());
    }
    return rows;
}

}  // namespace systemtree_test
