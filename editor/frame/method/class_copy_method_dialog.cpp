#include "class_copy_method_dialog.h"

#include "CMysqlQuery.h"

namespace {

const int IDC_DOMAIN_COMBO = 1186;
const int IDC_METHOD_LIST = 1187;
const int IDC_CANCEL_BUTTON = 4;  // "취소"

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_method_dialog, CCopyDialogBase)
    ON_CBN_SELCHANGE(IDC_DOMAIN_COMBO, &class_copy_method_dialog::OnDomainChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_METHOD_LIST, &class_copy_method_dialog::OnRowChanged)
    ON_BN_CLICKED(IDOK, &class_copy_method_dialog::OnBnClickedOk)
    ON_BN_CLICKED(IDC_CANCEL_BUTTON, &class_copy_method_dialog::OnBnClickedCancelButton)
END_MESSAGE_MAP()

class_copy_method_dialog::class_copy_method_dialog(CWnd* pParent)
    : CCopyDialogBase(IDD, IDC_DOMAIN_COMBO, IDC_METHOD_LIST, "method",
                      {{"Method NAME", 160}, {"DOMAIN ID", 0}, {"Method Type", 100}}, pParent) {}

class_copy_method_dialog::~class_copy_method_dialog() { free_item_data(); }

int class_copy_method_dialog::FillRows(int domainId) {
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMethodList(db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')", domainId),
                             m_vecRows) != 0)
        return -1;
    AppendCopyRows(m_listRows, m_vecRows, m_vecRowCopies);
    return 0;
}

void class_copy_method_dialog::RowSelected(DWORD_PTR row) { m_pSelectedRow = reinterpret_cast<class_method_info*>(row); }

bool class_copy_method_dialog::AcceptRows(const std::vector<DWORD_PTR>& rows) {
    if (rows.empty()) {
        AfxMessageBox("Method가 선택이 않되었습니다.");
        return false;
    }
    m_vecChosenMethods.clear();
    for (DWORD_PTR row : rows) m_vecChosenMethods.push_back(*reinterpret_cast<const class_method_info*>(row));
    return true;
}

void class_copy_method_dialog::OnBnClickedCancelButton() { EndDialog(IDCANCEL); }

void class_copy_method_dialog::free_item_data() {
    FreeDomainCopies();
    for (class_method_info* copy : m_vecRowCopies) delete copy;
    m_vecRowCopies.clear();
    m_pSelectedRow = nullptr;
}
