#pragma once

// Frame windows. A frame holds a view (id AFX_IDW_PANE_FIRST) that fills its client area, bars and panes.
// Commands route from the frame to its active view (and the view's document), then to the frame itself,
// and from a top-level frame on to the application. A frame deletes itself after its window is gone.

#include "CDocTemplate.h"
#include "CWnd.h"

class CView;
class CDocument;
class CMenu;

#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00040000L
#define FWS_SNAPTOBARS 0x00020000L

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame from its resource id: the title from string nIDResource (up to a line feed), the
    // menu nIDResource and the icon nIDResource when they exist.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    virtual CView* GetActiveView() const;
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle) { (void)bAddToTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    BOOL IsFrameWnd() const { return TRUE; }

    void EnableDocking(DWORD dwDockStyle);
    CMenu* GetMenu() const override;
    BOOL m_bAutoMenuEnable = TRUE;
    UINT m_nIDHelp = 0;

    // The first pane of the frame's status bar (AFX_IDW_STATUS_BAR) shows the text; nothing without a bar.
    void SetMessageText(LPCTSTR lpszText);
    // ... the prompt of the command nID (AFX_IDS_IDLEMESSAGE: the idle message; 0: nothing).
    void SetMessageText(UINT nID);
    // The prompt of a command: its string up to the first line feed (empty without one); for
    // AFX_IDS_IDLEMESSAGE the idle message ("준비" without that string).
    virtual void GetMessageString(UINT nID, CString& rMessage) const;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Runs the update handlers of the frame's menus and toolbars.
    void UpdateCommandUI();

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    LPCTSTR GetDefaultWindowClass() const override { return "TamoFrame"; }
    void PostNcDestroy() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    DECLARE_MESSAGE_MAP()

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
    UINT m_nIDResource = 0;
    CMenu* m_pMenu = nullptr;  // owned: the frame's menu resource
    friend class CDocTemplate;
};

// The frame library's extended frame: the same frame here.
class CFrameWndEx : public CFrameWnd {
    DECLARE_DYNCREATE(CFrameWndEx)
};
