#include "CDataFieldViewDlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CTreeDataDomainControl.h"
#include "DataDialogControls.h"
#include "CodeNameRules.h"

namespace {

const char* const kRealDataNotFound =
    " 을(를) 서버에서 찾을 수 없습니다. 다른 사용자가 삭제했거나 옮겼습니다.\n실제 데이타를 다시 고르세요.";

const int IDC_FIELD_LIST = 1018;
const int IDC_MOVE_UP = 1019;
const int IDC_MOVE_DOWN = 1020;
const int IDC_ARRAY_SIZE = 1021;
const int IDC_ADD = 1022;
const int IDC_MAXIMUM = 1023;
const int IDC_ARRAY_TYPE = 1024;
const int IDC_BIT_SIZE = 1025;
const int IDC_EDIT = 1026;
const int IDC_DELETE = 1027;
const int IDC_CLEAR = 1028;
const int IDC_FIELD_NAME = 1029;
const int IDC_MINIMUM = 1030;
const int IDC_DESCRIPTION = 1010;
const int IDC_FIELD_TYPE = 1011;
const int IDC_REAL_DOMAIN = 1013;
const int IDC_REAL_DATA = 1014;
const int IDC_SEARCH_DOMAIN = 1059;

// The list columns; only the name is visible, the others keep the values that a selection reads back.
enum FieldColumn {
    COLUMN_NAME,
    COLUMN_BITSIZE,
    COLUMN_TYPE,
    COLUMN_PHYSICAL,
    COLUMN_REAL_DOMAIN,
    COLUMN_REAL_DATA,
    COLUMN_MINIMUM,
    COLUMN_MAXIMUM,
    COLUMN_ARRAY_TYPE,
    COLUMN_ARRAY_SIZE,
    COLUMN_DESCRIPTION,
};

const char* const kColumnHeadings[] = {"필드", "크기", "형식", "물리량", "실제도메인", "실제데이타",
                                       "최소값", "최대값", "배열", "배열크기", "설명"};

CString Decimal(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDataFieldViewDlg, CDialogEx)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_FIELD_LIST, &CDataFieldViewDlg::OnFieldSelected)
    ON_CBN_SELCHANGE(IDC_FIELD_TYPE, &CDataFieldViewDlg::OnTypeChanged)
    ON_CBN_SELCHANGE(IDC_REAL_DOMAIN, &CDataFieldViewDlg::OnRealDomainChanged)
    ON_CBN_SELCHANGE(IDC_ARRAY_TYPE, &CDataFieldViewDlg::OnArrayTypeChanged)
    ON_BN_CLICKED(IDC_MOVE_UP, &CDataFieldViewDlg::OnMoveUp)
    ON_BN_CLICKED(IDC_MOVE_DOWN, &CDataFieldViewDlg::OnMoveDown)
    ON_BN_CLICKED(IDC_ADD, &CDataFieldViewDlg::OnAddField)
    ON_BN_CLICKED(IDC_EDIT, &CDataFieldViewDlg::OnEditField)
    ON_BN_CLICKED(IDC_CLEAR, &CDataFieldViewDlg::OnClearInputs)
    ON_BN_CLICKED(IDC_DELETE, &CDataFieldViewDlg::OnDeleteField)
    ON_BN_CLICKED(IDC_SEARCH_DOMAIN, &CDataFieldViewDlg::OnSearchDomain)
END_MESSAGE_MAP()

CDataFieldViewDlg::CDataFieldViewDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CDataFieldViewDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIELD_LIST, m_listFields);
    DDX_Control(pDX, IDC_SEARCH_DOMAIN, m_buttonSearchDomain);
    DDX_Control(pDX, IDC_ARRAY_SIZE, m_editArraySize);
    DDX_Control(pDX, IDC_ARRAY_TYPE, m_comboArrayType);
    DDX_Control(pDX, IDC_FIELD_TYPE, m_comboType);
    DDX_Control(pDX, IDC_REAL_DOMAIN, m_comboRealDomain);
    DDX_Control(pDX, IDC_REAL_DATA, m_comboRealData);
}

BOOL CDataFieldViewDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_editArraySize.EnableWindow(FALSE);
    m_listFields.SetExtendedStyle(m_listFields.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    for (int column = COLUMN_NAME; column <= COLUMN_DESCRIPTION; ++column)
        m_listFields.InsertColumn(column, kColumnHeadings[column], LVCFMT_LEFT, column == COLUMN_NAME ? 150 : 0);
    SelectExactComboEntry(m_comboArrayType, "NO");
    m_buttonSearchDomain.EnableWindow(FALSE);
    LoadFieldList();
    return TRUE;
}

void CDataFieldViewDlg::LoadFieldList() {
    m_listFields.DeleteAllItems();
    m_vecFields.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectDatafieldList(db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", m_nDomainId,
                                               m_strStructName),
                                m_vecFields) != 0) {
        db->ShowLastError();
        return;
    }
    for (size_t index = 0; index < m_vecFields.size(); ++index) {
        const class_datafield_info& field = m_vecFields[index];
        const int row = m_listFields.InsertItem(m_listFields.GetItemCount(), field.member_name.c_str());
        m_listFields.SetItemData(row, static_cast<DWORD_PTR>(index));
        m_listFields.SetItemText(row, COLUMN_BITSIZE, Decimal(field.bitsize));
        m_listFields.SetItemText(row, COLUMN_TYPE, field.type.c_str());
        m_listFields.SetItemText(row, COLUMN_PHYSICAL, field.physical.c_str());
        m_listFields.SetItemText(row, COLUMN_REAL_DOMAIN, field.real_domain_name.c_str());
        m_listFields.SetItemText(row, COLUMN_REAL_DATA, field.real_data.c_str());
        m_listFields.SetItemText(row, COLUMN_MINIMUM, field.scmin.c_str());
        m_listFields.SetItemText(row, COLUMN_MAXIMUM, field.scmax.c_str());
        m_listFields.SetItemText(row, COLUMN_ARRAY_TYPE, field.arraytype.c_str());
        m_listFields.SetItemText(row, COLUMN_ARRAY_SIZE, Decimal(field.arraysize));
        m_listFields.SetItemText(row, COLUMN_DESCRIPTION, field.description.c_str());
    }
}

int CDataFieldViewDlg::GetSelectedRow() const { return m_listFields.GetNextItem(-1, LVNI_SELECTED); }

void CDataFieldViewDlg::SelectRow(int row) {
    m_listFields.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listFields.EnsureVisible(row, FALSE);
}

void CDataFieldViewDlg::OnFieldSelected(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int row = GetSelectedRow();
    if (row < 0) return;
    m_strSelectedField = m_listFields.GetItemText(row, COLUMN_NAME);
    SetDlgItemText(IDC_FIELD_NAME, m_strSelectedField);
    SelectExactComboEntry(m_comboType, m_listFields.GetItemText(row, COLUMN_TYPE));
    OnTypeChanged();
    if (m_listFields.GetItemText(row, COLUMN_TYPE) == "alias") {
        LoadRealDomainList();
        // The real domain by the field's id: two domains of the list may share a name.
        const size_t index = m_listFields.GetItemData(row);
        const int realDomainId = index < m_vecFields.size() ? m_vecFields[index].real_domain_id : 0;
        if (realDomainId == 0 || !SelectComboEntryByData(m_comboRealDomain, static_cast<DWORD_PTR>(realDomainId)))
            SelectExactComboEntry(m_comboRealDomain, m_listFields.GetItemText(row, COLUMN_REAL_DOMAIN));
        LoadRealDataList();
        SelectFieldRealData(m_listFields.GetItemText(row, COLUMN_REAL_DATA));
        m_buttonSearchDomain.EnableWindow(TRUE);
    } else {
        m_bRealDataGone = false;
    }
    SetDlgItemText(IDC_MINIMUM, m_listFields.GetItemText(row, COLUMN_MINIMUM));
    SetDlgItemText(IDC_MAXIMUM, m_listFields.GetItemText(row, COLUMN_MAXIMUM));
    SelectExactComboEntry(m_comboArrayType, m_listFields.GetItemText(row, COLUMN_ARRAY_TYPE));
    OnArrayTypeChanged();
    SetDlgItemText(IDC_ARRAY_SIZE, m_listFields.GetItemText(row, COLUMN_ARRAY_SIZE));
    SetDlgItemText(IDC_BIT_SIZE, m_listFields.GetItemText(row, COLUMN_BITSIZE));
    SetDlgItemText(IDC_DESCRIPTION, m_listFields.GetItemText(row, COLUMN_DESCRIPTION));
}

void CDataFieldViewDlg::SelectFieldRealData(const CString& realData) {
    m_bRealDataGone = false;
    if (SelectExactComboEntry(m_comboRealData, realData) != CB_ERR || realData.IsEmpty() || realData == "NULL") return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_datafield_info> stored;
    if (db->SelectDatafieldList(db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", m_nDomainId,
                                               m_strStructName),
                                stored) == 0) {
        for (const class_datafield_info& field : stored)
            if (field.member_name == m_strSelectedField.str() &&
                SelectExactComboEntry(m_comboRealData, field.real_data.c_str()) != CB_ERR)
                return;
    }
    m_bRealDataGone = true;
    MessageBox("실제 데이타 " + realData + kRealDataNotFound);
}

bool CDataFieldViewDlg::KeepsRealData() {
    if (!m_bRealDataGone || m_strType != "alias" || m_nRealDataId != 0) return true;
    MessageBox("실제 데이타를 찾을 수 없어 저장하지 않았습니다. 실제 데이타를 고르세요.");
    return false;
}

void CDataFieldViewDlg::OnTypeChanged() {
    const CString type = GetComboSelectionText(m_comboType);
    if (type == "alias") {
        m_comboRealDomain.EnableWindow(TRUE);
        m_comboRealData.EnableWindow(TRUE);
        m_buttonSearchDomain.EnableWindow(TRUE);
        LoadRealDomainList();
        m_comboRealData.SetCurSel(-1);
    } else {
        m_comboRealDomain.EnableWindow(FALSE);
        m_comboRealData.EnableWindow(FALSE);
        m_buttonSearchDomain.EnableWindow(FALSE);
        m_comboRealDomain.SetCurSel(-1);
        m_comboRealData.SetCurSel(-1);
    }
    CString minimum, maximum;
    const bool scaled = GetScaledTypePresets(type, minimum, maximum);
    GetDlgItem(IDC_MINIMUM)->EnableWindow(scaled);
    GetDlgItem(IDC_MAXIMUM)->EnableWindow(scaled);
    SetDlgItemText(IDC_MINIMUM, minimum);
    SetDlgItemText(IDC_MAXIMUM, maximum);
}

void CDataFieldViewDlg::OnArrayTypeChanged() {
    m_editArraySize.EnableWindow(GetComboSelectionText(m_comboArrayType) != "NO");
}

void CDataFieldViewDlg::LoadRealDomainList() {
    m_comboRealDomain.ResetContent();
    m_vecRealDomains.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    // A failure leaves the list empty without a message.
    if (db->SelectRealDomainList(db->FormatCall("call metadataViewEditMetadataRealdomainList(%d)", m_nDomainId),
                                 m_vecRealDomains) != 0)
        return;
    AddNamedEntries(m_comboRealDomain, m_vecRealDomains);
}

void CDataFieldViewDlg::LoadRealDataList() {
    m_comboRealData.ResetContent();
    if (m_comboRealDomain.GetCurSel() == CB_ERR) return;
    m_nRealDomainId = static_cast<int>(GetComboSelectionData(m_comboRealDomain));
    m_vecRealData.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectRealMetadataList(db->FormatCall("call metadataViewEditMetafieldRealmetadataList(%d)",
                                                  m_nRealDomainId),
                                   m_vecRealData) != 0) {
        db->ShowLastError();
        return;
    }
    AddNamedEntries(m_comboRealData, m_vecRealData);
    m_comboRealData.SetCurSel(-1);
}

void CDataFieldViewDlg::OnRealDomainChanged() { LoadRealDataList(); }

void CDataFieldViewDlg::ReadInputs() {
    GetDlgItemText(IDC_FIELD_NAME, m_strName);
    GetDlgItemText(IDC_BIT_SIZE, m_strBitSize);
    m_strType = GetComboSelectionText(m_comboType);
    m_strRealDomain = GetComboSelectionText(m_comboRealDomain);
    m_strRealData = GetComboSelectionText(m_comboRealData);
    GetDlgItemText(IDC_MINIMUM, m_strMin);
    GetDlgItemText(IDC_MAXIMUM, m_strMax);
    m_strArrayType = GetComboSelectionText(m_comboArrayType);
    GetDlgItemText(IDC_ARRAY_SIZE, m_strArraySize);
    GetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    m_nRealDataId = static_cast<int>(GetComboSelectionData(m_comboRealData));
}

int CDataFieldViewDlg::RealDomainIdOfInputs() const {
    // Only an alias refers to another domain; the id of an earlier alias must not travel with a plain field.
    if (m_strType != "alias") return 0;
    return static_cast<int>(GetComboSelectionData(m_comboRealDomain));
}

bool CDataFieldViewDlg::PassesAliasCycleCheck() {
    if (m_strType != "alias") return true;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteStatus(db->FormatCall("call check_child_depth_limit_loop(%d, '%s', %d)", m_nDomainId,
                                         m_strStructName, m_nRealDataId)) == 0)
        return true;
    MessageBox(m_strStructName + " 는 수정한 alias real_data는 순환 구조를 발생합니다.");
    return false;
}

bool CDataFieldViewDlg::RefusesName(const std::string& standing) {
    const std::string refusal = CodeNameRefusal(CodeNameScope::Field, m_strName.str(), standing);
    if (refusal.empty()) return false;
    MessageBox(refusal.c_str());
    return true;
}

void CDataFieldViewDlg::OnAddField() {
    ReadInputs();
    if (RefusesName("")) return;
    if (!PassesAliasCycleCheck()) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewNewMetafield(%d,'%s','%s',%d,'%s',%d,'%s','%s','%s','%s',%d,'%s')",
                                       m_nDomainId, m_strStructName, m_strName, string_to_int(m_strBitSize), m_strType,
                                       RealDomainIdOfInputs(), m_strRealData, m_strMin, m_strMax, m_strArrayType,
                                       string_to_int(m_strArraySize), m_strDescription)) != 0) {
        db->ShowLastError();
        return;
    }
    LoadFieldList();
}

void CDataFieldViewDlg::OnEditField() {
    ReadInputs();
    if (RefusesName(m_strSelectedField.str())) return;
    if (!KeepsRealData() || !PassesAliasCycleCheck()) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall(
            "call metadataViewEditMetafield(%d,'%s','%s','%s', %d,'%s',%d,'%s','%s','%s','%s',%d,'%s')", m_nDomainId,
            m_strStructName, m_strSelectedField, m_strName, string_to_int(m_strBitSize), m_strType,
            RealDomainIdOfInputs(), m_strRealData, m_strMin, m_strMax, m_strArrayType, string_to_int(m_strArraySize),
            m_strDescription)) != 0) {
        db->ShowLastError();
        // A refused change shows the fields as the server holds them now.
        LoadFieldList();
        return;
    }
    LoadFieldList();
}

void CDataFieldViewDlg::OnDeleteField() {
    if (MessageBox("선택된 메타데이터를 삭제하시겠습니까?", "클라이언트", MB_OKCANCEL) != IDOK) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewDeleteMetafield('%d','%s','%s')", m_nDomainId,
                                       m_strStructName, m_strSelectedField)) != 0) {
        db->ShowLastError();
        LoadFieldList();
        return;
    }
    LoadFieldList();
    OnClearInputs();
}

int CDataFieldViewDlg::SwapWithRow(int neighbourRow) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    return db->ExecuteProc(db->FormatCall("call metadataViewEditMetafieldSeq(%d,'data','%s','%s','%s')", m_nDomainId,
                                          m_strStructName, m_strSelectedField,
                                          m_listFields.GetItemText(neighbourRow, COLUMN_NAME)));
}

void CDataFieldViewDlg::OnMoveUp() {
    const int row = GetSelectedRow();
    if (row <= 0 || m_listFields.GetItemCount() <= 1) return;
    if (SwapWithRow(row - 1) != 0) CMysqlQuery::GetInstance()->ShowLastError();
    LoadFieldList();
    SelectRow(row - 1);
}

void CDataFieldViewDlg::OnMoveDown() {
    const int row = GetSelectedRow();
    const int count = m_listFields.GetItemCount();
    if (row < 0 || count <= 1 || row == count - 1) return;
    if (SwapWithRow(row + 1) != 0) {
        CMysqlQuery::GetInstance()->ShowLastError();
        return;
    }
    LoadFieldList();
    SelectRow(row + 1);
}

void CDataFieldViewDlg::OnClearInputs() {
    SetDlgItemText(IDC_FIELD_NAME, "");
    SetDlgItemText(IDC_BIT_SIZE, "");
    m_comboType.SetCurSel(-1);
    LoadRealDomainList();
    LoadRealDataList();
    m_comboRealDomain.SetCurSel(-1);
    m_comboRealData.SetCurSel(-1);
    m_comboRealDomain.EnableWindow(FALSE);
    m_comboRealData.EnableWindow(FALSE);
    m_buttonSearchDomain.EnableWindow(FALSE);
    SetDlgItemText(IDC_MINIMUM, "");
    SetDlgItemText(IDC_MAXIMUM, "");
    m_comboArrayType.SetCurSel(0);
    OnArrayTypeChanged();
    SetDlgItemText(IDC_ARRAY_SIZE, "");
    SetDlgItemText(IDC_DESCRIPTION, "");
}

void CDataFieldViewDlg::OnSearchDomain() {
    if (g_pTreeDataDomainControl == nullptr) g_pTreeDataDomainControl = new CTreeDataDomainControl;
    if (g_pTreeDataDomainControl->EditParentDomains(m_nDomainId) == 0) LoadRealDomainList();
}
