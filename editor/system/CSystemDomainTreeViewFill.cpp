// The system pane's filling: the domain levels with their folders, nodes, installed components and their
// entries, components, classes and objects, each level's lists read ahead in one round trip.

#include "CSystemDomainTreeView.h"

#include <memory>

#include "ScopedFlag.h"
#include "SystemTreeItems.h"
#include "TreePane.h"
#include "class_node_info.h"

namespace {

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

}  // namespace

// ---- Filling -----------------------------------------------------------------------------------------------

CString CSystemDomainTreeView::DomainListCall(int domainId) const {
    return CMysqlQuery::GetInstance()->FormatCall("call mainViewDomainList(%d,'system')", domainId);
}

void CSystemDomainTreeView::FillDomainLevel(const DomainList& list, int parentId, HTREEITEM parent, int depth,
                                            const std::string& parentPath) {
    InsertDomainLevels(list, parentId, parent, parentPath, depth,
                       [this](const class_domain_info& row, HTREEITEM item, const std::string& path, int) {
                           HTREEITEM nodes = AddNodesFolder(path, item);
                           FillFoldersOnDemand(row.id, path, nodes, AddComponentsFolder(path, item));
                       });
}

// A level costs the domains it shows: a domain's folders are filled when either of them is first needed (walked,
// opened, or shown with its button), both at once, from one round trip.
void CSystemDomainTreeView::FillFoldersOnDemand(int domainId, const std::string& path, HTREEITEM nodes,
                                                HTREEITEM components) {
    auto pending = std::make_shared<bool>(true);
    const auto fill = [this, pending, domainId, path, nodes, components](HTREEITEM) {
        if (!*pending) return;
        *pending = false;
        m_wndTree.SetChildrenOnDemand(nodes, {});
        m_wndTree.SetChildrenOnDemand(components, {});
        FillFolders(domainId, path, nodes, components);
    };
    m_wndTree.SetChildrenOnDemand(nodes, fill);
    m_wndTree.SetChildrenOnDemand(components, fill);
}

void CSystemDomainTreeView::FillFolders(int domainId, const std::string& path, HTREEITEM nodes,
                                        HTREEITEM components) {
    // Every list the folders show comes from the bundle that answers them at once; the fill takes each answer
    // where it needs it.
    const CMysqlReadAhead lists(std::vector<CString>(), LevelListsCall({domainId}), LevelListSets());
    const ScopedFlag answered(m_bLevelListsAnswered, m_bLevelListsAnswered || !lists.Answers().empty());
    FillNodes(LoadNodeList(NodeListCall(domainId)), nodes, path);
    FillComponents(path, domainId, components);
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
        InsertDataItem(label, SYSTEM_IMAGE_PROXY_CLASS, folder, TVI_LAST, kind,
                       Own(m_installedEntries, std::move(entry)), "");
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
                       TREE_PROXY_CLASS, componentPath + "\\" + kProxyFolder + "\\", folder);
}

int CSystemDomainTreeView::FillStubClasses(const std::string& componentPath, int componentId, HTREEITEM folder) {
    return FillClasses(&CMysqlQuery::SelectStubInterfaceList, StubClassesCall(componentId), m_stubClasses,
                       TREE_STUB_CLASS, componentPath + "\\" + kStubFolder + "\\", folder);
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
