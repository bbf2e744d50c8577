#include "class_nodeproxy_stubinfo_dlg.h"

#include "CMysqlQuery.h"

namespace {

const int IDC_STUB_OBJECT_ID = 1168;
const int IDC_STUB_IP = 1169;

}  // namespace

BEGIN_MESSAGE_MAP(class_nodeproxy_stubinfo_dlg, CDialogEx)
    ON_BN_CLICKED(IDOK, &class_nodeproxy_stubinfo_dlg::OnBnClickedOk)
END_MESSAGE_MAP()

class_nodeproxy_stubinfo_dlg::class_nodeproxy_stubinfo_dlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

BOOL class_nodeproxy_stubinfo_dlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    // An entry without a stub address starts from the usual private network.
    if (m_strStubIp == "0.0.0.0") m_strStubIp = "192.168.0.0";
    SetDlgItemText(IDC_STUB_OBJECT_ID, m_strStubObjectId);
    SetDlgItemText(IDC_STUB_IP, m_strStubIp);

    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->CheckSystemLock(db->FormatCall("call check_system_lock_proxy_stub_ip(%d, %d)", m_nEntryId,
                                           m_nDeploymentId)) == 1) {
        GetDlgItem(IDC_STUB_OBJECT_ID)->EnableWindow(FALSE);
        GetDlgItem(IDC_STUB_IP)->EnableWindow(FALSE);
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        MessageBox("*상위 system과 연동 되어 있습니다*\n 현재 상위 system이 Lock 상태 입니다.");
    }
    return TRUE;
}

void class_nodeproxy_stubinfo_dlg::OnBnClickedOk() {
    GetDlgItemText(IDC_STUB_OBJECT_ID, m_strStubObjectId);
    GetDlgItemText(IDC_STUB_IP, m_strStubIp);
    EndDialog(IDOK);
}
