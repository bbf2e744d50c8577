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
    SetUpCopyList(m_listData, {{"DATA NAME", 150}, {"DOMAIN ID", 0}, {"DATA TYPE", 150}});
    // An empty combo box would not tell why: the server's text is shown like in the other copy dialogs.
    LoadCopyDomains(m_comboDomain, "data", m_mapDomains, m_vecDomainCopies);
    return TRUE;
}

void class_copy_data_dialog::OnDomainChanged() {
    m_pChosenDomain = ChosenCopyDomain(m_comboDomain);
    if (m_pChosenDomain == nullptr) return;
    m_pSelectedRow = nullptr;
    m_listData.DeleteAllItems();
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMetadataList(m_pChosenDomain->id, "", m_vecRows) != 0) {
        db->ShowLastError();
        return;
    }
    AppendCopyRows(m_listData, m_vecRows, m_vecRowCopies);
}

void class_copy_data_dialog::OnRowChanged(NMHDR*, LRESULT* pResult) {
    const std::vector<DWORD_PTR> rows = SelectedRowData(m_listData);
    m_pSelectedRow = rows.empty() ? nullptr : reinterpret_cast<class_metadata_info*>(rows.front());
    *pResult = 0;
}

void class_copy_data_dialog::OnBnClickedOk() {
    if (ChosenCopyDomain(m_comboDomain) == nullptr) {
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
