#include "class_copy_data_dialog.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CopyDialogSupport.h"

namespace {

const int IDC_DOMAIN_COMBO = 1184;
const int IDC_DATA_LIST = 1185;

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_data_dialog, CDialog)
    ON_CBN_SELCHANGE(IDC_DOMAIN_COMBO, &class_copy_data_dialog::OnDomainChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_DATA_LIST, &class_copy_data_dialog::OnRowChanged)
    ON_BN_CLICKED(IDOK, &class_copy_data_dialog::OnBnClickedOk)
END_MESSAGE_MAP()

class_copy_data_dialog::class_copy_data_dialog(CWnd* pParent) : CDialog(IDD, pParent) {}

class_copy_data_dialog::~class_copy_data_dialog() { free_item_data(); }

void class_copy_data_dialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOMAIN_COMBO, m_comboDomain);
    DDX_Control(pDX, IDC_DATA_LIST, m_listData);
}

BOOL class_copy_data_dialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listData.SetExtendedStyle(m_listData.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listData.InsertColumn(0, "DATA NAME", LVCFMT_LEFT, 150);
    m_listData.InsertColumn(1, "DOMAIN ID", LVCFMT_LEFT, 0);
    m_listData.InsertColumn(2, "DATA TYPE", LVCFMT_LEFT, 150);

    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_mapDomains.clear();
    // An empty combo box would not tell why: the server's text is shown like in the other copy dialogs.
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','data')"), m_mapDomains) != 0)
        db->ShowLastError();
    FillFlattenedDomainCombo(m_comboDomain, m_mapDomains, m_vecDomainCopies);
    return TRUE;
}

void class_copy_data_dialog::OnDomainChanged() {
    const int selection = m_comboDomain.GetCurSel();
    if (selection == CB_ERR) {
        m_comboDomain.SetCurSel(-1);
        return;
    }
    m_pChosenDomain = static_cast<class_domain_info*>(m_comboDomain.GetItemDataPtr(selection));
    m_pSelectedRow = nullptr;
    m_listData.DeleteAllItems();
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMetadataList(m_pChosenDomain->id, "", m_vecRows) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_metadata_info& row : m_vecRows) {
        class_metadata_info* copy = new class_metadata_info(row);
        m_vecRowCopies.push_back(copy);
        const int index = m_listData.InsertItem(m_listData.GetItemCount(), row.name.c_str());
        CString domainId;
        domainId.Format("%d", row.domain_id);
        m_listData.SetItemText(index, 1, domainId);
        m_listData.SetItemText(index, 2, row.type.c_str());
        m_listData.SetItemData(index, reinterpret_cast<DWORD_PTR>(copy));
    }
}

void class_copy_data_dialog::OnRowChanged(NMHDR*, LRESULT* pResult) {
    POSITION position = m_listData.GetFirstSelectedItemPosition();
    m_pSelectedRow = nullptr;
    if (position != nullptr) {
        const int index = m_listData.GetNextSelectedItem(position);
        m_pSelectedRow = reinterpret_cast<class_metadata_info*>(m_listData.GetItemData(index));
    }
    *pResult = 0;
}

void class_copy_data_dialog::OnBnClickedOk() {
    if (m_comboDomain.GetCurSel() == CB_ERR) {
        m_comboDomain.SetCurSel(-1);
        AfxMessageBox("Domain 선택이 않되었습니다.");
        return;
    }
    m_vecChosenData.clear();
    for (DWORD_PTR row : SelectedRowData(m_listData))
        m_vecChosenData.push_back(reinterpret_cast<class_metadata_info*>(row));
    EndDialog(IDOK);
}

void class_copy_data_dialog::free_item_data() {
    for (class_domain_info* copy : m_vecDomainCopies) delete copy;
    m_vecDomainCopies.clear();
    for (class_metadata_info* copy : m_vecRowCopies) delete copy;
    m_vecRowCopies.clear();
    m_pChosenDomain = nullptr;
    m_pSelectedRow = nullptr;
    m_vecChosenData.clear();
}
