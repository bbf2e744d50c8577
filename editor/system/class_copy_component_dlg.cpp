#include "class_copy_component_dlg.h"

#include "CMysqlQuery.h"

namespace {

const int IDC_DOMAIN_COMBO = 1178;
const int IDC_COMPONENT_LIST = 1180;

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_component_dlg, CCopyDialogBase)
    ON_CBN_SELCHANGE(IDC_DOMAIN_COMBO, &class_copy_component_dlg::OnDomainChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_COMPONENT_LIST, &class_copy_component_dlg::OnRowChanged)
    ON_BN_CLICKED(IDOK, &class_copy_component_dlg::OnBnClickedOk)
END_MESSAGE_MAP()

class_copy_component_dlg::class_copy_component_dlg(CWnd* pParent)
    : CCopyDialogBase(IDD, IDC_DOMAIN_COMBO, IDC_COMPONENT_LIST, "system",
                      {{"COMPONET NAME", 150}, {"COMPONET ID", 0}}, pParent) {}

class_copy_component_dlg::~class_copy_component_dlg() {
    for (class_component_info* copy : m_vecRowCopies) delete copy;
}

int class_copy_component_dlg::FillRows(int domainId) {
    m_nChosenDomainId = domainId;
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectComponentList(db->FormatCall("call componentViewList(%d)", domainId), m_vecRows) != 0) return -1;
    // Each row goes to the top: the list shows the components in the reverse of the server's order.
    InsertNameIdRows(
        m_listRows, m_vecRows, m_vecRowCopies,
        [](const class_component_info& component) { return component.component_id; }, true);
    return 0;
}

void class_copy_component_dlg::RowSelected(DWORD_PTR row) {
    m_pSelectedComponent = reinterpret_cast<class_component_info*>(row);
}

bool class_copy_component_dlg::AcceptRows(const std::vector<DWORD_PTR>& rows) {
    if (!rows.empty()) return true;
    AfxMessageBox("Component가 선택이 않되었습니다.");
    return false;
}
