// The server-account dialogs: the account list with its search and row commands, a new account, and the
// password dialog.

#include "AccountDialogsTestSupport.h"

#include <algorithm>

#include "CAcountListViewDlg.h"
#include "CEditAcountDlg.h"

namespace {

using tamo::platform::TestDriver;

enum : int {
    IDC_SEARCH_EDIT = 1099,
    IDC_SEARCH_BUTTON = 1102,
    IDC_NEW_ACCOUNT_BUTTON = 1103,
    IDC_DELETE_BUTTON = 1104,
    IDC_ADMINISTRATOR_BUTTON = 1105,
    IDC_NEW_ACCOUNT_RIGHT_BUTTON = 1075,
    IDC_NEW_DOMAIN_RIGHT_BUTTON = 1076,
    IDC_ACCOUNT_LIST = 1100,
    IDC_DESCRIPTION_EDIT = 1010,
};

class ServerAccountDialogsTest : public account_test::AccountDialogTest {
protected:
    // Runs the account list with `script`, which ends with the dialog still open; the test closes it.
    void RunAccountList(std::function<void(CDialog&, CListCtrl&)> script) {
        driver.OnDialog(CAcountListViewDlg::IDD, [script](CDialog& dialog) {
            auto* list = dynamic_cast<CListCtrl*>(dialog.GetDlgItem(IDC_ACCOUNT_LIST));
            ASSERT_NE(list, nullptr);
            script(dialog, *list);
            TestDriver::PressEscape(dialog);
        });
        CAcountListViewDlg dialog;
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }

    static CString TextOf(CDialog& dialog, int id) {
        CString text;
        dialog.GetDlgItemText(id, text);
        return text;
    }
};

TEST_F(ServerAccountDialogsTest, AccountsAreListedInReverseServerOrderAndSearchedBetweenPercentSigns) {
    // Accounts of this test only, so that the tests that add accounts meanwhile do not change the list.
    for (const char* user : {"listed_b", "listed_c", "listed_a"}) NewAccount(user, "pw", "목록");
    std::vector<account_row> rows;
    ASSERT_EQ(db->SelectAccountRows("call acountlistViewAcountList('%listed%')", rows), 0);
    std::vector<std::string> reversed;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) reversed.push_back(row->user_id.str());
    ASSERT_EQ(reversed.size(), 3u);

    RunAccountList([&](CDialog& dialog, CListCtrl& list) {
        // At first every account is listed.
        const int admin = RowOf(list, "admin");
        ASSERT_GE(admin, 0);
        EXPECT_EQ(list.GetItemText(admin, 1), "1");
        EXPECT_EQ(list.GetItemText(admin, 4), "관리자");
        EXPECT_NE(RowOf(list, "user"), -1);

        TestDriver::ClickListRow(list, admin);
        EXPECT_EQ(TextOf(dialog, IDC_DESCRIPTION_EDIT), "관리자");
        list.SetItemState(admin, 0, LVIS_SELECTED);
        EXPECT_EQ(TextOf(dialog, IDC_DESCRIPTION_EDIT), "N/A");

        // Letters from the middle of a name find it: the text goes between two percent signs.
        TestDriver::Type(dialog, IDC_SEARCH_EDIT, "iste");
        TestDriver::Click(dialog, IDC_SEARCH_BUTTON);
        EXPECT_EQ(Column(list, 0), reversed);
        EXPECT_EQ(Column(list, 4), (std::vector<std::string>(3, "목록")));
        TestDriver::Type(dialog, IDC_SEARCH_EDIT, "dmi");
        TestDriver::Click(dialog, IDC_SEARCH_BUTTON);
        EXPECT_EQ(Column(list, 0), std::vector<std::string>{"admin"});
        TestDriver::Type(dialog, IDC_SEARCH_EDIT, "it's");
        TestDriver::Click(dialog, IDC_SEARCH_BUTTON);
        EXPECT_EQ(list.GetItemCount(), 0);
    });
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(ServerAccountDialogsTest, RowCommandsAskFirstAndShowTheirRefusals) {
    NewAccount("rights_target", "pw", "권한 대상");
    const std::string rights = "SELECT CONCAT(may_create_account, may_create_domain) FROM account "
                               "WHERE user_id = 'rights_target'";
    ASSERT_EQ(AdminValue(rights), "00");

    driver.AnswerMessageBox(IDOK);      // nothing selected
    driver.AnswerMessageBox(IDCANCEL);  // the question, declined
    driver.AnswerMessageBox(IDOK);      // the question
    driver.AnswerMessageBox(IDOK);      // "새계정 권한을 변경하였습니다."
    driver.AnswerMessageBox(IDOK);      // the question for admin's domain right
    driver.AnswerMessageBox(IDOK);      // the fixed refusal
    driver.AnswerMessageBox(IDOK);      // the question for deleting admin
    driver.AnswerMessageBox(IDOK);      // the server's refusal
    RunAccountList([&](CDialog& dialog, CListCtrl& list) {
        TestDriver::Click(dialog, IDC_DELETE_BUTTON);

        TestDriver::ClickListRow(list, RowOf(list, "rights_target"));
        TestDriver::Click(dialog, IDC_NEW_ACCOUNT_RIGHT_BUTTON);
        EXPECT_EQ(AdminValue(rights), "00");
        TestDriver::Click(dialog, IDC_NEW_ACCOUNT_RIGHT_BUTTON);
        EXPECT_EQ(AdminValue(rights), "10");
        EXPECT_EQ(list.GetItemText(RowOf(list, "rights_target"), 2), "1");

        TestDriver::ClickListRow(list, RowOf(list, "admin"));
        TestDriver::Click(dialog, IDC_NEW_DOMAIN_RIGHT_BUTTON);
        TestDriver::ClickListRow(list, RowOf(list, "admin"));
        TestDriver::Click(dialog, IDC_DELETE_BUTTON);
        EXPECT_NE(RowOf(list, "admin"), -1);
    });

    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "선택된 계정이 없습니다.",
                              "선택된 계정의 새계정 권한을 변경 하시겠습니까?",
                              "선택된 계정의 새계정 권한을 변경 하시겠습니까?",
                              "새계정 권한을 변경하였습니다.",
                              "선택된 계정의 새도메인 권한을 변경 하시겠습니까?",
                              "*변경 할 수 없습니다 * \n 관리자 계정은 변경 할 수 없습니다.",
                              "선택된 계정을 삭제하시겠습니까?",
                              "로그인한 자신의 계정은 삭제할 수 없습니다.",
                          }));
    // The questions carry the caption "클라이언트"; the server's refusal is the application's box.
    EXPECT_EQ(driver.MessageBoxes()[1].caption, "클라이언트");
    EXPECT_EQ(BoxOwners(), (std::vector<bool>{true, true, true, true, true, true, true, false}));
}

TEST_F(ServerAccountDialogsTest, ANewAccountIsCheckedCreatedAndOffersTheLogin) {
    // The first try: two passwords that differ; then an empty id; then a good one.
    driver.OnDialog(365, [](CDialog& dialog) {
        TestDriver::Type(dialog, 1099, "fresh_one");
        TestDriver::Type(dialog, 1107, "a");
        TestDriver::Type(dialog, 1108, "b");
        TestDriver::Type(dialog, 1010, "설명");
        TestDriver::Click(dialog, IDOK);
        EXPECT_EQ(TextOf(dialog, 1107), "");
        EXPECT_EQ(TextOf(dialog, 1108), "");
        EXPECT_EQ(TextOf(dialog, 1099), "fresh_one");
        EXPECT_EQ(TextOf(dialog, 1010), "설명");
        TestDriver::Type(dialog, 1099, "");
        TestDriver::Type(dialog, 1107, "pw");
        TestDriver::Type(dialog, 1108, "pw");
        TestDriver::Click(dialog, IDOK);
        TestDriver::Type(dialog, 1099, "fresh_one");
        TestDriver::Click(dialog, IDOK);
    });
    // The same id again: the server refuses, the dialog says why in its own words.
    driver.OnDialog(365, [](CDialog& dialog) {
        TestDriver::Type(dialog, 1099, "fresh_one");
        TestDriver::Click(dialog, IDOK);
    });
    driver.AnswerMessageBox(IDOK);
    driver.AnswerMessageBox(IDOK);
    driver.AnswerMessageBox(IDCANCEL);  // no login with the new account
    driver.AnswerMessageBox(IDOK);
    RunAccountList([&](CDialog& dialog, CListCtrl& list) {
        TestDriver::Click(dialog, IDC_NEW_ACCOUNT_BUTTON);
        EXPECT_NE(RowOf(list, "fresh_one"), -1);
        TestDriver::Click(dialog, IDC_NEW_ACCOUNT_BUTTON);
    });
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"비밀번호를 다시 입력해 주세요.", "계정ID를 입력해 주세요.",
                                                    "새 계정을 생성하였습니다.\n새 계정으로 로그인 하시겠습니까?",
                                                    "새 계정을 생성하지 못했습니다. 관리자 계정인지 확인하세요"}));
    EXPECT_EQ(driver.MessageBoxes()[2].caption, "타모");
    EXPECT_EQ(AdminValue("SELECT description FROM account WHERE user_id = 'fresh_one'"), "설명");
    EXPECT_EQ(LoginLoops(), 0);

    // Accepting the offer closes the session and runs the application's login loop.
    driver.OnDialog(365, [](CDialog& dialog) {
        TestDriver::Type(dialog, 1099, "fresh_two");
        TestDriver::Type(dialog, 1107, "pw");
        TestDriver::Type(dialog, 1108, "pw");
        TestDriver::Click(dialog, IDOK);
    });
    driver.AnswerMessageBox(IDOK);
    RunAccountList([&](CDialog& dialog, CListCtrl&) { TestDriver::Click(dialog, IDC_NEW_ACCOUNT_BUTTON); });
    EXPECT_EQ(LoginLoops(), 1);
    EXPECT_FALSE(db->IsConnected());
}

TEST_F(ServerAccountDialogsTest, ThePasswordDialogWantsTheNewPasswordTwice) {
    driver.OnDialog(CEditAcountDlg::IDD, [](CDialog& dialog) {
        EXPECT_EQ(TextOf(dialog, 1010), "지금 설명");
        TestDriver::Type(dialog, 1107, "old");
        TestDriver::Type(dialog, 1108, "new");
        TestDriver::Type(dialog, 1109, "neww");
        TestDriver::Click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsModalRunning());
        EXPECT_EQ(TextOf(dialog, 1109), "neww");
        // Two empty new passwords pass the dialog; the server decides.
        TestDriver::Type(dialog, 1108, "");
        TestDriver::Type(dialog, 1109, "");
        TestDriver::Type(dialog, 1010, "새 설명");
        TestDriver::Click(dialog, IDOK);
    });
    driver.AnswerMessageBox(IDOK);
    CEditAcountDlg dialog;
    dialog.m_strDescription = "지금 설명";
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"비밀번호가 일치하지 않습니다.\n다시입력해 주세요."});
    EXPECT_EQ(dialog.m_strOldPassword, "old");
    EXPECT_EQ(dialog.m_strNewPassword, "");
    EXPECT_EQ(dialog.m_strConfirmPassword, "");
    EXPECT_EQ(dialog.m_strDescription, "새 설명");
}

}  // namespace
