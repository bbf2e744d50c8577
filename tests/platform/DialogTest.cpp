#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::TestDriver;

namespace {

// The controls dialog with members bound by data exchange.
class ControlsDialog : public CDialog {
public:
    ControlsDialog() : CDialog(kControlsDialog) {}

    CString name;
    CString password;
    CString notes;
    int remember = 0;
    int kind = -1;
    int count = 0;
    bool refuseOk = false;
    int initCalls = 0;
    int okCalls = 0;
    int checkClicks = 0;
    CEdit nameEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 1001, nameEdit);
        DDX_Text(pDX, 1001, name);
        DDX_Text(pDX, 1002, password);
        DDX_Text(pDX, 1003, notes);
        DDX_Check(pDX, 1004, remember);
        DDX_Radio(pDX, 1005, kind);
    }
    BOOL OnInitDialog() override {
        ++initCalls;
        return CDialog::OnInitDialog();
    }
    void OnOK() override {
        ++okCalls;
        UpdateData(TRUE);
        if (refuseOk && name.IsEmpty()) return;
        CDialog::OnOK();
    }
    afx_msg void OnCheck() { ++checkClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ControlsDialog, CDialog)
    ON_BN_CLICKED(1014, &ControlsDialog::OnCheck)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { LoadPlatformTestResources(); }
    TestDriver driver;
};

TEST_F(DialogTest, DataExchangeMovesMembersIntoControlsAndBack) {
    ControlsDialog dialog;
    dialog.name = "서버 주소";
    dialog.password = "비밀";
    dialog.notes = "첫 줄\r\n둘째 줄";
    dialog.remember = 1;
    dialog.kind = 2;
    driver.OnDialog(kControlsDialog, [](CDialog& shown) {
        CString text;
        shown.GetDlgItemText(1001, text);
        EXPECT_EQ(text, "서버 주소");
        shown.GetDlgItemText(1003, text);
        EXPECT_EQ(text, "첫 줄\r\n둘째 줄");
        EXPECT_EQ(shown.IsDlgButtonChecked(1004), 1u);
        EXPECT_EQ(shown.IsDlgButtonChecked(1007), 1u);
        EXPECT_EQ(shown.IsDlgButtonChecked(1005), 0u);
        TestDriver::Type(shown, 1001, "새 이름");
        TestDriver::Click(shown, 1004);
        TestDriver::Click(shown, 1005);
        TestDriver::Click(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.initCalls, 1);
    EXPECT_EQ(dialog.name, "새 이름");
    EXPECT_EQ(dialog.password, "비밀");
    EXPECT_EQ(dialog.notes, "첫 줄\r\n둘째 줄");
    EXPECT_EQ(dialog.remember, 0);
    EXPECT_EQ(dialog.kind, 0);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.nameEdit.m_hWnd, nullptr);
}

TEST_F(DialogTest, OkThatRefusesKeepsTheDialogOpen) {
    ControlsDialog dialog;
    dialog.refuseOk = true;
    driver.OnDialog(kControlsDialog, [&dialog](CDialog& shown) {
        TestDriver::Click(shown, IDOK);
        EXPECT_TRUE(dialog.IsModalRunning());
        EXPECT_TRUE(shown.IsWindowVisible());
        TestDriver::Click(shown, 1014);
        // The click left the focus on "검사"; the user goes back into the edit to type.
        TestDriver::FocusControl(*shown.GetDlgItem(1001));
        TestDriver::Type(shown, 1001, "x");
        TestDriver::PressEnter(shown);
        EXPECT_FALSE(dialog.IsModalRunning());
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.okCalls, 2);
    EXPECT_EQ(dialog.checkClicks, 1);
    EXPECT_EQ(dialog.name, "x");
}

// The controls dialog that copies the name into the password edit when the name edit loses the focus, and
// writes down what each handler sees.
class FocusDialog : public CDialog {
public:
    FocusDialog() : CDialog(kControlsDialog) {}
    std::vector<std::string> events;

protected:
    afx_msg void OnNameLeft() {
        CString name;
        GetDlgItemText(1001, name);
        SetDlgItemText(1002, name);
        events.push_back("EN_KILLFOCUS");
    }
    afx_msg void OnCheck() {
        CString copied;
        GetDlgItemText(1002, copied);
        events.push_back("BN_CLICKED " + copied.str());
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FocusDialog, CDialog)
    ON_EN_KILLFOCUS(1001, &FocusDialog::OnNameLeft)
    ON_BN_CLICKED(1014, &FocusDialog::OnCheck)
END_MESSAGE_MAP()

TEST_F(DialogTest, AClickTakesTheFocusBeforeTheButtonHearsOfIt) {
    FocusDialog dialog;
    driver.OnDialog(kControlsDialog, [&dialog](CDialog& shown) {
        TestDriver::FocusControl(*shown.GetDlgItem(1001));
        TestDriver::Type(shown, 1001, "7");
        dialog.events.clear();
        TestDriver::Click(shown, 1014);
        EXPECT_EQ(dialog.events, (std::vector<std::string>{"EN_KILLFOCUS", "BN_CLICKED 7"}));
        EXPECT_EQ(CWnd::GetFocus(), shown.GetDlgItem(1014));
        // A second click finds the focus where the first left it: the edit hears nothing more.
        TestDriver::Click(shown, 1014);
        EXPECT_EQ(dialog.events.size(), 3u);
        TestDriver::Click(shown, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, EscapeCloseBoxAndCancelEndWithCancel) {
    for (int way = 0; way < 3; ++way) {
        ControlsDialog dialog;
        driver.OnDialog(kControlsDialog, [way](CDialog& shown) {
            if (way == 0) TestDriver::PressEscape(shown);
            if (way == 1) TestDriver::PressCloseBox(shown);
            if (way == 2) TestDriver::Click(shown, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "way " << way;
        EXPECT_EQ(dialog.okCalls, 0);
    }
}

TEST_F(DialogTest, AnUnansweredDialogFailsTheTestInsteadOfHanging) {
    ControlsDialog dialog;
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE(result = dialog.DoModal(), "no script answers dialog 9000 \"컨트롤 모음\"");
    EXPECT_EQ(result, IDCANCEL);
    ControlsDialog lingering;
    driver.OnDialog(kControlsDialog, [](CDialog&) {});
    EXPECT_NONFATAL_FAILURE(result = lingering.DoModal(), "dialog 9000 \"컨트롤 모음\" is still open after its script");
    EXPECT_EQ(result, IDCANCEL);
}

}  // namespace

namespace {

// A dialog that reads a number from edit 1001.
class NumberDialog : public CDialog {
public:
    NumberDialog() : CDialog(kControlsDialog) {}
    int number = 7;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 1001, number); }
};

TEST_F(DialogTest, ANumberThatDoesNotReadKeepsTheDialogOpenWithAMessage) {
    NumberDialog dialog;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(kControlsDialog, [&dialog](CDialog& shown) {
        CString text;
        shown.GetDlgItemText(1001, text);
        EXPECT_EQ(text, "7");
        TestDriver::Type(shown, 1001, "12a");
        TestDriver::Click(shown, IDOK);
        EXPECT_TRUE(dialog.IsModalRunning());
        TestDriver::Type(shown, 1001, " -12 ");
        TestDriver::Click(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.number, -12);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "정수를 입력하십시오.");
}

TEST_F(DialogTest, ModelessDialogsAndTemplateLists) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kControlsDialog));
    EXPECT_FALSE(dialog.IsWindowVisible());  // the template has no WS_VISIBLE
    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.IsWindowVisible());
    auto* list = dynamic_cast<CComboBox*>(dialog.GetDlgItem(1008));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetCount(), 2);
    CString first;
    list->GetLBText(0, first);
    EXPECT_EQ(first, "하나");
    CRect units(0, 0, 4, 8);
    dialog.MapDialogRect(&units);
    EXPECT_GT(units.right, 0);
    EXPECT_GT(units.bottom, units.right);
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, ScreenshotOfTheLoginDialog) {
    CDialog login(310);
    CString saved;
    driver.OnDialog(310, [&saved](CDialog& shown) {
        shown.SetDlgItemText(1000, "127.0.0.1");
        shown.SetDlgItemText(1001, "3306");
        shown.SetDlgItemText(1007, "tamo");
        shown.SetDlgItemText(1002, "tamo");
        shown.SetDlgItemText(1003, "tamo");
        shown.SetDlgItemText(1004, "admin");
        shown.SetDlgItemText(1005, "admin");
        shown.CheckDlgButton(1214, BST_CHECKED);
        saved = TestDriver::ArtifactPath("dialog-310.png");
        EXPECT_TRUE(TestDriver::SaveWindowPng(shown, saved));
        CString caption;
        shown.GetWindowText(caption);
        EXPECT_EQ(caption, "서버 접속");
        TestDriver::Click(shown, IDCANCEL);
    });
    EXPECT_EQ(login.DoModal(), IDCANCEL);
    EXPECT_FALSE(saved.IsEmpty());
}

}  // namespace
