#pragma once

// The main window of a multiple-document program: MDI children in a client area (tabbed with
// EnableMDITabbedGroups), a menu bar, toolbars, a status bar and dockable panes. The MDI client
// (m_hWndMDIClient) numbers its children from AFX_IDM_FIRST_MDICHILD (0xFF00) in the order they were
// created, closing the gaps that closed children leave; GetDlgItem on it finds them by id, and
// WM_MDIACTIVATE sent to it activates the child in wParam. Commands go to the active child first.

#include "CFrameWnd.h"
#include "CMFCTabCtrl.h"

class CMDIChildWnd;
class CDockablePane;
class CBasePane;
class CMFCToolBar;

struct CMDITabInfo {
    CMFCTabCtrl::Style m_style = CMFCTabCtrl::STYLE_3D_SCROLLED;
    CMFCTabCtrl::Location m_tabLocation = CMFCTabCtrl::LOCATION_TOP;
    BOOL m_bTabCloseButton = TRUE;
    BOOL m_bTabIcons = FALSE;
    BOOL m_bAutoColor = FALSE;
    BOOL m_bDocumentMenu = FALSE;
    BOOL m_bEnableTabSwap = TRUE;
    BOOL m_bFlatFrame = TRUE;
    BOOL m_bTabCustomTooltips = FALSE;
    BOOL m_bActiveTabCloseButton = FALSE;
    int m_nTabBorderSize = 5;
};

#define DT_UNDEFINED 0
#define DT_IMMEDIATE 1
#define DT_STANDARD 2
#define DT_SMART 0x80
#define DM_UNKNOWN 0
#define DM_MOUSE 1
#define DM_DBL_CLICK 2
#define DM_SHOW 3
#define DM_RECT 4
#define DM_STANDARD 5

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNAMIC(CMDIFrameWnd)
public:
    CMDIFrameWnd() = default;

    HWND m_hWndMDIClient = nullptr;

    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDINext();
    void MDIPrev();
    void MDICascade();
    void MDITile();
    CFrameWnd* GetActiveFrame() override;
    CDocument* GetActiveDocument() override;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    LPCTSTR GetDefaultWindowClass() const override { return "TamoMDIFrame"; }
    afx_msg void OnWindowNew();
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class CMDIFrameWndEx : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMDIFrameWndEx)
public:
    CMDIFrameWndEx() = default;

    void EnableMDITabbedGroups(BOOL bEnable, const CMDITabInfo& params);
    void EnableMDITabs(BOOL bEnable = TRUE, BOOL bIcons = TRUE,
                       CMFCTabCtrl::Location tabLocation = CMFCTabCtrl::LOCATION_TOP, BOOL bTabCloseButton = FALSE,
                       CMFCTabCtrl::Style style = CMFCTabCtrl::STYLE_3D_SCROLLED, BOOL bTabCustomTooltips = FALSE,
                       BOOL bActiveTabCloseButton = FALSE);
    BOOL AreMDITabs() const { return m_bMDITabs; }

    // Docking of panes and bars.
    BOOL EnableDocking(DWORD dwDockStyle);
    BOOL EnableAutoHidePanes(DWORD dwDockStyle);
    void DockPane(CBasePane* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void EnablePaneMenu(BOOL bEnable, UINT uiCustomizeCmd, const CString& strCustomizeLabel,
                        UINT uiViewToolbarsMenuEntryID, BOOL bContextMenuShowsToolbarsOnly = FALSE,
                        BOOL bViewMenuShowsToolbarsOnly = FALSE);
    // The "Windows..." dialog of the frame library on a menu command.
    void EnableWindowsDialog(UINT uiMenuId, LPCTSTR lpszMenuText, BOOL bShowAllways = FALSE,
                             BOOL bShowHelpButton = FALSE);
    void EnableWindowsDialog(UINT uiMenuId, UINT uiMenuTextResId, BOOL bShowAllways = FALSE,
                             BOOL bShowHelpButton = FALSE);
    void ShowWindowsDialog();
    BOOL ShowPane(CBasePane* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate);

protected:
    // The frame library's handler of AFX_WM_CREATETOOLBAR: answers the new toolbar, or 0 (no toolbars are
    // made by customizing here).
    afx_msg LRESULT OnToolbarCreateNew(WPARAM wp, LPARAM lp);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bMDITabs = FALSE;
};
