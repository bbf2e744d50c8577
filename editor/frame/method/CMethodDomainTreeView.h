#pragma once

// The method-domain pane "MethodDomainView": the tree of the method domains, and in each domain its interfaces
// (with their member methods) and its methods. It loads lazily from the server, one domain or interface at a
// time, keeps one TreeNodeData per item, and runs every change through the command object
// CTreeMethodDomainControl.
//
// Every record an item shows is a copy that the pane owns; items deleted from the tree keep their TreeNodeData
// and record until the pane is destroyed, so a record handed to the main frame or a dialog stays valid.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CMysqlReadAhead.h"
#include "CString.h"
#include "CTreePane.h"
#include "TreeNodeData.h"
#include "class_domain_info.h"
#include "class_interface_info.h"
#include "class_membermethod_info.h"
#include "class_method_info.h"

class CMethodDomainTreeView : public CTreePane {
public:
    CMethodDomainTreeView();
    ~CMethodDomainTreeView() override;

    // The image of a method type keyword (exact comparison); -1 for any other text. The selected image is the
    // next one.
    static int GetMethodKindImageIndex(const std::string& type);

    // CTreeView: an item is selected or expanding.
    void OnSelectTreeItem(HTREEITEM* item) override;
    void OnOpenTreeItem() override;

    // Selects the item that a search result line names, loading every level on the way.
    void SelectItemByPath(const std::string& line);

    // The bundle that answers the calls of what every domain of a level shows until it is opened (first
    // interface, its first member, first method) at once, and its sets.
    static CString LevelFirstsCall(const std::vector<int>& domainIds);
    static const std::vector<CMysqlReadAhead::BundleSet>& LevelFirstsSets();

    TreeNodeData* GetSelectedItemData() const { return m_pSelectedItem; }
    int GetCurrentId() const { return m_nCurrentId; }

    // Commands (also called by the tests).
    afx_msg void OnAddDomain();
    afx_msg void OnEditDomain();
    afx_msg void OnDeleteDomain();
    afx_msg void OnAddInterface();
    afx_msg void OnEditInterface();
    afx_msg void OnDeleteInterface();
    afx_msg void OnAddMethod();
    afx_msg void OnEditMethod();
    afx_msg void OnDeleteMethod();
    afx_msg void OnMemberMethods();
    afx_msg void OnDomainHeaderCode();
    afx_msg void OnSourceCode();
    afx_msg void OnRefresh();
    afx_msg void OnMethodDomainXmlExport();
    afx_msg void OnXmlDocument();
    afx_msg void OnHmlDocument();
    afx_msg void OnDomainAccounts();
    afx_msg void OnImportMethods();
    afx_msg void OnSortByName();
    afx_msg void OnSortTest();
    afx_msg void OnCopyMethod();
    afx_msg void OnPasteMethod();

    // The comparison of "정렬 test": shows the two items' kinds, then orders them by kind (domains, methods,
    // interfaces, member methods). lParam1 and lParam2 are the items' TreeNodeData.
    static int CALLBACK SortTestCompare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

protected:
    DECLARE_MESSAGE_MAP()

private:
    // CTreePane: the root "Method_Domain", filled three levels deep and expanded, the paths published.
    bool BuildTree() override;
    void ClearSelection() override;
    UINT ContextMenuOf(HTREEITEM item) const override;
    CString DomainListCall(int domainId) const override;
    void ReleaseRecords() override;
    void ReleaseCommandObjects() override;

    // Inserts the domains of `list` below `parentId` as the first children of the item, `depth` levels more
    // below them, each with its first interface and first method so that it shows an expand button.
    void InsertDomainItems(const DomainList& list, int parentId, HTREEITEM hParent, int depth);
    // The domain's interfaces (each with its first member, or all members), or only the first one; 0 or -1.
    int InsertInterfaceItems(int domainId, HTREEITEM hParent, const std::string& path, bool firstOnly);
    int InsertMemberMethodItems(int domainId, const std::string& interfaceName, const std::string& path,
                                HTREEITEM hParent, bool firstOnly);
    // The method list: every method of the domain (empty name), or the one of that name.
    void LoadMethodList(int domainId, const std::string& name);
    // The first method of the domain's whole list alone, into the method list.
    void LoadFirstMethod(int domainId);
    void InsertMemberMethod(int domainId, const std::string& interfaceName, const std::string& path,
                            HTREEITEM hParent, const class_method_info& row);
    // The first row of the interface list and of the method list of a domain, alone.
    static CString FirstInterfaceCall(int domainId);
    static CString FirstMethodCall(int domainId);
    // The first member of the domain's first interface alone.
    static CString FirstInterfaceMemberCall(int domainId);
    HTREEITEM InsertInterfaceItem(const class_interface_info& row, HTREEITEM hParent, const std::string& path);
    // The calls of the lists above, also for reading them ahead.
    static CString InterfaceListCall(int domainId);
    static CString MemberMethodListCall(int domainId, const std::string& interfaceName);
    static CString MethodListCall(int domainId, const std::string& name);
    // The loaded methods as the last children of the item; with `firstOnly` only the first.
    void InsertMethodItems(HTREEITEM hParent, const std::string& path, bool firstOnly);
    void DeleteChildItems(HTREEITEM hItem);

    // After a change, done or refused, and before a dialog that edits the item: the item as the server holds it
    // now; an item the server has no more leaves the tree (CTreePane::RemoveVanishedItem).
    StoredItem ShowDomainAsStored(TreeNodeData& data);
    // A method read by its name and, when its domain has none of that name any more (another engineer renamed it),
    // by its code, which no other method of the domain has.
    StoredItem ShowMethodAsStored(TreeNodeData& data);
    // The record's method as the server holds it now, found as ShowMethodAsStored finds it.
    static StoredItem ReadStoredMethod(const class_method_info& record, class_method_info& stored);
    // An interface read by its name; when there is none of that name any more, the item leaves the tree and the
    // domain's interfaces are shown again, so that one another engineer renamed shows under its new name.
    StoredItem ShowInterfaceAsStored(TreeNodeData& data);

    HTREEITEM InsertTreeItem(const std::string& text, int image, int selectedImage, HTREEITEM hParent,
                             HTREEITEM hAfter, int kind, void* record, const std::string& path);
    // The current item when it is of the kind; null otherwise.
    TreeNodeData* CurrentItemOfKind(int kind) const;
    void PublishDomainPaths();
    void SendToMainFrame(UINT message, void* record);

    // Owned beside the pane's TreeNodeData and domain records: every other record an item ever showed.
    std::vector<std::unique_ptr<class_interface_info>> m_interfaces;
    std::vector<std::unique_ptr<class_method_info>> m_methods;  // methods, and the members' methods
    std::vector<std::unique_ptr<class_membermethod_info>> m_memberMethods;

    // The current selection: point into the lists above, own nothing.
    TreeNodeData* m_pSelectedItem = nullptr;
    class_domain_info* m_pSelectedDomain = nullptr;            // the domain last selected
    class_interface_info* m_pSelectedInterface = nullptr;      // the interface last selected
    class_method_info* m_pSelectedMethod = nullptr;            // the method last selected
    class_membermethod_info* m_pSelectedMemberMethod = nullptr;  // the member method last selected
    TreeNodeData* m_pCopiedItem = nullptr;  // "메서드 복사": alive after deletes and refreshes
    int m_nCurrentId = 0;                   // the current item's domain id

    std::string m_strKind = "method";
    std::map<int, std::string> m_mapDomainPath;  // domain id -> path, for the session
    std::vector<class_method_info> m_vecMethodList;
    std::vector<class_interface_info> m_vecInterfaceList;
};
