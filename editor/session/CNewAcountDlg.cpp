#include "CNewAcountDlg.h"

namespace {

enum : int {
    IDC_ACCOUNT_ID_EDIT = 1099,
    IDC_PASSWORD_EDIT = 1107,
    IDC_PASSWORD_AGAIN_EDIT = 1108,
    IDC_DESCRIPTION_EDIT = 1010,
};

}  // namespace

BOOL CNewAcountDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_strPassword.Empty();
    m_strPasswordAgain.Empty();
    SetDlgItemText(IDC_ACCOUNT_ID_EDIT, m_strAccountId);
    SetDlgItemText(IDC_PASSWORD_EDIT, m_strPassword);
    SetDlgItemText(IDC_PASSWORD_AGAIN_EDIT, m_strPasswordAgain);
    SetDlgItemText(IDC_DESCRIPTION_EDIT, m_strDescription);
    return TRUE;
}

void CNewAcountDlg::OnOK() {
    GetDlgItemText(IDC_ACCOUNT_ID_EDIT, m_strAccountId);
    GetDlgItemText(IDC_PASSWORD_EDIT, m_strPassword);
    GetDlgItemText(IDC_PASSWORD_AGAIN_EDIT, m_strPasswordAgain);
    GetDlgItemText(IDC_DESCRIPTION_EDIT, m_strDescription);
    if (m_strPassword != m_strPasswordAgain) {
        MessageBox("비밀번호를 다시 입력해 주세요.");
        SetDlgItemText(IDC_PASSWORD_EDIT, "");
        SetDlgItemText(IDC_PASSWORD_AGAIN_EDIT, "");
        return;
    }
    if (m_strAccountId.IsEmpty()) {
        MessageBox("계정ID를 입력해 주세요.");
        return;
    }
    CDialogEx::OnOK();
}
