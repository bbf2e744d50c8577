#include "class_copy_node_dialog.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CopyDialogSupport.h"

namespace {

const int IDC_DOMAIN_COMBO = 1182;
const int IDC_NODE_LIST = 1183;

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_node_dialog, CDialog)
    ON_CBN_SELCHANGE(IDC_DOMAIN_COMBO, &class_copy_node_dialog::OnDomainChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_NODE_LIST, &class_copy_node_dialog::OnRowChanged)
    ON_BN_CLICKED(IDOK, &class_copy_node_dialog::OnBnClickedOk)
END_MESSAGE_MAP()

class_copy_node_dialog::class_copy_node_dialog(CWnd* pParent) : CDialog(IDD, pParent) {}

class_copy_node_dialog::~class_copy_node_dialog() {
    for (class_domain_info* copy : m_vecDomainCopies) delete copy;
    for (class_node_info* copy : m_vecRowCopies) delete copy;
}

void class_copy_node_dialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOMAIN_COMBO, m_comboDomain);
    DDX_Control(pDX, IDC_NODE_LIST, m_listNodes);
}

BOOL class_copy_node_dialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetUpCopyList(m_listNodes, {{"NODE NAME", 150}, {"NODE ID", 0}});
    LoadCopyDomains(m_comboDomain, "system", m_mapDomains, m_vecDomainCopies);
    return TRUE;
}

void class_copy_node_dialog::OnDomainChanged() {
    m_pChosenDomain = ChosenCopyDomain(m_comboDomain);
    if (m_pChosenDomain == nullptr) return;
    m_pSelectedNode = nullptr;
    m_listNodes.DeleteAllItems();
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNodeList(db->FormatCall("call nodeViewList(%d)", m_pChosenDomain->id), m_vecRows) != 0) {
        db->ShowLastError();
        return;
    }
    InsertNameIdRows(m_listNodes, m_vecRows, m_vecRowCopies, [](const class_node_info& node) { return node.id; },
                     false);
}

void class_copy_node_dialog::OnRowChanged(NMHDR*, LRESULT* pResult) {
    const std::vector<DWORD_PTR> rows = SelectedRowData(m_listNodes);
    m_pSelectedNode = rows.empty() ? nullptr : reinterpret_cast<class_node_info*>(rows.front());
    *pResult = 0;
}

void class_copy_node_dialog::OnBnClickedOk() {
    if (ChosenCopyDomain(m_comboDomain) == nullptr) {
        AfxMessageBox("Domain 선택이 않되었습니다.");
        return;
    }
    if (SelectedRowData(m_listNodes).empty()) {
        AfxMessageBox("Node가 선택이 않되었습니다.");
        return;
    }
    EndDialog(IDOK);
}
