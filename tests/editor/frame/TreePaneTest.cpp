// The pane base of the three trees, with a pane of its own that needs no server: the base's handlers and the
// pane's commands answer one window, records outlive their items until the window goes, and a context menu
// shows the menu the pane chooses for the item under the cursor.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "CContextMenuManager.h"
#include "CFrameWnd.h"
#include "CTreePane.h"
#include "EditorResources.h"
#include "TestDriver.h"

namespace {

using tamo::platform::TestDriver;

const UINT kPaneCommand = 32784;  // an item of menu 315
const UINT kMenu = 315;

class_domain_info DomainRow(int id, const std::string& name) {
    class_domain_info row;
    row.id = id;
    row.name = name;
    return row;
}

// Two domains at the top and one below the first, by their parents' ids as a domain list call answers them.
std::multimap<int, class_domain_info> SampleDomains() {
    return {{0, DomainRow(1, "first")}, {0, DomainRow(2, "second")}, {1, DomainRow(3, "below")}};
}

class SamplePane : public CTreePane {
public:
    SamplePane()
        : CTreePane({WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_SHOWSELALWAYS, 4, 312, RGB(255, 0, 255), "Top", 3, 4,
                     true, "no root data", TREE_DATA_DOMAIN, 1, 2}) {}

    void Refresh() { RefreshTree(); }
    TreeNodeData* Current() const { return m_pCurrent; }

    std::vector<std::string> filledPaths;
    int commands = 0;
    int recordReleases = 0;
    int commandObjectReleases = 0;
    UINT menu = kMenu;
    mutable HTREEITEM menuAskedFor = nullptr;

    afx_msg void OnPaneCommand() { ++commands; }

protected:
    bool BuildTree() override {
        HTREEITEM root = InsertRootItem();
        if (root == nullptr) return false;
        InsertDomainLevels(SampleDomains(), 0, root, "", -1,
                           [this](const class_domain_info&, HTREEITEM, const std::string& path, int) {
                               filledPaths.push_back(path);
                           });
        m_wndTree.Expand(root, TVE_EXPAND);
        return true;
    }
    void ClearSelection() override { m_pCurrent = nullptr; }
    UINT ContextMenuOf(HTREEITEM item) const override {
        menuAskedFor = item;
        return menu;
    }
    CString DomainListCall(int) const override { return ""; }
    void ReleaseRecords() override { ++recordReleases; }
    void ReleaseCommandObjects() override { ++commandObjectReleases; }
    void OnSelectTreeItem(HTREEITEM* item) override { m_pCurrent = ItemData(*item); }
    void OnOpenTreeItem() override {}
    DECLARE_MESSAGE_MAP()

private:
    TreeNodeData* m_pCurrent = nullptr;  // owns nothing
};

BEGIN_MESSAGE_MAP(SamplePane, CTreePane)
    ON_COMMAND(kPaneCommand, &SamplePane::OnPaneCommand)
END_MESSAGE_MAP()

class TreePaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
        host = new CFrameWnd;  // deletes itself when its window goes
        ASSERT_TRUE(host->Create(nullptr, "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 500)));
        ASSERT_TRUE(pane.Create("SampleView", host, CRect(0, 0, 300, 400), TRUE, 7, WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        TestDriver::ShowTopLevel(pane);
    }
    void TearDown() override {
        if (pane.GetSafeHwnd()) pane.DestroyWindow();
        if (host && host->GetSafeHwnd()) host->DestroyWindow();
    }

    CViewTree& Tree() { return pane.GetTreeCtrl(); }
    HTREEITEM Child(HTREEITEM parent, const std::string& text) {
        for (HTREEITEM item = Tree().GetChildItem(parent); item; item = Tree().GetNextSiblingItem(item))
            if (Tree().GetItemText(item).str() == text) return item;
        return nullptr;
    }
    TreeNodeData* Data(HTREEITEM item) { return reinterpret_cast<TreeNodeData*>(Tree().GetItemData(item)); }

    TestDriver driver;
    CFrameWnd* host = nullptr;
    SamplePane pane;
};

TEST_F(TreePaneTest, ThePaneBuildsItsRootAndDomainLevelsAndIsLaidOutInsideItsFrame) {
    HTREEITEM root = Tree().GetRootItem();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Tree().GetItemText(root).str(), "Top");
    EXPECT_TRUE(Tree().GetItemState(root, TVIS_BOLD) & TVIS_BOLD);
    ASSERT_NE(Data(root), nullptr);
    EXPECT_EQ(Data(root)->kind, TREE_DATA_DOMAIN);
    EXPECT_EQ(Data(root)->path, "root\\");
    EXPECT_EQ(static_cast<class_domain_info*>(Data(root)->record)->name, "root");

    // Each domain is inserted as its parent's first child; what it holds is filled after its sub-domains.
    std::vector<std::string> top;
    for (HTREEITEM item = Tree().GetChildItem(root); item; item = Tree().GetNextSiblingItem(item))
        top.push_back(Tree().GetItemText(item).str());
    EXPECT_EQ(top, (std::vector<std::string>{"second", "first"}));
    HTREEITEM below = Child(Child(root, "first"), "below");
    ASSERT_NE(below, nullptr);
    EXPECT_EQ(Data(below)->path, "first\\below\\");
    EXPECT_EQ(static_cast<class_domain_info*>(Data(below)->record)->id, 3);
    int image = -1, selectedImage = -1;
    Tree().GetItemImage(below, image, selectedImage);
    EXPECT_EQ(std::make_pair(image, selectedImage), std::make_pair(1, 2));
    EXPECT_EQ(pane.filledPaths, (std::vector<std::string>{"first\\below\\", "first\\", "second\\"}));

    pane.MoveWindow(0, 0, 250, 300);
    CRect client, tree;
    pane.GetClientRect(client);
    Tree().GetWindowRect(tree);
    pane.ScreenToClient(tree);
    client.DeflateRect(1, 1);
    EXPECT_EQ(tree, client);
}

TEST_F(TreePaneTest, RecordsOutliveTheirItemsUntilTheWindowGoes) {
    HTREEITEM first = Child(Tree().GetRootItem(), "first");
    ASSERT_NE(first, nullptr);
    Tree().SelectItem(first);
    TreeNodeData* kept = Data(first);
    ASSERT_EQ(pane.Current(), kept);

    pane.Refresh();
    EXPECT_NE(pane.Current(), kept);
    // The old item is gone; what the main frame may still hold of it is not.
    EXPECT_EQ(kept->path, "first\\");
    EXPECT_EQ(static_cast<class_domain_info*>(kept->record)->name, "first");
    EXPECT_NE(Child(Tree().GetRootItem(), "first"), nullptr);
    EXPECT_EQ(pane.recordReleases, 0);

    pane.DestroyWindow();
    EXPECT_EQ(pane.recordReleases, 1);
    EXPECT_EQ(pane.commandObjectReleases, 1);
}

TEST_F(TreePaneTest, AContextMenuShowsThePanesMenuOfTheItemUnderTheCursorAndItsCommandReachesThePane) {
    CContextMenuManager menus;
    menus.AddMenu("편집", kMenu);
    CContextMenuManager* previous = afxContextMenuManager;
    afxContextMenuManager = &menus;

    HTREEITEM second = Child(Tree().GetRootItem(), "second");
    ASSERT_NE(second, nullptr);
    CRect rect;
    ASSERT_TRUE(Tree().GetItemRect(second, &rect, TRUE));
    driver.AnswerPopupMenu(kPaneCommand);
    TestDriver::RightClickAt(Tree(), rect.CenterPoint());
    EXPECT_EQ(pane.menuAskedFor, second);
    EXPECT_EQ(pane.Current(), Data(second));
    ASSERT_EQ(driver.PopupMenus().size(), 1u);
    EXPECT_EQ(driver.PopupMenus()[0].menuId, kMenu);
    EXPECT_EQ(pane.commands, 1);

    // An item without a menu shows none.
    pane.menu = 0;
    HTREEITEM first = Child(Tree().GetRootItem(), "first");
    ASSERT_TRUE(Tree().GetItemRect(first, &rect, TRUE));
    TestDriver::RightClickAt(Tree(), rect.CenterPoint());
    EXPECT_EQ(pane.menuAskedFor, first);
    EXPECT_EQ(driver.PopupMenus().size(), 1u);
    afxContextMenuManager = previous;
}

}  // namespace
