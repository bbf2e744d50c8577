// The move and copy dialog of a system domain, the component and node copy dialogs, and the system tree's
// commands that open them, offscreen against the server and driven as a user would.

#include <algorithm>

#include "DialogTestControls.h"
#include "SystemCopyTestSupport.h"
#include "TreeItems.h"
#include "class_copy_component_dlg.h"
#include "class_copy_node_dialog.h"
#include "class_copy_system_domain_dialog.h"

using namespace dialog_test;
using frame_test::ChildWithText;
using systemcopy_test::ThreeLevels;
using tamo::platform::TestDriver;
using Rows = std::vector<std::string>;

namespace {

const int IDC_PATH = 1212, IDC_MOVE = 1215;

class SystemCopyDialogsTest : public systemcopy_test::SystemCopyTest {
protected:
    // The combo entries from the entry with the text on, as many as `count`.
    static Rows EntriesFrom(CWnd& dialog, int comboId, const std::string& first, std::size_t count) {
        const Rows entries = ComboEntries(dialog, comboId);
        const auto found = std::find(entries.begin(), entries.end(), first);
        if (found == entries.end()) return {};
        return Rows(found, found + std::min<std::ptrdiff_t>(count, entries.end() - found));
    }
    // The move and copy dialog of the pane's current domain: chooses the domain with these texts below the root
    // item, moving or copying it.
    void ChooseInMoveDialog(const Rows& texts, bool move) {
        driver.OnDialog(425, [texts, move](CDialog& d) {
            auto& dialog = dynamic_cast<class_copy_system_domain_dialog&>(d);
            HTREEITEM item = dialog.m_ctrlTree.GetRootItem();
            for (const std::string& text : texts) item = item ? ChildWithText(dialog.m_ctrlTree, item, text) : nullptr;
            ASSERT_NE(item, nullptr);
            dialog.m_ctrlTree.EnsureVisible(item);
            TestDriver::ClickTreeItem(dialog.m_ctrlTree, item);
            if (move) TestDriver::Click(d, IDC_MOVE);
            TestDriver::Click(d, IDOK);
        });
    }
};

TEST_F(SystemCopyDialogsTest, MoveAndCopyDialogRefusesWhatMakesNoSenseAndHandsOverTheSubTree) {
    const ThreeLevels s = BuildThreeLevels();
    class_copy_system_domain_dialog dialog;
    dialog.m_nDestinationDomainId = s.b;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(425, [&s](CDialog& d) {
        auto& copy = dynamic_cast<class_copy_system_domain_dialog&>(d);
        CTreeCtrl& tree = copy.m_ctrlTree;
        HTREEITEM root = tree.GetRootItem();
        EXPECT_EQ(tree.GetItemText(root), "System_Domain");
        HTREEITEM a = ChildWithText(tree, root, s.aName);
        HTREEITEM b = a ? ChildWithText(tree, a, "B") : nullptr;
        HTREEITEM c = b ? ChildWithText(tree, b, "C") : nullptr;
        ASSERT_NE(c, nullptr);
        tree.EnsureVisible(c);
        EXPECT_EQ(Text(d, IDOK), "복사");

        TestDriver::ClickTreeItem(tree, root);  // the root names no domain
        TestDriver::Click(d, IDOK);
        TestDriver::ClickTreeItem(tree, c);
        EXPECT_EQ(Text(d, IDC_PATH), "\\" + s.aName + "\\B\\C");
        TestDriver::Click(d, IDOK);  // already directly below the destination
        TestDriver::ClickTreeItem(tree, b);
        TestDriver::Click(d, IDOK);  // the destination itself
        TestDriver::Click(d, IDC_MOVE);
        EXPECT_EQ(Text(d, IDOK), "이동");
        TestDriver::ClickTreeItem(tree, a);
        EXPECT_EQ(Text(d, IDC_PATH), "\\" + s.aName);
        TestDriver::Click(d, IDOK);  // an ancestor cannot be moved below its own sub-domain
        EXPECT_TRUE(d.IsModalRunning());
        TestDriver::Click(d, IDC_MOVE);
        EXPECT_EQ(Text(d, IDOK), "복사");
        TestDriver::Click(d, IDOK);  // ... but copied
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), (Rows{"복사할 도메인을 선택해 주세요!", "이동 및 복사할 도메인은 복사할 경로에 이미 존재 합니다",
                                "대상 도메인이 원본 도메인의 하위 도메인 입니다",
                                "이동 대상 도메인이 부모 도메인입니다. 이동할 수 없습니다."}));
    EXPECT_EQ(dialog.m_nMove, 0);
    ASSERT_NE(dialog.m_pChosenDomain, nullptr);
    EXPECT_EQ(dialog.m_pChosenDomain->id, s.a);
    // Each domain of the sub-tree once, under its parent, after the refusals that built it before.
    std::vector<std::pair<int, int>> snapshot;
    for (const auto& [upperId, domain] : dialog.m_mapSnapshot) snapshot.emplace_back(upperId, domain.id);
    std::sort(snapshot.begin(), snapshot.end());
    EXPECT_EQ(snapshot, (std::vector<std::pair<int, int>>{{0, s.a}, {s.a, s.b}, {s.a, s.e}, {s.b, s.c}}));
}

TEST_F(SystemCopyDialogsTest, ComponentAndNodeDialogsListDomainsByLevelAndHandBackOneRow) {
    const ThreeLevels s = BuildThreeLevels();
    NewComponent(s.a, "comp2");
    driver.SetDefaultMessageBoxAnswer(IDOK);

    class_copy_component_dlg components;
    driver.OnDialog(413, [&s](CDialog& d) {
        auto& dialog = dynamic_cast<class_copy_component_dlg&>(d);
        EXPECT_EQ(EntriesFrom(d, 1178, s.aName, 4), (Rows{s.aName, "-B", "--C", "-E"}));
        TestDriver::Click(d, IDOK);  // no domain
        Choose(d, 1178, s.aName);
        // The procedure's first row is shown last.
        EXPECT_EQ(ListNames(dialog.m_listRows), (Rows{"comp2", "comp"}));
        EXPECT_EQ(dialog.m_listRows.GetItemText(1, 1), std::to_string(s.comp));
        TestDriver::Click(d, IDOK);  // no row
        TestDriver::ClickListRow(dialog.m_listRows, 1);
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(components.DoModal(), IDOK);
    ASSERT_NE(components.m_pSelectedComponent, nullptr);
    EXPECT_EQ(components.m_pSelectedComponent->component_id, s.comp);
    EXPECT_EQ(components.m_nChosenDomainId, s.a);

    class_copy_node_dialog nodes;
    driver.OnDialog(414, [&s](CDialog& d) {
        auto& dialog = dynamic_cast<class_copy_node_dialog&>(d);
        Choose(d, 1182, s.aName);
        EXPECT_EQ(ListNames(dialog.m_listRows), (Rows{"pc", "sub_b", "sub_x"}));
        TestDriver::ClickListRow(dialog.m_listRows, 0);
        // The sub-domain B right below A: another domain replaces the rows and the choice.
        const Rows entries = ComboEntries(d, 1182);
        const auto a = std::find(entries.begin(), entries.end(), s.aName);
        TestDriver::ChooseComboItem(d, 1182, static_cast<int>(a - entries.begin()) + 1);
        EXPECT_EQ(ListNames(dialog.m_listRows), Rows{"pc_b"});
        EXPECT_EQ(dialog.m_pSelectedNode, nullptr);
        TestDriver::Click(d, IDOK);
        TestDriver::ClickListRow(dialog.m_listRows, 0);
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(nodes.DoModal(), IDOK);
    ASSERT_NE(nodes.m_pSelectedNode, nullptr);
    EXPECT_EQ(nodes.m_pSelectedNode->id, s.pcB);
    EXPECT_EQ(BoxTexts(), (Rows{"Domain 선택이 않되었습니다.", "Component가 선택이 않되었습니다.",
                                "Node가 선택이 않되었습니다."}));
}

TEST_F(SystemCopyDialogsTest, TheTreeMovesCopiesAndImports) {
    const ThreeLevels s = BuildThreeLevels();
    const std::string receiverName = UniqueName("_R");
    const int receiver = NewSystemDomain(receiverName);
    pane.OnRefresh();

    // A copy leaves the source in place; the receiver shows the copy.
    Select(ItemAt({receiverName}));
    ChooseInMoveDialog({s.aName, "E"}, false);
    pane.OnMoveOrCopyDomain();
    EXPECT_NE(ItemAt({receiverName, "E"}), nullptr);
    EXPECT_NE(ItemAt({s.aName, "E"}), nullptr);

    // A move takes the domain from its old place.
    Select(ItemAt({receiverName}));
    ChooseInMoveDialog({s.aName, "B"}, true);
    pane.OnMoveOrCopyDomain();
    EXPECT_NE(ItemAt({receiverName, "B"}), nullptr);
    EXPECT_EQ(ItemAt({s.aName, "B"}), nullptr);
    EXPECT_EQ(AdminValue("SELECT upper_id FROM domain WHERE id = " + std::to_string(s.b)), std::to_string(receiver));
    EXPECT_EQ(BoxTexts(), Rows{});

    Select(ItemAt({receiverName, "Nodes"}));
    driver.OnDialog(414, [&s](CDialog& d) {
        Choose(d, 1182, s.aName);
        TestDriver::ClickListRow(dynamic_cast<class_copy_node_dialog&>(d).m_listRows, 0);
        TestDriver::Click(d, IDOK);
    });
    pane.OnImportNode();
    HTREEITEM node = ItemAt({receiverName, "Nodes", "pc"});
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(Data(node)->path, receiverName + "\\pc");
    EXPECT_EQ(NodeOf(receiver, "pc"), static_cast<class_node_info*>(Data(node)->record)->id);

    Select(ItemAt({receiverName, "Components"}));
    driver.OnDialog(413, [&s](CDialog& d) {
        Choose(d, 1178, s.aName);
        TestDriver::ClickListRow(dynamic_cast<class_copy_component_dlg&>(d).m_listRows, 0);
        TestDriver::Click(d, IDOK);
    });
    pane.OnImportComponent();
    HTREEITEM component = ItemAt({receiverName, "Components", "comp"});
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(Children(component), (Rows{"proxy", "stub"}));
    EXPECT_EQ(Children(ChildWithText(Tree(), component, "proxy")).size(), 1u);
    EXPECT_EQ(BoxTexts(), Rows{});
}

}  // namespace
