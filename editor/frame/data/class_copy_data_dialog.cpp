#include "class_copy_data_dialog.h"

#include "CMysqlQuery.h"

namespace {

const int IDC_DOMAIN_COMBO = 1184;
const int IDC_DATA_LIST = 1185;

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_data_dialog, CCopyDialogBase)
    ON_CBN_SELCHANGE(IDC_DOMAIN_COMBO, &class_copy_data_dialog::OnDomainChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_DATA_LIST, &class_copy_data_dialog::OnRowChanged)
    ON_BN_CLICKED(IDOK, &class_copy_data_dialog::OnBnClickedOk)
END_MESSAGE_MAP()

class_copy_data_dialog::class_copy_data_dialog(CWnd* pParent)
    : CCopyDialogBase(IDD, IDC_DOMAIN_COMBO, IDC_DATA_LIST, "data",
                      {{"DATA NAME", 150}, {"DOMAIN ID", 0}, {"DATA TYPE", 150}}, pParent) {}

class_copy_data_dialog::~class_copy_data_dialog() { free_item_data(); }

int class_copy_data_dialog::FillRows(int domainId) {
    m_vecRows.clear();
    if (CMysqlQuery::GetInstance()->SelectMetadataList(domainId, "", m_vecRows) != 0) return -1;
    AppendCopyRows(m_listRows, m_vecRows, m_vecRowCopies);
    return 0;
}

void class_copy_data_dialog::RowSelected(DWORD_PTR row) { m_pSelectedRow = reinterpret_cast<class_metadata_info*>(row); }

bool class_copy_data_dialog::AcceptRows(const std::vector<DWORD_PTR>& rows) {
    // No row is a choice too: nothing is copied.
    m_vecChosenData.clear();
    for (DWORD_PTR row : rows) m_vecChosenData.push_back(reinterpret_cast<class_metadata_info*>(row));
    return true;
}

void class_copy_data_dialog::free_item_data() {
    FreeDomainCopies();
    for (class_metadata_info* copy : m_vecRowCopies) delete copy;
    m_vecRowCopies.clear();
    m_pSelectedRow = nullptr;
    m_vecChosenData.clear();
}
