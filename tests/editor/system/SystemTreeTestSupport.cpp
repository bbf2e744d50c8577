#include "SystemTreeTestSupport.h"

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

}  // namespace systemtree_test
