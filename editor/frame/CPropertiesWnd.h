#pragma once

// The properties pane "속성": one property grid that shows the stored fields of the selected item. The main
// frame calls the filler for the item's kind (RoutePropertiesFiller). The account's own information is shown
// here; the fillers of the tree items come with the properties pane and until then leave the grid as it is.

#include "CDockablePane.h"
#include "CFont.h"
#include "CMFCPropertyGridCtrl.h"

class class_component_info;
class class_custum_table;
class class_datafield_info;
class class_domain_info;
class class_interface_info;
class class_membermethod_info;
class class_metadata_info;
class class_method_info;
class class_node_info;
class class_proxy_interface_relation_info;
class class_stub_interface_relation_info;
struct TreeNodeData;

class CPropertiesWnd : public CDockablePane {
public:
    CPropertiesWnd() = default;
    ~CPropertiesWnd() override = default;

    void AdjustLayout() override;

    // The logged-in account ("call acountViewUserinfo()"): four rows per account row in the group "사용자 정보".
    // A failed call shows the server's text and leaves the grid as it was.
    void ShowUserProperties();

    // The fillers of the tree items and diagram elements.
    void ShowDomainProperties(class_domain_info& domain);
    void ShowDataProperties(class_metadata_info& data);
    void ShowDataFieldItemProperties(class_datafield_info& field, TreeNodeData& item);
    void ShowMethodProperties(class_method_info& method);
    void ShowMethodItemProperties(class_membermethod_info& member);
    void ShowInterfaceProperties(class_interface_info& iface);
    void ShowSwitchProperties(class_node_info& node);
    void ShowNodeProperties(class_node_info& node);
    void ShowComponentProperties(class_component_info& component);
    void ShowProxyProperties(class_proxy_interface_relation_info& proxy);
    void ShowStubProperties(class_stub_interface_relation_info& stub);
    void ShowDeployedComponentProperties(class_component_info& component);
    void ShowComponentInterfaceProperties(class_custum_table& entry, TreeNodeData& item);

    CMFCPropertyGridCtrl& GetGrid() { return m_wndPropList; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    DECLARE_MESSAGE_MAP()

private:
    void SetupGrid();
    void RefreshGridFont();

    CFont m_fntPropList;
    CMFCPropertyGridCtrl m_wndPropList;
};
