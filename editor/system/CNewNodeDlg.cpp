#include "CNewNodeDlg.h"

#include <vector>

#include "CDataExchange.h"
#include "DataDialogControls.h"
#include "SystemDialogControls.h"
#include "class_node_info.h"

namespace {

const int IDC_NODE_TYPE = 1062;
const int IDC_NODE_NAME = 1063;
const int IDC_NODE_DESCRIPTION = 1067;
const int IDC_SEARCH_DOMAIN = 1072;
const int IDC_SUB_SYSTEM = 1199;
const int IDC_UNLOCK = 1240;
const int IDC_LOCK = 1241;
const int IDC_LOCK_LABEL = 1242;

}  // namespace

BEGIN_MESSAGE_MAP(CNewNodeDlg, CDialogEx)
    ON_CBN_SELCHANGE(IDC_NODE_TYPE, &CNewNodeDlg::OnTypeChanged)
    ON_CBN_SELCHANGE(IDC_SUB_SYSTEM, &CNewNodeDlg::OnSubSystemChanged)
    ON_BN_CLICKED(IDC_SEARCH_DOMAIN, &CNewNodeDlg::OnBnClickedSearch)
    ON_BN_CLICKED(IDOK, &CNewNodeDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CNewNodeDlg::CNewNodeDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CNewNodeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NODE_TYPE, m_comboType);
    DDX_Control(pDX, IDC_SUB_SYSTEM, m_comboSubSystem);
    DDX_Radio(pDX, IDC_UNLOCK, m_nLock);
}

BOOL CNewNodeDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    if (m_strType == "urouter") m_strType = "router";
    SetDlgItemText(IDC_NODE_NAME, m_strName);
    SetDlgItemText(IDC_NODE_DESCRIPTION, m_strDescription);
    SelectExactComboEntry(m_comboType, m_strType);

    if (!m_strSubSystemDomainName.IsEmpty()) {
        m_comboSubSystem.InsertString(0, m_strSubSystemDomainName);
        m_comboSubSystem.SetItemData(0, static_cast<DWORD_PTR>(m_nSubSystemDomainId));
        m_comboSubSystem.SetCurSel(0);
        m_comboSubSystem.EnableWindow(FALSE);
        m_comboType.EnableWindow(FALSE);
        GetDlgItem(IDC_SEARCH_DOMAIN)->EnableWindow(FALSE);
    } else {
        m_comboSubSystem.SetCurSel(0);
    }
    TakeSubSystemDomainId();
    UpdateLockControls();
    return TRUE;
}

void CNewNodeDlg::TakeSubSystemDomainId() {
    if (m_comboSubSystem.GetCurSel() != CB_ERR)
        m_nSubSystemDomainId = static_cast<int>(GetComboSelectionData(m_comboSubSystem));
}

void CNewNodeDlg::UpdateLockControls() {
    const bool lockable = StandsForSubSystem(GetComboSelectionText(m_comboType).str());
    const int show = lockable ? SW_SHOW : SW_HIDE;
    GetDlgItem(IDC_LOCK_LABEL)->ShowWindow(show);
    GetDlgItem(IDC_UNLOCK)->ShowWindow(show);
    GetDlgItem(IDC_LOCK)->ShowWindow(show);
    if (!lockable) {
        m_nLock = 0;
        // The hidden radios say the same, so that OK reads no lock that cannot be seen.
        CheckRadioButton(IDC_UNLOCK, IDC_LOCK, IDC_UNLOCK);
    }
}

void CNewNodeDlg::OnTypeChanged() { UpdateLockControls(); }

void CNewNodeDlg::OnSubSystemChanged() {
    if (m_comboSubSystem.GetCurSel() == CB_ERR) {
        m_comboSubSystem.SetCurSel(-1);
        return;
    }
    TakeSubSystemDomainId();
}

void CNewNodeDlg::OnBnClickedSearch() {
    std::vector<class_domain_info> chosen;
    if (!ChooseDomains("system", chosen)) return;
    // The chosen domains go ahead of the earlier entries, in the chooser's order.
    for (size_t position = 0; position < chosen.size(); ++position) {
        const int index = m_comboSubSystem.InsertString(static_cast<int>(position), chosen[position].name.c_str());
        m_comboSubSystem.SetItemData(index, static_cast<DWORD_PTR>(chosen[position].id));
    }
    m_comboSubSystem.SetCurSel(0);
    TakeSubSystemDomainId();
}

void CNewNodeDlg::OnBnClickedOk() {
    CString subSystem;
    m_comboSubSystem.GetWindowText(subSystem);
    if (subSystem.IsEmpty()) {
        MessageBox("서브시스템을 입력 하세요.", "입력오류", MB_OK);
        return;
    }
    m_strSubSystemDomainName = subSystem;
    GetDlgItemText(IDC_NODE_NAME, m_strName);
    m_comboType.GetWindowText(m_strType);
    GetDlgItemText(IDC_NODE_DESCRIPTION, m_strDescription);
    if (m_strName.Find(':') != -1) {
        MessageBox(": 특수문자는 입력 할 수 없습니다.");
        return;
    }
    if (m_strName.IsEmpty() || m_strType.IsEmpty()) {
        MessageBox("이름 또는 타입을 입력 해 주세요");
        return;
    }
    UpdateData(TRUE);
    EndDialog(IDOK);
}
