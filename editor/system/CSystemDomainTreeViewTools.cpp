// The system pane's tool commands: dialogs that change no item, source code, documents, exports and diagrams of
// the clicked item.

#include "CSystemDomainTreeView.h"

#include "CCodeControl.h"
#include "CInterfaceMemberViewDlg.h"
#include "CTreeMethodDomainControl.h"
#include "CTreeSystemDomainControl.h"
#include "Class_UmlControl.h"
#include "FrameMessages.h"
#include "RunXmlExporter.h"
#include "class_ini_dialog.h"
#include "class_sdd_print_controller.h"

namespace {

// Help topics of the help window.
const int HELP_DOMAIN_ACCOUNTS = 31;
const int HELP_DOMAIN_PORTS = 32;
const int HELP_NETWORK_LINKS = 35;
const int HELP_REGISTERED_IPS = 37;

// The exporters, run from the tools folder as the launcher finds them.
const char* const kSystemDomainExporter = "tools\\quorrin.exe";
const char* const kComponentExporter = "tools\\skarrow.exe";
const char* const kDeployDiagramSuffix = "_deploy_component";

CCodeControl* CodeControl() {
    if (g_pCodeControl == nullptr) g_pCodeControl = new CCodeControl;
    return g_pCodeControl;
}

}  // namespace

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
