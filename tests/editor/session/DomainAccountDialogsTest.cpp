// The domain-account dialogs: the users of a domain with their grades, joining and leaving, the grade
// commands, and the join dialog of a private domain path.

#include "AccountDialogsTestSupport.h"

#include "CUserViewDlg.h"
#include "class_domain_info.h"
#include "class_join_domainaccount_dlg.h"

namespace {

using tamo::platform::TestDriver;

enum : int {
    IDC_SEARCH_EDIT = 1088,
    IDC_GRADE_COMBO = 1089,
    IDC_USER_LIST = 1090,
    IDC_SEARCH_BUTTON = 1091,
    IDC_JOIN_BUTTON = 1092,
    IDC_LEAVE_BUTTON = 1093,
    IDC_MANAGER_BUTTON = 1075,
    IDC_MEMBER_BUTTON = 1076,
    IDC_GUEST_BUTTON = 1077,
    IDC_PURGE_BUTTON = 1078,
};

class DomainAccountDialogsTest : public account_test::AccountDialogTest {
protected:
    // Runs the users of a domain with `script`; the test closes the dialog with "확인".
    void RunUsers(int domainId, LPCTSTR kind, std::function<void(CDialog&, CListCtrl&)> script) {
        driver.OnDialog(CUserViewDlg::IDD, [script](CDialog& dialog) {
            auto* list = dynamic_cast<CListCtrl*>(dialog.GetDlgItem(IDC_USER_LIST));
            ASSERT_NE(list, nullptr);
            script(dialog, *list);
            TestDriver::Click(dialog, IDOK);
        });
        class_domain_info domain;
        domain.id = domainId;
        CUserViewDlg dialog;
        dialog.m_strKind = kind;
        dialog.m_pDomain = &domain;
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }

    std::string GradeOf(const std::string& user, int domainId) {
        return AdminValue("SELECT grade FROM domain_member WHERE user_id = '" + user +
                          "' AND domain_id = " + std::to_string(domainId));
    }
};

TEST_F(DomainAccountDialogsTest, UsersAreListedInReverseServerOrderAndFilteredByGradeAndName) {
    std::vector<class_member_domain> rows;
    ASSERT_EQ(db->SelectMemberDomainList("call userViewUserList(2,'data','%%','all')", rows), 0);
    std::vector<std::string> reversed;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) reversed.push_back(row->user_id);
    ASSERT_GE(reversed.size(), 2u);

    RunUsers(2, "data", [&](CDialog& dialog, CListCtrl& list) {
        EXPECT_EQ(Column(list, 0), reversed);
        TestDriver::ChooseComboItem(dialog, IDC_GRADE_COMBO, 3);  // "guest"
        TestDriver::Click(dialog, IDC_SEARCH_BUTTON);
        EXPECT_EQ(Column(list, 0), std::vector<std::string>{"user"});
        EXPECT_EQ(Column(list, 1), std::vector<std::string>{"guest"});
        EXPECT_EQ(Column(list, 2), std::vector<std::string>{"일반 사용자"});
        TestDriver::ChooseComboItem(dialog, IDC_GRADE_COMBO, 0);
        TestDriver::Type(dialog, IDC_SEARCH_EDIT, "dmi");
        TestDriver::Click(dialog, IDC_SEARCH_BUTTON);
        EXPECT_EQ(Column(list, 0), std::vector<std::string>{"admin"});
    });
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(DomainAccountDialogsTest, JoiningAndLeavingReloadTheList) {
    NewAccount("domain_joiner", "pw");
    LogIn("domain_joiner", "pw");
    driver.AnswerMessageBox(IDOK);      // "가입 신청하였습니다..."
    driver.AnswerMessageBox(IDOK);      // the server: already applied
    driver.AnswerMessageBox(IDCANCEL);  // "정말로 탈퇴하시겠습니까?", declined
    driver.AnswerMessageBox(IDOK);      // the same, accepted
    driver.AnswerMessageBox(IDOK);      // "탈퇴하였습니다."
    RunUsers(1, "data", [&](CDialog& dialog, CListCtrl& list) {
        EXPECT_EQ(RowOf(list, "domain_joiner"), -1);
        TestDriver::Click(dialog, IDC_JOIN_BUTTON);
        const int row = RowOf(list, "domain_joiner");
        ASSERT_NE(row, -1);
        EXPECT_EQ(list.GetItemText(row, 1), "applicant");
        TestDriver::Click(dialog, IDC_JOIN_BUTTON);
        TestDriver::Click(dialog, IDC_LEAVE_BUTTON);
        EXPECT_NE(RowOf(list, "domain_joiner"), -1);
        TestDriver::Click(dialog, IDC_LEAVE_BUTTON);
        EXPECT_EQ(RowOf(list, "domain_joiner"), -1);
    });
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"가입 신청하였습니다.\n도메인 관리자의 승인후 가입이 완료됩니다.",
                                                    "이미 가입했거나 가입을 신청한 도메인입니다.",
                                                    "정말로 탈퇴하시겠습니까?", "정말로 탈퇴하시겠습니까?",
                                                    "탈퇴하였습니다."}));
    EXPECT_EQ(driver.MessageBoxes()[2].caption, "클라이언트");
    EXPECT_EQ(BoxOwners(), (std::vector<bool>{true, false, true, true, true}));
}

TEST_F(DomainAccountDialogsTest, GradeCommandsAskFirstAndShowTheirOwnRefusals) {
    // An applicant of Nav (1) whom the manager admin makes a member.
    NewAccount("grade_target", "pw");
    {
        tamo::testing::TestConnection target(m_server);
        ASSERT_TRUE(target.Login("grade_target", "pw"));
        ASSERT_TRUE(target.Run("call userViewJoinDomain(1,'data')").ok);
    }
    driver.AnswerMessageBox(IDOK);  // nothing selected
    driver.AnswerMessageBox(IDOK);  // the question
    driver.AnswerMessageBox(IDOK);  // "멤버 권한으로 변경하였습니다."
    RunUsers(1, "data", [&](CDialog& dialog, CListCtrl& list) {
        TestDriver::Click(dialog, IDC_PURGE_BUTTON);
        TestDriver::ClickListRow(list, RowOf(list, "grade_target"));
        TestDriver::Click(dialog, IDC_MEMBER_BUTTON);
        EXPECT_EQ(list.GetItemText(RowOf(list, "grade_target"), 1), "member");
    });
    EXPECT_EQ(GradeOf("grade_target", 1), "member");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"선택된 계정이 없습니다.",
                                                    "선택한 계정에 멤버권한을 부여 하시겠습니까?",
                                                    "멤버 권한으로 변경하였습니다."}));

    // Someone without the right: the server refuses, each command shows its own text.
    NewAccount("grade_outsider", "pw");
    LogIn("grade_outsider", "pw");
    driver.SetDefaultMessageBoxAnswer(IDOK);
    RunUsers(1, "data", [&](CDialog& dialog, CListCtrl& list) {
        for (int button : {IDC_MANAGER_BUTTON, IDC_GUEST_BUTTON, IDC_PURGE_BUTTON}) {
            TestDriver::ClickListRow(list, RowOf(list, "grade_target"));
            TestDriver::Click(dialog, button);
        }
    });
    const std::vector<std::string> texts = BoxTexts();
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 3, texts.end()),
              (std::vector<std::string>{"선택한 계정에 관리자 권한을 부여 하시겠습니까?", "root로 로그인 하세요.",
                                        "선택한 계정에 손님권한을 부여 하시겠습니까?", "손님 변경 권한이 없습니다",
                                        "선택한 계정을 추방 하시겠습니까?", "추방 권한이 없습니다"}));
    EXPECT_FALSE(driver.MessageBoxes()[4].owner);  // the manager right's refusal is the application's box
    EXPECT_TRUE(driver.MessageBoxes()[6].owner);
    EXPECT_EQ(GradeOf("grade_target", 1), "member");
}

TEST_F(DomainAccountDialogsTest, TheJoinDialogGivesThePathAsTypedAndTheTickedKind) {
    const struct {
        int radio;  // 0: left as it opens
        const char* kind;
    } cases[] = {{0, "data"}, {1163, "method"}, {1164, "system"}, {1162, "data"}};
    for (const auto& c : cases) {
        driver.OnDialog(class_join_domainaccount_dlg::IDD, [c](CDialog& dialog) {
            TestDriver::Type(dialog, 1095, "Ship\\\\조타실\\");
            if (c.radio) TestDriver::Click(dialog, c.radio);
            TestDriver::Click(dialog, IDOK);
        });
        class_join_domainaccount_dlg dialog;
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_strKind, c.kind) << c.radio;
        EXPECT_EQ(dialog.m_strPath, "Ship\\\\조타실\\");
    }
}

}  // namespace
