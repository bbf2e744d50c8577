// "HML 문서 생성" of the running editor's method tree.

#include "EditorTestSupport.h"

#include <filesystem>
#include <string>
#include <vector>

#include "CMFCToolBar.h"
#include "DomainListTestSupport.h"
#include "FrameTestDatabase.h"
#include "class_hmlcontroller.h"

namespace {

using tamo::platform::PopupMenuCall;
using tamo::platform::TestDriver;

enum : UINT { ID_HML_DOCUMENT = 32960 };

const char* const kPrompt = "현재 Method도메인에 설계된 item들을 인쇄가능(HML)문서로 생성합니다.";

class HmlCommandTest : public frame_test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        m_server = frame_test::SampleDatabase("documents");
    }

    HTREEITEM MethodDomain(const std::string& name) {
        CTreeCtrl& tree = MainFrame()->GetMethodDomainView().GetTreeCtrl();
        for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item; item = tree.GetNextSiblingItem(item))
            if (tree.GetItemText(item).str() == name) return item;
        return nullptr;
    }

    // Right-clicks the domain's item and chooses "HML 문서 생성" from its menu, noting what the status bar
    // showed while the mouse rested on the item.
    void ChooseHmlDocument(HTREEITEM item) {
        driver.OnPopupMenu([this](PopupMenuCall& call) {
            for (const auto& entry : call.items)
                if (entry.id == ID_HML_DOCUMENT) m_enabled = entry.enabled;
            call.hover(ID_HML_DOCUMENT);
            m_prompt = StatusText();
            call.answer = ID_HML_DOCUMENT;
        });
        MainFrame()->ShowPane(&MainFrame()->GetMethodDomainView(), TRUE, FALSE, TRUE);
        CTreeCtrl& tree = MainFrame()->GetMethodDomainView().GetTreeCtrl();
        CRect rect;
        tree.GetItemRect(item, &rect, TRUE);
        TestDriver::RightClickAt(tree, rect.CenterPoint());
    }

    std::string StatusText() {
        auto* bar = dynamic_cast<CMFCStatusBar*>(MainFrame()->GetDescendantWindow(AFX_IDW_STATUS_BAR));
        return bar ? bar->GetPaneText(0).str() : "(no status bar)";
    }

    bool m_enabled = false;
    std::string m_prompt;
};

TEST_F(HmlCommandTest, WritesTheSelectedDomainsDocumentAndSaysSoOnlyWhenItWasSaved) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    HTREEITEM navService = MethodDomain("NavService");
    ASSERT_NE(navService, nullptr);

    const std::string path = (std::filesystem::current_path() / "NavService").string();
    std::filesystem::remove(path + ".hml");
    driver.AnswerFileDialog(path.c_str());
    driver.AnswerMessageBox(IDOK);
    ChooseHmlDocument(navService);
    EXPECT_TRUE(m_enabled);
    EXPECT_EQ(m_prompt, kPrompt);
    EXPECT_EQ(StatusText(), "준비");
    ASSERT_EQ(driver.FileDialogs().size(), 1u);
    EXPECT_EQ(driver.FileDialogs()[0].initialName, "NavService");
    EXPECT_EQ(driver.FileDialogs()[0].filter, "HWPML files(*.hml)|*.hml|");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"hml문서가 생성 되었습니다."});
    EXPECT_TRUE(documents_test::WellFormed(path + ".hml"));
    const std::string text = documents_test::ReadFile(path + ".hml");
    EXPECT_NE(text.find("<CHAR>10) CourseChanged</CHAR>"), std::string::npos);
    ASSERT_NE(g_pHmlController, nullptr);  // kept for the next document
    EXPECT_TRUE(g_pHmlController->GetDocumentData().m_lists.methods.empty());

    // A file that cannot be written: the failure names the path and no success follows.
    const std::string unwritable = (std::filesystem::current_path() / "no-such-folder" / "out.hml").string();
    driver.AnswerFileDialog(unwritable.c_str());
    driver.AnswerMessageBox(IDOK);
    ChooseHmlDocument(navService);
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_NE(BoxTexts()[1].find(unwritable), std::string::npos) << BoxTexts()[1];
    EXPECT_FALSE(std::filesystem::exists(unwritable));

    // Cancelled: nothing is read or said.
    driver.AnswerFileDialog("");
    ChooseHmlDocument(navService);
    EXPECT_EQ(BoxTexts().size(), 2u);
}

}  // namespace
