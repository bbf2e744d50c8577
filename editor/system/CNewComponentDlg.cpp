#include "CNewComponentDlg.h"

#include "CMysqlQuery.h"
#include "ComponentNameRules.h"

namespace {

const int IDC_COMPONENT_NAME = 1076;
const int IDC_COMPONENT_DESCRIPTION = 1077;

}  // namespace

BEGIN_MESSAGE_MAP(CNewComponentDlg, CDialogEx)
    ON_BN_CLICKED(IDOK, &CNewComponentDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CNewComponentDlg::CNewComponentDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

BOOL CNewComponentDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetDlgItemText(IDC_COMPONENT_NAME, m_strName);
    SetDlgItemText(IDC_COMPONENT_DESCRIPTION, m_strDescription);
    if (m_nSystemDomainId == 0) return TRUE;

    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->CheckSystemLock(db->FormatCall("call check_system_lock_component(%d, %d)", m_nSystemDomainId,
                                           m_nComponentId)) == 1) {
        MessageBox("*수정 불가*\n외부 시스템과 연결된 컴포넌트 입니다. 상위 시스템은 Lock 상태 입니다.");
        GetDlgItem(IDC_COMPONENT_NAME)->EnableWindow(FALSE);
        GetDlgItem(IDC_COMPONENT_DESCRIPTION)->EnableWindow(FALSE);
        GetDlgItem(IDOK)->EnableWindow(FALSE);
    }
    return TRUE;
}

void CNewComponentDlg::OnBnClickedOk() {
    GetDlgItemText(IDC_COMPONENT_NAME, m_strName);
    GetDlgItemText(IDC_COMPONENT_DESCRIPTION, m_strDescription);
    if (IsReservedComponentName(m_strName.str())) {
        MessageBox("proxy, stub 명은 사용 할 수 없습니다");
        return;
    }
    EndDialog(IDOK);
}
