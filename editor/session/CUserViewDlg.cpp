#include "CUserViewDlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CWinApp.h"
#include "class_domain_info.h"

namespace {

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

enum : int { COLUMN_USER, COLUMN_GRADE, COLUMN_INFORMATION };

// What a grade command asks, what it shows on success, and the text that stands for the server's refusal.
struct GradeCommandTexts {
    LPCTSTR question;
    LPCTSTR success;
    LPCTSTR refusal;
};

GradeCommandTexts TextsOf(UINT button) {
    switch (button) {
    case IDC_MANAGER_BUTTON:
        return {"선택한 계정에 관리자 권한을 부여 하시겠습니까?", "관리자 권한으로 변경하였습니다.",
                "root로 로그인 하세요."};
    case IDC_MEMBER_BUTTON:
        return {"선택한 계정에 멤버권한을 부여 하시겠습니까?", "멤버 권한으로 변경하였습니다.",
                "멤버 변경 권한이 없습니다"};
    case IDC_GUEST_BUTTON:
        return {"선택한 계정에 손님권한을 부여 하시겠습니까?", "손님 권한으로 변경하였습니다.",
                "손님 변경 권한이 없습니다"};
    default:
        return {"선택한 계정을 추방 하시겠습니까?", "선택한 계정을 추방 하였습니다.", "추방 권한이 없습니다"};
    }
}

CString GradeCommandCall(CMysqlQuery& db, UINT button, int domainId, const CString& kind, const CString& user) {
    switch (button) {
    case IDC_MANAGER_BUTTON:
        return db.FormatCall("call userViewEditDomainUserManager(%d,'%s','%s')", domainId, kind, user);
    case IDC_MEMBER_BUTTON:
        return db.FormatCall("call userViewEditDomainUserMember(%d,'%s','%s')", domainId, kind, user);
    case IDC_GUEST_BUTTON:
        return db.FormatCall("call userViewEditDomainUserGuest(%d, '%s','%s')", domainId, kind, user);
    default:
        return db.FormatCall("call userViewEditDomainUserPurge(%d,'%s','%s')", domainId, kind, user);
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CUserViewDlg, CDialogEx)
    ON_BN_CLICKED(IDC_SEARCH_BUTTON, &CUserViewDlg::OnSearch)
    ON_BN_CLICKED(IDC_JOIN_BUTTON, &CUserViewDlg::OnJoin)
    ON_BN_CLICKED(IDC_LEAVE_BUTTON, &CUserViewDlg::OnLeave)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_MANAGER_BUTTON, IDC_PURGE_BUTTON, &CUserViewDlg::OnGradeCommand)
END_MESSAGE_MAP()

void CUserViewDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_USER_LIST, m_listUsers);
    DDX_Control(pDX, IDC_GRADE_COMBO, m_comboGrade);
}

BOOL CUserViewDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_listUsers.SetExtendedStyle(m_listUsers.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listUsers.InsertColumn(COLUMN_USER, "사용자", LVCFMT_LEFT, 150);
    m_listUsers.InsertColumn(COLUMN_GRADE, "등급", LVCFMT_LEFT, 80);
    m_listUsers.InsertColumn(COLUMN_INFORMATION, "사용자정보", LVCFMT_LEFT, 290);
    m_comboGrade.SetCurSel(0);
    RefreshList();
    return TRUE;
}

int CUserViewDlg::DomainId() const { return m_pDomain ? m_pDomain->id : 0; }

void CUserViewDlg::RefreshList() {
    m_listUsers.DeleteAllItems();
    CString search;
    GetDlgItemText(IDC_SEARCH_EDIT, search);
    CString grade;
    if (m_comboGrade.GetCurSel() >= 0) m_comboGrade.GetLBText(m_comboGrade.GetCurSel(), grade);

    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_rows.clear();
    const CString call =
        db->FormatCall("call userViewUserList(%d,'%s','%%%s%%','%s')", DomainId(), m_strKind, search, grade);
    if (db->SelectMemberDomainList(call, m_rows) == -1) {
        AfxMessageBox(db->GetLastErrorText().c_str());
        return;
    }
    for (const class_member_domain& row : m_rows) {
        m_listUsers.InsertItem(0, row.user_id.c_str());
        m_listUsers.SetItemText(0, COLUMN_GRADE, row.grade.c_str());
        m_listUsers.SetItemText(0, COLUMN_INFORMATION, row.user_info.c_str());
    }
}

void CUserViewDlg::OnSearch() { RefreshList(); }

void CUserViewDlg::OnJoin() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call userViewJoinDomain(%d,'%s')", DomainId(), m_strKind)) != 0) {
        AfxMessageBox(db->GetLastErrorText().c_str());
        return;
    }
    MessageBox("가입 신청하였습니다.\n도메인 관리자의 승인후 가입이 완료됩니다.");
    RefreshList();
}

void CUserViewDlg::OnLeave() {
    if (MessageBox("정말로 탈퇴하시겠습니까?", "클라이언트", MB_OKCANCEL) != IDOK) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call userViewSecessionDomain(%d,'%s')", DomainId(), m_strKind)) != 0) {
        AfxMessageBox(db->GetLastErrorText().c_str());
        return;
    }
    MessageBox("탈퇴하였습니다.");
    RefreshList();
}

void CUserViewDlg::OnGradeCommand(UINT nID) {
    POSITION position = m_listUsers.GetFirstSelectedItemPosition();
    if (!position) {
        MessageBox("선택된 계정이 없습니다.");
        return;
    }
    const CString user = m_listUsers.GetItemText(m_listUsers.GetNextSelectedItem(position), COLUMN_USER);
    const GradeCommandTexts texts = TextsOf(nID);
    if (MessageBox(texts.question, "클라이언트", MB_OKCANCEL) != IDOK) return;

    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(GradeCommandCall(*db, nID, DomainId(), m_strKind, user)) != 0) {
        // The manager right is refused in the application's box, the others in the dialog's.
        if (nID == IDC_MANAGER_BUTTON)
            AfxMessageBox(texts.refusal);
        else
            MessageBox(texts.refusal);
        return;
    }
    MessageBox(texts.success);
    RefreshList();
}
