#include "CNewMetadataDlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CTreeDataDomainControl.h"
#include "DataDialogControls.h"
#include "CodeNameRules.h"

namespace {

const char* const kRealDataNotFound =
    " 을(를) 서버에서 찾을 수 없습니다. 다른 사용자가 삭제했거나 옮겼습니다.\n실제 데이타를 다시 고르세요.";

const int IDC_DATA_NAME = 1010;
const int IDC_DATA_TYPE = 1011;
const int IDC_REAL_DOMAIN = 1013;
const int IDC_REAL_DATA = 1014;
const int IDC_MINIMUM = 1015;
const int IDC_MAXIMUM = 1016;
const int IDC_DESCRIPTION = 1017;
const int IDC_ADD_REAL_DOMAIN = 1058;

}  // namespace

BEGIN_MESSAGE_MAP(CNewMetadataDlg, CDialogEx)
    ON_CBN_SELCHANGE(IDC_DATA_TYPE, &CNewMetadataDlg::OnTypeChanged)
    ON_CBN_SELCHANGE(IDC_REAL_DOMAIN, &CNewMetadataDlg::OnRealDomainChanged)
    ON_BN_CLICKED(IDC_ADD_REAL_DOMAIN, &CNewMetadataDlg::OnAddRealDomain)
    ON_BN_CLICKED(IDOK, &CNewMetadataDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CNewMetadataDlg::CNewMetadataDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CNewMetadataDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DATA_TYPE, m_comboType);
    DDX_Control(pDX, IDC_REAL_DOMAIN, m_comboRealDomain);
    DDX_Control(pDX, IDC_REAL_DATA, m_comboRealData);
    DDX_Control(pDX, IDC_ADD_REAL_DOMAIN, m_buttonAddDomain);
}

BOOL CNewMetadataDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    if (m_nEditMode == 0) {
        m_strName.Empty();
        m_strType.Empty();
        m_strRealDomain.Empty();
        m_strRealData.Empty();
        m_strDescription.Empty();
        m_strMin = "0";
        m_strMax = "0";
        SetDlgItemText(IDC_DATA_NAME, m_strName);
        m_comboType.SetCurSel(-1);
        m_comboRealDomain.SetCurSel(-1);
        m_comboRealData.SetCurSel(-1);
        SetDlgItemText(IDC_MINIMUM, m_strMin);
        SetDlgItemText(IDC_MAXIMUM, m_strMax);
        SetDlgItemText(IDC_DESCRIPTION, m_strDescription);
        OnTypeChanged();
        return TRUE;
    }
    SetDlgItemText(IDC_DATA_NAME, m_strName);
    SelectExactComboEntry(m_comboType, m_strType);
    OnTypeChanged();
    LoadRealDomainList();
    // The real domain by its id where the caller knows it: two domains of the list may share a name.
    if (m_nRealDomainId == 0 || !SelectComboEntryByData(m_comboRealDomain, static_cast<DWORD_PTR>(m_nRealDomainId)))
        SelectExactComboEntry(m_comboRealDomain, m_strRealDomain);
    LoadRealDataList();
    SelectStoredRealData();
    // The stored values replace the presets of the type.
    SetDlgItemText(IDC_MINIMUM, m_strMin);
    SetDlgItemText(IDC_MAXIMUM, m_strMax);
    SetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    return TRUE;
}

void CNewMetadataDlg::SelectStoredRealData() {
    // The id stays when another engineer renames the real data; the name is what an older record may have alone.
    if (m_nRealDataId != 0 && SelectComboEntryByData(m_comboRealData, static_cast<DWORD_PTR>(m_nRealDataId))) return;
    if (SelectExactComboEntry(m_comboRealData, m_strRealData) != CB_ERR) return;
    const bool referred = m_nRealDataId != 0 || (!m_strRealData.IsEmpty() && m_strRealData != "NULL");
    if (GetComboSelectionText(m_comboType) != "alias" || !referred) return;
    m_bRealDataGone = true;
    MessageBox("실제 데이타 " + m_strRealData + kRealDataNotFound, "", MB_OK);
}

bool CNewMetadataDlg::KeepsRealData() {
    if (!m_bRealDataGone || m_strType != "alias" || m_nRealDataId != 0) return true;
    MessageBox("실제 데이타를 찾을 수 없어 저장하지 않았습니다. 실제 데이타를 고르세요.", "", MB_OK);
    return false;
}

void CNewMetadataDlg::OnTypeChanged() {
    const CString type = GetComboSelectionText(m_comboType);
    m_comboRealDomain.EnableWindow(FALSE);
    m_comboRealData.EnableWindow(FALSE);
    GetDlgItem(IDC_MINIMUM)->EnableWindow(FALSE);
    GetDlgItem(IDC_MAXIMUM)->EnableWindow(FALSE);
    m_comboRealDomain.SetCurSel(0);
    m_comboRealData.SetCurSel(0);
    SetDlgItemText(IDC_MINIMUM, "");
    SetDlgItemText(IDC_MAXIMUM, "");

    if (type == "struct") GetDlgItem(IDC_DATA_NAME)->EnableWindow(TRUE);
    if (type == "alias") {
        LoadRealDomainList();
        LoadRealDataList();
        m_comboRealDomain.EnableWindow(TRUE);
        m_comboRealData.EnableWindow(TRUE);
        m_buttonAddDomain.EnableWindow(TRUE);
    } else {
        m_buttonAddDomain.EnableWindow(FALSE);
    }
    m_comboRealDomain.SetCurSel(-1);
    m_comboRealData.SetCurSel(-1);

    CString minimum, maximum;
    if (GetScaledTypePresets(type, minimum, maximum)) {
        GetDlgItem(IDC_MINIMUM)->EnableWindow(TRUE);
        GetDlgItem(IDC_MAXIMUM)->EnableWindow(TRUE);
        SetDlgItemText(IDC_MINIMUM, minimum);
        SetDlgItemText(IDC_MAXIMUM, maximum);
    }
}

void CNewMetadataDlg::LoadRealDomainList() {
    m_comboRealDomain.ResetContent();
    m_vecRealDomains.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectRealDomainList(db->FormatCall("call metadataViewNewMetadataRealdomainList(%d)", m_nDomainId),
                                 m_vecRealDomains) != 0) {
        db->ShowLastError();
        return;
    }
    AddNamedEntries(m_comboRealDomain, m_vecRealDomains);
}

void CNewMetadataDlg::LoadRealDataList() {
    m_comboRealData.ResetContent();
    if (m_comboRealDomain.GetCurSel() == CB_ERR) return;
    m_vecRealData.clear();
    const int realDomainId = static_cast<int>(GetComboSelectionData(m_comboRealDomain));
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectRealMetadataList(db->FormatCall("call metadataViewNewMetadataRealmetadataList(%d)", realDomainId),
                                   m_vecRealData) != 0) {
        db->ShowLastError();
        return;
    }
    AddNamedEntries(m_comboRealData, m_vecRealData);
}

void CNewMetadataDlg::OnRealDomainChanged() { LoadRealDataList(); }

void CNewMetadataDlg::OnAddRealDomain() {
    if (g_pTreeDataDomainControl == nullptr) g_pTreeDataDomainControl = new CTreeDataDomainControl;
    if (g_pTreeDataDomainControl->EditParentDomains(m_nDomainId) == -1) {
        CMysqlQuery::GetInstance()->ShowLastError();
        return;
    }
    LoadRealDomainList();
}

void CNewMetadataDlg::OnBnClickedOk() {
    m_nRealDataId = static_cast<int>(GetComboSelectionData(m_comboRealData));
    m_nRealDomainId = static_cast<int>(GetComboSelectionData(m_comboRealDomain));
    const std::string standing = m_nEditMode != 0 ? m_strName.str() : std::string();
    GetDlgItemText(IDC_DATA_NAME, m_strName);
    m_strType = GetComboSelectionText(m_comboType);
    m_strRealDomain = GetComboSelectionText(m_comboRealDomain);
    m_strRealData = GetComboSelectionText(m_comboRealData);
    GetDlgItemText(IDC_MINIMUM, m_strMin);
    GetDlgItemText(IDC_MAXIMUM, m_strMax);
    GetDlgItemText(IDC_DESCRIPTION, m_strDescription);

    if (m_strName.IsEmpty()) {
        MessageBox("데이타 이름을 입력하세요", "", MB_OK);
        return;
    }
    const std::string refusal = CodeNameRefusal(CodeNameScope::Data, m_strName.str(), standing);
    if (!refusal.empty()) {
        MessageBox(refusal.c_str(), "", MB_OK);
        return;
    }
    if (!KeepsRealData()) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteStatus(db->FormatCall("call check_child_depth_limit_loop(%d, '%s', %d)", m_nDomainId, m_strName,
                                         m_nRealDataId)) != 0) {
        MessageBox("선택한  alias 타입 real_data는 순환 구조를 발생합니다.");
        return;
    }
    EndDialog(IDOK);
}
