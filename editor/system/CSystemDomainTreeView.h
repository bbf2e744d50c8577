#pragma once

// The system-domain pane "SystemDomainView": the tree of the system domains and, below each domain, a "Nodes"
// folder (nodes, the components installed on computer, sub-system and sensor nodes, and their installed proxy
// and stub entries) and a "Components" folder (components with their proxy and stub classes and the objects of
// those classes). It loads lazily from the server: two domain levels at first, three more below a domain the
// first time it is selected or expanded. Changes run through the command object CTreeSystemDomainControl; the
// pane then brings its items up to date.
//
// Every record an item shows is a copy that the pane owns; items deleted from the tree keep their TreeNodeData
// and record until the pane is destroyed, so the current selection and whatever the main frame was handed never
// point at freed memory. Selecting or expanding a domain replaces its sub-domain items: the walks below find
// their items again after every step that may reload, and never keep a handle across one.
//
// The window, the message map, the items and the selection are in CSystemDomainTreeView.cpp; the other members
// stand beside it by the banners below: CSystemDomainTreeViewFill.cpp (filling), ...Walks.cpp (walks),
// ...Commands.cpp and ...ClassCommands.cpp (commands), ...Tools.cpp (tool commands).

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "CString.h"
#include "CTreePane.h"
#include "SessionRecords.h"
#include "SystemTreeItems.h"
#include "TreeNodeData.h"

class CTreeSystemDomainControl;
class Class_UmlControl;

// The command of the pane's and the main frame's menus that saves the headers of all domains.
#define ID_SAVE_ALL_DOMAIN_HEADERS 32872

class CSystemDomainTreeView : public CTreePane {
public:
    CSystemDomainTreeView();
    ~CSystemDomainTreeView() override;

    // CTreeView: an item is selected or expanding.
    void OnSelectTreeItem(HTREEITEM* item) override;
    void OnOpenTreeItem() override {}

    // Deletes every item and builds the first two domain levels again.
    afx_msg void OnRefresh();
    // Expands the way from the root to every proxy or stub class item below `start` whose record names the
    // interface (method domain id and interface name).
    void ExpandCheckedClassItems(HTREEITEM start, const class_interface_info& iface);
    // "All DomainHeader 코드 저장": the headers of all data and method domains into a chosen folder.
    afx_msg void OnSaveAllDomainHeaders();

    // The call that answers every list that the levels of these domains show at once, and the calls its
    // sets answer, for reading them ahead.
    static CString LevelListsCall(const std::vector<int>& domainIds);
    static const std::vector<CMysqlReadAhead::BundleSet>& LevelListSets();

    // The current selection (null when there is none); records stay owned by the pane.
    TreeNodeData* GetCurrentItem() const { return m_pCurrentItem; }
    class_domain_info* GetCurrentDomain() const { return m_pCurrentDomain; }
    class_node_info* GetCurrentNode() const { return m_pCurrentNode; }
    class_component_info* GetCurrentComponent() const { return m_pCurrentComponent; }
    class_proxy_interface_relation_info* GetCurrentProxyClass() const { return m_pCurrentProxyClass; }
    class_stub_interface_relation_info* GetCurrentStubClass() const { return m_pCurrentStubClass; }
    class_custum_table* GetCurrentInstalledEntry() const { return m_pCurrentInstalledEntry; }

    // Commands of the context menus (also called by the tests).
    afx_msg void OnAddDomain();
    afx_msg void OnEditDomain();
    afx_msg void OnDeleteDomain();
    afx_msg void OnMoveOrCopyDomain();
    afx_msg void OnImportNode();
    afx_msg void OnImportComponent();
    afx_msg void OnAddNode();
    afx_msg void OnEditNode();
    afx_msg void OnDeleteNode();
    afx_msg void OnAddComponent();
    afx_msg void OnEditComponent();
    afx_msg void OnDeleteComponent();
    afx_msg void OnInstallComponents();
    afx_msg void OnReinstall();
    afx_msg void OnAddProxyClass();
    afx_msg void OnAddStubClass();
    afx_msg void OnEditProxyClass();
    afx_msg void OnEditStubClass();
    afx_msg void OnDeleteProxyClass();
    afx_msg void OnDeleteStubClass();
    afx_msg void OnAddProxyObject();
    afx_msg void OnAddStubObject();
    afx_msg void OnEditProxyObject();
    afx_msg void OnEditStubObject();
    afx_msg void OnDeleteProxyObject();
    afx_msg void OnDeleteStubObject();
    afx_msg void OnObjectId();
    afx_msg void OnStubInfo();

    // Tool commands: dialogs that change no item, code, exports and diagrams of the clicked item.
    afx_msg void OnDomainAccounts();
    afx_msg void OnDomainPorts();
    afx_msg void OnNetworkLinks();
    afx_msg void OnRegisteredIps();
    afx_msg void OnConnectionIni();
    afx_msg void OnProxyMemberFunctions();
    afx_msg void OnStubMemberFunctions();
    afx_msg void OnComponentSourceCode();
    afx_msg void OnProxySourceCode();
    afx_msg void OnStubSourceCode();
    afx_msg void OnSddDocument();
    afx_msg void OnSystemDomainXmlExport();
    afx_msg void OnComponentXmlExport();
    afx_msg void OnDomainComponentDiagram();
    afx_msg void OnProxyClassDiagram();
    afx_msg void OnStubClassDiagram();
    afx_msg void OnComponentDiagram();
    afx_msg void OnInstalledComponentDiagram();
    afx_msg void OnNodeDiagram();
    afx_msg void OnSystemDiagram();
    afx_msg void OnDeployDiagram();

protected:
    DECLARE_MESSAGE_MAP()

private:
    // One step of the way from the root to an item: its text and its kind (-1 for the folders without data).
    // Reloads replace items by new ones of the same text and kind, so a way finds an item again.
    struct WayStep {
        std::string text;
        int kind = -1;
    };
    using ItemWay = std::vector<WayStep>;

    // ---- CTreePane ---------------------------------------------------------------------------------------------

    // The whole tree from the root: root item, two domain levels.
    bool BuildTree() override;
    void ClearSelection() override;
    UINT ContextMenuOf(HTREEITEM item) const override;
    CString DomainListCall(int domainId) const override;
    void ReleaseRecords() override;
    // The command object, and the diagram builder's single instance.
    void ReleaseCommandObjects() override;

    // ---- Filling --------------------------------------------------------------------------------------------

    // Inserts the domains of `list` below `parentId` as the first children of the item, each with its folders,
    // and `depth` more levels below them; the folders' nodes and components come when first needed.
    void FillDomainLevel(const DomainList& list, int parentId, HTREEITEM parent, int depth,
                         const std::string& parentPath);
    void FillFoldersOnDemand(int domainId, const std::string& path, HTREEITEM nodes, HTREEITEM components);
    // A domain's nodes with their installations and its components with their classes and objects.
    void FillFolders(int domainId, const std::string& path, HTREEITEM nodes, HTREEITEM components);
    // The calls of the lists the levels show, also for reading them ahead.
    static CString NodeListCall(int domainId);
    static CString ComponentListCall(int domainId);
    static CString InstallListCall(int domainId, int nodeId);
    static CString InstalledProxiesCall(int nodeId, int componentId);
    static CString InstalledStubsCall(int nodeId, int componentId);
    static CString ProxyClassesCall(int componentId);
    static CString StubClassesCall(int componentId);
    static CString ProxyObjectsCall(int classId);
    static CString StubObjectsCall(int classId);
    HTREEITEM AddNodesFolder(const std::string& domainPath, HTREEITEM domainItem);
    HTREEITEM AddComponentsFolder(const std::string& domainPath, HTREEITEM domainItem);
    // The nodes of a node list call, sorted by type; a failure is shown and gives none.
    std::vector<class_node_info> LoadNodeList(const CString& call);
    void FillNodes(std::vector<class_node_info> nodes, HTREEITEM parent, const std::string& domainPath);
    void FillInstalledComponents(const std::string& nodePath, int domainId, int nodeId, HTREEITEM nodeItem);
    // The "installed_proxy" and "installed_stub" folders of an installed component, filled.
    void AddInstalledFolders(int nodeId, int componentId, HTREEITEM installedItem);
    int FillInstalledProxies(int nodeId, int componentId, HTREEITEM folder);
    int FillInstalledStubs(int nodeId, int componentId, HTREEITEM folder);
    using EntryLoader = int (CMysqlQuery::*)(const CString&, std::vector<class_custum_table>&);
    int FillInstalledEntries(EntryLoader load, const CString& call, int kind, HTREEITEM folder);
    int FillComponents(const std::string& domainPath, int domainId, HTREEITEM folder);
    // The "proxy" and "stub" folders of a component, filled; -1 when a class list failed.
    int AddClassFolders(const std::string& componentPath, int componentId, HTREEITEM componentItem);
    int FillProxyClasses(const std::string& componentPath, int componentId, HTREEITEM folder);
    int FillStubClasses(const std::string& componentPath, int componentId, HTREEITEM folder);
    // The classes of a class list call below the folder, each with its objects; paths are the prefix and the
    // interface name.
    template <class Relation>
    int FillClasses(int (CMysqlQuery::*load)(const CString&, std::vector<Relation>&), const CString& call,
                    std::vector<std::unique_ptr<Relation>>& owned, int kind, const std::string& pathPrefix,
                    HTREEITEM folder);
    int FillProxyObjects(const std::string& classPath, int classId, HTREEITEM classItem);
    int FillStubObjects(const std::string& classPath, int classId, HTREEITEM classItem);
    int FillObjects(const CString& call, int kind, const std::string& classPath, HTREEITEM classItem);

    // ---- Items ----------------------------------------------------------------------------------------------

    HTREEITEM InsertDataItem(const std::string& text, int image, HTREEITEM parent, HTREEITEM after, int kind,
                             void* record, const std::string& path);
    HTREEITEM InsertFolder(const char* text, int image, HTREEITEM parent);
    // True while the item record's item is in the tree and still carries it.
    bool IsInTree(const TreeNodeData* data) const;
    // The path below an item: its own path, empty for the root ("root\").
    static std::string ChildPath(const TreeNodeData* data);
    void DeleteChildItems(HTREEITEM item);
    void DeleteChildItemsOfKind(HTREEITEM item, int kind);
    // The item's parent, its parent, ... up to the first domain item; null when there is none.
    HTREEITEM OwningDomainItem(HTREEITEM item) const;
    HTREEITEM FindDomainItem(HTREEITEM start, int domainId) const;

    // ---- Walks ------------------------------------------------------------------------------------------------

    // The start item and every item below it, depth first, for which `take` answers true; nothing changes.
    std::vector<HTREEITEM> CollectItems(HTREEITEM start,
                                        const std::function<bool(HTREEITEM, const TreeNodeData*)>& take) const;
    ItemWay WayTo(HTREEITEM item) const;
    // Follows the way from the root; `beforeDown`, when given, runs on each item of the way before the walk
    // goes down into its children (it may reload them). Null when a step is missing.
    HTREEITEM FollowWay(const ItemWay& way, const std::function<void(HTREEITEM)>& beforeDown = {});
    void RebuildInstalledFolders(HTREEITEM installedItem, int componentId);
    void RefreshInstalledEntries(HTREEITEM start, int componentId, int classKind);
    void RefreshNodesWithComponent(HTREEITEM start, int componentId);
    void RefreshSubsystemNodes(HTREEITEM start, int domainId);
    void RefillNodeInstallations(HTREEITEM nodeItem);

    // ---- After a change -----------------------------------------------------------------------------------------
    // After an edit or delete, done or refused, and before a dialog that edits the item: the item's record, text
    // and image as the server holds them now, read by id; an item the server has no more leaves the tree
    // (CTreePane::RemoveVanishedItem). A failed read is shown and leaves the item as it was.

    StoredItem ShowDomainAsStored(TreeNodeData& data);
    StoredItem ShowNodeAsStored(TreeNodeData& data);
    // A component among its domain's components.
    StoredItem ShowComponentAsStored(TreeNodeData& data);
    // A proxy or stub class among its component's classes.
    StoredItem ShowClassAsStored(TreeNodeData& data);
    // The class's objects as the server holds them (the installed copies stay as they are).
    void ShowObjectsAsStored(HTREEITEM classItem);
    // An installed proxy or stub entry among the entries of its installed component; `hideZero` as EntryLabel.
    StoredItem ShowEntryAsStored(TreeNodeData& data, bool hideZero);

    // ---- Commands ---------------------------------------------------------------------------------------------

    // The command object behind g_pTreeSystemDomainControl, made on first use; deleted with the window.
    static CTreeSystemDomainControl* SystemControl();
    // Posts the item's data to the main frame's properties pane.
    void PostProperties(TreeNodeData* data);
    // The current item when it is of the kind, still in the tree and carries a record; else null.
    TreeNodeData* CurrentItemOfKind(int kind) const;
    // The tree's selected item and its data (folders have none).
    HTREEITEM SelectedItem() const { return m_wndTree.GetSelectedItem(); }
    // The folder item ("Nodes", "Components", "proxy", "stub") selected below the current item of the kind.
    HTREEITEM SelectedFolderOf(const TreeNodeData* current, SystemFolder folder) const;
    void AddClasses(int classKind);
    void EditClass(int classKind);
    void AddObject(int classKind);
    // The record of the selected object item of the kind, and its class item; null when the selection is no
    // such object below a class.
    class_interface_object_info* SelectedObject(int objectKind, HTREEITEM& classItem) const;
    void EditObject(int objectKind);
    void DeleteObject(int objectKind);
    // The objects of a class item again from the server, and the installed entries of its component.
    void RefillObjects(HTREEITEM classItem);

    // ---- Tool commands ------------------------------------------------------------------------------------------

    // The selected item's data when it is of the kind and carries a record (a folder's kind is enough).
    TreeNodeData* SelectedItemOfKind(int kind, bool needsRecord = true) const;
    // A real system domain of the current item (the root's record has none); else null.
    class_domain_info* CurrentSystemDomain() const;
    // Opens (or activates) the diagram window of the name; `draw` builds it only in a new window.
    void OpenDiagram(const std::string& name, const std::function<void(Class_UmlControl&)>& draw);
    // The texts of the item and of each item above it below the root, each followed by a backslash.
    std::string TextsUpToRoot(HTREEITEM item) const;
    void ShowMemberFunctions(int methodDomainId, const std::string& interfaceName);

    // Owned beside the pane's TreeNodeData and domain records: every other record an item ever showed.
    std::vector<std::unique_ptr<class_node_info>> m_nodes;
    std::vector<std::unique_ptr<class_component_info>> m_components;
    std::vector<std::unique_ptr<class_proxy_interface_relation_info>> m_proxyClasses;
    std::vector<std::unique_ptr<class_interface_object_info>> m_objects;
    std::vector<std::unique_ptr<class_stub_interface_relation_info>> m_stubClasses;
    std::vector<std::unique_ptr<class_custum_table>> m_installedEntries;

    // The current selection: point into the lists above, own nothing.
    TreeNodeData* m_pCurrentItem = nullptr;
    class_domain_info* m_pCurrentDomain = nullptr;
    class_node_info* m_pCurrentNode = nullptr;
    class_component_info* m_pCurrentComponent = nullptr;
    class_proxy_interface_relation_info* m_pCurrentProxyClass = nullptr;
    class_stub_interface_relation_info* m_pCurrentStubClass = nullptr;
    class_custum_table* m_pCurrentInstalledEntry = nullptr;

    // Set while the pane deletes items itself: a selection that moves because of it loads nothing.
    bool m_bDeletingItems = false;
    bool m_bLevelListsAnswered = false;  // while a level is filled from its bundle: its lists are not read ahead again
};

// Selects, level by level, the system tree item that a search result line names (domains, folders, nodes and
// components by what they are and their whole names); each level is loaded by its selection before the walk
// goes down.
void SelectSystemTreeItemByPath(CSystemDomainTreeView& pane, const std::string& line);
