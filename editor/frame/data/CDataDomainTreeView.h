#pragma once

// The data-domain pane "DataDomainView": the tree of the data domains, their data items, the fields of
// structures (below an alias field the fields of the structure it refers to) and the constants of
// enumerations. It loads lazily from the server, keeps one TreeNodeData per item, and runs every change
// through the command object CTreeDataDomainControl.
//
// Every record an item shows is a copy that the pane owns; items deleted from the tree keep their TreeNodeData
// and record until the pane is destroyed, so a record handed to the main frame or a dialog stays valid.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CString.h"
#include "CTreePane.h"
#include "TreeNodeData.h"
#include "class_datafield_info.h"
#include "class_domain_info.h"
#include "class_metadata_info.h"

class CDataDomainTreeView : public CTreePane {
public:
    CDataDomainTreeView();
    ~CDataDomainTreeView() override;

    // The image of a data type keyword (exact comparison), -1 for a type without one ("pksize_t" included).
    static int GetTypeImageIndex(const std::string& type);

    // CTreeView: an item is selected or expanding.
    void OnSelectTreeItem(HTREEITEM* item) override;
    void OnOpenTreeItem() override;

    // Selects the item that a search result line names, loading every level on the way.
    void SelectItemByPath(const std::string& line);

    TreeNodeData* GetSelectedItemData() const { return m_pSelectedItem; }
    TreeNodeData* GetCopiedItemData() const { return m_pCopiedItem; }

    // Commands (also called by the tests).
    afx_msg void OnAddDomain();
    afx_msg void OnEditDomain();
    afx_msg void OnDeleteDomain();
    afx_msg void OnAddParentDomain();
    afx_msg void OnAddData();
    afx_msg void OnEditData();
    afx_msg void OnDeleteData();
    afx_msg void OnDataFields();
    afx_msg void OnDataConstants();
    afx_msg void OnImportData();
    afx_msg void OnDomainXmlExport();
    afx_msg void OnDomainHeaderCode();
    afx_msg void OnDomainAccounts();
    afx_msg void OnRefresh();
    afx_msg void OnSortByName();
    afx_msg void OnSortByType();
    afx_msg void OnCopyData();
    afx_msg void OnPasteData();
    afx_msg void OnNoCommand() {}

protected:
    DECLARE_MESSAGE_MAP()

private:
    // CTreePane: the root "Data_Domain", loaded from the top level's domain list and expanded, the paths
    // published.
    bool BuildTree() override;
    void ClearSelection() override;
    UINT ContextMenuOf(HTREEITEM item) const override;
    CString DomainListCall(int domainId) const override;
    void ReleaseRecords() override;
    void ReleaseCommandObjects() override;

    // The first load of a domain item: its children rebuilt two levels deep, then its data items; marks it
    // loaded. `loadList` false: the domain list holds the domain's subtree already.
    void LoadDomainLevel(HTREEITEM hItem, const TreeNodeData& data, bool loadList);
    // Inserts the domains of `list` below `parentId` as the first children of the item, `depth` levels more
    // below them (0: none; negative: all), each with its data items.
    void BuildDomainChildren(const DomainList& list, int parentId, HTREEITEM hParent, int depth);
    // The loaded data items: every item of the domain (empty name), or the one of that name.
    void LoadDataItems(int domainId, const CString& name);
    void LoadFirstDataItem(int domainId);
    void InsertDataItems(int domainId, HTREEITEM hParent, const std::string& path, int firstOnly);
    // The call that lists the fields (or constants) of a data item.
    static CString FieldListCall(int domainId, const std::string& name);
    int LoadStructFields(const std::string& name, int domainId, HTREEITEM hParent, const std::string& path,
                         int firstOnly);
    int LoadAliasFields(int realDomainId, const std::string& realData, HTREEITEM hParent,
                        std::set<std::pair<int, std::string>>& chain);
    int LoadEnumConstants(const std::string& name, int domainId, HTREEITEM hParent, const std::string& path,
                          int firstOnly);
    // The first field or constant of every item of each domain, one call per domain; the domains whose call
    // answered go into `answeredDomains`.
    void LoadFirstFields(const std::set<int>& domains, std::vector<class_datafield_info>& fields,
                         std::set<int>& answeredDomains);
    HTREEITEM InsertField(const class_datafield_info& row, HTREEITEM hParent, const std::string& path);
    void InsertConstant(const class_datafield_info& row, HTREEITEM hParent, const std::string& path);
    void DeleteChildItems(HTREEITEM hItem);

    // The domain item as the server holds it now (CTreePane::ShowDomainAsStored).
    StoredItem ShowDomainAsStored(TreeNodeData& data);
    // The data item's record, text and image as the server holds them now: read by its name and, when no item of
    // its domain has that name any more (another engineer renamed it), by its id in the domain's list. A type
    // that changed brings the item's members of the new type. An item the server has no more leaves the tree.
    StoredItem ShowDataAsStored(TreeNodeData& data);
    // The data item of the record as the server holds it now, found as ShowDataAsStored finds it; the tree stays.
    static StoredItem ReadStoredData(const class_metadata_info& record, class_metadata_info& stored);
    // The item's fields or constants, all of them, as its type has them.
    void LoadMembers(HTREEITEM hItem, const TreeNodeData& data);

    HTREEITEM InsertTreeItem(const std::string& text, int image, HTREEITEM hParent, HTREEITEM hAfter, int kind,
                             void* record, const std::string& path);
    void PublishDomainPaths();

    // Owned beside the pane's TreeNodeData and domain records: every other record an item ever showed.
    std::vector<std::unique_ptr<class_metadata_info>> m_dataItems;
    std::vector<std::unique_ptr<class_datafield_info>> m_fields;  // fields and constants

    // The current selection: point into the lists above, own nothing.
    TreeNodeData* m_pSelectedItem = nullptr;
    class_domain_info* m_pSelectedDomain = nullptr;
    class_metadata_info* m_pSelectedData = nullptr;
    TreeNodeData* m_pCopiedItem = nullptr;  // "데이타 복사": alive after deletes

    std::string m_strKind = "data";
    std::map<int, std::string> m_mapDomainPath;         // domain id -> path, for the session
    std::vector<class_metadata_info> m_vecLoadedData;
    std::vector<class_datafield_info> m_vecLoadedFields;
};
