#pragma once

// Toolbars from TOOLBAR resources (buttons with images cut from the bitmap of the same id), the menu bar
// and the status bar of the main frame.

#include "CDockablePane.h"

class CMenu;

#define TBSTYLE_FLAT 0x0800
#define TBSTYLE_TRANSPARENT 0x8000
#define AFX_DEFAULT_TOOLBAR_STYLE (WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_HIDE_INPLACE)
#define SBPS_NORMAL 0x0000
#define SBPS_STRETCH 0x0010

extern const UINT AFX_WM_CREATETOOLBAR;
extern const UINT AFX_WM_RESETTOOLBAR;

class CMFCToolBar : public CPane {
    DECLARE_DYNAMIC(CMFCToolBar)
public:
    CMFCToolBar() = default;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE, UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT, DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE,
                          CRect rcBorders = CRect(1, 1, 1, 1), UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = FALSE,
                             UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0);
    void EnableCustomizeButton(BOOL bEnable, int iCustomizeCmd, const CString& strCustomizeText,
                               BOOL bQuickCustomize = TRUE);
    int GetCount() const;
    UINT GetItemID(int nIndex) const;
    BOOL IsButtonEnabled(UINT nCommandID) const;
    virtual BOOL AllowShowOnList() const { return TRUE; }
    // Runs the update handlers of the buttons along the route of pTarget.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    static BOOL AddToolBarForImageCollection(UINT uiResID, UINT uiBmpResID = 0, UINT uiColdResID = 0,
                                             UINT uiMenuResID = 0, UINT uiDisabledResID = 0,
                                             UINT uiMenuDisabledResID = 0);
    static void EnableQuickCustomization(BOOL bEnable = TRUE) { (void)bEnable; }

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "TamoToolBar"; }
    UINT m_uiResID = 0;
    int m_iCustomizeCmd = 0;
};

class CMFCMenuBar : public CMFCToolBar {
    DECLARE_DYNAMIC(CMFCMenuBar)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE, UINT nID = AFX_IDW_MENUBAR) override;
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_TRANSPARENT, DWORD dwStyle = AFX_DEFAULT_TOOLBAR_STYLE,
                  CRect rcBorders = CRect(1, 1, 1, 1), UINT nID = AFX_IDW_MENUBAR) override;
    // The popups of the frame's menu as a bar.
    void CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu = FALSE, BOOL bForceUpdate = FALSE);
    HMENU GetHMenu() const;

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "TamoMenuBar"; }
};

class CMFCStatusBar : public CBasePane {
    DECLARE_DYNAMIC(CMFCStatusBar)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    int GetCount() const;
    UINT GetItemID(int nIndex) const;

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "TamoStatusBar"; }
};

class CMFCPopupMenu {
public:
    static void SetForceMenuFocus(BOOL bValue) { (void)bValue; }
};

class CMFCToolBarsCustomizeDialog;
#define AFX_CUSTOMIZE_MENU_SHADOWS 0x0001
#define AFX_CUSTOMIZE_TEXT_LABELS 0x0002
#define AFX_CUSTOMIZE_MENU_ANIMATIONS 0x0004
#define AFX_CUSTOMIZE_NOHELP 0x0008
#define AFX_CUSTOMIZE_CONTEXT_HELP 0x0010
#define AFX_CUSTOMIZE_NOTOOLS 0x0020
#define AFX_CUSTOMIZE_MENUAMPERS 0x0040
#define AFX_CUSTOMIZE_NO_LARGE_ICONS 0x0080
