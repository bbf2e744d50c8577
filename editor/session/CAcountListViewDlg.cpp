#include "CAcountListViewDlg.h"

#include "ApplicationLogin.h"
#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CNewAcountDlg.h"
#include "CWinApp.h"

namespace {

enum : int {
    IDC_SEARCH_EDIT = 1099,
    IDC_SEARCH_BUTTON = 1102,
    IDC_NEW_ACCOUNT_BUTTON = 1103,
    IDC_DELETE_ACCOUNT_BUTTON = 1104,
    IDC_ADMINISTRATOR_BUTTON = 1105,
    IDC_NEW_ACCOUNT_RIGHT_BUTTON = 1075,
    IDC_NEW_DOMAIN_RIGHT_BUTTON = 1076,
    IDC_ACCOUNT_LIST = 1100,
    IDC_DESCRIPTION_EDIT = 1010,
};

enum : int { COLUMN_USER, COLUMN_ADMINISTRATOR, COLUMN_NEW_ACCOUNT, COLUMN_NEW_DOMAIN, COLUMN_DESCRIPTION };

// What a row command asks, and what it shows afterwards.
struct RowCommandTexts {
    LPCTSTR question;
    LPCTSTR success;
    LPCTSTR refusal;  // shown in the dialog's box instead of the server's text; null: the server's text
};

const LPCTSTR kAdministratorRefusal = "*변경 할 수 없습니다 * \n 관리자 계정은 변경 할 수 없습니다.";

RowCommandTexts TextsOf(UINT button) {
    switch (button) {
    case IDC_DELETE_ACCOUNT_BUTTON:
        return {"선택된 계정을 삭제하시겠습니까?", "계정을 삭제하였습니다.", nullptr};
    case IDC_ADMINISTRATOR_BUTTON:
        return {"선택된 계정의 관리자 권한을 변경 하시겠습니까?", "관리자 권한을 변경하였습니다.", nullptr};
    case IDC_NEW_ACCOUNT_RIGHT_BUTTON:
        return {"선택된 계정의 새계정 권한을 변경 하시겠습니까?", "새계정 권한을 변경하였습니다.",
                kAdministratorRefusal};
    default:
        return {"선택된 계정의 새도메인 권한을 변경 하시겠습니까?", "새도메인 권한을 변경하였습니다.",
                kAdministratorRefusal};
    }
}

CString RowCommandCall(CMysqlQuery& db, UINT button, const CString& account) {
    switch (button) {
    case IDC_DELETE_ACCOUNT_BUTTON: return db.FormatCall("call acountlistViewDeleteAcount('%s')", account);
    case IDC_ADMINISTRATOR_BUTTON: return db.FormatCall("call acountlistViewToggleSupermanager('%s')", account);
    case IDC_NEW_ACCOUNT_RIGHT_BUTTON: return db.FormatCall("call acountlistViewToggleNewAcount('%s')", account);
    default: return db.FormatCall("call acountlistViewToggleNewDomain('%s')", account);
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CAcountListViewDlg, CDialogEx)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_ACCOUNT_LIST, &CAcountListViewDlg::OnAccountChanged)
    ON_BN_CLICKED(IDC_SEARCH_BUTTON, &CAcountListViewDlg::OnSearch)
    ON_BN_CLICKED(IDC_NEW_ACCOUNT_BUTTON, &CAcountListViewDlg::OnNewAccount)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_DELETE_ACCOUNT_BUTTON, IDC_ADMINISTRATOR_BUTTON, &CAcountListViewDlg::OnRowCommand)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_NEW_ACCOUNT_RIGHT_BUTTON, IDC_NEW_DOMAIN_RIGHT_BUTTON,
                     &CAcountListViewDlg::OnRowCommand)
END_MESSAGE_MAP()

void CAcountListViewDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ACCOUNT_LIST, m_listAccounts);
}

BOOL CAcountListViewDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_listAccounts.SetExtendedStyle(m_listAccounts.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listAccounts.InsertColumn(COLUMN_USER, "사용자", LVCFMT_LEFT, 150);
    m_listAccounts.InsertColumn(COLUMN_ADMINISTRATOR, "관리자", LVCFMT_LEFT, 60);
    m_listAccounts.InsertColumn(COLUMN_NEW_ACCOUNT, "새계정", LVCFMT_LEFT, 60);
    m_listAccounts.InsertColumn(COLUMN_NEW_DOMAIN, "도메인", LVCFMT_LEFT, 60);
    m_listAccounts.InsertColumn(COLUMN_DESCRIPTION, "설명", LVCFMT_LEFT, 190);
    RefreshList();
    return TRUE;
}

void CAcountListViewDlg::RefreshList() {
    m_listAccounts.DeleteAllItems();
    CString search;
    GetDlgItemText(IDC_SEARCH_EDIT, search);

    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString call = db->FormatCall("call acountlistViewAcountList('%%%s%%')", search);
    m_rows.clear();
    if (db->SelectAccountRows(call, m_rows) == -1) {
        AfxMessageBox(db->GetLastErrorText().c_str());
        return;
    }
    for (const account_row& row : m_rows) {
        m_listAccounts.InsertItem(0, row.user_id);
        m_listAccounts.SetItemText(0, COLUMN_ADMINISTRATOR, row.administrator);
        m_listAccounts.SetItemText(0, COLUMN_NEW_ACCOUNT, row.may_create_account);
        m_listAccounts.SetItemText(0, COLUMN_NEW_DOMAIN, row.may_create_domain);
        m_listAccounts.SetItemText(0, COLUMN_DESCRIPTION, row.description);
    }
}

void CAcountListViewDlg::OnAccountChanged(NMHDR*, LRESULT* pResult) {
    POSITION position = m_listAccounts.GetFirstSelectedItemPosition();
    if (!position) {
        SetDlgItemText(IDC_DESCRIPTION_EDIT, "N/A");
    } else {
        const int row = m_listAccounts.GetNextSelectedItem(position);
        SetDlgItemText(IDC_DESCRIPTION_EDIT, m_listAccounts.GetItemText(row, COLUMN_DESCRIPTION));
    }
    *pResult = 0;
}

void CAcountListViewDlg::OnSearch() { RefreshList(); }

void CAcountListViewDlg::OnNewAccount() {
    CNewAcountDlg dialog(this);
    if (dialog.DoModal() != IDOK) return;

    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call acountlistViewNewAcount('%s','%s','%s')", dialog.m_strAccountId,
                                       dialog.m_strPassword, dialog.m_strDescription)) != 0) {
        AfxMessageBox("새 계정을 생성하지 못했습니다. 관리자 계정인지 확인하세요");
        return;
    }
    if (MessageBox("새 계정을 생성하였습니다.\n새 계정으로 로그인 하시겠습니까?", "타모", MB_OKCANCEL) != IDOK) {
        RefreshList();
        return;
    }
    // The list stays as it is; after a cancelled login the editor has no connection until the next one.
    db->Close();
    if (auto* login = dynamic_cast<ApplicationLogin*>(AfxGetApp())) login->Login();
}

void CAcountListViewDlg::OnRowCommand(UINT nID) {
    POSITION position = m_listAccounts.GetFirstSelectedItemPosition();
    if (!position) {
        MessageBox("선택된 계정이 없습니다.");
        return;
    }
    const CString account = m_listAccounts.GetItemText(m_listAccounts.GetNextSelectedItem(position), COLUMN_USER);
    const RowCommandTexts texts = TextsOf(nID);
    if (MessageBox(texts.question, "클라이언트", MB_OKCANCEL) != IDOK) return;

    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(RowCommandCall(*db, nID, account)) != 0) {
        if (texts.refusal)
            MessageBox(texts.refusal);
        else
            AfxMessageBox(db->GetLastErrorText().c_str());
        return;
    }
    MessageBox(texts.success);
    RefreshList();
}
