#pragma once

// The properties pane "속성": one property grid that shows the stored fields of the selected item. The main
// frame calls the filler for the item's kind (RoutePropertiesFiller); every filler empties the grid and shows
// the item's groups (PropertyGroups.h). The pane only shows: a value typed over in the grid is stored nowhere.
// A node shows an IP chooser and an installed component an interface chooser; a choice adds detail groups
// below the others, which the next choice replaces.

#include <map>
#include <string>

#include "CDockablePane.h"
#include "CFont.h"
#include "CMFCPropertyGridCtrl.h"
#include "PropertyGroups.h"
#include "class_network_info.h"
#include "class_stub_interface_relation_info.h"

class class_membermethod_info;
struct TreeNodeData;

class CPropertiesWnd : public CDockablePane {
public:
    CPropertiesWnd() = default;
    ~CPropertiesWnd() override = default;

    void AdjustLayout() override;

    // The logged-in account ("call acountViewUserinfo()"): four rows per account row in the group "사용자 정보".
    // A failed call shows the server's text and leaves the grid as it was.
    void ShowUserProperties();
    // Empties the grid: no item is selected in the tree whose tab is active.
    void ShowNothing();

    // The fillers of the data and method trees. They read the record and keep no pointer to it; the data
    // filler writes "NULL" over the real domain "root()" of an item without a real domain (id 0) in the record
    // itself. A data domain of the server named "root()" (its id is never 0) is shown by its name.
    void ShowDomainProperties(class_domain_info& domain);
    void ShowDataProperties(class_metadata_info& data);
    void ShowDataFieldItemProperties(class_datafield_info& field, TreeNodeData& item);
    void ShowMethodProperties(class_method_info& method);
    void ShowMethodItemProperties(class_membermethod_info& member);
    void ShowInterfaceProperties(class_interface_info& iface);

    // The fillers of the system tree and of the diagrams' node elements.
    void ShowSwitchProperties(class_node_info& node);
    // The node, then its IPs with the IP chooser (ShowNodeIpList).
    void ShowNodeProperties(class_node_info& node);
    // Adds the group "IP 정보" with the chooser of the node's IPs ("call networkViewList(%d)"); a failed load
    // is shown and leaves the chooser empty.
    void ShowNodeIpList(int nodeId);
    // Adds the group "ip 상세정보" of the chosen IP of the node shown last, in place of the one shown before.
    void ShowIpDetail(const CString& ip);
    void ShowComponentProperties(class_component_info& component);
    void ShowProxyProperties(class_proxy_interface_relation_info& proxy);
    void ShowStubProperties(class_stub_interface_relation_info& stub);
    // The installed component with its network bindings, then its interfaces with the interface chooser.
    void ShowDeployedComponentProperties(class_component_info& component);
    // Adds the chosen interface's method domain and member methods, in place of those shown before. A failed
    // load is shown and changes nothing.
    void ShowInterfaceMethods(const CString& interfaceName);
    void ShowComponentInterfaceProperties(class_custum_table& entry, TreeNodeData& item);

    CMFCPropertyGridCtrl& GetGrid() { return m_wndPropList; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    // AFX_WM_PROPERTY_CHANGED: a choice in a chooser shows its details; typing over a plain row does nothing.
    afx_msg LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SetupGrid();
    void RefreshGridFont();
    // Adds the group to the grid below the groups shown; the grid owns it.
    CMFCPropertyGridProperty* AddGroup(const PropertyGroup& group);
    // Empties the grid, forgetting the detail groups it held, and shows the group alone.
    void ShowOnly(const PropertyGroup& group);
    // Takes the group out of the grid and forgets it; nothing when there is none.
    void RemoveGroup(CMFCPropertyGridProperty*& group);

    CFont m_fntPropList;
    CMFCPropertyGridCtrl m_wndPropList;
    // The detail groups of the choosers while the grid shows them (owned by the grid), else null.
    CMFCPropertyGridProperty* m_pIpDetailGroup = nullptr;
    CMFCPropertyGridProperty* m_pMethodDomainGroup = nullptr;
    CMFCPropertyGridProperty* m_pMemberMethodGroup = nullptr;
    // The rows the choosers choose from: those of the node and of the installed component shown last.
    std::map<std::string, class_network_info> m_mapNodeIps;
    std::map<std::string, class_stub_interface_relation_info> m_mapComponentInterfaces;
};
