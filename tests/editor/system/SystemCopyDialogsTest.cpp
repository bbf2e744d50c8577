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
    // The next node or component copy dialog chooses the row of that name in the top-level domain of that name.
    void ChooseToImport(int dialogId, const std::string& domain, const std::string& name) {
        driver.OnDialog(dialogId, [dialogId, domain, name](CDialog& d) {
            Choose(d, dialogId == 414 ? 1182 : 1178, domain);
            CListCtrl& rows = dialogId == 414 ? dynamic_cast<class_copy_node_dialog&>(d).m_listRows
                                              : dynamic_cast<class_copy_component_dlg&>(d).m_listRows;
            const Rows names = ListNames(rows);
            const auto row = std::find(names.begin(), names.end(), name);
            ASSERT_NE(row, names.end()) << name;
            TestDriver::ClickListRow(rows, static_cast<int>(row - names.begin()));
            TestDriver::Click(d, IDOK);
        });
    }
};

const char* const kNothingKept = "복사를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 바뀌지 않았습니다.";

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

// "Node 가져오기" makes a copy of the node in everything it carries, as the copy of a whole domain does: the
// sample's computer (the ports of 표준장비 and its addresses), its locked sub-system node standing for 조타실
// (the addresses of 조타실's external links and the public entries of 조타실 cloned onto it) and its sensor.
TEST_F(SystemCopyDialogsTest, AnImportedNodeCarriesWhatTheOriginalCarries) {
    const std::string receiverName = UniqueName("_받는");
    const int receiver = NewSystemDomain(receiverName);
    pane.OnRefresh();
    Select(ItemAt({receiverName}));
    for (const char* name : {"항해 컴퓨터", "조타실 시스템", "기관 센서"}) {
        SCOPED_TRACE(name);
        Select(ItemAt({receiverName, "Nodes"}));
        ChooseToImport(414, "Ship", name);
        pane.OnImportNode();
        EXPECT_NE(ItemAt({receiverName, "Nodes", name}), nullptr);
        const int copy = NodeOf(receiver, name);
        ASSERT_NE(copy, 0);
        EXPECT_EQ(NodeContent(copy, false), NodeContent(NodeOf(9, name), false));
    }
    EXPECT_EQ(AdminValue("SELECT lock_flag FROM node WHERE id = " + std::to_string(NodeOf(receiver, "조타실 시스템"))),
              "Y");
    EXPECT_EQ(BoxTexts(), Rows{});
}

// The copy of a whole domain copies the sub-tree the server holds when OK is pressed: a sub-domain that another
// session moved away meanwhile stays out, one it deleted is not made again, a rename is copied as it now stands;
// a chosen domain that it deleted is refused with nothing kept.
TEST_F(SystemCopyDialogsTest, TheWholeDomainCopyCopiesTheTreeAsTheServerHoldsItWhenItRuns) {
    const ThreeLevels s = BuildThreeLevels();
    const std::string receiverName = UniqueName("_R"), renamed = s.aName + "_새";
    const int receiver = NewSystemDomain(receiverName);
    const int elsewhere = NewSystemDomain(UniqueName("_elsewhere"));
    const std::string goneName = UniqueName("_gone");
    const int gone = NewSystemDomain(goneName);
    NewSystemDomain("below", gone);
    pane.OnRefresh();
    driver.SetDefaultMessageBoxAnswer(IDOK);
    const auto copyWhileTheColleagueChanges = [&](const std::string& chosen, const Rows& colleague) {
        Select(ItemAt({receiverName}));
        driver.OnDialog(425, [&](CDialog& d) {
            auto& dialog = dynamic_cast<class_copy_system_domain_dialog&>(d);
            HTREEITEM item = ChildWithText(dialog.m_ctrlTree, dialog.m_ctrlTree.GetRootItem(), chosen);
            ASSERT_NE(item, nullptr);
            TestDriver::ClickTreeItem(dialog.m_ctrlTree, item);
            tamo::testing::TestConnection other(m_server);
            ASSERT_TRUE(other.Login("admin", "admin"));
            for (const std::string& call : colleague) ASSERT_TRUE(other.Run(call).ok) << call;
            TestDriver::Click(d, IDOK);
        });
        pane.OnMoveOrCopyDomain();
    };
    const auto id = [](int value) { return std::to_string(value); };

    copyWhileTheColleagueChanges(s.aName, {"call domainViewEditDomain(" + id(s.a) + ",'system','" + renamed +
                                               "', 0,'1','test')",
                                           "call domainViewEditUpperIDDomain(" + id(s.b) + ", " + id(elsewhere) +
                                               ",'system')",
                                           "call domainViewDeleteDomain(" + id(s.e) + ",'system')"});
    EXPECT_EQ(BoxTexts(), Rows{});
    const int copy = DomainUnder(receiver, renamed);
    ASSERT_NE(copy, 0);
    EXPECT_EQ(AdminRows("SELECT name FROM domain WHERE upper_id = " + id(copy)), Rows{});
    EXPECT_EQ(DomainContent(copy), DomainContent(s.a));
    EXPECT_NE(ItemAt({receiverName, renamed}), nullptr);

    const Rows before = SubtreeRows({receiver});
    copyWhileTheColleagueChanges(goneName, {"call domainViewDeleteDomain(" + id(gone) + ",'system')"});
    EXPECT_EQ(BoxTexts(), (Rows{"복사할 도메인이 없습니다. 다른 사용자가 지웠습니다.", kNothingKept}));
    EXPECT_EQ(SubtreeRows({receiver}), before);
    EXPECT_EQ(Children(ItemAt({receiverName})), (Rows{renamed, "Nodes", "Components"}));
}

// "Node 가져오기" and "Component 가져오기" copy what the server holds when OK is pressed, not the row the dialog
// listed: what another session renamed and changed meanwhile is copied as it now stands, what it deleted is
// refused with nothing kept (no node without ports, no component without classes) and the tree left as it was.
TEST_F(SystemCopyDialogsTest, AnImportCopiesTheItemAsTheServerHoldsItWhenItRuns) {
    const std::string sourceName = UniqueName("_보내는"), receiverName = UniqueName("_받는");
    const int source = NewSystemDomain(sourceName);
    const int receiver = NewSystemDomain(receiverName);
    const int ports = std::stoi(AdminValue("SELECT id FROM domain WHERE upper_id = 0 AND name = '표준장비'"));
    const int pc = NewNode(source, "pc", "computer", ports);
    const int gonePc = NewNode(source, "없어질 pc", "computer", ports);
    const int component = NewComponent(source, "부품");
    NewClassObject("proxy", source, component, "IWaypoint", "class_wp", "o1");
    const int goneComponent = NewComponent(source, "없어질 부품");
    NewClassObject("proxy", source, goneComponent, "IWaypoint", "class_gone", "o1");
    NewNode(receiver, "있던 pc", "computer", ports);
    pane.OnRefresh();
    Select(ItemAt({receiverName}));
    driver.SetDefaultMessageBoxAnswer(IDOK);
    const auto id = [](int value) { return std::to_string(value); };

    const struct {
        const char* what;
        int dialog;
        const char* folder;
        const char* listed;
        std::string colleague;
        const char* refusal;  // null: the copy is made, under the name the colleague gave
        const char* copied;
    } cases[] = {
        {"a renamed node", 414, "Nodes", "pc",
         "call NodeViewEditNode(" + id(pc) + ", " + id(source) + ",'새 pc','computer','새 설명', " + id(ports) + ", 0)",
         nullptr, "새 pc"},
        {"a deleted node", 414, "Nodes", "없어질 pc", "call nodeDeleteNodes(" + id(gonePc) + ")",
         "가져올 노드가 없습니다. 다른 사용자가 지웠습니다.", nullptr},
        {"a renamed component", 413, "Components", "부품",
         "call ComponentViewEditComponent(" + id(component) + "," + id(source) + ",'새 부품','새 설명')", nullptr,
         "새 부품"},
        {"a deleted component", 413, "Components", "없어질 부품",
         "call componentViewDeletecomponent(" + id(goneComponent) + "," + id(source) + ")",
         "가져올 컴포넌트가 없습니다. 다른 사용자가 지웠습니다.", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Select(ItemAt({receiverName, c.folder}));
        const Rows before = SubtreeRows({receiver});
        const Rows shown = Children(ItemAt({receiverName, c.folder}));
        const size_t boxes = BoxTexts().size();
        driver.OnDialog(c.dialog, [&](CDialog& d) {
            Choose(d, c.dialog == 414 ? 1182 : 1178, sourceName);
            CListCtrl& rows = c.dialog == 414 ? dynamic_cast<class_copy_node_dialog&>(d).m_listRows
                                              : dynamic_cast<class_copy_component_dlg&>(d).m_listRows;
            const Rows names = ListNames(rows);
            const auto row = std::find(names.begin(), names.end(), c.listed);
            ASSERT_NE(row, names.end());
            TestDriver::ClickListRow(rows, static_cast<int>(row - names.begin()));
            tamo::testing::TestConnection other(m_server);
            ASSERT_TRUE(other.Login("admin", "admin"));
            ASSERT_TRUE(other.Run(c.colleague).ok) << c.colleague;
            TestDriver::Click(d, IDOK);
        });
        if (c.dialog == 414)
            pane.OnImportNode();
        else
            pane.OnImportComponent();

        const Rows all = BoxTexts();
        const Rows told(all.begin() + static_cast<std::ptrdiff_t>(boxes), all.end());
        if (c.refusal) {
            EXPECT_EQ(told, (Rows{c.refusal, kNothingKept}));
            EXPECT_EQ(SubtreeRows({receiver}), before);
            EXPECT_EQ(Children(ItemAt({receiverName, c.folder})), shown);
            continue;
        }
        EXPECT_EQ(told, Rows{});
        EXPECT_NE(ItemAt({receiverName, c.folder, c.copied}), nullptr);
        if (c.dialog == 414) {
            EXPECT_EQ(AdminValue("SELECT description FROM node WHERE domain_id = " + id(receiver) +
                                 " AND name = " + datatree_test::SqlText(c.copied)),
                      "새 설명");
            EXPECT_EQ(NodeContent(NodeOf(receiver, c.copied)), NodeContent(pc));
        } else {
            EXPECT_EQ(AdminRows("SELECT CONCAT_WS('|', c.description, k.kind, k.class_name) FROM component c "
                                "JOIN component_class k ON k.component_id = c.id WHERE c.systemdomain_id = " +
                                id(receiver) + " AND c.name = " + datatree_test::SqlText(c.copied)),
                      Rows{"새 설명|proxy|class_wp"});
        }
    }
}

// An import or a copy whose later step the server refuses keeps nothing: the server's reason and that nothing
// was kept are shown, the receiving domain's rows are as they were, its tree shows nothing new, and trying again
// after the cause is gone meets no leftover.
TEST_F(SystemCopyDialogsTest, AnImportOrCopyThatFailsLateKeepsNothing) {
    const std::string sourceName = UniqueName("_보내는"), receiverName = UniqueName("_받는");
    const int source = NewSystemDomain(sourceName);
    const int receiver = NewSystemDomain(receiverName);
    const int component = NewComponent(source, "부품");
    NewClassObject("proxy", source, component, "IWaypoint", "class_wp", "o1");
    NewClassObject("stub", source, component, "IHeartbeat", "class_hb", "s1");
    const int pc = NewNode(source, "pc", "computer");
    Call(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", pc, "10.1.0.5", "255.255.0.0",
                        "10.1.X.X", "0.0.0.0", "0.0.0.0", "1", ""));
    // What an older design may hold and the server no longer lets in: a class name with "/", a bad address.
    const std::string componentId = std::to_string(component), pcId = std::to_string(pc);
    AdminRows("UPDATE component_class SET class_name = 'bad/name' WHERE kind = 'stub' AND component_id = " +
              componentId);
    AdminRows("UPDATE node_ip SET ip = '999.0.0.1' WHERE node_id = " + pcId);
    pane.OnRefresh();
    Select(ItemAt({receiverName}));
    const Rows before = SubtreeRows({receiver});
    driver.SetDefaultMessageBoxAnswer(IDOK);
    const auto importBoth = [&] {
        Select(ItemAt({receiverName, "Components"}));
        ChooseToImport(413, sourceName, "부품");
        pane.OnImportComponent();
        Select(ItemAt({receiverName, "Nodes"}));
        ChooseToImport(414, sourceName, "pc");
        pane.OnImportNode();
    };

    importBoth();
    Select(ItemAt({receiverName}));
    ChooseInMoveDialog({sourceName}, false);
    pane.OnMoveOrCopyDomain();

    const Rows boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 6u) << ::testing::PrintToString(boxes);
    for (size_t box = 0; box < boxes.size(); box += 2) {
        EXPECT_NE(boxes[box], "");
        EXPECT_NE(boxes[box], kNothingKept);
        EXPECT_EQ(boxes[box + 1], kNothingKept);
    }
    EXPECT_EQ(SubtreeRows({receiver}), before);
    EXPECT_EQ(Children(ItemAt({receiverName})), (Rows{"Nodes", "Components"}));
    EXPECT_EQ(Children(ItemAt({receiverName, "Nodes"})), Rows{});
    EXPECT_EQ(Children(ItemAt({receiverName, "Components"})), Rows{});

    AdminRows("UPDATE component_class SET class_name = 'class_hb' WHERE kind = 'stub' AND component_id = " +
              componentId);
    AdminRows("UPDATE node_ip SET ip = '10.1.0.5' WHERE node_id = " + pcId);
    importBoth();
    EXPECT_EQ(BoxTexts().size(), 6u);
    EXPECT_EQ(Children(ItemAt({receiverName, "Components"})), Rows{"부품"});
    EXPECT_EQ(Children(ItemAt({receiverName, "Nodes"})), Rows{"pc"});
}

}  // namespace
