#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::TestDriver;

namespace {

// A plain top-level window that holds the controls under test.
class ControlDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadPlatformTestResources();
        ASSERT_TRUE(
            host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, nullptr));
    }
    void TearDown() override { host.DestroyWindow(); }

    // A tree of the host with the test strip as its image list, shown.
    void CreateTreeWithImages(CTreeCtrl& tree, CBitmap& strip, CImageList& images) {
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                CRect(0, 0, 300, 300), &host, 4));
        ASSERT_TRUE(strip.LoadBitmap(kTreeImages));
        ASSERT_TRUE(images.Create(16, 16, ILC_MASK | ILC_COLOR24, 0, 0));
        ASSERT_EQ(images.Add(&strip, RGB(255, 0, 255)), 0);
        tree.SetImageList(&images, TVSIL_NORMAL);
        TestDriver::ShowTopLevel(host);
    }

    TestDriver driver;
    CWnd host;
};

std::vector<std::string> Children(CTreeCtrl& tree, HTREEITEM parent) {
    std::vector<std::string> names;
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        names.push_back(tree.GetItemText(item).str());
    return names;
}

TEST_F(ControlDataTest, TreeItemsKeepTheirPlaceDataAndImages) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                            CRect(0, 0, 300, 300), &host, 4));
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(kTreeImages));
    BITMAP info{};
    strip.GetBitmap(&info);
    EXPECT_EQ(info.bmHeight, 16);
    CImageList images;
    ASSERT_TRUE(images.Create(16, info.bmHeight, ILC_MASK | ILC_COLOR24, 0, 0));
    EXPECT_EQ(images.Add(&strip, RGB(255, 0, 255)), 0);
    EXPECT_EQ(images.GetImageCount(), 3);
    tree.SetImageList(&images, TVSIL_NORMAL);

    const HTREEITEM root = tree.InsertItem("root", 0, 0, TVI_ROOT, TVI_LAST);
    const HTREEITEM middle = tree.InsertItem("middle", 1, 2, root, TVI_LAST);
    const HTREEITEM last = tree.InsertItem("last", 1, 1, root, TVI_LAST);
    tree.InsertItem("first", 2, 2, root, TVI_FIRST);
    tree.InsertItem("after middle", 1, 1, root, middle);
    EXPECT_EQ(Children(tree, root), (std::vector<std::string>{"first", "middle", "after middle", "last"}));
    EXPECT_EQ(tree.GetRootItem(), root);
    EXPECT_EQ(tree.GetParentItem(middle), root);
    EXPECT_EQ(tree.GetParentItem(root), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(root));
    EXPECT_FALSE(tree.ItemHasChildren(last));

    int data = 0;
    EXPECT_TRUE(tree.SetItemData(middle, reinterpret_cast<DWORD_PTR>(&data)));
    EXPECT_EQ(reinterpret_cast<int*>(tree.GetItemData(middle)), &data);
    int image = -1, selectedImage = -1;
    EXPECT_TRUE(tree.GetItemImage(middle, image, selectedImage));
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selectedImage, 2);

    // A deleted item's handle is refused, never followed; DeleteItem(NULL) leaves the tree alone.
    EXPECT_TRUE(tree.DeleteItem(middle));
    EXPECT_FALSE(tree.SetItemData(middle, 1));
    EXPECT_EQ(tree.GetItemData(middle), 0u);
    EXPECT_EQ(tree.GetItemText(middle), "");
    EXPECT_FALSE(tree.DeleteItem(nullptr));
    EXPECT_EQ(tree.GetCount(), 4u);
    EXPECT_TRUE(tree.DeleteItem(TVI_ROOT));
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

// Items draw the image of their index as the list holds it when they are inserted or given an image: also
// after the list lost an image, while many items share one image.
TEST_F(ControlDataTest, TreeItemsDrawTheImageTheirIndexNamesInTheList) {
    CTreeCtrl tree;
    CBitmap strip;
    CImageList images;
    CreateTreeWithImages(tree, strip, images);
    if (HasFatalFailure()) return;

    const auto iconPixels = [&](HTREEITEM item) {
        TestDriver::Repaint(tree);
        CRect text;
        EXPECT_TRUE(tree.GetItemRect(item, &text, TRUE));
        std::vector<COLORREF> pixels;
        for (int x = text.left - 14; x < text.left - 2; x += 3)
            for (int y = text.top + 2; y < text.bottom - 2; y += 3) pixels.push_back(TestDriver::PixelAt(tree, {x, y}));
        return pixels;
    };
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 6; ++i) items.push_back(tree.InsertItem("item", i % 3, i % 3, TVI_ROOT, TVI_LAST));
    const auto first = iconPixels(items[0]), second = iconPixels(items[1]), third = iconPixels(items[2]);
    ASSERT_NE(first, second);
    ASSERT_NE(second, third);
    EXPECT_EQ(iconPixels(items[3]), first);
    EXPECT_EQ(iconPixels(items[4]), second);

    ASSERT_TRUE(images.Remove(0));
    EXPECT_EQ(iconPixels(tree.InsertItem("after", 0, 0, TVI_ROOT, TVI_LAST)), second);
    tree.SetItemImage(items[0], 1, 1);
    EXPECT_EQ(iconPixels(items[0]), third);
}

int CALLBACK ByDataDescending(LPARAM a, LPARAM b, LPARAM) { return static_cast<int>(b - a); }

TEST_F(ControlDataTest, TreeSortsOneLevelByTextOrByData) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 300, 300), &host, 4));
    const HTREEITEM root = tree.InsertItem("root");
    int value = 0;
    for (const char* name : {"beta", "Alpha", "gamma", "alpha"}) tree.SetItemData(tree.InsertItem(name, root), ++value);
    const HTREEITEM nested = tree.GetChildItem(root);
    tree.InsertItem("z", nested);
    tree.InsertItem("a", nested);
    EXPECT_TRUE(tree.SortChildren(root));
    EXPECT_EQ(Children(tree, root), (std::vector<std::string>{"Alpha", "alpha", "beta", "gamma"}));
    EXPECT_EQ(Children(tree, nested), (std::vector<std::string>{"z", "a"}));  // one level only
    TVSORTCB sort{root, &ByDataDescending, 0};
    EXPECT_TRUE(tree.SortChildrenCB(&sort));
    EXPECT_EQ(Children(tree, root), (std::vector<std::string>{"alpha", "gamma", "Alpha", "beta"}));
}

// A level below a parent that was never opened is kept by the control alone until it is shown: the tree answers
// for it as for any other, the parent shows its button, and the level appears (in its order, with its images)
// once the parent opens or one of its items is selected.
TEST_F(ControlDataTest, TreeLevelsBelowAClosedParentAreThereBeforeTheyAreShown) {
    CTreeCtrl tree;
    CBitmap strip;
    CImageList images;
    CreateTreeWithImages(tree, strip, images);
    if (HasFatalFailure()) return;

    const HTREEITEM closed = tree.InsertItem("closed", 0, 0, TVI_ROOT, TVI_LAST);
    const HTREEITEM other = tree.InsertItem("other", 0, 0, TVI_ROOT, TVI_LAST);
    for (const char* name : {"b", "c", "A"}) tree.InsertItem(name, 1, 1, closed, TVI_LAST);
    const HTREEITEM first = tree.InsertItem("first", 2, 2, closed, TVI_FIRST);
    tree.SetItemData(first, 7);
    const HTREEITEM deep = tree.InsertItem("deep", 1, 1, tree.InsertItem("middle", 1, 1, other, TVI_LAST), TVI_LAST);
    EXPECT_EQ(Children(tree, closed), (std::vector<std::string>{"first", "b", "c", "A"}));
    EXPECT_EQ(tree.GetItemData(first), 7u);
    EXPECT_EQ(tree.GetParentItem(first), closed);
    EXPECT_TRUE(tree.ItemHasChildren(closed));
    EXPECT_EQ(tree.GetCount(), 8u);  // (before the leaf below)
    CRect rect;
    EXPECT_FALSE(tree.GetItemRect(first, &rect, TRUE));  // not shown
    EXPECT_FALSE(tree.GetItemState(closed, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(tree.SortChildren(closed));
    EXPECT_EQ(Children(tree, closed), (std::vector<std::string>{"A", "b", "c", "first"}));

    // The closed parent shows its button (the view draws one where it draws none for an item without children);
    // a click on it opens the level, in its order.
    const auto buttonPixels = [&](HTREEITEM item) {
        TestDriver::Repaint(tree);
        CRect row;
        EXPECT_TRUE(tree.GetItemRect(item, &row, FALSE));
        std::vector<COLORREF> pixels;
        for (int x = 2; x < static_cast<int>(tree.GetIndent()) - 2; x += 2)
            for (int y = row.top + 2; y < row.bottom - 2; y += 2) pixels.push_back(TestDriver::PixelAt(tree, {x, y}));
        return pixels;
    };
    const HTREEITEM leaf = tree.InsertItem("leaf", 0, 0, TVI_ROOT, TVI_LAST);
    EXPECT_NE(buttonPixels(closed), buttonPixels(leaf));
    ASSERT_TRUE(tree.GetItemRect(closed, &rect, FALSE));
    UINT flags = 0;
    const CPoint button(static_cast<int>(tree.GetIndent()) / 2, rect.CenterPoint().y);
    EXPECT_EQ(tree.HitTest(button, &flags), closed);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMBUTTON));
    TestDriver::ClickTreeButton(tree, closed);
    EXPECT_TRUE(tree.GetItemState(closed, TVIS_EXPANDED) & TVIS_EXPANDED);
    std::vector<std::string> shown;
    for (HTREEITEM item = tree.GetNextVisibleItem(closed); item && item != other && item != leaf;
         item = tree.GetNextVisibleItem(item))
        shown.push_back(tree.GetItemText(item).str());
    EXPECT_EQ(shown, (std::vector<std::string>{"A", "b", "c", "first"}));
    EXPECT_TRUE(tree.GetItemRect(first, &rect, TRUE));

    // Selecting an item two closed levels down shows its way there.
    EXPECT_TRUE(tree.SelectItem(deep));
    EXPECT_EQ(tree.GetSelectedItem(), deep);
    EXPECT_TRUE(tree.GetItemRect(deep, &rect, TRUE));
    EXPECT_TRUE(tree.GetItemState(other, TVIS_EXPANDED) & TVIS_EXPANDED);

    // A parent whose level was never shown loses its button with its last child.
    const HTREEITEM lonely = tree.InsertItem("lonely", 0, 0, TVI_ROOT, TVI_LAST);
    const HTREEITEM gone = tree.InsertItem("gone", 0, 0, lonely, TVI_LAST);
    EXPECT_NE(buttonPixels(lonely), buttonPixels(leaf));
    EXPECT_TRUE(tree.DeleteItem(gone));
    EXPECT_FALSE(tree.ItemHasChildren(lonely));
    EXPECT_EQ(buttonPixels(lonely), buttonPixels(leaf));
    ASSERT_TRUE(tree.GetItemRect(lonely, &rect, FALSE));
    tree.HitTest(CPoint(button.x, rect.CenterPoint().y), &flags);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMINDENT));
    // The handle of a deleted item stays refused when its place in the tree holds a new item.
    const HTREEITEM reused = tree.InsertItem("new", 0, 0, lonely, TVI_LAST);
    EXPECT_NE(reused, gone);
    EXPECT_EQ(tree.GetItemText(gone), "");
    EXPECT_FALSE(tree.SetItemData(gone, 1));
    EXPECT_EQ(tree.GetItemText(reused), "new");
}

// Children made on demand are made once, the first time anything needs them, in the place children made at once
// would have; until then they cost nothing, and an item deleted before drops them unmade.
TEST_F(ControlDataTest, TreeChildrenMadeOnDemandAreMadeOnceWhenFirstNeeded) {
    CTreeCtrl tree;
    CBitmap strip;
    CImageList images;
    CreateTreeWithImages(tree, strip, images);
    if (HasFatalFailure()) return;

    std::vector<std::string> made;
    const auto onDemand = [&](HTREEITEM item, std::vector<std::string> names) {
        ASSERT_TRUE(tree.SetChildrenOnDemand(item, [&tree, &made, names](HTREEITEM parent) {
            made.push_back(tree.GetItemText(parent).str());
            for (const std::string& name : names) tree.InsertItem(name.c_str(), 1, 1, parent, TVI_LAST);
        }));
    };
    const struct {
        const char* need;
        std::function<void(HTREEITEM)> ask;
        std::vector<std::string> children;  // after the need, read without a fill
    } needs[] = {
        {"the first child", [&](HTREEITEM item) { EXPECT_NE(tree.GetChildItem(item), nullptr); }, {"y", "x"}},
        {"whether it has children", [&](HTREEITEM item) { EXPECT_TRUE(tree.ItemHasChildren(item)); }, {"y", "x"}},
        {"the item's children flag",
         [&](HTREEITEM item) {
             TVITEM info{};
             info.mask = TVIF_CHILDREN;
             info.hItem = item;
             EXPECT_TRUE(tree.GetItem(&info));
             EXPECT_EQ(info.cChildren, 1);
         },
         {"y", "x"}},
        {"a child of its own", [&](HTREEITEM item) { tree.InsertItem("own", 0, 0, item, TVI_LAST); }, {"y", "x", "own"}},
        {"a child in front", [&](HTREEITEM item) { tree.InsertItem("own", 0, 0, item, TVI_FIRST); }, {"own", "y", "x"}},
        {"a sort", [&](HTREEITEM item) { EXPECT_TRUE(tree.SortChildren(item)); }, {"x", "y"}},
        {"opening it", [&](HTREEITEM item) { EXPECT_TRUE(tree.Expand(item, TVE_EXPAND)); }, {"y", "x"}},
    };
    // Below a closed parent, whose level the view does not show.
    const HTREEITEM closed = tree.InsertItem("closed", 0, 0, TVI_ROOT, TVI_LAST);
    tree.InsertItem("sibling", 0, 0, closed, TVI_LAST);
    for (const auto& need : needs) {
        SCOPED_TRACE(need.need);
        const HTREEITEM item = tree.InsertItem("lazy", 0, 0, closed, TVI_LAST);
        onDemand(item, {"y", "x"});
        EXPECT_TRUE(made.empty());
        const UINT count = tree.GetCount();
        need.ask(item);
        EXPECT_EQ(made, std::vector<std::string>{"lazy"});
        EXPECT_EQ(Children(tree, item), need.children);
        EXPECT_GE(tree.GetCount(), count + 2);
        EXPECT_EQ(made.size(), 1u);  // never twice
        made.clear();
        tree.DeleteItem(item);
        if (tree.GetItemState(closed, TVIS_EXPANDED) & TVIS_EXPANDED) tree.Expand(closed, TVE_COLLAPSE);
    }

    // Showing a level makes the children of its items, whose buttons tell whether they have any; an item of a
    // shown level makes them as soon as it gets its fill. A deleted item drops its fill unmade.
    const HTREEITEM parent = tree.InsertItem("parent", 0, 0, TVI_ROOT, TVI_LAST);
    const HTREEITEM full = tree.InsertItem("full", 0, 0, parent, TVI_LAST);
    const HTREEITEM empty = tree.InsertItem("empty", 0, 0, parent, TVI_LAST);
    const HTREEITEM dropped = tree.InsertItem("dropped", 0, 0, parent, TVI_LAST);
    onDemand(full, {"a"});
    onDemand(empty, {});
    onDemand(dropped, {"never"});
    EXPECT_TRUE(tree.DeleteItem(dropped));
    EXPECT_TRUE(made.empty());
    EXPECT_TRUE(tree.Expand(parent, TVE_EXPAND));
    EXPECT_EQ(made, (std::vector<std::string>{"full", "empty"}));
    EXPECT_TRUE(tree.ItemHasChildren(full));
    EXPECT_FALSE(tree.ItemHasChildren(empty));
    CRect rect;
    ASSERT_TRUE(tree.GetItemRect(empty, &rect, FALSE));
    UINT flags = 0;
    tree.HitTest(CPoint(static_cast<int>(tree.GetIndent()) + static_cast<int>(tree.GetIndent()) / 2,
                        rect.CenterPoint().y),
                 &flags);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMINDENT));
    const HTREEITEM late = tree.InsertItem("late", 0, 0, parent, TVI_LAST);
    made.clear();
    onDemand(late, {"b"});
    EXPECT_EQ(made, std::vector<std::string>{"late"});
    EXPECT_TRUE(tree.SetChildrenOnDemand(late, {}));
    EXPECT_EQ(Children(tree, late), std::vector<std::string>{"b"});
}

TEST_F(ControlDataTest, TreeCheckBoxesAndHitTests) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 300, 300), &host, 4));
    const HTREEITEM item = tree.InsertItem("항목");
    EXPECT_FALSE(tree.SetCheck(item, TRUE));  // no check boxes yet
    tree.ModifyStyle(0, TVS_CHECKBOXES);
    EXPECT_FALSE(tree.GetCheck(item));
    EXPECT_TRUE(tree.SetCheck(item, TRUE));
    EXPECT_TRUE(tree.GetCheck(item));
    TestDriver::ShowTopLevel(tree);
    CRect label;
    ASSERT_TRUE(tree.GetItemRect(item, &label, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(CPoint(label.left + 2, label.CenterPoint().y), &flags), item);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMLABEL));
    EXPECT_EQ(tree.HitTest(CPoint(label.left + 2, label.bottom + 200), &flags), nullptr);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_NOWHERE));
}

TEST_F(ControlDataTest, ListRowsColumnsSelectionAndData) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &host, 1188));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(list.InsertColumn(0, "이름", LVCFMT_LEFT, 120), 0);
    EXPECT_EQ(list.InsertColumn(1, "숨김", LVCFMT_CENTER, 0), 1);
    EXPECT_EQ(list.GetColumnWidth(1), 0);
    EXPECT_EQ(list.InsertItem(0, "b"), 0);
    EXPECT_EQ(list.InsertItem(list.GetItemCount(), "c"), 1);
    EXPECT_EQ(list.InsertItem(0, "a"), 0);
    EXPECT_EQ(list.InsertItem(99, "d"), 3);
    EXPECT_TRUE(list.SetItemText(2, 1, "hidden text"));
    EXPECT_EQ(list.GetItemText(2, 1), "hidden text");
    EXPECT_EQ(list.GetItemText(2, 0), "c");
    char buffer[3];
    EXPECT_EQ(list.GetItemText(2, 1, buffer, 3), 2);
    EXPECT_STREQ(buffer, "hi");
    static int records[4];
    for (int row = 0; row < 4; ++row) list.SetItemData(row, reinterpret_cast<DWORD_PTR>(&records[row]));
    EXPECT_EQ(reinterpret_cast<int*>(list.GetItemData(3)), &records[3]);

    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 3}));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
}

TEST_F(ControlDataTest, SingleSelectionListKeepsOneRow) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 400, 300), &host, 1));
    list.InsertColumn(0, "이름", LVCFMT_LEFT, 120);
    for (const char* row : {"a", "b", "c"}) list.InsertItem(list.GetItemCount(), row);
    TestDriver::ClickListRow(list, 2);
    TestDriver::ClickListRow(list, 0, true);
    POSITION pos = list.GetFirstSelectedItemPosition();
    EXPECT_EQ(list.GetNextSelectedItem(pos), 0);
    EXPECT_EQ(pos, nullptr);
}

struct FindCase {
    int start;
    const char* text;
    int expected;
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << "after " << c.start << " '" << c.text << "'"; }

class ComboFind : public ControlDataTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(ComboFind, WholeTextIgnoringCaseFromAfterTheStartAndRound) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &host, 1062));
    for (const char* item : {"alpha", "Beta", "ALPHA", "가나"}) combo.AddString(item);
    EXPECT_EQ(combo.FindStringExact(GetParam().start, GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComboFind,
                         ::testing::Values(FindCase{-1, "alpha", 0}, FindCase{0, "alpha", 2}, FindCase{2, "Alpha", 0},
                                           FindCase{-1, "beta", 1}, FindCase{-1, "alph", CB_ERR},
                                           FindCase{3, "가나", 3}, FindCase{-1, "gamma", CB_ERR}));

TEST_F(ControlDataTest, ComboListsSortingSelectionAndData) {
    CComboBox sorted;
    ASSERT_TRUE(sorted.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_SORT, CRect(0, 0, 200, 200), &host, 1206));
    for (const char* item : {"b", "C", "a"}) sorted.AddString(item);
    EXPECT_EQ(sorted.InsertString(0, "z"), 0);  // InsertString does not sort
    CString text;
    std::vector<std::string> items;
    for (int i = 0; i < sorted.GetCount(); ++i) sorted.GetLBText(i, text), items.push_back(text.str());
    EXPECT_EQ(items, (std::vector<std::string>{"z", "a", "b", "C"}));
    EXPECT_EQ(sorted.GetCurSel(), CB_ERR);
    sorted.SetWindowText("직접 입력");
    sorted.GetWindowText(text);
    EXPECT_EQ(text, "직접 입력");

    CComboBox choice;
    ASSERT_TRUE(choice.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &host, 1062));
    EXPECT_EQ(choice.AddString("하나"), 0);
    EXPECT_EQ(choice.GetCurSel(), CB_ERR);  // adding selects nothing
    choice.AddString("둘");
    static int record;
    EXPECT_EQ(choice.SetItemDataPtr(1, &record), CB_OKAY);
    EXPECT_EQ(choice.GetItemDataPtr(1), &record);
    EXPECT_EQ(choice.SetItemData(5, 1), CB_ERR);
    EXPECT_EQ(choice.SetCurSel(1), 1);
    choice.GetWindowText(text);
    EXPECT_EQ(text, "둘");
    EXPECT_EQ(choice.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(choice.GetCurSel(), CB_ERR);
    EXPECT_EQ(choice.SetCurSel(7), CB_ERR);
    EXPECT_EQ(choice.DeleteString(0), 1);
    choice.ResetContent();
    EXPECT_EQ(choice.GetCount(), 0);
}

TEST_F(ControlDataTest, TextReadsWithAByteLimitNeverSplitACharacter) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 20), &host, 1000));
    host.SetDlgItemText(1000, "가나다라");  // 12 bytes
    char field[8];
    EXPECT_EQ(host.GetDlgItemText(1000, field, sizeof field), 6);
    EXPECT_STREQ(field, "가나");
    EXPECT_EQ(host.GetDlgItemText(999, field, sizeof field), 0);
    EXPECT_STREQ(field, "");
    host.SetDlgItemInt(1000, static_cast<UINT>(-42));
    BOOL ok = FALSE;
    EXPECT_EQ(static_cast<int>(host.GetDlgItemInt(1000, &ok)), -42);
    EXPECT_TRUE(ok);
    host.SetDlgItemText(1000, "12x");
    host.GetDlgItemInt(1000, &ok);
    EXPECT_FALSE(ok);
}

}  // namespace
