#pragma once

// Panes that dock at the sides of the main frame and can be tabbed together (AttachToTabWnd). A pane is a
// window of its own: children go in its client area and its WM_SIZE comes whenever the dock resizes it.

#include "CWnd.h"

class CTabbedPane;
class CFrameWnd;

// Sent to the frame that docks the panes when another pane of a group of tabbed panes becomes the active tab
// (by the user or by ShowPane): wParam the new tab's index, lParam the pane (CDockablePane*) now shown.
extern const UINT AFX_WM_CHANGE_ACTIVE_TAB;

#define AFX_DEFAULT_DOCKING_PANE_STYLE 0x000000CF
#define AFX_CBRS_FLOAT 0x01
#define AFX_CBRS_AUTOHIDE 0x02
#define AFX_CBRS_RESIZE 0x04
#define AFX_CBRS_CLOSE 0x08
#define AFX_CBRS_AUTO_ROLLUP 0x10
#define AFX_CBRS_REGULAR_TABS 0x20
#define AFX_CBRS_OUTLOOK_TABS 0x40

class CBasePane : public CWnd {
    DECLARE_DYNAMIC(CBasePane)
public:
    virtual void EnableDocking(DWORD dwAlignment);
    DWORD GetEnabledAlignment() const { return m_dwEnabledAlignment; }
    DWORD GetCurrentAlignment() const;
    virtual void SetPaneStyle(DWORD dwNewStyle) { m_dwPaneStyle = dwNewStyle; }
    DWORD GetPaneStyle() const { return m_dwPaneStyle; }
    virtual void ShowPane(BOOL bShow, BOOL bDelay, BOOL bActivate);
    virtual BOOL IsPaneVisible() const;
    virtual BOOL IsVisible() const { return IsPaneVisible(); }
    virtual BOOL IsDocked() const;
    virtual BOOL IsFloating() const;
    virtual CString GetPaneName() const;
    virtual BOOL AllowShowOnPaneMenu() const { return TRUE; }

protected:
    DWORD m_dwEnabledAlignment = 0;
    DWORD m_dwPaneStyle = 0;
    DWORD m_dwInitialAlignment = 0;
    friend class CMDIFrameWndEx;
};

class CPane : public CBasePane {
    DECLARE_DYNAMIC(CPane)
};

class CDockablePane : public CPane {
    DECLARE_DYNAMIC(CDockablePane)
public:
    CDockablePane() = default;

    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasGripper, UINT nID,
                        DWORD dwStyle, DWORD dwTabbedStyle = AFX_CBRS_REGULAR_TABS,
                        DWORD dwControlBarStyle = AFX_DEFAULT_DOCKING_PANE_STYLE, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                        DWORD dwStyle, DWORD dwTabbedStyle = AFX_CBRS_REGULAR_TABS,
                        DWORD dwControlBarStyle = AFX_DEFAULT_DOCKING_PANE_STYLE);
    // Puts this pane as a tab into the dock of another pane; answers the pane that shows the tabs.
    CDockablePane* AttachToTabWnd(CDockablePane* pTabControlBarAttachTo, int dockMethod, BOOL bSetActive = TRUE,
                                  CDockablePane** ppTabbedControlBar = nullptr);
    BOOL IsTabbed() const;
    // The panes that share this pane's dock as tabs, in tab order (this pane included).
    int GetTabbedPaneCount() const;
    BOOL IsActiveTab() const;
    virtual void AdjustLayout() {}
    BOOL IsHideInAutoHideMode() const { return FALSE; }

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "TamoDockPane"; }
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
