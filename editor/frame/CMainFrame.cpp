#include "CMainFrame.h"

#include "CAcountListViewDlg.h"
#include "CChildFrame.h"
#include "CCodeControl.h"
#include "CEditAcountDlg.h"
#include "CMFCToolBarsCustomizeDialog.h"
#include "CMFCVisualManager.h"
#include "CMysqlQuery.h"
#include "CTamoZELK_MDIApp.h"
#include "CTamoZELK_MDIDoc.h"
#include "CUmlEntity.h"
#include "Class_UmlControl.h"
#include "FrameMessages.h"
#include "PrivateDomainJoin.h"
#include "PropertiesRoute.h"
#include "SessionRecords.h"
#include "account_row.h"
#include "class_join_domainaccount_dlg.h"
#include "class_msxmlcontroller.h"

namespace {

enum : UINT {
    IDR_MAINFRAME = 128,
    IDR_MAINFRAME_256 = 129,
    IDR_MENU_IMAGES = 179,
    IDR_MENU_IMAGES_24 = 180,
    IDS_TOOLBAR_STANDARD = 124,
    IDS_TOOLBAR_CUSTOMIZE = 125,
    ID_VIEW_CUSTOMIZE = 126,
    ID_WINDOW_MANAGER = 131,
    IDS_PROPERTIES_WND = 158,
    ID_SERVER_ACCOUNTS = 32882,
    ID_CHANGE_PASSWORD = 32884,
    ID_REFRESH_DIAGRAMS = 32944,
    ID_XML_DOCUMENT_TO_DB = 32951,
    ID_DATA_TREE_REFRESH = 32908,
    ID_METHOD_TREE_REFRESH = 32913,
    ID_JOIN_PRIVATE_DOMAIN = 32958,
    ID_HELP_TAB = 33052,
    ID_DATA_DOMAIN_VIEW = 133,
    ID_METHOD_DOMAIN_VIEW = 1,
    ID_SYSTEM_DOMAIN_VIEW = 2,
    ID_OUTPUT_WND = 149,
    ID_PROPERTIES_WND = 150,
};

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

const char* const kHelpWindowName = "도움말";
const char* const kWindowTitle = "Tamo_ZELK - Tamo 인터페이스 설계";

CString LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

CTamoZELK_MDIApp* EditorApp() { return dynamic_cast<CTamoZELK_MDIApp*>(AfxGetApp()); }

}  // namespace

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWndEx)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWndEx)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(AFX_WM_CREATETOOLBAR, &CMainFrame::OnToolbarCreateNew)
    ON_WM_SETTINGCHANGE()
    ON_COMMAND(ID_WINDOW_MANAGER, &CMainFrame::OnWindowManager)
    ON_COMMAND(ID_VIEW_CUSTOMIZE, &CMainFrame::OnViewCustomize)
    ON_COMMAND(ID_SAVE_ALL_DOMAIN_HEADERS, &CMainFrame::OnSaveAllDomainHeaders)
    ON_COMMAND(ID_SERVER_ACCOUNTS, &CMainFrame::OnServerAccounts)
    ON_COMMAND(ID_CHANGE_PASSWORD, &CMainFrame::OnChangePassword)
    ON_COMMAND(ID_REFRESH_DIAGRAMS, &CMainFrame::OnRefreshDiagrams)
    ON_COMMAND(ID_XML_DOCUMENT_TO_DB, &CMainFrame::OnXmlDocumentToDb)
    ON_COMMAND(ID_JOIN_PRIVATE_DOMAIN, &CMainFrame::OnJoinPrivateDomain)
    ON_MESSAGE(WM_SHOW_ITEM_PROPERTIES, &CMainFrame::OnPropertyUpdate)
    ON_MESSAGE(WM_SHOW_NODE_PROPERTIES, &CMainFrame::OnNodePropertyUpdate)
    ON_MESSAGE(WM_CREATE_DIAGRAM_FRAME, &CMainFrame::OpenChildFrame)
    ON_MESSAGE(WM_USER + 126, &CMainFrame::OnUnusedMessage)
    ON_MESSAGE(WM_INTERFACE_CHANGED, &CMainFrame::OnInterfaceChanged)
    ON_REGISTERED_MESSAGE(AFX_WM_CHANGE_ACTIVE_TAB, &CMainFrame::OnChangeActiveTab)
    ON_COMMAND(ID_HELP_TAB, &CMainFrame::OnHelpTab)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CMDIFrameWndEx::PreCreateWindow(cs)) return FALSE;
    cs.style &= ~FWS_ADDTOTITLE;
    cs.cx = 1600;
    cs.cy = 800;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CMDIFrameWndEx::OnCreate(lpCreateStruct) == -1) return -1;

    SetWindowText(kWindowTitle);
    HICON icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManagerVS2008));

    CMDITabInfo tabs;
    tabs.m_style = CMFCTabCtrl::STYLE_3D_ONENOTE;
    tabs.m_bActiveTabCloseButton = TRUE;
    tabs.m_bTabIcons = FALSE;
    tabs.m_bAutoColor = TRUE;
    tabs.m_bDocumentMenu = FALSE;
    EnableMDITabbedGroups(TRUE, tabs);

    if (!m_wndMenuBar.Create(this)) return -1;
    m_wndMenuBar.SetPaneStyle(m_wndMenuBar.GetPaneStyle() | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS | CBRS_FLYBY);
    CMFCPopupMenu::SetForceMenuFocus(FALSE);

    const BOOL hiColorIcons = EditorApp() && EditorApp()->m_bHiColorIcons;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(hiColorIcons ? IDR_MAINFRAME_256 : IDR_MAINFRAME))
        return -1;
    m_wndToolBar.SetWindowText(LoadText(IDS_TOOLBAR_STANDARD));
    m_wndToolBar.EnableCustomizeButton(TRUE, ID_VIEW_CUSTOMIZE, LoadText(IDS_TOOLBAR_CUSTOMIZE));

    if (!m_wndStatusBar.Create(this)) return -1;
    m_wndStatusBar.SetIndicators(kIndicators, sizeof(kIndicators) / sizeof(kIndicators[0]));

    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockPane(&m_wndMenuBar);
    CDockingManager::SetDockingMode(DT_SMART);
    EnableAutoHidePanes(CBRS_ALIGN_ANY);
    CMFCToolBar::AddToolBarForImageCollection(IDR_MENU_IMAGES, hiColorIcons ? UINT(IDR_MENU_IMAGES_24) : 0u);

    if (!CreateDockingWindows()) return -1;

    m_wndDataDomainView.EnableDocking(CBRS_ALIGN_ANY);
    m_wndMethodDomainView.EnableDocking(CBRS_ALIGN_ANY);
    m_wndSystemDomainView.EnableDocking(CBRS_ALIGN_ANY);
    DockPane(&m_wndSystemDomainView);
    DockPane(&m_wndDataDomainView);
    CDockablePane* tabbedPane = nullptr;
    m_wndMethodDomainView.AttachToTabWnd(&m_wndDataDomainView, DM_SHOW, FALSE, &tabbedPane);
    m_wndSystemDomainView.AttachToTabWnd(tabbedPane ? tabbedPane : &m_wndDataDomainView, DM_SHOW, TRUE,
                                         &tabbedPane);

    m_wndOutput.EnableDocking(CBRS_ALIGN_ANY);
    DockPane(&m_wndOutput);
    m_wndProperties.EnableDocking(CBRS_ALIGN_ANY);
    DockPane(&m_wndProperties);

    EnableWindowsDialog(ID_WINDOW_MANAGER, ID_WINDOW_MANAGER, TRUE, FALSE);
    EnablePaneMenu(TRUE, ID_VIEW_CUSTOMIZE, LoadText(IDS_TOOLBAR_CUSTOMIZE), ID_VIEW_TOOLBAR);
    CMFCToolBar::EnableQuickCustomization();
    return 0;
}

BOOL CMainFrame::CreateDockingWindows() {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_FLOAT_MULTI;
    if (!m_wndDataDomainView.Create("DataDomainView", this, CRect(0, 0, 400, 200), TRUE, ID_DATA_DOMAIN_VIEW,
                                    style | CBRS_LEFT))
        return FALSE;
    if (!m_wndMethodDomainView.Create("MethodDomainView", this, CRect(0, 0, 400, 200), TRUE, ID_METHOD_DOMAIN_VIEW,
                                      style | CBRS_LEFT))
        return FALSE;
    if (!m_wndSystemDomainView.Create("SystemDomainView", this, CRect(0, 0, 400, 200), TRUE, ID_SYSTEM_DOMAIN_VIEW,
                                      style | CBRS_LEFT))
        return FALSE;
    // The search pane is high enough for its title, the search row, the tab strip and several result lines.
    if (!m_wndOutput.Create("찾기", this, CRect(0, 0, 100, 180), TRUE, ID_OUTPUT_WND, style | CBRS_BOTTOM))
        return FALSE;
    if (!m_wndProperties.Create(LoadText(IDS_PROPERTIES_WND), this, CRect(0, 0, 500, 200), TRUE, ID_PROPERTIES_WND,
                                style | CBRS_RIGHT))
        return FALSE;
    return TRUE;
}

LRESULT CMainFrame::OnToolbarCreateNew(WPARAM wp, LPARAM lp) {
    const LRESULT result = CMDIFrameWndEx::OnToolbarCreateNew(wp, lp);
    if (result == 0) return 0;
    auto* toolbar = reinterpret_cast<CMFCToolBar*>(result);
    toolbar->EnableCustomizeButton(TRUE, ID_VIEW_CUSTOMIZE, LoadText(IDS_TOOLBAR_CUSTOMIZE));
    return result;
}

void CMainFrame::OnSettingChange(UINT uFlags, LPCTSTR lpszSection) {
    CMDIFrameWndEx::OnSettingChange(uFlags, lpszSection);
}

void CMainFrame::OnWindowManager() { ShowWindowsDialog(); }

void CMainFrame::OnViewCustomize() {
    // Modeless; it deletes itself when it closes.
    auto* dialog = new CMFCToolBarsCustomizeDialog(this, TRUE,
                                                   AFX_CUSTOMIZE_MENU_SHADOWS | AFX_CUSTOMIZE_TEXT_LABELS |
                                                       AFX_CUSTOMIZE_MENU_ANIMATIONS | AFX_CUSTOMIZE_NOHELP);
    dialog->Create();
}

void CMainFrame::OnSaveAllDomainHeaders() { m_wndSystemDomainView.OnSaveAllDomainHeaders(); }

// ---- The editor's messages ---------------------------------------------------------------------------------

LRESULT CMainFrame::OnPropertyUpdate(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<TreeNodeData*>(lParam);
    // An item without data or without a record shows nothing: the grid never goes on showing the item
    // selected before.
    if (!item) {
        m_wndProperties.ShowNothing();
        return -1;
    }
    void* record = item->record;
    switch (RoutePropertiesFiller(*item)) {
    case PropertiesFiller::None: m_wndProperties.ShowNothing(); return -1;
    case PropertiesFiller::User: m_wndProperties.ShowUserProperties(); break;
    case PropertiesFiller::Domain: m_wndProperties.ShowDomainProperties(*static_cast<class_domain_info*>(record)); break;
    case PropertiesFiller::Data: m_wndProperties.ShowDataProperties(*static_cast<class_metadata_info*>(record)); break;
    case PropertiesFiller::DataFieldItem:
        m_wndProperties.ShowDataFieldItemProperties(*static_cast<class_datafield_info*>(record), *item);
        break;
    case PropertiesFiller::Method: m_wndProperties.ShowMethodProperties(*static_cast<class_method_info*>(record)); break;
    case PropertiesFiller::MethodItem:
        m_wndProperties.ShowMethodItemProperties(*static_cast<class_membermethod_info*>(record));
        break;
    case PropertiesFiller::Interface:
        m_wndProperties.ShowInterfaceProperties(*static_cast<class_interface_info*>(record));
        break;
    case PropertiesFiller::Switch: m_wndProperties.ShowSwitchProperties(*static_cast<class_node_info*>(record)); break;
    case PropertiesFiller::Node: m_wndProperties.ShowNodeProperties(*static_cast<class_node_info*>(record)); break;
    case PropertiesFiller::Component:
        m_wndProperties.ShowComponentProperties(*static_cast<class_component_info*>(record));
        break;
    case PropertiesFiller::Proxy:
        m_wndProperties.ShowProxyProperties(*static_cast<class_proxy_interface_relation_info*>(record));
        break;
    case PropertiesFiller::Stub:
        m_wndProperties.ShowStubProperties(*static_cast<class_stub_interface_relation_info*>(record));
        break;
    case PropertiesFiller::DeployedComponent:
        m_wndProperties.ShowDeployedComponentProperties(*static_cast<class_component_info*>(record));
        break;
    case PropertiesFiller::ComponentInterface:
        m_wndProperties.ShowComponentInterfaceProperties(*static_cast<class_custum_table*>(record), *item);
        break;
    }
    return 0;
}

LRESULT CMainFrame::OnNodePropertyUpdate(WPARAM wParam, LPARAM lParam) {
    if (wParam == 10 && lParam) m_wndProperties.ShowNodeProperties(*reinterpret_cast<class_node_info*>(lParam));
    return 0;
}

LRESULT CMainFrame::OpenChildFrame(WPARAM, LPARAM lParam) {
    auto* placeholderChild = new CChildFrame;
    m_placeholderChildFrames.push_back(placeholderChild);
    auto* document = new CTamoZELK_MDIDoc;
    m_diagramDocuments.push_back(document);
    m_placeholderFrames.push_back(new CFrameWnd);

    CDocTemplate* diagramTemplate = EditorApp() ? EditorApp()->m_pDiagramTemplate : nullptr;
    CFrameWnd* frame = diagramTemplate ? diagramTemplate->CreateNewFrame(document, placeholderChild) : nullptr;
    if (!frame) {
        // No window took the document, so nothing else will delete it.
        m_diagramDocuments.pop_back();
        delete document;
        AfxMessageBox("자식 프레임 생성 실패");
        return -1;
    }
    diagramTemplate->InitialUpdateFrame(frame, document, TRUE);
    frame->SetWindowText(reinterpret_cast<LPCTSTR>(lParam));
    return 0;
}

LRESULT CMainFrame::OnUnusedMessage(WPARAM, LPARAM) { return 0; }

LRESULT CMainFrame::OnInterfaceChanged(WPARAM, LPARAM lParam) {
    m_wndSystemDomainView.OnRefresh();
    if (lParam) {
        CViewTree& tree = m_wndSystemDomainView.GetTreeCtrl();
        m_wndSystemDomainView.ExpandCheckedClassItems(tree.GetRootItem(),
                                                      *reinterpret_cast<const class_interface_info*>(lParam));
    }
    return 0;
}

CViewTree* CMainFrame::TreeOfPane(const CWnd* pane) {
    if (pane == &m_wndDataDomainView) return &m_wndDataDomainView.GetTreeCtrl();
    if (pane == &m_wndMethodDomainView) return &m_wndMethodDomainView.GetTreeCtrl();
    if (pane == &m_wndSystemDomainView) return &m_wndSystemDomainView.GetTreeCtrl();
    return nullptr;
}

LRESULT CMainFrame::OnChangeActiveTab(WPARAM, LPARAM lParam) {
    CViewTree* tree = TreeOfPane(reinterpret_cast<const CWnd*>(lParam));
    if (!tree || !tree->GetSafeHwnd() || !m_wndProperties.GetSafeHwnd()) return 0;
    const HTREEITEM selected = tree->GetSelectedItem();
    auto* item = selected ? reinterpret_cast<TreeNodeData*>(tree->GetItemData(selected)) : nullptr;
    // A tree without a selected item has nothing to show; the item of the tree left behind goes.
    if (!item || OnPropertyUpdate(1, reinterpret_cast<LPARAM>(item)) != 0) m_wndProperties.ShowNothing();
    return 0;
}

// ---- Diagram windows -----------------------------------------------------------------------------------------

CMDIChildWnd* CMainFrame::FindDiagramFrame(const std::function<bool(CTamoZELK_MDIDoc&)>& visit) {
    if (!m_hWndMDIClient) return nullptr;
    for (UINT id = AFX_IDM_FIRST_MDICHILD; id <= AFX_IDM_LAST_MDICHILD; ++id) {
        auto* child = DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandle(::GetDlgItem(m_hWndMDIClient, id)));
        if (!child) continue;
        auto* document = dynamic_cast<CTamoZELK_MDIDoc*>(child->GetActiveDocument());
        if (document && visit(*document)) return child;
    }
    return nullptr;
}

int CMainFrame::ActivateDocumentFrame(const std::string& name) {
    CMDIChildWnd* child =
        FindDiagramFrame([&name](CTamoZELK_MDIDoc& document) { return document.GetDiagramName() == name; });
    if (!child) return -1;
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->GetSafeHwnd()), 0);
    return 0;
}

CMDIChildWnd* CMainFrame::FindHelpFrame() {
    return FindDiagramFrame([](CTamoZELK_MDIDoc& document) { return document.GetDiagramName() == kHelpWindowName; });
}

void CMainFrame::OnRefreshDiagrams() {
    FindDiagramFrame([](CTamoZELK_MDIDoc& document) {
        for (CUmlEntity* element : document.GetElements())
            if (element) element->RefreshEntity();
        return false;
    });
}

void CMainFrame::OnHelpTab() {
    Class_UmlControl* diagrams = Class_UmlControl::get_instance();
    diagrams->create_childframe(kHelpWindowName);
    diagrams->set_explanation_text(30);
}

// ---- Trees -------------------------------------------------------------------------------------------------------

void CMainFrame::SelectTreeItemByPath(int treeKind, const std::string& line) {
    switch (treeKind) {
    case 0:
        ShowPane(&m_wndDataDomainView, TRUE, FALSE, TRUE);
        m_wndDataDomainView.SelectItemByPath(line);
        break;
    case 1:
        ShowPane(&m_wndMethodDomainView, TRUE, FALSE, TRUE);
        m_wndMethodDomainView.SelectItemByPath(line);
        break;
    case 2:
        ShowPane(&m_wndSystemDomainView, TRUE, FALSE, TRUE);
        SelectSystemTreeItemByPath(m_wndSystemDomainView, line);
        break;
    default:
        break;
    }
}

// ---- Accounts ----------------------------------------------------------------------------------------------------

void CMainFrame::OnServerAccounts() {
    Class_UmlControl::get_instance()->set_explanation_text(40);
    CAcountListViewDlg dialog;
    dialog.DoModal();
}

void CMainFrame::OnChangePassword() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<account_row> rows;
    if (db->SelectAccountRows("call acountInfoAccessUser()", rows) == -1) {
        db->ShowLastError();
        return;
    }
    CEditAcountDlg dialog;
    // Without a row the description starts empty; the server decides about the change.
    if (!rows.empty()) dialog.m_strDescription = rows.front().description;
    if (dialog.DoModal() != IDOK) return;

    if (db->ExecuteProc(db->FormatCall("call acountViewEditAcount('%s','%s','%s')", dialog.m_strOldPassword,
                                       dialog.m_strNewPassword, dialog.m_strDescription)) == -1) {
        db->ShowLastError();
        return;
    }
    // The exporters log in with the login values, and the session when it opens a lost connection again: both
    // must get the new password from now on.
    if (CTamoZELK_MDIApp* app = EditorApp()) app->m_LoginDlg.SetField(LOGIN_USER_PASSWORD, dialog.m_strNewPassword.str());
    db->SetLoginPassword(dialog.m_strNewPassword.str());
}

void CMainFrame::OnJoinPrivateDomain() {
    class_join_domainaccount_dlg dialog;
    if (dialog.DoModal() != IDOK) return;
    if (JoinPrivateDomainPath(dialog.m_strPath.str(), dialog.m_strKind) != 0)
        CMysqlQuery::GetInstance()->ShowLastError();
}

void CMainFrame::OnXmlDocumentToDb() {
    if (!g_pMsXmlController) g_pMsXmlController = new class_msxmlcontroller;
    const int result = g_pMsXmlController->import_xml_document();
    if (result != -1) {
        // The trees show what the import wrote, also when it stopped on a failure (already shown).
        m_wndMethodDomainView.SendMessage(WM_COMMAND, ID_METHOD_TREE_REFRESH, 0);
        m_wndDataDomainView.SendMessage(WM_COMMAND, ID_DATA_TREE_REFRESH, 0);
        if (result == 0) MessageBox("완료 되었습니다", "완료");
    }
    delete g_pMsXmlController;
    g_pMsXmlController = nullptr;
}

// ---- Shutdown ----------------------------------------------------------------------------------------------------

void CMainFrame::OnDestroy() {
    CMDIFrameWndEx::OnDestroy();
    ReleaseFrames();
}

void CMainFrame::ReleaseFrames() {
    m_diagramDocuments.clear();
    for (CChildFrame* frame : m_placeholderChildFrames) delete frame;
    m_placeholderChildFrames.clear();
    for (CFrameWnd* frame : m_placeholderFrames) delete frame;
    m_placeholderFrames.clear();
    delete g_pCodeControl;
    g_pCodeControl = nullptr;
}
