#include "CTamoZELK_MDIApp.h"

#include <new>

#include "CAboutDlg.h"
#include "CChildFrame.h"
#include "CContextMenuManager.h"
#include "CDocTemplate.h"
#include "CMainFrame.h"
#include "CMysqlQuery.h"
#include "CTamoZELK_MDIDoc.h"
#include "CToolTipCtrl.h"
#include "Class_UmlControl.h"
#include "TreeContextMenu.h"
#include "class_access_dialog.h"
#include "class_diagramscrollview.h"

namespace {

enum : UINT {
    IDR_DIAGRAM_DOCUMENT = 130,
    IDP_OLE_INIT_FAILED = 100,
    IDS_EXPLORER = 305,
    IDS_EDIT_MENU = 306,
    IDR_POPUP_EXPLORER = 174,
};

// The popup menus of the tree panes, registered under "편집" in this order.
const UINT kTreeMenus[] = {314, 315, 425, 316, 317, 318, 374, 330, 332, 333, 376, 339, 340, 342, 344,
                           347, 349, 354, 357, 359, 368, 369, 396, 371, 373, 389, 420, 422, 423, 424};

}  // namespace

BEGIN_MESSAGE_MAP(CTamoZELK_MDIApp, CWinAppEx)
    ON_COMMAND(ID_APP_ABOUT, &CTamoZELK_MDIApp::OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, &CWinAppEx::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinAppEx::OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinAppEx::OnFilePrintSetup)
END_MESSAGE_MAP()

CTamoZELK_MDIApp::CTamoZELK_MDIApp() : CWinAppEx(TRUE) {
    m_bHiColorIcons = TRUE;
    m_dwRestartManagerSupportFlags = AFX_RESTART_MANAGER_SUPPORT_ALL_ASPECTS;
    SetAppID("TamoZELK_MDI.AppID.NoVersion");
}

BOOL CTamoZELK_MDIApp::InitInstance() {
    INITCOMMONCONTROLSEX controls;
    controls.dwSize = 8;
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);

    CWinAppEx::InitInstance();
    if (!AfxOleInit()) {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();
    EnableTaskbarInteraction(TRUE);

    SetRegistryKey("로컬 응용 프로그램 마법사에서 생성된 응용 프로그램");
    // The main window always opens in its built-in layout.
    CleanState();
    LoadStdProfileSettings(4);

    InitContextMenuManager();
    InitKeyboardManager();
    InitTooltipManager();
    PreLoadState();

    if (!Login()) {
        PostQuitMessage(0);
        return FALSE;
    }

    class_access_dialog accessWindow;
    accessWindow.Create(class_access_dialog::IDD, nullptr);
    accessWindow.ShowWindow(SW_SHOW);
    accessWindow.UpdateWindow();

    CMFCToolTipInfo tooltipParams;
    tooltipParams.m_bVislManagerTheme = TRUE;
    GetTooltipManager()->SetTooltipParams(AFX_TOOLTIP_TYPE_ALL, RUNTIME_CLASS(CMFCToolTipCtrl), &tooltipParams);

    // The application keeps the template (AddDocTemplate); without one no diagram window can be made.
    m_pDiagramTemplate = new (std::nothrow) CMultiDocTemplate(IDR_DIAGRAM_DOCUMENT, RUNTIME_CLASS(CTamoZELK_MDIDoc),
                                                              RUNTIME_CLASS(CChildFrame),
                                                              RUNTIME_CLASS(class_diagramscrollview));
    if (!m_pDiagramTemplate) {
        accessWindow.DestroyWindow();
        return FALSE;
    }
    AddDocTemplate(m_pDiagramTemplate);

    // A frame whose window cannot be made deletes itself with it; it is not deleted again here.
    auto* mainFrame = new CMainFrame;
    if (!mainFrame->LoadFrame(IDR_DIAGRAM_DOCUMENT, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        accessWindow.DestroyWindow();
        return FALSE;
    }
    m_pMainWnd = mainFrame;

    // Nothing of the command line is processed.
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);

    mainFrame->ShowWindow(m_nCmdShow);
    mainFrame->UpdateWindow();

    Class_UmlControl* diagrams = Class_UmlControl::get_instance();
    diagrams->create_childframe("도움말");
    diagrams->set_explanation_text(30);

    accessWindow.DestroyWindow();
    return TRUE;
}

BOOL CTamoZELK_MDIApp::Login() {
    for (;;) {
        if (m_LoginDlg.DoModal() != IDOK) return FALSE;
        const CString error = CMysqlQuery::GetInstance()->Connect(m_LoginDlg);
        if (error.IsEmpty()) return TRUE;
        ::MessageBox(nullptr, "에러 : " + error, "접속 실패", MB_OK);
    }
}

void CTamoZELK_MDIApp::PreLoadState() {
    CContextMenuManager* menus = GetContextMenuManager();
    if (!menus) return;
    CString name;
    name.LoadString(IDS_EDIT_MENU);
    for (UINT menu : kTreeMenus) menus->AddMenu(name, menu);
    name.LoadString(IDS_EXPLORER);
    menus->AddMenu(name, IDR_POPUP_EXPLORER);
}

int CTamoZELK_MDIApp::ExitInstance() {
    AfxOleTerm(FALSE);
    return CWinAppEx::ExitInstance();
}

void CTamoZELK_MDIApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}
