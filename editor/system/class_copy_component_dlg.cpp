#include "class_copy_component_dlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CopyDialogSupport.h"

namespace {

const int IDC_DOMAIN_COMBO = 1178;
const int IDC_COMPONENT_LIST = 1180;

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_component_dlg, CDialog)
    ON_CBN_SELCHANGE(IDC_DOMAIN_COMBO, &class_copy_component_dlg::OnDomainChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_COMPONENT_LIST, &class_copy_component_dlg::OnRowChanged)
    ON_BN_CLICKED(IDOK, &class_copy_component_dlg::OnBnClickedOk)
END_MESSAGE_MAP()

class_copy_component_dlg::class_copy_component_dlg(CWnd* pParent) : CDialog(IDD, pParent) {}

class_copy_component_dlg::~class_copy_component_dlg() {
    for (class_domain_info* copy : m_vecDomainCopies) delete copy;
    for (class_component_info* copy : m_vecRowCopies) delete copy;
}

void class_copy_component_dlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOMAIN_COMBO, m_comboDomain);
    DDX_Control(pDX, IDC_COMPONENT_LIST, m_listComponents);
}

BOOL class_copy_component_dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetUpCopyList(m_listComponents, {{"COMPONET NAME", 150}, {"COMPONET ID", 0}});
    LoadCopyDomains(m_comboDomain, "system", m_mapDomains, m_vecDomainCopies);
    return TRUE;
}

void class_copy_component_dlg::OnDomainChanged() {
    m_pChosenDomain = ChosenCopyDomain(m_comboDomain);
    if (m_pChosenDomain == nullptr) return;
    m_nChosenDomainId = m_pChosenDomain->id;
    m_pSelectedComponent = nullptr;
    m_listComponents.DeleteAllItems();
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectComponentList(db->FormatCall("call componentViewList(%d)", m_nChosenDomainId), m_vecRows) != 0) {
        db->ShowLastError();
        return;
    }
    InsertNameIdRows(
        m_listComponents, m_vecRows, m_vecRowCopies,
        [](const class_component_info& component) { return component.component_id; }, true);
}

void class_copy_component_dlg::OnRowChanged(NMHDR*, LRESULT* pResult) {
    const std::vector<DWORD_PTR> rows = SelectedRowData(m_listComponents);
    m_pSelectedComponent = rows.empty() ? nullptr : reinterpret_cast<class_component_info*>(rows.front());
    *pResult = 0;
}

void class_copy_component_dlg::OnBnClickedOk() {
    if (ChosenCopyDomain(m_comboDomain) == nullptr) {
        AfxMessageBox("Domain 선택이 않되었습니다.");
        return;
    }
    if (SelectedRowData(m_listComponents).empty()) {
        AfxMessageBox("Component가 선택이 않되었습니다.");
        return;
    }
    EndDialog(IDOK);
}
