// The data-domain pane on the sample design: its lazy loading, paths and images, "데이타 추가" end to end, the
// domain and data commands, the item a context menu acts on, paste after the copied item was deleted, search
// paths that name missing items, and alias loops in stored data.

#include <algorithm>
#include <map>

#include "CContextMenuManager.h"
#include "CDataDomainTreeView.h"
#include "CFrameWnd.h"
#include "CTreeDataDomainControl.h"
#include "DataTreeTestSupport.h"
#include "TreePaneTestSupport.h"

using tamo::platform::TestDriver;

namespace {

class DataDomainTreeViewTest
    : public tree_test::TreePaneTest<datatree_test::DataTreeTest, CDataDomainTreeView> {
protected:
    DataDomainTreeViewTest() : TreePaneTest("datatree_pane", "DataDomainView", 133) {}

    // A data domain of the test's own at the top level, shown in the tree.
    HTREEITEM OwnDomain(const std::string& suffix, int* id = nullptr) {
        const std::string name = UniqueName(suffix);
        const int created = NewDataDomain(name);
        if (id) *id = created;
        pane.OnRefresh();
        return Child(Root(), name);
    }
    void NewData(int domainId, const std::string& name, const std::string& type) {
        Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domainId, name, type, 0,
                            "", "", ""));
    }
};

std::vector<std::string> Only(const std::vector<std::string>& names, const std::vector<std::string>& wanted) {
    std::vector<std::string> kept;
    for (const std::string& name : names)
        if (std::find(wanted.begin(), wanted.end(), name) != wanted.end()) kept.push_back(name);
    return kept;
}

TEST(DataTypeImages, EachKeywordHasItsImage) {
    const std::pair<const char*, int> cases[] = {
        {"struct", 7},       {"alias", 8},         {"enum16_t", 9},          {"char_t", 10},   {"wchar_t", 11},
        {"int64_t", 12},     {"u_int8_t", 13},     {"scaled32_t", 14},       {"u_scaled64_t", 15},
        {"ieee754_80_t", 16}, {"ip_t", 17},        {"port_t", 18},           {"domain_t", 19}, {"second_t", 20},
        {"psecond_t", 21},   {"packed_node_addr_t", 22}, {"packed_client_addr_t", 23},
        {"packed_server_addr_t", 24}, {"pksize_t", -1}, {"Struct", -1},    {"const", -1},
    };
    for (const auto& [type, image] : cases) EXPECT_EQ(CDataDomainTreeView::GetTypeImageIndex(type), image) << type;
}

TEST_F(DataDomainTreeViewTest, FirstFillIsLazyAndCarriesFullPaths) {
    HTREEITEM root = Root();
    EXPECT_EQ(Tree().GetItemText(root), "Data_Domain");
    EXPECT_EQ(Data(root)->path, "root\\");
    EXPECT_TRUE(Tree().GetItemState(root, TVIS_BOLD) & TVIS_BOLD);
    // The server lists a level by descending name; the tree shows it ascending.
    EXPECT_EQ(Only(Children(root), {"Nav", "Secret", "기본형"}), (std::vector<std::string>{"Nav", "Secret", "기본형"}));

    HTREEITEM nav = Child(root, "Nav");
    HTREEITEM pos = Child(nav, "Pos");
    HTREEITEM sensor = Child(pos, "센서");
    ASSERT_TRUE(nav && pos && sensor);
    EXPECT_EQ(Image(nav), 1);
    EXPECT_EQ(Data(sensor)->path, "Nav\\Pos\\센서\\");
    // The third level lists its data items, each structure with one field until it is opened.
    HTREEITEM reading = Child(sensor, "SensorReading");
    ASSERT_TRUE(reading);
    EXPECT_EQ(Image(reading), 7);
    EXPECT_EQ(Children(reading), std::vector<std::string>{"pos"});
    EXPECT_EQ(Data(reading)->path, "Nav\\Pos\\센서\\");

    Select(nav);
    HTREEITEM waypoint = Child(nav, "Waypoint");
    ASSERT_TRUE(waypoint);
    EXPECT_EQ(Children(waypoint).size(), 1u);
    pos = Child(nav, "Pos");
    EXPECT_EQ(Data(pos)->path, "Nav\\Pos\\");  // rebuilt below Nav, still from the top level

    Select(waypoint);
    EXPECT_EQ(Children(waypoint), (std::vector<std::string>{"이름", "번호", "radius"}));
    EXPECT_EQ(Image(Child(waypoint, "radius")), 15);

    // A second selection loads nothing again: the items stay the same.
    const HTREEITEM firstField = Tree().GetChildItem(waypoint);
    Select(nav);
    Select(waypoint);
    EXPECT_EQ(Tree().GetChildItem(waypoint), firstField);
}

// A domain opens with the first member of each of its structures and enumerations from one call, as each
// item's own list shows it (a constant with only its name, value and description); when that call fails, every
// item reads its own list and the tree shows the same.
TEST_F(DataDomainTreeViewTest, ADomainShowsTheFirstMemberOfEachItemFromOneCall) {
    int id = 0;
    HTREEITEM domain = OwnDomain("_첫멤버", &id);
    ASSERT_TRUE(domain);
    for (const char* name : {"s1", "s2", "bare"}) NewData(id, name, "struct");
    NewData(id, "mode", "enum8_t");
    NewData(id, "count", "int8_t");
    const auto field = [&](const char* data, const char* member, const char* type, const char* scmin) {
        Call(db->FormatCall("call metadataViewNewMetafield(%d,'%s','%s',%d,'%s',%d,'%s','%s','%s','%s',%d,'%s')", id,
                            data, member, 16, type, 0, "", scmin, "9", "NO", 0, "설명"));
    };
    field("s1", "a", "int16_t", "-1");
    field("s1", "b", "u_int16_t", "");
    field("s2", "x", "int32_t", "0.5");  // 16 bits: an integer type
    field("mode", "ON", "enum8_t", "1");
    field("mode", "OFF", "enum8_t", "0");

    // What each item shows, with what its record holds.
    const auto shownFirsts = [&](HTREEITEM item) {
        std::vector<std::string> lines;
        for (HTREEITEM data = Tree().GetChildItem(item); data; data = Tree().GetNextSiblingItem(data)) {
            std::string line = Tree().GetItemText(data).str() + ":";
            for (HTREEITEM member = Tree().GetChildItem(data); member; member = Tree().GetNextSiblingItem(member)) {
                const auto* record = static_cast<const class_datafield_info*>(Data(member)->record);
                line += " " + Tree().GetItemText(member).str() + " " + std::to_string(Image(member)) + " " +
                        std::to_string(Data(member)->kind) + " " + record->type + "/" + record->scmin + "/" +
                        std::to_string(record->bitsize) + "/" + record->description + "/" + record->data_name;
            }
            lines.push_back(line);
        }
        return lines;
    };
    pane.OnRefresh();
    domain = Child(Root(), UniqueName("_첫멤버"));
    ASSERT_TRUE(domain);
    // Its domain list and its items in one round trip, then the first members of all its items.
    EXPECT_EQ(CallsOf([&] { Select(domain); }), 3);
    const std::vector<std::string> expected = {
        "s1: a 12 4 int16_t/-1/16/설명/s1", "s2: x 12 4 int32_t/0.5/16/설명/s2", "bare:",
        "mode: ON 26 5 /1/0/설명/", "count:"};
    EXPECT_EQ(shownFirsts(domain), expected);

    // Without that call each item asks for its own list.
    const std::string procedure = "`" + m_server.database + "`.`metadataViewFirstMetafields`";
    tamo::testing::TestDatabase::AdminQuery(m_server.database, "REVOKE EXECUTE ON PROCEDURE " + procedure +
                                                                   " FROM 'tamo'@'%'");
    pane.OnRefresh();
    domain = Child(Root(), UniqueName("_첫멤버"));
    ASSERT_TRUE(domain);
    Select(domain);
    tamo::testing::TestDatabase::AdminQuery(m_server.database, "GRANT EXECUTE ON PROCEDURE " + procedure +
                                                                   " TO 'tamo'@'%'");
    EXPECT_EQ(shownFirsts(domain), expected);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

// Every item below `parent`: its text, image, kind and path, indented by depth.
std::vector<std::string> DumpTree(CTreeCtrl& tree, HTREEITEM parent, int depth = 0) {
    std::vector<std::string> lines;
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        int image = 0, selected = 0;
        tree.GetItemImage(item, image, selected);
        const auto* data = reinterpret_cast<TreeNodeData*>(tree.GetItemData(item));
        lines.push_back(std::string(depth * 2, ' ') + tree.GetItemText(item).str() + " " + std::to_string(image) +
                        "/" + std::to_string(selected) + " " + (data ? std::to_string(data->kind) + " " + data->path
                                                                     : std::string("-")));
        for (std::string& line : DumpTree(tree, item, depth + 1)) lines.push_back(std::move(line));
    }
    return lines;
}

// The sample's own top-level domains with everything below them (other tests add domains at the same time),
// and their paths.
const std::vector<std::string> kSampleTops = {"Nav", "Secret", "기본형"};

std::vector<std::string> DumpSample(CTreeCtrl& tree, HTREEITEM root) {
    std::vector<std::string> lines;
    for (HTREEITEM item = tree.GetChildItem(root); item; item = tree.GetNextSiblingItem(item)) {
        const std::string text = tree.GetItemText(item).str();
        if (std::find(kSampleTops.begin(), kSampleTops.end(), text) == kSampleTops.end()) continue;
        lines.push_back(text);
        for (std::string& line : DumpTree(tree, item, 1)) lines.push_back(std::move(line));
    }
    return lines;
}

std::map<int, std::string> SamplePaths(const std::map<int, std::string>& paths) {
    std::map<int, std::string> kept;
    for (const auto& [id, path] : paths)
        for (const std::string& top : kSampleTops)
            if (path.starts_with(top + "\\")) kept[id] = path;
    return kept;
}

TEST_F(DataDomainTreeViewTest, TheFirstFillIsWhatTheRootsOwnLoadShows) {
    // The pane fills the tree as the root's first load fills it (two levels deep, the third level's structures
    // with their first field) and marks the root loaded: loading the root again changes nothing.
    HTREEITEM root = Root();
    const std::vector<std::string> first = DumpSample(Tree(), root);
    const std::map<int, std::string> paths = SamplePaths(db->GetDomainIdList("data"));
    ASSERT_GT(first.size(), 10u);
    ASSERT_EQ(paths.size(), 5u);
    EXPECT_TRUE(Tree().GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
    auto* rootDomain = static_cast<class_domain_info*>(Data(root)->record);
    EXPECT_EQ(rootDomain->loaded, 1);

    rootDomain->loaded = 0;
    pane.OnSelectTreeItem(&root);
    EXPECT_EQ(DumpSample(Tree(), root), first);
    EXPECT_EQ(SamplePaths(db->GetDomainIdList("data")), paths);

    // "새로고침" fills it the same way again.
    pane.OnRefresh();
    EXPECT_EQ(DumpSample(Tree(), Root()), first);
}

TEST_F(DataDomainTreeViewTest, AddDataAppendsTheItemAndARefusalLeavesTheTree) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain("_자료", &domainId);
    ASSERT_TRUE(domain);
    NewData(domainId, "first", "struct");
    Select(domain);
    ASSERT_EQ(Children(domain), std::vector<std::string>{"first"});

    auto add = [this](const char* name, const char* type) {
        driver.OnDialog(320, [name, type](CDialog& d) {
            TestDriver::Type(d, 1010, name);
            auto* combo = dynamic_cast<CComboBox*>(d.GetDlgItem(1011));
            TestDriver::ChooseComboItem(d, 1011, combo->FindStringExact(-1, type));
            TestDriver::Click(d, IDOK);
        });
        pane.OnAddData();
    };
    add("값_1", "int16_t");
    EXPECT_EQ(Children(domain), (std::vector<std::string>{"first", "값_1"}));
    HTREEITEM added = Child(domain, "값_1");
    EXPECT_EQ(Image(added), 12);
    EXPECT_EQ(Data(added)->kind, TREE_DATA_ITEM);
    EXPECT_EQ(Data(added)->path, Data(domain)->path);
    EXPECT_TRUE(Tree().GetItemState(domain, TVIS_EXPANDED) & TVIS_EXPANDED);

    // The same name again: the server's text, and the tree as it was.
    driver.AnswerMessageBox(IDOK);
    add("값_1", "char_t");
    EXPECT_EQ(Children(domain), (std::vector<std::string>{"first", "값_1"}));
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0], db->GetLastErrorText());

    // With a data item selected the item goes into its domain.
    Select(added);
    add("둘째", "ip_t");
    EXPECT_EQ(Children(domain), (std::vector<std::string>{"first", "값_1", "둘째"}));

    // Edit: text, image and record follow.
    Select(added);
    driver.OnDialog(320, [](CDialog& d) {
        TestDriver::Type(d, 1010, "값_1b");
        auto* combo = dynamic_cast<CComboBox*>(d.GetDlgItem(1011));
        TestDriver::ChooseComboItem(d, 1011, combo->FindStringExact(-1, "scaled8_t"));
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditData();
    EXPECT_EQ(Tree().GetItemText(added), "값_1b");
    EXPECT_EQ(Image(added), 14);
    EXPECT_EQ(static_cast<class_metadata_info*>(Data(added)->record)->scmin, "-100.0");

    // Delete: only after OK.
    driver.AnswerMessageBox(IDCANCEL);
    pane.OnDeleteData();
    EXPECT_TRUE(Child(domain, "값_1b"));
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteData();
    EXPECT_EQ(Children(domain), (std::vector<std::string>{"first", "둘째"}));
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM data_item WHERE domain_id = " + std::to_string(domainId)), "2");
}

TEST_F(DataDomainTreeViewTest, DomainCommandsKeepTheirNames) {
    HTREEITEM parent = OwnDomain("_상위_도메인");
    ASSERT_TRUE(parent);
    Select(parent);
    const std::string childName = "하위_도메인";
    driver.OnDialog(319, [&](CDialog& d) {
        TestDriver::Type(d, 1007, childName.c_str());
        TestDriver::Click(d, IDOK);
    });
    pane.OnAddDomain();
    HTREEITEM child = Child(parent, childName);
    ASSERT_TRUE(child);
    EXPECT_EQ(Data(child)->path, UniqueName("_상위_도메인") + "\\" + childName + "\\");
    EXPECT_TRUE(Tree().GetItemState(parent, TVIS_EXPANDED) & TVIS_EXPANDED);

    Select(child);
    driver.OnDialog(319, [](CDialog& d) {
        TestDriver::Type(d, 1007, "고친_이름");
        TestDriver::Click(d, IDOK);
    });
    pane.OnEditDomain();
    EXPECT_EQ(Tree().GetItemText(child), "고친_이름");
    EXPECT_EQ(static_cast<class_domain_info*>(Data(child)->record)->name, "고친_이름");

    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteDomain();
    EXPECT_EQ(Child(parent, "고친_이름"), nullptr);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "타모");
    EXPECT_EQ(driver.MessageBoxes()[0].type, static_cast<UINT>(MB_OKCANCEL));
}

TEST_F(DataDomainTreeViewTest, ContextMenuActsOnTheItemUnderTheCursor) {
    int parentId = 0;
    HTREEITEM parent = OwnDomain("_menu", &parentId);
    NewDataDomain("A", parentId);
    const int b = NewDataDomain("B", parentId);
    NewData(b, "inside", "int8_t");
    Select(parent);
    HTREEITEM itemA = Child(parent, "A");
    HTREEITEM itemB = Child(parent, "B");
    ASSERT_TRUE(itemA && itemB);
    Select(itemA);
    TestDriver::ClickTreeButton(Tree(), itemB);  // expanding B makes it the current item
    ASSERT_EQ(pane.GetSelectedItemData(), Data(itemB));

    // The application's menus, as the editor registers them.
    CContextMenuManager menus;
    menus.AddMenu("편집", 315);
    CContextMenuManager* previous = afxContextMenuManager;
    afxContextMenuManager = &menus;
    driver.AnswerPopupMenu(32784);  // "도메인 삭제"
    driver.AnswerMessageBox(IDOK);
    CRect rect;
    Tree().GetItemRect(itemA, &rect, TRUE);
    TestDriver::RightClickAt(Tree(), rect.CenterPoint());
    afxContextMenuManager = previous;

    ASSERT_EQ(driver.PopupMenus().size(), 1u);
    EXPECT_EQ(driver.PopupMenus()[0].menuId, 315u);
    EXPECT_EQ(Children(parent), std::vector<std::string>{"B"});
    EXPECT_EQ(AdminValue("SELECT name FROM domain WHERE upper_id = " + std::to_string(parentId)), "B");
}

TEST_F(DataDomainTreeViewTest, PasteReadsTheCopiedRecordAfterItsItemWasDeleted) {
    int sourceId = 0, targetId = 0;
    const std::string sourceName = UniqueName("_from"), targetName = UniqueName("_to");
    sourceId = NewDataDomain(sourceName);
    targetId = NewDataDomain(targetName);
    NewData(sourceId, "kept", "int8_t");
    NewData(sourceId, "gone", "int8_t");
    pane.OnRefresh();
    HTREEITEM source = Child(Root(), sourceName);
    HTREEITEM target = Child(Root(), targetName);
    Select(target);
    Select(source);

    driver.AnswerMessageBox(IDOK);
    pane.OnPasteData();  // nothing copied yet
    Select(Child(source, "kept"));
    pane.OnCopyData();
    Select(target);
    pane.OnPasteData();
    EXPECT_EQ(Children(target), std::vector<std::string>{"kept"});

    Select(Child(source, "gone"));
    pane.OnCopyData();
    driver.AnswerMessageBox(IDOK);
    pane.OnDeleteData();
    ASSERT_EQ(Child(source, "gone"), nullptr);
    Select(target);
    driver.AnswerMessageBox(IDOK);
    pane.OnPasteData();  // the server no longer has it: its text, and nothing is inserted
    EXPECT_EQ(Children(target), std::vector<std::string>{"kept"});
    const std::vector<std::string> texts = BoxTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "복사할 대상이 없습니다");
    EXPECT_EQ(texts[2], db->GetLastErrorText());
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM data_item WHERE domain_id = " + std::to_string(targetId)), "1");
}

TEST_F(DataDomainTreeViewTest, SearchPathStopsAtTheDeepestMatch) {
    pane.SelectItemByPath("[타입]struct [이름]SensorReading [경로]Nav\\Pos\\센서\\");
    HTREEITEM reading = Tree().GetSelectedItem();
    ASSERT_TRUE(reading);
    EXPECT_EQ(Tree().GetItemText(reading), "SensorReading");
    EXPECT_EQ(pane.GetSelectedItemData(), Data(reading));

    pane.SelectItemByPath("[타입]int8_t [이름]Nope [경로]Nav\\Gone\\Deeper\\");
    EXPECT_EQ(Tree().GetItemText(Tree().GetSelectedItem()), "Nav");
}

TEST_F(DataDomainTreeViewTest, AliasCyclesInStoredDataAreNotFollowed) {
    int domainId = 0;
    HTREEITEM domain = OwnDomain("_loop", &domainId);
    NewData(domainId, "S1", "struct");
    NewData(domainId, "S2", "struct");
    // Past the procedures, which refuse such loops: S1.f refers to S2, whose field g refers back to S1.
    const std::string id = std::to_string(domainId);
    AdminRows("INSERT INTO data_field (data_id, seq, member_name, type, real_domain_id, real_data_name, description) "
              "SELECT i.id, 1, IF(i.name = 'S1', 'f', 'g'), 'alias', " + id + ", IF(i.name = 'S1', 'S2', 'S1'), '' "
              "FROM data_item i WHERE i.domain_id = " + id);
    Select(domain);
    HTREEITEM s1 = Child(domain, "S1");
    Select(s1);
    HTREEITEM f = Child(s1, "f");
    ASSERT_TRUE(f);
    HTREEITEM g = Child(f, "g");
    ASSERT_TRUE(g);
    EXPECT_EQ(Tree().GetChildItem(g), nullptr);
    EXPECT_EQ(Data(g)->path, "");
}

TEST_F(DataDomainTreeViewTest, FieldAndConstantDialogsReloadTheItem) {
    HTREEITEM basic = Child(Root(), "기본형");
    Select(basic);
    HTREEITEM state = Child(basic, "상태");
    ASSERT_TRUE(state);
    Select(state);
    driver.OnDialog(337, [](CDialog& d) { TestDriver::Click(d, IDOK); });
    pane.OnDataConstants();
    EXPECT_EQ(Children(state), (std::vector<std::string>{"정지", "운항", "정박"}));
    EXPECT_EQ(Image(Tree().GetChildItem(state)), 26);
    EXPECT_EQ(Data(Tree().GetChildItem(state))->kind, TREE_ENUM_CONSTANT);

    HTREEITEM nav = Child(Root(), "Nav");
    Select(nav);
    HTREEITEM waypoint = Child(nav, "Waypoint");
    Select(waypoint);
    driver.OnDialog(328, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    pane.OnDataFields();
    EXPECT_EQ(Children(waypoint), (std::vector<std::string>{"이름", "번호", "radius"}));
    EXPECT_TRUE(Tree().GetItemState(waypoint, TVIS_EXPANDED) & TVIS_EXPANDED);
}

// The pane deletes the command object when it goes and forgets it, so that the next pane makes a new one.
TEST_F(DataDomainTreeViewTest, ThePaneDeletesItsCommandObjectAndForgetsIt) {
    HTREEITEM domain = OwnDomain("_command");
    ASSERT_TRUE(domain);
    Select(domain);
    driver.OnDialog(338, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    pane.OnAddParentDomain();
    ASSERT_NE(g_pTreeDataDomainControl, nullptr);
    pane.DestroyWindow();
    EXPECT_EQ(g_pTreeDataDomainControl, nullptr);

    CDataDomainTreeView second;
    ASSERT_TRUE(second.Create("DataDomainView", host, CRect(0, 0, 480, 680), TRUE, 133,
                              WS_CHILD | WS_VISIBLE | CBRS_LEFT));
    second.GetTreeCtrl().SelectItem(second.GetTreeCtrl().GetRootItem());
    driver.OnDialog(338, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    second.OnAddParentDomain();
    EXPECT_NE(g_pTreeDataDomainControl, nullptr);
    second.DestroyWindow();
    EXPECT_EQ(g_pTreeDataDomainControl, nullptr);
    EXPECT_TRUE(BoxTexts().empty());
}

}  // namespace
