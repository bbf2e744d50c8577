#include "CEditAcountDlg.h"

namespace {

enum : int {
    IDC_OLD_PASSWORD_EDIT = 1107,
    IDC_NEW_PASSWORD_EDIT = 1108,
    IDC_CONFIRM_PASSWORD_EDIT = 1109,
    IDC_DESCRIPTION_EDIT = 1010,
};

}  // namespace

BOOL CEditAcountDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetDlgItemText(IDC_DESCRIPTION_EDIT, m_strDescription);
    return TRUE;
}

void CEditAcountDlg::OnOK() {
    GetDlgItemText(IDC_OLD_PASSWORD_EDIT, m_strOldPassword);
    GetDlgItemText(IDC_NEW_PASSWORD_EDIT, m_strNewPassword);
    GetDlgItemText(IDC_CONFIRM_PASSWORD_EDIT, m_strConfirmPassword);
    GetDlgItemText(IDC_DESCRIPTION_EDIT, m_strDescription);
    if (m_strNewPassword != m_strConfirmPassword) {
        MessageBox("비밀번호가 일치하지 않습니다.\n다시입력해 주세요.");
        return;
    }
    CDialogEx::OnOK();
}
