#pragma once

#include "ApplicationLogin.h"
#include "CLoginDlg.h"
#include "CWinApp.h"

class CMultiDocTemplate;

// The editor's application. Its one object (theApp, in the program's source) exists from static initialisation
// to process exit; it owns the login dialog, whose values are the login values of the whole run, and the
// document template of the diagram windows.
class CTamoZELK_MDIApp : public CWinAppEx, public ApplicationLogin {
public:
    CTamoZELK_MDIApp();

    // Start-up: the login loop, the start-up window, the main frame with its panes, the help window.
    BOOL InitInstance() override;
    int ExitInstance() override;
    // Registers the popup menus of the tree panes with the context-menu manager.
    void PreLoadState() override;

    // Shows the login dialog until the session connects and the server accepts the application account (TRUE)
    // or the user cancels (FALSE).
    BOOL Login() override;

    CLoginDlg m_LoginDlg;
    CMultiDocTemplate* m_pDiagramTemplate = nullptr;  // registered with (and deleted by) the application

protected:
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()
};
