// A data or method domain named "root", which the server accepts, in the running editor: the tree's root item
// carries a record named "root" too, and at the top level the domain's path is the root's "root\", yet the
// domain is a domain like any other. It has its own menu, is edited and deleted from it, shows its own
// properties and help, loads its children with their whole paths, and is reached by its search results.

#include "EditorTestSupport.h"

#include "Class_UmlControl.h"
#include "FrameTestDatabase.h"
#include "TreeItems.h"
#include "class_domain_info.h"

namespace {

using tamo::platform::TestDriver;
using tamo::testing::TestDatabase;
using Rows = std::vector<std::string>;

enum : int { IDC_TREE_CHOICE = 110, IDC_SEARCH_WORD = 120, IDC_SEARCH_BUTTON = 130 };
enum : int { IDD_DOMAIN = 319, IDC_DOMAIN_DESCRIPTION = 1010 };

// The commands of the domain menus that the tests choose.
struct TreeCommands {
    int treeChoice;  // the search pane's tree
    UINT rootMenu, domainMenu, editDomain, deleteDomain;
    int helpTopic;   // the topic that selecting a domain shows
};
const TreeCommands kData{0, 314, 315, 32785, 32784, 25};
const TreeCommands kMethod{1, 374, 330, 32815, 32817, 26};

class RootNamedDomainTest : public frame_test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // A design database of this suite's own: its top-level domains named "root" stay out of other trees.
        m_server = frame_test::SampleDatabase("frame_root_named");
    }

    // A call as admin in a session of its own; the first cell of its data set (a new id), empty for none.
    std::string AdminCall(const std::string& call) {
        tamo::testing::TestConnection admin(m_server);
        EXPECT_TRUE(admin.Login("admin", "admin"));
        const tamo::testing::RunResult result = admin.Run(call);
        EXPECT_TRUE(result.ok) << call << ": " << result.error;
        if (result.sets.size() < 2 || result.sets[1].rows.empty()) return "";
        return result.sets[1].rows[0][0].value_or("");
    }
    std::string AdminValue(const std::string& sql) {
        std::string value = TestDatabase::AdminQuery(m_server.database, sql);
        while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
        return value;
    }

    // The domain item of that id below the item.
    HTREEITEM DomainItem(HTREEITEM parent, int id) {
        for (HTREEITEM item = m_tree->GetChildItem(parent); item; item = m_tree->GetNextSiblingItem(item)) {
            const auto* data = reinterpret_cast<const TreeNodeData*>(m_tree->GetItemData(item));
            if (data && (data->kind == TREE_DATA_DOMAIN || data->kind == TREE_METHOD_DOMAIN) &&
                static_cast<const class_domain_info*>(data->record)->id == id)
                return item;
        }
        return nullptr;
    }
    const TreeNodeData* Data(HTREEITEM item) {
        return reinterpret_cast<const TreeNodeData*>(m_tree->GetItemData(item));
    }
    Rows Children(HTREEITEM item) { return frame_test::ChildTexts(*m_tree, item); }

    // Right-clicks the item and chooses the command of its menu (0: none); the menu shown.
    UINT Menu(HTREEITEM item, UINT command = 0) {
        CRect rect;
        m_tree->EnsureVisible(item);
        m_tree->GetItemRect(item, &rect, TRUE);
        driver.AnswerPopupMenu(command);
        const size_t shown = driver.PopupMenus().size();
        TestDriver::RightClickAt(*m_tree, rect.CenterPoint());
        return driver.PopupMenus().size() > shown ? driver.PopupMenus().back().menuId : 0;
    }

    // The properties grid's rows as "group/name=value".
    Rows GridRows() {
        Rows rows;
        CMFCPropertyGridCtrl& grid = MainFrame()->GetPropertiesWnd().GetGrid();
        for (int g = 0; g < grid.GetPropertyCount(); ++g) {
            CMFCPropertyGridProperty* group = grid.GetProperty(g);
            for (int r = 0; r < group->GetSubItemsCount(); ++r)
                rows.push_back(std::string(group->GetName()) + "/" + group->GetSubItem(r)->GetName() + "=" +
                               group->GetSubItem(r)->GetValue().ToString().str());
        }
        return rows;
    }


    // Searches the tree for the word and double-clicks the result line; false when the server lists no such line.
    bool OpenSearchResult(int tree, const char* word, const std::string& line) {
        COutputWnd& output = MainFrame()->GetOutputWnd();
        auto* choice = dynamic_cast<CComboBox*>(output.GetDlgItem(IDC_TREE_CHOICE));
        if (choice == nullptr) return false;
        if (choice->GetCurSel() != tree) TestDriver::ChooseComboItem(output, IDC_TREE_CHOICE, tree);
        TestDriver::Type(output, IDC_SEARCH_WORD, word);
        TestDriver::Click(output, IDC_SEARCH_BUTTON);
        COutputList& list = output.GetResultList();
        for (int row = 0; row < list.GetCount(); ++row) {
            CString text;
            list.GetText(row, text);
            if (text.str() != line) continue;
            TestDriver::DoubleClickListBoxRow(list, row);
            return true;
        }
        return false;
    }

    // The walk through one tree: `rootId` is its domain named "root" with the sub-domain `innerId` ("안쪽"),
    // `own` the items the domain shows of its own, `deepLine` the search result of an item in the sub-domain,
    // named `deepName`.
    void WalkTheDomainNamedRoot(const TreeCommands& commands, int rootId, int innerId, const Rows& own,
                                const std::string& deepName, const std::string& deepLine) {
        CViewTree& tree = *m_tree;
        const HTREEITEM root = tree.GetRootItem();
        HTREEITEM named = DomainItem(root, rootId);
        ASSERT_NE(named, nullptr);
        EXPECT_EQ(Data(named)->path, "root\\");

        // The menus: the root item's for the root, a domain's for the domain.
        EXPECT_EQ(Menu(root), commands.rootMenu);
        EXPECT_EQ(Menu(named), commands.domainMenu);

        // Its properties and its help topic, as any other domain's.
        Class_UmlControl::get_instance()->set_explanation_text(30);
        TestDriver::ClickTreeItem(tree, root);
        EXPECT_EQ(GridRows().at(0), "사용자 정보/사용자ID=admin");
        EXPECT_EQ(ShownHelpText(), frame_test::HelpTopicText(30));
        TestDriver::ClickTreeItem(tree, named);
        EXPECT_EQ(GridRows().at(0), "도메인 정보/도메인명=root");
        EXPECT_EQ(ShownHelpText(), frame_test::HelpTopicText(commands.helpTopic));

        // Its children, with paths that begin with its own.
        Rows children = Children(named);
        EXPECT_EQ(children.front(), "안쪽");
        children.erase(children.begin());
        EXPECT_EQ(children, own);
        const HTREEITEM inner = DomainItem(named, innerId);
        ASSERT_NE(inner, nullptr);
        EXPECT_EQ(Data(inner)->path, "root\\안쪽\\");
        TestDriver::ClickTreeItem(tree, inner);
        const HTREEITEM deep = frame_test::ChildWithText(tree, DomainItem(named, innerId), deepName);
        ASSERT_NE(deep, nullptr);
        EXPECT_EQ(Data(deep)->path, "root\\안쪽\\");

        // Its search results reach it and what it holds.
        TestDriver::ClickTreeItem(tree, root);
        ASSERT_TRUE(OpenSearchResult(commands.treeChoice, "root", "[타입]domain [이름]root [경로]root\\"));
        EXPECT_EQ(tree.GetSelectedItem(), DomainItem(root, rootId));
        TestDriver::ClickTreeItem(tree, root);
        ASSERT_TRUE(OpenSearchResult(commands.treeChoice, deepName.c_str(), deepLine));
        const HTREEITEM found = tree.GetSelectedItem();
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(tree.GetItemText(found).str(), deepName);
        EXPECT_EQ(tree.GetParentItem(found), DomainItem(DomainItem(root, rootId), innerId));

        // Edited and deleted from its menu.
        named = DomainItem(root, rootId);
        driver.OnDialog(IDD_DOMAIN, [](CDialog& d) {
            TestDriver::Type(d, IDC_DOMAIN_DESCRIPTION, "고친 설명");
            TestDriver::Click(d, IDOK);
        });
        EXPECT_EQ(Menu(named, commands.editDomain), commands.domainMenu);
        EXPECT_EQ(AdminValue("SELECT CONCAT(name, '/', description) FROM domain WHERE id = " + std::to_string(rootId)),
                  "root/고친 설명");
        driver.AnswerMessageBox(IDOK);
        EXPECT_EQ(Menu(DomainItem(root, rootId), commands.deleteDomain), commands.domainMenu);
        EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE id IN (" + std::to_string(rootId) + ", " +
                             std::to_string(innerId) + ")"),
                  "0");
        EXPECT_EQ(DomainItem(root, rootId), nullptr);
        EXPECT_EQ(BoxTexts().size(), 1u);  // the question before the delete
    }

    CViewTree* m_tree = nullptr;
};

TEST_F(RootNamedDomainTest, ADataDomainNamedRootIsADomain) {
    const int rootId = std::stoi(AdminCall("call domainViewNewDomain('data', 0, 'root', 0, '1', '')"));
    const int innerId = std::stoi(AdminCall("call domainViewNewDomain('data', " + std::to_string(rootId) +
                                            ", '안쪽', 0, '1', '')"));
    AdminCall("call metadataViewNewMetadata(" + std::to_string(rootId) + ", '값', 'int8_t', 0, '', '', '')");
    AdminCall("call metadataViewNewMetadata(" + std::to_string(innerId) + ", '깊은값', 'int8_t', 0, '', '', '')");

    ASSERT_NE(StartEditor(), nullptr);
    ASSERT_TRUE(TestDriver::ClickPaneTab(MainFrame()->GetDataDomainView()));
    m_tree = &MainFrame()->GetDataDomainView().GetTreeCtrl();
    WalkTheDomainNamedRoot(kData, rootId, innerId, Rows{"값"}, "깊은값",
                           "[타입]int8_t [이름]깊은값 [경로]root\\안쪽\\");
}

TEST_F(RootNamedDomainTest, AMethodDomainNamedRootIsADomain) {
    const int rootId = std::stoi(AdminCall("call domainViewNewDomain('method', 0, 'root', 43210, '1', '')"));
    const int innerId = std::stoi(AdminCall("call domainViewNewDomain('method', " + std::to_string(rootId) +
                                            ", '안쪽', 43211, '1', '')"));
    const std::string root = std::to_string(rootId), inner = std::to_string(innerId);
    AdminCall("call interfaceViewNewInterface(" + root + ", 'method', 'I루트', '')");
    AdminCall("call methodViewNewMethod(" + root + ", 'CALL', 1, '부르기', 0, '', 0, '', '')");
    AdminCall("call methodViewNewMethod(" + inner + ", 'CALL', 2, '깊은호출', 0, '', 0, '', '')");

    ASSERT_NE(StartEditor(), nullptr);
    ASSERT_TRUE(TestDriver::ClickPaneTab(MainFrame()->GetMethodDomainView()));
    m_tree = &MainFrame()->GetMethodDomainView().GetTreeCtrl();
    WalkTheDomainNamedRoot(kMethod, rootId, innerId, Rows{"I루트", "부르기"}, "깊은호출",
                           "[타입]CALL [이름]깊은호출 [경로]root\\안쪽\\");
}

}  // namespace
