#pragma once

// The frame library's modeless dialogs of the main frame: toolbar customizing (which here shows the
// toolbars and lets them be shown or hidden) and the windows manager (the MDI children, to activate or close).
// Both delete themselves when they close.

#include "CDialog.h"
#include "CMFCToolBar.h"

class CFrameWnd;
class CMDIFrameWnd;

class CMFCToolBarsCustomizeDialog : public CDialog {
    DECLARE_DYNAMIC(CMFCToolBarsCustomizeDialog)
public:
    CMFCToolBarsCustomizeDialog(CFrameWnd* pWndParentFrame, BOOL bAutoSetFromMenus = FALSE,
                                UINT uiFlags = (AFX_CUSTOMIZE_MENU_SHADOWS | AFX_CUSTOMIZE_TEXT_LABELS |
                                                AFX_CUSTOMIZE_MENU_ANIMATIONS | AFX_CUSTOMIZE_NOHELP),
                                void* plistCustomPages = nullptr);
    BOOL Create();
    void EnableUserDefinedToolbars(BOOL bEnable = TRUE) { (void)bEnable; }
    UINT GetFlags() const { return m_uiFlags; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    afx_msg void OnToolbarToggled();
    DECLARE_MESSAGE_MAP()

private:
    CFrameWnd* m_pParentFrame;
    UINT m_uiFlags;
};

class CMFCWindowsManagerDialog : public CDialog {
    DECLARE_DYNAMIC(CMFCWindowsManagerDialog)
public:
    CMFCWindowsManagerDialog(CMDIFrameWnd* pMDIFrame, BOOL bHelpButton = FALSE);
    BOOL Create();

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    afx_msg void OnActivateWindow();
    afx_msg void OnCloseWindow();
    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    CMDIFrameWnd* m_pMDIFrame;
};
