// The search pane: the word, the result lines of the server, and the double click that selects a result's
// item in the tree that was searched.

#include "EditorTestSupport.h"

#include <algorithm>

namespace {

using tamo::platform::TestDriver;

enum : int { IDC_TREE_CHOICE = 110, IDC_SEARCH_WORD = 120, IDC_SEARCH_BUTTON = 130 };

const char* const kHint = "여기에 Domain Tree Item 찾기 출력이 표시됩니다.";

class SearchPaneTest : public frame_test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        m_frame = StartEditor();
        ASSERT_NE(m_frame, nullptr);
    }

    void Search(int tree, LPCTSTR word) {
        COutputWnd& pane = m_frame->GetOutputWnd();
        if (Choice() != tree) TestDriver::ChooseComboItem(pane, IDC_TREE_CHOICE, tree);
        TestDriver::Type(pane, IDC_SEARCH_WORD, word);
        TestDriver::Click(pane, IDC_SEARCH_BUTTON);
    }
    int Choice() {
        auto* combo = dynamic_cast<CComboBox*>(m_frame->GetOutputWnd().GetDlgItem(IDC_TREE_CHOICE));
        return combo ? combo->GetCurSel() : -1;
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        COutputList& list = m_frame->GetOutputWnd().GetResultList();
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            lines.push_back(text.str());
        }
        return lines;
    }
    // The item of that text below `parent`, inserted when the tree has none.
    HTREEITEM ChildNamed(CViewTree& tree, HTREEITEM parent, LPCTSTR text) {
        for (HTREEITEM child = tree.GetChildItem(parent); child; child = tree.GetNextSiblingItem(child))
            if (tree.GetItemText(child) == text) return child;
        return tree.InsertItem(text, parent);
    }

    CMainFrame* m_frame = nullptr;
};

// At the frame's default size the result list shows several lines, and the pane grows by its separator.
TEST_F(SearchPaneTest, TheResultsShowSeveralLinesAndThePaneGrowsByItsSeparator) {
    Search(1, "위치");
    COutputList& list = m_frame->GetOutputWnd().GetResultList();
    ASSERT_GT(list.GetCount(), 1);
    const int line = list.GetItemHeight(0);
    ASSERT_GT(line, 0);
    CRect shown;
    list.GetClientRect(&shown);
    EXPECT_GE(shown.Height(), 5 * line);
    EXPECT_TRUE(TestDriver::SaveWindowPng(*m_frame, frame_test::ArtifactFile("search-results.png").c_str()));
    ASSERT_TRUE(TestDriver::DragPaneSeparator(m_frame->GetOutputWnd(), 3 * line));
    CRect grown;
    list.GetClientRect(&grown);
    EXPECT_EQ(grown.Height(), shown.Height() + 3 * line);
}

TEST_F(SearchPaneTest, AnEmptyWordIsRefusedAndEachSearchReplacesTheLastOne) {
    EXPECT_EQ(Lines(), std::vector<std::string>{kHint});

    Search(0, "Pos");
    const std::vector<std::string> data = {kHint, "[타입]domain [이름]Pos [경로]Nav\\Pos\\",
                                           "[타입]alias [이름]PosTime [경로]Nav\\Pos\\"};
    EXPECT_EQ(Lines(), data);

    driver.AnswerMessageBox(IDOK);
    Search(0, "");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"검색할 단어를 입력해 주세요"});
    EXPECT_EQ(Lines(), data);

    Search(1, "위치");
    const std::vector<std::string> methods = Lines();
    ASSERT_GE(methods.size(), 2u);
    EXPECT_EQ(methods[0], kHint);
    EXPECT_EQ(methods[1], "[타입]domain [이름]위치서비스 [경로]NavService\\위치서비스\\");
    EXPECT_EQ(m_frame->GetOutputWnd().GetResultList().GetResults().size(), methods.size() - 1);

    Search(2, "없는 이름");
    EXPECT_EQ(Lines(), std::vector<std::string>{kHint});

    // A quote in the word reaches the server as text.
    Search(2, "Operator's");
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{kHint, "[타입]domain [이름]Operator's Console [경로]Operator's Console\\"}));
}

TEST_F(SearchPaneTest, ADoubleClickSelectsTheResultInTheTreeThatWasSearched) {
    CSystemDomainTreeView& systemPane = m_frame->GetSystemDomainView();
    CViewTree& tree = systemPane.GetTreeCtrl();
    // Selecting Ship loads its sub-domains afresh, so 조타실 is looked up after each selection.
    auto room = [&] { return ChildNamed(tree, ChildNamed(tree, tree.GetRootItem(), "Ship"), "조타실"); };

    Search(2, "조타실");
    const std::vector<std::string> lines = Lines();
    const auto hit = std::find(lines.begin(), lines.end(), "[타입]domain [이름]조타실 [경로]Ship\\조타실\\");
    ASSERT_NE(hit, lines.end());
    const int row = static_cast<int>(hit - lines.begin());

    // Another tab is active and another tree chosen when the line is double-clicked.
    m_frame->ShowPane(&m_frame->GetDataDomainView(), TRUE, FALSE, TRUE);
    ASSERT_FALSE(systemPane.IsActiveTab());
    TestDriver::ChooseComboItem(m_frame->GetOutputWnd(), IDC_TREE_CHOICE, 0);

    COutputList& list = m_frame->GetOutputWnd().GetResultList();
    TestDriver::DoubleClickListBoxRow(list, 0);
    EXPECT_FALSE(systemPane.IsActiveTab());
    EXPECT_NE(tree.GetItemText(tree.GetSelectedItem()), "조타실");

    TestDriver::DoubleClickListBoxRow(list, row);
    EXPECT_TRUE(systemPane.IsActiveTab());
    ASSERT_NE(room(), nullptr);
    EXPECT_EQ(tree.GetSelectedItem(), room());
}

}  // namespace
