#include "CNewInterfaceDlg.h"

#include "CMysqlQuery.h"
#include "CodeNameRules.h"

namespace {

const int IDC_INTERFACE_NAME = 1031;
const int IDC_DESCRIPTION = 1010;

}  // namespace

BEGIN_MESSAGE_MAP(CNewInterfaceDlg, CDialogEx)
    ON_BN_CLICKED(IDOK, &CNewInterfaceDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CNewInterfaceDlg::CNewInterfaceDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

BOOL CNewInterfaceDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetDlgItemText(IDC_INTERFACE_NAME, m_strName);
    SetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    if (m_nDomainId == 0) return TRUE;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->CheckSystemLock(db->FormatCall("call check_system_lock_interface(%d, '%s')", m_nDomainId, m_strName)) ==
        1) {
        GetDlgItem(IDC_INTERFACE_NAME)->EnableWindow(FALSE);
        AfxMessageBox("*System Domain에서 System과 연결된 Interface 입니다.*\n 현재 System이 Lock 상태 이므로 수정 할 수 "
                      "없습니다.");
    }
    return TRUE;
}

void CNewInterfaceDlg::OnBnClickedOk() {
    const std::string standing = m_nDomainId != 0 ? m_strName.str() : std::string();
    GetDlgItemText(IDC_INTERFACE_NAME, m_strName);
    GetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    if (m_strName.IsEmpty()) {
        MessageBox("데이타 이름을 입력하세요");
        return;
    }
    const std::string refusal = CodeNameRefusal(CodeNameScope::Interface, m_strName.str(), standing);
    if (!refusal.empty()) {
        MessageBox(refusal.c_str());
        return;
    }
    EndDialog(IDOK);
}
