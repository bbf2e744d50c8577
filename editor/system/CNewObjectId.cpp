#include "CNewObjectId.h"

#include <cstring>

#include "CDataExchange.h"
#include "CMysqlQuery.h"

namespace {

const int IDC_OBJECT_ID = 1114;
const int IDC_PUBLIC = 1217;

}  // namespace

BEGIN_MESSAGE_MAP(CNewObjectId, CDialogEx)
    ON_BN_CLICKED(IDOK, &CNewObjectId::OnBnClickedOk)
END_MESSAGE_MAP()

CNewObjectId::CNewObjectId(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CNewObjectId::SetInitialObjectId(const CString& objectId) {
    if (std::strcmp(objectId, "0") > 0) m_strObjectId = objectId;
}

void CNewObjectId::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PUBLIC, m_nPublic);
}

BOOL CNewObjectId::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetDlgItemText(IDC_OBJECT_ID, m_strObjectId);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->CheckSystemLock(db->FormatCall("call check_system_lock_objct(%d)", m_nLockId)) == 1) {
        GetDlgItem(IDC_PUBLIC)->EnableWindow(FALSE);
        if (m_nPublic == 1) GetDlgItem(IDC_OBJECT_ID)->EnableWindow(FALSE);
    }
    return TRUE;
}

void CNewObjectId::OnBnClickedOk() {
    UpdateData(TRUE);
    GetDlgItemText(IDC_OBJECT_ID, m_strObjectId);
    EndDialog(IDOK);
}
