#include "CMethodDomainTreeView.h"

#include <algorithm>

#include "CCodeControl.h"
#include "CInterfaceMemberViewDlg.h"
#include "CMysqlQuery.h"
#include "CTreeMethodDomainControl.h"
#include "Class_UmlControl.h"
#include "FrameMessages.h"
#include "RunXmlExporter.h"
#include "TreeContextMenu.h"
#include "TreePane.h"
#include "TreeRootDomain.h"
#include "class_hmlcontroller.h"
#include "class_msxmlcontroller.h"

namespace {

// What a method domain shows until it is opened, each call on its own and in the level's bundle.
constexpr const char* kFirstInterfaceCall = "call interfaceViewFirstInterface(%d)";
constexpr const char* kFirstInterfaceMemberCall = "call interfaceViewFirstInterfaceMember(%d)";
constexpr const char* kFirstMethodCall = "call methodViewFirstMethod(%d)";

const UINT kTreeId = 2;
const UINT kTreeImages = 313;

// Images of the strip (bitmap 313).
const int IMAGE_DOMAIN = 1;
const int IMAGE_DOMAIN_SELECTED = 2;
const int IMAGE_ROOT = 5;
const int IMAGE_ROOT_SELECTED = 6;
const int IMAGE_INTERFACE = 27;

// Commands of the context menus 374, 330, 332 and 333.
enum : UINT {
    ID_METHOD_ADD_DOMAIN = 32814,
    ID_METHOD_EDIT_DOMAIN = 32815,
    ID_METHOD_DELETE_DOMAIN = 32817,
    ID_METHOD_ADD_INTERFACE = 32818,
    ID_METHOD_EDIT_INTERFACE = 32823,
    ID_METHOD_DELETE_INTERFACE = 32824,
    ID_METHOD_ADD_METHOD = 32828,
    ID_METHOD_EDIT_METHOD = 32829,
    ID_METHOD_DELETE_METHOD = 32830,
    ID_METHOD_MEMBER_METHODS = 32833,
    ID_METHOD_HEADER_CODE = 32867,
    ID_METHOD_SOURCE_CODE = 32881,
    ID_METHOD_ROOT_ADD_DOMAIN = 32912,
    ID_METHOD_REFRESH = 32913,
    ID_METHOD_XML_DOCUMENT = 32949,
    ID_METHOD_DOMAIN_ACCOUNTS = 32954,
    ID_METHOD_HML_DOCUMENT = 32960,
    ID_METHOD_IMPORT = 32976,
    ID_METHOD_SORT_BY_NAME = 33034,
    ID_METHOD_SORT_TEST = 33038,
    ID_METHOD_COPY = 33066,
    ID_METHOD_PASTE = 33068,
    ID_METHOD_DOMAIN_XML = 33078,
};

// Help topics of the help window.
const int HELP_METHOD_TREE_ITEM = 26;
const int HELP_DOMAIN_ACCOUNTS = 31;

int SelectedImage(int image) { return image < 0 ? image : image + 1; }

CTreeMethodDomainControl* MethodControl() {
    if (g_pTreeMethodDomainControl == nullptr) g_pTreeMethodDomainControl = new CTreeMethodDomainControl;
    return g_pTreeMethodDomainControl;
}

}  // namespace

BEGIN_MESSAGE_MAP(CMethodDomainTreeView, CTreePane)
    ON_COMMAND(ID_METHOD_ADD_DOMAIN, &CMethodDomainTreeView::OnAddDomain)
    ON_COMMAND(ID_METHOD_ROOT_ADD_DOMAIN, &CMethodDomainTreeView::OnAddDomain)
    ON_COMMAND(ID_METHOD_EDIT_DOMAIN, &CMethodDomainTreeView::OnEditDomain)
    ON_COMMAND(ID_METHOD_DELETE_DOMAIN, &CMethodDomainTreeView::OnDeleteDomain)
    ON_COMMAND(ID_METHOD_ADD_INTERFACE, &CMethodDomainTreeView::OnAddInterface)
    ON_COMMAND(ID_METHOD_EDIT_INTERFACE, &CMethodDomainTreeView::OnEditInterface)
    ON_COMMAND(ID_METHOD_DELETE_INTERFACE, &CMethodDomainTreeView::OnDeleteInterface)
    ON_COMMAND(ID_METHOD_ADD_METHOD, &CMethodDomainTreeView::OnAddMethod)
    ON_COMMAND(ID_METHOD_EDIT_METHOD, &CMethodDomainTreeView::OnEditMethod)
    ON_COMMAND(ID_METHOD_DELETE_METHOD, &CMethodDomainTreeView::OnDeleteMethod)
    ON_COMMAND(ID_METHOD_MEMBER_METHODS, &CMethodDomainTreeView::OnMemberMethods)
    ON_COMMAND(ID_METHOD_HEADER_CODE, &CMethodDomainTreeView::OnDomainHeaderCode)
    ON_COMMAND(ID_METHOD_SOURCE_CODE, &CMethodDomainTreeView::OnSourceCode)
    ON_COMMAND(ID_METHOD_REFRESH, &CMethodDomainTreeView::OnRefresh)
    ON_COMMAND(ID_METHOD_DOMAIN_XML, &CMethodDomainTreeView::OnMethodDomainXmlExport)
    ON_COMMAND(ID_METHOD_DOMAIN_ACCOUNTS, &CMethodDomainTreeView::OnDomainAccounts)
    ON_COMMAND(ID_METHOD_IMPORT, &CMethodDomainTreeView::OnImportMethods)
    ON_COMMAND(ID_METHOD_SORT_BY_NAME, &CMethodDomainTreeView::OnSortByName)
    ON_COMMAND(ID_METHOD_SORT_TEST, &CMethodDomainTreeView::OnSortTest)
    ON_COMMAND(ID_METHOD_COPY, &CMethodDomainTreeView::OnCopyMethod)
    ON_COMMAND(ID_METHOD_PASTE, &CMethodDomainTreeView::OnPasteMethod)
    ON_COMMAND(ID_METHOD_XML_DOCUMENT, &CMethodDomainTreeView::OnXmlDocument)
    ON_COMMAND(ID_METHOD_HML_DOCUMENT, &CMethodDomainTreeView::OnHmlDocument)
END_MESSAGE_MAP()

CMethodDomainTreeView::CMethodDomainTreeView()
    : CTreePane({WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_HASLINES | TVS_LINESATROOT |
                     TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
                 kTreeId, kTreeImages, RGB(255, 0, 0), "Method_Domain", IMAGE_ROOT, IMAGE_ROOT_SELECTED, true,
                 "erro:CMethodDomainTreeView:FillRootNode()->setitemData", TREE_METHOD_DOMAIN, IMAGE_DOMAIN,
                 IMAGE_DOMAIN_SELECTED}) {}

CMethodDomainTreeView::~CMethodDomainTreeView() = default;

int CMethodDomainTreeView::GetMethodKindImageIndex(const std::string& type) {
    if (type == "CALL" || type == "CALLBACK") return 15;
    if (type == "SIGNAL" || type == "SIGNALBACK") return 17;
    if (type == "EVENT") return 19;
    if (type == "INFORMATION") return 21;
    if (type == "COMMAND") return 23;
    if (type == "BROADCAST") return 25;
    return -1;
}

// ---- Window ------------------------------------------------------------------------------------------------

bool CMethodDomainTreeView::BuildTree() {
    HTREEITEM root = InsertRootItem();
    if (root == nullptr) {
        m_wndTree.DeleteAllItems();
        return false;
    }
    // The root's first expansion would load it again: it is filled as that load fills it, three levels deep,
    // and marked loaded, so that nothing is asked of the server twice.
    auto* rootDomain = static_cast<class_domain_info*>(ItemData(root)->record);
    LoadDomainList(0);
    InsertDomainItems(m_mapDomainList, 0, root, 2);
    rootDomain->loaded = 1;
    m_wndTree.Expand(root, TVE_EXPAND);
    PublishDomainPaths();
    return true;
}

void CMethodDomainTreeView::ClearSelection() { m_pSelectedItem = nullptr; }

UINT CMethodDomainTreeView::ContextMenuOf(HTREEITEM item) const {
    const TreeNodeData* data = ItemData(item);
    return data ? ContextMenuIdOfItem(*data, false) : 0;
}

void CMethodDomainTreeView::ReleaseRecords() {
    m_pSelectedDomain = nullptr;
    m_pSelectedInterface = nullptr;
    m_pSelectedMethod = nullptr;
    m_pSelectedMemberMethod = nullptr;
    m_pCopiedItem = nullptr;
    m_memberMethods.clear();
    m_methods.clear();
    m_interfaces.clear();
}

void CMethodDomainTreeView::ReleaseCommandObjects() {
    delete g_pTreeMethodDomainControl;
    g_pTreeMethodDomainControl = nullptr;
    delete g_pHmlController;
    g_pHmlController = nullptr;
}

void CMethodDomainTreeView::PublishDomainPaths() {
    CMysqlQuery::GetInstance()->SetDomainIdList(m_mapDomainPath, m_strKind.c_str());
}

void CMethodDomainTreeView::SendToMainFrame(UINT message, void* record) {
    if (CWnd* mainWindow = AfxGetMainWnd()) mainWindow->SendMessage(message, 1, reinterpret_cast<LPARAM>(record));
}

// ---- Items -------------------------------------------------------------------------------------------------

TreeNodeData* CMethodDomainTreeView::CurrentItemOfKind(int kind) const {
    return m_pSelectedItem != nullptr && m_pSelectedItem->kind == kind ? m_pSelectedItem : nullptr;
}

HTREEITEM CMethodDomainTreeView::InsertTreeItem(const std::string& text, int image, int selectedImage,
                                                HTREEITEM hParent, HTREEITEM hAfter, int kind, void* record,
                                                const std::string& path) {
    return InsertItemWithData(text, image, selectedImage, hParent, hAfter, kind, record, path);
}

CString CMethodDomainTreeView::DomainListCall(int domainId) const {
    return CMysqlQuery::GetInstance()->FormatCall("call mainViewDomainList(%d, 'method')", domainId);
}

void CMethodDomainTreeView::InsertDomainItems(const DomainList& list, int parentId, HTREEITEM hParent, int depth) {
    // What every domain shows until it is opened (its first interface with that one's first member, and its
    // first method) comes in one round trip, from the bundle that answers those calls of the whole level; the
    // build takes the answers in its own order.
    std::vector<int> domainIds;
    for (const auto& [domain, depthBelow] : DomainLevelFillOrder(list, parentId, depth))
        if (domain->id != 0) domainIds.push_back(domain->id);
    std::unique_ptr<CMysqlReadAhead> ahead;
    if (!domainIds.empty())
        ahead = std::make_unique<CMysqlReadAhead>(std::vector<CString>(), LevelFirstsCall(domainIds), LevelFirstsSets());
    // Paths carry every ancestor from the top level, also for domains inserted when their parent opens.
    InsertDomainLevels(
        list, parentId, hParent, ChildDomainPath(ItemData(hParent)), depth,
        [this](const class_domain_info& row, HTREEITEM hItem, const std::string& path, int) {
            // One interface and one method, so that the expand button shows; the lazy load replaces them.
            if (row.id != 0) {
                InsertInterfaceItems(row.id, hItem, path, true);
                LoadFirstMethod(row.id);
                InsertMethodItems(hItem, path, true);
            }
            m_mapDomainPath[row.id] = path;
        });
}

int CMethodDomainTreeView::InsertInterfaceItems(int domainId, HTREEITEM hParent, const std::string& path,
                                                bool firstOnly) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_vecInterfaceList.clear();
    if (db->SelectInterfaceList(firstOnly ? FirstInterfaceCall(domainId) : InterfaceListCall(domainId),
                                m_vecInterfaceList) != 0) {
        db->ShowLastError();
        return -1;
    }
    if (firstOnly) {
        // The first interface with its first member, so that the domain's expand button shows.
        for (const class_interface_info& row : m_vecInterfaceList) {
            HTREEITEM hItem = InsertInterfaceItem(row, hParent, path);
            std::vector<class_method_info> members;
            if (db->SelectMemberMethodList(FirstInterfaceMemberCall(domainId), members) != 0) {
                db->ShowLastError();
                break;
            }
            for (const class_method_info& member : members) InsertMemberMethod(domainId, row.name, path, hItem, member);
            break;
        }
        return 0;
    }
    // The first member of every interface from one call; when that fails, each interface reads its own list.
    std::vector<std::pair<std::string, class_method_info>> firstMembers;
    const bool answered = !m_vecInterfaceList.empty() && db->SelectFirstMemberMethods(domainId, firstMembers) == 0;
    std::map<std::string, const class_method_info*> firstMemberOf;
    for (const auto& [name, member] : firstMembers) firstMemberOf.emplace(name, &member);
    for (const class_interface_info& row : m_vecInterfaceList) {
        HTREEITEM hItem = InsertInterfaceItem(row, hParent, path);
        if (!answered) {
            InsertMemberMethodItems(domainId, row.name, path, hItem, true);
        } else if (const auto first = firstMemberOf.find(row.name); first != firstMemberOf.end()) {
            InsertMemberMethod(domainId, row.name, path, hItem, *first->second);
        }
    }
    return 0;
}

HTREEITEM CMethodDomainTreeView::InsertInterfaceItem(const class_interface_info& row, HTREEITEM hParent,
                                                     const std::string& path) {
    return InsertTreeItem(row.name, IMAGE_INTERFACE, IMAGE_INTERFACE, hParent, TVI_LAST, TREE_INTERFACE,
                          Own(m_interfaces, row), path);
}

int CMethodDomainTreeView::InsertMemberMethodItems(int domainId, const std::string& interfaceName,
                                                   const std::string& path, HTREEITEM hParent, bool firstOnly) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_method_info> members;
    if (db->SelectMemberMethodList(MemberMethodListCall(domainId, interfaceName), members) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_method_info& row : members) {
        InsertMemberMethod(domainId, interfaceName, path, hParent, row);
        if (firstOnly) break;
    }
    return 0;
}

void CMethodDomainTreeView::InsertMemberMethod(int domainId, const std::string& interfaceName,
                                               const std::string& path, HTREEITEM hParent,
                                               const class_method_info& row) {
    class_membermethod_info* member = Own(m_memberMethods, class_membermethod_info());
    member->domain_id = domainId;
    member->interface_name = interfaceName;
    member->method = Own(m_methods, row);
    const int image = GetMethodKindImageIndex(row.type);
    InsertTreeItem(row.name, image, SelectedImage(image), hParent, TVI_LAST, TREE_MEMBER_METHOD, member, path);
}

void CMethodDomainTreeView::LoadMethodList(int domainId, const std::string& name) {
    m_vecMethodList.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMethodList(MethodListCall(domainId, name), m_vecMethodList) != 0) db->ShowLastError();
}

void CMethodDomainTreeView::LoadFirstMethod(int domainId) {
    m_vecMethodList.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMethodList(FirstMethodCall(domainId), m_vecMethodList) != 0) db->ShowLastError();
}

CString CMethodDomainTreeView::FirstInterfaceCall(int domainId) {
    return CMysqlQuery::GetInstance()->FormatCall(kFirstInterfaceCall, domainId);
}

CString CMethodDomainTreeView::FirstMethodCall(int domainId) {
    return CMysqlQuery::GetInstance()->FormatCall(kFirstMethodCall, domainId);
}

CString CMethodDomainTreeView::FirstInterfaceMemberCall(int domainId) {
    return CMysqlQuery::GetInstance()->FormatCall(kFirstInterfaceMemberCall, domainId);
}

CString CMethodDomainTreeView::LevelFirstsCall(const std::vector<int>& domainIds) {
    return CMysqlQuery::GetInstance()->FormatCall("call methodDomainViewLevelFirsts('%s')", DomainIdArray(domainIds));
}

const std::vector<CMysqlReadAhead::BundleSet>& CMethodDomainTreeView::LevelFirstsSets() {
    // In the order of the bundle's sets.
    static const std::vector<CMysqlReadAhead::BundleSet> sets = {
        {kFirstInterfaceCall, 1}, {kFirstInterfaceMemberCall, 1}, {kFirstMethodCall, 1}};
    return sets;
}

CString CMethodDomainTreeView::InterfaceListCall(int domainId) {
    return CMysqlQuery::GetInstance()->FormatCall("call interfaceViewInterfaceList('%d','method','%%')", domainId);
}

CString CMethodDomainTreeView::MemberMethodListCall(int domainId, const std::string& interfaceName) {
    return CMysqlQuery::GetInstance()->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')", domainId,
                                                  interfaceName);
}

CString CMethodDomainTreeView::MethodListCall(int domainId, const std::string& name) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    return name.empty() ? db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')", domainId)
                        : db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%s')", domainId, name);
}

void CMethodDomainTreeView::InsertMethodItems(HTREEITEM hParent, const std::string& path, bool firstOnly) {
    for (const class_method_info& row : m_vecMethodList) {
        const int image = GetMethodKindImageIndex(row.type);
        InsertTreeItem(row.name, image, SelectedImage(image), hParent, TVI_LAST, TREE_METHOD, Own(m_methods, row),
                       path);
        if (firstOnly) break;
    }
}

void CMethodDomainTreeView::DeleteChildItems(HTREEITEM hItem) {
    while (HTREEITEM hChild = m_wndTree.GetChildItem(hItem)) m_wndTree.DeleteItem(hChild);
}

// ---- Selection ---------------------------------------------------------------------------------------------

void CMethodDomainTreeView::OnSelectTreeItem(HTREEITEM* item) {
    if (item == nullptr || *item == nullptr) return;
    HTREEITEM hItem = *item;
    TreeNodeData* data = ItemData(hItem);
    if (data == nullptr) return;
    m_pSelectedItem = data;

    switch (data->kind) {
    case TREE_METHOD_DOMAIN: {
        auto* domain = static_cast<class_domain_info*>(data->record);
        m_pSelectedDomain = domain;
        m_nCurrentId = domain->id;
        if (domain->loaded != 0) break;
        DeleteChildItems(hItem);
        // The level's own lists in one round trip (the first members of its interfaces follow when it has any).
        CMysqlReadAhead ahead(domain->id == 0 ? std::vector<CString>()
                                              : std::vector<CString>{DomainListCall(domain->id),
                                                                     InterfaceListCall(domain->id),
                                                                     MethodListCall(domain->id, "")});
        LoadDomainList(domain->id);
        InsertDomainItems(m_mapDomainList, domain->id, hItem, 2);
        if (domain->id != 0) {
            InsertInterfaceItems(domain->id, hItem, data->path, false);
            LoadMethodList(domain->id, "");
            InsertMethodItems(hItem, data->path, false);
        }
        domain->loaded = 1;
        PublishDomainPaths();
        break;
    }
    case TREE_INTERFACE: {
        auto* iface = static_cast<class_interface_info*>(data->record);
        m_pSelectedInterface = iface;
        m_nCurrentId = iface->domain_id;
        if (iface->loaded != 0) break;
        DeleteChildItems(hItem);
        InsertMemberMethodItems(iface->domain_id, iface->name, data->path, hItem, false);
        iface->loaded = 1;
        break;
    }
    case TREE_METHOD:
        m_pSelectedMethod = static_cast<class_method_info*>(data->record);
        m_nCurrentId = m_pSelectedMethod->domain_id;
        break;
    case TREE_MEMBER_METHOD:
        m_pSelectedMemberMethod = static_cast<class_membermethod_info*>(data->record);
        m_nCurrentId = m_pSelectedMemberMethod->domain_id;
        break;
    default:
        break;
    }
    if (!IsTreeRootDomain(*data)) ShowHelp(HELP_METHOD_TREE_ITEM);
}

void CMethodDomainTreeView::OnOpenTreeItem() { AfxMessageBox("method_view_open"); }

void CMethodDomainTreeView::SelectItemByPath(const std::string& line) { m_wndTree.SelectByReferenceLine(line); }

// ---- After a change ----------------------------------------------------------------------------------------

CTreePane::StoredItem CMethodDomainTreeView::ShowDomainAsStored(TreeNodeData& data) {
    const int id = static_cast<const class_domain_info*>(data.record)->id;
    return CTreePane::ShowDomainAsStored(
        data, CMysqlQuery::GetInstance()->FormatCall("call domainMethodInfo(%d,'method')", id), "method");
}

CTreePane::StoredItem CMethodDomainTreeView::ReadStoredMethod(const class_method_info& record,
                                                              class_method_info& stored) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_method_info> rows;
    if (db->SelectMethodList(MethodListCall(record.domain_id, record.name), rows) != 0) {
        db->ShowLastError();
        return StoredItem::unread;
    }
    auto row =
        std::find_if(rows.begin(), rows.end(), [&](const class_method_info& r) { return r.name == record.name; });
    if (row == rows.end()) {
        if (db->SelectMethodList(MethodListCall(record.domain_id, ""), rows) != 0) {
            db->ShowLastError();
            return StoredItem::unread;
        }
        row = std::find_if(rows.begin(), rows.end(), [&](const class_method_info& r) { return r.code == record.code; });
    }
    if (row == rows.end()) return StoredItem::gone;
    stored = *row;
    return StoredItem::found;
}

CTreePane::StoredItem CMethodDomainTreeView::ShowMethodAsStored(TreeNodeData& data) {
    auto* record = static_cast<class_method_info*>(data.record);
    class_method_info stored;
    const StoredItem read = ReadStoredMethod(*record, stored);
    if (read == StoredItem::gone) RemoveVanishedItem(data.item);
    if (read != StoredItem::found) return read;
    *record = stored;
    m_wndTree.SetItemText(data.item, record->name.c_str());
    const int image = GetMethodKindImageIndex(record->type);
    m_wndTree.SetItemImage(data.item, image, SelectedImage(image));
    return StoredItem::found;
}

CTreePane::StoredItem CMethodDomainTreeView::ShowInterfaceAsStored(TreeNodeData& data) {
    auto* record = static_cast<class_interface_info*>(data.record);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_interface_info> rows;
    if (db->SelectInterfaceList(db->FormatCall("call interfaceViewInterfaceList('%d','method','%s')", record->domain_id,
                                               record->name),
                                rows) != 0) {
        db->ShowLastError();
        return StoredItem::unread;
    }
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const class_interface_info& r) { return r.name == record->name; });
    if (row != rows.end()) {
        const int loaded = record->loaded;
        *record = *row;
        record->loaded = loaded;
        return StoredItem::found;
    }
    // An interface is known by its name alone: one renamed meanwhile shows among the domain's interfaces again.
    HTREEITEM domainItem = m_wndTree.GetParentItem(data.item);
    RemoveVanishedItem(data.item);
    if (const TreeNodeData* domain = ItemData(domainItem); domain && domain->kind == TREE_METHOD_DOMAIN) {
        const bool loaded = static_cast<const class_domain_info*>(domain->record)->loaded != 0;
        DeleteTreeChildrenOfKind(m_wndTree, domainItem, TREE_INTERFACE);
        InsertInterfaceItems(record->domain_id, domainItem, domain->path, !loaded);
    }
    return StoredItem::gone;
}

// ---- Domain commands ---------------------------------------------------------------------------------------

void CMethodDomainTreeView::OnAddDomain() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD_DOMAIN);
    if (selected == nullptr) return;
    ShowHelp(selected->kind);
    auto* domain = static_cast<class_domain_info*>(selected->record);
    if (MethodControl()->NewDomain(domain) == -1) return;
    DomainList subtree;
    if (!ReadDomainList(CMysqlQuery::GetInstance()->FormatCall("call mainViewDomainList(%d,'method')", domain->id),
                        subtree))
        return;
    DeleteTreeChildrenOfKind(m_wndTree, selected->item, TREE_METHOD_DOMAIN);
    InsertDomainItems(subtree, domain->id, selected->item, 1);
    PublishDomainPaths();
    m_wndTree.Expand(selected->item, TVE_EXPAND);
}

void CMethodDomainTreeView::OnEditDomain() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD_DOMAIN);
    if (selected == nullptr) return;
    auto* domain = static_cast<class_domain_info*>(selected->record);
    // The dialog shows the domain as the server holds it now, and the tree what the edit left.
    if (ShowDomainAsStored(*selected) == StoredItem::gone) return;
    const int edited = MethodControl()->EditDomain(domain);
    if (ShowDomainAsStored(*selected) == StoredItem::gone) return;
    if (edited == 0) m_wndTree.SelectItem(selected->item);
    SendToMainFrame(WM_SHOW_ITEM_PROPERTIES, selected);
}

void CMethodDomainTreeView::OnDeleteDomain() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD_DOMAIN);
    if (selected == nullptr) return;
    if (!ConfirmDelete("도메인을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n 도메인관련 메서드,인터페이스, 사용자가 "
                       "삭제됩니다.\n그래도 삭제하시겠습니까?"))
        return;
    if (MethodControl()->DeleteDomain(static_cast<class_domain_info*>(selected->record)) != 0) {
        ShowDomainAsStored(*selected);
        return;
    }
    m_wndTree.DeleteItem(selected->item);
    ResetSelectionAfterDelete();
}

void CMethodDomainTreeView::OnDomainHeaderCode() {
    if (m_pSelectedItem == nullptr || m_pSelectedDomain == nullptr) return;
    if (g_pCodeControl == nullptr) g_pCodeControl = new CCodeControl;
    g_pCodeControl->ShowCodeView(m_pSelectedItem->kind, *m_pSelectedDomain);
}

void CMethodDomainTreeView::OnMethodDomainXmlExport() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD_DOMAIN);
    if (selected == nullptr) return;
    const auto* domain = static_cast<const class_domain_info*>(selected->record);
    RunXmlExporter(domain->name, "tools\\tembrel.exe", domain->id);
}

void CMethodDomainTreeView::OnXmlDocument() {
    if (m_pSelectedItem == nullptr || m_pSelectedDomain == nullptr) return;
    const CString path = m_pSelectedItem->path.c_str();
    if (g_pMsXmlController == nullptr) g_pMsXmlController = new class_msxmlcontroller;
    const int result =
        g_pMsXmlController->export_xml_document(m_pSelectedDomain->id, m_pSelectedDomain->name, path);
    MessageBox(result != 0 ? "XML문서를 생성하지 못했습니다" : "XML문서를 생성 했습니다", "");
    delete g_pMsXmlController;
    g_pMsXmlController = nullptr;
}

void CMethodDomainTreeView::OnHmlDocument() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD_DOMAIN);
    if (selected == nullptr) return;
    const auto* domain = static_cast<const class_domain_info*>(selected->record);
    // The controller is kept for the session's later documents; the pane deletes it when it is destroyed.
    if (g_pHmlController == nullptr) g_pHmlController = new class_hmlcontroller;
    if (g_pHmlController->create_hml_document(domain->id, domain->name) == 0)
        AfxMessageBox("hml문서가 생성 되었습니다.");
}

void CMethodDomainTreeView::OnDomainAccounts() {
    if (m_pSelectedDomain == nullptr) return;
    ShowHelp(HELP_DOMAIN_ACCOUNTS);
    MethodControl()->ShowDomainAccounts(m_pSelectedDomain);
}

void CMethodDomainTreeView::OnRefresh() { RefreshTree(); }

void CMethodDomainTreeView::OnSortByName() {
    if (m_pSelectedItem == nullptr) return;
    m_wndTree.SortChildren(m_pSelectedItem->item);
}

int CALLBACK CMethodDomainTreeView::SortTestCompare(LPARAM lParam1, LPARAM lParam2, LPARAM) {
    const int first = reinterpret_cast<const TreeNodeData*>(lParam1)->kind;
    const int second = reinterpret_cast<const TreeNodeData*>(lParam2)->kind;
    AfxMessageBox(std::to_string(first).c_str());
    AfxMessageBox(std::to_string(second).c_str());
    return first < second ? -1 : (first > second ? 1 : 0);
}

void CMethodDomainTreeView::OnSortTest() {
    if (m_pSelectedItem == nullptr) return;
    TVSORTCB sort{};
    sort.hParent = m_pSelectedItem->item;
    sort.lpfnCompare = &CMethodDomainTreeView::SortTestCompare;
    sort.lParam = reinterpret_cast<LPARAM>(&m_wndTree);
    m_wndTree.SortChildrenCB(&sort);
}

// ---- Interface commands ------------------------------------------------------------------------------------

void CMethodDomainTreeView::OnAddInterface() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD_DOMAIN);
    if (selected == nullptr) return;
    const int domainId = static_cast<class_domain_info*>(selected->record)->id;
    if (MethodControl()->NewInterface(domainId) != 0) return;
    DeleteTreeChildrenOfKind(m_wndTree, selected->item, TREE_INTERFACE);
    InsertInterfaceItems(domainId, selected->item, selected->path, false);
}

void CMethodDomainTreeView::OnEditInterface() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_INTERFACE);
    if (selected == nullptr) return;
    auto* iface = static_cast<class_interface_info*>(selected->record);
    // The dialog shows the interface as the server holds it now.
    if (ShowInterfaceAsStored(*selected) == StoredItem::gone) return;
    const std::string oldName = iface->name;
    const int edited = MethodControl()->EditInterface(iface);
    if (ShowInterfaceAsStored(*selected) == StoredItem::gone || edited != 0 || iface->name == oldName) return;
    m_wndTree.SetItemText(selected->item, iface->name.c_str());
    m_wndTree.SelectItem(selected->item);
    SendToMainFrame(WM_INTERFACE_CHANGED, iface);
}

void CMethodDomainTreeView::OnDeleteInterface() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_INTERFACE);
    if (selected == nullptr) return;
    if (!ConfirmDelete("인터페이스을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n 그래도 삭제하시겠습니까?")) return;
    auto* iface = static_cast<class_interface_info*>(selected->record);
    if (MethodControl()->DeleteInterface(iface) != 0) {
        ShowInterfaceAsStored(*selected);
        return;
    }
    m_wndTree.DeleteItem(selected->item);
    SendToMainFrame(WM_INTERFACE_CHANGED, iface);
    ResetSelectionAfterDelete();
}

void CMethodDomainTreeView::OnMemberMethods() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_INTERFACE);
    if (selected == nullptr) return;
    auto* iface = static_cast<class_interface_info*>(selected->record);
    // The members of the interface as it is named now.
    if (ShowInterfaceAsStored(*selected) == StoredItem::gone) return;
    CInterfaceMemberViewDlg dialog;
    dialog.m_pInterface = iface;
    dialog.DoModal();
    DeleteChildItems(selected->item);
    InsertMemberMethodItems(iface->domain_id, iface->name, selected->path, selected->item, false);
    if (dialog.m_nMethodCreated == 0) return;
    const TreeNodeData* parent = ItemData(m_wndTree.GetParentItem(selected->item));
    if (parent == nullptr) return;
    DeleteTreeChildrenOfKind(m_wndTree, parent->item, TREE_METHOD);
    LoadMethodList(iface->domain_id, "");
    InsertMethodItems(parent->item, parent->path, false);
}

void CMethodDomainTreeView::OnSourceCode() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_INTERFACE);
    if (selected == nullptr) return;
    // The code is written for the interface as the server names it now; one renamed meanwhile shows again under
    // its new name, to be chosen anew.
    if (ShowInterfaceAsStored(*selected) == StoredItem::gone) return;
    const CString domainName = m_wndTree.GetItemText(m_wndTree.GetParentItem(selected->item));
    if (g_pCodeControl == nullptr) g_pCodeControl = new CCodeControl;
    g_pCodeControl->ShowSourceCode(*static_cast<class_interface_info*>(selected->record), domainName);
}

// ---- Method commands ---------------------------------------------------------------------------------------

void CMethodDomainTreeView::OnAddMethod() {
    if (m_pSelectedItem == nullptr) return;
    const TreeNodeData* target = m_pSelectedItem;
    if (target->kind == TREE_METHOD) target = ItemData(m_wndTree.GetParentItem(target->item));
    if (target == nullptr || target->kind != TREE_METHOD_DOMAIN) return;
    const int domainId = static_cast<class_domain_info*>(target->record)->id;
    std::string name;
    if (MethodControl()->NewMethod(domainId, name) != 0) return;
    LoadMethodList(domainId, name);
    InsertMethodItems(target->item, target->path, false);
    m_wndTree.Expand(target->item, TVE_EXPAND);
}

void CMethodDomainTreeView::OnEditMethod() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD);
    if (selected == nullptr) return;
    auto* method = static_cast<class_method_info*>(selected->record);
    // The dialog shows the method as the server holds it now, and the tree what the edit left.
    if (ShowMethodAsStored(*selected) == StoredItem::gone) return;
    const int edited = MethodControl()->EditMethod(method);
    if (ShowMethodAsStored(*selected) == StoredItem::gone) return;
    if (edited == 0) m_wndTree.SelectItem(selected->item);
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->PostMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(selected));
}

void CMethodDomainTreeView::OnDeleteMethod() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD);
    if (selected == nullptr) return;
    if (!ConfirmDelete("메서드ㅡ을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n 그래도 삭제하시겠습니까?")) return;
    if (MethodControl()->DeleteMethod(static_cast<class_method_info*>(selected->record)) != 0) {
        ShowMethodAsStored(*selected);
        return;
    }
    m_wndTree.DeleteItem(selected->item);
    ResetSelectionAfterDelete();
}

void CMethodDomainTreeView::OnCopyMethod() {
    if (TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD)) m_pCopiedItem = selected;
}

void CMethodDomainTreeView::OnPasteMethod() {
    if (m_pCopiedItem == nullptr) {
        AfxMessageBox("복사할 대상이 없습니다");
        return;
    }
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD_DOMAIN);
    if (selected == nullptr) return;
    const int domainId = static_cast<class_domain_info*>(selected->record)->id;
    // The copied item's record outlives its tree item: a delete or refresh since the copy changes nothing here.
    const class_method_info copied = *static_cast<const class_method_info*>(m_pCopiedItem->record);
    if (MethodControl()->InsertCopiedMethods(domainId, {copied}) != 0) return;
    LoadMethodList(domainId, copied.name);
    InsertMethodItems(selected->item, selected->path, false);
}

void CMethodDomainTreeView::OnImportMethods() {
    TreeNodeData* selected = CurrentItemOfKind(TREE_METHOD_DOMAIN);
    if (selected == nullptr) return;
    auto* domain = static_cast<class_domain_info*>(selected->record);
    if (MethodControl()->CopyMethods(domain) != 0) return;
    DeleteTreeChildrenOfKind(m_wndTree, selected->item, TREE_METHOD);
    LoadMethodList(domain->id, "");
    InsertMethodItems(selected->item, selected->path, false);
    m_wndTree.Expand(selected->item, TVE_EXPAND);
}
