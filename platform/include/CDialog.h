#pragma once

// Dialogs from templates (editor/res). Modal: DoModal creates the window from the template, sends
// WM_INITDIALOG (OnInitDialog), runs until EndDialog and answers its result (IDOK, IDCANCEL, ...).
// Modeless: Create(id, parent), ShowWindow, DestroyWindow. Enter presses the default button (IDOK when the
// template marks none), Escape and the close box send IDCANCEL; the default OnOK runs UpdateData(TRUE) and
// ends with IDOK, OnCancel ends with IDCANCEL.

#include "CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    virtual BOOL OnInitDialog();

    UINT GetTemplateId() const { return m_nIDHelp; }
    // TRUE between the start of DoModal and EndDialog.
    BOOL IsModalRunning() const { return m_bModalRunning; }
    // The result EndDialog was given (-1 while the dialog runs).
    int GetEndResult() const { return m_nModalResult; }

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

    UINT m_nIDHelp = 0;  // the template id
    CWnd* m_pParentWnd = nullptr;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    LPCTSTR GetDefaultWindowClass() const override { return "TamoDialog"; }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override {}

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(CWnd* pParentWnd, BOOL modal);
    friend class tamo::platform::WndImpl;
    BOOL m_bModalRunning = FALSE;
    int m_nModalResult = -1;
    UINT m_nDefID = 0;
};

// The dialog base with the frame library's look (background colour, images): the same as CDialog here.
class CDialogEx : public CDialog {
    DECLARE_DYNAMIC(CDialogEx)
public:
    CDialogEx() = default;
    explicit CDialogEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CDialog(nIDTemplate, pParentWnd) {}
    explicit CDialogEx(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr) : CDialog(lpszTemplateName, pParentWnd) {}
    void SetBackgroundColor(COLORREF color, BOOL bRepaint = TRUE) { (void)color, (void)bRepaint; }

protected:
    DECLARE_MESSAGE_MAP()
};
