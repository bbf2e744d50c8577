// The login dialog, driven as a user drives it, with its settings file in a folder of its own.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CLoginDlg.h"
#include "CMysqlQuery.h"
#include "EditorResources.h"
#include "LoginSettingsFile.h"
#include "Platform.h"
#include "TestDriver.h"

namespace {

namespace fs = std::filesystem;
using tamo::platform::TestDriver;

constexpr int kEdits[LOGIN_FIELD_COUNT] = {1000, 1001, 1007, 1002, 1003, 1004, 1005};

class LoginDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
        char pattern[] = "/tmp/tamo-login-dialog-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    static std::string FileBytes() {
        std::ifstream in("login.cfg", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::string Field(const std::string& text) { return text + std::string(128 - text.size(), '\0'); }

    static CString EditText(CDialog& dialog, int field) {
        CString text;
        dialog.GetDlgItemText(kEdits[field], text);
        return text;
    }

    TestDriver driver;
    fs::path folder_;
    fs::path previous_;
};

TEST_F(LoginDialogTest, AFirstRunShowsTheDefaultsAndKeepsWhatWasTyped) {
    CLoginDlg dialog;
    EXPECT_TRUE(driver.MessageBoxes().empty());
    const char* typed[] = {"10.1.2.3", "3307", "tamo", "dbuser", "dbpass", "관리자", "비밀 번호"};
    driver.OnDialog(CLoginDlg::IDD, [&](CDialog& shown) {
        EXPECT_EQ(EditText(shown, LOGIN_SERVER), "127.0.0.1");
        for (int field = 1; field < LOGIN_FIELD_COUNT; ++field) EXPECT_EQ(EditText(shown, field), "");
        EXPECT_EQ(shown.IsDlgButtonChecked(1213), 0u);
        EXPECT_EQ(shown.IsDlgButtonChecked(1214), 0u);
        for (int field = 0; field < LOGIN_FIELD_COUNT; ++field) TestDriver::Type(shown, kEdits[field], typed[field]);
        TestDriver::Click(shown, 1214);
        TestDriver::Click(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);

    // The run keeps every value; the file remembers the application account only.
    for (int field = 0; field < LOGIN_FIELD_COUNT; ++field)
        EXPECT_STREQ(dialog.GetField(LoginField(field)), typed[field]);
    EXPECT_EQ(dialog.m_bRememberDbAccount, 0);
    EXPECT_EQ(dialog.m_bRememberUserAccount, 1);
    EXPECT_EQ(FileBytes(), Field("10.1.2.3") + Field("3307") + Field("tamo") + Field("") + Field("") +
                               Field("관리자") + Field("비밀 번호"));
}

TEST_F(LoginDialogTest, TheNextRunShowsWhatWasRemembered) {
    CLoginValues remembered;
    const char* values[] = {"10.1.2.3", "3307", "tamo", "dbuser", "dbpass", "관리자", "비밀"};
    for (int field = 0; field < LOGIN_FIELD_COUNT; ++field) remembered.SetField(LoginField(field), values[field]);
    StoreLoginSettings(LOGIN_SETTINGS_FILE, remembered, true, false);

    CLoginDlg dialog;
    driver.OnDialog(CLoginDlg::IDD, [&](CDialog& shown) {
        EXPECT_EQ(EditText(shown, LOGIN_DB_ID), "dbuser");
        EXPECT_EQ(EditText(shown, LOGIN_USER_ID), "");
        EXPECT_EQ(shown.IsDlgButtonChecked(1213), 1u);
        EXPECT_EQ(shown.IsDlgButtonChecked(1214), 0u);
        TestDriver::Click(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(FileBytes(), Field("10.1.2.3") + Field("3307") + Field("tamo") + Field("dbuser") + Field("dbpass") +
                               Field("") + Field(""));
}

// The login loop shows the same dialog again after a refused login, its edits holding what was typed. The boxes
// then show what the user chose before, not whether an ID stands in the edit, and a password reaches the file
// only when its box was ticked by the user or came ticked from the file.
TEST_F(LoginDialogTest, TheSaveBoxesKeepTheUsersChoiceAcrossRetries) {
    const char* typed[] = {"10.1.2.3", "3307", "tamo", "dbuser", "dbpass", "관리자", "비밀"};
    struct Case {
        const char* what;
        bool fileRemembers;          // the settings file holds both accounts at the start
        bool clickDb, clickUser;     // clicked on the first showing
        bool retryDb, retryUser;     // the boxes on the second showing
    };
    const Case cases[] = {
        {"nothing ticked", false, false, false, false, false},
        {"the user account ticked", false, false, true, false, true},
        {"the file's database account unticked", true, true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove("login.cfg");
        if (c.fileRemembers) {
            CLoginValues remembered;
            for (int field = 0; field < LOGIN_FIELD_COUNT; ++field) remembered.SetField(LoginField(field), typed[field]);
            StoreLoginSettings(LOGIN_SETTINGS_FILE, remembered, true, true);
        }
        CLoginDlg dialog;
        driver.OnDialog(CLoginDlg::IDD, [&](CDialog& shown) {
            EXPECT_EQ(shown.IsDlgButtonChecked(1213), c.fileRemembers ? 1u : 0u);
            EXPECT_EQ(shown.IsDlgButtonChecked(1214), c.fileRemembers ? 1u : 0u);
            for (int field = 0; field < LOGIN_FIELD_COUNT; ++field) TestDriver::Type(shown, kEdits[field], typed[field]);
            if (c.clickDb) TestDriver::Click(shown, 1213);
            if (c.clickUser) TestDriver::Click(shown, 1214);
            TestDriver::Click(shown, IDOK);
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        // The login was refused: the loop shows the dialog again and the user presses "연결" once more.
        driver.OnDialog(CLoginDlg::IDD, [&](CDialog& shown) {
            EXPECT_EQ(EditText(shown, LOGIN_DB_ID), "dbuser");
            EXPECT_EQ(shown.IsDlgButtonChecked(1213), c.retryDb ? 1u : 0u);
            EXPECT_EQ(shown.IsDlgButtonChecked(1214), c.retryUser ? 1u : 0u);
            TestDriver::Click(shown, IDOK);
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(FileBytes(), Field("10.1.2.3") + Field("3307") + Field("tamo") + Field(c.retryDb ? "dbuser" : "") +
                                   Field(c.retryDb ? "dbpass" : "") + Field(c.retryUser ? "관리자" : "") +
                                   Field(c.retryUser ? "비밀" : ""));
    }
}

TEST_F(LoginDialogTest, TheDefaultConnectionKeepsTheDatabaseFields) {
    CLoginDlg dialog;
    driver.OnDialog(CLoginDlg::IDD, [&](CDialog& shown) {
        const char* typed[] = {"10.1.2.3", "3307", "tamo", "dbuser", "dbpass", "관리자", "비밀"};
        for (int field = 0; field < LOGIN_FIELD_COUNT; ++field) TestDriver::Type(shown, kEdits[field], typed[field]);
        TestDriver::Click(shown, 1006);
        EXPECT_EQ(EditText(shown, LOGIN_SERVER), "127.0.0.1");
        EXPECT_EQ(EditText(shown, LOGIN_PORT), "3306");
        EXPECT_EQ(EditText(shown, LOGIN_DB_NAME), "tamo");
        EXPECT_EQ(EditText(shown, LOGIN_DB_ID), "dbuser");
        EXPECT_EQ(EditText(shown, LOGIN_DB_PASSWORD), "dbpass");
        EXPECT_EQ(EditText(shown, LOGIN_USER_ID), "anonymous");
        EXPECT_EQ(EditText(shown, LOGIN_USER_PASSWORD), "");
        TestDriver::Click(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_STREQ(dialog.UserId(), "anonymous");
    EXPECT_STREQ(dialog.DatabasePassword(), "dbpass");
}

TEST_F(LoginDialogTest, CancelChangesNothing) {
    CLoginDlg dialog;
    driver.OnDialog(CLoginDlg::IDD, [](CDialog& shown) {
        TestDriver::Type(shown, 1000, "10.9.9.9");
        TestDriver::Click(shown, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_STREQ(dialog.ServerAddress(), "127.0.0.1");
    EXPECT_FALSE(fs::exists("login.cfg"));
}

TEST_F(LoginDialogTest, AShortFileIsReportedWhenTheDialogIsMade) {
    std::ofstream("login.cfg", std::ios::binary) << Field("srv") << std::string(372, 'x');
    driver.AnswerMessageBox(IDOK);
    CLoginDlg dialog;
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "err(fread)");
    EXPECT_STREQ(dialog.ServerAddress(), "srv");
}

TEST_F(LoginDialogTest, TheSessionShowsItsErrorsInTheApplicationsBox) {
    CLoginDlg dialog;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    db->Close();
    db->ExecuteProc("call anything()");
    driver.AnswerMessageBox(IDOK);
    db->ShowLastError();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "서버에 연결되어 있지 않습니다.");
    CMysqlQuery::GetInstance();
}

}  // namespace
