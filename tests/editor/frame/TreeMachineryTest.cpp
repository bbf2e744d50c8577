// The tree control of the panes: selection and expansion reach the pane, selections of items with data reach
// the main frame, and a search result line is walked down the tree.

#include "EditorTestSupport.h"

#include <algorithm>

#include "CFrameWnd.h"
#include "CTreeView.h"
#include "CViewTree.h"
#include "FrameMessages.h"
#include "TreeNodeData.h"

namespace {

using tamo::platform::TestDriver;

// The main window of these tests: records the item messages it receives.
class RecordingFrame : public CFrameWnd {
public:
    std::vector<LPARAM> m_itemMessages;

protected:
    afx_msg LRESULT OnShowItemProperties(WPARAM wParam, LPARAM lParam) {
        EXPECT_EQ(wParam, 1u);
        m_itemMessages.push_back(lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingFrame, CFrameWnd)
    ON_MESSAGE(WM_SHOW_ITEM_PROPERTIES, &RecordingFrame::OnShowItemProperties)
END_MESSAGE_MAP()

// A pane's side of the tree: records the items it is called with, and may change an item's data on the way.
class RecordingPane : public CTreeView {
public:
    void OnSelectTreeItem(HTREEITEM* item) override {
        m_calls.push_back(*item);
        if (m_replaceDataOf == *item) m_tree->SetItemData(*item, 0);
    }
    void OnOpenTreeItem() override {}

    CViewTree* m_tree = nullptr;
    std::vector<HTREEITEM> m_calls;
    HTREEITEM m_replaceDataOf = nullptr;
};

class TreeMachineryTest : public frame_test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        ASSERT_TRUE(m_frame->Create(nullptr, "trees", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 400)));
        frame_test::EditorApp().m_pMainWnd = m_frame;
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                  CRect(0, 0, 380, 380), m_frame, 4));
        m_tree.SetOwnerView(&m_pane);
        m_pane.m_tree = &m_tree;
        TestDriver::ShowTopLevel(*m_frame);
    }
    void TearDown() override {
        m_tree.DestroyWindow();
        EditorTest::TearDown();
    }

    HTREEITEM Insert(LPCTSTR text, HTREEITEM parent, TreeNodeData* data = nullptr) {
        HTREEITEM item = m_tree.InsertItem(text, parent);
        if (data) {
            data->item = item;
            m_tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(data));
        }
        return item;
    }

    RecordingFrame* m_frame = new RecordingFrame;  // deletes itself when its window goes
    CViewTree m_tree;
    RecordingPane m_pane;
};

TEST_F(TreeMachineryTest, SelectionsReachThePaneAndTheMainFrame) {
    TreeNodeData rootData(TREE_SYSTEM_DOMAIN, nullptr, nullptr, "root\\");
    TreeNodeData shipData(TREE_SYSTEM_DOMAIN, nullptr, nullptr, "Ship\\");
    HTREEITEM root = Insert("SystemDomain", TVI_ROOT, &rootData);
    HTREEITEM ship = Insert("Ship", root, &shipData);
    HTREEITEM folder = Insert("proxy", ship);
    m_tree.Expand(root, TVE_EXPAND);
    m_tree.Expand(ship, TVE_EXPAND);
    m_pane.m_calls.clear();

    TestDriver::ClickTreeItem(m_tree, root);
    TestDriver::ClickTreeItem(m_tree, folder);
    // The message carries the data the item had before the pane's callback ran.
    m_pane.m_replaceDataOf = ship;
    m_tree.SelectItem(ship);

    EXPECT_EQ(m_pane.m_calls, (std::vector<HTREEITEM>{root, folder, ship}));
    // An item without data is reported without data, so that the properties pane shows nothing for it.
    EXPECT_EQ(m_frame->m_itemMessages,
              (std::vector<LPARAM>{reinterpret_cast<LPARAM>(&rootData), 0, reinterpret_cast<LPARAM>(&shipData)}));
}

TEST_F(TreeMachineryTest, ExpandingCallsThePaneAndGoesOn) {
    HTREEITEM root = Insert("Data_Domain", TVI_ROOT);
    HTREEITEM child = Insert("Nav", root);
    m_tree.Expand(root, TVE_EXPAND);
    EXPECT_EQ(m_pane.m_calls, std::vector<HTREEITEM>{root});
    EXPECT_TRUE(m_tree.GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(m_frame->m_itemMessages.empty());
    EXPECT_EQ(m_tree.GetParentItem(child), root);
}

TEST_F(TreeMachineryTest, AReferenceLineIsWalkedLevelByLevelToItemsOfTheirKind) {
    TreeNodeData rootData(TREE_METHOD_DOMAIN, nullptr, nullptr, "root\\");
    TreeNodeData domain(TREE_METHOD_DOMAIN, nullptr, nullptr, "");
    TreeNodeData method(TREE_METHOD, nullptr, nullptr, "");
    TreeNodeData iface(TREE_INTERFACE, nullptr, nullptr, "");
    TreeNodeData domains[4] = {domain, domain, domain, domain};
    TreeNodeData oddInterface = iface;
    HTREEITEM root = Insert("Method_Domain", TVI_ROOT, &rootData);
    Insert("Shipyard", root, &domains[0]);
    HTREEITEM nav = Insert("Nav", root, &domains[1]);
    // Items of one name and other kinds come first: only the kind that the level names is taken.
    HTREEITEM xMethod = Insert("X", nav, &method);
    HTREEITEM xInterface = Insert("X", nav, &iface);
    HTREEITEM x = Insert("X", nav, &domains[2]);
    HTREEITEM colon = Insert("Y:Z", x, &domains[3]);
    HTREEITEM odd = Insert("I [경로]odd", nav, &oddInterface);

    EXPECT_EQ(m_tree.SelectByReferenceLine("[타입]domain [이름]X [경로]Nav\\X\\"), x);
    EXPECT_EQ(m_tree.GetSelectedItem(), x);
    // Each level is selected on the way, so the pane can load it before the walk goes down.
    EXPECT_NE(std::find(m_pane.m_calls.begin(), m_pane.m_calls.end(), nav), m_pane.m_calls.end());
    EXPECT_EQ(m_pane.m_calls.back(), x);

    // Any other type goes one level further, to the item of the name and of the type's kind; names are
    // compared whole, whatever they hold.
    EXPECT_EQ(m_tree.SelectByReferenceLine("[타입]interface [이름]X [경로]Nav\\"), xInterface);
    EXPECT_EQ(m_tree.SelectByReferenceLine("[타입]CALL [이름]X [경로]Nav\\"), xMethod);
    EXPECT_EQ(m_tree.SelectByReferenceLine("[타입]domain [이름]Y:Z [경로]Nav\\X\\Y:Z\\"), colon);
    EXPECT_EQ(m_tree.SelectByReferenceLine("[타입]interface [이름]I [경로]odd [경로]Nav\\"), odd);

    // A level that names no item ends the walk where it got to.
    EXPECT_EQ(m_tree.SelectByReferenceLine("[타입]domain [이름]Q [경로]Nav\\Gone\\Q\\"), nav);
    EXPECT_EQ(m_tree.GetSelectedItem(), nav);
    EXPECT_EQ(m_tree.SelectByReferenceLine("[타입]domain [이름]Q [경로]Nowhere\\"), nullptr);
    EXPECT_EQ(m_tree.GetSelectedItem(), nav);
}

}  // namespace
