#include "CSearchDomainDlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "DomainCommands.h"

namespace {

const int IDC_DOMAIN_TREE = 1057;
const int IDC_NEW_DOMAIN = 1115;

}  // namespace

BEGIN_MESSAGE_MAP(CSearchDomainDlg, CDialogEx)
    ON_BN_CLICKED(IDOK, &CSearchDomainDlg::OnBnClickedOk)
    ON_BN_CLICKED(IDC_NEW_DOMAIN, &CSearchDomainDlg::OnBnClickedNewDomain)
    ON_NOTIFY(NM_CLICK, IDC_DOMAIN_TREE, &CSearchDomainDlg::OnNMClickTree)
END_MESSAGE_MAP()

CSearchDomainDlg::CSearchDomainDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

CSearchDomainDlg::~CSearchDomainDlg() {
    // The callers free the records after reading the result; whatever is left goes with the dialog.
    DeleteOwnedItems();
}

void CSearchDomainDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOMAIN_TREE, m_ctrlTree);
}

BOOL CSearchDomainDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    BuildTree();
    return TRUE;
}

void CSearchDomainDlg::BuildTree() {
    m_ctrlTree.ModifyStyle(0, TVS_CHECKBOXES);
    m_strRootText = m_strKind + "Domain";
    m_hRootItem = m_ctrlTree.InsertItem(m_strRootText.c_str(), TVI_ROOT, TVI_LAST);
    m_setPlacedIds.clear();
    FillChildDomains(0, m_hRootItem);
    m_ctrlTree.Expand(m_hRootItem, TVE_EXPAND);
}

bool CSearchDomainDlg::IsPreselected(int domainId) const {
    for (const class_domain_info& domain : m_vecSelection)
        if (domain.id == domainId) return true;
    return false;
}

void CSearchDomainDlg::FillChildDomains(int parentId, HTREEITEM hParent) {
    const auto range = m_mapDomainList.equal_range(parentId);
    for (auto entry = range.first; entry != range.second; ++entry) {
        const class_domain_info& domain = entry->second;
        if (!m_setPlacedIds.insert(domain.id).second) continue;
        HTREEITEM hItem = m_ctrlTree.InsertItem(domain.name.c_str(), hParent, TVI_LAST);
        class_domain_info* record = new class_domain_info(domain);
        m_vecItemRecords.push_back(record);
        m_ctrlTree.SetItemData(hItem, reinterpret_cast<DWORD_PTR>(record));
        if (IsPreselected(domain.id)) m_ctrlTree.SetCheck(hItem, TRUE);
        FillChildDomains(domain.id, hItem);
    }
}

void CSearchDomainDlg::CollectCheckedDomains(HTREEITEM hItem) {
    for (HTREEITEM hChild = m_ctrlTree.GetChildItem(hItem); hChild != nullptr;
         hChild = m_ctrlTree.GetNextSiblingItem(hChild)) {
        const auto* record = reinterpret_cast<const class_domain_info*>(m_ctrlTree.GetItemData(hChild));
        if (m_ctrlTree.GetCheck(hChild) && record != nullptr) m_vecSelection.push_back(*record);
        if (m_ctrlTree.ItemHasChildren(hChild)) CollectCheckedDomains(hChild);
    }
}

void CSearchDomainDlg::DeleteOwnedItems() {
    for (class_domain_info* record : m_vecItemRecords) delete record;
    m_vecItemRecords.clear();
}

void CSearchDomainDlg::OnBnClickedOk() {
    m_vecSelection.clear();
    CollectCheckedDomains(m_hRootItem);
    EndDialog(IDOK);
}

void CSearchDomainDlg::InvertDescendantChecks(HTREEITEM hItem) {
    for (HTREEITEM hChild = m_ctrlTree.GetChildItem(hItem); hChild != nullptr;
         hChild = m_ctrlTree.GetNextSiblingItem(hChild)) {
        m_ctrlTree.SetCheck(hChild, !m_ctrlTree.GetCheck(hChild));
        InvertDescendantChecks(hChild);
    }
}

void CSearchDomainDlg::OnNMClickTree(NMHDR*, LRESULT* pResult) {
    CPoint point;
    GetCursorPos(&point);
    m_ctrlTree.ScreenToClient(&point);
    UINT flags = 0;
    HTREEITEM hItem = m_ctrlTree.HitTest(point, &flags);
    // The clicked box itself changes by the tree's own handling after this notification.
    if (hItem != nullptr && (flags & TVHT_ONITEMSTATEICON)) InvertDescendantChecks(hItem);
    *pResult = 0;
}

void CSearchDomainDlg::OnBnClickedNewDomain() {
    CollectCheckedDomains(m_hRootItem);

    if (NewDomainThroughDialog(m_strKind, 0, this) == -1) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::multimap<int, class_domain_info> domains;
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','%s')", m_strKind), domains) != 0) {
        db->ShowLastError();
        return;
    }
    m_mapDomainList = std::move(domains);
    // The records of the old items stay owned until DeleteOwnedItems.
    m_ctrlTree.DeleteAllItems();
    BuildTree();
}
