#pragma once

// The application object. The program defines one static object of a CWinApp subclass; main() hands the
// process to AfxWinMain, which runs InitInstance, the message loop (when InitInstance answered TRUE) and
// ExitInstance, and returns the exit code.

#include <vector>

#include "CCmdTarget.h"
#include "CWnd.h"

class CDocTemplate;
class CContextMenuManager;
class CKeyboardManager;
class CTooltipManager;
struct CMFCToolTipInfo;

class CCommandLineInfo : public CObject {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };
    int m_nShellCommand = FileNew;
    BOOL m_bShowSplash = TRUE;
    CString m_strFileName;
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);
};

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWnd* m_pMainWnd = nullptr;
    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance();
    virtual int Run();
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }
};

#define AFX_RESTART_MANAGER_SUPPORT_ALL_ASPECTS 0x3F

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCTSTR m_pszAppName = nullptr;  // the title of message boxes
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWDEFAULT;
    DWORD m_dwRestartManagerSupportFlags = 0;
    LPTSTR m_lpCmdLine = nullptr;

    BOOL InitInstance() override;
    int ExitInstance() override;
    virtual BOOL InitApplication() { return TRUE; }

    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    void CloseAllDocuments(BOOL bEndSession);

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;

    // Settings kept by Windows in the registry: accepted and kept in memory only.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    void SetAppID(LPCTSTR lpcszAppID);
    void EnableTaskbarInteraction(BOOL bEnable = TRUE);

    // Default command handlers of ID_FILE_NEW, ID_FILE_OPEN and ID_FILE_PRINT_SETUP, and of ID_APP_EXIT
    // (which closes the main window).
    afx_msg void OnAppExit();
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CDocTemplate*> m_templates;  // owned
    CString m_appName;
    CString m_appID;
};

class CWinAppEx : public CWinApp {
    DECLARE_DYNAMIC(CWinAppEx)
public:
    explicit CWinAppEx(BOOL bResourceSmartUpdate = FALSE);
    ~CWinAppEx() override;

    BOOL m_bHiColorIcons = FALSE;
    BOOL m_bResourceSmartUpdate = FALSE;

    // Registers the popup menus that panes show by id.
    virtual void PreLoadState() {}

    BOOL InitContextMenuManager();
    BOOL InitKeyboardManager();
    BOOL InitTooltipManager();
    CContextMenuManager* GetContextMenuManager();
    CKeyboardManager* GetKeyboardManager();
    CTooltipManager* GetTooltipManager();
    // Clears the frame library's stored workspace (pane layout, toolbars): nothing is stored here.
    BOOL CleanState(LPCTSTR lpszSectionName = nullptr);
};

// The tooltip settings of the frame library; kept, with no further effect.
class CTooltipManager {
public:
    void SetTooltipParams(UINT nTypes, CRuntimeClass* pRTC = nullptr, CMFCToolTipInfo* pParams = nullptr);
    void SetTooltipText(void* hwnd, LPCTSTR lpszText) { (void)hwnd, (void)lpszText; }
};
class CKeyboardManager {};

#define AFX_TOOLTIP_TYPE_ALL 0xFFFF

CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
LPCTSTR AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Runs the program: creates the Qt application for argc/argv (unless one exists), then InitInstance, the
// message loop and ExitInstance of the application object. Returns the exit code.
int AfxWinMain(int argc, char** argv);

// Start-up calls of the Windows libraries; they succeed and do nothing here.
struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
#define ICC_WIN95_CLASSES 0x000000FF
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce);
BOOL AfxOleInit();
void AfxOleTerm(BOOL bJustRevoke = FALSE);
void AfxEnableControlContainer();
BOOL AfxInitRichEdit2();
