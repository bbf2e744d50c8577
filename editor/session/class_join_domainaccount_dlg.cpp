#include "class_join_domainaccount_dlg.h"

#include "CDataExchange.h"

namespace {

enum : int {
    IDC_PATH_EDIT = 1095,
    IDC_DATA_DOMAIN_RADIO = 1162,
};

const LPCTSTR kKindWords[] = {"data", "method", "system"};

}  // namespace

void class_join_domainaccount_dlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_DATA_DOMAIN_RADIO, m_nKind);
}

void class_join_domainaccount_dlg::OnOK() {
    GetDlgItemText(IDC_PATH_EDIT, m_strPath);
    UpdateData(TRUE);
    m_strKind = m_nKind >= 0 && m_nKind < 3 ? kKindWords[m_nKind] : "";
    EndDialog(IDOK);
}
