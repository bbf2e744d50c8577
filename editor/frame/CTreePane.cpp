#include "CTreePane.h"

#include "CBitmap.h"
#include "CContextMenuManager.h"
#include "CMysqlQuery.h"
#include "Class_UmlControl.h"
#include "TreePane.h"
#include "TreeRootDomain.h"

BEGIN_MESSAGE_MAP(CTreePane, CDockablePane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CTreePane::~CTreePane() = default;

// ---- Window ------------------------------------------------------------------------------------------------

int CTreePane::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDockablePane::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_wndTree.Create(m_look.treeStyle, CRect(0, 0, 0, 0), this, m_look.treeId)) return -1;
    m_wndTree.SetOwnerView(this);
    LoadTreeImages();
    if (!BuildTree()) return -1;
    AdjustLayout();
    return 0;
}

void CTreePane::LoadTreeImages() {
    CBitmap strip;
    if (!strip.LoadBitmap(m_look.imageStrip)) return;
    BITMAP size{};
    strip.GetBitmap(&size);
    if (!m_images.Create(16, size.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 0)) return;
    m_images.Add(&strip, m_look.imageMask);
    m_wndTree.SetImageList(&m_images, TVSIL_NORMAL);
}

void CTreePane::AdjustLayout() { LayoutPaneTree(*this, m_wndTree); }

void CTreePane::OnSize(UINT nType, int cx, int cy) {
    CDockablePane::OnSize(nType, cx, cy);
    AdjustLayout();
}

void CTreePane::OnPaint() { PaintPaneTreeFrame(*this, m_wndTree); }

void CTreePane::OnSetFocus(CWnd* pOldWnd) {
    CDockablePane::OnSetFocus(pOldWnd);
    m_wndTree.SetFocus();
}

void CTreePane::OnContextMenu(CWnd* pWnd, CPoint point) {
    if (pWnd != &m_wndTree) {
        CDockablePane::OnContextMenu(pWnd, point);
        return;
    }
    HTREEITEM hit = SelectItemAtMenuPoint(m_wndTree, point);
    if (hit == nullptr) return;
    const UINT menu = ContextMenuOf(hit);
    if (menu != 0 && afxContextMenuManager) afxContextMenuManager->ShowPopupMenu(menu, point.x, point.y, this, TRUE);
}

void CTreePane::OnDestroy() {
    CDockablePane::OnDestroy();
    ReleaseItemData();
    ReleaseCommandObjects();
}

void CTreePane::RefreshTree() {
    m_wndTree.DeleteAllItems();
    ClearSelection();
    BuildTree();
}

void CTreePane::ResetSelectionAfterDelete() {
    HTREEITEM selected = m_wndTree.GetSelectedItem();
    if (selected != nullptr)
        OnSelectTreeItem(&selected);
    else
        ClearSelection();
}

void CTreePane::ReleaseItemData() {
    ClearSelection();
    ReleaseRecords();
    m_domains.clear();
    m_itemData.clear();
}

void CTreePane::ShowHelp(int topic) { Class_UmlControl::get_instance()->set_explanation_text(topic); }

bool CTreePane::ConfirmDelete(const char* question) { return MessageBox(question, "타모", MB_OKCANCEL) == IDOK; }

// ---- After a change ----------------------------------------------------------------------------------------

CTreePane::StoredItem CTreePane::ShowDomainAsStored(TreeNodeData& data, const CString& infoCall, LPCTSTR kind) {
    // The root item stands for no domain of the server.
    if (IsTreeRootDomain(data)) return StoredItem::found;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_domain_info> rows;
    if (db->SelectDomainInfoList(infoCall, kind, rows) != 0) {
        db->ShowLastError();
        return StoredItem::unread;
    }
    if (rows.empty()) {
        RemoveVanishedItem(data.item);
        return StoredItem::gone;
    }
    auto* domain = static_cast<class_domain_info*>(data.record);
    const std::string shownName = domain->name;
    // What the tree has loaded below the item stays loaded.
    const int loaded = domain->loaded;
    *domain = rows.front();
    domain->loaded = loaded;
    m_wndTree.SetItemText(data.item, domain->name.c_str());
    if (domain->name != shownName) RenameDomainPaths(data, shownName);
    return StoredItem::found;
}

void CTreePane::RenameDomainPaths(const TreeNodeData& data, const std::string& shownName) {
    const std::string oldPath = data.path;
    const std::string oldEnd = shownName + "\\";
    if (oldPath.size() < oldEnd.size() || oldPath.compare(oldPath.size() - oldEnd.size(), oldEnd.size(), oldEnd) != 0)
        return;
    const std::string newPath =
        oldPath.substr(0, oldPath.size() - oldEnd.size()) + static_cast<const class_domain_info*>(data.record)->name +
        "\\";
    std::vector<HTREEITEM> pending = {data.item};
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        if (TreeNodeData* below = ItemData(item); below && below->path.compare(0, oldPath.size(), oldPath) == 0)
            below->path = newPath + below->path.substr(oldPath.size());
        for (HTREEITEM child = m_wndTree.GetChildItem(item); child; child = m_wndTree.GetNextSiblingItem(child))
            pending.push_back(child);
    }
}

void CTreePane::RemoveVanishedItem(HTREEITEM item) {
    const CString name = m_wndTree.GetItemText(item);
    m_wndTree.DeleteItem(item);
    ResetSelectionAfterDelete();
    CString text = "서버에서 찾을 수 없는 항목이라 트리에서 지웁니다. 다른 사용자가 삭제했거나 이름을 바꾸었습니다.\n";
    text += name;
    AfxMessageBox(text);
}

// ---- Items -------------------------------------------------------------------------------------------------

TreeNodeData* CTreePane::ItemData(HTREEITEM item) const { return TreeItemData(m_wndTree, item); }

HTREEITEM CTreePane::InsertItemWithData(const std::string& text, int image, int selectedImage, HTREEITEM parent,
                                        HTREEITEM after, int kind, void* record, const std::string& path) {
    return InsertTreeItemWithData(m_wndTree, m_itemData, text, image, selectedImage, parent, after, kind, record,
                                  path);
}

HTREEITEM CTreePane::InsertRootItem() {
    HTREEITEM root = m_wndTree.InsertItem(m_look.rootText, m_look.rootImage, m_look.rootSelectedImage, TVI_ROOT,
                                          TVI_LAST);
    if (m_look.boldRoot) m_wndTree.SetItemState(root, TVIS_BOLD, TVIS_BOLD);
    if (AttachRootDomain(m_wndTree, root, m_look.domainKind, m_domains, m_itemData)) return root;
    AfxMessageBox(m_look.rootErrorText);
    AfxMessageBox("root 노드 생성 실패");
    return nullptr;
}

void CTreePane::LoadDomainList(int domainId) {
    m_mapDomainList.clear();
    ReadDomainList(DomainListCall(domainId), m_mapDomainList);
}

bool CTreePane::ReadDomainList(const CString& call, DomainList& list) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectDomainAllList(call, list) == 0) return true;
    db->ShowLastError();
    return false;
}

void CTreePane::InsertDomainLevels(const DomainList& list, int parentId, HTREEITEM parent,
                                   const std::string& parentPath, int depth, const DomainFill& fillDomain) {
    BuildDomainLevels(
        list, parentId, parent, parentPath, depth,
        [this](const class_domain_info& row, HTREEITEM hParent, const std::string& path) {
            return InsertItemWithData(row.name, m_look.domainImage, m_look.domainSelectedImage, hParent, TVI_FIRST,
                                      m_look.domainKind, Own(m_domains, row), path);
        },
        fillDomain);
}
