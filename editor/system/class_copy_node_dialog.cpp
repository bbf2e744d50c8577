#include "class_copy_node_dialog.h"

#include "CMysqlQuery.h"

namespace {

const int IDC_DOMAIN_COMBO = 1182;
const int IDC_NODE_LIST = 1183;

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_node_dialog, CCopyDialogBase)
    ON_CBN_SELCHANGE(IDC_DOMAIN_COMBO, &class_copy_node_dialog::OnDomainChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_NODE_LIST, &class_copy_node_dialog::OnRowChanged)
    ON_BN_CLICKED(IDOK, &class_copy_node_dialog::OnBnClickedOk)
END_MESSAGE_MAP()

class_copy_node_dialog::class_copy_node_dialog(CWnd* pParent)
    : CCopyDialogBase(IDD, IDC_DOMAIN_COMBO, IDC_NODE_LIST, "system", {{"NODE NAME", 150}, {"NODE ID", 0}},
                      pParent) {}

class_copy_node_dialog::~class_copy_node_dialog() {
    for (class_node_info* copy : m_vecRowCopies) delete copy;
}

int class_copy_node_dialog::FillRows(int domainId) {
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNodeList(db->FormatCall("call nodeViewList(%d)", domainId), m_vecRows) != 0) return -1;
    InsertNameIdRows(m_listRows, m_vecRows, m_vecRowCopies, [](const class_node_info& node) { return node.id; },
                     false);
    return 0;
}

void class_copy_node_dialog::RowSelected(DWORD_PTR row) { m_pSelectedNode = reinterpret_cast<class_node_info*>(row); }

bool class_copy_node_dialog::AcceptRows(const std::vector<DWORD_PTR>& rows) {
    if (!rows.empty()) return true;
    AfxMessageBox("Node가 선택이 않되었습니다.");
    return false;
}
