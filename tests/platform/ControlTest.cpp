#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::TestDriver;

namespace {

// The controls dialog that writes down every notification it gets, with the state its handler sees.
class NotifyDialog : public CDialog {
public:
    NotifyDialog() : CDialog(kControlsDialog) {}

    std::vector<std::string> events;
    LRESULT expandingAnswer = 0;
    LRESULT clickAnswer = 0;
    bool checkBoxes = false;
    HTREEITEM root = nullptr;
    HTREEITEM first = nullptr;
    HTREEITEM second = nullptr;
    HTREEITEM other = nullptr;
    CListCtrl list;
    CTreeCtrl tree;
    CComboBox choice;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 1011, list);
        DDX_Control(pDX, 1012, tree);
        DDX_Control(pDX, 1008, choice);
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        list.InsertColumn(0, "이름", LVCFMT_LEFT, 80);
        for (const char* row : {"가", "나", "다"}) list.InsertItem(list.GetItemCount(), row);
        if (checkBoxes) tree.ModifyStyle(0, TVS_CHECKBOXES);
        root = tree.InsertItem("root", TVI_ROOT);
        first = tree.InsertItem("first", root);
        second = tree.InsertItem("second", root);
        other = tree.InsertItem("other", TVI_ROOT);
        events.clear();
        return TRUE;
    }

    void Add(const std::string& event) { events.push_back(event); }
    std::string Text(HTREEITEM item) const { return item ? tree.GetItemText(item).str() : "(none)"; }

    afx_msg void OnNameChange() { Add("EN_CHANGE"); }
    afx_msg void OnNotesChange() { Add("EN_CHANGE notes"); }
    afx_msg void OnChoiceChange() { Add("CBN_SELCHANGE " + std::to_string(choice.GetCurSel())); }
    afx_msg void OnListBoxChange() { Add("LBN_SELCHANGE"); }
    afx_msg void OnListChanged(NMHDR* header, LRESULT* result) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        Add("LVN_ITEMCHANGED " + std::to_string(change->iItem) + " " + std::to_string(change->uOldState) + "->" +
            std::to_string(change->uNewState) +
            (change->uChanged == LVIF_TEXT    ? " text"
             : change->uChanged == LVIF_PARAM ? " data " + std::to_string(change->lParam)
                                              : ""));
        *result = 0;
    }
    afx_msg void OnTreeSelected(NMHDR* header, LRESULT* result) {
        auto* change = reinterpret_cast<NMTREEVIEW*>(header);
        Add("TVN_SELCHANGED " + Text(change->itemOld.hItem) + "->" + Text(change->itemNew.hItem) +
            " selected=" + Text(tree.GetSelectedItem()));
        *result = 0;
    }
    afx_msg void OnTreeExpanding(NMHDR* header, LRESULT* result) {
        auto* change = reinterpret_cast<NMTREEVIEW*>(header);
        const UINT state = tree.GetItemState(change->itemNew.hItem, TVIS_EXPANDED);
        Add("TVN_ITEMEXPANDING " + Text(change->itemNew.hItem) + (change->action == TVE_EXPAND ? " open" : " close") +
            (state & TVIS_EXPANDED ? " (open now)" : " (closed now)"));
        *result = expandingAnswer;
    }
    afx_msg void OnTreeClick(NMHDR*, LRESULT* result) {
        CPoint point;
        GetCursorPos(&point);
        HTREEITEM selected = tree.GetSelectedItem();
        Add("NM_CLICK checked first=" + std::to_string(tree.GetCheck(first)) + " selected=" + Text(selected));
        *result = clickAnswer;
    }
    afx_msg void OnAddressField(NMHDR* header, LRESULT* result) {
        auto* change = reinterpret_cast<NMIPADDRESS*>(header);
        Add("IPN_FIELDCHANGED " + std::to_string(change->iField) + "=" + std::to_string(change->iValue));
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NotifyDialog, CDialog)
    ON_EN_CHANGE(1001, &NotifyDialog::OnNameChange)
    ON_EN_CHANGE(1003, &NotifyDialog::OnNotesChange)
    ON_CBN_SELCHANGE(1008, &NotifyDialog::OnChoiceChange)
    ON_LBN_SELCHANGE(1010, &NotifyDialog::OnListBoxChange)
    ON_NOTIFY(LVN_ITEMCHANGED, 1011, &NotifyDialog::OnListChanged)
    ON_NOTIFY(TVN_SELCHANGED, 1012, &NotifyDialog::OnTreeSelected)
    ON_NOTIFY(TVN_ITEMEXPANDING, 1012, &NotifyDialog::OnTreeExpanding)
    ON_NOTIFY(NM_CLICK, 1012, &NotifyDialog::OnTreeClick)
    ON_NOTIFY(IPN_FIELDCHANGED, 1013, &NotifyDialog::OnAddressField)
END_MESSAGE_MAP()

struct NotificationCase {
    const char* name;
    bool checkBoxes;
    LRESULT expandingAnswer;
    std::function<void(NotifyDialog&)> action;
    std::vector<std::string> expected;
    std::function<void(NotifyDialog&)> afterwards;
    LRESULT clickAnswer = 0;
};

void PrintTo(const NotificationCase& c, std::ostream* os) { *os << c.name; }

class Notifications : public ::testing::TestWithParam<NotificationCase> {
protected:
    void SetUp() override { LoadPlatformTestResources(); }
    TestDriver driver;
};

TEST_P(Notifications, ArriveAsWindowsSendsThem) {
    const NotificationCase& c = GetParam();
    NotifyDialog dialog;
    dialog.checkBoxes = c.checkBoxes;
    dialog.expandingAnswer = c.expandingAnswer;
    dialog.clickAnswer = c.clickAnswer;
    driver.OnDialog(kControlsDialog, [&c, &dialog](CDialog& shown) {
        c.action(dialog);
        EXPECT_EQ(dialog.events, c.expected);
        if (c.afterwards) c.afterwards(dialog);
        TestDriver::Click(shown, IDCANCEL);
    });
    dialog.DoModal();
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Notifications,
    ::testing::Values(
        NotificationCase{"EditTextSetByTheProgram",
                         false,
                         0,
                         [](NotifyDialog& d) { d.SetDlgItemText(1001, "값"); },
                         {"EN_CHANGE"},
                         nullptr},
        NotificationCase{"EditTextTypedByTheUser",
                         false,
                         0,
                         [](NotifyDialog& d) { TestDriver::Type(d, 1001, "값"); },
                         {"EN_CHANGE"},
                         nullptr},
        NotificationCase{"MultiLineTextSetByTheProgramSendsNothing",
                         false,
                         0,
                         [](NotifyDialog& d) { d.SetDlgItemText(1003, "첫 줄\r\n둘째 줄"); },
                         {},
                         nullptr},
        NotificationCase{"MultiLineTextTypedByTheUser",
                         false,
                         0,
                         [](NotifyDialog& d) { TestDriver::Type(d, 1003, "첫 줄\r\n둘째 줄"); },
                         {"EN_CHANGE notes"},
                         nullptr},
        NotificationCase{"ComboSelectionSetByTheProgram",
                         false,
                         0,
                         [](NotifyDialog& d) {
                             d.choice.SetCurSel(1);
                             d.choice.AddString("셋");
                             d.choice.SetCurSel(-1);
                         },
                         {},
                         nullptr},
        NotificationCase{"ComboSelectionChosenByTheUser",
                         false,
                         0,
                         [](NotifyDialog& d) { TestDriver::ChooseComboItem(d, 1008, 1); },
                         {"CBN_SELCHANGE 1"},
                         nullptr},
        NotificationCase{
            "ListSelectionSetByTheProgram",
            false,
            0,
            [](NotifyDialog& d) { d.list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED); },
            {"LVN_ITEMCHANGED 1 0->3"},
            nullptr},
        NotificationCase{"ListSelectionClickedByTheUser",
                         false,
                         0,
                         [](NotifyDialog& d) {
                             d.list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                             d.events.clear();
                             TestDriver::ClickListRow(d.list, 2);
                         },
                         {"LVN_ITEMCHANGED 0 3->0", "LVN_ITEMCHANGED 2 0->3"},
                         nullptr},
        NotificationCase{"ListRowsComeAndGoSilently",
                         false,
                         0,
                         [](NotifyDialog& d) {
                             d.list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
                             d.events.clear();
                             d.list.InsertItem(0, "앞");
                             d.list.DeleteItem(1);
                             d.list.DeleteAllItems();
                         },
                         {},
                         nullptr},
        NotificationCase{"ListTextOfTheMainItemAndItemDataAreItemChanges",
                         false,
                         0,
                         [](NotifyDialog& d) {
                             d.list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
                             d.events.clear();
                             d.list.SetItemText(0, 0, "바뀜");
                             d.list.SetItemText(0, 0, "바뀜");
                             d.list.SetItemData(1, 7);
                             d.list.SetItemData(1, 7);
                         },
                         {"LVN_ITEMCHANGED 0 2->2 text", "LVN_ITEMCHANGED 1 0->0 data 7"},
                         nullptr},
        NotificationCase{"TreeItemSelectedByTheProgramOpensItsParentFirst",
                         false,
                         0,
                         [](NotifyDialog& d) { d.tree.SelectItem(d.second); },
                         {"TVN_ITEMEXPANDING root open (closed now)", "TVN_SELCHANGED (none)->second selected=second"},
                         nullptr},
        NotificationCase{"TreeItemClickedByTheUser",
                         false,
                         0,
                         [](NotifyDialog& d) { TestDriver::ClickTreeItem(d.tree, d.other); },
                         {"NM_CLICK checked first=0 selected=(none)", "TVN_SELCHANGED (none)->other selected=other"},
                         nullptr},
        NotificationCase{"TreeClickAnsweredNonZeroSelectsNothing",
                         false,
                         0,
                         [](NotifyDialog& d) { TestDriver::ClickTreeItem(d.tree, d.other); },
                         {"NM_CLICK checked first=0 selected=(none)"},
                         [](NotifyDialog& d) { EXPECT_EQ(d.tree.GetSelectedItem(), nullptr); },
                         1},
        NotificationCase{
            "TreeExpandedByTheProgramNotifiesOnlyTheFirstTime",
            false,
            0,
            [](NotifyDialog& d) {
                d.tree.Expand(d.root, TVE_EXPAND);
                d.tree.Expand(d.root, TVE_COLLAPSE);
                d.tree.Expand(d.root, TVE_EXPAND);
            },
            {"TVN_ITEMEXPANDING root open (closed now)"},
            [](NotifyDialog& d) { EXPECT_TRUE(d.tree.GetItemState(d.root, TVIS_EXPANDED) & TVIS_EXPANDED); }},
        NotificationCase{
            "TreeExpandedByTheUserBeforeItOpens",
            false,
            0,
            [](NotifyDialog& d) {
                TestDriver::ClickTreeButton(d.tree, d.root);
                TestDriver::ClickTreeButton(d.tree, d.root);
            },
            {"TVN_ITEMEXPANDING root open (closed now)", "TVN_ITEMEXPANDING root close (open now)"},
            [](NotifyDialog& d) { EXPECT_FALSE(d.tree.GetItemState(d.root, TVIS_EXPANDED) & TVIS_EXPANDED); }},
        NotificationCase{
            "TreeExpansionGoesOnWhenTheAnswerIsZero",
            false,
            0,
            [](NotifyDialog& d) { TestDriver::DoubleClickTreeItem(d.tree, d.root); },
            {"NM_CLICK checked first=0 selected=(none)", "TVN_SELCHANGED (none)->root selected=root",
             "TVN_ITEMEXPANDING root open (closed now)"},
            [](NotifyDialog& d) { EXPECT_TRUE(d.tree.GetItemState(d.root, TVIS_EXPANDED) & TVIS_EXPANDED); }},
        NotificationCase{
            "TreeExpansionStopsOnANonZeroAnswer",
            false,
            1,
            [](NotifyDialog& d) { EXPECT_FALSE(d.tree.Expand(d.root, TVE_EXPAND)); },
            {"TVN_ITEMEXPANDING root open (closed now)"},
            [](NotifyDialog& d) { EXPECT_FALSE(d.tree.GetItemState(d.root, TVIS_EXPANDED) & TVIS_EXPANDED); }},
        NotificationCase{"TreeCheckBoxTogglesAfterTheClickHandler",
                         true,
                         0,
                         [](NotifyDialog& d) {
                             d.tree.Expand(d.root, TVE_EXPAND);
                             d.events.clear();
                             TestDriver::ClickTreeCheckBox(d.tree, d.first);
                         },
                         {"NM_CLICK checked first=0 selected=(none)"},
                         [](NotifyDialog& d) { EXPECT_TRUE(d.tree.GetCheck(d.first)); }},
        NotificationCase{
            "AddressFieldsTypedByTheUser",
            false,
            0,
            [](NotifyDialog& d) { TestDriver::Type(d, 1013, "10.0.0.1"); },
            {"IPN_FIELDCHANGED 0=10", "IPN_FIELDCHANGED 1=0", "IPN_FIELDCHANGED 2=0", "IPN_FIELDCHANGED 3=1"},
            [](NotifyDialog& d) {
                CString text;
                d.GetDlgItemText(1013, text);
                EXPECT_EQ(text, "10.0.0.1");
            }}));

// Typing into the IP address control key by key, as a user does: what the control then reads is the address
// typed, whatever the fields showed before.
struct AddressTypingCase {
    const char* name;
    const char* shown;  // the text the program set before the user came (nullptr: blank)
    bool click;         // the user clicks into the first field (else the focus comes to the control)
    std::function<void(CWnd&)> keys;
    const char* expected;
};

void PrintTo(const AddressTypingCase& c, std::ostream* os) { *os << c.name; }

class AddressTyping : public ::testing::TestWithParam<AddressTypingCase> {
protected:
    void SetUp() override { LoadPlatformTestResources(); }
    TestDriver driver;
};

TEST_P(AddressTyping, GivesTheAddressTyped) {
    const AddressTypingCase& c = GetParam();
    NotifyDialog dialog;
    driver.OnDialog(kControlsDialog, [&c, &dialog](CDialog& shown) {
        CWnd& address = *shown.GetDlgItem(1013);
        if (c.shown) shown.SetDlgItemText(1013, c.shown);
        TestDriver::FocusControl(*shown.GetDlgItem(1001));
        if (c.click) {
            CRect area;
            address.GetClientRect(&area);
            TestDriver::ClickAt(address, CPoint(area.Width() / 8, area.Height() / 2));
        } else {
            TestDriver::FocusControl(address);
        }
        c.keys(address);
        // The focus leaves the control, as it does before anything reads it.
        TestDriver::FocusControl(*shown.GetDlgItem(1001));
        CString text;
        shown.GetDlgItemText(1013, text);
        EXPECT_EQ(text, c.expected);
        TestDriver::Click(shown, IDCANCEL);
    });
    dialog.DoModal();
}

const auto Keys = [](const char* keys) { return [keys](CWnd& address) { TestDriver::TypeKeys(address, keys); }; };

INSTANTIATE_TEST_SUITE_P(
    KeyByKey, AddressTyping,
    ::testing::Values(
        AddressTypingCase{"DotsIntoABlankControl", nullptr, false, Keys("10.1.2.3"), "10.1.2.3"},
        AddressTypingCase{"ZerosShownAreReplaced", "0.0.0.0", false, Keys("10.1.2.3"), "10.1.2.3"},
        AddressTypingCase{"ClickIntoZerosShown", "0.0.0.0", true, Keys("10.1.2.3"), "10.1.2.3"},
        AddressTypingCase{"ClickIntoAMaskShown", "255.0.0.0", true, Keys("255.255.255.0"), "255.255.255.0"},
        AddressTypingCase{"ThreeDigitsMoveOn", nullptr, false, Keys("192168001010"), "192.168.1.10"},
        AddressTypingCase{"ADotAfterAFullFieldOnlyConfirms", nullptr, false, Keys("192.168.1.10"), "192.168.1.10"},
        AddressTypingCase{"LeadingZerosAndBigNumbers", "0.0.0.0", false, Keys("010.001.300.7"), "10.1.255.7"},
        AddressTypingCase{"BackspaceCrossesFields", nullptr, false, Keys("10.1.2.3\b\b\b7.8"), "10.1.7.8"},
        AddressTypingCase{"BackspaceErasesEverything", "1.2.3.4", true,
                          [](CWnd& address) {
                              // To the end of the last field: Right leaves each field's selection or end.
                              for (int i = 0; i < 7; ++i) TestDriver::PressKey(address, TestDriver::Key::Right);
                              TestDriver::TypeKeys(address, "\b\b\b\b\b\b\b\b");
                              TestDriver::TypeKeys(address, "9");
                          },
                          "9.0.0.0"},
        AddressTypingCase{"ArrowsCrossFields", "1.2.3.4", false,
                          [](CWnd& address) {
                              // The first field is selected; Right leaves it at its end, Right again enters the
                              // second field at its start.
                              TestDriver::PressKey(address, TestDriver::Key::Right);
                              TestDriver::PressKey(address, TestDriver::Key::Right);
                              TestDriver::TypeKeys(address, "5");
                              // Left goes before the 5, then into the first field at its end.
                              TestDriver::PressKey(address, TestDriver::Key::Left);
                              TestDriver::PressKey(address, TestDriver::Key::Left);
                              TestDriver::TypeKeys(address, "6");
                          },
                          "16.52.3.4"},
        AddressTypingCase{"PasteAWholeAddress", "0.0.0.0", true,
                          [](CWnd& address) { TestDriver::PasteText(address, " 172.16.0.5 "); }, "172.16.0.5"},
        AddressTypingCase{"PasteIntoALaterField", nullptr, false,
                          [](CWnd& address) {
                              TestDriver::TypeKeys(address, "10.");
                              TestDriver::PasteText(address, "20.30");
                          },
                          "10.20.30.0"},
        AddressTypingCase{"PasteOfSomethingElseChangesNothing", "1.2.3.4", false,
                          [](CWnd& address) {
                              TestDriver::PasteText(address, "1.2.3.400");
                              TestDriver::PasteText(address, "a.b.c.d");
                              TestDriver::PasteText(address, "x");
                          },
                          "1.2.3.4"}));

// Tab leaves the control from any field, Shift+Tab comes back to it; the dialog hears of every field the user
// changes.
TEST(AddressControl, TabLeavesItAndEveryTypedChangeIsNotified) {
    LoadPlatformTestResources();
    TestDriver driver;
    NotifyDialog dialog;
    driver.OnDialog(kControlsDialog, [&dialog](CDialog& shown) {
        CWnd& address = *shown.GetDlgItem(1013);
        TestDriver::FocusControl(address);
        dialog.events.clear();
        TestDriver::TypeKeys(address, "10.2");
        EXPECT_EQ(dialog.events, (std::vector<std::string>{"IPN_FIELDCHANGED 0=1", "IPN_FIELDCHANGED 0=10",
                                                            "IPN_FIELDCHANGED 1=2"}));
        TestDriver::PressKey(address, TestDriver::Key::Tab);
        CWnd* focus = CWnd::GetFocus();
        ASSERT_NE(focus, nullptr);
        EXPECT_NE(focus, &address);
        TestDriver::PressKey(*focus, TestDriver::Key::ShiftTab);
        EXPECT_EQ(CWnd::GetFocus(), &address);
        CString text;
        shown.GetDlgItemText(1013, text);
        EXPECT_EQ(text, "10.2.0.0");
        EXPECT_TRUE(TestDriver::SaveWindowPng(address, TestDriver::ArtifactPath("ip-address-typed.png")));
        TestDriver::Click(shown, IDCANCEL);
    });
    dialog.DoModal();
}

// A tree that writes down what its own tooltip tells it, and whether the tooltip showed by then.
class TipTree : public CTreeCtrl {
public:
    std::vector<std::string> notices;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        CToolTipCtrl* tip = GetToolTips();
        if (header->code == TTN_SHOW && tip && header->hwndFrom == tip->m_hWnd)
            notices.push_back(std::string("TTN_SHOW ") + (tip->IsWindowVisible() ? "shown" : "not shown yet"));
        return CTreeCtrl::OnNotify(wParam, lParam, pResult);
    }
};

class TipDialog : public CDialog {
public:
    TipDialog() : CDialog(kControlsDialog) {}
    TipTree tree;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 1012, tree); }
};

// The mouse resting on an item whose label the tree cuts shows its whole text in the tree's tooltip, a top-most
// window of its own over the label, after TTN_SHOW reached the tree; a label shown whole gets no tooltip.
TEST(TreeToolTip, ShowsTheWholeTextOfACutLabelAboveEverything) {
    LoadPlatformTestResources();
    TestDriver driver;
    TipDialog dialog;
    driver.OnDialog(kControlsDialog, [&dialog](CDialog& shown) {
        TestDriver::ShowTopLevel(shown);
        TipTree& tree = dialog.tree;
        const std::string longText(200, 'x');
        HTREEITEM shortItem = tree.InsertItem("짧은");
        HTREEITEM longItem = tree.InsertItem(("긴 " + longText).c_str());
        CToolTipCtrl* tip = tree.GetToolTips();
        ASSERT_NE(tip, nullptr);

        TestDriver::HoverTreeItem(tree, longItem);
        EXPECT_EQ(tree.notices, std::vector<std::string>{"TTN_SHOW not shown yet"});
        EXPECT_TRUE(tip->IsWindowVisible());
        CString text;
        tip->GetWindowText(text);
        EXPECT_EQ(text.str(), "긴 " + longText);
        EXPECT_TRUE(tip->GetExStyle() & WS_EX_TOPMOST);
        EXPECT_FALSE(tip->GetStyle() & WS_CHILD);
        CRect tipRect, treeRect;
        tip->GetWindowRect(&tipRect);
        tree.GetWindowRect(&treeRect);
        EXPECT_GT(tipRect.right, treeRect.right);

        TestDriver::HoverTreeItem(tree, shortItem);
        EXPECT_FALSE(tip->IsWindowVisible());
        EXPECT_EQ(tree.notices.size(), 1u);
        TestDriver::Click(shown, IDCANCEL);
    });
    dialog.DoModal();
}

}  // namespace
