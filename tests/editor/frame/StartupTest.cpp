// Start-up: the login loop, the main frame's pane layout and the help window.

#include "EditorTestSupport.h"

#include <algorithm>

#include "CMysqlQuery.h"
#include "CTamoZELK_MDIDoc.h"

namespace {

using frame_test::EditorApp;
using tamo::platform::TestDriver;

class StartupTest : public frame_test::EditorTest {};

TEST_F(StartupTest, CancellingTheFirstLoginEndsWithExitCodeZeroAndNoMainWindow) {
    AnswerLoginCancel();
    char name[] = "TamoZELK_MDI";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_FALSE(CMysqlQuery::GetInstance()->IsConnected());
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(StartupTest, RefusedLoginsShowTheReasonAndTheDialogComesBackUntilOneSucceeds) {
    AnswerLogin("admin", "admin", "not the password");
    // The dialog comes back with the values of the failed attempt.
    driver.OnDialog(310, [](CDialog& dialog) {
        CString databasePassword;
        dialog.GetDlgItemText(1003, databasePassword);
        EXPECT_EQ(databasePassword, "not the password");
        TestDriver::Click(dialog, IDCANCEL);
    });
    driver.AnswerMessageBox(IDOK);
    EXPECT_FALSE(EditorApp().Login());
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    const auto& refusal = driver.MessageBoxes()[0];
    EXPECT_EQ(refusal.caption, "접속 실패");
    EXPECT_EQ(refusal.text.Find("에러 : "), 0) << refusal.text.str();
    EXPECT_NE(refusal.text.Find("Access denied"), -1) << refusal.text.str();

    AnswerLogin("admin", "wrong");
    AnswerLogin("admin", "admin");
    driver.AnswerMessageBox(IDOK);
    EXPECT_TRUE(EditorApp().Login());
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[1].text, "에러 : 보안 통과 실패");
    EXPECT_EQ(CMysqlQuery::GetInstance()->GetLoginUser(), "admin");
}

TEST_F(StartupTest, TheTreesAreTabbedWithTheSystemTreeActiveAndTheHelpWindowIsOpen) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(CMysqlQuery::GetInstance()->GetLoginUser(), "admin");

    EXPECT_TRUE(frame->GetSystemDomainView().IsTabbed());
    EXPECT_EQ(frame->GetSystemDomainView().GetTabbedPaneCount(), 3);
    EXPECT_TRUE(frame->GetSystemDomainView().IsActiveTab());
    EXPECT_FALSE(frame->GetDataDomainView().IsActiveTab());
    EXPECT_FALSE(frame->GetMethodDomainView().IsActiveTab());
    CString name;
    frame->GetSystemDomainView().GetWindowText(name);
    EXPECT_EQ(name, "SystemDomainView");
    EXPECT_EQ(frame->GetDataDomainView().GetDlgCtrlID(), 133);
    EXPECT_EQ(frame->GetMethodDomainView().GetDlgCtrlID(), 1);
    EXPECT_EQ(frame->GetSystemDomainView().GetDlgCtrlID(), 2);
    EXPECT_EQ(frame->GetOutputWnd().GetDlgCtrlID(), 149);
    EXPECT_EQ(frame->GetPropertiesWnd().GetDlgCtrlID(), 150);

    // Each tree starts with its root.
    CViewTree& systemTree = frame->GetSystemDomainView().GetTreeCtrl();
    EXPECT_EQ(systemTree.GetItemText(systemTree.GetRootItem()), "SystemDomain");

    CMDIChildWnd* active = frame->MDIGetActive();
    ASSERT_NE(active, nullptr);
    auto* document = dynamic_cast<CTamoZELK_MDIDoc*>(active->GetActiveDocument());
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->GetDiagramName(), "도움말");
    EXPECT_FALSE(document->GetExplanationText().empty());
    CString title;
    active->GetWindowText(title);
    EXPECT_EQ(title, "도움말");
    EXPECT_EQ(frame->FindHelpFrame(), active);

    const std::vector<CString> menus = TestDriver::MenuBarTitles(*frame);
    for (const char* title : {"파일", "계정관리", "보기(&V)", "도움말(&H)"})
        EXPECT_NE(std::find(menus.begin(), menus.end(), CString(title)), menus.end()) << title;
    // "보기" lists the toolbar and the panes in place of its toolbar item; the file menu's commands show their
    // images.
    std::vector<std::string> view;
    for (const auto& item : TestDriver::OpenMenuBarPopup(*frame, "보기(&V)")) view.push_back(item.text.str());
    const std::string list = "도구 모음 및 도킹 창(&T)/";
    EXPECT_EQ(view, (std::vector<std::string>{list + "표준", list + "DataDomainView", list + "MethodDomainView",
                                              list + "SystemDomainView", list + "찾기", list + "속성",
                                              list + "사용자 지정...", "상태 표시줄(&S)"}));
    for (const auto& item : TestDriver::OpenMenuBarPopup(*frame, "파일"))
        EXPECT_EQ(item.image, item.id != ID_APP_EXIT) << item.text.str();
    EXPECT_TRUE(TestDriver::SaveWindowPng(*frame, frame_test::ArtifactFile("editor-start.png").c_str()));
}

}  // namespace
