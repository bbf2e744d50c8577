#include "CPropertiesWnd.h"

#include <vector>

#include "CMFCVisualManager.h"
#include "CMysqlQuery.h"
#include "account_row.h"

namespace {

const UINT kGridId = 2;

CMFCPropertyGridProperty* Row(LPCTSTR name, const CString& value, LPCTSTR description) {
    return new CMFCPropertyGridProperty(name, COleVariant(value), description);
}

}  // namespace

BEGIN_MESSAGE_MAP(CPropertiesWnd, CDockablePane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_SETTINGCHANGE()
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

void CPropertiesWnd::ShowUserProperties() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<account_row> rows;
    if (db->SelectAccountRows("call acountViewUserinfo()", rows) == -1) {
        db->ShowLastError();
        return;
    }

    m_wndPropList.RemoveAll();
    auto* group = new CMFCPropertyGridProperty("사용자 정보");
    for (const account_row& row : rows) {
        const bool mayCreateAccounts = row.may_create_account != "0";
        const bool mayCreateDomains = row.may_create_domain != "0";
        group->AddSubItem(Row("사용자ID", row.user_id, "사용자 ID입니다"));
        group->AddSubItem(Row("관리자계정권한", row.administrator == "0" ? "일반사용자" : "관리자", ""));
        group->AddSubItem(Row("신규계정권한", mayCreateAccounts ? "있음" : "없음",
                              mayCreateAccounts ? "이 계정은 다른 계정을 생성할 수 있습니다"
                                                : "이 계정은 다른 계정을 생성할 수 없습니다."));
        group->AddSubItem(Row("도메인계정권한", mayCreateDomains ? "있음" : "없음",
                              mayCreateDomains ? "이 계정은 도메인을 생성할 수 있습니다"
                                               : "이 계정은 도메인을 생성할 수 없습니다."));
    }
    m_wndPropList.AddProperty(group, TRUE, TRUE);
}

// The item fillers come with the properties pane; until then the grid keeps what it shows.
void CPropertiesWnd::ShowDomainProperties(class_domain_info&) {}
void CPropertiesWnd::ShowDataProperties(class_metadata_info&) {}
void CPropertiesWnd::ShowDataFieldItemProperties(class_datafield_info&, TreeNodeData&) {}
void CPropertiesWnd::ShowMethodProperties(class_method_info&) {}
void CPropertiesWnd::ShowMethodItemProperties(class_membermethod_info&) {}
void CPropertiesWnd::ShowInterfaceProperties(class_interface_info&) {}
void CPropertiesWnd::ShowSwitchProperties(class_node_info&) {}
void CPropertiesWnd::ShowNodeProperties(class_node_info&) {}
void CPropertiesWnd::ShowComponentProperties(class_component_info&) {}
void CPropertiesWnd::ShowProxyProperties(class_proxy_interface_relation_info&) {}
void CPropertiesWnd::ShowStubProperties(class_stub_interface_relation_info&) {}
void CPropertiesWnd::ShowDeployedComponentProperties(class_component_info&) {}
void CPropertiesWnd::ShowComponentInterfaceProperties(class_custum_table&, TreeNodeData&) {}
