#include "CPropertiesWnd.h"

#include <vector>

#include "CMFCVisualManager.h"
#include "CMysqlQuery.h"
#include "PropertyGroups.h"
#include "SessionRecords.h"
#include "TreeNodeData.h"

namespace {

const UINT kGridId = 2;

CMFCPropertyGridProperty* MakeRow(const PropertyRow& row) {
    auto* property = new CMFCPropertyGridProperty(row.name.c_str(), COleVariant(row.value.c_str()),
                                                  row.description.c_str(), row.data);
    if (row.data != PROPERTY_PLAIN_ROW) {
        for (const std::string& option : row.options) property->AddOption(option.c_str());
        property->AllowEdit(FALSE);
    }
    return property;
}

}  // namespace

BEGIN_MESSAGE_MAP(CPropertiesWnd, CDockablePane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_SETTINGCHANGE()
    ON_REGISTERED_MESSAGE(AFX_WM_PROPERTY_CHANGED, &CPropertiesWnd::OnPropertyChanged)
END_MESSAGE_MAP()

int CPropertiesWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDockablePane::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_wndPropList.Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, 0, 0), this, kGridId)) return -1;
    SetupGrid();
    AdjustLayout();
    return 0;
}

void CPropertiesWnd::SetupGrid() {
    RefreshGridFont();
    m_wndPropList.EnableHeaderCtrl(FALSE, "Property", "Value");
    m_wndPropList.EnableDescriptionArea();
    m_wndPropList.SetVSDotNetLook();
    m_wndPropList.MarkModifiedProperties(TRUE, TRUE);
}

void CPropertiesWnd::RefreshGridFont() {
    m_fntPropList.DeleteObject();
    LOGFONT font{};
    afxGlobalData.fontRegular.GetLogFont(&font);
    NONCLIENTMETRICS metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    font.lfHeight = metrics.lfMenuFont.lfHeight;
    font.lfWeight = metrics.lfMenuFont.lfWeight;
    font.lfItalic = metrics.lfMenuFont.lfItalic;
    m_fntPropList.CreateFontIndirect(&font);
    m_wndPropList.SetFont(&m_fntPropList);
}

void CPropertiesWnd::AdjustLayout() {
    if (!GetSafeHwnd()) return;
    CRect client;
    GetClientRect(client);
    m_wndPropList.SetWindowPos(nullptr, client.left, client.top, client.Width(), client.Height(),
                               SWP_NOACTIVATE | SWP_NOZORDER);
}

void CPropertiesWnd::OnSize(UINT nType, int cx, int cy) {
    CDockablePane::OnSize(nType, cx, cy);
    AdjustLayout();
}

void CPropertiesWnd::OnSetFocus(CWnd* pOldWnd) {
    CDockablePane::OnSetFocus(pOldWnd);
    m_wndPropList.SetFocus();
}

void CPropertiesWnd::OnSettingChange(UINT uFlags, LPCTSTR lpszSection) {
    CDockablePane::OnSettingChange(uFlags, lpszSection);
    RefreshGridFont();
}

// ---- Filling ----------------------------------------------------------------------------------------------

CMFCPropertyGridProperty* CPropertiesWnd::AddGroup(const PropertyGroup& group) {
    auto* property = new CMFCPropertyGridProperty(group.name.c_str());
    for (const PropertyRow& row : group.rows) property->AddSubItem(MakeRow(row));
    m_wndPropList.AddProperty(property, TRUE, TRUE);
    return property;
}

void CPropertiesWnd::ShowOnly(const PropertyGroup& group) {
    ShowNothing();
    AddGroup(group);
}

void CPropertiesWnd::ShowNothing() {
    m_wndPropList.RemoveAll();
    m_pIpDetailGroup = nullptr;
    m_pMethodDomainGroup = nullptr;
    m_pMemberMethodGroup = nullptr;
}

void CPropertiesWnd::RemoveGroup(CMFCPropertyGridProperty*& group) {
    if (group) m_wndPropList.DeleteProperty(group, TRUE, TRUE);
    group = nullptr;
}

void CPropertiesWnd::ShowUserProperties() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<account_row> rows;
    if (db->SelectAccountRows("call acountViewUserinfo()", rows) == -1) {
        db->ShowLastError();
        return;
    }
    ShowOnly(UserPropertyGroup(rows));
}

void CPropertiesWnd::ShowDomainProperties(class_domain_info& domain) {
    ShowOnly(DomainPropertyGroup(domain));
}

void CPropertiesWnd::ShowDataProperties(class_metadata_info& data) {
    // "root()" without a real domain id stands for none: the item shows and keeps "NULL", as the lists give it.
    // A real domain of the server may be named so; it has an id.
    if (data.real_domain_id == 0 && data.real_domain_name == "root()") data.real_domain_name = "NULL";
    ShowOnly(DataPropertyGroup(data));
}

void CPropertiesWnd::ShowDataFieldItemProperties(class_datafield_info& field, TreeNodeData& item) {
    ShowOnly(DataFieldPropertyGroup(field, item.kind));
}

void CPropertiesWnd::ShowMethodProperties(class_method_info& method) {
    ShowOnly(MethodPropertyGroup(method, MethodCodeDigits(method.code)));
}

void CPropertiesWnd::ShowMethodItemProperties(class_membermethod_info& member) {
    // The method tree points the member at its method once the member's item exists; until then it shows nothing.
    if (!member.method) return;
    ShowOnly(MethodPropertyGroup(*member.method, MemberMethodCodeDigits(member.method->code)));
}

void CPropertiesWnd::ShowInterfaceProperties(class_interface_info& iface) {
    ShowOnly(InterfacePropertyGroup(iface));
}

void CPropertiesWnd::ShowSwitchProperties(class_node_info& node) {
    ShowOnly(SwitchPropertyGroup(node));
}

void CPropertiesWnd::ShowNodeProperties(class_node_info& node) {
    ShowOnly(NodePropertyGroup(node));
    ShowNodeIpList(node.id);
}

void CPropertiesWnd::ShowNodeIpList(int nodeId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_network_info> addresses;
    if (db->SelectNetworkList(db->FormatCall("call networkViewList(%d)", nodeId), addresses) == -1)
        db->ShowLastError();
    AddGroup(IpChooserGroup(addresses, m_mapNodeIps));
}

void CPropertiesWnd::ShowIpDetail(const CString& ip) {
    const auto address = m_mapNodeIps.find(ip.str());
    if (address == m_mapNodeIps.end()) return;
    RemoveGroup(m_pIpDetailGroup);
    m_pIpDetailGroup = AddGroup(IpDetailGroup(address->second));
}

void CPropertiesWnd::ShowComponentProperties(class_component_info& component) {
    ShowOnly(ComponentPropertyGroup(component));
}

void CPropertiesWnd::ShowProxyProperties(class_proxy_interface_relation_info& proxy) {
    ShowOnly(ProxyPropertyGroup(proxy));
}

void CPropertiesWnd::ShowStubProperties(class_stub_interface_relation_info& stub) {
    ShowOnly(StubPropertyGroup(stub));
}

void CPropertiesWnd::ShowDeployedComponentProperties(class_component_info& component) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    // Without its bindings the component is shown all the same; their failure is not reported.
    std::vector<class_network_info> bindings;
    db->SelectDeployBindNetworkList(db->FormatCall("call deployments_bind_table_info(%d)", component.deployment_id),
                                    bindings);
    ShowOnly(DeployedComponentPropertyGroup(component, bindings));

    std::vector<class_stub_interface_relation_info> interfaces;
    if (db->SelectStubInterfaceList(
            db->FormatCall("call deployComponentViewInterfaceinfo(%d)", component.component_id), interfaces) == -1)
        db->ShowLastError();
    AddGroup(InterfaceChooserGroup(interfaces, m_mapComponentInterfaces));
}

void CPropertiesWnd::ShowInterfaceMethods(const CString& interfaceName) {
    const auto iface = m_mapComponentInterfaces.find(interfaceName.str());
    if (iface == m_mapComponentInterfaces.end()) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_method_info> methods;
    if (db->SelectMemberMethodList(db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')",
                                                  iface->second.method_domain_id, interfaceName),
                                   methods) == -1) {
        db->ShowLastError();
        return;
    }
    RemoveGroup(m_pMemberMethodGroup);
    RemoveGroup(m_pMethodDomainGroup);
    m_pMethodDomainGroup = AddGroup(MethodDomainGroup(iface->second));
    m_pMemberMethodGroup = AddGroup(MemberMethodGroup(methods));
}

void CPropertiesWnd::ShowComponentInterfaceProperties(class_custum_table& entry, TreeNodeData& item) {
    ShowOnly(ComponentInterfacePropertyGroup(entry, item.kind));
}

LRESULT CPropertiesWnd::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* row = reinterpret_cast<CMFCPropertyGridProperty*>(lParam);
    if (!row) return 0;
    switch (row->GetData()) {
    case PROPERTY_IP_CHOOSER: ShowIpDetail(row->GetValue().ToString()); return -1;
    case PROPERTY_INTERFACE_CHOOSER: ShowInterfaceMethods(row->GetValue().ToString()); return -1;
    default: return 0;
    }
}
