// "도메인헤더 코드" end to end: chosen from the data tree's context menu on a data domain, it previews that
// domain's data header, and the preview saves it.

#include "CCodeControl.h"
#include "CCodeview.h"
#include "CContextMenuManager.h"
#include "CDataDomainTreeView.h"
#include "CFrameWnd.h"
#include "CodeWindowsTestSupport.h"
#include "CodegenTestSession.h"
#include "GoldenFile.h"

using namespace tamo::codegen::testing;
using tamo::platform::TestDriver;

namespace {

const UINT ID_DATA_HEADER_CODE = 32865;
const UINT IDR_DATA_DOMAIN_MENU = 315;
const int IDC_CODE_TEXT = 1037;
const int IDC_SAVE_CODE = 1087;

class DataTreeHeaderCode : public CodeWindowsTest {
protected:
    DataTreeHeaderCode() : CodeWindowsTest("codegen_datatree") {}

    void SetUp() override {
        CodeWindowsTest::SetUp();
        if (HasFatalFailure()) return;
        host = new CFrameWnd;  // a frame window deletes itself when it is destroyed
        ASSERT_TRUE(host->Create(nullptr, "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 700)));
        ASSERT_TRUE(pane.Create("DataDomainView", host, CRect(0, 0, 480, 680), TRUE, 133,
                                WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        TestDriver::ShowTopLevel(pane);
    }
    void TearDown() override {
        if (pane.GetSafeHwnd()) pane.DestroyWindow();
        if (host && host->GetSafeHwnd()) host->DestroyWindow();
        delete g_pCodeControl;  // the main frame's part at shutdown
        g_pCodeControl = nullptr;
        CodeWindowsTest::TearDown();
    }

    HTREEITEM Child(HTREEITEM parent, const std::string& text) {
        CViewTree& tree = pane.GetTreeCtrl();
        for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
            if (tree.GetItemText(item).str() == text) return item;
        return nullptr;
    }

    CFrameWnd* host = nullptr;
    CDataDomainTreeView pane;
};

}  // namespace

TEST_F(DataTreeHeaderCode, TheContextMenuPreviewsTheDomainsHeader) {
    CViewTree& tree = pane.GetTreeCtrl();
    HTREEITEM nav = Child(tree.GetRootItem(), "Nav");
    ASSERT_NE(nav, nullptr);
    tree.SelectItem(nav);
    HTREEITEM pos = Child(nav, "Pos");
    ASSERT_NE(pos, nullptr);
    tree.EnsureVisible(pos);
    CRect rect;
    ASSERT_TRUE(tree.GetItemRect(pos, &rect, TRUE));

    const std::string saved = Folder("datatree") + "/Pos.h";
    std::string shown;
    driver.OnDialogOf<CCodeview>(360, [&](CCodeview& view) {
        shown = view.m_strCode.str();
        CString text;
        view.GetDlgItemText(IDC_CODE_TEXT, text);
        EXPECT_EQ(text.str(), WithCrLf(shown));
        driver.AnswerFileDialog(saved.c_str());
        TestDriver::Click(view, IDC_SAVE_CODE);
        TestDriver::PressCloseBox(view);
    });

    // The application's menus, as the editor registers them.
    CContextMenuManager menus;
    menus.AddMenu("편집", IDR_DATA_DOMAIN_MENU);
    CContextMenuManager* previous = afxContextMenuManager;
    afxContextMenuManager = &menus;
    driver.AnswerPopupMenu(ID_DATA_HEADER_CODE);
    TestDriver::RightClickAt(tree, rect.CenterPoint());
    afxContextMenuManager = previous;

    ASSERT_EQ(driver.PopupMenus().size(), 1u);
    EXPECT_EQ(WithoutTimes(shown), SampleGolden("sample/data_2.h.txt"));
    EXPECT_EQ(ReadFile(saved), shown);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"저장을 완료하였습니다."});
}
