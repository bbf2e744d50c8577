#include "class_copy_method_dialog.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CopyDialogSupport.h"

namespace {

const int IDC_DOMAIN_COMBO = 1186;
const int IDC_METHOD_LIST = 1187;
const int IDC_CANCEL_BUTTON = 4;  // "취소"

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_method_dialog, CDialog)
    ON_CBN_SELCHANGE(IDC_DOMAIN_COMBO, &class_copy_method_dialog::OnDomainChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_METHOD_LIST, &class_copy_method_dialog::OnRowChanged)
    ON_BN_CLICKED(IDOK, &class_copy_method_dialog::OnBnClickedOk)
    ON_BN_CLICKED(IDC_CANCEL_BUTTON, &class_copy_method_dialog::OnBnClickedCancelButton)
END_MESSAGE_MAP()

class_copy_method_dialog::class_copy_method_dialog(CWnd* pParent) : CDialog(IDD, pParent) {}

class_copy_method_dialog::~class_copy_method_dialog() { free_item_data(); }

void class_copy_method_dialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOMAIN_COMBO, m_comboDomain);
    DDX_Control(pDX, IDC_METHOD_LIST, m_listMethods);
}

BOOL class_copy_method_dialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetUpCopyList(m_listMethods, {{"Method NAME", 160}, {"DOMAIN ID", 0}, {"Method Type", 100}});
    LoadCopyDomains(m_comboDomain, "method", m_mapDomains, m_vecDomainCopies);
    return TRUE;
}

void class_copy_method_dialog::OnDomainChanged() {
    m_pChosenDomain = ChosenCopyDomain(m_comboDomain);
    if (m_pChosenDomain == nullptr) return;
    m_pSelectedRow = nullptr;
    m_listMethods.DeleteAllItems();
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMethodList(db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')",
                                            m_pChosenDomain->id),
                             m_vecRows) != 0) {
        db->ShowLastError();
        return;
    }
    AppendCopyRows(m_listMethods, m_vecRows, m_vecRowCopies);
}

void class_copy_method_dialog::OnRowChanged(NMHDR*, LRESULT* pResult) {
    const std::vector<DWORD_PTR> rows = SelectedRowData(m_listMethods);
    m_pSelectedRow = rows.empty() ? nullptr : reinterpret_cast<class_method_info*>(rows.front());
    *pResult = 0;
}

void class_copy_method_dialog::OnBnClickedOk() {
    if (ChosenCopyDomain(m_comboDomain) == nullptr) {
        AfxMessageBox("Domain 선택이 않되었습니다.");
        return;
    }
    const std::vector<DWORD_PTR> rows = SelectedRowData(m_listMethods);
    if (rows.empty()) {
        AfxMessageBox("Method가 선택이 않되었습니다.");
        return;
    }
    m_vecChosenMethods.clear();
    for (DWORD_PTR row : rows) m_vecChosenMethods.push_back(*reinterpret_cast<const class_method_info*>(row));
    EndDialog(IDOK);
}

void class_copy_method_dialog::OnBnClickedCancelButton() { EndDialog(IDCANCEL); }

void class_copy_method_dialog::free_item_data() {
    for (class_domain_info* copy : m_vecDomainCopies) delete copy;
    m_vecDomainCopies.clear();
    for (class_method_info* copy : m_vecRowCopies) delete copy;
    m_vecRowCopies.clear();
    m_pChosenDomain = nullptr;
    m_pSelectedRow = nullptr;
}
