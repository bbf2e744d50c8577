#pragma once

// What the tests of the data and method panes share: the pane docked in a frame window of its own, and ways to
// find and look at the items of its tree.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CFrameWnd.h"
#include "TestDriver.h"
#include "TreeItems.h"
#include "TreeNodeData.h"

namespace tree_test {

// `Base` is the suite's fixture (it connects the session); `Pane` a tree pane with GetTreeCtrl and
// GetSelectedItemData; `Host` the frame window that holds it.
template <class Base, class Pane, class Host = CFrameWnd>
class TreePaneTest : public Base {
protected:
    TreePaneTest(std::string database, const char* paneName, UINT paneId)
        : Base(std::move(database)), m_paneName(paneName), m_paneId(paneId) {}

    void SetUp() override {
        Base::SetUp();
        if (this->HasFatalFailure()) return;
        host = new Host;  // a frame window deletes itself when it is destroyed
        ASSERT_TRUE(host->Create(nullptr, "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 700)));
        BeforePaneCreated();
        ASSERT_TRUE(pane.Create(m_paneName, host, CRect(0, 0, 480, 680), TRUE, m_paneId,
                                WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        tamo::platform::TestDriver::ShowTopLevel(pane);
    }
    void TearDown() override {
        if (pane.GetSafeHwnd()) pane.DestroyWindow();
        AfterPaneDestroyed();
        if (host && host->GetSafeHwnd()) host->DestroyWindow();
        Base::TearDown();
    }
    virtual void BeforePaneCreated() {}
    virtual void AfterPaneDestroyed() {}

    auto& Tree() { return pane.GetTreeCtrl(); }
    HTREEITEM Root() { return Tree().GetRootItem(); }
    HTREEITEM Child(HTREEITEM parent, const std::string& text) {
        return frame_test::ChildWithText(Tree(), parent, text);
    }
    std::vector<std::string> Children(HTREEITEM parent) { return frame_test::ChildTexts(Tree(), parent); }
    TreeNodeData* Data(HTREEITEM item) { return reinterpret_cast<TreeNodeData*>(Tree().GetItemData(item)); }
    // The item's image and selected image.
    std::pair<int, int> Images(HTREEITEM item) {
        int image = -2, selected = -2;
        Tree().GetItemImage(item, image, selected);
        return {image, selected};
    }
    int Image(HTREEITEM item) { return Images(item).first; }
    // Selects the item as the user would; the pane must take it as its current item.
    void Select(HTREEITEM item) {
        ASSERT_NE(item, nullptr);
        Tree().SelectItem(item);
        ASSERT_EQ(pane.GetSelectedItemData(), Data(item))
            << Tree().GetItemText(item).str() << " / selected " << Tree().GetItemText(Tree().GetSelectedItem()).str();
    }

    Host* host = nullptr;
    Pane pane;

private:
    const char* m_paneName;
    UINT m_paneId;
};

}  // namespace tree_test
