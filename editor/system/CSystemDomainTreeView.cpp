#include "CSystemDomainTreeView.h"

#include "CCodeControl.h"
#include "CMysqlQuery.h"
#include "CTreeSystemDomainControl.h"
#include "Class_UmlControl.h"
#include "CInterfaceMemberViewDlg.h"
#include "CTreeMethodDomainControl.h"
#include "FrameMessages.h"
#include "RunXmlExporter.h"
#include "ScopedFlag.h"
#include "SystemTreeItems.h"
#include "TreePane.h"
#include "class_ini_dialog.h"
#include "class_sdd_print_controller.h"

namespace {

const UINT kTreeId = 4;
const UINT kTreeImages = 311;

// Commands of the context menus 339-424.
enum : UINT {
    ID_SYSTEM_ADD_DOMAIN = 32835,
    ID_SYSTEM_EDIT_DOMAIN = 32839,
    ID_SYSTEM_DELETE_DOMAIN = 32840,
    ID_SYSTEM_ADD_NODE = 32843,
    ID_SYSTEM_EDIT_NODE = 32847,
    ID_SYSTEM_DELETE_NODE = 32849,
    ID_SYSTEM_ADD_COMPONENT = 32851,
    ID_SYSTEM_EDIT_COMPONENT = 32854,
    ID_SYSTEM_DELETE_COMPONENT = 32855,
    ID_SYSTEM_ADD_PROXY_CLASS = 32857,
    ID_SYSTEM_ADD_STUB_CLASS = 32859,
    ID_SYSTEM_INSTALL_COMPONENTS = 32861,
    ID_SYSTEM_DELETE_PROXY_CLASS = 32890,
    ID_SYSTEM_EDIT_PROXY_CLASS = 32891,
    ID_SYSTEM_EDIT_STUB_CLASS = 32894,
    ID_SYSTEM_DELETE_STUB_CLASS = 32895,
    ID_SYSTEM_OBJECT_ID = 32903,
    ID_SYSTEM_REINSTALL = 32905,
    ID_SYSTEM_REFRESH = 32924,
    ID_SYSTEM_STUB_INFO = 32966,
    ID_SYSTEM_ADD_PROXY_OBJECT = 32996,
    ID_SYSTEM_ADD_STUB_OBJECT = 32998,
    ID_SYSTEM_EDIT_PROXY_OBJECT = 33001,
    ID_SYSTEM_DELETE_PROXY_OBJECT = 33002,
    ID_SYSTEM_EDIT_STUB_OBJECT = 33005,
    ID_SYSTEM_DELETE_STUB_OBJECT = 33006,
    ID_SYSTEM_MOVE_OR_COPY_DOMAIN = 33008,
    ID_SYSTEM_IMPORT_NODE = 32972,
    ID_SYSTEM_IMPORT_COMPONENT = 32968,
};

// The tool commands of the context menus: dialogs, code, exports and diagrams.
enum : UINT {
    ID_SYSTEM_MEMBER_FUNCTIONS_PROXY = 32907,
    ID_SYSTEM_MEMBER_FUNCTIONS_STUB = 32923,
    ID_SYSTEM_COMPONENT_SOURCE = 32897,
    ID_SYSTEM_PROXY_SOURCE = 32899,
    ID_SYSTEM_STUB_SOURCE = 32901,
    ID_SYSTEM_DOMAIN_ACCOUNTS = 32956,
    ID_SYSTEM_NETWORK_LINKS = 32979,
    ID_SYSTEM_CONNECTION_INI = 32984,
    ID_SYSTEM_DOMAIN_PORTS = 32988,
    ID_SYSTEM_SYSTEM_DIAGRAM = 32990,
    ID_SYSTEM_SDD_DOCUMENT = 32994,
    ID_SYSTEM_DOMAIN_COMPONENT_DIAGRAM = 33010,
    ID_SYSTEM_PROXY_CLASS_DIAGRAM = 33012,
    ID_SYSTEM_STUB_CLASS_DIAGRAM = 33015,
    ID_SYSTEM_COMPONENT_DIAGRAM = 33017,
    ID_SYSTEM_INSTALLED_COMPONENT_DIAGRAM = 33019,
    ID_SYSTEM_NODE_DIAGRAM = 33021,
    ID_SYSTEM_REGISTERED_IPS = 33022,
    ID_SYSTEM_DEPLOY_DIAGRAM = 33048,
    ID_SYSTEM_COMPONENT_XML = 33072,
    ID_SYSTEM_DOMAIN_XML = 33073,
};

// Help topics of the help window.
const int HELP_SYSTEM_DOMAIN = 0;
const int HELP_SYSTEM_SELECTION = 27;
const int HELP_MOVE_OR_COPY_DOMAIN = 33;
const int HELP_NODE = 34;
const int HELP_DEPLOYMENT = 36;
const int HELP_COMPONENT = 38;
const int HELP_DOMAIN_ACCOUNTS = 31;
const int HELP_DOMAIN_PORTS = 32;
const int HELP_NETWORK_LINKS = 35;
const int HELP_REGISTERED_IPS = 37;

// The exporters, run from the tools folder as the launcher finds them.
const char* const kSystemDomainExporter = "tools\\quorrin.exe";
const char* const kComponentExporter = "tools\\skarrow.exe";
const char* const kDeployDiagramSuffix = "_deploy_component";

// The lists of a domain level, each call on its own and in the level's bundle.
constexpr const char* kNodeListCall = "call nodeViewList(%d)";
constexpr const char* kComponentListCall = "call componentViewList('%d')";
constexpr const char* kInstallListCall = "call nodeDeploymentViewInstallList(%d, %d)";
constexpr const char* kInstalledProxiesCall = "call coustim_proxyViewlistinfo(%d, %d)";
constexpr const char* kInstalledStubsCall = "call coustim_stubViewlistinfo(%d, %d)";
constexpr const char* kProxyClassesCall = "call proxyInterfaceViewList(%d)";
constexpr const char* kStubClassesCall = "call stubInterfaceViewList(%d)";
constexpr const char* kProxyObjectsCall = "call proxyInterfaceObjectViewList(%d)";
constexpr const char* kStubObjectsCall = "call stubInterfaceObjectViewList(%d)";

const char* const kObjectLocked = "*삭제 불가*\n 외부 시스템과 연결된 object 입니다. 현재 외부 시스템은 Lock 상태 입니다.";

CTreeSystemDomainControl* SystemControl() {
    if (g_pTreeSystemDomainControl == nullptr) g_pTreeSystemDomainControl = new CTreeSystemDomainControl;
    return g_pTreeSystemDomainControl;
}

CCodeControl* CodeControl() {
    if (g_pCodeControl == nullptr) g_pCodeControl = new CCodeControl;
    return g_pCodeControl;
}

// The class id and component id of a proxy or stub class item's record.
std::pair<int, int> ClassIds(const TreeNodeData& classData) {
    if (classData.kind == TREE_PROXY_CLASS) {
        const auto* relation = static_cast<const class_proxy_interface_relation_info*>(classData.record);
        return {relation->id, relation->component_id};
    }
    const auto* relation = static_cast<const class_stub_interface_relation_info*>(classData.record);
    return {relation->id, relation->component_id};
}

bool HasInstalledComponents(const std::string& type) {
    return type == "computer" || type == "sub_system" || type == "sensor";
}

// The component id of an installed component item's record.
bool IsInstalledCopyOf(const TreeNodeData* data, int componentId) {
    return data && data->kind == TREE_INSTALLED_COMPONENT && data->record &&
           static_cast<const class_component_info*>(data->record)->component_id == componentId;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSystemDomainTreeView, CTreePane)
    ON_COMMAND(ID_SYSTEM_ADD_DOMAIN, &CSystemDomainTreeView::OnAddDomain)
    ON_COMMAND(ID_SYSTEM_EDIT_DOMAIN, &CSystemDomainTreeView::OnEditDomain)
    ON_COMMAND(ID_SYSTEM_DELETE_DOMAIN, &CSystemDomainTreeView::OnDeleteDomain)
    ON_COMMAND(ID_SYSTEM_MOVE_OR_COPY_DOMAIN, &CSystemDomainTreeView::OnMoveOrCopyDomain)
    ON_COMMAND(ID_SYSTEM_IMPORT_NODE, &CSystemDomainTreeView::OnImportNode)
    ON_COMMAND(ID_SYSTEM_IMPORT_COMPONENT, &CSystemDomainTreeView::OnImportComponent)
    ON_COMMAND(ID_SYSTEM_ADD_NODE, &CSystemDomainTreeView::OnAddNode)
    ON_COMMAND(ID_SYSTEM_EDIT_NODE, &CSystemDomainTreeView::OnEditNode)
    ON_COMMAND(ID_SYSTEM_DELETE_NODE, &CSystemDomainTreeView::OnDeleteNode)
    ON_COMMAND(ID_SYSTEM_ADD_COMPONENT, &CSystemDomainTreeView::OnAddComponent)
    ON_COMMAND(ID_SYSTEM_EDIT_COMPONENT, &CSystemDomainTreeView::OnEditComponent)
    ON_COMMAND(ID_SYSTEM_DELETE_COMPONENT, &CSystemDomainTreeView::OnDeleteComponent)
    ON_COMMAND(ID_SYSTEM_INSTALL_COMPONENTS, &CSystemDomainTreeView::OnInstallComponents)
    ON_COMMAND(ID_SYSTEM_REINSTALL, &CSystemDomainTreeView::OnReinstall)
    ON_COMMAND(ID_SYSTEM_ADD_PROXY_CLASS, &CSystemDomainTreeView::OnAddProxyClass)
    ON_COMMAND(ID_SYSTEM_ADD_STUB_CLASS, &CSystemDomainTreeView::OnAddStubClass)
    ON_COMMAND(ID_SYSTEM_EDIT_PROXY_CLASS, &CSystemDomainTreeView::OnEditProxyClass)
    ON_COMMAND(ID_SYSTEM_EDIT_STUB_CLASS, &CSystemDomainTreeView::OnEditStubClass)
    ON_COMMAND(ID_SYSTEM_DELETE_PROXY_CLASS, &CSystemDomainTreeView::OnDeleteProxyClass)
    ON_COMMAND(ID_SYSTEM_DELETE_STUB_CLASS, &CSystemDomainTreeView::OnDeleteStubClass)
    ON_COMMAND(ID_SYSTEM_ADD_PROXY_OBJECT, &CSystemDomainTreeView::OnAddProxyObject)
    ON_COMMAND(ID_SYSTEM_ADD_STUB_OBJECT, &CSystemDomainTreeView::OnAddStubObject)
    ON_COMMAND(ID_SYSTEM_EDIT_PROXY_OBJECT, &CSystemDomainTreeView::OnEditProxyObject)
    ON_COMMAND(ID_SYSTEM_EDIT_STUB_OBJECT, &CSystemDomainTreeView::OnEditStubObject)
    ON_COMMAND(ID_SYSTEM_DELETE_PROXY_OBJECT, &CSystemDomainTreeView::OnDeleteProxyObject)
    ON_COMMAND(ID_SYSTEM_DELETE_STUB_OBJECT, &CSystemDomainTreeView::OnDeleteStubObject)
    ON_COMMAND(ID_SYSTEM_OBJECT_ID, &CSystemDomainTreeView::OnObjectId)
    ON_COMMAND(ID_SYSTEM_STUB_INFO, &CSystemDomainTreeView::OnStubInfo)
    ON_COMMAND(ID_SYSTEM_REFRESH, &CSystemDomainTreeView::OnRefresh)
    ON_COMMAND(ID_SAVE_ALL_DOMAIN_HEADERS, &CSystemDomainTreeView::OnSaveAllDomainHeaders)
    ON_COMMAND(ID_SYSTEM_DOMAIN_ACCOUNTS, &CSystemDomainTreeView::OnDomainAccounts)
    ON_COMMAND(ID_SYSTEM_DOMAIN_PORTS, &CSystemDomainTreeView::OnDomainPorts)
    ON_COMMAND(ID_SYSTEM_NETWORK_LINKS, &CSystemDomainTreeView::OnNetworkLinks)
    ON_COMMAND(ID_SYSTEM_REGISTERED_IPS, &CSystemDomainTreeView::OnRegisteredIps)
    ON_COMMAND(ID_SYSTEM_CONNECTION_INI, &CSystemDomainTreeView::OnConnectionIni)
    ON_COMMAND(ID_SYSTEM_MEMBER_FUNCTIONS_PROXY, &CSystemDomainTreeView::OnProxyMemberFunctions)
    ON_COMMAND(ID_SYSTEM_MEMBER_FUNCTIONS_STUB, &CSystemDomainTreeView::OnStubMemberFunctions)
    ON_COMMAND(ID_SYSTEM_COMPONENT_SOURCE, &CSystemDomainTreeView::OnComponentSourceCode)
    ON_COMMAND(ID_SYSTEM_PROXY_SOURCE, &CSystemDomainTreeView::OnProxySourceCode)
    ON_COMMAND(ID_SYSTEM_STUB_SOURCE, &CSystemDomainTreeView::OnStubSourceCode)
    ON_COMMAND(ID_SYSTEM_SDD_DOCUMENT, &CSystemDomainTreeView::OnSddDocument)
    ON_COMMAND(ID_SYSTEM_DOMAIN_XML, &CSystemDomainTreeView::OnSystemDomainXmlExport)
    ON_COMMAND(ID_SYSTEM_COMPONENT_XML, &CSystemDomainTreeView::OnComponentXmlExport)
    ON_COMMAND(ID_SYSTEM_DOMAIN_COMPONENT_DIAGRAM, &CSystemDomainTreeView::OnDomainComponentDiagram)
    ON_COMMAND(ID_SYSTEM_PROXY_CLASS_DIAGRAM, &CSystemDomainTreeView::OnProxyClassDiagram)
    ON_COMMAND(ID_SYSTEM_STUB_CLASS_DIAGRAM, &CSystemDomainTreeView::OnStubClassDiagram)
    ON_COMMAND(ID_SYSTEM_COMPONENT_DIAGRAM, &CSystemDomainTreeView::OnComponentDiagram)
    ON_COMMAND(ID_SYSTEM_INSTALLED_COMPONENT_DIAGRAM, &CSystemDomainTreeView::OnInstalledComponentDiagram)
    ON_COMMAND(ID_SYSTEM_NODE_DIAGRAM, &CSystemDomainTreeView::OnNodeDiagram)
    ON_COMMAND(ID_SYSTEM_SYSTEM_DIAGRAM, &CSystemDomainTreeView::OnSystemDiagram)
    ON_COMMAND(ID_SYSTEM_DEPLOY_DIAGRAM, &CSystemDomainTreeView::OnDeployDiagram)
END_MESSAGE_MAP()

CSystemDomainTreeView::CSystemDomainTreeView()
    : CTreePane({WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_HASBUTTONS | TVS_HASLINES |
                     TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                 kTreeId, kTreeImages, RGB(255, 0, 255), kSystemRootText, SYSTEM_IMAGE_ROOT, SYSTEM_IMAGE_ROOT_SELECTED,
                 false, "erro:CDataDomainTreeView:FillRootNode()->setitemData", TREE_SYSTEM_DOMAIN,
                 SYSTEM_IMAGE_DOMAIN, SYSTEM_IMAGE_DOMAIN_SELECTED}) {}

CSystemDomainTreeView::~CSystemDomainTreeView() = default;

// ---- Window ------------------------------------------------------------------------------------------------

bool CSystemDomainTreeView::BuildTree() {
    HTREEITEM root = InsertRootItem();
    if (root == nullptr) return false;
    LoadDomainList(0);
    FillDomainLevel(m_mapDomainList, 0, root, 1, "");
    m_wndTree.Expand(root, TVE_EXPAND);
    return true;
}

void CSystemDomainTreeView::ClearSelection() {
    m_pCurrentItem = nullptr;
    m_pCurrentDomain = nullptr;
    m_pCurrentNode = nullptr;
    m_pCurrentComponent = nullptr;
    m_pCurrentProxyClass = nullptr;
    m_pCurrentStubClass = nullptr;
    m_pCurrentInstalledEntry = nullptr;
}

UINT CSystemDomainTreeView::ContextMenuOf(HTREEITEM item) const {
    int image = -1, selectedImage = -1;
    m_wndTree.GetItemImage(item, image, selectedImage);
    return ChooseContextMenu(m_wndTree.GetItemText(item).str(), ItemData(item), image);
}

void CSystemDomainTreeView::ReleaseRecords() {
    m_objects.clear();
    m_installedEntries.clear();
    m_stubClasses.clear();
    m_proxyClasses.clear();
    m_components.clear();
    m_nodes.clear();
}

void CSystemDomainTreeView::ReleaseCommandObjects() {
    delete g_pTreeSystemDomainControl;
    g_pTreeSystemDomainControl = nullptr;
    // The pane owns the diagram builder's single instance.
    delete Class_UmlControl::get_instance();
}

void CSystemDomainTreeView::PostProperties(TreeNodeData* data) {
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->PostMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(data));
}

// ---- Items -------------------------------------------------------------------------------------------------

bool CSystemDomainTreeView::IsInTree(const TreeNodeData* data) const {
    return data && data->item && ItemData(data->item) == data;
}

std::string CSystemDomainTreeView::ChildPath(const TreeNodeData* data) {
    return data == nullptr || IsSystemRoot(data) ? std::string() : data->path;
}

HTREEITEM CSystemDomainTreeView::InsertDataItem(const std::string& text, int image, HTREEITEM parent,
                                                HTREEITEM after, int kind, void* record, const std::string& path) {
    const int selectedImage = image == SYSTEM_IMAGE_DOMAIN ? SYSTEM_IMAGE_DOMAIN_SELECTED : image;
    return InsertItemWithData(text, image, selectedImage, parent, after, kind, record, path);
}

HTREEITEM CSystemDomainTreeView::InsertFolder(const char* text, int image, HTREEITEM parent) {
    return m_wndTree.InsertItem(text, image, image, parent, TVI_LAST);
}

CString CSystemDomainTreeView::DomainListCall(int domainId) const {
    return CMysqlQuery::GetInstance()->FormatCall("call mainViewDomainList(%d,'system')", domainId);
}

void CSystemDomainTreeView::FillDomainLevel(const DomainList& list, int parentId, HTREEITEM parent, int depth,
                                            const std::string& parentPath) {
    // Every list these levels show comes in one round trip, from the bundle that answers the level's list
    // calls at once; the fill below takes each answer where it needs it.
    std::vector<int> domainIds;
    for (const auto& [domain, depthBelow] : DomainLevelFillOrder(list, parentId, depth))
        domainIds.push_back(domain->id);
    std::unique_ptr<CMysqlReadAhead> lists;
    if (!domainIds.empty()) lists = std::make_unique<CMysqlReadAhead>(std::vector<CString>(),
                                                                       LevelListsCall(domainIds), LevelListSets());
    const ScopedFlag answered(m_bLevelListsAnswered, m_bLevelListsAnswered || (lists && !lists->Answers().empty()));
    InsertDomainLevels(list, parentId, parent, parentPath, depth,
                       [this](const class_domain_info& row, HTREEITEM item, const std::string& path, int) {
                           HTREEITEM nodes = AddNodesFolder(path, item);
                           FillNodes(LoadNodeList(NodeListCall(row.id)), nodes, path);
                           FillComponents(path, row.id, AddComponentsFolder(path, item));
                       });
}

CString CSystemDomainTreeView::LevelListsCall(const std::vector<int>& domainIds) {
    return CMysqlQuery::GetInstance()->FormatCall("call systemDomainViewLevelLists('%s')", DomainIdArray(domainIds));
}

const std::vector<CMysqlReadAhead::BundleSet>& CSystemDomainTreeView::LevelListSets() {
    // In the order of the bundle's sets; the entry lists are kept apart per installation.
    static const std::vector<CMysqlReadAhead::BundleSet> sets = {
        {kNodeListCall, 1},         {kComponentListCall, 1},  {kInstallListCall, 2},
        {kInstalledProxiesCall, 3}, {kInstalledStubsCall, 3}, {kProxyClassesCall, 1},
        {kStubClassesCall, 1},      {kProxyObjectsCall, 1},   {kStubObjectsCall, 1},
    };
    return sets;
}

CString CSystemDomainTreeView::NodeListCall(int domainId) {
    return CMysqlQuery::GetInstance()->FormatCall(kNodeListCall, domainId);
}

CString CSystemDomainTreeView::ComponentListCall(int domainId) {
    return CMysqlQuery::GetInstance()->FormatCall(kComponentListCall, domainId);
}

HTREEITEM CSystemDomainTreeView::AddNodesFolder(const std::string& domainPath, HTREEITEM domainItem) {
    return InsertDataItem(kNodesFolder, SYSTEM_IMAGE_NODES_FOLDER, domainItem, TVI_LAST, TREE_NODE, nullptr,
                          domainPath + kNodesFolder);
}

HTREEITEM CSystemDomainTreeView::AddComponentsFolder(const std::string& domainPath, HTREEITEM domainItem) {
    return InsertDataItem(kComponentsFolder, SYSTEM_IMAGE_COMPONENTS_FOLDER, domainItem, TVI_LAST,
                          TREE_COMPONENTS_FOLDER, nullptr, domainPath + kComponentsFolder);
}

std::vector<class_node_info> CSystemDomainTreeView::LoadNodeList(const CString& call) {
    std::vector<class_node_info> nodes;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNodeList(call, nodes) != 0) {
        db->ShowLastError();
        return {};
    }
    SortNodesByType(nodes);
    return nodes;
}

void CSystemDomainTreeView::FillNodes(std::vector<class_node_info> nodes, HTREEITEM parent,
                                      const std::string& domainPath) {
    // The installations of every node in one round trip.
    std::vector<CString> calls;
    for (const class_node_info& node : nodes)
        if (HasInstalledComponents(node.type) && !m_bLevelListsAnswered)
            calls.push_back(InstallListCall(node.domain_id, node.id));
    CMysqlReadAhead ahead(calls);
    for (class_node_info& row : nodes) {
        const std::string path = domainPath + row.name;
        const std::string label = NodeLabel(row);
        const int image = NodeImageIndex(row.type);
        class_node_info* node = Own(m_nodes, std::move(row));
        HTREEITEM item = InsertDataItem(label, image, parent, TVI_LAST, TREE_NODE, node, path);
        if (HasInstalledComponents(node->type)) FillInstalledComponents(path, node->domain_id, node->id, item);
    }
}

void CSystemDomainTreeView::FillInstalledComponents(const std::string& nodePath, int domainId, int nodeId,
                                                    HTREEITEM nodeItem) {
    std::vector<class_component_info> installed;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectInstalledComponentList(InstallListCall(domainId, nodeId), installed) != 0) {
        db->ShowLastError();
        return;
    }
    // The proxy and stub entries of every installed component in one round trip.
    std::vector<CString> calls;
    for (const class_component_info& row : installed) {
        if (m_bLevelListsAnswered) break;
        calls.push_back(InstalledProxiesCall(nodeId, row.component_id));
        calls.push_back(InstalledStubsCall(nodeId, row.component_id));
    }
    CMysqlReadAhead ahead(calls);
    for (class_component_info& row : installed) {
        const std::string label = std::to_string(row.deployment_id) + ":" + row.name;
        const std::string path = nodePath + "\\" + row.name;
        const int componentId = row.component_id;
        HTREEITEM item = InsertDataItem(label, SYSTEM_IMAGE_COMPONENT, nodeItem, TVI_LAST, TREE_INSTALLED_COMPONENT,
                                        Own(m_components, std::move(row)), path);
        AddInstalledFolders(nodeId, componentId, item);
    }
}

CString CSystemDomainTreeView::InstallListCall(int domainId, int nodeId) {
    return CMysqlQuery::GetInstance()->FormatCall(kInstallListCall, domainId, nodeId);
}

CString CSystemDomainTreeView::InstalledProxiesCall(int nodeId, int componentId) {
    return CMysqlQuery::GetInstance()->FormatCall(kInstalledProxiesCall, nodeId, componentId);
}

CString CSystemDomainTreeView::InstalledStubsCall(int nodeId, int componentId) {
    return CMysqlQuery::GetInstance()->FormatCall(kInstalledStubsCall, nodeId, componentId);
}

void CSystemDomainTreeView::AddInstalledFolders(int nodeId, int componentId, HTREEITEM installedItem) {
    if (FillInstalledProxies(nodeId, componentId,
                             InsertFolder(kInstalledProxyFolder, SYSTEM_IMAGE_PROXY_FOLDER, installedItem)) != 0)
        AfxMessageBox("error fill proxy Interface");
    if (FillInstalledStubs(nodeId, componentId,
                           InsertFolder(kInstalledStubFolder, SYSTEM_IMAGE_STUB_FOLDER, installedItem)) != 0)
        AfxMessageBox("error fill stub Interface");
}

int CSystemDomainTreeView::FillInstalledProxies(int nodeId, int componentId, HTREEITEM folder) {
    return FillInstalledEntries(&CMysqlQuery::SelectCustomProxyTable, InstalledProxiesCall(nodeId, componentId),
                                TREE_INSTALLED_PROXY, folder);
}

int CSystemDomainTreeView::FillInstalledStubs(int nodeId, int componentId, HTREEITEM folder) {
    return FillInstalledEntries(&CMysqlQuery::SelectCustomStubTable, InstalledStubsCall(nodeId, componentId),
                                TREE_INSTALLED_STUB, folder);
}

int CSystemDomainTreeView::FillInstalledEntries(EntryLoader load, const CString& call, int kind, HTREEITEM folder) {
    std::vector<class_custum_table> entries;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if ((db->*load)(call, entries) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (class_custum_table& entry : entries) {
        const std::string label = EntryLabel(entry, true);
        InsertDataItem(label, SYSTEM_IMAGE_PROXY_CLASS, folder, TVI_LAST, kind, Own(m_installedEntries, std::move(entry)),
                       "");
    }
    return 0;
}

int CSystemDomainTreeView::FillComponents(const std::string& domainPath, int domainId, HTREEITEM folder) {
    std::vector<class_component_info> components;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectComponentList(ComponentListCall(domainId), components) != 0) {
        db->ShowLastError();
        return -1;
    }
    // The proxy and stub classes of every component in one round trip.
    std::vector<CString> calls;
    for (const class_component_info& row : components) {
        if (m_bLevelListsAnswered) break;
        calls.push_back(ProxyClassesCall(row.component_id));
        calls.push_back(StubClassesCall(row.component_id));
    }
    CMysqlReadAhead ahead(calls);
    int result = 0;
    for (class_component_info& row : components) {
        const std::string path = domainPath + row.name;
        const std::string name = row.name;
        const int componentId = row.component_id;
        HTREEITEM item = InsertDataItem(name, SYSTEM_IMAGE_COMPONENT, folder, TVI_LAST, TREE_COMPONENT,
                                        Own(m_components, std::move(row)), path);
        if (AddClassFolders(path, componentId, item) != 0) result = -1;
    }
    return result;
}

int CSystemDomainTreeView::AddClassFolders(const std::string& componentPath, int componentId,
                                           HTREEITEM componentItem) {
    int result = 0;
    if (FillProxyClasses(componentPath, componentId,
                         InsertFolder(kProxyFolder, SYSTEM_IMAGE_PROXY_FOLDER, componentItem)) != 0) {
        AfxMessageBox("error fill proxy Interface");
        result = -1;
    }
    if (FillStubClasses(componentPath, componentId, InsertFolder(kStubFolder, SYSTEM_IMAGE_STUB_FOLDER,
                                                                 componentItem)) != 0) {
        AfxMessageBox("error fill stub Interface");
        result = -1;
    }
    return result;
}

int CSystemDomainTreeView::FillProxyClasses(const std::string& componentPath, int componentId, HTREEITEM folder) {
    return FillClasses(&CMysqlQuery::SelectProxyInterfaceList, ProxyClassesCall(componentId), m_proxyClasses,
                       TREE_PROXY_CLASS,
                       componentPath + "\\" + kProxyFolder + "\\", folder);
}

int CSystemDomainTreeView::FillStubClasses(const std::string& componentPath, int componentId, HTREEITEM folder) {
    return FillClasses(&CMysqlQuery::SelectStubInterfaceList, StubClassesCall(componentId), m_stubClasses,
                       TREE_STUB_CLASS,
                       componentPath + "\\" + kStubFolder + "\\", folder);
}

CString CSystemDomainTreeView::ProxyClassesCall(int componentId) {
    return CMysqlQuery::GetInstance()->FormatCall(kProxyClassesCall, componentId);
}

CString CSystemDomainTreeView::StubClassesCall(int componentId) {
    return CMysqlQuery::GetInstance()->FormatCall(kStubClassesCall, componentId);
}

template <class Relation>
int CSystemDomainTreeView::FillClasses(int (CMysqlQuery::*load)(const CString&, std::vector<Relation>&),
                                       const CString& call, std::vector<std::unique_ptr<Relation>>& owned, int kind,
                                       const std::string& pathPrefix, HTREEITEM folder) {
    std::vector<Relation> classes;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if ((db->*load)(call, classes) != 0) {
        db->ShowLastError();
        return -1;
    }
    const bool proxy = kind == TREE_PROXY_CLASS;
    // The objects of every class in one round trip.
    std::vector<CString> calls;
    for (const Relation& row : classes)
        if (!m_bLevelListsAnswered) calls.push_back(proxy ? ProxyObjectsCall(row.id) : StubObjectsCall(row.id));
    CMysqlReadAhead ahead(calls);
    for (Relation& row : classes) {
        const std::string path = pathPrefix + row.interface_name;
        const std::string label = BuildClassLabel(row);
        const int classId = row.id;
        HTREEITEM item = InsertDataItem(label, proxy ? SYSTEM_IMAGE_PROXY_CLASS : SYSTEM_IMAGE_STUB_CLASS, folder,
                                        TVI_LAST, kind, Own(owned, std::move(row)), path);
        if (proxy)
            FillProxyObjects(path, classId, item);
        else
            FillStubObjects(path, classId, item);
    }
    return 0;
}

int CSystemDomainTreeView::FillProxyObjects(const std::string& classPath, int classId, HTREEITEM classItem) {
    return FillObjects(ProxyObjectsCall(classId), TREE_PROXY_OBJECT, classPath, classItem);
}

int CSystemDomainTreeView::FillStubObjects(const std::string& classPath, int classId, HTREEITEM classItem) {
    return FillObjects(StubObjectsCall(classId), TREE_STUB_OBJECT, classPath, classItem);
}

CString CSystemDomainTreeView::ProxyObjectsCall(int classId) {
    return CMysqlQuery::GetInstance()->FormatCall(kProxyObjectsCall, classId);
}

CString CSystemDomainTreeView::StubObjectsCall(int classId) {
    return CMysqlQuery::GetInstance()->FormatCall(kStubObjectsCall, classId);
}

int CSystemDomainTreeView::FillObjects(const CString& call, int kind, const std::string& classPath,
                                       HTREEITEM classItem) {
    std::vector<class_interface_object_info> objects;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectInterfaceObjectList(call, objects) != 0) {
        db->ShowLastError();
        return -1;
    }
    for (class_interface_object_info& row : objects) {
        const std::string name = row.object_name;
        InsertDataItem(name, SYSTEM_IMAGE_OBJECT, classItem, TVI_LAST, kind, Own(m_objects, std::move(row)),
                       classPath + "\\" + name);
    }
    return 0;
}

void CSystemDomainTreeView::DeleteChildItems(HTREEITEM item) { DeleteChildItemsOfKind(item, -1); }

void CSystemDomainTreeView::DeleteChildItemsOfKind(HTREEITEM item, int kind) {
    // A selection inside a deleted item moves on to a sibling or to the parent; that item is not loaded on the
    // way, since the pane is about to delete or refill it.
    const ScopedFlag deleting(m_bDeletingItems, true);
    HTREEITEM child = m_wndTree.GetChildItem(item);
    while (child != nullptr) {
        HTREEITEM next = m_wndTree.GetNextSiblingItem(child);
        const TreeNodeData* data = ItemData(child);
        if (kind == -1 || (data != nullptr && data->kind == kind)) m_wndTree.DeleteItem(child);
        child = next;
    }
}

HTREEITEM CSystemDomainTreeView::OwningDomainItem(HTREEITEM item) const {
    for (HTREEITEM parent = m_wndTree.GetParentItem(item); parent; parent = m_wndTree.GetParentItem(parent)) {
        const TreeNodeData* data = ItemData(parent);
        if (data && data->kind == TREE_SYSTEM_DOMAIN) return parent;
    }
    return nullptr;
}

HTREEITEM CSystemDomainTreeView::FindDomainItem(HTREEITEM start, int domainId) const {
    const std::vector<HTREEITEM> found = CollectItems(start, [domainId](HTREEITEM, const TreeNodeData* data) {
        return data && data->kind == TREE_SYSTEM_DOMAIN && data->record &&
               static_cast<const class_domain_info*>(data->record)->id == domainId;
    });
    return found.empty() ? nullptr : found.front();
}

// ---- Selection ---------------------------------------------------------------------------------------------

void CSystemDomainTreeView::OnSelectTreeItem(HTREEITEM* item) {
    if (item == nullptr || *item == nullptr) return;
    HTREEITEM hItem = *item;
    // A folder stands for the item it belongs to.
    if (IsSystemFolder(m_wndTree.GetItemText(hItem).str(), ItemData(hItem))) hItem = m_wndTree.GetParentItem(hItem);
    TreeNodeData* data = ItemData(hItem);
    if (data == nullptr) return;
    m_pCurrentItem = data;

    switch (data->kind) {
    case TREE_SYSTEM_DOMAIN: {
        auto* domain = static_cast<class_domain_info*>(data->record);
        m_pCurrentDomain = domain;
        if (domain && domain->loaded == 0 && domain->id != 0 && !m_bDeletingItems) {
            DeleteChildItemsOfKind(hItem, TREE_SYSTEM_DOMAIN);
            LoadDomainList(domain->id);
            FillDomainLevel(m_mapDomainList, domain->id, hItem, 2, ChildPath(data));
            domain->loaded = 1;
        }
        break;
    }
    case TREE_NODE:
        m_pCurrentNode = static_cast<class_node_info*>(data->record);
        break;
    case TREE_COMPONENT:
    case TREE_INSTALLED_COMPONENT:
        m_pCurrentComponent = static_cast<class_component_info*>(data->record);
        break;
    case TREE_PROXY_CLASS:
        m_pCurrentProxyClass = static_cast<class_proxy_interface_relation_info*>(data->record);
        break;
    case TREE_STUB_CLASS:
        m_pCurrentStubClass = static_cast<class_stub_interface_relation_info*>(data->record);
        break;
    case TREE_INSTALLED_PROXY:
    case TREE_INSTALLED_STUB:
        m_pCurrentInstalledEntry = static_cast<class_custum_table*>(data->record);
        break;
    default:
        m_pCurrentInstalledEntry = nullptr;
        break;
    }
    if (!IsSystemRoot(data)) ShowHelp(HELP_SYSTEM_SELECTION);
}

void CSystemDomainTreeView::OnRefresh() { RefreshTree(); }

// ---- Walks -------------------------------------------------------------------------------------------------

std::vector<HTREEITEM> CSystemDomainTreeView::CollectItems(
    HTREEITEM start, const std::function<bool(HTREEITEM, const TreeNodeData*)>& take) const {
    std::vector<HTREEITEM> found;
    if (start == nullptr) return found;
    std::vector<HTREEITEM> pending = {start};
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        if (take(item, ItemData(item))) found.push_back(item);
        // Children go on the stack last first, so that the first child is visited next.
        std::vector<HTREEITEM> children;
        for (HTREEITEM child = m_wndTree.GetChildItem(item); child; child = m_wndTree.GetNextSiblingItem(child))
            children.push_back(child);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return found;
}

CSystemDomainTreeView::ItemWay CSystemDomainTreeView::WayTo(HTREEITEM item) const {
    ItemWay way;
    for (; item; item = m_wndTree.GetParentItem(item)) {
        const TreeNodeData* data = ItemData(item);
        way.insert(way.begin(), WayStep{m_wndTree.GetItemText(item).str(), data ? data->kind : -1});
    }
    return way;
}

HTREEITEM CSystemDomainTreeView::FollowWay(const ItemWay& way, const std::function<void(HTREEITEM)>& beforeDown) {
    HTREEITEM item = nullptr;
    for (const WayStep& step : way) {
        HTREEITEM candidate = item ? m_wndTree.GetChildItem(item) : m_wndTree.GetRootItem();
        for (; candidate; candidate = m_wndTree.GetNextSiblingItem(candidate)) {
            const TreeNodeData* data = ItemData(candidate);
            if ((data ? data->kind : -1) == step.kind && m_wndTree.GetItemText(candidate).str() == step.text) break;
        }
        if (candidate == nullptr) return nullptr;
        item = candidate;
        if (beforeDown) beforeDown(item);
    }
    return item;
}

void CSystemDomainTreeView::ExpandCheckedClassItems(HTREEITEM start, const class_interface_info& iface) {
    // Expanding a domain may load its sub-domains afresh, which replaces the items below it: every class is
    // reached again from the root, each domain on the way expanded (and so loaded) before the walk goes down.
    std::vector<ItemWay> ways;
    for (HTREEITEM item : CollectItems(start, [&iface](HTREEITEM, const TreeNodeData* data) {
             if (data == nullptr || data->record == nullptr) return false;
             if (data->kind == TREE_PROXY_CLASS) {
                 const auto* relation = static_cast<const class_proxy_interface_relation_info*>(data->record);
                 return relation->method_domain_id == iface.domain_id && relation->interface_name == iface.name;
             }
             if (data->kind == TREE_STUB_CLASS) {
                 const auto* relation = static_cast<const class_stub_interface_relation_info*>(data->record);
                 return relation->method_domain_id == iface.domain_id && relation->interface_name == iface.name;
             }
             return false;
         }))
        ways.push_back(WayTo(m_wndTree.GetParentItem(item)));
    for (const ItemWay& way : ways) FollowWay(way, [this](HTREEITEM item) { m_wndTree.Expand(item, TVE_EXPAND); });
}

void CSystemDomainTreeView::RebuildInstalledFolders(HTREEITEM installedItem, int componentId) {
    const TreeNodeData* nodeData = ItemData(m_wndTree.GetParentItem(installedItem));
    if (nodeData == nullptr || nodeData->record == nullptr) return;
    DeleteChildItems(installedItem);
    AddInstalledFolders(static_cast<const class_node_info*>(nodeData->record)->id, componentId, installedItem);
}

void CSystemDomainTreeView::RefreshInstalledEntries(HTREEITEM start, int componentId, int classKind) {
    // Selecting a folder opens the closed items above it, which may load (and so replace) the domains on the
    // way: each installed copy is found again before it is rebuilt.
    std::vector<ItemWay> ways;
    for (HTREEITEM item : CollectItems(start, [componentId](HTREEITEM, const TreeNodeData* data) {
             return IsInstalledCopyOf(data, componentId);
         }))
        ways.push_back(WayTo(item));
    for (const ItemWay& way : ways) {
        HTREEITEM item = FollowWay(way);
        if (item == nullptr) continue;
        RebuildInstalledFolders(item, componentId);
        HTREEITEM folder = m_wndTree.GetChildItem(item);
        if (folder && classKind == TREE_STUB_CLASS) folder = m_wndTree.GetNextSiblingItem(folder);
        if (folder) m_wndTree.SelectItem(folder);
    }
}

void CSystemDomainTreeView::RefillNodeInstallations(HTREEITEM nodeItem) {
    const TreeNodeData* data = ItemData(nodeItem);
    if (data == nullptr || data->record == nullptr) return;
    const auto* node = static_cast<const class_node_info*>(data->record);
    DeleteChildItems(nodeItem);
    FillInstalledComponents(data->path, node->domain_id, node->id, nodeItem);
}

void CSystemDomainTreeView::RefreshNodesWithComponent(HTREEITEM start, int componentId) {
    // Refilling a node replaces only its own children, so the other nodes found stay in the tree.
    const std::vector<HTREEITEM> nodes = CollectItems(start, [this, componentId](HTREEITEM item,
                                                                                const TreeNodeData* data) {
        if (data == nullptr || data->kind != TREE_NODE || data->record == nullptr) return false;
        for (HTREEITEM child = m_wndTree.GetChildItem(item); child; child = m_wndTree.GetNextSiblingItem(child))
            if (IsInstalledCopyOf(ItemData(child), componentId)) return true;
        return false;
    });
    for (HTREEITEM node : nodes) RefillNodeInstallations(node);
}

void CSystemDomainTreeView::RefreshSubsystemNodes(HTREEITEM start, int domainId) {
    // The nodes that stand for the domain: other nodes keep it only as the domain of their ports.
    const std::vector<HTREEITEM> nodes = CollectItems(start, [domainId](HTREEITEM, const TreeNodeData* data) {
        if (data == nullptr || data->kind != TREE_NODE || data->record == nullptr) return false;
        const auto* node = static_cast<const class_node_info*>(data->record);
        return node->sub_system_domain_id == domainId && (node->type == "sub_system" || node->type == "sensor");
    });
    for (HTREEITEM node : nodes) RefillNodeInstallations(node);
}

// ---- Commands ----------------------------------------------------------------------------------------------

TreeNodeData* CSystemDomainTreeView::CurrentItemOfKind(int kind) const {
    if (m_pCurrentItem == nullptr || m_pCurrentItem->kind != kind || m_pCurrentItem->record == nullptr) return nullptr;
    return IsInTree(m_pCurrentItem) ? m_pCurrentItem : nullptr;
}

void CSystemDomainTreeView::OnAddDomain() {
    ShowHelp(HELP_SYSTEM_DOMAIN);
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr) return;
    auto* domain = static_cast<class_domain_info*>(current->record);
    if (SystemControl()->NewDomain(domain) == -1) return;
    DomainList subtree;
    if (!ReadDomainList(DomainListCall(domain->id), subtree)) return;
    DeleteChildItemsOfKind(current->item, TREE_SYSTEM_DOMAIN);
    FillDomainLevel(subtree, domain->id, current->item, 1, ChildPath(current));
    m_wndTree.Expand(current->item, TVE_EXPAND);
}

void CSystemDomainTreeView::OnEditDomain() {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr) return;
    auto* domain = static_cast<class_domain_info*>(current->record);
    if (domain->id == 0 || SystemControl()->EditDomain(domain) != 0) return;
    m_wndTree.SetItemText(current->item, domain->name.c_str());
    m_wndTree.SelectItem(current->item);
    PostProperties(current);
}

void CSystemDomainTreeView::OnDeleteDomain() {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr || static_cast<class_domain_info*>(current->record)->id == 0) return;
    if (MessageBox("도메인을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n 도메인관련 데이타,메서드,인터페이스, "
                   "사용자가 삭제됩니다.\n그래도 삭제하시겠습니까?",
                   "타모", MB_OKCANCEL) != IDOK)
        return;
    if (SystemControl()->DeleteDomain(static_cast<class_domain_info*>(current->record)) != 0) return;
    m_wndTree.DeleteItem(current->item);
}

void CSystemDomainTreeView::OnMoveOrCopyDomain() {
    ShowHelp(HELP_MOVE_OR_COPY_DOMAIN);
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr) return;
    class_domain_info receiver = *static_cast<class_domain_info*>(current->record);
    const int result = SystemControl()->MoveOrCopyDomain(&receiver);
    if (result == -1) return;
    if (receiver.id == 0) {
        OnRefresh();
        return;
    }
    // A move leaves its old place (never above the receiver: the dialog refuses moving an ancestor).
    if (result != 0) {
        if (HTREEITEM moved = FindDomainItem(m_wndTree.GetRootItem(), result)) m_wndTree.DeleteItem(moved);
    }
    m_mapDomainList.clear();
    if (!ReadDomainList(CMysqlQuery::GetInstance()->FormatCall("call mainViewDomainList('%d','system')", receiver.id),
                        m_mapDomainList))
        return;
    HTREEITEM item = current->item;
    const std::string path = ChildPath(current);
    DeleteChildItems(item);
    FillNodes(LoadNodeList(NodeListCall(receiver.id)), AddNodesFolder(path, item), path);
    FillComponents(path, receiver.id, AddComponentsFolder(path, item));
    FillDomainLevel(m_mapDomainList, receiver.id, item, 1, path);
    m_wndTree.Expand(item, TVE_EXPAND);
}

HTREEITEM CSystemDomainTreeView::SelectedFolderOf(const TreeNodeData* current, SystemFolder folder) const {
    HTREEITEM selected = SelectedItem();
    if (current == nullptr || selected == nullptr || m_wndTree.GetParentItem(selected) != current->item ||
        SystemFolderOf(m_wndTree.GetItemText(selected).str(), ItemData(selected)) != folder)
        return nullptr;
    return selected;
}

void CSystemDomainTreeView::OnAddNode() {
    ShowHelp(HELP_NODE);
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    HTREEITEM folder = SelectedFolderOf(current, SystemFolder::nodes);
    if (folder == nullptr) return;
    const int domainId = static_cast<class_domain_info*>(current->record)->id;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (;;) {
        const int nodeId = SystemControl()->NewNode(domainId);
        if (nodeId == -1) return;
        FillNodes(LoadNodeList(db->FormatCall("call nodeViewListnodeKey(%d)", nodeId)), folder, ChildPath(current));
        m_wndTree.SelectItem(folder);
        if (MessageBox("새로은 Node를 계속 추가 하시겠습니까?", "Tamo", MB_OKCANCEL) != IDOK) return;
    }
}

void CSystemDomainTreeView::OnEditNode() {
    ShowHelp(HELP_NODE);
    TreeNodeData* current = CurrentItemOfKind(TREE_NODE);
    if (current == nullptr) return;
    auto* node = static_cast<class_node_info*>(current->record);
    if (SystemControl()->EditNode(node) == -1) return;
    const int image = NodeImageIndex(node->type);
    m_wndTree.SetItemImage(current->item, image, image);
    m_wndTree.SetItemText(current->item, NodeLabel(*node).c_str());
    m_wndTree.SelectItem(current->item);
    PostProperties(current);
}

void CSystemDomainTreeView::OnDeleteNode() {
    TreeNodeData* current = CurrentItemOfKind(TREE_NODE);
    if (current == nullptr) return;
    if (MessageBox("NODE을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n그래도 삭제하시겠습니까?", "타모", MB_OKCANCEL) !=
        IDOK)
        return;
    if (SystemControl()->DeleteNode(static_cast<class_node_info*>(current->record)) != 0) return;
    m_wndTree.DeleteItem(current->item);
}

void CSystemDomainTreeView::OnImportNode() {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    HTREEITEM folder = SelectedFolderOf(current, SystemFolder::nodes);
    if (folder == nullptr) return;
    class_node_info copy;
    if (SystemControl()->ImportNode(&copy, static_cast<class_domain_info*>(current->record)) == -1) return;
    class_node_info* node = Own(m_nodes, copy);
    InsertDataItem(node->name, NodeImageIndex(node->type), folder, TVI_LAST, TREE_NODE, node,
                   ChildPath(current) + node->name);
    m_wndTree.Expand(folder, TVE_EXPAND);
}

void CSystemDomainTreeView::OnAddComponent() {
    ShowHelp(HELP_COMPONENT);
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    HTREEITEM folder = SelectedFolderOf(current, SystemFolder::components);
    if (folder == nullptr) return;
    class_component_info* component = Own(m_components, class_component_info());
    if (SystemControl()->NewComponent(component, static_cast<class_domain_info*>(current->record)) == -1) return;
    HTREEITEM item = InsertDataItem(component->name, SYSTEM_IMAGE_COMPONENT, folder, TVI_LAST, TREE_COMPONENT,
                                    component, ChildPath(current) + component->name);
    m_wndTree.Expand(folder, TVE_EXPAND);
    InsertFolder(kProxyFolder, SYSTEM_IMAGE_PROXY_FOLDER, item);
    InsertFolder(kStubFolder, SYSTEM_IMAGE_STUB_FOLDER, item);
}

void CSystemDomainTreeView::OnImportComponent() {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    HTREEITEM folder = SelectedFolderOf(current, SystemFolder::components);
    if (folder == nullptr) return;
    class_component_info copy;
    if (SystemControl()->ImportComponent(&copy, static_cast<class_domain_info*>(current->record)) == -1) return;
    class_component_info* component = Own(m_components, copy);
    const std::string path = ChildPath(current) + component->name;
    HTREEITEM item =
        InsertDataItem(component->name, SYSTEM_IMAGE_COMPONENT, folder, TVI_LAST, TREE_COMPONENT, component, path);
    m_wndTree.Expand(folder, TVE_EXPAND);
    AddClassFolders(path, component->component_id, item);
}

void CSystemDomainTreeView::OnEditComponent() {
    ShowHelp(HELP_COMPONENT);
    TreeNodeData* current = CurrentItemOfKind(TREE_COMPONENT);
    if (current == nullptr) return;
    auto* component = static_cast<class_component_info*>(current->record);
    if (SystemControl()->EditComponent(component) == -1) return;
    m_wndTree.SetItemText(current->item, component->name.c_str());
    m_wndTree.SelectItem(current->item);
    PostProperties(current);
    if (HTREEITEM owningDomain = OwningDomainItem(current->item))
        RefreshNodesWithComponent(owningDomain, component->component_id);
}

void CSystemDomainTreeView::OnDeleteComponent() {
    TreeNodeData* current = CurrentItemOfKind(TREE_COMPONENT);
    if (current == nullptr) return;
    if (MessageBox("Component을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n그래도 삭제하시겠습니까?", "타모",
                   MB_OKCANCEL) != IDOK)
        return;
    auto* component = static_cast<class_component_info*>(current->record);
    if (SystemControl()->DeleteComponent(component) != 0) return;
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    if (owningDomain == nullptr) {
        AfxMessageBox("Component의 도메인을 찾지 못했습니다. TreeView를 확인 해주세요");
        return;
    }
    m_wndTree.DeleteItem(current->item);
    RefreshNodesWithComponent(owningDomain, component->component_id);
}

void CSystemDomainTreeView::OnInstallComponents() {
    ShowHelp(HELP_DEPLOYMENT);
    TreeNodeData* current = CurrentItemOfKind(TREE_NODE);
    if (current == nullptr) return;
    auto* node = static_cast<class_node_info*>(current->record);
    // The tree is filled again from the server; the list of new installations is not needed.
    std::vector<class_component_info> installed;
    if (SystemControl()->InstallComponents(node, installed) != 0) return;
    DeleteChildItems(current->item);
    FillInstalledComponents(current->path, node->domain_id, node->id, current->item);
    m_wndTree.SelectItem(current->item);
}

void CSystemDomainTreeView::OnReinstall() {
    TreeNodeData* current = CurrentItemOfKind(TREE_INSTALLED_COMPONENT);
    if (current == nullptr) return;
    RebuildInstalledFolders(current->item, static_cast<class_component_info*>(current->record)->component_id);
}

void CSystemDomainTreeView::OnAddProxyClass() { AddClasses(TREE_PROXY_CLASS); }

void CSystemDomainTreeView::OnAddStubClass() { AddClasses(TREE_STUB_CLASS); }

void CSystemDomainTreeView::AddClasses(int classKind) {
    const bool proxy = classKind == TREE_PROXY_CLASS;
    TreeNodeData* current = CurrentItemOfKind(TREE_COMPONENT);
    HTREEITEM folder = SelectedFolderOf(current, proxy ? SystemFolder::proxy : SystemFolder::stub);
    if (folder == nullptr) return;
    auto* component = static_cast<class_component_info*>(current->record);
    if (proxy)
        SystemControl()->NewProxyClass(component);
    else
        SystemControl()->NewStubClass(component);
    DeleteChildItems(folder);
    if (proxy)
        FillProxyClasses(current->path, component->component_id, folder);
    else
        FillStubClasses(current->path, component->component_id, folder);
    m_wndTree.SelectItem(folder);
    if (proxy) m_wndTree.Expand(folder, TVE_EXPAND);
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    if (owningDomain == nullptr) return;
    // Selecting the installed folders may load the domains above them: the class folder is found again.
    const ItemWay wayToFolder = WayTo(folder);
    RefreshInstalledEntries(owningDomain, component->component_id, current->kind);
    if (proxy) {
        if (HTREEITEM again = FollowWay(wayToFolder)) m_wndTree.SelectItem(again);
    }
}

void CSystemDomainTreeView::OnEditProxyClass() { EditClass(TREE_PROXY_CLASS); }

void CSystemDomainTreeView::OnEditStubClass() { EditClass(TREE_STUB_CLASS); }

void CSystemDomainTreeView::EditClass(int classKind) {
    TreeNodeData* current = CurrentItemOfKind(classKind);
    if (current == nullptr) return;
    std::string label;
    if (classKind == TREE_PROXY_CLASS) {
        auto* relation = static_cast<class_proxy_interface_relation_info*>(current->record);
        if (SystemControl()->EditProxyClass(relation) != 0) return;
        label = BuildClassLabel(*relation);
    } else {
        auto* relation = static_cast<class_stub_interface_relation_info*>(current->record);
        if (SystemControl()->EditStubClass(relation) != 0) return;
        label = BuildClassLabel(*relation);
    }
    m_wndTree.SetItemText(current->item, label.c_str());
    m_wndTree.SelectItem(current->item);
    if (HTREEITEM owningDomain = OwningDomainItem(current->item))
        RefreshInstalledEntries(owningDomain, ClassIds(*current).second, classKind);
    PostProperties(current);
}

void CSystemDomainTreeView::OnDeleteProxyClass() {
    TreeNodeData* current = CurrentItemOfKind(TREE_PROXY_CLASS);
    if (current == nullptr) return;
    if (MessageBox("Class를 삭제하겠습니까?.\n", "타모", MB_OKCANCEL) != IDOK) return;
    auto* relation = static_cast<class_proxy_interface_relation_info*>(current->record);
    if (SystemControl()->DeleteProxyClass(relation) != 0) return;
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    m_wndTree.DeleteItem(current->item);
    if (owningDomain) RefreshInstalledEntries(owningDomain, relation->component_id, TREE_PROXY_CLASS);
}

void CSystemDomainTreeView::OnDeleteStubClass() {
    TreeNodeData* current = CurrentItemOfKind(TREE_STUB_CLASS);
    if (current == nullptr) return;
    if (MessageBox("인터페이스을 삭제하겠습니까?.\n", "타모", MB_OKCANCEL) != IDOK) return;
    auto* relation = static_cast<class_stub_interface_relation_info*>(current->record);
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    if (SystemControl()->DeleteStubClass(relation) == 0) m_wndTree.DeleteItem(current->item);
    if (owningDomain) RefreshInstalledEntries(owningDomain, relation->component_id, TREE_STUB_CLASS);
}

void CSystemDomainTreeView::OnAddProxyObject() { AddObject(TREE_PROXY_CLASS); }

void CSystemDomainTreeView::OnAddStubObject() { AddObject(TREE_STUB_CLASS); }

void CSystemDomainTreeView::AddObject(int classKind) {
    TreeNodeData* current = CurrentItemOfKind(classKind);
    if (current == nullptr) return;
    const bool proxy = classKind == TREE_PROXY_CLASS;
    std::string objectName;
    const int added =
        proxy ? SystemControl()->NewProxyObject(static_cast<class_proxy_interface_relation_info*>(current->record),
                                                objectName)
              : SystemControl()->NewStubObject(static_cast<class_stub_interface_relation_info*>(current->record),
                                               objectName);
    if (added == -1) return;
    const auto [classId, componentId] = ClassIds(*current);
    DeleteChildItems(current->item);
    if (proxy)
        FillProxyObjects(current->path, classId, current->item);
    else
        FillStubObjects(current->path, classId, current->item);
    m_wndTree.Expand(current->item, TVE_EXPAND);
    HTREEITEM owningDomain = OwningDomainItem(current->item);
    if (owningDomain == nullptr) return;
    const int domainId = static_cast<const class_domain_info*>(ItemData(owningDomain)->record)->id;
    if (SystemControl()->AddObjectToDeployments(domainId, componentId, classId, classKind, objectName) != -1)
        RefreshInstalledEntries(owningDomain, componentId, classKind);
}

class_interface_object_info* CSystemDomainTreeView::SelectedObject(int objectKind, HTREEITEM& classItem) const {
    HTREEITEM objectItem = SelectedItem();
    const TreeNodeData* objectData = ItemData(objectItem);
    if (objectData == nullptr || objectData->kind != objectKind || objectData->record == nullptr) return nullptr;
    classItem = m_wndTree.GetParentItem(objectItem);
    const TreeNodeData* classData = ItemData(classItem);
    const int classKind = objectKind == TREE_PROXY_OBJECT ? TREE_PROXY_CLASS : TREE_STUB_CLASS;
    if (classData == nullptr || classData->kind != classKind || classData->record == nullptr) return nullptr;
    return static_cast<class_interface_object_info*>(objectData->record);
}

void CSystemDomainTreeView::OnEditProxyObject() { EditObject(TREE_PROXY_OBJECT); }

void CSystemDomainTreeView::OnEditStubObject() { EditObject(TREE_STUB_OBJECT); }

void CSystemDomainTreeView::EditObject(int objectKind) {
    HTREEITEM classItem = nullptr;
    auto* object = SelectedObject(objectKind, classItem);
    if (object == nullptr) return;
    const TreeNodeData* classData = ItemData(classItem);
    const bool proxy = objectKind == TREE_PROXY_OBJECT;
    const int edited =
        proxy ? SystemControl()->EditProxyObject(
                    static_cast<class_proxy_interface_relation_info*>(classData->record), object)
              : SystemControl()->EditStubObject(static_cast<class_stub_interface_relation_info*>(classData->record),
                                                object);
    if (edited == -1) return;
    RefillObjects(classItem);
}

void CSystemDomainTreeView::OnDeleteProxyObject() { DeleteObject(TREE_PROXY_OBJECT); }

void CSystemDomainTreeView::OnDeleteStubObject() { DeleteObject(TREE_STUB_OBJECT); }

void CSystemDomainTreeView::DeleteObject(int objectKind) {
    HTREEITEM classItem = nullptr;
    const class_interface_object_info* object = SelectedObject(objectKind, classItem);
    if (object == nullptr) return;
    if (MessageBox("객체를 삭제하겠습니까?.\n", "타모", MB_OKCANCEL) != IDOK) return;

    const bool proxy = objectKind == TREE_PROXY_OBJECT;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int locked = db->CheckSystemLock(
        proxy ? db->FormatCall("call check_system_lock_proxy_object(%d, '%s')", object->relation_id, object->object_name)
              : db->FormatCall("call check_system_lock_stub_object(%d, '%s')", object->relation_id,
                               object->object_name));
    if (locked == 1) {
        AfxMessageBox(kObjectLocked);
        return;
    }
    // A lock that cannot be asked refuses as well.
    if (locked == -1) {
        db->ShowLastError();
        return;
    }
    const CString deletion =
        proxy ? db->FormatCall("call proxyInterfaceObjectViewDelete(%d, '%s', %d)", object->relation_id,
                               object->object_name, object->component_id)
              : db->FormatCall("call stubInterfaceObjectViewDelete(%d, '%s', %d)", object->relation_id,
                               object->object_name, object->component_id);
    if (db->ExecuteProc(deletion) != 0) {
        db->ShowLastError();
        return;
    }

    RefillObjects(classItem);
}

void CSystemDomainTreeView::RefillObjects(HTREEITEM classItem) {
    const TreeNodeData* classData = ItemData(classItem);
    const auto [classId, componentId] = ClassIds(*classData);
    DeleteChildItems(classItem);
    if (classData->kind == TREE_PROXY_CLASS)
        FillProxyObjects(classData->path, classId, classItem);
    else
        FillStubObjects(classData->path, classId, classItem);
    m_wndTree.Expand(classItem, TVE_EXPAND);
    if (HTREEITEM owningDomain = OwningDomainItem(classItem))
        RefreshInstalledEntries(owningDomain, componentId, classData->kind);
}

void CSystemDomainTreeView::OnObjectId() {
    TreeNodeData* current = m_pCurrentItem;
    if (current == nullptr || (current->kind != TREE_INSTALLED_PROXY && current->kind != TREE_INSTALLED_STUB) ||
        current->record == nullptr || !IsInTree(current))
        return;
    auto* entry = static_cast<class_custum_table*>(current->record);
    const int kindFlag = current->kind == TREE_INSTALLED_STUB ? 1 : 0;
    if (SystemControl()->EditObjectId(kindFlag, entry, entry->object_id) == -1) return;
    m_wndTree.SetItemText(current->item, EntryLabel(*entry, false).c_str());
    m_wndTree.SelectItem(current->item);
    PostProperties(current);
    // The copies of a public entry stand below the nodes that stand for the component's domain.
    const TreeNodeData* installed = ItemData(m_wndTree.GetParentItem(m_wndTree.GetParentItem(current->item)));
    if (installed && installed->record)
        RefreshSubsystemNodes(m_wndTree.GetRootItem(),
                              static_cast<const class_component_info*>(installed->record)->systemdomain_id);
}

void CSystemDomainTreeView::OnStubInfo() {
    TreeNodeData* current = CurrentItemOfKind(TREE_INSTALLED_PROXY);
    if (current == nullptr) return;
    if (SystemControl()->EditStubInfo(static_cast<class_custum_table*>(current->record)) == 0) PostProperties(current);
}

// ---- Tool commands -----------------------------------------------------------------------------------------

TreeNodeData* CSystemDomainTreeView::SelectedItemOfKind(int kind, bool needsRecord) const {
    TreeNodeData* data = ItemData(SelectedItem());
    if (data == nullptr || data->kind != kind || (needsRecord && data->record == nullptr)) return nullptr;
    return data;
}

class_domain_info* CSystemDomainTreeView::CurrentSystemDomain() const {
    TreeNodeData* current = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (current == nullptr) return nullptr;
    auto* domain = static_cast<class_domain_info*>(current->record);
    return domain->id == 0 ? nullptr : domain;
}

void CSystemDomainTreeView::OnDomainAccounts() {
    ShowHelp(HELP_DOMAIN_ACCOUNTS);
    if (class_domain_info* domain = CurrentSystemDomain()) SystemControl()->ShowDomainAccounts(domain);
}

void CSystemDomainTreeView::OnDomainPorts() {
    ShowHelp(HELP_DOMAIN_PORTS);
    if (class_domain_info* domain = CurrentSystemDomain()) SystemControl()->EditDomainPorts(domain);
}

void CSystemDomainTreeView::OnNetworkLinks() {
    ShowHelp(HELP_NETWORK_LINKS);
    if (class_domain_info* domain = CurrentSystemDomain()) SystemControl()->EditNetworkLinks(domain);
}

void CSystemDomainTreeView::OnRegisteredIps() {
    ShowHelp(HELP_REGISTERED_IPS);
    TreeNodeData* current = CurrentItemOfKind(TREE_NODE);
    if (current == nullptr) return;
    SystemControl()->EditNodeIps(static_cast<class_node_info*>(current->record));
    // The properties pane shows the node's addresses: it is filled again before the command ends.
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->SendMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(current));
}

void CSystemDomainTreeView::OnConnectionIni() {
    TreeNodeData* current = CurrentItemOfKind(TREE_INSTALLED_COMPONENT);
    if (current == nullptr) return;
    const TreeNodeData* node = ItemData(m_wndTree.GetParentItem(current->item));
    if (node == nullptr || node->kind != TREE_NODE || node->record == nullptr) return;
    class_ini_dialog dialog;
    dialog.set_connection_info(*static_cast<const class_node_info*>(node->record),
                               *static_cast<const class_component_info*>(current->record));
    dialog.DoModal();
}

void CSystemDomainTreeView::ShowMemberFunctions(int methodDomainId, const std::string& interfaceName) {
    class_interface_info iface;
    iface.domain_id = methodDomainId;
    iface.name = interfaceName;
    // The member dialog's "New Method 생성" runs through the method tree's command object.
    if (g_pTreeMethodDomainControl == nullptr) g_pTreeMethodDomainControl = new CTreeMethodDomainControl;
    CInterfaceMemberViewDlg dialog;
    dialog.m_pInterface = &iface;
    dialog.DoModal();
}

void CSystemDomainTreeView::OnProxyMemberFunctions() {
    if (TreeNodeData* current = CurrentItemOfKind(TREE_PROXY_CLASS)) {
        const auto* relation = static_cast<const class_proxy_interface_relation_info*>(current->record);
        ShowMemberFunctions(relation->method_domain_id, relation->interface_name);
    }
}

void CSystemDomainTreeView::OnStubMemberFunctions() {
    if (TreeNodeData* current = CurrentItemOfKind(TREE_STUB_CLASS)) {
        const auto* relation = static_cast<const class_stub_interface_relation_info*>(current->record);
        ShowMemberFunctions(relation->method_domain_id, relation->interface_name);
    }
}

void CSystemDomainTreeView::OnComponentSourceCode() {
    if (TreeNodeData* current = CurrentItemOfKind(TREE_COMPONENT))
        CodeControl()->ShowAllSourceCode(*static_cast<const class_component_info*>(current->record));
}

void CSystemDomainTreeView::OnProxySourceCode() {
    if (TreeNodeData* current = CurrentItemOfKind(TREE_PROXY_CLASS))
        CodeControl()->ShowProxySourceCode(*static_cast<const class_proxy_interface_relation_info*>(current->record));
}

void CSystemDomainTreeView::OnStubSourceCode() {
    if (TreeNodeData* current = CurrentItemOfKind(TREE_STUB_CLASS))
        CodeControl()->ShowStubSourceCode(*static_cast<const class_stub_interface_relation_info*>(current->record));
}

void CSystemDomainTreeView::OnSddDocument() {
    const TreeNodeData* selected = SelectedItemOfKind(TREE_COMPONENT);
    if (selected == nullptr) return;
    const auto* component = static_cast<const class_component_info*>(selected->record);
    // A controller serves one document: the next command makes a new one.
    class_sdd_print_controller controller;
    if (controller.print_sdd_document(*component, component->name) != -1) AfxMessageBox("SDD 파일을 생성 했습니다.");
}

void CSystemDomainTreeView::OnSystemDomainXmlExport() {
    const TreeNodeData* selected = SelectedItemOfKind(TREE_SYSTEM_DOMAIN);
    if (selected == nullptr) return;
    const auto* domain = static_cast<const class_domain_info*>(selected->record);
    if (domain->id != 0) RunXmlExporter(domain->name, kSystemDomainExporter, domain->id);
}

void CSystemDomainTreeView::OnComponentXmlExport() {
    if (const TreeNodeData* selected = SelectedItemOfKind(TREE_COMPONENT)) {
        const auto* component = static_cast<const class_component_info*>(selected->record);
        RunXmlExporter(component->name, kComponentExporter, component->component_id);
    }
}

void CSystemDomainTreeView::OpenDiagram(const std::string& name, const std::function<void(Class_UmlControl&)>& draw) {
    Class_UmlControl* diagrams = Class_UmlControl::get_instance();
    // An open window of that name is only brought to the front: it keeps what it shows.
    if (diagrams->create_childframe(name) != 0) draw(*diagrams);
}

std::string CSystemDomainTreeView::TextsUpToRoot(HTREEITEM item) const {
    std::string texts;
    for (; item && item != m_wndTree.GetRootItem(); item = m_wndTree.GetParentItem(item))
        texts += m_wndTree.GetItemText(item).str() + "\\";
    return texts;
}

void CSystemDomainTreeView::OnDomainComponentDiagram() {
    const TreeNodeData* folder = SelectedItemOfKind(TREE_COMPONENTS_FOLDER, false);
    TreeNodeData* domain = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (folder == nullptr || domain == nullptr) return;
    OpenDiagram(folder->path, [domain](Class_UmlControl& diagrams) { diagrams.draw_domain_component_diagram(*domain); });
}

void CSystemDomainTreeView::OnProxyClassDiagram() {
    if (TreeNodeData* selected = SelectedItemOfKind(TREE_PROXY_CLASS))
        OpenDiagram(selected->path,
                    [selected](Class_UmlControl& diagrams) { diagrams.draw_proxy_interface_diagram(*selected); });
}

void CSystemDomainTreeView::OnStubClassDiagram() {
    if (TreeNodeData* selected = SelectedItemOfKind(TREE_STUB_CLASS))
        OpenDiagram(selected->path,
                    [selected](Class_UmlControl& diagrams) { diagrams.draw_stub_interface_diagram(*selected); });
}

void CSystemDomainTreeView::OnComponentDiagram() {
    if (TreeNodeData* selected = SelectedItemOfKind(TREE_COMPONENT))
        OpenDiagram(selected->path,
                    [selected](Class_UmlControl& diagrams) { diagrams.draw_component_interface_diagram(*selected); });
}

void CSystemDomainTreeView::OnInstalledComponentDiagram() {
    TreeNodeData* current = CurrentItemOfKind(TREE_INSTALLED_COMPONENT);
    if (current == nullptr) return;
    TreeNodeData* node = ItemData(m_wndTree.GetParentItem(current->item));
    if (node == nullptr || node->kind != TREE_NODE || node->record == nullptr) return;
    OpenDiagram(current->path, [current, node](Class_UmlControl& diagrams) {
        diagrams.draw_node_component_deploy_diagram(*current, *node);
    });
}

void CSystemDomainTreeView::OnNodeDiagram() {
    // Only a computer node has a diagram of its own.
    TreeNodeData* selected = SelectedItemOfKind(TREE_NODE);
    if (selected == nullptr) return;
    int image = -1, selectedImage = -1;
    m_wndTree.GetItemImage(selected->item, image, selectedImage);
    if (image != SYSTEM_IMAGE_COMPUTER) return;
    OpenDiagram(selected->path, [selected](Class_UmlControl& diagrams) { diagrams.draw_node_diagram(*selected); });
}

void CSystemDomainTreeView::OnSystemDiagram() {
    const TreeNodeData* folder = SelectedItemOfKind(TREE_NODE, false);
    TreeNodeData* domain = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (folder == nullptr || folder->record != nullptr || domain == nullptr) return;
    OpenDiagram(folder->path, [domain](Class_UmlControl& diagrams) { diagrams.draw_system_diagram(*domain); });
}

void CSystemDomainTreeView::OnDeployDiagram() {
    HTREEITEM selected = SelectedItem();
    TreeNodeData* domain = CurrentItemOfKind(TREE_SYSTEM_DOMAIN);
    if (selected == nullptr || domain == nullptr) return;
    // The name runs from the clicked item up to the top-level domain: "Nodes\B\A\_deploy_component".
    OpenDiagram(TextsUpToRoot(selected) + kDeployDiagramSuffix,
                [domain](Class_UmlControl& diagrams) { diagrams.draw_deploy_diagram(*domain); });
}

void CSystemDomainTreeView::OnSaveAllDomainHeaders() {
    CodeControl()->SaveAllDomainHeaders();
}

void SelectSystemTreeItemByPath(CSystemDomainTreeView& pane, const std::string& line) {
    CViewTree& tree = pane.GetTreeCtrl();
    tree.SelectByReferenceLine(line, [&tree](HTREEITEM item, const ReferenceLevel& level) {
        return IsSystemItemNamed(tree.GetItemText(item).str(),
                                 reinterpret_cast<const TreeNodeData*>(tree.GetItemData(item)), level);
    });
}
