#include "class_copy_system_domain_dialog.h"

#include <string>

#include "CDataExchange.h"
#include "CMysqlQuery.h"

namespace {

const int IDC_DOMAIN_TREE = 1211;
const int IDC_PATH = 1212;
const int IDC_MOVE = 1215;

const UINT kTreeImages = 311;
const int kDomainImage = 3;
const int kDomainSelectedImage = 4;

}  // namespace

BEGIN_MESSAGE_MAP(class_copy_system_domain_dialog, CDialog)
    ON_BN_CLICKED(IDOK, &class_copy_system_domain_dialog::OnBnClickedOk)
    ON_NOTIFY(TVN_SELCHANGED, IDC_DOMAIN_TREE, &class_copy_system_domain_dialog::OnTreeSelectionChanged)
    ON_BN_CLICKED(IDC_MOVE, &class_copy_system_domain_dialog::OnMoveClicked)
END_MESSAGE_MAP()

class_copy_system_domain_dialog::class_copy_system_domain_dialog(CWnd* pParent) : CDialog(IDD, pParent) {}

class_copy_system_domain_dialog::~class_copy_system_domain_dialog() = default;

void class_copy_system_domain_dialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOMAIN_TREE, m_ctrlTree);
    DDX_Check(pDX, IDC_MOVE, m_nMove);
}

BOOL class_copy_system_domain_dialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','system')"), m_mapAllDomains) != 0)
        db->ShowLastError();
    if (m_images.Create(kTreeImages, 16, 6, RGB(255, 0, 255))) m_ctrlTree.SetImageList(&m_images, TVSIL_NORMAL);
    HTREEITEM root = m_ctrlTree.InsertItem("System_Domain", kDomainImage, kDomainSelectedImage, TVI_ROOT, TVI_LAST);
    FillChildDomains(0, root);
    m_ctrlTree.Expand(root, TVE_EXPAND);
    return TRUE;
}

void class_copy_system_domain_dialog::FillChildDomains(int parentId, HTREEITEM parent) {
    const auto range = m_mapAllDomains.equal_range(parentId);
    for (auto entry = range.first; entry != range.second; ++entry) {
        const class_domain_info& domain = entry->second;
        // Rows whose parents loop would be inserted without end: each domain is placed once.
        if (!m_setPlacedIds.insert(domain.id).second) continue;
        HTREEITEM item =
            m_ctrlTree.InsertItem(domain.name.c_str(), kDomainImage, kDomainSelectedImage, parent, TVI_LAST);
        m_vecItemRecords.push_back(std::make_unique<class_domain_info>(domain));
        m_ctrlTree.SetItemData(item, reinterpret_cast<DWORD_PTR>(m_vecItemRecords.back().get()));
        FillChildDomains(domain.id, item);
    }
}

void class_copy_system_domain_dialog::OnTreeSelectionChanged(NMHDR*, LRESULT* pResult) {
    m_hSelectedItem = m_ctrlTree.GetSelectedItem();
    m_pChosenDomain =
        m_hSelectedItem ? reinterpret_cast<class_domain_info*>(m_ctrlTree.GetItemData(m_hSelectedItem)) : nullptr;
    if (m_hSelectedItem) ShowPath(m_hSelectedItem);
    *pResult = 0;
}

void class_copy_system_domain_dialog::ShowPath(HTREEITEM item) {
    std::string path = m_ctrlTree.GetItemText(item).str();
    for (HTREEITEM parent = m_ctrlTree.GetParentItem(item); parent && m_ctrlTree.GetParentItem(parent);
         parent = m_ctrlTree.GetParentItem(parent))
        path = m_ctrlTree.GetItemText(parent).str() + "\\" + path;
    SetDlgItemText(IDC_PATH, ("\\" + path).c_str());
}

void class_copy_system_domain_dialog::OnMoveClicked() {
    UpdateData(TRUE);
    SetDlgItemText(IDOK, m_nMove ? "이동" : "복사");
}

bool class_copy_system_domain_dialog::SnapshotDescendants(HTREEITEM item) {
    bool holdsDestination = false;
    for (HTREEITEM child = m_ctrlTree.GetChildItem(item); child; child = m_ctrlTree.GetNextSiblingItem(child)) {
        const auto* record = reinterpret_cast<const class_domain_info*>(m_ctrlTree.GetItemData(child));
        if (record) {
            m_mapSnapshot.emplace(record->upper_id, *record);
            holdsDestination = holdsDestination || record->id == m_nDestinationDomainId;
        }
        holdsDestination = SnapshotDescendants(child) || holdsDestination;
    }
    return holdsDestination;
}

void class_copy_system_domain_dialog::OnBnClickedOk() {
    UpdateData(TRUE);
    m_mapSnapshot.clear();
    // The root item "System_Domain" names no domain: like no selection.
    class_domain_info* chosen =
        m_hSelectedItem ? reinterpret_cast<class_domain_info*>(m_ctrlTree.GetItemData(m_hSelectedItem)) : nullptr;
    if (chosen == nullptr) {
        AfxMessageBox("복사할 도메인을 선택해 주세요!");
        return;
    }
    m_pChosenDomain = chosen;
    if (chosen->id == m_nDestinationDomainId) {
        AfxMessageBox("대상 도메인이 원본 도메인의 하위 도메인 입니다");
        return;
    }
    if (chosen->upper_id == m_nDestinationDomainId) {
        AfxMessageBox("이동 및 복사할 도메인은 복사할 경로에 이미 존재 합니다");
        return;
    }
    m_mapSnapshot.emplace(chosen->upper_id, *chosen);
    if (SnapshotDescendants(m_hSelectedItem) && m_nMove) {
        AfxMessageBox("이동 대상 도메인이 부모 도메인입니다. 이동할 수 없습니다.");
        return;
    }
    EndDialog(IDOK);
}
