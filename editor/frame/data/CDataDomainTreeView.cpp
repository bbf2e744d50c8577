#include "CDataDomainTreeView.h"

#include <algorithm>

#include "CCodeControl.h"
#include "CConstViewDlg.h"
#include "CDataFieldViewDlg.h"
#include "CMysqlQuery.h"
#include "CTreeDataDomainControl.h"
#include "Class_UmlControl.h"
#include "FrameMessages.h"
#include "RunXmlExporter.h"
#include "TreeContextMenu.h"
#include "TreePane.h"
#include "TreeRootDomain.h"

namespace {

const UINT kTreeId = 4;
const UINT kTreeImages = 312;

// Images of the strip (bitmap 312).
const int IMAGE_DOMAIN = 1;
const int IMAGE_DOMAIN_SELECTED = 2;
const int IMAGE_ROOT = 3;
const int IMAGE_ROOT_SELECTED = 4;
const int IMAGE_NO_TYPE = 26;

// Commands of the context menus 314-318 and 425.
enum : UINT {
    ID_DATA_ADD_PARENT_DOMAIN = 32779,
    ID_DATA_ADD_DOMAIN = 32780,
    ID_DATA_DELETE_DOMAIN = 32784,
    ID_DATA_EDIT_DOMAIN = 32785,
    ID_DATA_ADD_DATA = 32791,
    ID_DATA_EDIT_DATA = 32792,
    ID_DATA_DELETE_DATA = 32793,
    ID_DATA_CONSTANTS = 32800,
    ID_DATA_FIELDS = 32807,
    ID_DATA_HEADER_CODE = 32865,
    ID_DATA_DOMAIN_ACCOUNTS = 32878,
    ID_DATA_REFRESH = 32908,
    ID_DATA_IMPORT = 32974,
    ID_DATA_SORT_BY_NAME = 33028,
    ID_DATA_NO_COMMAND = 33032,
    ID_DATA_SORT_BY_TYPE = 33058,
    ID_DATA_COPY = 33060,
    ID_DATA_PASTE = 33062,
    ID_DATA_DOMAIN_XML = 33076,
};

// Help topics of the help window.
const int HELP_DATA_ITEM = 3;
const int HELP_STRUCT_FIELDS = 4;
const int HELP_DATA_DOMAIN = 25;
const int HELP_IMPORT_DATA = 28;
const int HELP_DOMAIN_ACCOUNTS = 31;

bool IsEnumerationType(const std::string& type) {
    return type == "enum8_t" || type == "enum16_t" || type == "enum32_t";
}

CTreeDataDomainControl* DataControl() {
    if (g_pTreeDataDomainControl == nullptr) g_pTreeDataDomainControl = new CTreeDataDomainControl;
    return g_pTreeDataDomainControl;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDataDomainTreeView, CTreePane)
    ON_COMMAND(ID_DATA_ADD_DOMAIN, &CDataDomainTreeView::OnAddDomain)
    ON_COMMAND(ID_DATA_EDIT_DOMAIN, &CDataDomainTreeView::OnEditDomain)
    ON_COMMAND(ID_DATA_DELETE_DOMAIN, &CDataDomainTreeView::OnDeleteDomain)
    ON_COMMAND(ID_DATA_ADD_PARENT_DOMAIN, &CDataDomainTreeView::OnAddParentDomain)
    ON_COMMAND(ID_DATA_ADD_DATA, &CDataDomainTreeView::OnAddData)
    ON_COMMAND(ID_DATA_EDIT_DATA, &CDataDomainTreeView::OnEditData)
    ON_COMMAND(ID_DATA_DELETE_DATA, &CDataDomainTreeView::OnDeleteData)
    ON_COMMAND(ID_DATA_FIELDS, &CDataDomainTreeView::OnDataFields)
    ON_COMMAND(ID_DATA_CONSTANTS, &CDataDomainTreeView::OnDataConstants)
    ON_COMMAND(ID_DATA_IMPORT, &CDataDomainTreeView::OnImportData)
    ON_COMMAND(ID_DATA_DOMAIN_XML, &CDataDomainTreeView::OnDomainXmlExport)
    ON_COMMAND(ID_DATA_HEADER_CODE, &CDataDomainTreeView::OnDomainHeaderCode)
    ON_COMMAND(ID_DATA_DOMAIN_ACCOUNTS, &CDataDomainTreeView::OnDomainAccounts)
    ON_COMMAND(ID_DATA_REFRESH, &CDataDomainTreeView::OnRefresh)
    ON_COMMAND(ID_DATA_SORT_BY_NAME, &CDataDomainTreeView::OnSortByName)
    ON_COMMAND(ID_DATA_SORT_BY_TYPE, &CDataDomainTreeView::OnSortByType)
    ON_COMMAND(ID_DATA_COPY, &CDataDomainTreeView::OnCopyData)
    ON_COMMAND(ID_DATA_PASTE, &CDataDomainTreeView::OnPasteData)
    ON_COMMAND(ID_DATA_NO_COMMAND, &CDataDomainTreeView::OnNoCommand)
END_MESSAGE_MAP()

CDataDomainTreeView::CDataDomainTreeView()
    : CTreePane({WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS, kTreeId,
                 kTreeImages, RGB(255, 0, 255), "Data_Domain", IMAGE_ROOT, IMAGE_ROOT_SELECTED, true,
                 "erro:CDataDomainTreeView:FillRootNode()->setitemData", TREE_DATA_DOMAIN, IMAGE_DOMAIN,
                 IMAGE_DOMAIN_SELECTED}) {}

CDataDomainTreeView::~CDataDomainTreeView() = default;

int CDataDomainTreeView::GetTypeImageIndex(const std::string& type) {
    static const std::map<std::string, int> images = {
        {"struct", 7},
        {"alias", 8},
        {"enum8_t", 9},          {"enum16_t", 9},          {"enum32_t", 9},
        {"char_t", 10},
        {"wchar_t", 11},
        {"int8_t", 12},          {"int16_t", 12},          {"int32_t", 12},          {"int64_t", 12},
        {"u_int8_t", 13},        {"u_int16_t", 13},        {"u_int32_t", 13},        {"u_int64_t", 13},
        {"scaled8_t", 14},       {"scaled16_t", 14},       {"scaled32_t", 14},       {"scaled64_t", 14},
        {"u_scaled8_t", 15},     {"u_scaled16_t", 15},     {"u_scaled32_t", 15},     {"u_scaled64_t", 15},
        {"ieee754_32_t", 16},    {"ieee754_64_t", 16},     {"ieee754_80_t", 16},
        {"ip_t", 17},
        {"port_t", 18},
        {"domain_t", 19},
        {"second_t", 20},
        {"psecond_t", 21},
        {"packed_node_addr_t", 22},
        {"packed_client_addr_t", 23},
        {"packed_server_addr_t", 24},
    };
    const auto found = images.find(type);
    return found == images.end() ? -1 : found->second;
}

// ---- Window ------------------------------------------------------------------------------------------------

bool CDataDomainTreeView::BuildTree() {
    HTREEITEM root = InsertRootItem();
    if (root == nullptr) return false;
    LoadDomainList(0);
    // Expanding the root loads it afresh, two levels deep, in place of a first level built before it: with
    // domains to show, the root is loaded from this list right away (what its expansion would do), and the
    // expansion finds it loaded. Without any, the root stays unloaded and closed.
    if (m_mapDomainList.count(0) != 0) {
        TreeNodeData* data = ItemData(root);
        m_pSelectedItem = data;
        m_pSelectedDomain = static_cast<class_domain_info*>(data->record);
        LoadDomainLevel(root, *data, false);
    }
    m_wndTree.Expand(root, TVE_EXPAND);
    PublishDomainPaths();
    return true;
}

void CDataDomainTreeView::ClearSelection() {
    m_pSelectedItem = nullptr;
    m_pSelectedDomain = nullptr;
    m_pSelectedData = nullptr;
}

UINT CDataDomainTreeView::ContextMenuOf(HTREEITEM item) const {
    const TreeNodeData* data = ItemData(item);
    return data ? ContextMenuIdOfItem(*data, m_pCopiedItem != nullptr) : 0;
}

void CDataDomainTreeView::ReleaseRecords() {
    m_pCopiedItem = nullptr;
    m_fields.clear();
    m_dataItems.clear();
}

void CDataDomainTreeView::ReleaseCommandObjects() {
    delete g_pTreeDataDomainControl;
    g_pTreeDataDomainControl = nullptr;
}

void CDataDomainTreeView::PublishDomainPaths() {
    CMysqlQuery::GetInstance()->SetDomainIdList(m_mapDomainPath, m_strKind.c_str());
}

// ---- Items -------------------------------------------------------------------------------------------------

HTREEITEM CDataDomainTreeView::InsertTreeItem(const std::string& text, int image, HTREEITEM hParent,
                                              HTREEITEM hAfter, int kind, void* record, const std::string& path) {
    return InsertItemWithData(text, image, image, hParent, hAfter, kind, record, path);
}

void CDataDomainTreeView::LoadDomainLevel(HTREEITEM hItem, const TreeNodeData& data, bool loadList) {
    auto* domain = static_cast<class_domain_info*>(data.record);
    DeleteChildItems(hItem);
    // The level's own lists in one round trip.
    std::vector<CString> calls;
    if (loadList) calls.push_back(DomainListCall(domain->id));
    if (domain->id != 0) calls.push_back(CMysqlQuery::GetInstance()->MetadataListCall(domain->id, ""));
    CMysqlReadAhead ahead(calls);
    if (loadList) LoadDomainList(domain->id);
    BuildDomainChildren(m_mapDomainList, domain->id, hItem, 2);
    if (domain->id != 0) {
        LoadDataItems(domain->id, "");
        InsertDataItems(domain->id, hItem, data.path, 0);
    }
    domain->loaded = 1;
    PublishDomainPaths();
}

CString CDataDomainTreeView::DomainListCall(int domainId) const {
    return CMysqlQuery::GetInstance()->FormatCall("call mainViewDomainList('%d','data')", domainId);
}

void CDataDomainTreeView::BuildDomainChildren(const DomainList& list, int parentId, HTREEITEM hParent, int depth) {
    // Every domain's data list in one round trip; the build then takes them in its own order. A domain with
    // levels below it shows its first item only (so that it can be opened) and reads no more than that.
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<CString> calls;
    for (const auto& [domain, depthBelow] : DomainLevelFillOrder(list, parentId, depth))
        calls.push_back(depthBelow >= 0 ? db->FirstMetadataCall(domain->id) : db->MetadataListCall(domain->id, ""));
    CMysqlReadAhead ahead(calls);
    // Paths carry every ancestor from the top level, also for domains built when their parent opens.
    InsertDomainLevels(
        list, parentId, hParent, ChildDomainPath(ItemData(hParent)), depth,
        [this](const class_domain_info& row, HTREEITEM hItem, const std::string& path, int depthBelow) {
            const int firstOnly = depthBelow >= 0 ? 1 : 0;
            if (firstOnly == 1) LoadFirstDataItem(row.id);
            else LoadDataItems(row.id, "");
            InsertDataItems(row.id, hItem, path, firstOnly);
            m_mapDomainPath[row.id] = path;
        });
}

void CDataDomainTreeView::LoadDataItems(int domainId, const CString& name) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMetadataList(domainId, name, m_vecLoadedData) != 0) db->ShowLastError();
}

void CDataDomainTreeView::LoadFirstDataItem(int domainId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectFirstMetadata(domainId, m_vecLoadedData) != 0) db->ShowLastError();
}

void CDataDomainTreeView::InsertDataItems(int, HTREEITEM hParent, const std::string& path, int firstOnly) {
    // Many items get their first field or constant from one call per domain, which answers the first member of
    // each of its items; a single item, or a domain whose call failed, reads its own list.
    std::vector<class_datafield_info> firstFields;
    std::map<std::pair<int, std::string>, const class_datafield_info*> firstFieldOf;
    std::set<int> answeredDomains;
    if (firstOnly != 1) {
        std::set<int> domains;
        size_t withMembers = 0;
        for (const class_metadata_info& row : m_vecLoadedData)
            if (row.type == "struct" || IsEnumerationType(row.type)) {
                domains.insert(row.domain_id);
                ++withMembers;
            }
        if (withMembers > 1) LoadFirstFields(domains, firstFields, answeredDomains);
        for (const class_datafield_info& field : firstFields)
            firstFieldOf.emplace(std::make_pair(field.domain_id, field.data_name), &field);
    }
    for (const class_metadata_info& row : m_vecLoadedData) {
        HTREEITEM hItem = InsertTreeItem(row.name, GetTypeImageIndex(row.type), hParent, TVI_LAST, TREE_DATA_ITEM,
                                         Own(m_dataItems, row), path);
        if (firstOnly == 1) break;
        // One child each, so that the expand button shows; the full list comes on selection or expansion.
        const bool isStruct = row.type == "struct";
        if (!isStruct && !IsEnumerationType(row.type)) continue;
        if (!answeredDomains.count(row.domain_id)) {
            if (isStruct)
                LoadStructFields(row.name, row.domain_id, hItem, path, 1);
            else
                LoadEnumConstants(row.name, row.domain_id, hItem, path, 1);
            continue;
        }
        const auto first = firstFieldOf.find({row.domain_id, row.name});
        if (first == firstFieldOf.end()) continue;
        if (isStruct)
            InsertField(*first->second, hItem, path);
        else
            InsertConstant(CMysqlQuery::DatafieldSummary(*first->second), hItem, path);
    }
}

void CDataDomainTreeView::LoadFirstFields(const std::set<int>& domains, std::vector<class_datafield_info>& fields,
                                          std::set<int>& answeredDomains) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<CString> calls;
    for (int domain : domains) calls.push_back(db->FirstDatafieldsCall(domain));
    CMysqlReadAhead ahead(calls);
    std::vector<class_datafield_info> domainFields;
    for (int domain : domains) {
        if (db->SelectFirstDatafields(domain, domainFields) != 0) continue;
        answeredDomains.insert(domain);
        fields.insert(fields.end(), std::make_move_iterator(domainFields.begin()),
                      std::make_move_iterator(domainFields.end()));
    }
}

HTREEITEM CDataDomainTreeView::InsertField(const class_datafield_info& row, HTREEITEM hParent,
                                           const std::string& path) {
    return InsertTreeItem(row.member_name, GetTypeImageIndex(row.type), hParent, TVI_LAST, TREE_STRUCT_FIELD,
                          Own(m_fields, row), path);
}

void CDataDomainTreeView::InsertConstant(const class_datafield_info& row, HTREEITEM hParent,
                                         const std::string& path) {
    InsertTreeItem(row.member_name, IMAGE_NO_TYPE, hParent, TVI_LAST, TREE_ENUM_CONSTANT, Own(m_fields, row), path);
}

CString CDataDomainTreeView::FieldListCall(int domainId, const std::string& name) {
    return CMysqlQuery::GetInstance()->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", domainId, name);
}

int CDataDomainTreeView::LoadStructFields(const std::string& name, int domainId, HTREEITEM hParent,
                                          const std::string& path, int firstOnly) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_vecLoadedFields.clear();
    if (db->SelectDatafieldList(FieldListCall(domainId, name),
                                m_vecLoadedFields) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_datafield_info& row : m_vecLoadedFields) {
        HTREEITEM hItem = InsertField(row, hParent, path);
        if (firstOnly == 1) break;
        if (row.type == "alias") {
            std::set<std::pair<int, std::string>> chain = {{domainId, name}};
            LoadAliasFields(row.real_domain_id, row.real_data, hItem, chain);
        }
    }
    return 0;
}

int CDataDomainTreeView::LoadAliasFields(int realDomainId, const std::string& realData, HTREEITEM hParent,
                                         std::set<std::pair<int, std::string>>& chain) {
    // Stored data that refers back to a structure on its own way down is not expanded again.
    if (!chain.insert({realDomainId, realData}).second) return 0;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_datafield_info> fields;
    int result = 0;
    if (db->SelectDatafieldList(FieldListCall(realDomainId, realData),
                                fields) != 0) {
        db->ShowLastError();
        result = -1;
    }
    for (const class_datafield_info& row : fields) {
        const int image = GetTypeImageIndex(row.type);
        HTREEITEM hItem = InsertTreeItem(row.member_name, image == -1 ? IMAGE_NO_TYPE : image, hParent, TVI_LAST,
                                         TREE_STRUCT_FIELD, Own(m_fields, row), "");
        if (row.type == "alias" && LoadAliasFields(row.real_domain_id, row.real_data, hItem, chain) != 0) result = -1;
    }
    chain.erase({realDomainId, realData});
    return result;
}

int CDataDomainTreeView::LoadEnumConstants(const std::string& name, int domainId, HTREEITEM hParent,
                                           const std::string& path, int firstOnly) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_vecLoadedFields.clear();
    if (db->SelectDatafieldSummaryList(FieldListCall(domainId, name),
                                       m_vecLoadedFields) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (const class_datafield_info& row : m_vecLoadedFields) {
        InsertConstant(row, hParent, path);
        if (firstOnly == 1) break;
    }
    return 0;
}

void CDataDomainTreeView::DeleteChildItems(HTREEITEM hItem) {
    HTREEITEM hChild = m_wndTree.GetChildItem(hItem);
    while (hChild != nullptr) {
        HTREEITEM hNext = m_wndTree.GetNextSiblingItem(hChild);
        m_wndTree.DeleteItem(hChild);
        hChild = hNext;
    }
    m_pCopiedItem = nullptr;
}

// ---- Selection ---------------------------------------------------------------------------------------------

void CDataDomainTreeView::OnSelectTreeItem(HTREEITEM* item) {
    if (item == nullptr || *item == nullptr) return;
    HTREEITEM hItem = *item;
    TreeNodeData* data = ItemData(hItem);
    if (data == nullptr) return;
    m_pSelectedItem = data;

    if (data->kind == TREE_DATA_DOMAIN) {
        auto* domain = static_cast<class_domain_info*>(data->record);
        m_pSelectedDomain = domain;
        if (domain->loaded == 0) LoadDomainLevel(hItem, *data, true);
        if (!IsTreeRootDomain(*data)) ShowHelp(HELP_DATA_DOMAIN);
        return;
    }
    if (data->kind == TREE_DATA_ITEM) {
        auto* metadata = static_cast<class_metadata_info*>(data->record);
        m_pSelectedData = metadata;
        if (metadata->loaded == 0) {
            DeleteChildItems(hItem);
            LoadMembers(hItem, *data);
            metadata->loaded = 1;
        }
    }
}

void CDataDomainTreeView::LoadMembers(HTREEITEM hItem, const TreeNodeData& data) {
    const auto* metadata = static_cast<const class_metadata_info*>(data.record);
    if (metadata->type == "struct")
        LoadStructFields(metadata->name, metadata->domain_id, hItem, data.path, 0);
    else if (IsEnumerationType(metadata->type))
        LoadEnumConstants(metadata->name, metadata->domain_id, hItem, data.path, 0);
}

void CDataDomainTreeView::OnOpenTreeItem() {
    if (m_pSelectedItem == nullptr || IsTreeRootDomain(*m_pSelectedItem)) return;
    HTREEITEM hItem = m_pSelectedItem->item;
    OnSelectTreeItem(&hItem);
}

void CDataDomainTreeView::SelectItemByPath(const std::string& line) { m_wndTree.SelectByReferenceLine(line); }

// ---- After a change ----------------------------------------------------------------------------------------

CTreePane::StoredItem CDataDomainTreeView::ShowDomainAsStored(TreeNodeData& data) {
    const int id = static_cast<const class_domain_info*>(data.record)->id;
    return CTreePane::ShowDomainAsStored(
        data, CMysqlQuery::GetInstance()->FormatCall("call domainDataInfo(%d,'data')", id), "data");
}

CTreePane::StoredItem CDataDomainTreeView::ReadStoredData(const class_metadata_info& record,
                                                          class_metadata_info& stored) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_metadata_info> rows;
    const auto find = [&] {
        return std::find_if(rows.begin(), rows.end(),
                            [&](const class_metadata_info& row) { return row.id == record.id; });
    };
    if (db->SelectMetadataList(record.domain_id, record.name.c_str(), rows) != 0) {
        db->ShowLastError();
        return StoredItem::unread;
    }
    if (find() == rows.end() && db->SelectMetadataList(record.domain_id, "", rows) != 0) {
        db->ShowLastError();
        return StoredItem::unread;
    }
    const auto row = find();
    if (row == rows.end()) return StoredItem::gone;
    stored = *row;
    return StoredItem::found;
}

CTreePane::StoredItem CDataDomainTreeView::ShowDataAsStored(TreeNodeData& data) {
    auto* record = static_cast<class_metadata_info*>(data.record);
    class_metadata_info stored;
    const StoredItem read = ReadStoredData(*record, stored);
    if (read == StoredItem::gone) RemoveVanishedItem(data.item);
    if (read != StoredItem::found) return read;
    const bool sameMembers = stored.type == record->type && stored.name == record->name;
    const int loaded = record->loaded;
    *record = stored;
    record->loaded = loaded;
    m_wndTree.SetItemText(data.item, record->name.c_str());
    const int image = GetTypeImageIndex(record->type);
    m_wndTree.SetItemImage(data.item, image, image);
    if (!sameMembers) {
        // The members a loaded item showed belong to its old name or type; the copied item stays.
        DeleteTreeChildrenOfKind(m_wndTree, data.item, TREE_STRUCT_FIELD);
        DeleteTreeChildrenOfKind(m_wndTree, data.item, TREE_ENUM_CONSTANT);
        LoadMembers(data.item, data);
        record->loaded = 1;
    }
    return StoredItem::found;
}

// ---- Commands ----------------------------------------------------------------------------------------------

void CDataDomainTreeView::OnAddDomain() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_DOMAIN) return;
    ShowHelp(m_pSelectedItem->kind);
    TreeNodeData* selected = m_pSelectedItem;
    auto* domain = static_cast<class_domain_info*>(selected->record);
    if (DataControl()->NewDomain(domain) == -1) return;
    DomainList subtree;
    if (!ReadDomainList(CMysqlQuery::GetInstance()->FormatCall("call mainViewDomainList(%d,'data')", domain->id),
                        subtree))
        return;
    DeleteTreeChildrenOfKind(m_wndTree, selected->item, TREE_DATA_DOMAIN);
    BuildDomainChildren(subtree, domain->id, selected->item, -1);
    PublishDomainPaths();
    m_wndTree.Expand(selected->item, TVE_EXPAND);
}

void CDataDomainTreeView::OnEditDomain() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_DOMAIN) return;
    ShowHelp(m_pSelectedItem->kind);
    TreeNodeData* selected = m_pSelectedItem;
    auto* domain = static_cast<class_domain_info*>(selected->record);
    // The dialog shows the domain as the server holds it now, and the tree what the edit left.
    if (ShowDomainAsStored(*selected) == StoredItem::gone) return;
    const int edited = DataControl()->EditDomain(domain);
    if (ShowDomainAsStored(*selected) == StoredItem::gone || edited != 0) return;
    m_wndTree.SelectItem(selected->item);
}

void CDataDomainTreeView::OnDeleteDomain() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_DOMAIN) return;
    ShowHelp(m_pSelectedItem->kind);
    TreeNodeData* selected = m_pSelectedItem;
    if (!ConfirmDelete("도메인을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n 도메인관련 데이타,메서드,인터페이스, "
                       "사용자가 삭제됩니다.\n그래도 삭제하시겠습니까?"))
        return;
    if (DataControl()->DeleteDomain(static_cast<class_domain_info*>(selected->record)) != 0) {
        ShowDomainAsStored(*selected);
        return;
    }
    m_wndTree.DeleteItem(selected->item);
    ResetSelectionAfterDelete();
}

void CDataDomainTreeView::OnAddParentDomain() {
    if (m_pSelectedDomain == nullptr) return;
    if (DataControl()->EditParentDomains(m_pSelectedDomain->id) == -1)
        AfxMessageBox("Parent Data Domain을 추가 하지 못했습니다.");
}

void CDataDomainTreeView::OnAddData() {
    if (m_pSelectedItem == nullptr) return;
    ShowHelp(HELP_DATA_ITEM);
    TreeNodeData* selected = m_pSelectedItem;
    TreeNodeData* target = selected;
    if (selected->kind == TREE_DATA_ITEM) target = ItemData(m_wndTree.GetParentItem(selected->item));
    if (target == nullptr || target->kind != TREE_DATA_DOMAIN) return;
    const int domainId = static_cast<class_domain_info*>(target->record)->id;
    CString name;
    if (DataControl()->NewMetadata(domainId, name) != 0) return;
    LoadDataItems(domainId, name);
    InsertDataItems(domainId, target->item, target->path, 0);
    m_wndTree.Expand(selected->item, TVE_EXPAND);
}

void CDataDomainTreeView::OnEditData() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_ITEM) return;
    ShowHelp(HELP_DATA_ITEM);
    TreeNodeData* selected = m_pSelectedItem;
    auto* data = static_cast<class_metadata_info*>(selected->record);
    // The dialog shows the item as the server holds it now, and the tree what the edit left.
    if (ShowDataAsStored(*selected) == StoredItem::gone) return;
    const int edited = DataControl()->EditMetadata(data);
    if (ShowDataAsStored(*selected) == StoredItem::gone) return;
    if (edited == 0) m_wndTree.SelectItem(selected->item);
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->PostMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(selected));
}

void CDataDomainTreeView::OnDeleteData() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_ITEM) return;
    TreeNodeData* selected = m_pSelectedItem;
    if (!ConfirmDelete("Data을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n 도메인관련 데이타,메서드,인터페이스, "
                       "사용자가 삭제됩니다.\n그래도 삭제하시겠습니까?"))
        return;
    if (DataControl()->DeleteMetadata(static_cast<class_metadata_info*>(selected->record)) != 0) {
        ShowDataAsStored(*selected);
        return;
    }
    m_wndTree.DeleteItem(selected->item);
    ResetSelectionAfterDelete();
}

void CDataDomainTreeView::OnDataFields() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_ITEM) return;
    ShowHelp(HELP_STRUCT_FIELDS);
    TreeNodeData* selected = m_pSelectedItem;
    auto* data = static_cast<class_metadata_info*>(selected->record);
    // The fields of the structure as it is named now.
    if (ShowDataAsStored(*selected) == StoredItem::gone) return;
    CDataFieldViewDlg dialog;
    dialog.m_nDomainId = data->domain_id;
    dialog.m_strStructName = data->name;
    dialog.DoModal();
    DeleteChildItems(selected->item);
    LoadStructFields(data->name, data->domain_id, selected->item, selected->path, 0);
    m_wndTree.Expand(selected->item, TVE_EXPAND);
}

void CDataDomainTreeView::OnDataConstants() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_ITEM) return;
    TreeNodeData* selected = m_pSelectedItem;
    auto* data = static_cast<class_metadata_info*>(selected->record);
    if (ShowDataAsStored(*selected) == StoredItem::gone) return;
    CConstViewDlg dialog;
    dialog.m_nDomainId = data->domain_id;
    dialog.m_strEnumName = data->name;
    dialog.DoModal();
    DeleteChildItems(selected->item);
    LoadEnumConstants(data->name, data->domain_id, selected->item, selected->path, 0);
}

void CDataDomainTreeView::OnImportData() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_DOMAIN) return;
    ShowHelp(HELP_IMPORT_DATA);
    TreeNodeData* selected = m_pSelectedItem;
    auto* domain = static_cast<class_domain_info*>(selected->record);
    // Once the dialog was accepted the domain may hold copies, also when some were refused (or their answer was
    // lost): its items are shown as the server holds them.
    if (DataControl()->CopyMetadata(domain) == -1) return;
    DeleteTreeChildrenOfKind(m_wndTree, selected->item, TREE_DATA_ITEM);
    LoadDataItems(domain->id, "");
    InsertDataItems(domain->id, selected->item, selected->path, 0);
}

void CDataDomainTreeView::OnDomainXmlExport() {
    if (m_pSelectedDomain == nullptr) return;
    RunXmlExporter(m_pSelectedDomain->name, "tools\\pelvane.exe", m_pSelectedDomain->id);
}

void CDataDomainTreeView::OnDomainHeaderCode() {
    if (m_pSelectedItem == nullptr || m_pSelectedDomain == nullptr) return;
    if (g_pCodeControl == nullptr) g_pCodeControl = new CCodeControl;
    g_pCodeControl->ShowCodeView(m_pSelectedItem->kind, *m_pSelectedDomain);
}

void CDataDomainTreeView::OnDomainAccounts() {
    if (m_pSelectedDomain == nullptr) return;
    ShowHelp(HELP_DOMAIN_ACCOUNTS);
    DataControl()->ShowDomainAccounts(m_pSelectedDomain);
}

void CDataDomainTreeView::OnRefresh() { RefreshTree(); }

void CDataDomainTreeView::OnSortByName() {
    if (m_pSelectedItem == nullptr) return;
    m_wndTree.SortChildren(m_pSelectedItem->item);
}

void CDataDomainTreeView::OnSortByType() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_DOMAIN) return;
    TreeNodeData* selected = m_pSelectedItem;
    auto* domain = static_cast<class_domain_info*>(selected->record);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMetadataListByTypeSort(domain->id, m_vecLoadedData) != 0) {
        db->ShowLastError();
        return;
    }
    DeleteTreeChildrenOfKind(m_wndTree, selected->item, TREE_DATA_ITEM);
    InsertDataItems(domain->id, selected->item, selected->path, 0);
}

void CDataDomainTreeView::OnCopyData() {
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_ITEM) return;
    m_pCopiedItem = m_pSelectedItem;
}

void CDataDomainTreeView::OnPasteData() {
    if (m_pCopiedItem == nullptr) {
        AfxMessageBox("복사할 대상이 없습니다");
        return;
    }
    if (m_pSelectedItem == nullptr || m_pSelectedItem->kind != TREE_DATA_DOMAIN) return;
    TreeNodeData* selected = m_pSelectedItem;
    const auto* domain = static_cast<const class_domain_info*>(selected->record);
    // The copied item's record outlives its tree item: a delete or refresh since the copy changes nothing here.
    const auto* copied = static_cast<const class_metadata_info*>(m_pCopiedItem->record);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call metadataViewCopyData(%d,%d)", copied->id, domain->id)) != 0) {
        db->ShowLastError();
        return;
    }
    m_vecLoadedData.clear();
    LoadDataItems(domain->id, copied->name.c_str());
    // The copy carries the name the original has now, which another engineer may have changed since it was copied.
    class_metadata_info original;
    if (m_vecLoadedData.empty() && ReadStoredData(*copied, original) == StoredItem::found)
        LoadDataItems(domain->id, original.name.c_str());
    InsertDataItems(domain->id, selected->item, selected->path, 0);
    m_wndTree.Expand(selected->item, TVE_EXPAND);
}
