#include "CSystemDomainTreeView.h"

#include "CTreeSystemDomainControl.h"
#include "Class_UmlControl.h"
#include "FrameMessages.h"
#include "ScopedFlag.h"
#include "SystemTreeItems.h"

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
const int HELP_SYSTEM_SELECTION = 27;

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

CTreeSystemDomainControl* CSystemDomainTreeView::SystemControl() {
    if (g_pTreeSystemDomainControl == nullptr) g_pTreeSystemDomainControl = new CTreeSystemDomainControl;
    return g_pTreeSystemDomainControl;
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

void SelectSystemTreeItemByPath(CSystemDomainTreeView& pane, const std::string& line) {
    CViewTree& tree = pane.GetTreeCtrl();
    tree.SelectByReferenceLine(line, [&tree](HTREEITEM item, const ReferenceLevel& level) {
        return IsSystemItemNamed(tree.GetItemText(item).str(),
                                 reinterpret_cast<const TreeNodeData*>(tree.GetItemData(item)), level);
    });
}
