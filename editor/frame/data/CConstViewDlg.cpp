#include "CConstViewDlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "EnumConstantRules.h"
#include "CodeNameRules.h"

namespace {

const int IDC_CONSTANT_LIST = 1049;
const int IDC_MOVE_UP = 1050;
const int IDC_MOVE_DOWN = 1051;
const int IDC_CONSTANT_NAME = 1052;
const int IDC_CONSTANT_VALUE = 1053;
const int IDC_ADD = 1055;
const int IDC_DELETE = 1056;
const int IDC_EDIT = 1057;
const int IDC_CLEAR = 1059;
const int IDC_DESCRIPTION = 1010;

enum ConstantColumn { COLUMN_NAME, COLUMN_VALUE, COLUMN_DESCRIPTION };

const char* const kNameMissing = "상수명을 입력하셔야 합니다";

}  // namespace

BEGIN_MESSAGE_MAP(CConstViewDlg, CDialogEx)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_CONSTANT_LIST, &CConstViewDlg::OnConstantSelected)
    ON_BN_CLICKED(IDC_MOVE_UP, &CConstViewDlg::OnMoveUp)
    ON_BN_CLICKED(IDC_MOVE_DOWN, &CConstViewDlg::OnMoveDown)
    ON_BN_CLICKED(IDC_ADD, &CConstViewDlg::OnAddConstant)
    ON_BN_CLICKED(IDC_EDIT, &CConstViewDlg::OnEditConstant)
    ON_BN_CLICKED(IDC_DELETE, &CConstViewDlg::OnDeleteConstant)
    ON_BN_CLICKED(IDC_CLEAR, &CConstViewDlg::OnClearInputs)
END_MESSAGE_MAP()

CConstViewDlg::CConstViewDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CConstViewDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONSTANT_LIST, m_listConstants);
}

BOOL CConstViewDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_listConstants.SetExtendedStyle(m_listConstants.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listConstants.InsertColumn(COLUMN_NAME, "상수명", LVCFMT_LEFT, 150);
    m_listConstants.InsertColumn(COLUMN_VALUE, "상수값", LVCFMT_LEFT, 0);
    m_listConstants.InsertColumn(COLUMN_DESCRIPTION, "설명", LVCFMT_LEFT, 0);
    LoadEnumerationType();
    LoadConstantList();
    return TRUE;
}

void CConstViewDlg::LoadEnumerationType() {
    std::vector<class_metadata_info> items;
    // Without it the values go unchecked to the server, which refuses what the type cannot hold.
    if (CMysqlQuery::GetInstance()->SelectMetadataList(m_nDomainId, m_strEnumName, items) == 0 && !items.empty())
        m_strEnumType = items.front().type.c_str();
}

bool CConstViewDlg::ValueFits() {
    const std::string refusal = EnumConstantRefusal(m_strEnumType.str(), m_strName.str(), m_strValue.str());
    if (refusal.empty()) return true;
    MessageBox(refusal.c_str());
    return false;
}

void CConstViewDlg::LoadConstantList() {
    m_listConstants.DeleteAllItems();
    m_vecConstants.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectDatafieldSummaryList(db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", m_nDomainId,
                                                      m_strEnumName),
                                       m_vecConstants) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_datafield_info& constant : m_vecConstants) {
        const int row = m_listConstants.InsertItem(m_listConstants.GetItemCount(), constant.member_name.c_str());
        m_listConstants.SetItemText(row, COLUMN_VALUE, constant.scmin.c_str());
        m_listConstants.SetItemText(row, COLUMN_DESCRIPTION, constant.description.c_str());
    }
}

int CConstViewDlg::GetSelectedRow() const { return m_listConstants.GetNextItem(-1, LVNI_SELECTED); }

void CConstViewDlg::SelectRow(int row) {
    m_listConstants.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listConstants.EnsureVisible(row, FALSE);
}

void CConstViewDlg::OnConstantSelected(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int row = GetSelectedRow();
    if (row < 0) return;
    m_strSelectedConstant = m_listConstants.GetItemText(row, COLUMN_NAME);
    SetDlgItemText(IDC_CONSTANT_NAME, m_strSelectedConstant);
    SetDlgItemText(IDC_CONSTANT_VALUE, m_listConstants.GetItemText(row, COLUMN_VALUE));
    SetDlgItemText(IDC_DESCRIPTION, m_listConstants.GetItemText(row, COLUMN_DESCRIPTION));
}

void CConstViewDlg::ReadInputs() {
    GetDlgItemText(IDC_CONSTANT_NAME, m_strName);
    GetDlgItemText(IDC_CONSTANT_VALUE, m_strValue);
    GetDlgItemText(IDC_DESCRIPTION, m_strDescription);
}

bool CConstViewDlg::RefusesName(const std::string& standing) {
    const std::string refusal = CodeNameRefusal(CodeNameScope::Data, m_strName.str(), standing);
    if (refusal.empty()) return false;
    MessageBox(refusal.c_str());
    return true;
}

void CConstViewDlg::OnAddConstant() {
    ReadInputs();
    if (m_strName.IsEmpty()) {
        MessageBox(kNameMissing);
        return;
    }
    if (RefusesName("")) return;
    if (!ValueFits()) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewNewMetafield(%d,'%s','%s',%d,'%s',%d,'%s','%s','%s','%s',%d,'%s')",
                                       m_nDomainId, m_strEnumName, m_strName, 0, "const", 0, "", m_strValue, "", "NO",
                                       0, m_strDescription)) != 0) {
        db->ShowLastError();
        return;
    }
    LoadConstantList();
}

void CConstViewDlg::OnEditConstant() {
    ReadInputs();
    if (m_strName.IsEmpty()) {
        MessageBox(kNameMissing);
        SetDlgItemText(IDC_CONSTANT_NAME, m_strSelectedConstant);
        return;
    }
    if (RefusesName(m_strSelectedConstant.str())) return;
    if (!ValueFits()) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall(
            "call metadataViewEditMetafield(%d,'%s','%s','%s', %d,'%s',%d,'%s','%s','%s','%s',%d,'%s')", m_nDomainId,
            m_strEnumName, m_strSelectedConstant, m_strName, 0, "const", 0, "", m_strValue, "", "NO", 0,
            m_strDescription)) != 0) {
        db->ShowLastError();
        // A refused change shows the constants as the server holds them now.
        LoadConstantList();
        return;
    }
    LoadConstantList();
}

void CConstViewDlg::OnDeleteConstant() {
    if (MessageBox("선택된 메타데이터를 삭제하시겠습니까?", "클라이언트", MB_OKCANCEL) != IDOK) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewDeleteMetafield('%d','%s','%s')", m_nDomainId,
                                       m_strEnumName, m_strSelectedConstant)) != 0) {
        db->ShowLastError();
        LoadConstantList();
        return;
    }
    LoadConstantList();
    OnClearInputs();
}

void CConstViewDlg::MoveToRow(int neighbourRow) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewEditMetafieldSeq(%d,'data','%s','%s','%s')", m_nDomainId,
                                       m_strEnumName, m_strSelectedConstant,
                                       m_listConstants.GetItemText(neighbourRow, COLUMN_NAME))) != 0)
        db->ShowLastError();
    LoadConstantList();
    SelectRow(neighbourRow);
}

void CConstViewDlg::OnMoveUp() {
    const int row = GetSelectedRow();
    if (row <= 0 || m_listConstants.GetItemCount() <= 1) return;
    MoveToRow(row - 1);
}

void CConstViewDlg::OnMoveDown() {
    const int row = GetSelectedRow();
    const int count = m_listConstants.GetItemCount();
    if (row < 0 || count <= 1 || row == count - 1) return;
    MoveToRow(row + 1);
}

void CConstViewDlg::OnClearInputs() {
    SetDlgItemText(IDC_CONSTANT_NAME, "");
    SetDlgItemText(IDC_CONSTANT_VALUE, "");
    SetDlgItemText(IDC_DESCRIPTION, "");
}
